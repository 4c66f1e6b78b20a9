#include "base/LawChoice.h"

namespace tavrel::shell {

osgrin::LawEdition effectiveLaw(const AppState& state) {
    return state.LawOverride.value_or(state.Planner->values().Law);
}

std::string lawStatusText(const AppState& state) {
    std::string text = "Law: " + std::string(osgrin::lawEditionText(effectiveLaw(state)));
    if (state.LawOverride) text += " (this run)";
    return text;
}

void ChooseLaw(Shell& shell, osgrin::LawEdition law) {
    AppState& s = shell.state;
    s.LawOverride.reset();
    mirvane::AMT& p = *s.Planner;
    if (p.values().Law != law) {
        // A save ends the planner's edit; the choice opens one as the form does.
        if (!p.isEditing()) p.BeginEdit();
        p.letProperty("LawEdition", osgrin::lawEditionText(law));
        s.IsSaved = false;
    }
    ShowLaw(shell);
}

void ShowLaw(Shell& shell) { shell.view.setStatusLaw(effectiveLaw(shell.state), lawStatusText(shell.state)); }

}  // namespace tavrel::shell
