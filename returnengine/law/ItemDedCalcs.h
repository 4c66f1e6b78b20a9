#pragma once
// Itemized deductions with their floors and phase-out, the standard deduction,
// and the exemptions with their phase-out.

#include "common/Currency.h"

namespace osgrin {
class iTop;
using tavrel::Currency;
namespace ItemDedCalcs {
// Itemized deductions after the phase-out; also computes and stores the exemption lines.
Currency ItemDedCalc(iTop& r);
Currency CalcMedDed(iTop& r);
Currency CalcMiscItemDed(iTop& r);
// Reduction of itemized deductions (rounded), also stored as TotReduction.
Currency ItemDedPhaseOut(iTop& r);
// Standard deduction, also stored as StdDed.
Currency CalcStdDedSub(iTop& r);
Currency CalcExemptionDedGross(iTop& r);
Currency CalcExemptionDedPhaseOut(iTop& r);
}  // namespace ItemDedCalcs
}  // namespace osgrin
