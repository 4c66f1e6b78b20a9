#pragma once
// The dialogs and the error reporter of a silent run: every message goes to
// standard error (or the given stream), nothing waits for an answer, and every
// question is answered as cancelled.

#include "base/Dialogs.h"

#include "common/ErrorReporter.h"

#include <ostream>
#include <string>

namespace tavrel::shell {

// The location chain of an error's source made readable on one line per place.
std::string readableLocations(std::string_view source);

// The text of an error for a reader: its number's own text (the libraries put
// their name in the description as errors leave them), and that name too.
std::string errorText(int number, std::string_view description);

class ConsoleDialogs final : public DialogService {
public:
    explicit ConsoleDialogs(std::ostream& out) : out_(out) {}
    Answer message(std::string_view title, std::string_view text, Icon icon, Buttons buttons) override;
    std::optional<std::string> openFileName(const FileDialogOptions&, std::string&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const FileDialogOptions&, std::string&) override { return std::nullopt; }
    std::optional<ReportFlags> chooseReports(std::string_view, const ReportFlags&) override { return std::nullopt; }
    std::optional<PrintSetup> printSetup(const PrintSetup&) override { return std::nullopt; }
    std::optional<FontChoice> chooseFont(const FontChoice&) override { return std::nullopt; }
    bool errorWarning(std::string_view text) override;

private:
    std::ostream& out_;
};

class ConsoleErrorReporter final : public ErrorReporter {
public:
    explicit ConsoleErrorReporter(std::ostream& out) : out_(out) {}
    bool ReportFatal(int number, std::string_view description, std::string_view location,
                     std::string_view title) override;
    void ReportWarning(int number, std::string_view description, std::string_view location,
                       std::string_view title) override;
    bool ReportFatalEx(int number, std::string_view description, std::string_view location, bool silent,
                       std::string_view logFile, std::string_view title) override;

private:
    void write(std::string_view kind, int number, std::string_view description, std::string_view location);
    std::ostream& out_;
};

}  // namespace tavrel::shell
