// Tax year 2001: the year's entry points over the shared rules and the 2001 figures.
#include "YearEntryPoints.h"

namespace osgrin::Calcs2001 {
OSGRIN_DEFINE_COMMON_YEAR(2001)
OSGRIN_DEFINE_CHILD_CREDIT(2001, CalcChildCr2001)
OSGRIN_DEFINE_AMT_EXEMPTION(2001)
}  // namespace osgrin::Calcs2001
