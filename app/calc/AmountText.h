#pragma once
// Money as the calculator's CSV files spell it. Reading cuts a value out of a
// line and takes a plain decimal ("1234.56", "-3000") straight into
// ten-thousandths on the way; anything else goes to Currency::parse, so both
// give the same exact amount. Writing gives at least two decimals and no more
// than the amount needs ("7627.30", "12196.875", "-3000.00").

#include "Currency.h"

#include <cstddef>
#include <string_view>

namespace tavrel::calc {

struct ScannedValue {
    std::string_view text;         // blanks trimmed
    Currency::ParseResult amount;  // an empty text is 0
};

// Reads the value that starts at `p` and runs to the next comma or to `end`;
// returns where it stopped (the comma, or `end`).
const char* scanValue(const char* p, const char* end, ScannedValue& value) noexcept;

// More than writeAmount() ever writes (a sign, 15 digits, a point and 4 decimals).
inline constexpr std::size_t kMaxAmountChars = 24;

// Writes the amount at `out` and returns the end of what it wrote.
char* writeAmount(char* out, Currency amount) noexcept;

}  // namespace tavrel::calc
