#pragma once
// The report command: save and reopen the scenario, run the analysis by the
// planner's protocol, send the selected reports to the screen, the printer or
// a file, and reopen the scenario to drop the analysis's working state.

#include "reports/ReportDestination.h"

#include "base/Shell.h"

#include <optional>

namespace tavrel::reports {

// What only the interactive program provides around a report run.
class ReportOutputs {
public:
    virtual ~ReportOutputs() = default;
    // Where the reports of the run go.
    virtual ReportDestination& destination(shell::Destination where) = 0;
    // The analysis graph, drawn after the detailed report (nothing in a silent run).
    virtual void graph(shell::Destination, const mirvane::AMT&) {}
    // The busy pointer during the run.
    virtual void busy(bool) {}
    // Printing starts with the printer the print dialog chose and the report font;
    // endPrinting puts the printer's own font back (also after an error).
    virtual void beginPrinting(const shell::PrintSetup&) {}
    virtual void endPrinting() {}
    // The end of one printed copy: the page manager closes the document.
    virtual void endPrintedDocument() {}
    // The planner right after its analysis, with the deferral limit as entered:
    // what the data exports read.
    virtual void analysed(const mirvane::AMT&, Currency) {}
    // False when only the analysis is wanted, not the report texts.
    virtual bool wantsReports() const { return true; }
};

// Every report of a run as the text of a report file, in memory: the silent
// run's outputs, which it then writes out.
class TextOutputs final : public ReportOutputs {
public:
    ReportDestination& destination(shell::Destination) override { return file_; }
    const std::string& text() const { return file_.text(); }

private:
    FileDestination file_;
};

// What the user settled before a run: the reports, and for the printer the print setup.
struct ReportChoice {
    shell::ReportFlags flags;
    shell::PrintSetup print;
};

// The selection dialog (none in a silent run: the summary and the detailed
// report) and, for the printer, the print dialog; nothing when cancelled.
std::optional<ReportChoice> ChooseReportRun(shell::Shell& shell, shell::Destination where);

// The report run with a destination and what was chosen for it.
void RunReports(shell::Shell& shell, shell::Destination where, ReportOutputs& outputs, const ReportChoice& choice);

// Ask what to run, then save, reopen, run the reports, reopen; nothing is
// saved when the user cancels a question.
void RouteOutput(shell::Shell& shell, shell::Destination where, ReportOutputs& outputs);

// The same with what to run already chosen.
void RouteChosenOutput(shell::Shell& shell, shell::Destination where, ReportOutputs& outputs,
                       const ReportChoice& choice);

// Export PDF: the selection dialog (as for printing) and the printed pages
// going to that PDF file, without the print dialog; nothing when cancelled.
std::optional<ReportChoice> ChoosePdfExport(shell::Shell& shell, const std::string& pdfFile);

}  // namespace tavrel::reports
