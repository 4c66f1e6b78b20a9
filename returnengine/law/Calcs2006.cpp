// Tax year 2006: the year's entry points over the shared rules and the 2006 figures.
#include "YearEntryPoints.h"

namespace osgrin::Calcs2006 {
OSGRIN_DEFINE_COMMON_YEAR(2006)
OSGRIN_DEFINE_CHILD_CREDIT(2006, CalcChildCr2006)
OSGRIN_DEFINE_AMT_EXEMPTION(2006)
OSGRIN_DEFINE_FICA(2006)
}  // namespace osgrin::Calcs2006
