#include "ui/shell/ErrorWarningDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel::ui {

ErrorWarningDialog::ErrorWarningDialog(const QString& message, QWidget* parent) : QDialog(parent) {
    setObjectName("frmError");
    setWindowTitle("Error Warning");
    auto* layout = new QVBoxLayout(this);
    info_ = new QLabel(message, this);
    info_->setObjectName("lblErrInfo");
    info_->setWordWrap(true);
    dontShow_ = new QCheckBox("Don't show this message again", this);
    dontShow_->setObjectName("chkDontShow");
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("btnOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(info_);
    layout->addWidget(dontShow_);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

bool ErrorWarningDialog::dontShowAgain() const { return dontShow_->isChecked(); }

}  // namespace tavrel::ui
