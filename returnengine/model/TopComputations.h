#pragma once
// The computation of one return, from total income down to the balance due, in
// one fixed order of steps. Each line comes from a tax-law routine; the driver
// owns the order, the choice of deduction, the choice between ordinary and
// capital-gain rates, the combination with the minimum tax and the totals.

#include "common/Currency.h"

#include <optional>

namespace osgrin {
class iTop;
using tavrel::Currency;
namespace TopComputations {
void TopTaxCalc(iTop& r);
// Regular tax at ordinary rates on the return's TaxInc.
Currency GetIncTax(iTop& r);
// Tax with the capital-gain rates of the return's year, or 0 when none applies.
Currency GetSchedDTax(iTop& r);
// The same, telling "no capital-gain computation applies" apart from a tax of 0.
std::optional<Currency> GetSchedDTaxIfAny(iTop& r);
}  // namespace TopComputations
}  // namespace osgrin
