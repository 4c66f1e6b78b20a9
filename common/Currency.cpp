#include "Currency.h"

#include "NumericText.h"
#include "TaxError.h"

#include <cmath>
#include <limits>

namespace tavrel {
namespace {

[[noreturn]] void raiseOverflow() { throw TaxError::standard(err::Overflow, "Currency"); }

std::int64_t checkedAdd(std::int64_t a, std::int64_t b) {
    std::int64_t r;
    if (__builtin_add_overflow(a, b, &r)) raiseOverflow();
    return r;
}

std::int64_t checkedSub(std::int64_t a, std::int64_t b) {
    std::int64_t r;
    if (__builtin_sub_overflow(a, b, &r)) raiseOverflow();
    return r;
}

// Magnitude as unsigned, safe for the most negative value.
std::uint64_t magnitude(std::int64_t v) {
    return v < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

void appendGrouped(std::string& out, std::uint64_t dollars) {
    char digits[24];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + dollars % 10);
        dollars /= 10;
    } while (dollars != 0);
    for (int i = n - 1; i >= 0; --i) {
        out.push_back(digits[i]);
        if (i > 0 && i % 3 == 0) out.push_back(',');
    }
}

}  // namespace

Currency Currency::fromDollars(std::int64_t dollars) {
    std::int64_t r;
    if (__builtin_mul_overflow(dollars, kScale, &r)) raiseOverflow();
    return Currency(r);
}

Currency Currency::timesWhole(std::int64_t n) const {
    std::int64_t r;
    if (__builtin_mul_overflow(v_, n, &r)) raiseOverflow();
    return Currency(r);
}

Currency Currency::fromDouble4(double value) {
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    constexpr double kLimit = 9223372036854775808.0;
    const double scaled = std::nearbyint(value * static_cast<double>(kScale));  // ties to even
    if (!(scaled < kLimit && scaled >= -kLimit)) raiseOverflow();               // also rejects NaN
    return Currency(static_cast<std::int64_t>(scaled));
}

Currency::ParseResult Currency::parse(std::string_view text) noexcept {
    const NumberParse p = parseNumberScaled(text, 4);
    switch (p.status) {
    case NumberParse::Status::Ok: return {ParseStatus::Ok, p.value};
    case NumberParse::Status::Overflow: return {ParseStatus::Overflow, 0};
    default: return {ParseStatus::NotANumber, 0};
    }
}

Currency Currency::parseOrRaise(std::string_view text) {
    const ParseResult r = parse(text);
    if (r.status == ParseStatus::NotANumber) throw TaxError::standard(err::NotANumber, "Currency");
    if (r.status == ParseStatus::Overflow) raiseOverflow();
    return Currency(r.scaled);
}

Currency Currency::convertOrRaise(std::string_view text) {
    const ParseResult r = parse(text);
    if (r.status == ParseStatus::NotANumber) throw TaxError::standard(err::TypeMismatch, "Currency");
    if (r.status == ParseStatus::Overflow) raiseOverflow();
    return Currency(r.scaled);
}

Currency Currency::roundDollarsEven() const {
    std::int64_t q = v_ / kScale;
    const std::int64_t r = v_ % kScale;  // same sign as v_
    const std::int64_t twice = 2 * (r < 0 ? -r : r);
    if (twice > kScale || (twice == kScale && (q % 2 != 0))) q += (v_ < 0 ? -1 : 1);
    return fromDollars(q);
}

Currency Currency::roundDollarsAwayFromZero() const {
    std::int64_t q = v_ / kScale;
    const std::int64_t r = v_ % kScale;
    if (2 * (r < 0 ? -r : r) >= kScale) q += (v_ < 0 ? -1 : 1);
    return fromDollars(q);
}

std::string Currency::toPatternText() const {
    std::uint64_t m = magnitude(v_);
    std::uint64_t dollars = m / kScale;
    if ((m % kScale) * 2 >= static_cast<std::uint64_t>(kScale)) ++dollars;
    std::string out;
    out.reserve(28);
    if (v_ < 0 && dollars != 0) out.push_back('-');
    appendGrouped(out, dollars);
    return out;
}

std::string Currency::toExactText() const {
    const std::uint64_t m = magnitude(v_);
    std::string out = (v_ < 0 ? "-" : "") + std::to_string(m / kScale);
    std::uint64_t frac = m % kScale;
    if (frac != 0) {
        char buf[5] = {char('0' + frac / 1000), char('0' + frac / 100 % 10), char('0' + frac / 10 % 10),
                       char('0' + frac % 10), 0};
        int len = 4;
        while (buf[len - 1] == '0') --len;
        out.push_back('.');
        out.append(buf, static_cast<std::size_t>(len));
    }
    return out;
}

Currency operator+(Currency a, Currency b) { return Currency(checkedAdd(a.v_, b.v_)); }
Currency operator-(Currency a, Currency b) { return Currency(checkedSub(a.v_, b.v_)); }
Currency operator-(Currency a) { return Currency(checkedSub(0, a.v_)); }

}  // namespace tavrel
