#pragma once
// The numeric-text harness: every conversion of text to a number on the same
// bytes, cross-checked against each other and against the text the system
// writes for the result.

#include "FuzzCheck.h"

#include "common/Currency.h"
#include "common/NumericText.h"
#include "common/TaxError.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace tavrel::fuzz {

namespace numeric_detail {

__extension__ typedef __int128 Wide;

inline Wide power10(int n) {
    Wide p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

inline Wide absWide(Wide v) { return v < 0 ? -v : v; }

inline std::string describe(std::string_view text) { return "text \"" + printable(text) + "\""; }

// Runs a conversion that may raise only the listed errors; returns the error
// number, or 0 when it returned.
template <class F>
int raisedNumber(std::string_view text, F&& convert, int allowedA, int allowedB) {
    try {
        convert();
        return 0;
    } catch (const TaxError& e) {
        FUZZ_CHECK(e.number() == allowedA || e.number() == allowedB,
                   describe(text) + " raised " + std::to_string(e.number()));
        return e.number();
    }
}

}  // namespace numeric_detail

// Checks every conversion on one text; a broken invariant traps.
inline void checkNumericText(std::string_view text) {
    using namespace numeric_detail;
    const bool numeric = isNumeric(text);

    // The amount: Currency::parse is the same as the scaled parse at four decimals.
    const Currency::ParseResult amount = Currency::parse(text);
    FUZZ_CHECK(numeric == (amount.status != Currency::ParseStatus::NotANumber), describe(text));
    const NumberParse at4 = parseNumberScaled(text, 4);
    FUZZ_CHECK(static_cast<int>(at4.status) == static_cast<int>(amount.status), describe(text));
    if (amount.ok()) FUZZ_CHECK(at4.value == amount.scaled, describe(text));

    if (amount.ok()) {
        const Currency c = Currency::fromScaled(amount.scaled);
        // The exact text parses back to the same amount.
        const std::string exact = c.toExactText();
        const Currency::ParseResult back = Currency::parse(exact);
        FUZZ_CHECK(back.ok() && back.scaled == amount.scaled, describe(text) + " exact \"" + exact + "\"");
        // The pattern text parses back to the amount rounded half away from zero,
        // or to an overflow when that rounding does not fit.
        const std::string pattern = c.toPatternText();
        const Currency::ParseResult shown = Currency::parse(pattern);
        bool roundingFits = true;
        Currency rounded;
        try {
            rounded = c.roundDollarsAwayFromZero();
        } catch (const TaxError& e) {
            FUZZ_CHECK(e.number() == err::Overflow, describe(text));
            roundingFits = false;
        }
        if (roundingFits) {
            FUZZ_CHECK(shown.ok() && shown.scaled == rounded.scaled(), describe(text) + " pattern \"" + pattern + "\"");
            FUZZ_CHECK(rounded.isWholeDollars(), describe(text));
            FUZZ_CHECK(absWide(Wide(rounded.scaled()) - amount.scaled) <= Currency::kScale / 2, describe(text));
        } else {
            FUZZ_CHECK(shown.status == Currency::ParseStatus::Overflow,
                       describe(text) + " pattern \"" + pattern + "\"");
        }
        // Ties-to-even rounding stays within half a dollar and lands on whole dollars.
        try {
            const Currency even = c.roundDollarsEven();
            FUZZ_CHECK(even.isWholeDollars(), describe(text));
            FUZZ_CHECK(absWide(Wide(even.scaled()) - amount.scaled) <= Currency::kScale / 2, describe(text));
        } catch (const TaxError& e) {
            FUZZ_CHECK(e.number() == err::Overflow, describe(text));
        }
    }

    // The scaled parse at every scale: the same verdict on the text, results
    // that agree within their rounding, and no overflow at a smaller scale when
    // a larger one fits.
    NumberParse byScale[9];
    for (int d = 0; d <= 8; ++d) {
        byScale[d] = parseNumberScaled(text, d);
        FUZZ_CHECK(numeric == (byScale[d].status != NumberParse::Status::NotANumber), describe(text));
        if (byScale[d].status != NumberParse::Status::Ok) FUZZ_CHECK(byScale[d].value == 0, describe(text));
    }
    for (int hi = 1; hi <= 8; ++hi) {
        if (byScale[hi].status != NumberParse::Status::Ok) continue;
        for (int lo = 0; lo < hi; ++lo) {
            FUZZ_CHECK(byScale[lo].status == NumberParse::Status::Ok,
                       describe(text) + " fits at " + std::to_string(hi) + " decimals, not at " + std::to_string(lo));
            // |x*10^hi - v_hi| <= 1/2 and |x*10^lo - v_lo| <= 1/2, so
            // |v_hi - v_lo*10^k| <= (10^k + 1) / 2.
            const Wide k = power10(hi - lo);
            const Wide gap = absWide(Wide(byScale[hi].value) - Wide(byScale[lo].value) * k);
            FUZZ_CHECK(2 * gap <= k + 1,
                       describe(text) + " scales " + std::to_string(lo) + " and " + std::to_string(hi));
        }
    }

    // The double: a number unless it is too large for a double.
    double d = 0;
    const bool isDouble = parseDouble(text, d);
    if (isDouble) {
        FUZZ_CHECK(numeric, describe(text));
        FUZZ_CHECK(std::isfinite(d), describe(text));
        if (amount.ok()) {
            const double scaledBack = d * static_cast<double>(Currency::kScale);
            const double tolerance = 0.5 + std::fabs(scaledBack) * 1e-12 + 1e-9;
            FUZZ_CHECK(std::fabs(scaledBack - static_cast<double>(amount.scaled)) <= tolerance, describe(text));
        }
        // The plain text of a double reads back as a number close to it.
        const std::string plain = doubleText(d);
        double again = 0;
        FUZZ_CHECK(parseDouble(plain, again), describe(text) + " double text \"" + plain + "\"");
        FUZZ_CHECK(std::fabs(again - d) <= std::fabs(d) * 1e-14, describe(text) + " double text \"" + plain + "\"");
    } else if (numeric) {
        // A number that is not a double must be beyond the range of doubles.
        FUZZ_CHECK(byScale[0].status == NumberParse::Status::Overflow, describe(text));
    }

    // Whole-number conversions: 13 for text that is not a number, 6 out of range.
    const NumberParse whole = byScale[0];
    const bool fits16 = whole.status == NumberParse::Status::Ok && whole.value >= -32768 && whole.value <= 32767;
    const bool fits32 = whole.status == NumberParse::Status::Ok &&
                        whole.value >= std::numeric_limits<std::int32_t>::min() &&
                        whole.value <= std::numeric_limits<std::int32_t>::max();
    std::int16_t v16 = 0;
    const int e16 = raisedNumber(
        text, [&] { v16 = toInt16(text); }, err::TypeMismatch, err::Overflow);
    FUZZ_CHECK(e16 == (!numeric ? err::TypeMismatch : fits16 ? 0 : err::Overflow), describe(text));
    if (e16 == 0) FUZZ_CHECK(v16 == whole.value, describe(text));
    std::int32_t v32 = 0;
    const int e32 = raisedNumber(
        text, [&] { v32 = toInt32(text); }, err::TypeMismatch, err::Overflow);
    FUZZ_CHECK(e32 == (!numeric ? err::TypeMismatch : fits32 ? 0 : err::Overflow), describe(text));
    if (e32 == 0) FUZZ_CHECK(v32 == whole.value, describe(text));
    if (isDouble) {
        std::int16_t fromDouble = 0;
        const int ed = raisedNumber(
            text, [&] { fromDouble = toInt16(d); }, err::Overflow, err::Overflow);
        if (ed == 0) FUZZ_CHECK(std::fabs(fromDouble - d) <= 0.5, describe(text));
    }

    // A flag: the words True and False, or any number; nothing else.
    bool flag = false;
    const int ef = raisedNumber(
        text, [&] { flag = toFlag(text); }, err::TypeMismatch, err::TypeMismatch);
    if (numeric) FUZZ_CHECK(ef == 0, describe(text));
    if (ef == 0 && numeric) {
        const bool zero = at4.status == NumberParse::Status::Ok && at4.value == 0;
        FUZZ_CHECK(flag == !zero, describe(text));
    }

    // The raising forms of the amount parse agree with the plain one.
    const int eRaise = raisedNumber(
        text, [&] { (void)Currency::parseOrRaise(text); }, err::NotANumber, err::Overflow);
    FUZZ_CHECK(eRaise == (amount.ok() ? 0 : numeric ? err::Overflow : err::NotANumber), describe(text));
    const int eConvert = raisedNumber(
        text, [&] { (void)Currency::convertOrRaise(text); }, err::TypeMismatch, err::Overflow);
    FUZZ_CHECK(eConvert == (amount.ok() ? 0 : numeric ? err::Overflow : err::TypeMismatch), describe(text));
}

// Checked arithmetic on two amounts: each result is the exact one, or error 6
// exactly when the exact one does not fit.
inline void checkArithmetic(Currency a, Currency b, const std::string& what) {
    using namespace numeric_detail;
    constexpr Wide kMin = std::numeric_limits<std::int64_t>::min(), kMax = std::numeric_limits<std::int64_t>::max();
    auto expect = [&](const char* op, Wide exact, auto&& compute) {
        const bool fits = exact >= kMin && exact <= kMax;
        try {
            const Currency r = compute();
            FUZZ_CHECK(fits && Wide(r.scaled()) == exact, what + " " + op);
        } catch (const TaxError& e) {
            FUZZ_CHECK(!fits && e.number() == err::Overflow, what + " " + op + " raised " + std::to_string(e.number()));
        }
    };
    const Wide x = a.scaled(), y = b.scaled();
    expect("a + b", x + y, [&] { return a + b; });
    expect("a - b", x - y, [&] { return a - b; });
    expect("-a", -x, [&] { return -a; });
    expect("a += b", x + y, [&] {
        Currency c = a;
        c += b;
        return c;
    });
    const std::int64_t n = b.scaled() / Currency::kScale;
    expect("a x whole", x * Wide(n), [&] { return a.timesWhole(n); });
    expect("dollars", Wide(n) * Currency::kScale, [&] { return Currency::fromDollars(n); });
    FUZZ_CHECK((a < b) == (x < y) && (a == b) == (x == y), what + " comparison");
    FUZZ_CHECK(minMax(a, b, false) == (x < y ? a : b) && minMax(a, b, true) == (x < y ? b : a), what + " minMax");

    // Through double: within half a ten-thousandth of the double's product, or
    // error 6 when that is beyond the range.
    const double rate = b.toDouble();
    try {
        const Currency r = a.times(rate);
        const double exact = a.toDouble() * rate * static_cast<double>(Currency::kScale);
        FUZZ_CHECK(std::fabs(static_cast<double>(r.scaled()) - exact) <= 0.5 + std::fabs(exact) * 1e-15,
                   what + " times");
    } catch (const TaxError& e) {
        FUZZ_CHECK(e.number() == err::Overflow, what + " times raised " + std::to_string(e.number()));
        FUZZ_CHECK(std::fabs(a.toDouble() * rate * static_cast<double>(Currency::kScale)) >= 9.2e18, what + " times");
    }
}

// The harness body: the input is one text, or two texts separated by a NUL
// byte, whose amounts then go through the arithmetic as well.
inline int runNumericInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = all.find('\0');
    if (nul == std::string_view::npos) {
        checkNumericText(all);
        return 0;
    }
    const std::string_view first = all.substr(0, nul), second = all.substr(nul + 1);
    checkNumericText(first);
    checkNumericText(second);
    const Currency::ParseResult a = Currency::parse(first), b = Currency::parse(second);
    if (a.ok() && b.ok())
        checkArithmetic(Currency::fromScaled(a.scaled), Currency::fromScaled(b.scaled),
                        "amounts " + std::to_string(a.scaled) + " and " + std::to_string(b.scaled));
    return 0;
}

}  // namespace tavrel::fuzz
