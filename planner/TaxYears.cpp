#include "planner/TaxYears.h"

#include "planner/AMT.h"

#include "common/ErrorTrap.h"

#include <charconv>
#include <string>

namespace mirvane {
namespace {

std::string rangeText(PlanYears y) {
    return y.first == y.last ? std::to_string(y.first) : std::to_string(y.first) + " to " + std::to_string(y.last);
}

}  // namespace

std::int16_t currentTaxYear(const AMT& p) { return p.values().PlanYear; }

std::int16_t nextTaxYear(const AMT& p) { return static_cast<std::int16_t>(p.values().PlanYear + 1); }

std::int16_t planYearFromText(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int year = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), year);
    if (ec != std::errc() || end != text.data() + text.size() || year < kAnyPlanYear.first || year > kAnyPlanYear.last)
        throw tavrel::TaxError::standard(
            tavrel::err::InvalidPropertyValue,
            "\"" + std::string(text) + "\" is not a plan year: plan years run from " + rangeText(kAnyPlanYear));
    return static_cast<std::int16_t>(year);
}

void checkPlanYear(std::int16_t year, osgrin::LawEdition law) {
    const PlanYears allowed = planYearsUnder(law);
    if (year >= allowed.first && year <= allowed.last) return;
    std::string text = std::to_string(year) + " is not a plan year under the law edition \"" +
                       std::string(osgrin::lawEditionText(law)) + "\", which plans " + rangeText(allowed);
    if (law != osgrin::LawEdition::Enacted)
        text += "; \"" + std::string(osgrin::lawEditionText(osgrin::LawEdition::Enacted)) + "\" plans " +
                rangeText(kAnyPlanYear);
    throw tavrel::TaxError::standard(tavrel::err::InvalidPropertyValue, text);
}

void putUnderLaw(AMT& p, osgrin::LawEdition law, std::optional<std::int16_t> planYear) {
    const std::int16_t year = planYear.value_or(currentTaxYear(p));
    tavrel::guarded(planYear ? "Plan Year of this run" : "[AMT] Plan Year", [&] { checkPlanYear(year, law); });
    if (planYear) {
        if (!p.isEditing()) p.BeginEdit();
        p.letPlanYear(*planYear);
    }
    const std::int16_t years[2] = {year, nextColumnLawYear(law, year)};
    iTop* entered[2] = {&p.cur(), &p.nxt()};
    for (int i = 0; i < 2; ++i) {
        entered[i]->BeginEdit();
        entered[i]->letTaxYearNumber(years[i]);
        entered[i]->setLawEdition(law);
    }
}

}  // namespace mirvane
