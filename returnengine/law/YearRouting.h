#pragma once
// Which year's function of each family runs for a tax year.

#include "CommonTaxCalcs.h"

#include <string_view>

namespace osgrin {
class iTop;
}

namespace osgrin::law {

enum class Family {
    StdDed, CalcExemptionDedGross, CalcExemptionDedPhaseOut, ItemDedPhaseOut, LimitIRADed4Spouse,
    GetSchedDTax, CalcSETax, CalcChildCr, CalcAMTExemption, CalcAMTCapGainTax, CalcFica,
};

// No function of the family exists for the year; the caller's fixed value applies.
inline constexpr int kNoFunction = 0;

// The year whose function runs (2001 to 2008), or kNoFunction.
int routedYear(Family family, int taxYear);

// The per-year entry points of one year's module; null where the year has none.
struct YearFunctions {
    Currency (*StdDed)(iTop&);
    Currency (*CalcExemptionDedGross)(iTop&);
    Currency (*CalcExemptionDedPhaseOut)(iTop&);
    Currency (*ItemDedPhaseOut)(iTop&);
    Currency (*LimitIRADed4Spouse)(iTop&, bool spouse2);
    Currency (*GetSchedDTax)(iTop&);
    Currency (*CalcSETax)(iTop&, int spouse);
    Currency (*CalcChildCr)(iTop&);
    Currency (*CalcAMTExemption)(iTop&, AmtWorkRecord&);
    Currency (*CalcAMTCapGainTax)(iTop&, AmtWorkRecord&);
    Currency (*CalcFica)(std::string_view wages);
};

// The module of a year from 2001 to 2008.
const YearFunctions& yearFunctions(int year);

}  // namespace osgrin::law
