#pragma once
// The error reporter of the interactive program: the error's number, text and
// the places it passed through, in a dialog; errors are also appended to the
// error log file beside the program.

#include "common/ErrorReporter.h"

#include "planner/TaxYears.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tavrel::shell {
class DialogService;
}

namespace tavrel::ui {

class QtErrorReporter final : public ErrorReporter {
public:
    explicit QtErrorReporter(shell::DialogService& dialogs) : dialogs_(dialogs) {}
    void setLogFile(std::string path) { logFile_ = std::move(path); }
    // The plan year in use, whose years the plain sentences name a field by.
    void setPlanYear(std::function<std::int16_t()> planYear) { planYear_ = std::move(planYear); }

    bool ReportFatal(int number, std::string_view description, std::string_view location,
                     std::string_view title) override;
    void ReportWarning(int number, std::string_view description, std::string_view location,
                       std::string_view title) override;
    bool ReportFatalEx(int number, std::string_view description, std::string_view location, bool silent,
                       std::string_view logFile, std::string_view title) override;

    // The text a report shows: number, description, and one line per place.
    static std::string text(int number, std::string_view description, std::string_view location);

private:
    void log(std::string_view kind, const std::string& text, std::string_view logFile);
    shell::DialogService& dialogs_;
    std::string logFile_;
    std::function<std::int16_t()> planYear_ = [] { return mirvane::kCurrentTaxYear; };
};

}  // namespace tavrel::ui
