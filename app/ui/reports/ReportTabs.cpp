#include "ui/reports/ReportTabs.h"

#include "ui/reports/WindowPlacement.h"

#include <QTabWidget>

namespace tavrel::ui {

ReportTabs::ReportTabs(QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setObjectName("frmReportTabs");
    setWindowTitle("Reports");
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabReports");
    tabs_->setDocumentMode(true);
    setCentralWidget(tabs_);
    resize(900, 700);
    centreOnScreen(*this);
}

void ReportTabs::clear() {
    while (tabs_->count() > 0) {
        QWidget* page = tabs_->widget(0);
        tabs_->removeTab(0);
        delete page;
    }
}

void ReportTabs::addPage(QWidget* page, const QString& title) {
    // Added as a page it is a window no more (its window flags are dropped).
    tabs_->addTab(page, title);
    tabs_->setCurrentWidget(page);
    page->show();
    show();
    raise();
    activateWindow();
}

}  // namespace tavrel::ui
