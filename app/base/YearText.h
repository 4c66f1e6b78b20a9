#pragma once
// The two tax years as the program shows them: a scenario's plan year and the
// year after it.

#include "planner/AMT.h"
#include "planner/TaxYears.h"

#include <cstdint>
#include <string>

namespace tavrel::shell {

struct YearTexts {
    std::string current;  // "2008"
    std::string next;     // "2009"
};

inline YearTexts yearTexts(std::int16_t planYear) { return {std::to_string(planYear), std::to_string(planYear + 1)}; }
inline YearTexts yearTexts(const mirvane::AMT& planner) { return yearTexts(mirvane::currentTaxYear(planner)); }

}  // namespace tavrel::shell
