#include "ui/reports/QtReportOutputs.h"

#include "ui/reports/GraphChart.h"
#include "ui/reports/PrintOutput.h"
#include "ui/reports/ReportTabs.h"
#include "ui/reports/ReportFont.h"
#include "ui/reports/ScreenDestination.h"

#include "reports/GraphHelper.h"
#include "base/ProgramInfo.h"
#include "common/TaxError.h"

#include <QGuiApplication>

namespace tavrel::ui {

// The file destination of an interactive run: each report appended to the
// output file as soon as it is complete.
class QtReportOutputs::FileOutput final : public reports::ReportDestination {
public:
    explicit FileOutput(const shell::AppState& state) : state_(state) {}
    void beginReport(const reports::Report&) override {}
    void block(const reports::Block&, const reports::Headings&) override {}
    void endReport(const reports::Report& report) override {
        reports::appendToFile(state_.OutputFile, report.text() + reports::kLineBreak);
    }

private:
    const shell::AppState& state_;
};

QtReportOutputs::QtReportOutputs(shell::Shell& shell, QWidget* parent, std::function<void()> printReports)
    : shell_(shell),
      parent_(parent),
      printReports_(std::move(printReports)),
      screen_(std::make_unique<ScreenDestination>(parent, printReports_, &cascade_)),
      file_(std::make_unique<FileOutput>(shell.state)) {}

QtReportOutputs::~QtReportOutputs() {
    if (busy_) QGuiApplication::restoreOverrideCursor();
    // Without a parent window nothing else would close the chart window.
    if (chart_ && !chart_->parent()) delete chart_;
}

ChartWindow* QtReportOutputs::chartWindow() const { return chart_; }

reports::ReportDestination& QtReportOutputs::destination(shell::Destination where) {
    switch (where) {
    case shell::Destination::Screen:
        // Once per run: its windows cascade from the first place again, or
        // the one window of the reports shows this run's pages only.
        cascade_.restart();
        if (shell_.state.ReportsInOneWindow) {
            if (!tabs_) tabs_ = new ReportTabs(parent_);
            tabs_->clear();
        }
        screen_->setTabs(shell_.state.ReportsInOneWindow ? tabs_.data() : nullptr);
        return *screen_;
    case shell::Destination::Printer:
        if (!job_) throw TaxError::standard(err::PrinterError, "QtReportOutputs.destination: printing has not begun");
        return job_->destination();
    case shell::Destination::File: break;
    }
    return *file_;
}

void QtReportOutputs::graph(shell::Destination where, const mirvane::AMT& planner) {
    const auto data = reports::RunDetailGraph(planner);
    if (where == shell::Destination::Screen && shell_.state.ReportsInOneWindow && tabs_) {
        // A page of this run's window; the separate graph window is not used.
        auto* page = new ChartWindow(printReports_, nullptr);
        if (data)
            page->setGraph(*data);
        else
            page->setNoGraph(reports::kNoSearchText);
        tabs_->addPage(page, page->windowTitle());
        tabs_->show();
        tabs_->raise();
    } else if (where == shell::Destination::Screen) {
        if (!chart_) {
            chart_ = new ChartWindow(printReports_, parent_);
            chart_->setPlacement([this](QWidget& w) { cascade_.place(w); });
        } else if (chart_->isVisible()) {
            // Shown by an earlier run: it takes its place in this run's cascade.
            cascade_.place(*chart_);
        }
        if (data)
            chart_->setGraph(*data);
        else
            chart_->setNoGraph(reports::kNoSearchText);
        chart_->show();
        chart_->raise();
    } else if (data && where == shell::Destination::Printer && job_) {
        job_->printGraph(*data);
    }
}

void QtReportOutputs::busy(bool on) {
    if (on == busy_) return;
    busy_ = on;
    if (on)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void QtReportOutputs::beginPrinting(const shell::PrintSetup& setup) {
    shell::DialogService& dialogs = shell_.dialogs;
    job_ = std::make_unique<PrintJob>(setup, printerReportFont(shell_.state.FontNamePref, shell_.state.FontSizePref),
                                      [&dialogs](const std::string& text) {
                                          dialogs.message("Error!", text, shell::Icon::Critical, shell::Buttons::Ok);
                                      });
}

void QtReportOutputs::endPrinting() {
    if (!job_) return;
    // The job is gone whatever happens to its end. This runs while a failed run
    // unwinds too, so a failure to end the job is reported, not raised.
    std::unique_ptr<PrintJob> job = std::move(job_);
    try {
        job->finish();
    } catch (const TaxError& e) {
        shell_.errors.ReportWarning(e.number(), e.description(), e.source(), shell::kFileDescription);
    }
}

void QtReportOutputs::endPrintedDocument() {
    if (job_) job_->endDocument();
}

}  // namespace tavrel::ui
