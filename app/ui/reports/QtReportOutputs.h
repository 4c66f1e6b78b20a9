#pragma once
// The interactive program's side of a report run: report windows on the
// screen, print jobs on a printer or a PDF file, the graph, and the busy
// pointer.

#include "commands/ReportRun.h"

#include "base/Shell.h"

#include "ui/reports/WindowPlacement.h"

#include <QPointer>

#include <functional>
#include <memory>

class QWidget;

namespace tavrel::ui {

class ChartWindow;
class ReportTabs;
class PrintJob;
class ScreenDestination;

class QtReportOutputs final : public reports::ReportOutputs {
public:
    // The report windows and the chart window are children of `parent`; their
    // "print" button calls `printReports` (the program runs its report command
    // with the printer there, handling its own errors). The windows of a run
    // on the screen open cascaded, in the order the run opens them.
    QtReportOutputs(shell::Shell& shell, QWidget* parent, std::function<void()> printReports);
    ~QtReportOutputs() override;
    QtReportOutputs(const QtReportOutputs&) = delete;
    QtReportOutputs& operator=(const QtReportOutputs&) = delete;

    // Screen: a window per report; asking for it begins a run's cascade.
    // Printer: the job beginPrinting started (raises the printer error when
    // there is none). File: each report appended to the run's output file.
    reports::ReportDestination& destination(shell::Destination where) override;
    // Screen: the chart window shows the graph; printer: the graph follows on
    // the page. Nothing when the run made no search.
    void graph(shell::Destination where, const mirvane::AMT& planner) override;
    // The wait pointer while true.
    void busy(bool on) override;
    // A print job on the chosen printer or PDF file, in the report font of the
    // settings. All copies go into this one job, each as a document of its own
    // starting on a new sheet with page 1.
    void beginPrinting(const shell::PrintSetup& setup) override;
    // Ends the job: the pages are printed or the PDF file is written. Never
    // raises (it also runs when an error ends the run); a failure is reported.
    void endPrinting() override;
    // The page manager ends the copy's document.
    void endPrintedDocument() override;

    // The chart window, once a graph was shown (null before or once closed).
    ChartWindow* chartWindow() const;
    // The print job between beginPrinting and endPrinting, else null.
    PrintJob* printJob() const { return job_.get(); }

private:
    class FileOutput;

    shell::Shell& shell_;
    QWidget* parent_;
    std::function<void()> printReports_;
    WindowCascade cascade_;
    std::unique_ptr<ScreenDestination> screen_;
    std::unique_ptr<FileOutput> file_;
    std::unique_ptr<PrintJob> job_;
    QPointer<ChartWindow> chart_;
    QPointer<ReportTabs> tabs_;  // the one window of the reports, when the user chose it
    bool busy_ = false;
};

}  // namespace tavrel::ui
