// Tax year 2007: the year's entry points over the shared rules and the 2007 figures.
#include "YearEntryPoints.h"

namespace osgrin::Calcs2007 {
OSGRIN_DEFINE_COMMON_YEAR(2007)
OSGRIN_DEFINE_CHILD_CREDIT(2007, CalcChildCr2007)
OSGRIN_DEFINE_AMT_EXEMPTION(2007)
OSGRIN_DEFINE_FICA(2007)
}  // namespace osgrin::Calcs2007
