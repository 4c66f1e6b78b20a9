#pragma once
// The child tax credit and the return's total credits.

#include "common/Currency.h"

namespace osgrin {
class iTop;
using tavrel::Currency;
namespace TaxCrCalcs {
// Total credits; also writes ChildCr and iTop.TotCr.
Currency CalcTaxCr(iTop& r);
Currency CalcChildCr(iTop& r);
}  // namespace TaxCrCalcs
}  // namespace osgrin
