#pragma once
// The report command: save and reopen the scenario, run the analysis by the
// planner's protocol, send the selected reports to the screen, the printer or
// a file, and reopen the scenario to drop the analysis's working state.

#include "ReportDestination.h"

#include "Shell.h"

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
    // The printer prepared with the report font (true) and put back (false).
    virtual void printerFont(bool) {}
    // The end of a printed document (every copy).
    virtual void endPrintedDocument() {}
};

// The report run with a destination; the selection dialog unless silent.
void RunReports(shell::Shell& shell, shell::Destination where, ReportOutputs& outputs);

// Save, reopen, run the reports, reopen.
void RouteOutput(shell::Shell& shell, shell::Destination where, ReportOutputs& outputs);

}  // namespace tavrel::reports
