#include "ui/shell/QtErrorReporter.h"

#include "base/ConsoleServices.h"
#include "base/Dialogs.h"
#include "input/PlainError.h"

#include <QDateTime>

#include <fstream>

namespace tavrel::ui {

std::string QtErrorReporter::text(int number, std::string_view description, std::string_view location) {
    std::string t = "Error " + std::to_string(number) + ": " + shell::errorText(number, description);
    std::string places = shell::readableLocations(location);
    // Appended, not prefixed: GCC 12 at -O3 warns falsely (-Wrestrict) about
    // a literal put before a temporary string.
    if (!places.empty()) t.append("\n").append(places, 1);
    return t;
}

void QtErrorReporter::log(std::string_view kind, const std::string& message, std::string_view logFile) {
    const std::string path(logFile.empty() ? std::string_view(logFile_) : logFile);
    if (path.empty()) return;
    std::ofstream out(path, std::ios::app);  // a log that cannot be written must not hide the error itself
    out << QDateTime::currentDateTime().toString(Qt::ISODate).toStdString() << " " << kind << "\n" << message << "\n\n";
}

bool QtErrorReporter::ReportFatal(int number, std::string_view description, std::string_view location,
                                  std::string_view title) {
    return ReportFatalEx(number, description, location, false, logFile_, title);
}

void QtErrorReporter::ReportWarning(int number, std::string_view description, std::string_view location,
                                    std::string_view title) {
    const std::string message = text(number, description, location);
    log("warning", message, logFile_);
    dialogs_.error(title, fields::plainSentence(number, description, location, planYear_()), message);
}

bool QtErrorReporter::ReportFatalEx(int number, std::string_view description, std::string_view location, bool,
                                    std::string_view logFile, std::string_view title) {
    const std::string message = text(number, description, location);
    log("error", message, logFile);
    return dialogs_.message(title, message + "\n\nDo you want to save your data before the program shuts down?",
                            shell::Icon::Critical, shell::Buttons::YesNo) == shell::Answer::Yes;
}

}  // namespace tavrel::ui
