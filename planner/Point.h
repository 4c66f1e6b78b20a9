#pragma once
// One point of the deferral curve: the amount of state and local tax deferred
// and the combined present-value tax of the two years at that amount.

#include "common/Api.h"

#include "common/Currency.h"

namespace mirvane {

using tavrel::Currency;

class MIRVANE_API Point {
public:
    Currency cAccelInc() const { return accelInc_; }
    void setCAccelInc(Currency v) { accelInc_ = v; }
    Currency cCombinedTax() const { return combinedTax_; }
    void setCCombinedTax(Currency v) { combinedTax_ = v; }

private:
    Currency accelInc_;
    Currency combinedTax_;
};

}  // namespace mirvane
