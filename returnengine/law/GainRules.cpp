#include "returnengine/law/GainRules.h"

#include "returnengine/law/LawConstants.h"
#include "returnengine/law/RateTax.h"
#include "returnengine/model/TopComputations.h"
#include "returnengine/model/iTop.h"

#include <optional>

namespace osgrin::law::rules {
namespace {

using CommonTaxCalcs::amountLeft;

Currency minOf(Currency a, Currency b) { return tavrel::minMax(a, b, false); }
Currency maxOf(Currency a, Currency b) { return tavrel::minMax(a, b, true); }

Currency bracketTop(const iTop& r, const YearLaw& law) {
    return byStatus(law.cgBracketTop, statusOf(r.FilingStatus()));
}

// The low rate up to the 15% bracket top, the high rate above it, with the
// rate file of the tax year (a 2009 return under 2008 law reads the 2009 file).
Currency schedDTaxTwoRate(iTop& r, const YearLaw& law) {
    const Currency taxInc = r.whole(iTop::TaxInc);
    const Currency adjNetCG = r.inc().whole(iInc::AdjNetCG);
    ScheduleTax schedule(CommonTaxCalcs::GetRateFile(r.TaxYear()), CommonTaxCalcs::GetRateTable(r.FilingStatus()));
    const Currency ordinary = amountLeft(taxInc, adjNetCG);
    const Currency taxOrdinary = schedule.taxOn(ordinary);
    const Currency room = amountLeft(minOf(bracketTop(r, law), taxInc), ordinary);
    const Currency low = minOf(room, adjNetCG);
    const Currency taxLow = low.times(law.cgLowRate).roundDollarsEven();
    r.inc().set(iInc::Sec_1_h_1_B_Amount, low);
    const Currency taxHigh = (adjNetCG - low).times(law.cgHighRate).roundDollarsEven();
    return taxOrdinary + taxLow + taxHigh;
}

// The part of a gain taxed at the top rate (2013 on): what lies above its start,
// the income below the gain counted first. The regular worksheet caps the
// start at taxable income; the AMT's takes it as it is. Nothing in the years
// without a top rate.
Currency topRatePart(const iTop& r, const YearLaw& law, Currency gainAboveLow, Currency below,
                     std::optional<Currency> taxInc) {
    Currency start = byStatus(law.cgTopRateStart, statusOf(r.FilingStatus()));
    if (start.isZero()) return Currency();
    if (taxInc) start = minOf(*taxInc, start);
    return gainAboveLow - minOf(gainAboveLow, amountLeft(start, below));
}

// The law's worksheet: the gain taxed at the gain rates never exceeds taxable
// income; the low rate on the part inside the low band, the top rate on the
// part above its start; no rounding inside.
Currency schedDTaxEnacted(iTop& r, const YearLaw& law) {
    const Currency taxInc = maxOf(r.whole(iTop::TaxInc), Currency());
    const Currency gain = maxOf(minOf(r.inc().whole(iInc::AdjNetCG), taxInc), Currency());
    const Currency ordinary = taxInc - gain;
    ScheduleTax schedule(CommonTaxCalcs::rateFilePath(law.rateFile), CommonTaxCalcs::GetRateTable(r.FilingStatus()));
    const Currency low = minOf(amountLeft(minOf(bracketTop(r, law), taxInc), ordinary), gain);
    r.inc().set(iInc::Sec_1_h_1_B_Amount, low);
    const Currency top = topRatePart(r, law, gain - low, ordinary + low, taxInc);
    return schedule.taxOn(ordinary) + low.times(law.cgLowRate) + (gain - low - top).times(law.cgHighRate) +
           top.times(law.cgTopRate);
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

// 2001 and 2002 of the tables: the older worksheet with the low-rate and
// high-rate slices (and, in 2002, the 28% slice of the groups the return has
// no input for).
Currency schedDTaxMultiRate(iTop& r, const YearLaw& law) {
    const bool is2002 = law.cgWorksheet == CapGainWorksheet::MultiRate2002;
    const iInc& inc = r.inc();
    Currency gain = minOf(inc.whole(iInc::NetLTCG), inc.whole(iInc::CapGains));
    if (is2002 ? gain < Currency() : gain < kCent) gain = Currency();
    const Currency taxInc = r.whole(iTop::TaxInc);
    const Currency ordinary = amountLeft(taxInc, gain);
    const Currency taxOrdinary = regularTaxOn(r, ordinary);
    const Currency capped = minOf(taxInc, bracketTop(r, law));
    const Currency sliceLow = maxOf(capped - ordinary, Currency());
    const Currency sliceHigh = maxOf(minOf(taxInc, gain) - sliceLow, Currency());
    Currency sum = taxOrdinary + sliceLow.times(law.cgLowRate) + sliceHigh.times(law.cgHighRate);
    if (!is2002) return minOf(sum, r.whole(iTop::IncTax)).roundDollarsEven();
    const Currency slice28 = maxOf(taxInc - ordinary - sliceLow - sliceHigh, Currency());
    sum += slice28.times(kCollectiblesRate);
    return minOf(sum.roundDollarsEven(), regularTaxOn(r, taxInc));
}

}  // namespace

Currency schedDTax(iTop& r, const YearLaw& law) {
    switch (law.cgWorksheet) {
    case CapGainWorksheet::MultiRate2001:
    case CapGainWorksheet::MultiRate2002: return schedDTaxMultiRate(r, law);
    case CapGainWorksheet::TwoRate: return schedDTaxTwoRate(r, law);
    case CapGainWorksheet::Enacted: break;
    }
    return schedDTaxEnacted(r, law);
}

Currency amtCapGainTax(const iTop& r, const YearLaw& law, AmtWorkRecord& record) {
    const iInc& inc = r.inc();
    const Currency adjNetCG = inc.whole(iInc::AdjNetCG);
    if (law.amtForm == AmtForm::Tables) {
        // The amount the regular worksheet taxed at its low rate, at the AMT's.
        const Currency low = minOf(inc.whole(iInc::Sec_1_h_1_B_Amount), record.TaxIncPostExemption);
        const Currency rest = amountLeft(adjNetCG, low);
        return low.times(law.amtGainLowRate).roundDollarsEven() + rest.times(law.amtGainHighRate).roundDollarsEven();
    }
    // The gain inside the AMT base; the low band is what the regular tax's
    // ordinary taxable income leaves below the bracket top.
    const Currency gain = maxOf(minOf(record.TaxIncPostExemption, adjNetCG), Currency());
    const Currency regularOrdinary = amountLeft(r.whole(iTop::TaxInc), adjNetCG);
    const Currency low = minOf(amountLeft(bracketTop(r, law), regularOrdinary), gain);
    // The top rate's part: above its start, with the regular tax's ordinary
    // income or the low band's top, whichever is higher, below the gain.
    const Currency top = topRatePart(r, law, gain - low, maxOf(bracketTop(r, law), regularOrdinary), std::nullopt);
    return low.times(law.amtGainLowRate) + (gain - low - top).times(law.amtGainHighRate) + top.times(law.cgTopRate);
}

}  // namespace osgrin::law::rules
