#pragma once
// The inputs report: everything the user entered for the scenario, a column per
// year (and per spouse where the household has two), to check the inputs
// behind the other reports on paper.

#include "Report.h"

#include <string_view>

namespace mirvane {
class AMT;
}

namespace tavrel::reports {

Report InputsReport(const mirvane::AMT& planner, std::string_view scenarioFile);

}  // namespace tavrel::reports
