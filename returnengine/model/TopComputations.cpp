#include "returnengine/model/TopComputations.h"

#include "returnengine/model/iTop.h"

#include "returnengine/law/Adj2IncCalcs.h"
#include "returnengine/law/AltMinTaxCalcs.h"
#include "returnengine/law/CommonTaxCalcs.h"
#include "returnengine/law/EntryPoints.h"
#include "returnengine/law/ItemDedCalcs.h"
#include "returnengine/law/LawConstants.h"
#include "returnengine/law/LawTrap.h"
#include "returnengine/law/OtherTaxesCalc.h"
#include "returnengine/law/RateTax.h"
#include "returnengine/law/TaxCrCalcs.h"
#include "returnengine/law/TotIncCalcs.h"
#include "returnengine/law/YearRules.h"

namespace osgrin::TopComputations {
namespace {

// The regular tax and the tentative minimum tax of one choice of deduction.
struct TaxesOfChoice {
    Currency regular;
    Currency tentative;
    Currency combined;
};

// What the choice between the deductions works with: the two deductions, what
// a return on the standard deduction deducts besides (its charity, 2020, 2021
// and 2026 on), the senior deduction both take, AGI, and whether taxable
// income stops at zero.
struct Deductions {
    Currency itemized;
    Currency standard;
    Currency standardCharity;
    Currency senior;
    Currency agi;
    bool floorAtZero;
};

// Steps 4 to 12 for one choice of deduction: taxable income, the carryforwards,
// the regular tax (with the gain rates where lower), the minimum tax and the
// combined tax. Every line they write is written again by another choice.
TaxesOfChoice taxesWith(iTop& r, bool itemizes, const Deductions& d) {
    ItemDed& item = r.item();
    iAMT& amt = r.amt();
    item.setItemizing(itemizes);
    const Currency deduction = itemizes ? d.itemized : d.standard;
    r.set(iTop::ItemOrStdDed, deduction);
    const Currency charity = itemizes ? Currency() : d.standardCharity;
    r.set(iTop::NonItemizerCharity, charity);
    // Exemptions (read back in whole dollars), the deductions after AGI, and taxable income.
    const Currency exemptions = item.whole(ItemDed::ExemptionDedNet);
    r.set(iTop::ExemptionDed, exemptions);
    const Currency beforeQbi = d.agi - deduction - exemptions - d.senior - charity;
    const Currency qbi = law::rules::qbiDeduction(r, law::yearRules(r), beforeQbi);
    r.set(iTop::QBIDed, qbi);
    const Currency taxable = beforeQbi - qbi;
    r.set(iTop::TaxInc, d.floorAtZero && taxable < Currency() ? Currency() : taxable);
    // Carryforwards, once taxable income is known.
    TotIncCalcs::CalcCapLossCarryforward(r);
    // Ordinary-rate tax, capital-gain-rate tax, and the regular tax.
    const Currency ordinaryTax = GetIncTax(r);
    r.set(iTop::IncTax, ordinaryTax);
    const std::optional<Currency> capGainTax = GetSchedDTaxIfAny(r);
    // Without a capital-gain computation for the year the ordinary tax stands.
    const bool useCapGainRates = r.inc().whole(iInc::AdjNetCG) > Currency() && capGainTax && ordinaryTax > *capGainTax;
    TaxesOfChoice t;
    t.regular = useCapGainRates ? *capGainTax : ordinaryTax;
    r.set(iTop::IncTax, t.regular);
    // Tentative minimum tax and the combined tax.
    t.tentative = AltMinTaxCalcs::CalcAMT(r);
    amt.set(iAMT::TentativeAMT, t.tentative);
    if (t.regular > t.tentative) {
        t.combined = t.regular;
        amt.set(iAMT::AMT, Currency());
    } else if (t.tentative > Currency()) {
        t.combined = t.tentative;
        amt.set(iAMT::AMT, t.tentative - t.regular);
    } else {
        amt.set(iAMT::AMT, Currency());
    }
    r.set(iTop::RegAndAmtTax, t.combined);
    return t;
}

// After a computation with the itemized deductions (more than the standard
// deduction): whether the standard deduction's regular tax + AMT is certainly
// higher, so that it need not be computed. The standard deduction adds taxable
// income and AMT income; that costs tax for certain when the extra taxable
// income is ordinary (ordinary income is already above zero) and the regular
// tax decides, or when the AMT decides, the AMT allowed some itemized
// deductions and its base is already above the gains.
bool standardCertainlyCostsMore(const iTop& r, const TaxesOfChoice& itemizing) {
    const Currency gains = tavrel::minMax(r.inc().whole(iInc::AdjNetCG), Currency(), true);
    if (itemizing.regular >= itemizing.tentative) return r.get(iTop::TaxInc) > gains;
    const iAMT& amt = r.amt();
    return amt.get(iAMT::ItemDed) > Currency() && amt.get(iAMT::TaxIncPostExemption) > gains;
}

// Itemize only when that gives the lower regular tax + AMT; on a tie the
// standard deduction. Each choice is computed only when the other one cannot
// be known to win: itemizing more than the standard deduction never costs
// more, and itemizing less only helps a return whose AMT decides.
void chooseByLowerTax(iTop& r, const Deductions& d) {
    if (d.itemized > d.standard + d.standardCharity) {
        const TaxesOfChoice withItemized = taxesWith(r, true, d);
        if (standardCertainlyCostsMore(r, withItemized)) return;
        const TaxesOfChoice withStandard = taxesWith(r, false, d);
        if (withItemized.combined < withStandard.combined) taxesWith(r, true, d);
        return;
    }
    const TaxesOfChoice withStandard = taxesWith(r, false, d);
    // Itemizing no more than the standard deduction never lowers the regular
    // tax, and lowers the AMT only through deductions the AMT allows.
    if (withStandard.tentative <= withStandard.regular) return;
    if (AltMinTaxCalcs::DeductionsIfItemizing(r) <= Currency()) return;
    const TaxesOfChoice withItemized = taxesWith(r, true, d);
    if (!(withItemized.combined < withStandard.combined)) taxesWith(r, false, d);
}

}  // namespace

void TopTaxCalc(iTop& r) {
    tavrel::guarded("TopComputations.TopTaxCalc", [&] {
        const law::YearLaw& law = law::yearRules(r);
        // 1-2. Total income and adjusted gross income.
        const Currency totalIncome = TotIncCalcs::CalcTotInc(r);
        const Currency agi = totalIncome - Adj2IncCalcs::Adj2IncCalc(r);
        r.set(iTop::AGI, agi);
        // 3. Both deductions (these also compute the exemptions).
        const Currency itemized = ItemDedCalcs::ItemDedCalc(r);
        const Currency standard = ItemDedCalcs::CalcStdDedSub(r);
        // The deductions after AGI that do not depend on the choice.
        const Currency senior = law::rules::seniorDeduction(r, law);
        r.set(iTop::SeniorDed, senior);
        const Deductions d{itemized, standard, law::rules::nonItemizerCharity(r, law),
                           senior,   agi,      law.taxableIncomeFloorAtZero};
        // 4-12. The deduction, taxable income, the regular tax and the minimum tax.
        if (law.deductionChoice == law::DeductionChoice::Larger) {
            // The larger deduction; a tie takes the standard deduction.
            taxesWith(r, itemized > standard, d);
        } else {
            chooseByLowerTax(r, d);
        }
        // 13-16. Other taxes, credits, total tax and the balance due (negative: a refund).
        const Currency combined = r.get(iTop::RegAndAmtTax);
        const Currency otherTaxes = OtherTaxesCalc::CalcOtherTaxes(r);
        r.set(iTop::OtherTax, otherTaxes);
        const Currency credits = TaxCrCalcs::CalcTaxCr(r);
        const Currency totalTax = combined + otherTaxes - credits;
        r.set(iTop::TotTax, totalTax);
        r.set(iTop::BalDue, totalTax - r.whole(iTop::TotPmts));
    });
}

Currency GetIncTax(iTop& r) {
    return tavrel::guarded("TopComputations.GetIncTax", [&] {
        const law::YearLaw* row = law::rowFor(r, law::Family::GetIncTax);
        return scheduleTax(CommonTaxCalcs::rateFilePath(row->rateFile), CommonTaxCalcs::GetRateTable(r.FilingStatus()),
                           r.whole(iTop::TaxInc));
    });
}

std::optional<Currency> GetSchedDTaxIfAny(iTop& r) {
    return lawTrap("TopComputations.GetSchedDTax", [&]() -> std::optional<Currency> {
        const int year = law::routedYear(r, law::Family::GetSchedDTax);
        if (year == law::kNoFunction) return std::nullopt;
        const law::CapGainWorksheet worksheet = law::lawOf(r).row(year).cgWorksheet;
        // The older worksheets apply to capital gains; the later ones to the
        // adjusted net capital gain.
        const bool older =
            worksheet == law::CapGainWorksheet::MultiRate2001 || worksheet == law::CapGainWorksheet::MultiRate2002;
        const iInc& inc = r.inc();
        const bool applies = (older ? inc.whole(iInc::CapGains) : inc.whole(iInc::AdjNetCG)) > law::kCent;
        if (!applies) return std::nullopt;
        return law::entry::GetSchedDTax(r, year);
    });
}

Currency GetSchedDTax(iTop& r) { return GetSchedDTaxIfAny(r).value_or(Currency()); }

}  // namespace osgrin::TopComputations
