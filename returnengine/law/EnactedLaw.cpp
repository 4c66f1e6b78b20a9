// The "Enacted" law edition: each tax year 2001 to 2026 under the law as
// finally enacted for it, the late AMT patches and the 2025 act included. A
// tax year outside 2001 to 2026 is refused rather than computed under another
// year's law.
#include "returnengine/law/EnactedYears2001.h"
#include "returnengine/law/EnactedYears2010.h"
#include "returnengine/law/LawEditions.h"

namespace osgrin::law {
namespace {

using namespace enacted;

constexpr YearLaw kRows[] = {k2001, k2002, k2003, k2004, k2005, k2006, k2007, k2008, k2009, k2010, k2011, k2012, k2013,
                             k2014, k2015, k2016, k2017, k2018, k2019, k2020, k2021, k2022, k2023, k2024, k2025, k2026};

// Every family has a function of its own in every year; other years are refused.
constexpr Route kEachYear{2001, 2026, Earlier::Refused};

}  // namespace
constexpr Edition kEnactedEdition{
    .id = LawEdition::Enacted,
    .rows = kRows,
    .routes = {{kEachYear, kEachYear, kEachYear, kEachYear, kEachYear, kEachYear, kEachYear, kEachYear, kEachYear,
                kEachYear, kEachYear, kEachYear, kEachYear, kEachYear}},
    .laterYearsUseLastLaw = false,
    .entryNames = {},
};

}  // namespace osgrin::law
