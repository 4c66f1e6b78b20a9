#pragma once
// The non-fatal error warning with its "Don't show this message again" box.

#include <QDialog>

class QCheckBox;
class QLabel;

namespace tavrel::ui {

class ErrorWarningDialog final : public QDialog {
    Q_OBJECT
public:
    explicit ErrorWarningDialog(const QString& message, QWidget* parent = nullptr);
    bool dontShowAgain() const;

private:
    QLabel* info_;
    QCheckBox* dontShow_;
};

}  // namespace tavrel::ui
