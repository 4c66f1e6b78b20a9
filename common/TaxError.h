#pragma once
// The error that every layer raises: a number, a description and a source text
// that grows a location chain as the error travels up through the traps.

#include "common/Api.h"

#include <exception>
#include <string>
#include <string_view>

namespace tavrel {

// Error numbers the system raises. The runtime numbers keep their classic
// meanings so that messages and logs read the same as users expect.
namespace err {
inline constexpr int InvalidCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int OutOfStack = 28;
inline constexpr int BadFileName = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int DeviceIO = 57;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEnd = 62;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int ObjectNotSet = 91;
inline constexpr int NoSuchProperty = 438;
inline constexpr int NotSupported = 445;
inline constexpr int DuplicateKey = 457;
inline constexpr int PrinterError = 482;
inline constexpr int TextTooLong = 10001;
inline constexpr int NotANumber = 10002;
inline constexpr int NeedFilename = 10003;
inline constexpr int NeedCompleteInfo = 10005;
}  // namespace err

// The standard description of an error number ("Overflow", "This item needs to
// be a number.", ...); numbers without one of their own get the generic text.
std::string_view standardDescription(int number);

class TAVREL_API TaxError : public std::exception {
public:
    TaxError(int number, std::string description, std::string source)
        : number_(number), description_(std::move(description)), source_(std::move(source)) {}

    // An error with the standard description of its number.
    static TaxError standard(int number, std::string source);

    int number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }
    const std::string& source() const noexcept { return source_; }
    const char* what() const noexcept override { return description_.c_str(); }

    // Property form of the trap: location, CR LF, CR LF, old source; description kept.
    void addPropertyLocation(std::string_view location);
    // Template form: location, CR, old source; description replaced.
    void addTemplateLocation(std::string_view location, std::string_view newDescription);

private:
    int number_;
    std::string description_;
    std::string source_;
};

}  // namespace tavrel
