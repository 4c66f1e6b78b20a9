#include "returnengine/law/ItemDedCalcs.h"

#include "returnengine/law/Adj2IncCalcs.h"
#include "returnengine/law/LawTrap.h"
#include "returnengine/law/EntryPoints.h"
#include "returnengine/law/YearLaw.h"
#include "returnengine/law/YearRules.h"
#include "returnengine/model/iTop.h"

namespace osgrin::ItemDedCalcs {
namespace {

// The year's function of a family, or 0 when no year's function serves the tax year.
template <class Call>
Currency byYear(iTop& r, law::Family family, Call call) {
    const int year = law::routedYear(r, family);
    if (year == law::kNoFunction) return Currency();
    return call(year);
}

// What exceeds the given share of AGI, rounded; 0 when nothing does. A negative
// AGI gives a floor of 0, not a negative one that would create a deduction
// out of nothing paid.
Currency aboveFloor(Currency payments, Currency agi, double share) {
    const Currency floor = agi > Currency() ? agi.times(share) : Currency();
    return payments > floor ? (payments - floor).roundDollarsEven() : Currency();
}

}  // namespace

Currency ItemDedCalc(iTop& r) {
    return lawTrap("ItemDedCalcs.ItemDedCalc", [&] {
        ItemDed& item = r.item();
        const Currency medical = CalcMedDed(r);
        const law::YearLaw& law = law::yearRules(r);
        // Taxes paid; the cap's cut is its own line, so that the taxes and the
        // amount the cap takes away both show.
        const Currency taxes = item.whole(ItemDed::OtherTaxes) + item.whole(ItemDed::SITPd);
        item.set(ItemDed::TaxDed, taxes);
        const Currency capCut = law::rules::saltCapCut(r, law, taxes);
        item.set(ItemDed::SaltCapCut, capCut);
        // Investment interest is taken as entered: no limit is applied here.
        const Currency interest = item.whole(ItemDed::HomeMortIntReg) + item.whole(ItemDed::HomeMortIntAmt) +
                                  item.whole(ItemDed::InvIntDed) + item.whole(ItemDed::OtherIntDed);
        item.set(ItemDed::IntDed, interest);
        const Currency floorCut = law::rules::charityFloorCut(r, law, item.whole(ItemDed::CharDed));
        item.set(ItemDed::CharityFloorCut, floorCut);
        const Currency charity = item.whole(ItemDed::CharDed) - floorCut;
        const Currency casualty = item.whole(ItemDed::CasualtyDed);
        const Currency misc = CalcMiscItemDed(r);
        const Currency gross = medical + taxes - capCut + interest + charity + casualty + misc;
        item.set(ItemDed::TotGross, gross);
        const Currency net = gross - ItemDedPhaseOut(r);
        item.set(ItemDed::TotNet, net);
        const Currency exemptions = CalcExemptionDedGross(r);
        item.set(ItemDed::ExemptionDedGross, exemptions);
        const Currency phaseOut = tavrel::minMax(CalcExemptionDedPhaseOut(r), exemptions, false);
        item.set(ItemDed::ExemptionDedPhaseOut, phaseOut);
        item.set(ItemDed::ExemptionDedNet, exemptions - phaseOut);
        return net;
    });
}

Currency CalcMedDed(iTop& r) {
    return lawTrap("ItemDedCalcs.CalcMedDed", [&] {
        // Self-employed health insurance already deducted as an adjustment is not medical here.
        const Currency insured = Adj2IncCalcs::CalcSEMedInsDed(r);
        const Currency medical = r.item().whole(ItemDed::MedPmts) - insured;
        const law::YearLaw& law = law::yearRules(r);
        const Currency allowed = aboveFloor(medical, r.whole(iTop::AGI), law::rules::medicalFloor(r, law));
        r.item().set(ItemDed::MedDed, allowed);
        return allowed;
    });
}

Currency CalcMiscItemDed(iTop& r) {
    return lawTrap("ItemDedCalcs.CalcMiscItemDed", [&] {
        const law::YearLaw& law = law::yearRules(r);
        const Currency allowed = law.miscellaneousDeductible ? aboveFloor(r.item().whole(ItemDed::MiscDedPmts),
                                                                          r.whole(iTop::AGI), law.miscellaneousFloor)
                                                             : Currency();
        r.item().set(ItemDed::MiscDed, allowed);
        return allowed;
    });
}

Currency ItemDedPhaseOut(iTop& r) {
    return lawTrap("ItemDedCalcs.ItemDedPhaseOut", [&] {
        const Currency reduction =
            byYear(r, law::Family::ItemDedPhaseOut, [&](int y) { return law::entry::ItemDedPhaseOut(r, y); });
        r.item().set(ItemDed::TotReduction, reduction);
        return reduction;
    });
}

Currency CalcStdDedSub(iTop& r) {
    return lawTrap("ItemDedCalcs.CalcStdDedSub", [&] {
        const Currency standard = byYear(r, law::Family::StdDed, [&](int y) { return law::entry::StdDed(r, y); });
        r.item().set(ItemDed::StdDed, standard);
        return standard;
    });
}

Currency CalcExemptionDedGross(iTop& r) {
    return lawTrap("ItemDedCalcs.CalcExemptionDedGross", [&] {
        return byYear(r, law::Family::CalcExemptionDedGross,
                      [&](int y) { return law::entry::CalcExemptionDedGross(r, y); });
    });
}

Currency CalcExemptionDedPhaseOut(iTop& r) {
    return lawTrap("ItemDedCalcs.CalcExemptionDedPhaseOut", [&] {
        return byYear(r, law::Family::CalcExemptionDedPhaseOut,
                      [&](int y) { return law::entry::CalcExemptionDedPhaseOut(r, y); });
    });
}

}  // namespace osgrin::ItemDedCalcs
