#pragma once
// The per-year rules of the tax law other than the capital-gain worksheets
// (GainRules.h), each written once and given the year's row. The entry points
// (EntryPoints.h) run them under their traps; the small arithmetic helpers are
// separate so that cases with cents, which the whole-dollar reads never
// produce, can be tested directly.

#include "returnengine/law/CommonTaxCalcs.h"
#include "returnengine/law/LawConstants.h"
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
// The deduction for the employer-equivalent part of both spouses' self-employment
// tax when the year deducts another share than half of it (the payroll-tax holiday).
Currency seTaxDeductionOfParts(const iTop& r, const YearLaw& law);
// The medical floor of the return: the older one where a spouse is 65 or older (2013-2016).
double medicalFloor(const iTop& r, const YearLaw& law);
// What the cap on state and local taxes takes from the taxes paid (0 without a cap).
Currency saltCapCut(const iTop& r, const YearLaw& law, Currency taxes);
// What the charity floor takes from the gifts (0 without a floor).
Currency charityFloorCut(const iTop& r, const YearLaw& law, Currency gifts);
// The charity deduction of a return on the standard deduction.
Currency nonItemizerCharity(const iTop& r, const YearLaw& law);
// The senior deduction (0 outside its years).
Currency seniorDeduction(const iTop& r, const YearLaw& law);
// The qualified-business-income deduction of the self-employment income, for
// taxable income before it (0 outside its years).
Currency qbiDeduction(const iTop& r, const YearLaw& law, Currency taxableBeforeQbi);
// The two surtaxes, 0 in the years without them.
Currency netInvestmentIncomeTax(const iTop& r, const YearLaw& law);
Currency additionalMedicareTax(const iTop& r, const YearLaw& law);
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
// Self-employment tax on net earnings with the spouse's wages against the wage
// base, at the given social security rate.
Currency seTaxOnNetEarnings(Currency net, Currency wages, Currency wageBase,
                            double socialSecurityRate = kSocialSecurityRate);
// The cap on state and local taxes at an income: reduced by a share of the
// income above the start, never below the floor; whole dollars.
Currency reducedSaltCap(Currency cap, Currency start, double rate, Currency floor, Currency income);
// The share of the tentative QBI deduction left at a taxable income inside the
// phase-in range: 1 at the threshold, 0 at its end.
double qbiShareLeft(Currency taxable, Currency threshold, Currency range);
// The net capital loss limit: a loss below -0.01 is raised to -1,500 (married
// filing separately) or -3,000.
Currency limitCapitalLoss(Currency net, std::int32_t filingStatus);

}  // namespace osgrin::law::rules
