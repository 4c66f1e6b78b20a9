// Tax year 2005: the year's entry points over the shared rules and the 2005 figures.
#include "YearEntryPoints.h"

namespace osgrin::Calcs2005 {
OSGRIN_DEFINE_COMMON_YEAR(2005)
OSGRIN_DEFINE_CHILD_CREDIT(2005, CalcChildCr2005)
OSGRIN_DEFINE_AMT_EXEMPTION(2005)
OSGRIN_DEFINE_AMT_CAPGAIN(2005)
OSGRIN_DEFINE_FICA(2005)
}  // namespace osgrin::Calcs2005
