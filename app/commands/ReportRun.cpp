#include "commands/ReportRun.h"

#include "reports/DetailedReport.h"
#include "reports/InputsReport.h"
#include "reports/SummaryReport.h"

#include "base/LawChoice.h"
#include "scenario/ScenarioFiles.h"
#include "base/ProgramInfo.h"
#include "base/Settings.h"

#include "planner/Calculate.h"
#include "planner/TaxYears.h"

namespace tavrel::reports {
namespace {

using shell::Destination;

// Puts back what a report run changes for its duration, also when it fails.
class RunScope {
public:
    RunScope(mirvane::AMT& planner, ReportOutputs& outputs, bool silent)
        : planner_(planner),
          outputs_(outputs),
          silent_(silent),
          kept_(planner.values().MaxItemizedTaxDeferred),
          keptYear_(planner.values().PlanYear) {}
    // The deferral limit as the user entered it.
    Currency kept() const { return kept_; }
    void startBusy() {
        if (!silent_) outputs_.busy(true);
        busy_ = true;
    }
    void startPrinting(const shell::PrintSetup& setup) {
        outputs_.beginPrinting(setup);
        printing_ = true;
    }
    ~RunScope() {
        if (busy_ && !silent_) outputs_.busy(false);
        if (printing_) outputs_.endPrinting();
        planner_.letMoney(&mirvane::AMT::Stored::MaxItemizedTaxDeferred, kept_);
        planner_.letPlanYear(keptYear_);  // the scenario's own, after a run under /year
    }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    mirvane::AMT& planner_;
    ReportOutputs& outputs_;
    bool silent_;
    Currency kept_;
    std::int16_t keptYear_;
    bool busy_ = false;
    bool printing_ = false;
};

shell::ReportFlags chooseReports(shell::Shell& shell, Destination where) {
    if (shell.state.IsSilent) return {false, true, true};
    const shell::ReportFlags current = shell::readReportFlags(shell);
    const auto chosen = shell.dialogs.chooseReports(
        where == Destination::Printer ? "Select Reports (Print)" : "Select Reports (View)", current);
    const shell::ReportFlags flags = chosen ? *chosen : shell::ReportFlags{false, false, false};
    shell::writeReportFlags(shell, flags);
    return flags;
}

}  // namespace

void RunReports(shell::Shell& shell, Destination where, ReportOutputs& outputs, const ReportChoice& choice) {
    shell::AppState& s = shell.state;
    mirvane::AMT& p = *s.Planner;
    RunScope scope(p, outputs, s.IsSilent);
    // Both years under the scenario's law and plan year, or those the command line chose.
    mirvane::putUnderLaw(p, shell::effectiveLaw(s), s.PlanYearOverride);
    const shell::ReportFlags& flags = choice.flags;
    if (!flags.any()) return;
    if (flags.summary || flags.detailed) {
        mirvane::RunAnalysisProtocol(p);
        outputs.analysed(p, scope.kept());
    }
    if (!outputs.wantsReports()) return;

    int copies = 1;
    if (where == Destination::Printer) {
        copies = choice.print.copies;
        scope.startPrinting(choice.print);
    }
    scope.startBusy();
    ReportDestination& out = outputs.destination(where);
    const std::string& file = s.CurrentFile;
    for (int copy = 0; copy < copies; ++copy) {
        if (where == Destination::Printer) {
            if (flags.input) routeReport(InputsReport(p, file, scope.kept()), out);
            if (flags.summary) routeReport(SummaryReport(p, file), out);
            if (flags.detailed) {
                routeReport(DetailedReport(p, file), out);
                outputs.graph(where, p);
            }
            outputs.endPrintedDocument();
        } else {
            if (flags.detailed) {
                routeReport(DetailedReport(p, file), out);
                outputs.graph(where, p);
            }
            if (flags.summary) routeReport(SummaryReport(p, file), out);
            if (flags.input) routeReport(InputsReport(p, file, scope.kept()), out);
        }
    }
}

std::optional<ReportChoice> ChooseReportRun(shell::Shell& shell, Destination where) {
    ReportChoice choice;
    choice.flags = chooseReports(shell, where);
    shell.state.Reports = choice.flags;
    if (!choice.flags.any()) return std::nullopt;
    if (where == Destination::Printer) {
        const auto setup = shell.dialogs.printSetup({});
        if (!setup || setup->copies < 1) return std::nullopt;  // printing cancelled
        choice.print = *setup;
    }
    return choice;
}

std::optional<ReportChoice> ChoosePdfExport(shell::Shell& shell, const std::string& pdfFile) {
    ReportChoice choice;
    choice.flags = chooseReports(shell, Destination::Printer);
    shell.state.Reports = choice.flags;
    if (!choice.flags.any()) return std::nullopt;
    choice.print.pdfFile = pdfFile;
    return choice;
}

void RouteChosenOutput(shell::Shell& shell, Destination where, ReportOutputs& outputs, const ReportChoice& choice) {
    if (!shell::Save(shell, shell.state.CurrentFile)) return;
    const std::string file = shell.state.CurrentFile;  // Save may have asked for a new name
    shell::OpenFile(shell, file);
    RunReports(shell, where, outputs, choice);
    shell::OpenFile(shell, file);
}

void RouteOutput(shell::Shell& shell, Destination where, ReportOutputs& outputs) {
    // The questions come first: a run the user cancels has written nothing.
    if (const auto choice = ChooseReportRun(shell, where)) RouteChosenOutput(shell, where, outputs, *choice);
}

}  // namespace tavrel::reports
