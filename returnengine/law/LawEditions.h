#pragma once
// The law editions: each is a run of year rows (YearLaw.h) and one routing
// table that says, for every family of rules, which year's law serves a tax
// year. Routing, the per-year entry points and their error locations all read
// this one table.

#include "returnengine/law/LawEdition.h"
#include "returnengine/law/YearLaw.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace osgrin::law {

// clang-format off
enum class Family : std::uint8_t {
    // The per-year functions, each with its own error location ("Calcs2008.StdDed2008").
    StdDed, CalcExemptionDedGross, CalcExemptionDedPhaseOut, ItemDedPhaseOut, LimitIRADed4Spouse,
    GetSchedDTax, CalcSETax, CalcChildCr, CalcAMTExemption, CalcAMTCapGainTax, CalcFica,
    // Year-independent modules reading the year's figures: the regular rate file,
    // the self-employed health insurance share, and every other rule.
    GetIncTax, CalcSEMedInsDed, YearRules,
};
// clang-format on
inline constexpr std::size_t kFamilyCount = 14;
inline constexpr std::size_t kEntryFamilyCount = 11;  // the first eleven have entry points

// No function of the family serves the year; the caller's fixed value applies.
inline constexpr int kNoFunction = 0;

// What a tax year before a family's first year of its own gets.
enum class Earlier : std::uint8_t {
    Nothing,    // no function: the caller's fixed value
    FirstYear,  // the first year's
    Refused,    // error 5: the edition has no law for the year
};

// One family's years: its own functions from firstOwn to lastOwn, except that
// sharedYear (when not 0) is served by servedBy's.
struct Route {
    int firstOwn;
    int lastOwn;
    Earlier earlier;
    int sharedYear = 0;
    int servedBy = 0;
};

// An entry point whose location is not "Calcs<year>.<family><year>".
struct EntryName {
    Family family;
    int year;
    std::string_view location;
};

struct Edition {
    LawEdition id;
    std::span<const YearLaw> rows;  // consecutive years
    std::array<Route, kFamilyCount> routes;
    bool laterYearsUseLastLaw;  // false: a tax year after the last row is refused (error 5)
    std::span<const EntryName> entryNames;

    int firstYear() const { return rows.front().year; }
    int lastYear() const { return rows.back().year; }
    const Route& route(Family f) const { return routes[static_cast<std::size_t>(f)]; }
    // The row of a year from firstYear() to lastYear().
    const YearLaw& row(int lawYear) const { return rows[static_cast<std::size_t>(lawYear - firstYear())]; }
};

// The two editions (Tables2008Law.cpp, EnactedLaw.cpp).
extern const Edition kTables2008Edition;
extern const Edition kEnactedEdition;
inline const Edition& tables2008Edition() { return kTables2008Edition; }
inline const Edition& enactedEdition() { return kEnactedEdition; }
inline const Edition& edition(LawEdition e) { return e == LawEdition::Enacted ? kEnactedEdition : kTables2008Edition; }

// Error 5: the edition has no law for the tax year.
[[noreturn]] void refuseYear(const Edition& law, int taxYear);

// The year whose function of the family serves the tax year, or kNoFunction;
// error 5 when the edition refuses the year. Inline: every rule asks.
inline int routedYear(const Edition& law, Family family, int taxYear) {
    const Route& r = law.route(family);
    if (taxYear < r.firstOwn) {
        if (r.earlier == Earlier::Nothing) return kNoFunction;
        if (r.earlier == Earlier::FirstYear) return r.firstOwn;
        refuseYear(law, taxYear);
    }
    if (taxYear > r.lastOwn) {
        if (taxYear > law.lastYear() && !law.laterYearsUseLastLaw) refuseYear(law, taxYear);
        return r.lastOwn;
    }
    return taxYear == r.sharedYear ? r.servedBy : taxYear;
}

// The family's name in entry-point names ("StdDed").
std::string_view familyName(Family family);

// The error location of a family's entry point of a year ("Calcs2008.StdDed2008").
std::string_view entryLocation(const Edition& law, Family family, int lawYear);

}  // namespace osgrin::law
