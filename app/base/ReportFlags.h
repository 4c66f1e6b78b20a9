#pragma once
// Which reports a run produces.

namespace tavrel::shell {

struct ReportFlags {
    bool input = true;
    bool summary = true;
    bool detailed = true;
    bool any() const { return input || summary || detailed; }
};

// Where a report run sends the reports.
enum class Destination { Screen = 1, Printer = 2, File = 3 };

}  // namespace tavrel::shell
