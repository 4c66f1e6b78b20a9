#pragma once
// What counts as a number in text, and the conversions built on it.
//
// The rule, the same everywhere and independent of the locale:
//   [blanks] [+|-] digits [. digits] [(e|E) [+|-] digits] [blanks]
// - blanks are spaces and tabs around the number;
// - the integer part may carry thousands separators: a comma followed by exactly
//   three digits ("1,234,567"), so every text the system writes parses back;
//   a decimal comma ("1,5") is not a number;
// - ".5" and "5." are numbers; "", "-", ".", "+." and "e5" are not;
// - "nan", "inf", hexadecimal and currency symbols are not numbers.

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrel {

struct NumberParse {
    enum class Status { Ok, NotANumber, Overflow } status;
    std::int64_t value;  // the number times 10^decimals, rounded half to even
};

// Parses the text and scales it by 10^decimals (0 to 8), rounding the rest
// half to even; Overflow when the result does not fit in 64 bits.
NumberParse parseNumberScaled(std::string_view text, int decimals) noexcept;

// True when the text follows the number rule (it may still be too large to hold).
bool isNumeric(std::string_view text) noexcept;

// The text as a double (locale-free); false when it is not a number or not finite.
bool parseDouble(std::string_view text, double& out) noexcept;

// 16-bit whole-number conversion of text: ties to even; 13 for text that is not
// a number, 6 when the value is outside -32,768 to 32,767.
std::int16_t toInt16(std::string_view text);
// 32-bit whole-number conversion of text, same rules with the wider range.
std::int32_t toInt32(std::string_view text);
// A double to a 16-bit whole number, ties to even; 6 when out of range or not finite.
std::int16_t toInt16(double value);

// Text to a flag: True or False (any case), or a number where 0 is False and
// any other value True; anything else raises 13.
bool toFlag(std::string_view text);
// A flag as the words the files and properties use.
inline const char* flagText(bool b) { return b ? "True" : "False"; }

// A double as the shortest plain text with up to 15 significant digits
// ("5", "6.5", "0.125"); no exponent for ordinary magnitudes.
std::string doubleText(double value);

}  // namespace tavrel
