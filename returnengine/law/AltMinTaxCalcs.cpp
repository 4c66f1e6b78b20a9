#include "AltMinTaxCalcs.h"

#include "CommonTaxCalcs.h"
#include "LawTrap.h"
#include "RateTax.h"
#include "YearRouting.h"
#include "iTop.h"

namespace osgrin::AltMinTaxCalcs {

using CommonTaxCalcs::SubtractNotZero;

namespace {
// Capital-gain part when no computation exists for the year: 2001 and 2002 carry
// a prohibitive figure (their worksheet was never built), earlier years none.
constexpr Currency kNoCapGainComputation = tavrel::usd(999999999);
}  // namespace

Currency CalcAMT(iTop& r) {
    return lawTrap("AltMinTaxCalcs.CalcAMT", [&] {
        iAMT& amt = r.amt();
        const ItemDed& item = r.item();
        AmtWorkRecord rec;
        amt.set(iAMT::AGI, r.whole(iTop::AGI));
        rec.AGI = amt.whole(iAMT::AGI);
        // Medical above 10% of AGI, from all medical payments; a negative AGI
        // gives a floor of 0, never a deduction of nothing paid.
        const Currency floor =
            rec.AGI > Currency() ? Currency::fromDouble4(rec.AGI.toDouble() * 0.10).roundDollarsEven() : Currency();
        rec.MedDed = SubtractNotZero(floor, item.whole(ItemDed::MedPmts)).roundDollarsEven();
        amt.set(iAMT::MedDed, rec.MedDed);
        rec.MortgIntDed = item.whole(ItemDed::HomeMortIntReg);  // the interest the AMT allows
        amt.set(iAMT::MortgIntDed, rec.MortgIntDed);
        rec.CasualtyDed = item.whole(ItemDed::CasualtyDed);
        amt.set(iAMT::CasualtyDed, rec.CasualtyDed);
        rec.CharDed = item.whole(ItemDed::CharDed);
        amt.set(iAMT::CharDed, rec.CharDed);
        // Taxes, miscellaneous deductions and investment interest are not allowed.
        rec.ItemDed = rec.MedDed + rec.MortgIntDed + rec.CasualtyDed + rec.CharDed;
        amt.set(iAMT::ItemDed, rec.ItemDed);
        rec.TaxInc = rec.AGI - rec.ItemDed;
        amt.set(iAMT::TaxInc, rec.TaxInc);

        const int year = r.TaxYear();
        const int exemptionYear = law::routedYear(law::Family::CalcAMTExemption, year);
        if (exemptionYear != law::kNoFunction) {
            law::yearFunctions(exemptionYear).CalcAMTExemption(r, rec);
            amt.set(iAMT::Exemption, rec.Exemption);
        }
        rec.TaxIncPostExemption = rec.TaxInc - rec.Exemption;
        amt.set(iAMT::TaxIncPostExemption, rec.TaxIncPostExemption);
        Currency ordinaryTax = GetAmtTax(r, rec.TaxIncPostExemption);
        amt.set(iAMT::RegularTax, r.whole(iTop::IncTax));

        const Currency adjNetCG = r.inc().whole(iInc::AdjNetCG);
        if (adjNetCG <= Currency()) {
            amt.set(iAMT::TAMTAtOrdRates, ordinaryTax);
            amt.set(iAMT::TentativeAMT, ordinaryTax);
            amt.set(iAMT::TAMTAtCGRates, Currency());
            return ordinaryTax;
        }
        ordinaryTax = GetAmtTax(r, SubtractNotZero(adjNetCG, rec.TaxIncPostExemption));
        amt.set(iAMT::TAMTAtOrdRates, ordinaryTax);
        Currency capGainPart;
        const int capGainYear = law::routedYear(law::Family::CalcAMTCapGainTax, year);
        if (capGainYear != law::kNoFunction) capGainPart = law::yearFunctions(capGainYear).CalcAMTCapGainTax(r, rec);
        else if (year >= 2001) capGainPart = kNoCapGainComputation;
        amt.set(iAMT::TAMTAtCGRates, capGainPart);
        return capGainPart + ordinaryTax;
    });
}

Currency GetAmtTax(iTop& r, Currency amount) {
    return lawTrap("AltMinTaxCalcs.GetAmtTax", [&] {
        const std::string_view schedule = r.FilingStatus() == 3 ? "Schedule Y-2" : "Most Filers";
        return scheduleTax(CommonTaxCalcs::GetAmtRateFile(), schedule, amount);
    });
}

}  // namespace osgrin::AltMinTaxCalcs
