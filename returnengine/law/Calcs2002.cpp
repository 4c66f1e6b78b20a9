// Tax year 2002: the year's entry points over the shared rules and the 2002 figures.
#include "YearEntryPoints.h"

namespace osgrin::Calcs2002 {
OSGRIN_DEFINE_COMMON_YEAR(2002)
// The module's child credit keeps the 2001 name; its AMT exemption is 2001's.
OSGRIN_DEFINE_CHILD_CREDIT(2002, CalcChildCr2001)
}  // namespace osgrin::Calcs2002
