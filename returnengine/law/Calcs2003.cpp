// Tax year 2003: the year's entry points over the shared rules and the 2003 figures.
#include "YearEntryPoints.h"

namespace osgrin::Calcs2003 {
OSGRIN_DEFINE_COMMON_YEAR(2003)
OSGRIN_DEFINE_CHILD_CREDIT(2003, CalcChildCr2003)
OSGRIN_DEFINE_AMT_EXEMPTION(2003)
OSGRIN_DEFINE_AMT_CAPGAIN(2003)
OSGRIN_DEFINE_FICA(2003)
}  // namespace osgrin::Calcs2003
