#include "common/TaxError.h"

namespace tavrel {

std::string_view standardDescription(int number) {
    switch (number) {
    case err::InvalidCall: return "Invalid procedure call or argument";
    case err::Overflow: return "Overflow";
    case err::OutOfMemory: return "Out of memory";
    case err::SubscriptOutOfRange: return "Subscript out of range";
    case err::DivisionByZero: return "Division by zero";
    case err::TypeMismatch: return "Type mismatch";
    case err::OutOfStack: return "Out of stack space";
    case err::BadFileName: return "Bad file name or number";
    case err::FileNotFound: return "File not found";
    case err::DeviceIO: return "Device I/O error";
    case err::DiskFull: return "Disk full";
    case err::InputPastEnd: return "Input past end of file";
    case err::PermissionDenied: return "Permission denied";
    case err::PathFileAccess: return "Path/File access error";
    case err::PathNotFound: return "Path not found";
    case err::InvalidPropertyValue: return "Invalid property value";
    case err::ObjectNotSet: return "Object variable or With block variable not set";
    case err::NoSuchProperty: return "Object doesn't support this property or method";
    case err::NotSupported: return "Object doesn't support this action";
    case err::DuplicateKey: return "This key is already associated with an element of this collection";
    case err::PrinterError: return "Printer error";
    case err::NotANumber: return "This item needs to be a number.";
    case err::NeedFilename: return "Need to specify a filename.";
    case err::NeedCompleteInfo: return "Need to calculate results based on complete information.";
    default: return "Application-defined or object-defined error";
    }
}

TaxError TaxError::standard(int number, std::string source) {
    return TaxError(number, std::string(standardDescription(number)), std::move(source));
}

void TaxError::addPropertyLocation(std::string_view location) {
    std::string s;
    s.reserve(location.size() + 4 + source_.size());
    s.append(location).append("\r\n\r\n").append(source_);
    source_ = std::move(s);
}

void TaxError::addTemplateLocation(std::string_view location, std::string_view newDescription) {
    std::string s;
    s.reserve(location.size() + 1 + source_.size());
    s.append(location).append("\r").append(source_);
    source_ = std::move(s);
    description_ = std::string(newDescription);
}

}  // namespace tavrel
