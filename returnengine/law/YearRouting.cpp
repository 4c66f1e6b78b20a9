#include "YearRouting.h"

#include "Calcs.h"
#include "YearLaw.h"

#include <array>

namespace osgrin::law {

int routedYear(Family family, int y) {
    switch (family) {
    case Family::CalcAMTExemption:  // 2002 shares 2001's
        if (y < 2001) return kNoFunction;
        if (y == 2002) return 2001;
        return y > 2008 ? 2008 : y;
    case Family::CalcAMTCapGainTax:  // 2005 serves every later year
        if (y < 2003) return kNoFunction;
        return y > 2005 ? 2005 : y;
    case Family::CalcFica:
        if (y < 2003) return kNoFunction;
        return y > 2008 ? 2008 : y;
    default:  // each year 2001 to 2008 its own; later years 2008's
        if (y < 2001) return kNoFunction;
        return y > 2008 ? 2008 : y;
    }
}

namespace {
#define OSGRIN_YEAR_ROW(Y, CHILD, AMTEX, CAPGAIN, FICA)                                                    \
    YearFunctions {                                                                                        \
        Calcs##Y::StdDed##Y, Calcs##Y::CalcExemptionDedGross##Y, Calcs##Y::CalcExemptionDedPhaseOut##Y,    \
            Calcs##Y::ItemDedPhaseOut##Y, Calcs##Y::LimitIRADed4Spouse##Y, Calcs##Y::GetSchedDTax##Y,      \
            Calcs##Y::CalcSETax##Y, CHILD, AMTEX, CAPGAIN, FICA                                            \
    }

const std::array<YearFunctions, 8> kModules = {
    OSGRIN_YEAR_ROW(2001, Calcs2001::CalcChildCr2001, Calcs2001::CalcAMTExemption2001, nullptr, nullptr),
    // The 2002 module's child credit carries the 2001 name.
    OSGRIN_YEAR_ROW(2002, Calcs2002::CalcChildCr2001, nullptr, nullptr, nullptr),
    OSGRIN_YEAR_ROW(2003, Calcs2003::CalcChildCr2003, Calcs2003::CalcAMTExemption2003,
                    Calcs2003::CalcAMTCapGainTax2003, Calcs2003::CalcFica2003),
    OSGRIN_YEAR_ROW(2004, Calcs2004::CalcChildCr2004, Calcs2004::CalcAMTExemption2004,
                    Calcs2004::CalcAMTCapGainTax2004, Calcs2004::CalcFica2004),
    OSGRIN_YEAR_ROW(2005, Calcs2005::CalcChildCr2005, Calcs2005::CalcAMTExemption2005,
                    Calcs2005::CalcAMTCapGainTax2005, Calcs2005::CalcFica2005),
    OSGRIN_YEAR_ROW(2006, Calcs2006::CalcChildCr2006, Calcs2006::CalcAMTExemption2006, nullptr,
                    Calcs2006::CalcFica2006),
    OSGRIN_YEAR_ROW(2007, Calcs2007::CalcChildCr2007, Calcs2007::CalcAMTExemption2007, nullptr,
                    Calcs2007::CalcFica2007),
    OSGRIN_YEAR_ROW(2008, Calcs2008::CalcChildCr2008, Calcs2008::CalcAMTExemption2008, nullptr,
                    Calcs2008::CalcFica2008),
};
#undef OSGRIN_YEAR_ROW

}  // namespace

const YearFunctions& yearFunctions(int year) {
    return kModules[static_cast<std::size_t>(year - kFirstLawYear)];
}

}  // namespace osgrin::law
