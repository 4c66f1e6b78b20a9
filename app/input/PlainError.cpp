#include "input/PlainError.h"

#include "input/FieldTable.h"

#include "base/YearText.h"

#include "common/TaxError.h"
#include "planner/PlannerErrors.h"

#include <cctype>
#include <vector>

namespace tavrel::ui::fields {
namespace {

std::vector<std::string_view> places(std::string_view location) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i <= location.size()) {
        std::size_t next = location.find('\r', i);
        if (next == std::string_view::npos) next = location.size();
        std::string_view part = location.substr(i, next - i);
        while (!part.empty() && part.front() == '\n') part.remove_prefix(1);
        if (!part.empty()) out.push_back(part);
        i = next + 1;
    }
    return out;
}

bool isWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

// A control of the form named in a place ("frmIP.txtWages_1_LostFocus").
const Field* controlIn(std::string_view place) {
    for (const Field& f : fieldTable()) {
        const std::string name = objectName(f.control, f.index);
        for (std::size_t at = place.find(name); at != std::string_view::npos; at = place.find(name, at + 1)) {
            const std::size_t end = at + name.size();
            const bool startsWord = at == 0 || !isWordChar(place[at - 1]);
            if (startsWord && (end == place.size() || !isWordChar(place[end]))) return &f;
        }
    }
    return nullptr;
}

// The field a file's key was read into: the section gives the object, the
// property set after it ("clsInc.LetWageSp2") the field.
const Field* keyField(std::string_view section, std::string_view property) {
    if (property.empty()) return nullptr;
    const bool planner = section == "AMT";
    const bool current = section == "Scenario1";
    const bool next = section == "Scenario2";
    for (const Field& f : fieldTable()) {
        if (f.property != property) continue;
        const bool fits = (planner && f.target == Target::Planner) ||
                          (current && (f.target == Target::Current || f.target == Target::BothYears)) ||
                          (next && (f.target == Target::Next || f.target == Target::BothYears));
        if (fits) return &f;
    }
    return nullptr;
}

struct Subject {
    std::string field;
    std::string file;
};

// The planner's property stored under a key of its section ("Plan Year").
std::string_view plannerProperty(std::string_view key) {
    for (const auto& p : mirvane::amtProperties())
        if (!p.fileKey.empty() && p.fileKey == key) return p.name;
    return {};
}

Subject subjectOf(std::string_view location, std::int16_t planYear) {
    Subject s;
    std::string_view section, key;
    for (std::string_view place : places(location)) {
        if (s.field.empty()) {
            if (const Field* f = controlIn(place)) s.field = fieldName(*f, planYear);
        }
        if (s.file.empty()) {
            for (std::string_view prefix : {"OpenFile \"", "Save \"", "Save "}) {
                if (place.substr(0, prefix.size()) != prefix) continue;
                std::string_view file = place.substr(prefix.size());
                if (!file.empty() && file.back() == '"') file.remove_suffix(1);
                if (const auto slash = file.find_last_of('/'); slash != std::string_view::npos)
                    file.remove_prefix(slash + 1);
                s.file = std::string(file);
                break;
            }
        }
        if (place.size() > 2 && place.front() == '[') {
            if (const auto close = place.find("] "); close != std::string_view::npos) {
                section = place.substr(1, close - 1);
                key = place.substr(close + 2);
            }
        } else if (!key.empty() && s.field.empty()) {
            if (const auto let = place.find(".Let"); let != std::string_view::npos) {
                if (const Field* f = keyField(section, place.substr(let + 4))) s.field = fieldName(*f, planYear);
            }
        }
    }
    // The planner's own keys are set without a place of their own.
    if (s.field.empty() && section == "AMT")
        if (const Field* f = keyField(section, plannerProperty(key))) s.field = fieldName(*f, planYear);
    if (s.field.empty() && !key.empty()) s.field.append(key).append(" [").append(section).append("]");
    return s;
}

// What went wrong and what to do, by the error's number.
std::string_view whatToDo(int number) {
    switch (number) {
    case err::Overflow: return "the amount is too large. Enter a smaller amount.";
    case err::TypeMismatch:
    case err::NotANumber: return "this needs to be a number. Enter digits only, such as 6,000 or 6000.";
    case err::TextTooLong: return "too many characters. Shorten the text to 50 characters.";
    case err::InvalidPropertyValue:
    case err::InvalidCall: return "this value is not allowed here. Check the amount or choice entered.";
    case err::FileNotFound:
    case err::PathNotFound: return "the file or its folder cannot be found. Check the name and the folder.";
    case err::PermissionDenied:
        return "this program may not write or read there. Save the scenario in another folder with File > Save As.";
    case err::PathFileAccess:
    case err::BadFileName: return "the file cannot be used under that name. Choose another name or folder.";
    case err::DiskFull: return "the disk is full. Free some space or save to another disk.";
    case err::DeviceIO: return "the disk could not be read or written. Try again or save elsewhere.";
    case err::OutOfMemory: return "the file is too large to be a scenario. Check that the right file was chosen.";
    case err::NeedCompleteInfo: return "some inputs are missing. Complete the input form, then try again.";
    case err::PrinterError: return "the printer could not print. Check the printer, then try again.";
    default: return {};
    }
}

}  // namespace

std::string fieldName(const Field& f, std::int16_t planYear) {
    // The status list is the one field without a label of its own.
    std::string caption(f.kind == Kind::Choice ? std::string_view("Filing Status") : f.caption);
    // Four controls of a kind: two spouses in two years.
    const bool perSpouse = f.index >= 0 && findField(f.control, 3) != nullptr;
    const shell::YearTexts years = shell::yearTexts(planYear);
    std::string year;
    if (f.target == Target::Current) year = years.current;
    if (f.target == Target::Next) year = years.next;
    if (!perSpouse) return year.empty() ? caption : caption + " " + year;
    if (!caption.empty()) caption[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(caption[0])));
    return "Spouse " + std::to_string(f.index % 2 + 1) + " " + caption + " " + year;
}

std::string plainSentence(int number, std::string_view description, std::string_view location, std::int16_t planYear) {
    const Subject s = subjectOf(location, planYear);
    std::string subject = s.field;
    if (!s.file.empty()) subject += subject.empty() ? s.file : " in " + s.file;
    std::string what(whatToDo(number));
    if (number == err::TypeMismatch && s.field.empty() && !s.file.empty())
        what = "this is not a scenario file, or it is damaged. Open another file.";
    // A value refused as not allowed carries the reason, and the values that are,
    // where the error arose ("2025 is not a plan year under ...").
    if (const auto all = places(location); number == err::InvalidPropertyValue && !all.empty())
        what = std::string(all.back()) + ".";
    if (what.empty()) {
        what = std::string(standardDescription(number));
        if (!description.empty() && description != what) what.append(" (").append(description).append(")");
        what += ". See Details for where it happened.";
        if (!what.empty()) what[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(what[0])));
    }
    if (subject.empty()) {
        what[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(what[0])));
        return what;
    }
    return subject + ": " + what;
}

}  // namespace tavrel::ui::fields
