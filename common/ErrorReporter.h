#pragma once
// The error reporter: receives every error that reaches a top-level handler of
// the program. In an interactive run it shows a dialog; in a silent run it
// writes to standard error and never waits for anyone.

#include <string_view>

namespace tavrel {

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    // Shows a fatal error; true means "save before shutting down".
    virtual bool ReportFatal(int number, std::string_view description, std::string_view location,
                             std::string_view title) = 0;
    // Shows an error; the caller carries on.
    virtual void ReportWarning(int number, std::string_view description, std::string_view location,
                               std::string_view title) = 0;
    // As ReportFatal, told whether the run is silent and where the error log is.
    virtual bool ReportFatalEx(int number, std::string_view description, std::string_view location, bool silent,
                               std::string_view logFile, std::string_view title) = 0;
};

}  // namespace tavrel
