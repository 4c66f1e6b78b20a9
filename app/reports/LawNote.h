#pragma once
// What the reports say about the law their figures use.

#include <string>

namespace mirvane {
class AMT;
}

namespace tavrel::reports {

// The closing line of the summary and detailed reports: the law of the
// planner's entered returns and its two years.
std::string lawClosingLine(const mirvane::AMT& planner);

}  // namespace tavrel::reports
