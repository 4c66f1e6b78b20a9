#pragma once
// The IRA limit's modified income: the return's adjustments recomputed with
// both IRA contributions at 0 (the whole return is computed once more and the
// contributions and deductions are put back, also when that fails).

#include "common/Currency.h"

namespace osgrin {
class iTop;
}

namespace osgrin::law::rules {

tavrel::Currency adjustmentsWithoutContributions(iTop& r);

}  // namespace osgrin::law::rules
