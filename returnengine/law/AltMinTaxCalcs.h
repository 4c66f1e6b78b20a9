#pragma once
// The tentative minimum tax, recording each line of its computation in the
// return's iAMT, and the tax at the AMT's ordinary rates.

#include "common/Currency.h"

namespace osgrin {
class iTop;
using tavrel::Currency;
namespace AltMinTaxCalcs {
// The tentative minimum tax: the ordinary-rate part plus the capital-gain part.
Currency CalcAMT(iTop& r);
// The AMT at ordinary rates on an amount, unrounded.
// What the AMT would allow the return to deduct if it itemized (the return's AGI
// must be computed).
Currency DeductionsIfItemizing(iTop& r);
Currency GetAmtTax(iTop& r, Currency amount);
}  // namespace AltMinTaxCalcs
}  // namespace osgrin
