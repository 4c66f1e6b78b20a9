#pragma once
// Filing status as the tax-law rules see it, and amounts that vary by it.
// A return stores its status as a number; any number outside 1 to 5 is an
// unknown status, which the tables give their own column.

#include "common/Currency.h"

#include <array>
#include <cstdint>

namespace osgrin::law {

using tavrel::Currency;

enum class Status : std::uint8_t {
    Unknown = 0,
    Single = 1,
    Joint = 2,
    MarriedSeparately = 3,
    HeadOfHousehold = 4,
    Widow = 5,
};

constexpr Status statusOf(std::int32_t code) {
    return code >= 1 && code <= 5 ? static_cast<Status>(code) : Status::Unknown;
}

// Single and head of household: the unmarried statuses.
constexpr bool isUnmarried(Status s) { return s == Status::Single || s == Status::HeadOfHousehold; }

// An amount for each status: {unknown, single, joint, married separately, head of household, widow(er)}.
using ByStatus = std::array<Currency, 6>;

constexpr Currency byStatus(const ByStatus& table, Status s) { return table[static_cast<std::size_t>(s)]; }

// The usual shape of a row: the widow(er) takes the joint figure, an unknown
// status gets `unknown`.
constexpr ByStatus statusAmounts(std::int64_t single, std::int64_t joint, std::int64_t marSep, std::int64_t head,
                                 std::int64_t unknown = 0) {
    return {tavrel::usd(unknown), tavrel::usd(single), tavrel::usd(joint),
            tavrel::usd(marSep),  tavrel::usd(head),   tavrel::usd(joint)};
}

}  // namespace osgrin::law
