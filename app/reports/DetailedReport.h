#pragma once
// The detailed analysis report: the four returns side by side, line by line
// from income to the final tax, without and with the deferral.

#include "reports/Report.h"

#include <string>
#include <string_view>

namespace mirvane {
class AMT;
}

namespace tavrel::reports {

Report DetailedReport(const mirvane::AMT& planner, std::string_view scenarioFile);

// The AMT of the deferred next-year column: tentative less regular when the
// tentative tax is greater, else 0; both compared as amounts, not as text.
std::string GetAccelAMT(std::string_view tentative, std::string_view regular);

}  // namespace tavrel::reports
