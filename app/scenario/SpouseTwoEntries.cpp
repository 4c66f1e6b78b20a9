#include "scenario/SpouseTwoEntries.h"

#include "base/YearText.h"

#include "planner/AMT.h"
#include "common/Currency.h"
#include "common/FilingStatus.h"

namespace tavrel::shell {
namespace {

struct Amount {
    std::string_view property;
    std::string_view what;
    std::string_view label;
};

constexpr Amount kAmounts[] = {{kSpouseTwoAmountProperties[0], "wages", "Wages"},
                               {kSpouseTwoAmountProperties[1], "self-employment income", "Self-Employment Income"}};

// The return shows an amount rounded to whole dollars; one that shows as 0
// enters no line of the tax either.
bool isZero(const std::string& shown) {
    const Currency::ParseResult r = Currency::parse(shown);
    return r.ok() && r.scaled == 0;
}

}  // namespace

bool hasNoSecondSpouse(int filingStatus) {
    return filingStatus == fl_single || filingStatus == fl_head_household || filingStatus == fl_qual_widow;
}

std::vector<SpouseTwoEntry> spouseTwoAmounts(const mirvane::AMT& planner, std::int16_t planYear) {
    const YearTexts years = yearTexts(planYear);
    std::vector<SpouseTwoEntry> entries;
    for (const bool next : {false, true}) {
        const osgrin::iTop& r = next ? planner.nxt() : planner.cur();
        for (const Amount& a : kAmounts) {
            std::string shown = r.inc().getProperty(a.property);
            if (!isZero(shown))
                entries.push_back(
                    {a.property, next, a.what, a.label, next ? years.next : years.current, std::move(shown)});
        }
    }
    return entries;
}

std::vector<SpouseTwoEntry> keptSpouseTwoAmounts(const mirvane::AMT& planner, std::int16_t planYear) {
    std::vector<SpouseTwoEntry> kept;
    for (SpouseTwoEntry& e : spouseTwoAmounts(planner, planYear)) {
        const osgrin::iTop& r = e.nextYear ? planner.nxt() : planner.cur();
        if (hasNoSecondSpouse(r.FilingStatus())) kept.push_back(std::move(e));
    }
    return kept;
}

void clearSpouseTwoAmounts(mirvane::AMT& planner) {
    for (osgrin::iTop* r : {&planner.cur(), &planner.nxt()})
        for (const Amount& a : kAmounts) r->inc().letProperty(a.property, "0");
}

}  // namespace tavrel::shell
