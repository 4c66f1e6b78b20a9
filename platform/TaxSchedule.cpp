#include "platform/TaxSchedule.h"

#include <cstdint>
#include <utility>

namespace tavrel::platform {
namespace {

// Billionths to ten-thousandths, ties to even. Taxes are never negative. A tax
// below 9.2 billion dollars fits 64 bits in billionths, and 64-bit division is
// several times cheaper than 128-bit; larger ones take the wide path.
std::int64_t toScaledEven(Billionths exact) noexcept {
    constexpr std::int64_t kNarrowDivisor = TaxSchedule::kFullRate;
    if (exact <= static_cast<Billionths>(INT64_MAX)) {
        const auto narrow = static_cast<std::int64_t>(exact);
        std::int64_t q = narrow / kNarrowDivisor;
        const std::int64_t twiceRest = 2 * (narrow % kNarrowDivisor);
        if (twiceRest > kNarrowDivisor || (twiceRest == kNarrowDivisor && q % 2 != 0)) ++q;
        return q;
    }
    constexpr Billionths kDivisor = TaxSchedule::kFullRate;
    Billionths q = exact / kDivisor;
    const Billionths twiceRest = 2 * (exact % kDivisor);
    if (twiceRest > kDivisor || (twiceRest == kDivisor && q % 2 != 0)) ++q;
    return static_cast<std::int64_t>(q);
}

}  // namespace

TaxSchedule::TaxSchedule(std::string name, std::vector<Bracket> brackets)
    : name_(std::move(name)), brackets_(std::move(brackets)) {
    Billionths base = 0;
    for (Bracket& b : brackets_) {
        b.taxAtLower = base;
        if (b.upper != kOpenEnded) base = exactTax(b, b.upper - b.lower);
    }
}

Currency TaxSchedule::tax(Currency amount) const noexcept {
    const std::int64_t a = amount.scaled();
    if (a <= 0 || brackets_.empty()) return Currency{};
    // The last bracket whose lower bound is below the amount; the first starts
    // at 0, so the search stops there at the latest.
    std::size_t i = brackets_.size() - 1;
    while (i > 0 && brackets_[i].lower >= a) --i;
    const Bracket& b = brackets_[i];
    // With rates of at most 100% the tax never exceeds the amount, so it fits.
    return Currency::fromScaled(toScaledEven(exactTax(b, a - b.lower)));
}

std::int64_t TaxSchedule::taxAtLowerInCents(std::size_t bracket) const noexcept {
    // A cent is 10^7 billionths.
    constexpr Billionths kCent = 10000000;
    return static_cast<std::int64_t>((brackets_[bracket].taxAtLower + kCent / 2) / kCent);
}

}  // namespace tavrel::platform
