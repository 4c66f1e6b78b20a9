#pragma once
// The report selection dialog: inputs, summary and detailed reports.

#include "base/ReportFlags.h"

#include <QDialog>

class QCheckBox;

namespace tavrel::ui {

class ReportChoicesDialog final : public QDialog {
    Q_OBJECT
public:
    ReportChoicesDialog(const QString& caption, const shell::ReportFlags& current, QWidget* parent = nullptr);
    shell::ReportFlags choices() const;

private:
    QCheckBox* input_;
    QCheckBox* summary_;
    QCheckBox* detailed_;
};

}  // namespace tavrel::ui
