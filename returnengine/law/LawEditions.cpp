#include "returnengine/law/LawEditions.h"

#include "common/TaxError.h"

#include <algorithm>
#include <vector>

namespace osgrin::law {
namespace {

constexpr std::string_view kFamilyNames[kFamilyCount] = {
    "StdDed",
    "CalcExemptionDedGross",
    "CalcExemptionDedPhaseOut",
    "ItemDedPhaseOut",
    "LimitIRADed4Spouse",
    "GetSchedDTax",
    "CalcSETax",
    "CalcChildCr",
    "CalcAMTExemption",
    "CalcAMTCapGainTax",
    "CalcFica",
    "GetIncTax",
    "CalcSEMedInsDed",
    "YearRules",
};

// Entry-point locations, built once: one per family and year of every edition.
struct Locations {
    int firstYear = 0;
    std::vector<std::string> byFamilyAndYear;  // [family * span + year - firstYear]
    int span = 0;
};

const Locations& locations() {
    static const Locations built = [] {
        Locations l;
        l.firstYear = std::min(tables2008Edition().firstYear(), enactedEdition().firstYear());
        const int last = std::max(tables2008Edition().lastYear(), enactedEdition().lastYear());
        l.span = last - l.firstYear + 1;
        l.byFamilyAndYear.reserve(kEntryFamilyCount * static_cast<std::size_t>(l.span));
        for (std::size_t f = 0; f < kEntryFamilyCount; ++f)
            for (int y = l.firstYear; y <= last; ++y) {
                const std::string year = std::to_string(y);
                l.byFamilyAndYear.push_back("Calcs" + year + "." + std::string(kFamilyNames[f]) + year);
            }
        return l;
    }();
    return built;
}

}  // namespace

void refuseYear(const Edition& law, int taxYear) {
    throw tavrel::TaxError::standard(
        tavrel::err::InvalidCall, "tax year " + std::to_string(taxYear) + " is outside the years of the \"" +
                                      std::string(lawEditionText(law.id)) + "\" law (" +
                                      std::to_string(law.firstYear()) + " to " + std::to_string(law.lastYear()) + ")");
}

}  // namespace osgrin::law

namespace osgrin {

int newestLawYear() { return std::max(law::tables2008Edition().lastYear(), law::enactedEdition().lastYear()); }

}  // namespace osgrin

namespace osgrin::law {

std::string_view familyName(Family family) { return kFamilyNames[static_cast<std::size_t>(family)]; }

std::string_view entryLocation(const Edition& law, Family family, int lawYear) {
    for (const EntryName& n : law.entryNames)
        if (n.family == family && n.year == lawYear) return n.location;
    const Locations& l = locations();
    const auto f = static_cast<std::size_t>(family);
    return l.byFamilyAndYear.at(f * static_cast<std::size_t>(l.span) + static_cast<std::size_t>(lawYear - l.firstYear));
}

}  // namespace osgrin::law
