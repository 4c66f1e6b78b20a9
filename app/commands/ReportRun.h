#pragma once
// The report command: save and reopen the scenario, run the analysis by the
// planner's protocol, send the selected reports to the screen, the printer or
// a file, and reopen the scenario to drop the analysis's working state.

#include "reports/ReportDestination.h"

#include "base/Shell.h"

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

// The report run with a destination; the selection dialog unless silent.
void RunReports(shell::Shell& shell, shell::Destination where, ReportOutputs& outputs);

// Save, reopen, run the reports, reopen.
void RouteOutput(shell::Shell& shell, shell::Destination where, ReportOutputs& outputs);

}  // namespace tavrel::reports
