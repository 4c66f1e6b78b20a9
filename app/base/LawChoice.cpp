#include "base/LawChoice.h"

#include "planner/TaxYears.h"

namespace tavrel::shell {
namespace {

// A save ends the planner's edit; a choice opens one as the form does.
mirvane::AMT& editedPlanner(AppState& s) {
    mirvane::AMT& p = *s.Planner;
    if (!p.isEditing()) p.BeginEdit();
    return p;
}

}  // namespace

osgrin::LawEdition effectiveLaw(const AppState& state) {
    return state.LawOverride.value_or(state.Planner->values().Law);
}

std::int16_t effectivePlanYear(const AppState& state) {
    return state.PlanYearOverride.value_or(mirvane::currentTaxYear(*state.Planner));
}

std::string lawStatusText(const AppState& state) {
    std::string text = "Law: " + std::string(osgrin::lawEditionText(effectiveLaw(state)));
    if (state.LawOverride) text += " (this run)";
    return text;
}

void ChooseLaw(Shell& shell, osgrin::LawEdition law) {
    AppState& s = shell.state;
    mirvane::checkPlanYear(effectivePlanYear(s), law);
    s.LawOverride.reset();
    if (s.Planner->values().Law != law) {
        editedPlanner(s).letProperty("LawEdition", osgrin::lawEditionText(law));
        s.IsSaved = false;
    }
    ShowLaw(shell);
}

void ChoosePlanYear(Shell& shell, std::int16_t year) {
    AppState& s = shell.state;
    mirvane::checkPlanYear(year, effectiveLaw(s));
    s.PlanYearOverride.reset();
    if (mirvane::currentTaxYear(*s.Planner) != year) {
        editedPlanner(s).letPlanYear(year);
        s.IsSaved = false;
    }
}

void ShowLaw(Shell& shell) { shell.view.setStatusLaw(effectiveLaw(shell.state), lawStatusText(shell.state)); }

}  // namespace tavrel::shell
