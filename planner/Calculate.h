#pragma once
// The two-year analysis: the sweep over the amount deferred, the evaluation of
// each point in present value, the choice of the cheapest amount, and the
// final evaluation of the amount applied.

#include "common/Api.h"

#include "common/Currency.h"

#include <cstdint>
#include <string_view>

namespace mirvane {

class AMT;
using tavrel::Currency;

namespace c_calculate {

// Present value one year ahead: amount / (1 + rate%), rounded to whole dollars
// with halves to even. A rate of -100 raises 11, below -100 raises 5.
MIRVANE_API Currency CalcPresValue(std::string_view amount, std::string_view rate);
MIRVANE_API Currency presentValue(Currency amount, double ratePercent);

// Places a sweep point: the working returns' state and local taxes become
// exactly the copied amounts less and plus the amount deferred.
MIRVANE_API void DecreaseSITpd(AMT& planner, Currency curCopied, Currency nxtCopied, Currency amount);

// Moves MaxItemizedTaxDeferred (as its whole-dollar text gives it) from the
// current-year working return to the next-year one.
MIRVANE_API void CalcSITDed(AMT& planner);

// The whole analysis behind AMT::Calculate (the caller checks the new flag).
MIRVANE_API void RunAnalysis(AMT& planner);

// The two copied working returns computed and evaluated as they are, with no
// amount moved: what the reports show when no deferral is applied.
MIRVANE_API void EvaluateWithoutDeferral(AMT& planner);

}  // namespace c_calculate

namespace ArrayPts {
// Records a sweep point: the amount and the planner's CombinedTaxPVAcc as its getter reads.
MIRVANE_API void CalcArrayPts(AMT& planner, std::int16_t index, Currency amount);
}  // namespace ArrayPts

// The analysis as the report run performs it: copy the entered returns, compute
// them, run Calculate, and after a search copy again and evaluate the amount the
// search chose. With no deferral the working returns are computed and evaluated
// as copied.
MIRVANE_API void RunAnalysisProtocol(AMT& planner);

}  // namespace mirvane
