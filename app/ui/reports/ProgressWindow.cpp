#include "ui/reports/ProgressWindow.h"

#include "ui/reports/WindowPlacement.h"

#include "planner/AMT.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QVBoxLayout>

namespace tavrel::ui {

ProgressWindow::ProgressWindow(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName("frmProgress");
    setWindowTitle(QStringLiteral("Calculation Status"));
    // While the search yields to the user interface, the other windows take no
    // input: nothing can start a second analysis or change the scenario.
    setWindowModality(Qt::ApplicationModal);
    bar_ = new QProgressBar(this);
    bar_->setObjectName("prgCalc");
    bar_->setOrientation(Qt::Horizontal);
    bar_->setRange(0, 501);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    auto* box = new QVBoxLayout(this);
    box->addWidget(bar_);
    resize(360, 60);
}

void ProgressWindow::started(int minimum, int maximum) {
    bar_->setRange(minimum, maximum);
    bar_->setVisible(true);
    bar_->setValue(minimum);
    if (!isVisible()) {
        show();
        centreOnScreen(*this);
    }
    raise();
    QCoreApplication::processEvents();
}

void ProgressWindow::advanced(int value) {
    bar_->setValue(value);
    QCoreApplication::processEvents();
}

void ProgressWindow::finished() {
    hide();
    bar_->setVisible(false);
    bar_->setValue(bar_->minimum());
}

ProgressScope::ProgressScope(mirvane::AMT& planner, ProgressWindow& window) : planner_(planner), window_(window) {
    planner_.setProgressObserver(&window_);
}

ProgressScope::~ProgressScope() {
    planner_.setProgressObserver(nullptr);
    if (window_.isVisible()) window_.hideAfterError();
}

}  // namespace tavrel::ui
