#pragma once
// The builders of the "Enacted" edition's year rows: what every year shares,
// and the shapes its figures take. Each builder sets one rule's figures, so a
// row reads as the list of the year's law.

#include "returnengine/law/SingleSourceReadings.h"
#include "returnengine/law/YearLaw.h"

namespace osgrin::law::enacted {

using tavrel::usd;

constexpr YearLaw enactedYear(int year, std::string_view rateFile) {
    YearLaw l{};
    l.year = year;
    l.rateFile = rateFile;
    l.taxableIncomeFloorAtZero = true;
    l.dependentStdDed.applies = true;
    l.deductionChoice = DeductionChoice::LowerTax;
    l.exemptionReductionShare = kWhole;
    l.medicalFloor = 0.075;
    l.miscellaneousFloor = 0.02;
    l.itemReductionShare = kWhole;
    l.limitationBase = LimitationBase::AllButMedicalInterestCasualty;
    l.seHealthInsuranceShare = 1.0;
    l.ira.marriedSeparately = {usd(10000), usd(10000)};
    l.ira.inBand = IraInBand::MaximumOverWidth;
    l.ira.capsContribution = true;
    l.cgWorksheet = CapGainWorksheet::Enacted;
    l.dividendsAtGainRates = true;
    l.amtPhaseOutStart = statusAmounts(112500, 150000, 75000, 112500);
    l.amtRateFile = "indAmt2001.tbl";  // 26% / 28% with the break at 175,000 (87,500 separately) in every year
    l.amtMedicalFloor = 0.10;
    l.amtForm = AmtForm::Enacted;
    l.amtMarriedSeparatelyAddition = true;
    l.childCreditPhaseOutStart = {usd(75000), usd(75000), usd(110000), usd(55000), usd(75000), usd(75000)};
    return l;
}

// The IRA ranges of a covered spouse: single and head of household, joint when
// this spouse is covered, joint when only the other spouse is; married filing
// separately is 0 to 10,000 in every year.
constexpr void ira(YearLaw& l, IraBand single, IraBand jointCovered, IraBand spouseCovered, std::int64_t maximum,
                   std::int64_t catchUp) {
    l.ira.singleOrHead = single;
    l.ira.jointCovered = jointCovered;
    l.ira.jointSpouseCovered = spouseCovered;
    l.ira.maximum = usd(maximum);
    l.ira.catchUp = usd(catchUp);
}

constexpr IraBand band(std::int64_t end, std::int64_t width = 10000) { return {usd(end), usd(width)}; }

constexpr void gains(YearLaw& l, double low, double high) {
    l.cgLowRate = low;
    l.cgHighRate = high;
    l.amtGainLowRate = low;
    l.amtGainHighRate = high;
}

constexpr void dependentFiler(YearLaw& l, std::int64_t minimum, std::int64_t addOn) {
    l.dependentStdDed.minimum = usd(minimum);
    l.dependentStdDed.earnedIncomeAddOn = usd(addOn);
}

constexpr void amtExemption(YearLaw& l, std::int64_t single, std::int64_t joint, std::int64_t marSep) {
    l.amtExemption = statusAmounts(single, joint, marSep, single);
}

// 2010-2012: no exemption phase-out and no itemized limitation.
constexpr void repealedPhaseOuts(YearLaw& l) {
    l.exemptionPhaseOut = false;
    l.itemLimitation = ItemLimitation::None;
}

// 2018-2025: no personal exemptions (the amount is zero) and no limitation.
constexpr void suspendedLimitation(YearLaw& l) { repealedPhaseOuts(l); }

// 2026 on: the 2/37 limitation above the start of the 37% bracket.
constexpr void twoThirtySevenths(YearLaw& l, ByStatus bracketStart) {
    l.exemptionPhaseOut = false;
    l.itemLimitation = ItemLimitation::TwoThirtySevenths;
    l.itemLimitationStart = bracketStart;
}

// 2013 on: 0% / 15% / 20%, the 20% rate from its own start.
constexpr void threeGainRates(YearLaw& l, ByStatus topRateStart) {
    gains(l, 0.0, 0.15);
    l.cgTopRateStart = topRateStart;
    l.cgTopRate = 0.20;
}

// 2011-2012: two points off the social security rate of employees and the self-employed.
constexpr void payrollTaxHoliday(YearLaw& l) {
    l.seSocialSecurityRate = 0.104;
    l.seSocialSecurityDeductibleShare = readings::kHolidaySocialSecurityDeductibleShare;
    l.employeeSocialSecurityRate = 0.042;
}

// 2018 on: the phase-out starts at one amount for a joint return and another
// for every other return.
constexpr void childCreditPhaseOut(YearLaw& l, std::int64_t others, std::int64_t joint) {
    l.childCreditPhaseOutStart = statusAmounts(others, joint, others, others);
    l.childCreditPhaseOutStart[static_cast<std::size_t>(Status::Widow)] =
        readings::kWidowChildCreditPhaseOutIsJoint ? usd(joint) : usd(others);
}

// 2021: 1,000 more per child (children 6 to 17), phasing out from its own start.
constexpr void arpaChildCredit(YearLaw& l) {
    l.childCreditExtraPerChild = usd(1000);
    l.childCreditExtraPhaseOutStart = statusAmounts(75000, 150000, 75000, 112500);
}

// 2013 on: the net investment income tax (the widow(er) at the joint figure)
// and the additional Medicare tax (the widow(er) at the figure for others).
constexpr void surtaxes(YearLaw& l, ByStatus niit, ByStatus medicare) {
    l.niitThreshold = niit;
    l.additionalMedicareThreshold = medicare;
    l.additionalMedicareThreshold[static_cast<std::size_t>(Status::Widow)] = medicare[1];
}

// 2018 on: the qualified-business-income deduction's threshold by status and
// its phase-in range (doubled for a joint return only).
constexpr void qbi(YearLaw& l, std::int64_t single, std::int64_t joint, std::int64_t marSep, std::int64_t head,
                   std::int64_t range) {
    l.qbiThreshold = statusAmounts(single, joint, marSep, head);
    l.qbiPhaseInRange = statusAmounts(range, 2 * range, range, range);
    if (!readings::kWidowQbiAtJointFigures) {
        l.qbiThreshold[static_cast<std::size_t>(Status::Widow)] = usd(single);
        l.qbiPhaseInRange[static_cast<std::size_t>(Status::Widow)] = usd(range);
    }
}

// 2018 on: the cap on state and local taxes, half for married filing
// separately; from 2025 reduced by 30% of modified AGI above a threshold,
// never below a floor.
constexpr void saltCap(YearLaw& l, std::int64_t cap, std::int64_t capMarSep, std::int64_t start = 0,
                       std::int64_t startMarSep = 0, std::int64_t floor = 0, std::int64_t floorMarSep = 0) {
    l.saltCap.cap = limitationStart(cap, capMarSep);
    l.saltCap.reductionStart = limitationStart(start, startMarSep);
    l.saltCap.reductionRate = start == 0 ? 0.0 : 0.30;
    l.saltCap.floor = limitationStart(floor, floorMarSep);
}

// 2025-2028: 6,000 per person 65 or older, less 6% of modified AGI above
// 75,000 (150,000 joint); married couples must file jointly.
constexpr void seniorDeduction(YearLaw& l) {
    l.seniorDeduction = usd(6000);
    l.seniorPhaseOutStart = statusAmounts(75000, 150000, 0, 75000);
    l.seniorPhaseOutStart[static_cast<std::size_t>(Status::Widow)] = usd(75000);
}

// What a return on the standard deduction may deduct of its gifts: one amount
// for a joint return, one for every other.
constexpr void nonItemizerCharity(YearLaw& l, std::int64_t others, std::int64_t joint) {
    l.nonItemizerCharity = statusAmounts(others, joint, others, others);
    l.nonItemizerCharity[static_cast<std::size_t>(Status::Widow)] = usd(others);
}

}  // namespace osgrin::law::enacted
