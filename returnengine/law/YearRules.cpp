#include "YearRules.h"

#include "ItemDedCalcs.h"
#include "LawTrap.h"
#include "RateTax.h"
#include "TopComputations.h"
#include "iTop.h"

namespace osgrin::law::rules {
namespace {

using CommonTaxCalcs::SubtractNotZero;

Currency minOf(Currency a, Currency b) { return tavrel::minMax(a, b, false); }
Currency maxOf(Currency a, Currency b) { return tavrel::minMax(a, b, true); }

bool inStatusRange(std::int32_t s) { return s >= 1 && s <= 5; }

Currency byStatus(const ByStatus& table, std::int32_t s) { return inStatusRange(s) ? table[static_cast<std::size_t>(s)] : Currency(); }

// Puts the IRA contributions back after the recomputation without them, also
// when that recomputation fails.
class ContributionsWithheld {
public:
    explicit ContributionsWithheld(iTop& r) : adj_(r.adj()), editing_(adj_.isEditing()) {
        for (std::size_t i = 0; i < 4; ++i) {
            texts_[i] = adj_.text(kLines[i]);
            exact_[i] = adj_.get(kLines[i]);
        }
        // In an edit the public setters take the zeros, exactly as a user's entry
        // would; outside one they would be ignored and the recomputation would
        // never end, so the values are stored directly.
        for (std::size_t i = 0; i < 2; ++i) {
            if (editing_) adj_.let(kLines[i], "0");
            else adj_.store(kLines[i], Currency());
        }
    }
    ContributionsWithheld(const ContributionsWithheld&) = delete;
    ContributionsWithheld& operator=(const ContributionsWithheld&) = delete;
    ~ContributionsWithheld() {
        if (editing_) {
            // Back through the setters as text, as the values were saved.
            try {
                adj_.let(kLines[0], texts_[0]);
                adj_.let(kLines[1], texts_[1]);
                adj_.setFromText(kLines[2], texts_[2]);
                adj_.setFromText(kLines[3], texts_[3]);
            } catch (...) {
                restoreExact();
            }
        } else {
            restoreExact();
        }
    }

private:
    void restoreExact() {
        for (std::size_t i = 0; i < 4; ++i) adj_.store(kLines[i], exact_[i]);
    }
    static constexpr std::size_t kLines[4] = {Adj2Inc::IRAContribSP1, Adj2Inc::IRAContribSP2, Adj2Inc::IRADedSp1,
                                              Adj2Inc::IRADedSp2};
    Adj2Inc& adj_;
    bool editing_;
    std::string texts_[4];
    Currency exact_[4];
};

// Total adjustments of the whole return recomputed with both IRA contributions at 0.
Currency adjustmentsWithoutContributions(iTop& r) {
    // The recomputation sees zero contributions, so it cannot come back here; the
    // depth check keeps any future path from recursing without end.
    if (r.recomputeDepth() > 0) throw tavrel::TaxError::standard(tavrel::err::OutOfStack, std::string(kProjectName));
    ContributionsWithheld withheld(r);
    ++r.recomputeDepth();
    try {
        r.Calculate();
    } catch (...) {
        --r.recomputeDepth();
        throw;
    }
    --r.recomputeDepth();
    return r.whole(iTop::Adj2Inc);
}

}  // namespace

Currency stdDed(const iTop& r, const YearLaw& law) {
    const std::int32_t s = r.FilingStatus();
    std::int64_t boxes = int(r.IsSp1Blind()) + int(r.IsSp1Over65());
    if (s == 2) boxes += int(r.IsSp2Over65()) + int(r.IsSp2Blind());
    const Currency perBox = (s == 1 || s == 4) ? law.perBoxSingleOrHead : law.perBoxOthers;
    return (byStatus(law.stdDedBase, s) + perBox.timesWhole(boxes)).roundDollarsEven();
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
    const std::int32_t s = r.FilingStatus();
    const Currency threshold = byStatus(law.exemptionThreshold, s);
    Currency reduction;
    if (agi > threshold) {
        const Currency gross = ItemDedCalcs::CalcExemptionDedGross(r);
        const Currency steps = exemptionPhaseOutSteps(agi - threshold, usd(s == 3 ? 1250 : 2500));
        const double percentage = steps.toDouble() * 0.02;
        reduction = minOf(gross.times(percentage), gross);
    }
    if (law.exemptionReductionDivisor != 1.0) reduction = reduction.dividedBy(law.exemptionReductionDivisor);
    return reduction.roundDollarsEven();
}

Currency itemDedPhaseOut(iTop& r, const YearLaw& law) {
    ItemDed& item = r.item();
    const Currency limit80 = (item.whole(ItemDed::TotGross) - item.whole(ItemDed::MedDed)).times(0.80).roundDollarsEven();
    const Currency threshold = r.FilingStatus() == 3 ? law.itemThresholdMarSep : law.itemThresholdOthers;
    const Currency agi = r.whole(iTop::AGI);
    Currency reduction;
    if (agi > threshold) {
        reduction = minOf((agi - threshold).times(0.03).roundDollarsEven(), limit80);
        if (law.itemReductionTwoThirds) {
            const double d = reduction.toDouble();
            reduction = Currency::fromDouble4(d - d / 3.0);
        }
    }
    item.set(ItemDed::TotReduction, reduction);
    return reduction.roundDollarsEven();
}

Currency iraLimitInBand(Currency gap) {
    Currency limit = gap.times(0.20);
    const std::int64_t cents = limit.timesWhole(100).wholeDollarsEven();  // the amount in whole cents
    if (cents % 1000 != 0) limit = usd((cents / 1000 + 1) * 10);
    return maxOf(limit, usd(200));
}

Currency limitIRADed4Spouse(iTop& r, const YearLaw& law, bool spouse2) {
    const Adj2Inc& adj = r.adj();
    const std::int32_t s = r.FilingStatus();
    const bool covered = spouse2 ? adj.IsSp2InRetPlan() : adj.IsSp1InRetPlan();
    Currency bandEnd;
    if (s == 2 || s == 5) bandEnd = covered ? law.iraBandEndJointCovered : law.iraBandEndJointNotCovered;
    else if (s == 1 || s == 3 || s == 4) bandEnd = law.iraBandEndOthers;

    const Currency totalIncome = r.whole(iTop::TotalInc);
    const Currency modifiedIncome = totalIncome - adjustmentsWithoutContributions(r);

    Currency limit;
    if (modifiedIncome < bandEnd) {
        const Currency gap = bandEnd - modifiedIncome;
        limit = gap >= law.iraBandWidth ? law.iraMaximum : iraLimitInBand(gap);
    }
    const Currency contribution = adj.whole(spouse2 ? Adj2Inc::IRAContribSP2 : Adj2Inc::IRAContribSP1);
    return minOf(limit, contribution).roundDollarsEven();
}

namespace {

// 2003 and later: the low rate up to the 15% bracket top, 15% above it.
Currency schedDTaxTwoRate(iTop& r, const YearLaw& law) {
    const int year = r.TaxYear();  // not clamped: a 2009 return reads the 2009 rate file
    const Currency taxInc = r.whole(iTop::TaxInc);
    const Currency adjNetCG = r.inc().whole(iInc::AdjNetCG);
    ScheduleTax schedule(CommonTaxCalcs::GetRateFile(year), CommonTaxCalcs::GetRateTable(r.FilingStatus()));
    const Currency ordinary = SubtractNotZero(adjNetCG, taxInc);
    const Currency top = byStatus(law.cgBracketTop, r.FilingStatus());
    const Currency taxOrdinary = schedule.taxOn(ordinary);
    const Currency room = SubtractNotZero(ordinary, minOf(top, taxInc));
    const Currency low = minOf(room, adjNetCG);
    const Currency taxLow = low.times(law.cgLowRate).roundDollarsEven();
    r.inc().set(iInc::Sec_1_h_1_B_Amount, low);
    const Currency taxHigh = (adjNetCG - low).times(0.15).roundDollarsEven();
    return taxOrdinary + taxLow + taxHigh;
}

// The regular tax on another amount than TaxInc: TaxInc is set for the call and put back.
Currency regularTaxOn(iTop& r, Currency amount) {
    const std::string saved = r.text(iTop::TaxInc);
    r.set(iTop::TaxInc, amount);
    Currency tax;
    try {
        tax = TopComputations::GetIncTax(r);
    } catch (...) {
        r.setFromText(iTop::TaxInc, saved);
        throw;
    }
    r.setFromText(iTop::TaxInc, saved);
    return tax;
}

// 2001 and 2002: the older worksheet with the 10% and 20% slices (and, in 2002,
// the 25% and 28% slices, whose gain groups the return has no input for).
Currency schedDTaxMultiRate(iTop& r, const YearLaw& law) {
    const bool is2002 = law.cgWorksheet == CapGainWorksheet::MultiRate2002;
    const iInc& inc = r.inc();
    Currency gain = minOf(inc.whole(iInc::NetLTCG), inc.whole(iInc::CapGains));
    if (is2002 ? gain < Currency() : gain < Currency::fromScaled(100)) gain = Currency();
    const Currency taxInc = r.whole(iTop::TaxInc);
    const Currency ordinary = SubtractNotZero(gain, taxInc);
    const Currency taxOrdinary = regularTaxOn(r, ordinary);
    const Currency capped = minOf(taxInc, byStatus(law.cgBracketTop, r.FilingStatus()));
    const Currency slice10 = maxOf(capped - ordinary, Currency());
    const Currency slice20 = maxOf(minOf(taxInc, gain) - slice10, Currency());
    Currency sum = taxOrdinary + slice10.times(0.10) + slice20.times(0.20);
    if (!is2002) return minOf(sum, r.whole(iTop::IncTax)).roundDollarsEven();
    const Currency slice28 = maxOf(taxInc - ordinary - slice10 - slice20, Currency());
    sum += slice28.times(0.28);
    return minOf(sum.roundDollarsEven(), regularTaxOn(r, taxInc));
}

}  // namespace

Currency schedDTax(iTop& r, const YearLaw& law) {
    return law.cgWorksheet == CapGainWorksheet::TwoRate ? schedDTaxTwoRate(r, law) : schedDTaxMultiRate(r, law);
}

Currency amtExemption(const iTop& r, const YearLaw& law, AmtWorkRecord& record) {
    Currency threshold = usd(-200000), base = usd(-200000);
    switch (r.FilingStatus()) {
    case 2:
    case 5: threshold = law.amtThresholdJoint; base = law.amtBaseJoint; break;
    case 3: threshold = law.amtThresholdMarSep; base = law.amtBaseMarSep; break;
    case 1:
    case 4: threshold = law.amtThresholdSingle; base = law.amtBaseSingle; break;
    default: break;
    }
    Currency exemption = base;
    if (record.TaxInc >= threshold) {
        const Currency reduction = (record.TaxInc - threshold).times(0.25).roundDollarsEven();
        exemption = SubtractNotZero(reduction, base);
    }
    record.Exemption = exemption.roundDollarsEven();
    return record.Exemption;
}

Currency amtCapGainTax(const iTop& r, AmtWorkRecord& record) {
    const iInc& inc = r.inc();
    const Currency low = minOf(inc.whole(iInc::Sec_1_h_1_B_Amount), record.TaxIncPostExemption);
    const Currency rest = SubtractNotZero(low, inc.whole(iInc::AdjNetCG));
    return low.times(0.05).roundDollarsEven() + rest.times(0.15).roundDollarsEven();
}

Currency seTaxOnNetEarnings(Currency net, Currency wages, Currency wageBase) {
    if (net < usd(400)) return Currency();
    const Currency remainingBase = SubtractNotZero(wages, wageBase);
    const Currency socialSecurity = remainingBase.isZero() ? Currency() : minOf(net, remainingBase).times(0.124);
    return (socialSecurity + net.times(0.029)).roundDollarsEven();
}

Currency seTax(const iTop& r, const YearLaw& law, int spouse) {
    const iInc& inc = r.inc();
    const Currency se = inc.whole(spouse == 0 ? iInc::SEIncSp1 : iInc::SEIncSp2);
    const Currency net = se > Currency() ? se.times(0.9235) : se;
    return seTaxOnNetEarnings(net, inc.whole(spouse == 0 ? iInc::WageSp1 : iInc::WageSp2), law.wageBase);
}

std::int64_t childCreditSteps(Currency excess) {
    // 64-bit steps: no AGI that money can hold overflows the count.
    const std::int64_t dollars = excess.wholeDollarsEven();
    return dollars / 1000 + (dollars % 1000 != 0 ? 1 : 0);
}

Currency childCredit(const iTop& r, const YearLaw& law) {
    const Currency maximum = law.childCreditPerChild.timesWhole(r.cr().NumOfChildCrChildren());
    const std::int32_t s = r.FilingStatus();
    const Currency threshold = usd(s == 2 ? 110000 : s == 3 ? 55000 : 75000);
    const Currency agi = r.whole(iTop::AGI);
    Currency reduction;
    if (agi > threshold)
        reduction = Currency::fromDouble4(static_cast<double>(childCreditSteps(agi - threshold)) * 1000.0 * 0.05);
    Currency credit;
    if (reduction < maximum) credit = minOf(maximum - reduction, r.whole(iTop::IncTax));
    return credit.roundDollarsEven();
}

Currency fica(Currency wages, const YearLaw& law) {
    const Currency capped = minOf(wages, law.wageBase);
    return (capped.times(0.124 / 2) + wages.times(0.029 / 2)).roundDollarsEven();
}

Currency limitCapitalLoss(Currency net, std::int32_t filingStatus) {
    if (net < Currency::fromScaled(-100)) {
        const Currency limit = usd(filingStatus == 3 ? -1500 : -3000);
        if (net < limit) return limit;
    }
    return net;
}

}  // namespace osgrin::law::rules
