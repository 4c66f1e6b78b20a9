// The named per-year entry points of 2001 to 2008: each runs its family's
// entry point for its own year.
#include "returnengine/law/Calcs.h"

#include "returnengine/law/EntryPoints.h"

using osgrin::AmtWorkRecord;
using osgrin::LawEdition;
using osgrin::iTop;
using tavrel::Currency;

#define OSGRIN_DEFINE_COMMON_YEAR(Y)                                                                         \
    namespace osgrin::Calcs##Y {                                                                             \
        Currency StdDed##Y(iTop& r) { return law::entry::StdDed(r, Y); }                                     \
        Currency CalcExemptionDedGross##Y(iTop& r) { return law::entry::CalcExemptionDedGross(r, Y); }       \
        Currency CalcExemptionDedPhaseOut##Y(iTop& r) { return law::entry::CalcExemptionDedPhaseOut(r, Y); } \
        Currency ItemDedPhaseOut##Y(iTop& r) { return law::entry::ItemDedPhaseOut(r, Y); }                   \
        Currency LimitIRADed4Spouse##Y(iTop& r, bool spouse2) {                                              \
            return law::entry::LimitIRADed4Spouse(r, Y, spouse2);                                            \
        }                                                                                                    \
        Currency GetSchedDTax##Y(iTop& r) { return law::entry::GetSchedDTax(r, Y); }                         \
        Currency CalcSETax##Y(iTop& r, int spouse) { return law::entry::CalcSETax(r, Y, spouse); }           \
    }

#define OSGRIN_DEFINE_AMT_EXEMPTION(Y)                                               \
    Currency osgrin::Calcs##Y::CalcAMTExemption##Y(iTop& r, AmtWorkRecord& record) { \
        return law::entry::CalcAMTExemption(r, Y, record);                           \
    }
#define OSGRIN_DEFINE_AMT_CAPGAIN(Y)                                                  \
    Currency osgrin::Calcs##Y::CalcAMTCapGainTax##Y(iTop& r, AmtWorkRecord& record) { \
        return law::entry::CalcAMTCapGainTax(r, Y, record);                           \
    }
#define OSGRIN_DEFINE_FICA(Y)                                          \
    Currency osgrin::Calcs##Y::CalcFica##Y(std::string_view wages) {   \
        return law::entry::CalcFica(LawEdition::Tables2008, wages, Y); \
    }
#define OSGRIN_DEFINE_CHILD_CREDIT(Y, NAME) \
    Currency osgrin::Calcs##Y::NAME(iTop& r) { return law::entry::CalcChildCr(r, Y); }

OSGRIN_DEFINE_COMMON_YEAR(2001)
OSGRIN_DEFINE_COMMON_YEAR(2002)
OSGRIN_DEFINE_COMMON_YEAR(2003)
OSGRIN_DEFINE_COMMON_YEAR(2004)
OSGRIN_DEFINE_COMMON_YEAR(2005)
OSGRIN_DEFINE_COMMON_YEAR(2006)
OSGRIN_DEFINE_COMMON_YEAR(2007)
OSGRIN_DEFINE_COMMON_YEAR(2008)

OSGRIN_DEFINE_CHILD_CREDIT(2001, CalcChildCr2001)
OSGRIN_DEFINE_CHILD_CREDIT(2002, CalcChildCr2001)  // the 2002 module's child credit carries the 2001 name
OSGRIN_DEFINE_CHILD_CREDIT(2003, CalcChildCr2003)
OSGRIN_DEFINE_CHILD_CREDIT(2004, CalcChildCr2004)
OSGRIN_DEFINE_CHILD_CREDIT(2005, CalcChildCr2005)
OSGRIN_DEFINE_CHILD_CREDIT(2006, CalcChildCr2006)
OSGRIN_DEFINE_CHILD_CREDIT(2007, CalcChildCr2007)
OSGRIN_DEFINE_CHILD_CREDIT(2008, CalcChildCr2008)

OSGRIN_DEFINE_AMT_EXEMPTION(2001)
OSGRIN_DEFINE_AMT_EXEMPTION(2003)
OSGRIN_DEFINE_AMT_EXEMPTION(2004)
OSGRIN_DEFINE_AMT_EXEMPTION(2005)
OSGRIN_DEFINE_AMT_EXEMPTION(2006)
OSGRIN_DEFINE_AMT_EXEMPTION(2007)
OSGRIN_DEFINE_AMT_EXEMPTION(2008)

OSGRIN_DEFINE_AMT_CAPGAIN(2003)
OSGRIN_DEFINE_AMT_CAPGAIN(2004)
OSGRIN_DEFINE_AMT_CAPGAIN(2005)

OSGRIN_DEFINE_FICA(2003)
OSGRIN_DEFINE_FICA(2004)
OSGRIN_DEFINE_FICA(2005)
OSGRIN_DEFINE_FICA(2006)
OSGRIN_DEFINE_FICA(2007)
OSGRIN_DEFINE_FICA(2008)
