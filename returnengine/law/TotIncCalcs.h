#pragma once
// Total income, the netting of capital gains and losses with the loss limit,
// the adjusted net capital gain, and the capital loss carryforwards.

#include "common/Currency.h"

namespace osgrin {
class iTop;
using tavrel::Currency;
namespace TotIncCalcs {
// Total income; also writes iTop.TotalInc, Sec1231Netted and the capital-gain lines.
Currency CalcTotInc(iTop& r);
// The capital gain, or the limited loss, that enters total income.
Currency CalcCapGains(iTop& r);
// The short-term and long-term carryforwards, once taxable income is known.
void CalcCapLossCarryforward(iTop& r);
}  // namespace TotIncCalcs
}  // namespace osgrin
