#include "returnengine/law/Adj2IncCalcs.h"

#include "common/FilingStatus.h"
#include "returnengine/law/LawTrap.h"
#include "returnengine/law/OtherTaxesCalc.h"
#include "returnengine/law/EntryPoints.h"
#include "returnengine/law/LawConstants.h"
#include "returnengine/law/YearRules.h"
#include "returnengine/model/iTop.h"

namespace osgrin::Adj2IncCalcs {

Currency Adj2IncCalc(iTop& r) {
    return lawTrap("Adj2IncCalcs.Adj2IncCalc", [&] {
        Adj2Inc& adj = r.adj();
        const Currency ira1 = CalcIRADed(r, 0);
        adj.set(Adj2Inc::IRADedSp1, ira1);
        const Currency ira2 = CalcIRADed(r, 1);
        adj.set(Adj2Inc::IRADedSp2, ira2);
        const Currency health = CalcSEMedInsDed(r);
        adj.set(Adj2Inc::SEMedInsDed, health);
        OtherTaxesCalc::CalcOtherTaxes(r);  // for the self-employment taxes
        const iOtherTaxes& other = r.other();
        // Half the tax, except in a year that deducts another share of its social security part.
        const law::YearLaw& law = law::yearRules(r);
        const Currency seTaxDed = law.seSocialSecurityDeductibleShare == law::kSelfEmploymentTaxDeductibleShare
                                      ? (other.whole(iOtherTaxes::SETaxSp1) + other.whole(iOtherTaxes::SETaxSp2))
                                            .times(law::kSelfEmploymentTaxDeductibleShare)
                                            .roundDollarsEven()
                                      : law::rules::seTaxDeductionOfParts(r, law);
        adj.set(Adj2Inc::SETaxDed, seTaxDed);
        const Currency total = ira1 + ira2 + health + seTaxDed + adj.whole(Adj2Inc::OtherAdj2Inc);
        r.set(iTop::Adj2Inc, total);
        return total;
    });
}

Currency CalcIRADed(iTop& r, int spouse) {
    return lawTrap("Adj2IncCalcs.CalcIRADed", [&] {
        const Adj2Inc& adj = r.adj();
        const bool joint = law::statusOf(r.FilingStatus()) == law::Status::Joint;
        const bool covered = joint ? (adj.IsSp1InRetPlan() || adj.IsSp2InRetPlan()) : adj.IsSp1InRetPlan();
        const bool spouse2 = spouse == tavrel::Sp2;
        if (spouse2 && !joint) return Currency();  // only a joint return has a second spouse's IRA
        const Currency contribution = adj.whole(spouse2 ? Adj2Inc::IRAContribSP2 : Adj2Inc::IRAContribSP1);
        if (contribution < Currency::fromScaled(100)) return Currency();
        if (covered) return LimitIRADed4Spouse(spouse2, r);  // the year's limit reads the contribution itself
        return law::rules::iraDeductionNotCovered(r, law::yearRules(r), spouse2, contribution);
    });
}

Currency CalcSEMedInsDed(iTop& r) {
    return lawTrap("Adj2IncCalcs.CalcSEMedInsDed", [&] {
        const law::YearLaw* row = law::rowFor(r, law::Family::CalcSEMedInsDed);
        return row ? law::rules::seHealthInsuranceDeduction(r, *row) : Currency();
    });
}

Currency LimitIRADed4Spouse(bool spouse2, iTop& r) {
    return lawTrap("Adj2IncCalcs.LimitIRADed4Spouse", [&] {
        const int year = law::routedYear(r, law::Family::LimitIRADed4Spouse);
        if (year == law::kNoFunction) return Currency();
        return law::entry::LimitIRADed4Spouse(r, year, spouse2);
    });
}

}  // namespace osgrin::Adj2IncCalcs
