#include "returnengine/law/YearRules.h"

#include "common/FilingStatus.h"
#include "returnengine/law/IraRecompute.h"
#include "returnengine/law/ItemDedCalcs.h"
#include "returnengine/law/LawConstants.h"
#include "returnengine/law/SingleSourceReadings.h"
#include "returnengine/model/iTop.h"

namespace osgrin::law::rules {
namespace {

using CommonTaxCalcs::amountLeft;

Currency minOf(Currency a, Currency b) { return tavrel::minMax(a, b, false); }
Currency maxOf(Currency a, Currency b) { return tavrel::minMax(a, b, true); }

Status statusOf(const iTop& r) { return law::statusOf(r.FilingStatus()); }

// Spouse 2 counts for the self-employment rules only on a joint return.
bool spouse2Counts(const iTop& r) { return statusOf(r) == Status::Joint; }

// Spouses 65 or older on the return (spouse 2 only on a joint return).
std::int64_t spousesOver65(const iTop& r) { return int(r.IsSp1Over65()) + int(spouse2Counts(r) && r.IsSp2Over65()); }

// Net earnings from self-employment of one spouse's income (a loss stays as it is).
Currency netEarnings(Currency seIncome) {
    return seIncome > Currency() ? seIncome.times(kNetEarningsFactor) : seIncome;
}

// A dependent filer's earned income: wages and self-employment income, less
// the deduction for half of the self-employment tax.
Currency earnedIncome(const iTop& r) {
    const iInc& inc = r.inc();
    return inc.whole(iInc::WageSp1) + inc.whole(iInc::WageSp2) + inc.whole(iInc::SEIncSp1) + inc.whole(iInc::SEIncSp2) -
           r.adj().whole(Adj2Inc::SETaxDed);
}

}  // namespace

Currency stdDed(const iTop& r, const YearLaw& law) {
    const Status s = statusOf(r);
    std::int64_t boxes = int(r.IsSp1Blind()) + int(r.IsSp1Over65());
    if (s == Status::Joint) boxes += int(r.IsSp2Over65()) + int(r.IsSp2Blind());
    const Currency perBox = isUnmarried(s) ? law.perBoxSingleOrHead : law.perBoxOthers;
    Currency basic = byStatus(law.stdDedBase, s);
    if (law.dependentStdDed.applies && r.IsDependent()) {
        const Currency limited =
            maxOf(law.dependentStdDed.minimum, earnedIncome(r) + law.dependentStdDed.earnedIncomeAddOn);
        basic = minOf(basic, limited);
    }
    return (basic + perBox.timesWhole(boxes)).roundDollarsEven();
}

Currency exemptionDedGross(const iTop& r, const YearLaw& law) {
    const std::int64_t exemptions = r.Dependents() < 0 ? 0 : r.Dependents();  // a negative count claims none
    return law.exemptionAmount.timesWhole(exemptions).roundDollarsEven();
}

Currency exemptionPhaseOutSteps(Currency excess, Currency stepSize) {
    Currency steps = Currency::fromDouble4(excess.toDouble() / stepSize.toDouble());
    if (!steps.isWholeDollars()) {
        const std::int64_t whole = steps.scaled() / Currency::kScale;
        steps = Currency::fromDollars(steps.scaled() > 0 ? whole + 1 : whole);
    }
    return steps;
}

Currency exemptionDedPhaseOut(iTop& r, const YearLaw& law) {
    const Currency agi = r.whole(iTop::AGI);
    ItemDedCalcs::CalcExemptionDedGross(r);  // called once here; its result is not used
    if (!law.exemptionPhaseOut) return Currency();
    const Status s = statusOf(r);
    const Currency start = byStatus(law.exemptionPhaseOutStart, s);
    Currency reduction;
    if (agi > start) {
        const Currency gross = ItemDedCalcs::CalcExemptionDedGross(r);
        const Currency step =
            s == Status::MarriedSeparately ? kExemptionPhaseOutStepMarriedSeparately : kExemptionPhaseOutStep;
        const Currency steps = exemptionPhaseOutSteps(agi - start, step);
        reduction = minOf(gross.times(steps.toDouble() * kExemptionPhaseOutRatePerStep), gross);
    }
    return law.exemptionReductionShare.of(reduction).roundDollarsEven();
}

namespace {

// 2026 on: 2/37 of the lesser of the deductions and the amount by which taxable
// income figured without the limitation, plus the deductions, exceeds the start
// of the 37% bracket. That income is AGI less the deductions taken after AGI
// other than these (the senior deduction, the QBI deduction figured without
// the limitation).
Currency twoThirtySeventhsReduction(const iTop& r, const YearLaw& law, Currency deductions) {
    const Currency agi = r.whole(iTop::AGI);
    const Currency senior = seniorDeduction(r, law);
    const Currency qbi = qbiDeduction(r, law, amountLeft(agi - senior, deductions));
    const Currency above = amountLeft(agi - senior - qbi, byStatus(law.itemLimitationStart, statusOf(r)));
    return minOf(deductions, above).times(kTwoThirtySevenths).roundDollarsEven();
}

}  // namespace

Currency itemDedPhaseOut(iTop& r, const YearLaw& law) {
    ItemDed& item = r.item();
    if (law.itemLimitation != ItemLimitation::ThreePercent) {
        const Currency reduction = law.itemLimitation == ItemLimitation::None
                                       ? Currency()
                                       : twoThirtySeventhsReduction(r, law, item.whole(ItemDed::TotGross));
        item.set(ItemDed::TotReduction, reduction);
        return reduction;
    }
    Currency limited = item.whole(ItemDed::TotGross) - item.whole(ItemDed::MedDed);
    if (law.limitationBase == LimitationBase::AllButMedicalInterestCasualty)
        limited -= item.whole(ItemDed::InvIntDed) + item.whole(ItemDed::CasualtyDed);
    const Currency limit80 = limited.times(kItemizedLimitationCap).roundDollarsEven();
    const Currency start = byStatus(law.itemLimitationStart, statusOf(r));
    const Currency agi = r.whole(iTop::AGI);
    Currency reduction;
    if (agi > start) {
        reduction = minOf((agi - start).times(kItemizedLimitationRate).roundDollarsEven(), limit80);
        reduction = law.itemReductionShare.of(reduction);
    }
    item.set(ItemDed::TotReduction, reduction);
    return reduction.roundDollarsEven();
}

Currency iraLimitInBand(Currency product) {
    Currency limit = product;
    const std::int64_t cents = limit.timesWhole(100).wholeDollarsEven();  // the amount in whole cents
    const std::int64_t stepCents = kIraRoundingStep.wholeDollarsEven() * 100;
    if (cents % stepCents != 0) limit = kIraRoundingStep.timesWhole(cents / stepCents + 1);
    return maxOf(limit, kIraMinimumInBand);
}

namespace {

// The year's maximum for a spouse: the catch-up is added for one 65 or older
// (the only age the return records; anyone that old is past the catch-up age).
Currency iraMaximum(const iTop& r, const YearLaw& law, bool spouse2) {
    const bool older = spouse2 ? r.IsSp2Over65() : r.IsSp1Over65();
    return older ? law.ira.maximum + law.ira.catchUp : law.ira.maximum;
}

// The phase-out band of a covered return's spouse; an unknown status has none.
IraBand iraBand(const iTop& r, const YearLaw& law, bool spouse2) {
    const Adj2Inc& adj = r.adj();
    switch (statusOf(r)) {
    case Status::Joint:
    case Status::Widow: {
        const bool covered = spouse2 ? adj.IsSp2InRetPlan() : adj.IsSp1InRetPlan();
        return covered ? law.ira.jointCovered : law.ira.jointSpouseCovered;
    }
    case Status::Single:
    case Status::HeadOfHousehold: return law.ira.singleOrHead;
    case Status::MarriedSeparately: return law.ira.marriedSeparately;
    case Status::Unknown: break;
    }
    return {Currency(), law.ira.singleOrHead.width};
}

}  // namespace

Currency limitIRADed4Spouse(iTop& r, const YearLaw& law, bool spouse2) {
    const IraBand band = iraBand(r, law, spouse2);
    const Currency maximum = iraMaximum(r, law, spouse2);
    const Currency modifiedIncome = r.whole(iTop::TotalInc) - adjustmentsWithoutContributions(r);

    Currency limit;
    if (modifiedIncome < band.end) {
        const Currency gap = band.end - modifiedIncome;
        if (gap >= band.width) {
            limit = maximum;
        } else {
            const Currency product =
                law.ira.inBand == IraInBand::TwentyPercent
                    ? gap.times(0.20)
                    : Currency::fromDouble4(maximum.toDouble() * gap.toDouble() / band.width.toDouble());
            limit = iraLimitInBand(product);
        }
    }
    const Currency contribution = r.adj().whole(spouse2 ? Adj2Inc::IRAContribSP2 : Adj2Inc::IRAContribSP1);
    return minOf(limit, contribution).roundDollarsEven();
}

Currency iraDeductionNotCovered(const iTop& r, const YearLaw& law, bool spouse2, Currency contribution) {
    return law.ira.capsContribution ? minOf(contribution, iraMaximum(r, law, spouse2)) : contribution;
}

Currency amtExemption(const iTop& r, const YearLaw& law, AmtWorkRecord& record) {
    const Status s = statusOf(r);
    const Currency start = byStatus(law.amtPhaseOutStart, s);
    const Currency base = byStatus(law.amtExemption, s);
    Currency exemption = base;
    if (record.TaxInc >= start) {
        const Currency reduction = (record.TaxInc - start).times(law.amtPhaseOutRate).roundDollarsEven();
        exemption = amountLeft(base, reduction);
    }
    record.Exemption = exemption.roundDollarsEven();
    return record.Exemption;
}

Currency amtMarriedSeparatelyAddition(const iTop& r, const YearLaw& law, Currency amtIncome) {
    const Status s = statusOf(r);
    if (!law.amtMarriedSeparatelyAddition || s != Status::MarriedSeparately) return Currency();
    const Currency exemption = byStatus(law.amtExemption, s);
    const double rate =
        readings::kMarriedSeparatelyAdditionAtPhaseOutRate ? law.amtPhaseOutRate : kAmtExemptionPhaseOutRate;
    // The exemption is gone exemption / rate (4 exemptions at 25%) above the start of its phase-out.
    const Currency exemptionGone = byStatus(law.amtPhaseOutStart, s) + exemption.times(1.0 / law.amtPhaseOutRate);
    const Currency beyond = amountLeft(amtIncome, exemptionGone);
    return minOf(beyond.times(rate).roundDollarsEven(), exemption);
}

namespace {

// The social security part of one spouse's self-employment tax: the rate on net
// earnings up to what the spouse's wages leave of the wage base.
Currency socialSecurityPart(Currency net, Currency wages, Currency wageBase, double rate) {
    const Currency remainingBase = amountLeft(wageBase, wages);
    return remainingBase.isZero() ? Currency() : minOf(net, remainingBase).times(rate);
}

}  // namespace

Currency seTaxOnNetEarnings(Currency net, Currency wages, Currency wageBase, double socialSecurityRate) {
    if (net < kSelfEmploymentFloor) return Currency();
    return (socialSecurityPart(net, wages, wageBase, socialSecurityRate) + net.times(kMedicareRate)).roundDollarsEven();
}

Currency seTax(const iTop& r, const YearLaw& law, int spouse) {
    const iInc& inc = r.inc();
    const Currency net = netEarnings(inc.whole(spouse == tavrel::Sp1 ? iInc::SEIncSp1 : iInc::SEIncSp2));
    return seTaxOnNetEarnings(net, inc.whole(spouse == tavrel::Sp1 ? iInc::WageSp1 : iInc::WageSp2), law.wageBase,
                              law.seSocialSecurityRate);
}

Currency seTaxDeductionOfParts(const iTop& r, const YearLaw& law) {
    const iInc& inc = r.inc();
    Currency deduction;
    for (const int spouse : {tavrel::Sp1, tavrel::Sp2}) {
        if (spouse == tavrel::Sp2 && !spouse2Counts(r)) continue;
        const Currency net = netEarnings(inc.whole(spouse == tavrel::Sp1 ? iInc::SEIncSp1 : iInc::SEIncSp2));
        if (net < kSelfEmploymentFloor) continue;
        const Currency wages = inc.whole(spouse == tavrel::Sp1 ? iInc::WageSp1 : iInc::WageSp2);
        deduction += socialSecurityPart(net, wages, law.wageBase, law.seSocialSecurityRate)
                         .times(law.seSocialSecurityDeductibleShare) +
                     net.times(kMedicareRate).times(kSelfEmploymentTaxDeductibleShare);
    }
    return deduction.roundDollarsEven();
}

double medicalFloor(const iTop& r, const YearLaw& law) {
    return law.medicalFloorOver65 > 0.0 && spousesOver65(r) > 0 ? law.medicalFloorOver65 : law.medicalFloor;
}

Currency reducedSaltCap(Currency cap, Currency start, double rate, Currency floor, Currency income) {
    if (start.isZero() || income <= start) return cap;
    const Currency reduced = amountLeft(cap, (income - start).times(rate)).roundDollarsEven();
    return maxOf(reduced, floor);
}

Currency saltCapCut(const iTop& r, const YearLaw& law, Currency taxes) {
    const Status s = statusOf(r);
    const Currency cap = byStatus(law.saltCap.cap, s);
    if (cap.isZero()) return Currency();
    // Modified AGI is AGI: the foreign exclusions it adds back are not on the return.
    const Currency limit = reducedSaltCap(cap, byStatus(law.saltCap.reductionStart, s), law.saltCap.reductionRate,
                                          byStatus(law.saltCap.floor, s), r.whole(iTop::AGI));
    return amountLeft(taxes, limit);
}

Currency charityFloorCut(const iTop& r, const YearLaw& law, Currency gifts) {
    if (law.charityFloor == 0.0 || gifts <= Currency()) return Currency();
    const Currency agi = r.whole(iTop::AGI);
    const Currency floor = agi > Currency() ? agi.times(law.charityFloor).roundDollarsEven() : Currency();
    return minOf(gifts, floor);
}

Currency nonItemizerCharity(const iTop& r, const YearLaw& law) {
    const Currency most = byStatus(law.nonItemizerCharity, statusOf(r));
    const Currency gifts = r.item().whole(ItemDed::CharDed);
    return most.isZero() || gifts <= Currency() ? Currency() : minOf(gifts, most);
}

Currency seniorDeduction(const iTop& r, const YearLaw& law) {
    const Status s = statusOf(r);
    // Married couples take it only on a joint return.
    if (law.seniorDeduction.isZero() || s == Status::MarriedSeparately || s == Status::Unknown) return Currency();
    const std::int64_t people = spousesOver65(r);
    if (people == 0) return Currency();
    const Currency above = amountLeft(r.whole(iTop::AGI), byStatus(law.seniorPhaseOutStart, s));
    const Currency each = amountLeft(law.seniorDeduction, above.times(kSeniorPhaseOutRate));
    return each.timesWhole(people).roundDollarsEven();
}

double qbiShareLeft(Currency taxable, Currency threshold, Currency range) {
    if (taxable <= threshold) return 1.0;
    if (taxable >= threshold + range) return 0.0;
    return 1.0 - (taxable - threshold).toDouble() / range.toDouble();
}

Currency qbiDeduction(const iTop& r, const YearLaw& law, Currency taxableBeforeQbi) {
    const Status s = statusOf(r);
    const Currency threshold = byStatus(law.qbiThreshold, s);
    if (threshold.isZero() || taxableBeforeQbi <= Currency()) return Currency();
    // The income of a sole proprietor's business that is not a specified
    // service and pays no wages: self-employment income less the deductible
    // part of the self-employment tax.
    const iInc& inc = r.inc();
    Currency income = inc.whole(iInc::SEIncSp1);
    if (spouse2Counts(r)) income += inc.whole(iInc::SEIncSp2);
    income -= r.adj().whole(Adj2Inc::SETaxDed);
    if (income <= Currency()) return Currency();
    // Above the threshold the wage-and-property limit, zero here, phases in.
    const double left = qbiShareLeft(taxableBeforeQbi, threshold, byStatus(law.qbiPhaseInRange, s));
    Currency deduction = income.times(kQbiRate * left);
    const Currency gains = maxOf(inc.whole(iInc::AdjNetCG), Currency());
    deduction = minOf(deduction, amountLeft(taxableBeforeQbi, gains).times(kQbiRate));
    if (!law.qbiMinimum.isZero() && income >= kQbiMinimumIncome)
        deduction = minOf(maxOf(deduction, law.qbiMinimum), taxableBeforeQbi);
    return deduction.roundDollarsEven();
}

Currency netInvestmentIncomeTax(const iTop& r, const YearLaw& law) {
    const Currency threshold = byStatus(law.niitThreshold, statusOf(r));
    if (threshold.isZero()) return Currency();
    const iInc& inc = r.inc();
    // The gain, or the loss as deducted (at most 3,000; 1,500 separately),
    // counts; only the total stops at zero.
    const Currency investment =
        maxOf(inc.whole(iInc::Dividends) + inc.whole(iInc::CapGains) + inc.whole(iInc::OtherInvestmentInc), Currency());
    const Currency above = amountLeft(r.whole(iTop::AGI), threshold);
    return minOf(investment, above).times(kNetInvestmentIncomeTaxRate).roundDollarsEven();
}

Currency additionalMedicareTax(const iTop& r, const YearLaw& law) {
    const Currency threshold = byStatus(law.additionalMedicareThreshold, statusOf(r));
    if (threshold.isZero()) return Currency();
    const iInc& inc = r.inc();
    const Currency wages = inc.whole(iInc::WageSp1) + inc.whole(iInc::WageSp2);
    Currency earnings = maxOf(netEarnings(inc.whole(iInc::SEIncSp1)), Currency());
    if (spouse2Counts(r)) earnings += maxOf(netEarnings(inc.whole(iInc::SEIncSp2)), Currency());
    // Wages use the threshold first; earnings are taxed above what wages leave of it.
    const Currency onWages = amountLeft(wages, threshold);
    const Currency onEarnings = amountLeft(earnings, amountLeft(threshold, wages));
    return (onWages + onEarnings).times(kAdditionalMedicareRate).roundDollarsEven();
}

std::int64_t childCreditSteps(Currency excess) {
    // 64-bit steps: no AGI that money can hold overflows the count.
    const std::int64_t dollars = excess.wholeDollarsEven();
    return dollars / kChildCreditStep + (dollars % kChildCreditStep != 0 ? 1 : 0);
}

namespace {

// The phase-out of the credit: 50 for each 1,000 of AGI above the start, or part of 1,000.
Currency childCreditReduction(Currency agi, Currency start) {
    if (agi <= start) return Currency();
    return Currency::fromDouble4(static_cast<double>(childCreditSteps(agi - start)) * kChildCreditStep *
                                 (kChildCreditCutPerStep / kChildCreditStep));
}

}  // namespace

Currency childCredit(const iTop& r, const YearLaw& law) {
    const std::int64_t children = r.cr().NumOfChildCrChildren();
    const Status s = statusOf(r);
    const Currency agi = r.whole(iTop::AGI);
    Currency maximum = law.childCreditPerChild.timesWhole(children);
    // 2021: the extra amount phases out first, never below the usual credit.
    const Currency extra = law.childCreditExtraPerChild.timesWhole(children);
    if (!extra.isZero())
        maximum += amountLeft(extra, childCreditReduction(agi, byStatus(law.childCreditExtraPhaseOutStart, s)));
    const Currency reduction = childCreditReduction(agi, byStatus(law.childCreditPhaseOutStart, s));
    Currency credit;
    if (reduction < maximum) credit = minOf(maximum - reduction, r.whole(iTop::IncTax));
    return credit.roundDollarsEven();
}

Currency fica(Currency wages, const YearLaw& law) {
    const Currency capped = minOf(wages, law.wageBase);
    return (capped.times(law.employeeSocialSecurityRate) + wages.times(kMedicareRate * kEmployeeShare))
        .roundDollarsEven();
}

Currency seHealthInsuranceDeduction(const iTop& r, const YearLaw& law) {
    return r.adj().whole(Adj2Inc::SEMedInsPmts).times(law.seHealthInsuranceShare).roundDollarsEven();
}

Currency limitCapitalLoss(Currency net, std::int32_t filingStatus) {
    if (net < -kCent) {
        const Currency limit = law::statusOf(filingStatus) == Status::MarriedSeparately
                                   ? -kCapitalLossLimitMarriedSeparately
                                   : -kCapitalLossLimit;
        if (net < limit) return limit;
    }
    return net;
}

}  // namespace osgrin::law::rules
