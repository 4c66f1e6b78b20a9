#include "Adj2IncCalcs.h"

#include "LawTrap.h"
#include "OtherTaxesCalc.h"
#include "YearRouting.h"
#include "iTop.h"

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
        const Currency seTaxDed =
            (other.whole(iOtherTaxes::SETaxSp1) + other.whole(iOtherTaxes::SETaxSp2)).times(0.50).roundDollarsEven();
        adj.set(Adj2Inc::SETaxDed, seTaxDed);
        const Currency total = ira1 + ira2 + health + seTaxDed + adj.whole(Adj2Inc::OtherAdj2Inc);
        r.set(iTop::Adj2Inc, total);
        return total;
    });
}

Currency CalcIRADed(iTop& r, int spouse) {
    return lawTrap("Adj2IncCalcs.CalcIRADed", [&] {
        const Adj2Inc& adj = r.adj();
        const bool joint = r.FilingStatus() == 2;
        const bool covered = joint ? (adj.IsSp1InRetPlan() || adj.IsSp2InRetPlan()) : adj.IsSp1InRetPlan();
        if (spouse != 0 && !joint) return Currency();  // only a joint return has a second spouse's IRA
        const Currency contribution = adj.whole(spouse == 0 ? Adj2Inc::IRAContribSP1 : Adj2Inc::IRAContribSP2);
        if (contribution < Currency::fromScaled(100)) return Currency();
        return covered ? LimitIRADed4Spouse(contribution, spouse != 0, r) : contribution;
    });
}

Currency CalcSEMedInsDed(iTop& r) {
    return lawTrap("Adj2IncCalcs.CalcSEMedInsDed", [&] {
        const int year = r.TaxYear();
        const double share = year < 2001 ? 0.0 : year == 2001 ? 0.60 : year == 2002 ? 0.70 : 1.0;
        return r.adj().whole(Adj2Inc::SEMedInsPmts).times(share).roundDollarsEven();
    });
}

Currency LimitIRADed4Spouse(Currency /*contribution: the year function reads it itself*/, bool spouse2, iTop& r) {
    return lawTrap("Adj2IncCalcs.LimitIRADed4Spouse", [&] {
        const int year = law::routedYear(law::Family::LimitIRADed4Spouse, r.TaxYear());
        if (year == law::kNoFunction) return Currency();
        return law::yearFunctions(year).LimitIRADed4Spouse(r, spouse2);
    });
}

}  // namespace osgrin::Adj2IncCalcs
