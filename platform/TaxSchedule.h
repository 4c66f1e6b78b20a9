#pragma once
// One graduated rate schedule and its exact tax arithmetic.
//
// A bracket covers amounts over its lower bound and not over its upper bound,
// so an amount exactly on a boundary is taxed by the lower bracket. Rates are
// whole thousandths of a percent (27.5% is 27,500), so every product is an
// integer in billionths of a dollar: the tax at each lower bound is kept exact,
// and the only rounding is that of the final result to ten-thousandths, ties to
// even. Nothing goes through floating point.

#include "common/Currency.h"

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <vector>

namespace tavrel::platform {

// Amounts in billionths of a dollar: a Currency amount (ten-thousandths) times a
// rate (hundred-thousandths of the whole). GCC and Clang both provide the type;
// __extension__ keeps -Wpedantic quiet about it.
__extension__ typedef __int128 Billionths;

class TaxSchedule {
public:
    // The rate unit: 100% is 100,000 thousandths of a percent.
    static constexpr std::int32_t kFullRate = 100000;
    static constexpr std::int64_t kOpenEnded = std::numeric_limits<std::int64_t>::max();

    struct Bracket {
        std::int64_t lower = 0;           // Currency scale (ten-thousandths)
        std::int64_t upper = kOpenEnded;  // Currency scale, or kOpenEnded
        std::int32_t rate = 0;            // thousandths of a percent
        Billionths taxAtLower = 0;        // exact tax on the lower bound, from the brackets below
    };

    // The brackets must already be checked: the first starts at 0, each starts
    // where the previous one ends, rates within 0 to 100%, the last open-ended.
    // The taxes at the lower bounds are computed here.
    TaxSchedule(std::string name, std::vector<Bracket> brackets);

    const std::string& name() const noexcept { return name_; }
    std::span<const Bracket> brackets() const noexcept { return brackets_; }

    // The tax on the amount; 0 for an amount of 0 or less.
    Currency tax(Currency amount) const noexcept;

    // The exact tax on a bracket's lower bound rounded to cents, halves away
    // from zero: the figure a rate file states as its check.
    std::int64_t taxAtLowerInCents(std::size_t bracket) const noexcept;

    // The exact tax on lower + excess (excess in Currency scale) for one bracket;
    // shared by the loader's checks and tax().
    static Billionths exactTax(const Bracket& b, std::int64_t excess) noexcept {
        return b.taxAtLower + static_cast<Billionths>(excess) * b.rate;
    }

private:
    std::string name_;
    std::vector<Bracket> brackets_;
};

}  // namespace tavrel::platform
