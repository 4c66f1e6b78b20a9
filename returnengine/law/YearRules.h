#pragma once
// The per-year rules of the tax law other than the capital-gain worksheets
// (GainRules.h), each written once and given the year's row. The entry points
// (EntryPoints.h) run them under their traps; the small arithmetic helpers are
// separate so that cases with cents, which the whole-dollar reads never
// produce, can be tested directly.

#include "returnengine/law/CommonTaxCalcs.h"
#include "returnengine/law/YearLaw.h"

#include <cstdint>

namespace osgrin {
class iTop;
}

namespace osgrin::law::rules {

Currency stdDed(const iTop& r, const YearLaw& law);
Currency exemptionDedGross(const iTop& r, const YearLaw& law);
Currency exemptionDedPhaseOut(iTop& r, const YearLaw& law);
Currency itemDedPhaseOut(iTop& r, const YearLaw& law);
Currency limitIRADed4Spouse(iTop& r, const YearLaw& law, bool spouse2);
// The IRA deduction of a spouse no retirement plan covers: the contribution,
// capped at the year's maximum where the edition caps it.
Currency iraDeductionNotCovered(const iTop& r, const YearLaw& law, bool spouse2, Currency contribution);
Currency amtExemption(const iTop& r, const YearLaw& law, AmtWorkRecord& record);
// What married filing separately adds to AMT income: 25% of AMT income above
// the point where the exemption is gone, at most the exemption; 0 for others.
Currency amtMarriedSeparatelyAddition(const iTop& r, const YearLaw& law, Currency amtIncome);
Currency seTax(const iTop& r, const YearLaw& law, int spouse);
Currency childCredit(const iTop& r, const YearLaw& law);
Currency fica(Currency wages, const YearLaw& law);
Currency seHealthInsuranceDeduction(const iTop& r, const YearLaw& law);

// --- arithmetic helpers ---

// Steps of the exemption phase-out: excess / step size at four decimals, raised
// to the next whole number unless already whole.
Currency exemptionPhaseOutSteps(Currency excess, Currency stepSize);
// An IRA limit inside the band, from the product of the gap and the rate:
// raised to the next multiple of $10 unless already one, and at least $200.
Currency iraLimitInBand(Currency product);
// Number of $1,000 steps of the child-credit phase-out for an excess of AGI
// (whole dollars, ties to even; a part of a step counts as a step).
std::int64_t childCreditSteps(Currency excess);
// Self-employment tax on net earnings with the spouse's wages against the wage base.
Currency seTaxOnNetEarnings(Currency net, Currency wages, Currency wageBase);
// The net capital loss limit: a loss below -0.01 is raised to -1,500 (married
// filing separately) or -3,000.
Currency limitCapitalLoss(Currency net, std::int32_t filingStatus);

}  // namespace osgrin::law::rules
