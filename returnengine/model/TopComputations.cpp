#include "TopComputations.h"

#include "iTop.h"

#include "../law/Adj2IncCalcs.h"
#include "../law/AltMinTaxCalcs.h"
#include "../law/CommonTaxCalcs.h"
#include "../law/ItemDedCalcs.h"
#include "../law/LawTrap.h"
#include "../law/OtherTaxesCalc.h"
#include "../law/RateTax.h"
#include "../law/TaxCrCalcs.h"
#include "../law/TotIncCalcs.h"
#include "../law/YearRouting.h"

namespace osgrin::TopComputations {

void TopTaxCalc(iTop& r) {
    tavrel::guarded("TopComputations.TopTaxCalc", [&] {
        ItemDed& item = r.item();
        iAMT& amt = r.amt();
        // 1-2. Total income and adjusted gross income.
        const Currency totalIncome = TotIncCalcs::CalcTotInc(r);
        const Currency agi = totalIncome - Adj2IncCalcs::Adj2IncCalc(r);
        r.set(iTop::AGI, agi);
        // 3-4. The larger deduction; a tie takes the standard deduction.
        const Currency itemized = ItemDedCalcs::ItemDedCalc(r);
        const Currency standard = ItemDedCalcs::CalcStdDedSub(r);
        const bool itemizes = itemized > standard;
        item.setItemizing(itemizes);
        const Currency deduction = itemizes ? itemized : standard;
        r.set(iTop::ItemOrStdDed, deduction);
        // 5-6. Exemptions (read back in whole dollars) and taxable income, not floored.
        const Currency exemptions = item.whole(ItemDed::ExemptionDedNet);
        r.set(iTop::ExemptionDed, exemptions);
        r.set(iTop::TaxInc, agi - deduction - exemptions);
        // 7. Carryforwards, once taxable income is known.
        TotIncCalcs::CalcCapLossCarryforward(r);
        // 8-10. Ordinary-rate tax, capital-gain-rate tax, and the regular tax.
        const Currency ordinaryTax = GetIncTax(r);
        r.set(iTop::IncTax, ordinaryTax);
        const std::optional<Currency> capGainTax = GetSchedDTaxIfAny(r);
        // Without a capital-gain computation for the year the ordinary tax stands.
        const bool useCapGainRates =
            r.inc().whole(iInc::AdjNetCG) > Currency() && capGainTax && ordinaryTax > *capGainTax;
        const Currency regularTax = useCapGainRates ? *capGainTax : ordinaryTax;
        r.set(iTop::IncTax, regularTax);
        // 11-12. Tentative minimum tax and the combined tax.
        const Currency tentative = AltMinTaxCalcs::CalcAMT(r);
        amt.set(iAMT::TentativeAMT, tentative);
        Currency combined;
        if (regularTax > tentative) {
            combined = regularTax;
            amt.set(iAMT::AMT, Currency());
        } else if (tentative > Currency()) {
            combined = tentative;
            amt.set(iAMT::AMT, tentative - regularTax);
        } else {
            amt.set(iAMT::AMT, Currency());
        }
        r.set(iTop::RegAndAmtTax, combined);
        // 13-16. Other taxes, credits, total tax and the balance due (negative: a refund).
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
        int year = r.TaxYear();
        year = year < 2001 ? 2001 : year > 2008 ? 2008 : year;
        return scheduleTax(CommonTaxCalcs::GetRateFile(year), CommonTaxCalcs::GetRateTable(r.FilingStatus()),
                           r.whole(iTop::TaxInc));
    });
}

std::optional<Currency> GetSchedDTaxIfAny(iTop& r) {
    return lawTrap("TopComputations.GetSchedDTax", [&]() -> std::optional<Currency> {
        const int year = r.TaxYear();
        const Currency cent = Currency::fromScaled(100);
        // 2001 and 2002 apply to capital gains; later years to the adjusted net capital gain.
        const bool applies = year < 2003 ? r.inc().whole(iInc::CapGains) > cent : r.inc().whole(iInc::AdjNetCG) > cent;
        const int routed = law::routedYear(law::Family::GetSchedDTax, year);
        if (!applies || routed == law::kNoFunction) return std::nullopt;
        return law::yearFunctions(routed).GetSchedDTax(r);
    });
}

Currency GetSchedDTax(iTop& r) { return GetSchedDTaxIfAny(r).value_or(Currency()); }

}  // namespace osgrin::TopComputations
