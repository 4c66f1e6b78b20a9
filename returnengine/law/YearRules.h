#pragma once
// The per-year rules of the tax law, each written once and given the year's
// figures. The per-year entry points (Calcs2001 ... Calcs2008) are thin wrappers
// around these; the small arithmetic helpers are separate so that cases with
// cents, which the whole-dollar reads never produce, can be tested directly.

#include "CommonTaxCalcs.h"
#include "YearLaw.h"

#include <cstdint>
#include <string_view>

namespace osgrin {
class iTop;
}

namespace osgrin::law::rules {

Currency stdDed(const iTop& r, const YearLaw& law);
Currency exemptionDedGross(const iTop& r, const YearLaw& law);
Currency exemptionDedPhaseOut(iTop& r, const YearLaw& law);
Currency itemDedPhaseOut(iTop& r, const YearLaw& law);
Currency limitIRADed4Spouse(iTop& r, const YearLaw& law, bool spouse2);
Currency schedDTax(iTop& r, const YearLaw& law);
Currency amtExemption(const iTop& r, const YearLaw& law, AmtWorkRecord& record);
Currency amtCapGainTax(const iTop& r, AmtWorkRecord& record);
Currency seTax(const iTop& r, const YearLaw& law, int spouse);
Currency childCredit(const iTop& r, const YearLaw& law);
Currency fica(Currency wages, const YearLaw& law);

// --- arithmetic helpers ---

// Steps of the exemption phase-out: excess / step size at four decimals, raised
// to the next whole number unless already whole.
Currency exemptionPhaseOutSteps(Currency excess, Currency stepSize);
// The IRA limit inside the band: 20% of the gap, raised to the next multiple of
// $10 unless already one, and at least $200.
Currency iraLimitInBand(Currency gap);
// Number of $1,000 steps of the child-credit phase-out for an excess of AGI
// (whole dollars, ties to even; a part of a step counts as a step).
std::int64_t childCreditSteps(Currency excess);
// Self-employment tax on net earnings with the spouse's wages against the wage base.
Currency seTaxOnNetEarnings(Currency net, Currency wages, Currency wageBase);
// The net capital loss limit: a loss below -0.01 is raised to -1,500 (married
// filing separately) or -3,000.
Currency limitCapitalLoss(Currency net, std::int32_t filingStatus);

}  // namespace osgrin::law::rules
