#include "returnengine/law/EntryPoints.h"

#include "returnengine/law/GainRules.h"
#include "returnengine/law/LawTrap.h"
#include "returnengine/law/YearRules.h"
#include "returnengine/model/iTop.h"

namespace osgrin::law {

namespace entry {
namespace {

// Runs a family's rule with a law year's row under the entry point's trap; the
// location is looked up only when an error passes.
template <class Rule>
Currency run(const Edition& law, Family family, int lawYear, Rule&& rule) {
    const auto mark = [&](tavrel::TaxError& e) {
        e.addTemplateLocation(std::string(entryLocation(law, family, lawYear)), kFileDescription);
    };
    return tavrel::trapped(mark, [&] {
        if (lawYear < law.firstYear() || lawYear > law.lastYear())
            throw tavrel::TaxError::standard(tavrel::err::SubscriptOutOfRange, std::to_string(lawYear));
        return rule(law.row(lawYear));
    });
}

}  // namespace

Currency StdDed(iTop& r, int y) {
    return run(lawOf(r), Family::StdDed, y, [&](const YearLaw& l) { return rules::stdDed(r, l); });
}
Currency CalcExemptionDedGross(iTop& r, int y) {
    return run(lawOf(r), Family::CalcExemptionDedGross, y,
               [&](const YearLaw& l) { return rules::exemptionDedGross(r, l); });
}
Currency CalcExemptionDedPhaseOut(iTop& r, int y) {
    return run(lawOf(r), Family::CalcExemptionDedPhaseOut, y,
               [&](const YearLaw& l) { return rules::exemptionDedPhaseOut(r, l); });
}
Currency ItemDedPhaseOut(iTop& r, int y) {
    return run(lawOf(r), Family::ItemDedPhaseOut, y, [&](const YearLaw& l) { return rules::itemDedPhaseOut(r, l); });
}
Currency LimitIRADed4Spouse(iTop& r, int y, bool spouse2) {
    return run(lawOf(r), Family::LimitIRADed4Spouse, y,
               [&](const YearLaw& l) { return rules::limitIRADed4Spouse(r, l, spouse2); });
}
Currency GetSchedDTax(iTop& r, int y) {
    return run(lawOf(r), Family::GetSchedDTax, y, [&](const YearLaw& l) { return rules::schedDTax(r, l); });
}
Currency CalcSETax(iTop& r, int y, int spouse) {
    return run(lawOf(r), Family::CalcSETax, y, [&](const YearLaw& l) { return rules::seTax(r, l, spouse); });
}
Currency CalcChildCr(iTop& r, int y) {
    return run(lawOf(r), Family::CalcChildCr, y, [&](const YearLaw& l) { return rules::childCredit(r, l); });
}
Currency CalcAMTExemption(iTop& r, int y, AmtWorkRecord& record) {
    return run(lawOf(r), Family::CalcAMTExemption, y,
               [&](const YearLaw& l) { return rules::amtExemption(r, l, record); });
}
Currency CalcAMTCapGainTax(iTop& r, int y, AmtWorkRecord& record) {
    return run(lawOf(r), Family::CalcAMTCapGainTax, y,
               [&](const YearLaw& l) { return rules::amtCapGainTax(r, l, record); });
}
Currency CalcFica(LawEdition e, std::string_view wages, int y) {
    return run(edition(e), Family::CalcFica, y,
               [&](const YearLaw& l) { return rules::fica(Currency::convertOrRaise(wages), l); });
}

}  // namespace entry
}  // namespace osgrin::law
