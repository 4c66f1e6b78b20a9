#include "common/NumericText.h"

#include "common/TaxError.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace tavrel {
namespace {

// 128-bit intermediates for exact scaling; __extension__ keeps -Wpedantic quiet.
__extension__ typedef unsigned __int128 u128;
__extension__ typedef __int128 i128;

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The pieces of a number that follows the rule.
struct Scanned {
    bool negative = false;
    std::string_view intPart;   // digits and grouping commas
    std::string_view fracPart;  // digits
    long long exponent = 0;     // saturated far beyond any meaningful range
};

bool scan(std::string_view t, Scanned& s) {
    std::size_t b = 0, e = t.size();
    while (b < e && isBlank(t[b])) ++b;
    while (e > b && isBlank(t[e - 1])) --e;
    std::size_t i = b;
    if (i < e && (t[i] == '+' || t[i] == '-')) {
        s.negative = t[i] == '-';
        ++i;
    }
    // Integer part: a first group of digits, then ",ddd" groups.
    const std::size_t intBegin = i;
    while (i < e && isDigit(t[i])) ++i;
    if (i > intBegin) {
        while (i + 3 < e && t[i] == ',' && isDigit(t[i + 1]) && isDigit(t[i + 2]) && isDigit(t[i + 3])) {
            i += 4;
            if (i < e && isDigit(t[i])) return false;  // a group longer than three digits
        }
    }
    s.intPart = t.substr(intBegin, i - intBegin);
    if (i < e && t[i] == ',') return false;
    if (i < e && t[i] == '.') {
        ++i;
        const std::size_t fb = i;
        while (i < e && isDigit(t[i])) ++i;
        s.fracPart = t.substr(fb, i - fb);
    }
    if (s.intPart.empty() && s.fracPart.empty()) return false;
    if (i < e && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        bool expNeg = false;
        if (i < e && (t[i] == '+' || t[i] == '-')) {
            expNeg = t[i] == '-';
            ++i;
        }
        const std::size_t eb = i;
        long long x = 0;
        while (i < e && isDigit(t[i])) {
            if (x < 1000000000LL) x = x * 10 + (t[i] - '0');
            ++i;
        }
        if (i == eb) return false;
        s.exponent = expNeg ? -x : x;
    }
    return i == e;
}

}  // namespace

NumberParse parseNumberScaled(std::string_view text, int decimals) noexcept {
    Scanned s;
    if (!scan(text, s)) return {NumberParse::Status::NotANumber, 0};
    // The digits without the point, leading zeros dropped: value = D x 10^shift.
    // Only the first kBuffered significant digits are kept; later ones matter
    // only for their count and for rounding (whether any is non-zero).
    constexpr long long kBuffered = 40;
    char digits[kBuffered];
    long long n = 0;
    bool nonzeroBeyond = false;
    auto take = [&](char c) {
        if (n == 0 && c == '0') return;
        if (n < kBuffered)
            digits[n] = c;
        else if (c != '0')
            nonzeroBeyond = true;
        ++n;
    };
    for (char c : s.intPart)
        if (c != ',') take(c);
    for (char c : s.fracPart) take(c);
    if (n == 0) return {NumberParse::Status::Ok, 0};
    const long long shift = s.exponent - static_cast<long long>(s.fracPart.size()) + decimals;
    const long long keep = n + shift;  // digits of the scaled whole number
    if (keep > 19) return {NumberParse::Status::Overflow, 0};
    u128 acc = 0;
    for (long long k = 0; k < keep; ++k) acc = acc * 10 + static_cast<unsigned>(k < n ? digits[k] - '0' : 0);
    if (keep < n) {
        // Round half to even on what was dropped.
        int first = 0;
        bool rest = nonzeroBeyond;
        if (keep >= 0) {
            first = keep < kBuffered ? digits[keep] - '0' : 0;
            for (long long k = keep + 1; k < n && k < kBuffered; ++k) rest = rest || digits[k] != '0';
        } else {
            rest = true;  // below a tenth of the last place: never rounds up
        }
        if (first > 5 || (first == 5 && (rest || acc % 2 == 1))) ++acc;
    }
    const u128 limit = static_cast<u128>(std::numeric_limits<std::int64_t>::max()) + (s.negative ? 1u : 0u);
    if (acc > limit) return {NumberParse::Status::Overflow, 0};
    const auto v = s.negative ? static_cast<std::int64_t>(-static_cast<i128>(acc)) : static_cast<std::int64_t>(acc);
    return {NumberParse::Status::Ok, v};
}

bool isNumeric(std::string_view text) noexcept {
    Scanned s;
    return scan(text, s);
}

bool parseDouble(std::string_view text, double& out) noexcept {
    Scanned s;
    if (!scan(text, s)) return false;
    std::string plain;
    plain.reserve(text.size() + 24);
    if (s.negative) plain.push_back('-');
    for (char c : s.intPart)
        if (c != ',') plain.push_back(c);
    if (plain.empty() || plain == "-") plain.push_back('0');
    if (!s.fracPart.empty()) plain.append(".").append(s.fracPart);
    if (s.exponent != 0) plain.append("e").append(std::to_string(s.exponent));
    double d = 0;
    const auto r = std::from_chars(plain.data(), plain.data() + plain.size(), d);
    if (r.ec == std::errc::result_out_of_range) {
        // Underflow gives zero; overflow is not a finite number.
        if (s.exponent < 0) {
            out = s.negative ? -0.0 : 0.0;
            return true;
        }
        return false;
    }
    if (r.ec != std::errc() || !std::isfinite(d)) return false;
    out = d;
    return true;
}

std::int16_t toInt16(std::string_view text) {
    const NumberParse p = parseNumberScaled(text, 0);
    if (p.status == NumberParse::Status::NotANumber) throw TaxError::standard(err::TypeMismatch, "CInt");
    if (p.status == NumberParse::Status::Overflow || p.value < -32768 || p.value > 32767)
        throw TaxError::standard(err::Overflow, "CInt");
    return static_cast<std::int16_t>(p.value);
}

std::int32_t toInt32(std::string_view text) {
    const NumberParse p = parseNumberScaled(text, 0);
    if (p.status == NumberParse::Status::NotANumber) throw TaxError::standard(err::TypeMismatch, "CLng");
    if (p.status == NumberParse::Status::Overflow || p.value < std::numeric_limits<std::int32_t>::min() ||
        p.value > std::numeric_limits<std::int32_t>::max())
        throw TaxError::standard(err::Overflow, "CLng");
    return static_cast<std::int32_t>(p.value);
}

std::int16_t toInt16(double value) {
    const double r = std::nearbyint(value);
    if (!(r >= -32768.0 && r <= 32767.0)) throw TaxError::standard(err::Overflow, "CInt");
    return static_cast<std::int16_t>(r);
}

bool toFlag(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    const std::string_view t = text.substr(b, e - b);
    auto equalsNoCase = [&](std::string_view w) {
        if (t.size() != w.size()) return false;
        for (std::size_t i = 0; i < t.size(); ++i)
            if ((t[i] | 0x20) != w[i]) return false;
        return true;
    };
    if (equalsNoCase("true")) return true;
    if (equalsNoCase("false")) return false;
    const NumberParse p = parseNumberScaled(t, 4);
    if (p.status == NumberParse::Status::NotANumber) throw TaxError::standard(err::TypeMismatch, "CBool");
    return p.status == NumberParse::Status::Overflow || p.value != 0;
}

std::string doubleText(double value) {
    if (value == 0) return "0";
    char buf[64];
    for (int precision = 1; precision <= 15; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*g", precision, value);
        double back = 0;
        std::from_chars(buf, buf + std::strlen(buf), back);
        if (back == value) break;
    }
    // %g may choose an exponent; spell small and large magnitudes out plainly
    // when that stays readable, as the stored discount rates always are.
    std::string s = buf;
    if (s.find('e') != std::string::npos && std::fabs(value) >= 1e-4 && std::fabs(value) < 1e15) {
        std::snprintf(buf, sizeof buf, "%.15f", value);
        s = buf;
        while (!s.empty() && s.back() == '0') s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
    }
    return s;
}

}  // namespace tavrel
