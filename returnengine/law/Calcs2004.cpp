// Tax year 2004: the year's entry points over the shared rules and the 2004 figures.
#include "YearEntryPoints.h"

namespace osgrin::Calcs2004 {
OSGRIN_DEFINE_COMMON_YEAR(2004)
OSGRIN_DEFINE_CHILD_CREDIT(2004, CalcChildCr2004)
OSGRIN_DEFINE_AMT_EXEMPTION(2004)
OSGRIN_DEFINE_AMT_CAPGAIN(2004)
OSGRIN_DEFINE_FICA(2004)
}  // namespace osgrin::Calcs2004
