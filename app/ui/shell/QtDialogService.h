#pragma once
// The dialogs of the interactive program: message boxes, the file, font and
// print dialogs, the report selection and the error warning, shown for real.

#include "base/Dialogs.h"

class QWidget;

namespace tavrel::ui {

class QtDialogService final : public shell::DialogService {
public:
    explicit QtDialogService(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    shell::Answer message(std::string_view title, std::string_view text, shell::Icon icon,
                          shell::Buttons buttons) override;
    std::optional<std::string> openFileName(const shell::FileDialogOptions& options, std::string& folder) override;
    std::optional<std::string> saveFileName(const shell::FileDialogOptions& options, std::string& folder) override;
    std::optional<shell::ReportFlags> chooseReports(std::string_view caption,
                                                    const shell::ReportFlags& current) override;
    std::optional<shell::PrintSetup> printSetup(const shell::PrintSetup& current) override;
    std::optional<shell::FontChoice> chooseFont(const shell::FontChoice& current) override;
    void error(std::string_view title, std::string_view sentence, std::string_view details) override;
    bool errorWarning(std::string_view text) override;
    void updateAlert(std::string_view text) override;
    void about() override;
    int startupChoice() override;

private:
    QWidget* parent_;
};

}  // namespace tavrel::ui
