#pragma once
// The inputs report: everything the user entered for the scenario, a column per
// year (and per spouse where the household has two), to check the inputs
// behind the other reports on paper.

#include "reports/Report.h"

#include "common/Currency.h"

#include <optional>
#include <string_view>

namespace mirvane {
class AMT;
}

namespace tavrel::reports {

// `enteredLimit`: the deferral limit as the user entered it, when the planner
// holds a search result in its place (during a report run).
Report InputsReport(const mirvane::AMT& planner, std::string_view scenarioFile,
                    std::optional<Currency> enteredLimit = std::nullopt);

}  // namespace tavrel::reports
