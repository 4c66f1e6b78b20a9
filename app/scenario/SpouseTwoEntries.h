#pragma once
// Spouse 2's amounts under a filing status that has no second spouse. The
// return still counts them (the engines compute what they are given), so they
// are never dropped silently: the input form asks whether to clear them and
// marks those it keeps, and the inputs report lists them.
//
// Only the amounts that enter the tax are such entries: wages and
// self-employment income of either year. Spouse 2's blind and over-65 boxes
// count only on a joint return, and the name changes no figure.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mirvane {
class AMT;
}

namespace tavrel::shell {

// The properties of a return's income that hold Spouse 2's amounts.
inline constexpr std::string_view kSpouseTwoAmountProperties[] = {"WageSp2", "SEIncSp2"};

struct SpouseTwoEntry {
    std::string_view property;  // one of kSpouseTwoAmountProperties
    bool nextYear;
    std::string_view what;   // in a sentence: "wages", "self-employment income"
    std::string_view label;  // as a report's row: "Wages", "Self-Employment Income"
    std::string year;        // "2008"
    std::string amount;      // as the return shows it: "30,000"
};

// Single, Head of Household and Widow: one taxpayer, no second spouse.
bool hasNoSecondSpouse(int filingStatus);

// Spouse 2's amounts that are not zero, the current year first; the plan year
// names their years.
std::vector<SpouseTwoEntry> spouseTwoAmounts(const mirvane::AMT& planner, std::int16_t planYear);

// Those of them whose own year's return has a filing status without a second
// spouse: the amounts that count although the status has no place for them.
std::vector<SpouseTwoEntry> keptSpouseTwoAmounts(const mirvane::AMT& planner, std::int16_t planYear);

// Sets every Spouse 2 amount of both years to zero.
void clearSpouseTwoAmounts(mirvane::AMT& planner);

}  // namespace tavrel::shell
