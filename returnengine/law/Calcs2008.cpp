// Tax year 2008: the year's entry points over the shared rules and the 2008 figures.
#include "YearEntryPoints.h"

namespace osgrin::Calcs2008 {
OSGRIN_DEFINE_COMMON_YEAR(2008)
OSGRIN_DEFINE_CHILD_CREDIT(2008, CalcChildCr2008)
OSGRIN_DEFINE_AMT_EXEMPTION(2008)
OSGRIN_DEFINE_FICA(2008)
}  // namespace osgrin::Calcs2008
