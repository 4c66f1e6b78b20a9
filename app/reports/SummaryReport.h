#pragma once
// The summary report: the two years' taxes without deferral beside the taxes
// with the deferral the analysis chose, and the present-value saving.

#include "reports/Report.h"

#include <string_view>

namespace mirvane {
class AMT;
}

namespace tavrel::reports {

// Builds the report from the planner after the analysis; the caption names the scenario file.
Report SummaryReport(const mirvane::AMT& planner, std::string_view scenarioFile);

}  // namespace tavrel::reports
