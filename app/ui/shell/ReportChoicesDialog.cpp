#include "ui/shell/ReportChoicesDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace tavrel::ui {

ReportChoicesDialog::ReportChoicesDialog(const QString& caption, const shell::ReportFlags& current, QWidget* parent)
    : QDialog(parent) {
    setObjectName("dlgRptChoices");
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    input_ = new QCheckBox(tr("&Inputs Report"), this);
    input_->setObjectName("chkRptInput");
    summary_ = new QCheckBox(tr("&Summary Report"), this);
    summary_->setObjectName("chkRptSummary");
    detailed_ = new QCheckBox(tr("&Detailed Analysis Report"), this);
    detailed_->setObjectName("chkRptDetail");
    input_->setChecked(current.input);
    summary_->setChecked(current.summary);
    detailed_->setChecked(current.detailed);
    layout->addWidget(input_);
    layout->addWidget(summary_);
    layout->addWidget(detailed_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

shell::ReportFlags ReportChoicesDialog::choices() const {
    return {input_->isChecked(), summary_->isChecked(), detailed_->isChecked()};
}

}  // namespace tavrel::ui
