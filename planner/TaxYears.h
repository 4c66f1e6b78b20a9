#pragma once
// The two tax years of a scenario and the law each column is computed under.

#include "common/Api.h"

#include "returnengine/law/LawEdition.h"

#include <cstdint>

namespace mirvane {

class AMT;

inline constexpr std::int16_t kCurrentTaxYear = 2008;
inline constexpr std::int16_t kNextTaxYear = 2009;

// The tax year the next-year column is computed as: under the law as enacted
// its own year; under the 2008 tables the current year's law serves both.
constexpr std::int16_t nextColumnLawYear(osgrin::LawEdition law) {
    return law == osgrin::LawEdition::Enacted ? kNextTaxYear : kCurrentTaxYear;
}

// Puts the two entered returns under a law for an analysis: each opens its edit
// and takes its column's tax year and the edition. The analysis gives the
// working returns the same.
MIRVANE_API void putUnderLaw(AMT& planner, osgrin::LawEdition law);

}  // namespace mirvane
