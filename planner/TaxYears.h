#pragma once
// The two tax years of a scenario and the law each column is computed under.
// A scenario chooses its first year, the plan year ("Plan Year" in its file);
// the second is the year after it.

#include "common/Api.h"

#include "returnengine/law/LawEdition.h"

#include <cstdint>
#include <optional>

namespace mirvane {

class AMT;

// The plan year of a scenario that names none: every file older than the key.
inline constexpr std::int16_t kCurrentTaxYear = 2008;
inline constexpr std::int16_t kNextTaxYear = kCurrentTaxYear + 1;

// The plan years a law edition computes: the enacted law has every year from
// 2001 to 2026 (so plan years to 2025); the 2008 tables plan 2008 alone, since
// their later years are 2008 law under another name.
struct PlanYears {
    std::int16_t first;
    std::int16_t last;
};
inline constexpr PlanYears kAnyPlanYear = {2001, 2025};
constexpr PlanYears planYearsUnder(osgrin::LawEdition law) {
    return law == osgrin::LawEdition::Enacted ? kAnyPlanYear : PlanYears{kCurrentTaxYear, kCurrentTaxYear};
}

// The scenario's two years: its plan year and the year after.
MIRVANE_API std::int16_t currentTaxYear(const AMT& planner);
MIRVANE_API std::int16_t nextTaxYear(const AMT& planner);

// The tax year the next-year column is computed as: under the law as enacted
// its own year; under the 2008 tables the plan year's law serves both.
constexpr std::int16_t nextColumnLawYear(osgrin::LawEdition law, std::int16_t planYear) {
    return law == osgrin::LawEdition::Enacted ? static_cast<std::int16_t>(planYear + 1) : planYear;
}

// The plan year a text stands for (blanks around it ignored), any year some
// law plans; anything else raises 380 saying which years are plan years.
MIRVANE_API std::int16_t planYearFromText(std::string_view text);

// Raises 380 when the law does not plan that year, saying which years it does.
MIRVANE_API void checkPlanYear(std::int16_t year, osgrin::LawEdition law);

// Puts the two entered returns under a law for an analysis: each opens its edit
// and takes its column's tax year and the edition. `planYear`, when given, is
// this run's plan year instead of the scenario's and is written into the
// planner (which must be editing) so that its reports show it. A plan year the
// law does not plan raises 380 before anything changes, at "[AMT] Plan Year"
// or, for the run's own, at "Plan Year of this run". The analysis gives the
// working returns the same.
MIRVANE_API void putUnderLaw(AMT& planner, osgrin::LawEdition law, std::optional<std::int16_t> planYear = {});

}  // namespace mirvane
