#pragma once
// The per-year entry points of 2001 to 2008 under their historical names; each
// runs the family's entry point (EntryPoints.h) for its year, with the row of
// the return's edition, under the trap with its own location
// ("Calcs2008.StdDed2008"). The FICA functions take no return and use the
// 2008 tables. Every year 2001 to 2008 has:
//   StdDed<Y>, CalcExemptionDedGross<Y>, CalcExemptionDedPhaseOut<Y>,
//   ItemDedPhaseOut<Y>, LimitIRADed4Spouse<Y>(spouse2), GetSchedDTax<Y>,
//   CalcSETax<Y>(spouse), and a child credit (2002's is named CalcChildCr2001);
// CalcAMTExemption<Y> exists for 2001 and 2003 to 2008, CalcAMTCapGainTax<Y>
// for 2003 to 2005, CalcFica<Y> for 2003 to 2008.

#include "returnengine/law/CommonTaxCalcs.h"

#include <string_view>

namespace osgrin {
class iTop;
}

#define OSGRIN_DECLARE_COMMON_YEAR(Y)                          \
    namespace osgrin::Calcs##Y {                               \
        Currency StdDed##Y(iTop& r);                           \
        Currency CalcExemptionDedGross##Y(iTop& r);            \
        Currency CalcExemptionDedPhaseOut##Y(iTop& r);         \
        Currency ItemDedPhaseOut##Y(iTop& r);                  \
        Currency LimitIRADed4Spouse##Y(iTop& r, bool spouse2); \
        Currency GetSchedDTax##Y(iTop& r);                     \
        Currency CalcSETax##Y(iTop& r, int spouse);            \
    }

OSGRIN_DECLARE_COMMON_YEAR(2001)
OSGRIN_DECLARE_COMMON_YEAR(2002)
OSGRIN_DECLARE_COMMON_YEAR(2003)
OSGRIN_DECLARE_COMMON_YEAR(2004)
OSGRIN_DECLARE_COMMON_YEAR(2005)
OSGRIN_DECLARE_COMMON_YEAR(2006)
OSGRIN_DECLARE_COMMON_YEAR(2007)
OSGRIN_DECLARE_COMMON_YEAR(2008)
#undef OSGRIN_DECLARE_COMMON_YEAR

namespace osgrin::Calcs2001 {
Currency CalcChildCr2001(iTop& r);
Currency CalcAMTExemption2001(iTop& r, AmtWorkRecord& record);
}  // namespace osgrin::Calcs2001
namespace osgrin::Calcs2002 {
Currency CalcChildCr2001(iTop& r);
}  // namespace osgrin::Calcs2002
namespace osgrin::Calcs2003 {
Currency CalcChildCr2003(iTop& r);
Currency CalcAMTExemption2003(iTop& r, AmtWorkRecord& record);
Currency CalcAMTCapGainTax2003(iTop& r, AmtWorkRecord& record);
Currency CalcFica2003(std::string_view wages);
}  // namespace osgrin::Calcs2003
namespace osgrin::Calcs2004 {
Currency CalcChildCr2004(iTop& r);
Currency CalcAMTExemption2004(iTop& r, AmtWorkRecord& record);
Currency CalcAMTCapGainTax2004(iTop& r, AmtWorkRecord& record);
Currency CalcFica2004(std::string_view wages);
}  // namespace osgrin::Calcs2004
namespace osgrin::Calcs2005 {
Currency CalcChildCr2005(iTop& r);
Currency CalcAMTExemption2005(iTop& r, AmtWorkRecord& record);
Currency CalcAMTCapGainTax2005(iTop& r, AmtWorkRecord& record);
Currency CalcFica2005(std::string_view wages);
}  // namespace osgrin::Calcs2005
namespace osgrin::Calcs2006 {
Currency CalcChildCr2006(iTop& r);
Currency CalcAMTExemption2006(iTop& r, AmtWorkRecord& record);
Currency CalcFica2006(std::string_view wages);
}  // namespace osgrin::Calcs2006
namespace osgrin::Calcs2007 {
Currency CalcChildCr2007(iTop& r);
Currency CalcAMTExemption2007(iTop& r, AmtWorkRecord& record);
Currency CalcFica2007(std::string_view wages);
}  // namespace osgrin::Calcs2007
namespace osgrin::Calcs2008 {
Currency CalcChildCr2008(iTop& r);
Currency CalcAMTExemption2008(iTop& r, AmtWorkRecord& record);
Currency CalcFica2008(std::string_view wages);
}  // namespace osgrin::Calcs2008
