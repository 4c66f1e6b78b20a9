#pragma once
// Money: a signed 64-bit count of ten-thousandths of a dollar. Arithmetic is
// checked: a result outside the range raises the overflow error (6), never wraps.
// Doubles enter only through fromDouble4 (rates and products), which rounds to
// four decimals with ties to even, exactly as every rule of the return expects.

#include <cmath>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrel {

class Currency final {
public:
    static constexpr std::int64_t kScale = 10000;
    // 922,337,203,685,477.5: the first magnitude whose whole-dollar text is out of range.
    static constexpr std::int64_t kStorableLimit = 9'223'372'036'854'775'000;

    constexpr Currency() = default;
    static constexpr Currency fromScaled(std::int64_t tenThousandths) { return Currency(tenThousandths); }
    // Whole dollars; raises overflow when out of range.
    static Currency fromDollars(std::int64_t dollars);
    // A double rounded to four decimals, ties to even; NaN, infinities and
    // values out of range raise overflow.
    static Currency fromDouble4(double value);

    enum class ParseStatus { Ok, NotANumber, Overflow };
    struct ParseResult {
        ParseStatus status;
        std::int64_t scaled;
        bool ok() const { return status == ParseStatus::Ok; }
    };
    // Any text that the system accepts as a number (see NumericText.h), rounded
    // to four decimals with ties to even.
    static ParseResult parse(std::string_view text) noexcept;
    // parse(), raising 10002 for text that is not a number and 6 on overflow.
    static Currency parseOrRaise(std::string_view text);
    // parse(), raising 13 (type mismatch) for text that is not a number.
    static Currency convertOrRaise(std::string_view text);

    constexpr std::int64_t scaled() const { return v_; }
    double toDouble() const { return static_cast<double>(v_) / static_cast<double>(kScale); }
    constexpr bool isZero() const { return v_ == 0; }
    constexpr bool isWholeDollars() const { return v_ % kScale == 0; }
    // Whether the amount's whole-dollar text, the form scenario files store, is
    // itself an amount: within half a dollar of either end of the range the
    // text rounds beyond it and would not load again. Values the user enters
    // must pass this, so that every file a save writes opens again.
    constexpr bool hasStorableText() const { return v_ > -kStorableLimit && v_ < kStorableLimit; }

    // Round: whole dollars with ties to the even dollar.
    Currency roundDollarsEven() const;
    // The rounding of the displayed pattern: whole dollars, halves away from zero.
    Currency roundDollarsAwayFromZero() const;
    // Whole dollars with ties to even, as a 64-bit count of dollars.
    std::int64_t wholeDollarsEven() const { return roundDollarsEven().v_ / kScale; }

    // "##,###,##0": whole dollars (halves away from zero), thousands separators,
    // a leading minus sign; an amount that rounds to zero shows "0".
    std::string toPatternText() const;
    // Exact decimal text: no grouping, up to four decimals, no trailing zeros.
    std::string toExactText() const;

    // The product with a rate: computed in double and converted back at four
    // decimals, ties to even.
    Currency times(double rate) const { return fromDouble4(toDouble() * rate); }
    // The product with a whole number, exact and checked.
    Currency timesWhole(std::int64_t n) const;
    // The quotient by a double, in double, converted back the same way.
    Currency dividedBy(double divisor) const { return fromDouble4(toDouble() / divisor); }

    friend inline Currency operator+(Currency a, Currency b);
    friend inline Currency operator-(Currency a, Currency b);
    friend inline Currency operator-(Currency a);
    Currency& operator+=(Currency b) { return *this = *this + b; }
    Currency& operator-=(Currency b) { return *this = *this - b; }
    friend constexpr auto operator<=>(Currency, Currency) = default;
    friend constexpr bool operator==(Currency, Currency) = default;

private:
    constexpr explicit Currency(std::int64_t v) : v_(v) {}
    std::int64_t v_ = 0;
};

// The arithmetic is inline: a return's computation does it thousands of times.
namespace detail {
[[noreturn]] void raiseCurrencyOverflow();
}  // namespace detail

inline Currency Currency::fromDollars(std::int64_t dollars) {
    std::int64_t r;
    if (__builtin_mul_overflow(dollars, kScale, &r)) detail::raiseCurrencyOverflow();
    return Currency(r);
}

inline Currency Currency::timesWhole(std::int64_t n) const {
    std::int64_t r;
    if (__builtin_mul_overflow(v_, n, &r)) detail::raiseCurrencyOverflow();
    return Currency(r);
}

inline Currency Currency::fromDouble4(double value) {
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    constexpr double kLimit = 9223372036854775808.0;
    const double scaled = std::nearbyint(value * static_cast<double>(kScale));     // ties to even
    if (!(scaled < kLimit && scaled >= -kLimit)) detail::raiseCurrencyOverflow();  // also rejects NaN
    return Currency(static_cast<std::int64_t>(scaled));
}

inline Currency Currency::roundDollarsEven() const {
    std::int64_t q = v_ / kScale;
    const std::int64_t r = v_ % kScale;  // same sign as v_
    const std::int64_t twice = 2 * (r < 0 ? -r : r);
    if (twice > kScale || (twice == kScale && (q % 2 != 0))) q += (v_ < 0 ? -1 : 1);
    return fromDollars(q);
}

inline Currency Currency::roundDollarsAwayFromZero() const {
    std::int64_t q = v_ / kScale;
    const std::int64_t r = v_ % kScale;
    if (2 * (r < 0 ? -r : r) >= kScale) q += (v_ < 0 ? -1 : 1);
    return fromDollars(q);
}

inline Currency operator+(Currency a, Currency b) {
    std::int64_t r;
    if (__builtin_add_overflow(a.v_, b.v_, &r)) detail::raiseCurrencyOverflow();
    return Currency(r);
}

inline Currency operator-(Currency a, Currency b) {
    std::int64_t r;
    if (__builtin_sub_overflow(a.v_, b.v_, &r)) detail::raiseCurrencyOverflow();
    return Currency(r);
}

inline Currency operator-(Currency a) { return Currency() - a; }

// Whole dollars as a constant.
constexpr Currency usd(std::int64_t dollars) { return Currency::fromScaled(dollars * Currency::kScale); }

// The smaller or larger of two amounts (flag false: smaller).
inline Currency minMax(Currency a, Currency b, bool larger) { return larger ? (a < b ? b : a) : (b < a ? b : a); }

}  // namespace tavrel
