#pragma once
// The rate-file harness: arbitrary bytes parsed as a rate file. A refusal is
// error 5; a table that loads has schedules whose tax is exact schedule
// arithmetic: 0 for nothing, never decreasing, never more than the amount.

#include "FuzzCheck.h"

#include "platform/RateTable.h"
#include "common/TaxError.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel::fuzz {

enum class RateFileOutcome { Loaded, Refused };

namespace ratefile_detail {

using platform::TaxSchedule;
__extension__ typedef __int128 Wide;

// The tax by summing each bracket's share, in billionths, rounded to
// ten-thousandths with ties to even: an independent model of TaxSchedule::tax.
inline std::int64_t modelTax(const TaxSchedule& s, std::int64_t amount) {
    if (amount <= 0) return 0;
    Wide exact = 0;
    for (const TaxSchedule::Bracket& b : s.brackets()) {
        if (amount <= b.lower) break;
        const std::int64_t top = std::min(amount, b.upper);
        exact += Wide(top - b.lower) * b.rate;
    }
    const Wide unit = TaxSchedule::kFullRate;
    Wide q = exact / unit;
    const Wide rest = exact % unit;
    if (2 * rest > unit || (2 * rest == unit && q % 2 != 0)) ++q;
    return static_cast<std::int64_t>(q);
}

}  // namespace ratefile_detail

inline RateFileOutcome checkRateFile(std::string_view text) {
    using namespace ratefile_detail;
    const std::string what = "rate file \"" + printable(text, 400) + "\"";
    std::vector<TaxSchedule> schedules;
    try {
        const platform::RateTable table = platform::RateTable::parse(text, "fuzz.tbl");
        FUZZ_CHECK(table.path() == "fuzz.tbl", what);
        FUZZ_CHECK(!table.schedules().empty(), what);
        for (const TaxSchedule& s : table.schedules()) {
            FUZZ_CHECK(table.find(s.name()) != nullptr, what + " schedule \"" + printable(s.name()) + "\"");
            FUZZ_CHECK(table.find(" " + s.name() + "\t") != nullptr, what);
        }
        schedules = table.schedules();
    } catch (const TaxError& e) {
        FUZZ_CHECK(e.number() == err::InvalidCall, what + " raised " + std::to_string(e.number()));
        FUZZ_CHECK(e.source().find("fuzz.tbl") != std::string::npos, what + " source " + printable(e.source()));
        return RateFileOutcome::Refused;
    }

    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    for (const TaxSchedule& s : schedules) {
        const std::string where = what + " schedule \"" + printable(s.name()) + "\"";
        const auto brackets = s.brackets();
        // The loader's promises about the brackets.
        FUZZ_CHECK(!brackets.empty() && brackets.front().lower == 0, where);
        FUZZ_CHECK(brackets.back().upper == TaxSchedule::kOpenEnded, where);
        for (std::size_t i = 0; i < brackets.size(); ++i) {
            FUZZ_CHECK(brackets[i].rate >= 0 && brackets[i].rate <= TaxSchedule::kFullRate, where);
            if (i + 1 < brackets.size()) {
                FUZZ_CHECK(brackets[i].upper > brackets[i].lower, where);
                FUZZ_CHECK(brackets[i + 1].lower == brackets[i].upper, where);
            }
        }
        // Nothing and less than nothing are taxed 0.
        for (const std::int64_t a :
             {std::int64_t{0}, std::int64_t{-1}, std::int64_t{-10000}, std::numeric_limits<std::int64_t>::min()})
            FUZZ_CHECK(s.tax(Currency::fromScaled(a)).isZero(), where + " amount " + std::to_string(a));
        // Amounts around every boundary and across the range, in order.
        std::vector<std::int64_t> amounts = {
            1, 9999, 10000, 10001, 5000000, 123456789, 1000000000000, 4611686018427387904, kMax - 1, kMax};
        for (std::size_t i = 0; i < brackets.size() && i < 64; ++i) {
            const std::int64_t lo = brackets[i].lower;
            for (const std::int64_t d : {-1, 0, 1, 5000})
                if (lo <= kMax - 5000 && lo + d > 0) amounts.push_back(lo + d);
        }
        std::sort(amounts.begin(), amounts.end());
        std::int64_t previous = 0;
        for (const std::int64_t a : amounts) {
            const std::int64_t tax = s.tax(Currency::fromScaled(a)).scaled();
            const std::string at = where + " amount " + std::to_string(a) + " tax " + std::to_string(tax);
            FUZZ_CHECK(tax >= previous, at + " previous " + std::to_string(previous));
            FUZZ_CHECK(tax >= 0 && tax <= a, at);
            FUZZ_CHECK(tax == modelTax(s, a), at + " model " + std::to_string(modelTax(s, a)));
            previous = tax;
        }
    }
    return RateFileOutcome::Loaded;
}

// The harness body: the whole input as a rate file.
inline int runRateFileInput(const std::uint8_t* data, std::size_t size) {
    (void)checkRateFile(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}

}  // namespace tavrel::fuzz
