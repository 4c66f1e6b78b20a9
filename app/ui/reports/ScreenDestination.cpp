#include "ui/reports/ScreenDestination.h"

#include "ui/reports/ReportTabs.h"
#include "ui/reports/ReportWindow.h"
#include "ui/reports/WindowPlacement.h"

namespace tavrel::ui {

ReportWindow* ScreenDestination::lastWindow() const { return window_; }

void ScreenDestination::beginReport(const reports::Report& report) {
    window_ = new ReportWindow(onPrint_, parent_);
    window_->setWindowTitle(QString::fromStdString(report.caption));
    if (cascade_ && !tabs_) window_->setPlacement([cascade = cascade_](QWidget& w) { cascade->place(w); });
    const reports::Headings& h = report.headings;
    window_->appendText("  " + h.client + reports::kLineBreak + "  " + h.description + reports::kLineBreak + "  " +
                        h.title + reports::kLineBreak);
}

void ScreenDestination::block(const reports::Block& block, const reports::Headings&) {
    if (window_) window_->appendText(block.text);
}

void ScreenDestination::endReport(const reports::Report&) {
    if (!window_) return;
    if (tabs_) {
        tabs_->addPage(window_, window_->windowTitle());
        return;
    }
    // Non-modal: the run goes on, and the last window shown lies on top.
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace tavrel::ui
