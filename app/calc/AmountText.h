#pragma once
// Money as the calculator's CSV files spell it. Reading cuts a value out of a
// line and takes a plain decimal ("1234.56", "-3000") straight into
// ten-thousandths on the way; anything else goes to Currency::parse, so both
// give the same exact amount. Writing gives at least two decimals and no more
// than the amount needs ("7627.30", "12196.875", "-3000.00").

#include "common/Currency.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tavrel::calc {

struct ScannedValue {
    std::string_view text;         // blanks trimmed
    Currency::ParseResult amount;  // an empty text is 0
};

// The reading looks at eight bytes at a time, so it needs room after the text:
// the caller copies a line into a buffer with this many bytes to spare and puts
// a byte after the line that is no digit, sign, point or blank.
inline constexpr std::size_t kScanPadding = 16;

namespace amount_text {

constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }

inline std::uint64_t eightBytes(const char* p) {
    std::uint64_t x;
    std::memcpy(&x, p, sizeof x);
    return x;
}

// How many of the (up to) eight bytes at `p` are digits before the first that
// is not. A byte below '0' or above '9' gets its high bit set by one of the two
// sums; borrows and carries only reach bytes after such a byte, which do not count.
inline std::size_t leadingDigits(const char* p) {
    const std::uint64_t x = eightBytes(p);
    const std::uint64_t notDigit = ((x - 0x3030303030303030) | (x + 0x4646464646464646)) & 0x8080808080808080;
    return notDigit == 0 ? 8 : static_cast<std::size_t>(__builtin_ctzll(notDigit)) / 8;
}

// The number the first `n` (up to eight) digits at `p` spell. They are moved to
// the top of the word, zeros in front, then combined in pairs, fours and eights.
inline std::uint64_t digitsValue(const char* p, std::size_t n) {
    if (n == 0) return 0;
    std::uint64_t v = (eightBytes(p) - 0x3030303030303030) << (8 * (8 - n));
    v = v * 10 + (v >> 8);
    constexpr std::uint64_t kLowBytes = 0x000000FF000000FF;
    v = ((v & kLowBytes) * (100 + (1000000ULL << 32)) + ((v >> 16) & kLowBytes) * (1 + (10000ULL << 32))) >> 32;
    return v & 0xFFFFFFFF;
}

constexpr std::int64_t kPowersOf10[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
// Fourteen integer digits times 10,000 stay far inside 64 bits.
constexpr std::size_t kMostFastIntegerDigits = 14;

}  // namespace amount_text

// Reads the value that starts at `p` and runs to the next comma or to `end`
// (see kScanPadding); returns where it stopped: the comma, or `end`. Inline:
// every value of every row passes through it.
inline const char* scanValue(const char* p, const char* end, ScannedValue& value) noexcept {
    using namespace amount_text;
    while (isBlank(*p)) ++p;
    const char* const start = p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    std::size_t integerDigits = leadingDigits(p);
    std::int64_t whole = static_cast<std::int64_t>(digitsValue(p, integerDigits));
    p += integerDigits;
    if (integerDigits == 8) {
        const std::size_t more = leadingDigits(p);
        whole = whole * kPowersOf10[more] + static_cast<std::int64_t>(digitsValue(p, more));
        integerDigits += more;
        p += more;
    }
    std::size_t fractionDigits = 0;
    std::int64_t fraction = 0;
    if (*p == '.') {
        ++p;
        fractionDigits = leadingDigits(p);
        fraction = static_cast<std::int64_t>(digitsValue(p, fractionDigits));
        p += fractionDigits;
    }
    const char* textEnd = p;
    while (isBlank(*p)) ++p;
    const bool plain = (integerDigits + fractionDigits > 0 || textEnd == start) &&
                       integerDigits <= kMostFastIntegerDigits && fractionDigits <= 4 && (p == end || *p == ',');
    if (plain) {
        value.text = std::string_view(start, static_cast<std::size_t>(textEnd - start));
        const std::int64_t scaled = whole * Currency::kScale + fraction * kPowersOf10[4 - fractionDigits];
        value.amount = {Currency::ParseStatus::Ok, negative ? -scaled : scaled};
        return p;
    }
    // Exponents, grouping, more digits or decimals, stray characters, a lone
    // sign or point: the full parser decides what they are.
    while (p != end && *p != ',') ++p;
    textEnd = p;
    while (textEnd != start && isBlank(textEnd[-1])) --textEnd;
    value.text = std::string_view(start, static_cast<std::size_t>(textEnd - start));
    value.amount = Currency::parse(value.text);
    return p;
}

// The room writeAmount() needs: a sign, 15 digits, a point and 4 decimals, and
// eight-byte stores that may reach a few bytes past what it keeps.
inline constexpr std::size_t kMaxAmountChars = 24;

// Writes the amount at `out` and returns the end of what it wrote.
char* writeAmount(char* out, Currency amount) noexcept;

}  // namespace tavrel::calc
