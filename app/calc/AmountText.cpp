#include "AmountText.h"

#include <cstdint>
#include <cstring>

namespace tavrel::calc {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Fourteen integer digits times 10,000 stay far inside 64 bits.
constexpr std::size_t kMaxFastIntegerDigits = 14;
constexpr std::int64_t kFractionScale[] = {1, 1000, 100, 10, 1};

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

}  // namespace

const char* scanValue(const char* p, const char* end, ScannedValue& value) noexcept {
    while (p != end && isBlank(*p)) ++p;
    const char* const start = p;
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '-' || *p == '+')) ++p;
    std::int64_t whole = 0;
    std::size_t integerDigits = 0;
    for (; p != end && isDigit(*p) && integerDigits < kMaxFastIntegerDigits; ++p, ++integerDigits)
        whole = whole * 10 + (*p - '0');
    std::int64_t fraction = 0;
    std::size_t fractionDigits = 0;
    if (p != end && *p == '.') {
        for (++p; p != end && isDigit(*p) && fractionDigits < 4; ++p, ++fractionDigits)
            fraction = fraction * 10 + (*p - '0');
    }
    const char* textEnd = p;
    while (p != end && isBlank(*p)) ++p;
    const bool plain = integerDigits + fractionDigits > 0 || textEnd == start;
    if (plain && (p == end || *p == ',')) {
        value.text = std::string_view(start, static_cast<std::size_t>(textEnd - start));
        const std::int64_t scaled = whole * Currency::kScale + fraction * kFractionScale[fractionDigits];
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

char* writeAmount(char* out, Currency amount) noexcept {
    const std::int64_t v = amount.scaled();
    // The magnitude as unsigned, safe for the most negative amount.
    const std::uint64_t m = v < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    if (v < 0) *out++ = '-';
    // Whole dollars two digits at a time, from the right.
    std::uint64_t dollars = m / Currency::kScale;
    char digits[20];
    char* d = digits + sizeof digits;
    while (dollars >= 100) {
        d -= 2;
        std::memcpy(d, kDigitPairs + 2 * (dollars % 100), 2);
        dollars /= 100;
    }
    if (dollars >= 10) {
        d -= 2;
        std::memcpy(d, kDigitPairs + 2 * dollars, 2);
    } else {
        *--d = static_cast<char>('0' + dollars);
    }
    const auto length = static_cast<std::size_t>(digits + sizeof digits - d);
    std::memcpy(out, d, length);
    out += length;
    *out++ = '.';
    const auto fraction = static_cast<unsigned>(m % Currency::kScale);
    std::memcpy(out, kDigitPairs + 2 * (fraction / 100), 2);
    if (fraction % 100 == 0) return out + 2;
    std::memcpy(out + 2, kDigitPairs + 2 * (fraction % 100), 2);
    return out[3] == '0' ? out + 3 : out + 4;
}

}  // namespace tavrel::calc
