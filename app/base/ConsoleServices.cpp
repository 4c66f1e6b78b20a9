#include "base/ConsoleServices.h"

#include "common/TaxError.h"

namespace tavrel::shell {

std::string readableLocations(std::string_view source) {
    // Locations are separated by CR LF CR LF or by a lone CR.
    std::string out;
    std::size_t i = 0;
    while (i <= source.size()) {
        std::size_t next = source.find('\r', i);
        if (next == std::string_view::npos) next = source.size();
        const std::string_view part = source.substr(i, next - i);
        if (!part.empty()) out.append("\n    at ").append(part);
        if (next == source.size()) break;
        i = next + 1;
        while (i < source.size() && (source[i] == '\n' || source[i] == '\r')) ++i;
    }
    return out;
}

std::string errorText(int number, std::string_view description) {
    const std::string_view standard =
        number == err::TextTooLong ? std::string_view("Too many characters entered.") : standardDescription(number);
    const bool generic = standard == standardDescription(-1);
    if (description.empty() || description == standard) return std::string(standard);
    if (generic) return std::string(description);
    return std::string(standard) + " (" + std::string(description) + ")";
}

Answer ConsoleDialogs::message(std::string_view title, std::string_view text, Icon, Buttons buttons) {
    out_ << "tavrel: " << title << ": " << text << '\n';
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

bool ConsoleDialogs::errorWarning(std::string_view text) {
    out_ << "tavrel: warning: " << text << '\n';
    return false;
}

void ConsoleErrorReporter::write(std::string_view kind, int number, std::string_view description,
                                 std::string_view location) {
    out_ << "tavrel: " << kind << " " << number << ": " << errorText(number, description) << readableLocations(location)
         << '\n';
}

bool ConsoleErrorReporter::ReportFatal(int number, std::string_view description, std::string_view location,
                                       std::string_view) {
    write("error", number, description, location);
    return false;
}

void ConsoleErrorReporter::ReportWarning(int number, std::string_view description, std::string_view location,
                                         std::string_view) {
    write("warning", number, description, location);
}

bool ConsoleErrorReporter::ReportFatalEx(int number, std::string_view description, std::string_view location, bool,
                                         std::string_view, std::string_view) {
    write("error", number, description, location);
    return false;
}

}  // namespace tavrel::shell
