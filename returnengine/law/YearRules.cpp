#include "returnengine/law/YearRules.h"

#include "common/FilingStatus.h"
#include "returnengine/law/IraRecompute.h"
#include "returnengine/law/ItemDedCalcs.h"
#include "returnengine/law/LawConstants.h"
#include "returnengine/model/iTop.h"

namespace osgrin::law::rules {
namespace {

using CommonTaxCalcs::amountLeft;

Currency minOf(Currency a, Currency b) { return tavrel::minMax(a, b, false); }
Currency maxOf(Currency a, Currency b) { return tavrel::minMax(a, b, true); }

Status statusOf(const iTop& r) { return law::statusOf(r.FilingStatus()); }

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

Currency itemDedPhaseOut(iTop& r, const YearLaw& law) {
    ItemDed& item = r.item();
    Currency limited = item.whole(ItemDed::TotGross) - item.whole(ItemDed::MedDed);
    if (law.limitationBase == LimitationBase::AllButMedicalInterestCasualty)
        limited -= item.whole(ItemDed::InvIntDed) + item.whole(ItemDed::CasualtyDed);
    const Currency limit80 = limited.times(kItemizedLimitationCap).roundDollarsEven();
    const Currency start =
        statusOf(r) == Status::MarriedSeparately ? law.itemLimitationStartMarSep : law.itemLimitationStartOthers;
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
        const Currency reduction = (record.TaxInc - start).times(kAmtExemptionPhaseOutRate).roundDollarsEven();
        exemption = amountLeft(base, reduction);
    }
    record.Exemption = exemption.roundDollarsEven();
    return record.Exemption;
}

Currency amtMarriedSeparatelyAddition(const iTop& r, const YearLaw& law, Currency amtIncome) {
    const Status s = statusOf(r);
    if (!law.amtMarriedSeparatelyAddition || s != Status::MarriedSeparately) return Currency();
    const Currency exemption = byStatus(law.amtExemption, s);
    // The exemption is gone 4 exemptions (at 25%) above the start of its phase-out.
    const Currency exemptionGone = byStatus(law.amtPhaseOutStart, s) + exemption.timesWhole(4);
    const Currency beyond = amountLeft(amtIncome, exemptionGone);
    return minOf(beyond.times(kAmtExemptionPhaseOutRate).roundDollarsEven(), exemption);
}

Currency seTaxOnNetEarnings(Currency net, Currency wages, Currency wageBase) {
    if (net < kSelfEmploymentFloor) return Currency();
    const Currency remainingBase = amountLeft(wageBase, wages);
    const Currency socialSecurity =
        remainingBase.isZero() ? Currency() : minOf(net, remainingBase).times(kSocialSecurityRate);
    return (socialSecurity + net.times(kMedicareRate)).roundDollarsEven();
}

Currency seTax(const iTop& r, const YearLaw& law, int spouse) {
    const iInc& inc = r.inc();
    const Currency se = inc.whole(spouse == tavrel::Sp1 ? iInc::SEIncSp1 : iInc::SEIncSp2);
    const Currency net = se > Currency() ? se.times(kNetEarningsFactor) : se;
    return seTaxOnNetEarnings(net, inc.whole(spouse == tavrel::Sp1 ? iInc::WageSp1 : iInc::WageSp2), law.wageBase);
}

std::int64_t childCreditSteps(Currency excess) {
    // 64-bit steps: no AGI that money can hold overflows the count.
    const std::int64_t dollars = excess.wholeDollarsEven();
    return dollars / kChildCreditStep + (dollars % kChildCreditStep != 0 ? 1 : 0);
}

Currency childCredit(const iTop& r, const YearLaw& law) {
    const Currency maximum = law.childCreditPerChild.timesWhole(r.cr().NumOfChildCrChildren());
    const Currency start = byStatus(law.childCreditPhaseOutStart, statusOf(r));
    const Currency agi = r.whole(iTop::AGI);
    Currency reduction;
    if (agi > start)
        reduction = Currency::fromDouble4(static_cast<double>(childCreditSteps(agi - start)) * kChildCreditStep *
                                          (kChildCreditCutPerStep / kChildCreditStep));
    Currency credit;
    if (reduction < maximum) credit = minOf(maximum - reduction, r.whole(iTop::IncTax));
    return credit.roundDollarsEven();
}

Currency fica(Currency wages, const YearLaw& law) {
    const Currency capped = minOf(wages, law.wageBase);
    return (capped.times(kSocialSecurityRate * kEmployeeShare) + wages.times(kMedicareRate * kEmployeeShare))
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
