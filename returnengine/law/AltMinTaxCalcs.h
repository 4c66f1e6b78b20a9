#pragma once
// The tentative minimum tax, recording each line of its computation in the
// return's iAMT, and the tax at the AMT's ordinary rates.

#include "Currency.h"

namespace osgrin {
class iTop;
using tavrel::Currency;
namespace AltMinTaxCalcs {
// The tentative minimum tax: the ordinary-rate part plus the capital-gain part.
Currency CalcAMT(iTop& r);
// The AMT at ordinary rates on an amount, unrounded.
Currency GetAmtTax(iTop& r, Currency amount);
}  // namespace AltMinTaxCalcs
}  // namespace osgrin
