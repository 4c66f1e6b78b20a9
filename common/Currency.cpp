#include "common/Currency.h"

#include "common/NumericText.h"
#include "common/TaxError.h"

#include <cmath>
#include <limits>

namespace tavrel {
namespace {

[[noreturn]] void raiseOverflow() { detail::raiseCurrencyOverflow(); }

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

namespace detail {
void raiseCurrencyOverflow() { throw TaxError::standard(err::Overflow, "Currency"); }
}  // namespace detail

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
    // Appended, not prefixed: GCC 12 at -O3 warns falsely (-Wrestrict) about
    // a literal put before a temporary string.
    std::string out(v_ < 0 ? "-" : "");
    out += std::to_string(m / kScale);
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

}  // namespace tavrel
