#include "commands/SilentRun.h"

#include "base/ProgramInfo.h"
#include "scenario/ScenarioFiles.h"

#include "commands/ReportRun.h"

namespace tavrel::shell {

int RunSilent(Shell& shell, std::ostream& standardOutput) {
    AppState& s = shell.state;
    s.Reports = {false, true, true};
    try {
        if (OpenFile(shell, s.CurrentFile) != OpenResult::Opened) return 1;
        reports::TextOutputs outputs;
        reports::RouteOutput(shell, Destination::File, outputs);
        if (s.OutputFile.empty())
            standardOutput << outputs.text() << std::flush;
        else
            reports::appendToFile(s.OutputFile, outputs.text());
        return 0;
    } catch (const TaxError& e) {
        shell.errors.ReportFatalEx(e.number(), e.description(), e.source(), true, s.ErrorLogFile, kFileDescription);
        return 1;
    }
}

}  // namespace tavrel::shell
