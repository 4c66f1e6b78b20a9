#include "returnengine/law/AltMinTaxCalcs.h"

#include "returnengine/law/Adj2IncCalcs.h"
#include "returnengine/law/CommonTaxCalcs.h"
#include "returnengine/law/EntryPoints.h"
#include "returnengine/law/LawTrap.h"
#include "returnengine/law/RateTax.h"
#include "returnengine/law/SingleSourceReadings.h"
#include "returnengine/law/YearRules.h"
#include "returnengine/model/iTop.h"

namespace osgrin::AltMinTaxCalcs {

using CommonTaxCalcs::amountLeft;

namespace {
// Capital-gain part when the edition has no computation for a year it covers:
// the 2001 and 2002 tables carry a prohibitive figure (their worksheet was
// never built); years before the edition's first carry none.
constexpr Currency kNoCapGainComputation = tavrel::usd(999999999);

// Medical payments above the floor share of AGI; a negative AGI gives a floor
// of 0, never a deduction of nothing paid.
Currency medicalAboveFloor(Currency payments, Currency agi, double floorShare) {
    const Currency floor =
        agi > Currency() ? Currency::fromDouble4(agi.toDouble() * floorShare).roundDollarsEven() : Currency();
    return amountLeft(payments, floor).roundDollarsEven();
}

// The deductions the AMT allows a return under the year's form: every return
// under the tables, only an itemizing one under the law as enacted.
struct AllowedDeductions {
    Currency medical, mortgage, casualty, charity, investmentInterest;
    Currency total() const { return medical + mortgage + casualty + charity + investmentInterest; }
};

AllowedDeductions allowed(iTop& r, const law::YearLaw& law, Currency agi, bool itemizing) {
    const ItemDed& item = r.item();
    AllowedDeductions d;
    if (law.amtForm == law::AmtForm::Enacted && !itemizing) {
        // The charity a return on the standard deduction may deduct (2020, 2021, 2026 on).
        if (law::readings::kNonItemizerCharityAllowedForAmt) d.charity = law::rules::nonItemizerCharity(r, law);
        return d;
    }
    // The tables take medical from all payments; the law, as the regular
    // deduction does, after the self-employed health insurance.
    const Currency medical = law.amtForm == law::AmtForm::Tables
                                 ? item.whole(ItemDed::MedPmts)
                                 : item.whole(ItemDed::MedPmts) - Adj2IncCalcs::CalcSEMedInsDed(r);
    d.medical = medicalAboveFloor(medical, agi, law.amtMedicalFloor);
    d.mortgage = item.whole(ItemDed::HomeMortIntReg);
    d.casualty = item.whole(ItemDed::CasualtyDed);
    d.charity = item.whole(ItemDed::CharDed) - item.whole(ItemDed::CharityFloorCut);
    if (law.amtForm == law::AmtForm::Enacted) d.investmentInterest = item.whole(ItemDed::InvIntDed);
    return d;
}

// The deductions the AMT allows, into the record and the return's AMT lines.
// Taxes and miscellaneous deductions are never allowed.
void allowedDeductions(iTop& r, const law::YearLaw& law, AmtWorkRecord& rec) {
    const AllowedDeductions d = allowed(r, law, rec.AGI, r.item().itemizing());
    rec.MedDed = d.medical;
    rec.MortgIntDed = d.mortgage;
    rec.CasualtyDed = d.casualty;
    rec.CharDed = d.charity;
    rec.ItemDed = d.total();
    iAMT& amt = r.amt();
    amt.set(iAMT::MedDed, rec.MedDed);
    amt.set(iAMT::MortgIntDed, rec.MortgIntDed);
    amt.set(iAMT::CasualtyDed, rec.CasualtyDed);
    amt.set(iAMT::CharDed, rec.CharDed);
    amt.set(iAMT::ItemDed, rec.ItemDed);
}

// The deductions after AGI other than the itemized ones that the AMT allows:
// the qualified-business-income deduction (2018 on); the senior deduction and
// the 2/37 limitation as the single-source readings say.
Currency afterAgiDeductions(iTop& r, const law::YearLaw& law) {
    const Currency qbi = r.whole(iTop::QBIDed);
    r.amt().set(iAMT::QBIDed, qbi);
    Currency total = qbi;
    if constexpr (law::readings::kSeniorDeductionAllowedForAmt) total += r.whole(iTop::SeniorDed);
    if constexpr (!law::readings::kTwoThirtySeventhsUndoneForAmt) {
        // The reduction then stands for the AMT too: less is deducted.
        if (r.item().itemizing() && law.itemLimitation == law::ItemLimitation::TwoThirtySevenths)
            total -= r.item().whole(ItemDed::TotReduction);
    }
    return total;
}

}  // namespace

Currency CalcAMT(iTop& r) {
    return lawTrap("AltMinTaxCalcs.CalcAMT", [&] {
        iAMT& amt = r.amt();
        const law::YearLaw& law = law::yearRules(r);
        AmtWorkRecord rec;
        amt.set(iAMT::AGI, r.whole(iTop::AGI));
        rec.AGI = amt.whole(iAMT::AGI);
        allowedDeductions(r, law, rec);
        rec.TaxInc = rec.AGI - rec.ItemDed - afterAgiDeductions(r, law);
        rec.TaxInc += law::rules::amtMarriedSeparatelyAddition(r, law, rec.TaxInc);
        amt.set(iAMT::TaxInc, rec.TaxInc);

        const int exemptionYear = law::routedYear(r, law::Family::CalcAMTExemption);
        if (exemptionYear != law::kNoFunction) {
            law::entry::CalcAMTExemption(r, exemptionYear, rec);
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
        const Currency onAll = ordinaryTax;
        ordinaryTax = GetAmtTax(r, amountLeft(rec.TaxIncPostExemption, adjNetCG));
        amt.set(iAMT::TAMTAtOrdRates, ordinaryTax);
        Currency capGainPart;
        const int capGainYear = law::routedYear(r, law::Family::CalcAMTCapGainTax);
        if (capGainYear != law::kNoFunction)
            capGainPart = law::entry::CalcAMTCapGainTax(r, capGainYear, rec);
        else if (r.TaxYear() >= law::lawOf(r).firstYear())
            capGainPart = kNoCapGainComputation;
        amt.set(iAMT::TAMTAtCGRates, capGainPart);
        // The law's form never taxes the gains more than the AMT rates on everything would.
        if (law.amtForm == law::AmtForm::Enacted) return tavrel::minMax(capGainPart + ordinaryTax, onAll, false);
        return capGainPart + ordinaryTax;
    });
}

Currency DeductionsIfItemizing(iTop& r) {
    return lawTrap("AltMinTaxCalcs.DeductionsIfItemizing",
                   [&] { return allowed(r, law::yearRules(r), r.whole(iTop::AGI), true).total(); });
}

Currency GetAmtTax(iTop& r, Currency amount) {
    return lawTrap("AltMinTaxCalcs.GetAmtTax", [&] {
        const bool separately = law::statusOf(r.FilingStatus()) == law::Status::MarriedSeparately;
        const std::string_view schedule = separately ? "Schedule Y-2" : "Most Filers";
        return scheduleTax(CommonTaxCalcs::rateFilePath(law::yearRules(r).amtRateFile), schedule, amount);
    });
}

}  // namespace osgrin::AltMinTaxCalcs
