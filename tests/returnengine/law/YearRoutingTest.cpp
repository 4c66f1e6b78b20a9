// Which year's law runs for a tax year, the rate file and schedule names, the
// shared helpers, and whole returns at the edges of the supported years.

#include "LawTestSupport.h"

#include "CommonTaxCalcs.h"
#include "YearRouting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace lawtest;
using osgrin::iAMT;
using osgrin::ItemDed;
using osgrin::iTop;
using osgrin::law::Family;
namespace CommonTaxCalcs = osgrin::CommonTaxCalcs;

// ---------------------------------------------------------------------------
// Routing of every family for 1999 to 2012.
struct FamilyRouting {
    Family family;
    const char* name;
    int firstOwn;       // first year with a function (or routed to one)
    int lastOwn;        // last year with its own function; later years use this one's
    bool y2002Uses2001; // 2002 has no function of its own and uses 2001's
};

// The expected year for a family and a tax year, written from the routing rules.
int expectedYear(const FamilyRouting& f, int year) {
    if (f.family == Family::CalcAMTCapGainTax) {
        // 2003 and 2004 their own; 2005 and every later year 2005's; none before 2003
        if (year < 2003) return osgrin::law::kNoFunction;
        return year >= 2005 ? 2005 : year;
    }
    if (year < f.firstOwn) return osgrin::law::kNoFunction;
    if (year > f.lastOwn) return f.lastOwn;
    if (year == 2002 && f.y2002Uses2001) return 2001;
    return year;
}

const FamilyRouting kFamilies[] = {
    {Family::StdDed, "StdDed", 2001, 2008, false},
    {Family::CalcExemptionDedGross, "CalcExemptionDedGross", 2001, 2008, false},
    {Family::CalcExemptionDedPhaseOut, "CalcExemptionDedPhaseOut", 2001, 2008, false},
    {Family::ItemDedPhaseOut, "ItemDedPhaseOut", 2001, 2008, false},
    {Family::LimitIRADed4Spouse, "LimitIRADed4Spouse", 2001, 2008, false},
    {Family::GetSchedDTax, "GetSchedDTax", 2001, 2008, false},
    {Family::CalcSETax, "CalcSETax", 2001, 2008, false},
    {Family::CalcChildCr, "CalcChildCr", 2001, 2008, false},
    {Family::CalcAMTExemption, "CalcAMTExemption", 2001, 2008, true},
    {Family::CalcAMTCapGainTax, "CalcAMTCapGainTax", 2003, 2005, false},
    {Family::CalcFica, "CalcFica", 2003, 2008, false},
};

struct RoutingCase {
    FamilyRouting family;
    int year;
    int expected;
};

std::vector<RoutingCase> routingCases() {
    std::vector<RoutingCase> cases;
    for (const FamilyRouting& f : kFamilies)
        for (int year = 1999; year <= 2012; ++year) cases.push_back({f, year, expectedYear(f, year)});
    return cases;
}

class YearRouting : public ::testing::TestWithParam<RoutingCase> {};

TEST_P(YearRouting, RoutedYear) {
    const RoutingCase& c = GetParam();
    EXPECT_EQ(osgrin::law::routedYear(c.family.family, c.year), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Law, YearRouting, ::testing::ValuesIn(routingCases()), [](const auto& tp) {
    return std::string(tp.param.family.name) + "_" + std::to_string(tp.param.year);
});

// A few routing facts spelled out, so that the generated table cannot hide them.
TEST(YearRouting, SpelledOutBoundaries) {
    using osgrin::law::routedYear;
    constexpr int none = osgrin::law::kNoFunction;
    EXPECT_EQ(routedYear(Family::StdDed, 2000), none);
    EXPECT_EQ(routedYear(Family::StdDed, 2001), 2001);
    EXPECT_EQ(routedYear(Family::StdDed, 2009), 2008);
    EXPECT_EQ(routedYear(Family::CalcAMTExemption, 2002), 2001);
    EXPECT_EQ(routedYear(Family::CalcAMTExemption, 2003), 2003);
    EXPECT_EQ(routedYear(Family::CalcAMTCapGainTax, 2002), none);
    EXPECT_EQ(routedYear(Family::CalcAMTCapGainTax, 2004), 2004);
    EXPECT_EQ(routedYear(Family::CalcAMTCapGainTax, 2008), 2005);
    EXPECT_EQ(routedYear(Family::CalcFica, 2002), none);
    EXPECT_EQ(routedYear(Family::CalcFica, 2003), 2003);
    EXPECT_EQ(routedYear(Family::CalcFica, 2012), 2008);
    EXPECT_EQ(routedYear(Family::GetSchedDTax, 2002), 2002);
    EXPECT_EQ(routedYear(Family::LimitIRADed4Spouse, 2007), 2007);
    EXPECT_EQ(routedYear(Family::LimitIRADed4Spouse, 2010), 2008);
}

// ---------------------------------------------------------------------------
// Rate file and schedule names; the not-below-zero difference.
TEST(CommonTaxCalcs, RateTableNames) {
    EXPECT_EQ(CommonTaxCalcs::GetRateTable(1), "Schedule X");
    EXPECT_EQ(CommonTaxCalcs::GetRateTable(2), "Schedule Y-1");
    EXPECT_EQ(CommonTaxCalcs::GetRateTable(3), "Schedule Y-2");
    EXPECT_EQ(CommonTaxCalcs::GetRateTable(4), "Schedule Z");
    EXPECT_EQ(CommonTaxCalcs::GetRateTable(5), "Schedule Y-1");
    EXPECT_EQ(CommonTaxCalcs::GetRateTable(0), "");
    EXPECT_EQ(CommonTaxCalcs::GetRateTable(6), "");
}

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(CommonTaxCalcs, RateFileNames) {
    EXPECT_TRUE(endsWith(CommonTaxCalcs::GetRateFile(2008), "Ind2008.tbl")) << CommonTaxCalcs::GetRateFile(2008);
    EXPECT_TRUE(endsWith(CommonTaxCalcs::GetRateFile(2001), "Ind2001.tbl")) << CommonTaxCalcs::GetRateFile(2001);
    EXPECT_TRUE(endsWith(CommonTaxCalcs::GetRateFile(2009), "Ind2009.tbl")) << CommonTaxCalcs::GetRateFile(2009);
    EXPECT_TRUE(endsWith(CommonTaxCalcs::GetAmtRateFile(), "indAmt2001.tbl")) << CommonTaxCalcs::GetAmtRateFile();
    // the same folder for both
    const std::string regular = CommonTaxCalcs::GetRateFile(2008);
    const std::string amt = CommonTaxCalcs::GetAmtRateFile();
    EXPECT_EQ(regular.substr(0, regular.size() - 11), amt.substr(0, amt.size() - 14));
}

struct SubtractCase {
    const char* name;
    Currency a, b, result;
};

class SubtractNotZero : public ::testing::TestWithParam<SubtractCase> {};

TEST_P(SubtractNotZero, Result) {
    const SubtractCase& c = GetParam();
    EXPECT_EQ(CommonTaxCalcs::SubtractNotZero(c.a, c.b), c.result);
}

const SubtractCase kSubtractCases[] = {
    // b - a: the first argument is taken from the second
    {"SecondLarger", usd(3), usd(10), usd(7)},
    {"FirstLarger", usd(10), usd(3), Currency()},
    {"Equal", usd(5), usd(5), Currency()},
    {"NegativeFirst", usd(-2), usd(3), usd(5)},
    {"CentBelow", cents(1), Currency(), Currency()},
    {"Cents", cents(125), cents(350), cents(225)},
    {"BothNegative", usd(-10), usd(-3), usd(7)},
};

INSTANTIATE_TEST_SUITE_P(CommonTaxCalcs, SubtractNotZero, ::testing::ValuesIn(kSubtractCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

TEST(CommonTaxCalcs, MinMaxHelper) {
    EXPECT_EQ(tavrel::minMax(usd(3), usd(7), false), usd(3));
    EXPECT_EQ(tavrel::minMax(usd(7), usd(3), false), usd(3));
    EXPECT_EQ(tavrel::minMax(usd(3), usd(7), true), usd(7));
    EXPECT_EQ(tavrel::minMax(usd(7), usd(3), true), usd(7));
    EXPECT_EQ(tavrel::minMax(usd(-1), usd(-1), true), usd(-1));
}

// ---------------------------------------------------------------------------
// Whole returns outside the years with a law of their own.

// 2010: 2008's standard deduction, exemptions, rate file, AMT exemption and FICA.
TEST(YearRouting, Return2010UsesThe2008Law) {
    iTop r;
    open(r, 2010, 1, 1);
    r.inc().letProperty("WageSp1", "50000");
    r.Calculate();
    EXPECT_EQ(r.item().get(ItemDed::StdDed), usd(5450));
    EXPECT_EQ(r.item().get(ItemDed::ExemptionDedNet), usd(3500));
    EXPECT_EQ(r.get(iTop::ItemOrStdDed), usd(5450));
    EXPECT_EQ(r.get(iTop::ExemptionDed), usd(3500));
    // 50,000 - 5,450 - 3,500 = 41,050; 4,481.25 + 25% x 8,500 = 6,606.25
    EXPECT_EQ(r.get(iTop::TaxInc), usd(41050));
    EXPECT_EQ(r.get(iTop::IncTax), cents(660625));
    // AMT: 50,000 - 33,750 = 16,250 at 26% = 4,225
    EXPECT_EQ(r.amt().get(iAMT::Exemption), usd(33750));
    EXPECT_EQ(r.amt().get(iAMT::TentativeAMT), usd(4225));
    EXPECT_EQ(r.amt().get(iAMT::AMT), Currency());
    EXPECT_EQ(r.get(iTop::RegAndAmtTax), cents(660625));
    // 3,100 + 725
    EXPECT_EQ(r.other().get(osgrin::iOtherTaxes::FicaSp1), usd(3825));
    EXPECT_EQ(r.get(iTop::TotTax), cents(660625));
}

// 2000: no standard deduction, no exemptions, the 2001 rate file, no AMT exemption.
TEST(YearRouting, Return2000GetsNoDeductionsOrExemptions) {
    iTop r;
    open(r, 2000, 1, 1);
    r.letIsSp1Over65(true);
    r.inc().letProperty("WageSp1", "50000");
    r.Calculate();
    EXPECT_EQ(r.item().get(ItemDed::StdDed), Currency());
    EXPECT_EQ(r.item().get(ItemDed::ExemptionDedGross), Currency());
    EXPECT_EQ(r.item().get(ItemDed::ExemptionDedNet), Currency());
    EXPECT_EQ(r.get(iTop::ItemOrStdDed), Currency());
    EXPECT_EQ(r.get(iTop::ExemptionDed), Currency());
    EXPECT_EQ(r.get(iTop::TaxInc), usd(50000));
    // 2001 schedule X: 4,057.50 + 27.5% x 22,950 = 10,368.75
    EXPECT_EQ(r.get(iTop::IncTax), cents(1036875));
    // AMT: no exemption, 26% x 50,000 = 13,000 > 10,368.75
    EXPECT_EQ(r.amt().get(iAMT::TentativeAMT), usd(13000));
    EXPECT_EQ(r.amt().get(iAMT::AMT), cents(263125));
    EXPECT_EQ(r.get(iTop::RegAndAmtTax), usd(13000));
    EXPECT_EQ(r.other().get(osgrin::iOtherTaxes::FicaSp1), usd(1000000));
    EXPECT_EQ(r.get(iTop::TotTax), usd(13000));
}

}  // namespace
