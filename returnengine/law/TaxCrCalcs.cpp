#include "returnengine/law/TaxCrCalcs.h"

#include "returnengine/law/LawTrap.h"
#include "returnengine/law/EntryPoints.h"
#include "returnengine/model/iTop.h"

namespace osgrin::TaxCrCalcs {

Currency CalcTaxCr(iTop& r) {
    return lawTrap("TaxCrCalcs.CalcTaxCr", [&] {
        const Currency child = CalcChildCr(r);
        r.cr().set(iTaxCr::ChildCr, child);
        const Currency total = child + r.cr().whole(iTaxCr::OtherCr);
        r.set(iTop::TotCr, total);
        return total;
    });
}

Currency CalcChildCr(iTop& r) {
    return lawTrap("TaxCrCalcs.CalcChildCr", [&] {
        const int year = law::routedYear(r, law::Family::CalcChildCr);
        if (year == law::kNoFunction) return Currency();
        return law::entry::CalcChildCr(r, year);
    });
}

}  // namespace osgrin::TaxCrCalcs
