#pragma once
// The run without a window: open the scenario, save it back, run the analysis
// and write the detailed and summary reports, then end. Nothing is shown and
// nothing waits; messages go to standard error.

#include "base/Shell.h"
#include "commands/CommandLine.h"

#include <ostream>

namespace tavrel::shell {

// Returns the process's exit status: 0 when the reports were written. JSON and
// CSV give the analysis as data instead of the report texts.
int RunSilent(Shell& shell, std::ostream& standardOutput, OutputFormat format = OutputFormat::Text);

}  // namespace tavrel::shell
