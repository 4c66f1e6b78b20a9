#pragma once
// Adjustments to income: deductible IRA contributions, self-employed health
// insurance, half of the self-employment tax and the user's other adjustments.

#include "common/Currency.h"

namespace osgrin {
class iTop;
using tavrel::Currency;
namespace Adj2IncCalcs {
// Total adjustments; also writes iTop.Adj2Inc and the deduction lines.
Currency Adj2IncCalc(iTop& r);
// A spouse's (0 or 1) deductible IRA contribution.
Currency CalcIRADed(iTop& r, int spouse);
// The self-employed health insurance deduction.
Currency CalcSEMedInsDed(iTop& r);
// The year's limit for a spouse covered by a retirement plan (the year function
// reads the contribution itself).
Currency LimitIRADed4Spouse(bool spouse2, iTop& r);
}  // namespace Adj2IncCalcs
}  // namespace osgrin
