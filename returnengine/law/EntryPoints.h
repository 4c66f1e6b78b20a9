#pragma once
// The per-year entry points of the tax law: each family's rule run with the
// row of a law year of the return's edition, under the trap that names it
// ("Calcs2008.StdDed2008"). The year-independent modules route a tax year to a
// law year (LawEditions.h) and call these; Calcs.h gives the years 2001 to 2008
// their historical names.

#include "returnengine/law/CommonTaxCalcs.h"
#include "returnengine/law/LawEditions.h"
#include "returnengine/model/iTop.h"

namespace osgrin::law {

// The edition a return is computed under.
inline const Edition& lawOf(const iTop& r) { return edition(r.lawEdition()); }
// The law year serving the return's tax year for a family, or kNoFunction;
// error 5 when the edition has no law for the year.
inline int routedYear(const iTop& r, Family family) { return routedYear(lawOf(r), family, r.TaxYear()); }
// The row serving the return's tax year for a family, or null when none does.
inline const YearLaw* rowFor(const iTop& r, Family family) {
    const Edition& law = lawOf(r);
    const int year = routedYear(law, family, r.TaxYear());
    return year == kNoFunction ? nullptr : &law.row(year);
}
// The row of the return's tax year for the rules without entry points of their
// own (every edition has one for any year it does not refuse).
inline const YearLaw& yearRules(const iTop& r) { return *rowFor(r, Family::YearRules); }

}  // namespace osgrin::law

namespace osgrin::law::entry {

Currency StdDed(iTop& r, int lawYear);
Currency CalcExemptionDedGross(iTop& r, int lawYear);
Currency CalcExemptionDedPhaseOut(iTop& r, int lawYear);
Currency ItemDedPhaseOut(iTop& r, int lawYear);
Currency LimitIRADed4Spouse(iTop& r, int lawYear, bool spouse2);
Currency GetSchedDTax(iTop& r, int lawYear);
Currency CalcSETax(iTop& r, int lawYear, int spouse);
Currency CalcChildCr(iTop& r, int lawYear);
Currency CalcAMTExemption(iTop& r, int lawYear, AmtWorkRecord& record);
Currency CalcAMTCapGainTax(iTop& r, int lawYear, AmtWorkRecord& record);
// The FICA on wages given as text (converted under the entry point's trap).
Currency CalcFica(LawEdition edition, std::string_view wages, int lawYear);

}  // namespace osgrin::law::entry
