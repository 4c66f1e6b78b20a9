#include "commands/SilentRun.h"

#include "base/ProgramInfo.h"
#include "scenario/ScenarioFiles.h"

#include "commands/ReportRun.h"
#include "reports/AnalysisExport.h"

namespace tavrel::shell {
namespace {

// The analysis as JSON or CSV instead of the report texts.
class DataOutputs final : public reports::ReportOutputs {
public:
    DataOutputs(OutputFormat format, const std::string& file) : format_(format), file_(file) {}
    reports::ReportDestination& destination(Destination) override { return unused_; }
    bool wantsReports() const override { return false; }
    void analysed(const mirvane::AMT& planner, Currency enteredLimit) override {
        const reports::AnalysisResult result = reports::readAnalysis(planner, file_);
        text_ = format_ == OutputFormat::Json ? reports::analysisJson(planner, result, enteredLimit)
                                              : reports::analysisCsv(result);
    }
    const std::string& text() const { return text_; }

private:
    OutputFormat format_;
    std::string file_;
    reports::FileDestination unused_;
    std::string text_;
};

void writeOut(const AppState& s, std::ostream& standardOutput, const std::string& text) {
    if (s.OutputFile.empty())
        standardOutput << text << std::flush;
    else
        reports::appendToFile(s.OutputFile, text);
}

}  // namespace

int RunSilent(Shell& shell, std::ostream& standardOutput, OutputFormat format) {
    AppState& s = shell.state;
    s.Reports = {false, true, true};
    try {
        if (OpenFile(shell, s.CurrentFile) != OpenResult::Opened) return 1;
        if (format == OutputFormat::Text) {
            reports::TextOutputs outputs;
            reports::RouteOutput(shell, Destination::File, outputs);
            writeOut(s, standardOutput, outputs.text());
            return 0;
        }
        DataOutputs outputs(format, s.CurrentFile);
        reports::RouteOutput(shell, Destination::File, outputs);
        // A data file is one document: written whole, not appended to.
        if (!s.OutputFile.empty())
            reports::writeWholeFile(s.OutputFile, outputs.text());
        else
            standardOutput << outputs.text() << std::flush;
        return 0;
    } catch (const TaxError& e) {
        shell.errors.ReportFatalEx(e.number(), e.description(), e.source(), true, s.ErrorLogFile, kFileDescription);
        return 1;
    }
}

}  // namespace tavrel::shell
