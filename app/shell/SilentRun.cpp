#include "SilentRun.h"

#include "ProgramInfo.h"
#include "ScenarioFiles.h"

#include "ReportRun.h"

namespace tavrel::shell {
namespace {

class SilentOutputs final : public reports::ReportOutputs {
public:
    reports::ReportDestination& destination(Destination) override { return file_; }
    const std::string& text() const { return file_.text(); }

private:
    reports::FileDestination file_;
};

}  // namespace

int RunSilent(Shell& shell, std::ostream& standardOutput) {
    AppState& s = shell.state;
    s.Reports = {false, true, true};
    try {
        if (OpenFile(shell, s.CurrentFile) != OpenResult::Opened) return 1;
        SilentOutputs outputs;
        reports::RouteOutput(shell, Destination::File, outputs);
        if (s.OutputFile.empty()) standardOutput << outputs.text() << std::flush;
        else reports::appendToFile(s.OutputFile, outputs.text());
        return 0;
    } catch (const TaxError& e) {
        shell.errors.ReportFatalEx(e.number(), e.description(), e.source(), true, s.ErrorLogFile, kFileDescription);
        return 1;
    }
}

}  // namespace tavrel::shell
