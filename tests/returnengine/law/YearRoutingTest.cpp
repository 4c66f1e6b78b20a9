// Which year's law runs for a tax year, the rate file and schedule names, the
// shared helpers, and whole returns at the edges of the supported years.

#include "LawTestSupport.h"

#include "returnengine/law/CommonTaxCalcs.h"
#include "returnengine/law/LawEditions.h"

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
// Routing of every family of the "2008 Tables" edition for 1999 to 2012.
struct FamilyRouting {
    Family family;
    int firstOwn;                  // first year with a function (or routed to one)
    int lastOwn;                   // last year with its own function; later years use this one's
    bool y2002Uses2001;            // 2002 has no function of its own and uses 2001's
    bool earlierUseFirst = false;  // years before the first use the first year's
};

// The expected year for a family and a tax year, written from the routing rules.
int expectedYear(const FamilyRouting& f, int year) {
    if (year < f.firstOwn) return f.earlierUseFirst ? f.firstOwn : osgrin::law::kNoFunction;
    if (year > f.lastOwn) return f.lastOwn;
    if (year == 2002 && f.y2002Uses2001) return 2001;
    return year;
}

const FamilyRouting kTablesFamilies[] = {
    {.family = Family::StdDed, .firstOwn = 2001, .lastOwn = 2008, .y2002Uses2001 = false},
    {.family = Family::CalcExemptionDedGross, .firstOwn = 2001, .lastOwn = 2008, .y2002Uses2001 = false},
    {.family = Family::CalcExemptionDedPhaseOut, .firstOwn = 2001, .lastOwn = 2008, .y2002Uses2001 = false},
    {.family = Family::ItemDedPhaseOut, .firstOwn = 2001, .lastOwn = 2008, .y2002Uses2001 = false},
    {.family = Family::LimitIRADed4Spouse, .firstOwn = 2001, .lastOwn = 2008, .y2002Uses2001 = false},
    {.family = Family::GetSchedDTax, .firstOwn = 2001, .lastOwn = 2008, .y2002Uses2001 = false},
    {.family = Family::CalcSETax, .firstOwn = 2001, .lastOwn = 2008, .y2002Uses2001 = false},
    {.family = Family::CalcChildCr, .firstOwn = 2001, .lastOwn = 2008, .y2002Uses2001 = false},
    {.family = Family::CalcAMTExemption, .firstOwn = 2001, .lastOwn = 2008, .y2002Uses2001 = true},
    {.family = Family::CalcAMTCapGainTax, .firstOwn = 2003, .lastOwn = 2005, .y2002Uses2001 = false},
    {.family = Family::CalcFica, .firstOwn = 2003, .lastOwn = 2008, .y2002Uses2001 = false},
    {.family = Family::GetIncTax, .firstOwn = 2001, .lastOwn = 2008, .y2002Uses2001 = false, .earlierUseFirst = true},
    {.family = Family::CalcSEMedInsDed, .firstOwn = 2001, .lastOwn = 2008, .y2002Uses2001 = false},
    {.family = Family::YearRules, .firstOwn = 2001, .lastOwn = 2008, .y2002Uses2001 = false, .earlierUseFirst = true},
};

struct RoutingCase {
    FamilyRouting family;
    int year;
    int expected;
};

std::vector<RoutingCase> routingCases() {
    std::vector<RoutingCase> cases;
    for (const FamilyRouting& f : kTablesFamilies)
        for (int year = 1999; year <= 2012; ++year) cases.push_back({f, year, expectedYear(f, year)});
    return cases;
}

class TablesRouting : public ::testing::TestWithParam<RoutingCase> {};

TEST_P(TablesRouting, RoutedYear) {
    const RoutingCase& c = GetParam();
    EXPECT_EQ(osgrin::law::routedYear(osgrin::law::tables2008Edition(), c.family.family, c.year), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Law, TablesRouting, ::testing::ValuesIn(routingCases()), [](const auto& tp) {
    return std::string(osgrin::law::familyName(tp.param.family.family)) + "_" + std::to_string(tp.param.year);
});

// The enacted edition: every family its own function in each year 2001 to
// 2026; any other year is refused with error 5 naming it.
TEST(EnactedRouting, EachYearItsOwnLawAndNoOther) {
    const auto& law = osgrin::law::enactedEdition();
    for (std::size_t f = 0; f < osgrin::law::kFamilyCount; ++f) {
        const auto family = static_cast<Family>(f);
        for (int year = 2001; year <= 2026; ++year) EXPECT_EQ(osgrin::law::routedYear(law, family, year), year);
        for (int year : {2000, 2027}) {
            const auto e = testsupport::errorOf([&] { osgrin::law::routedYear(law, family, year); });
            ASSERT_TRUE(e) << osgrin::law::familyName(family) << " " << year;
            EXPECT_EQ(e->number(), 5);
            EXPECT_NE(e->source().find(std::to_string(year)), std::string::npos) << e->source();
        }
    }
}

// The entry points are named after the year of the law that runs; the 2002
// tables keep the child credit's 2001 name.
TEST(EntryLocations, NamesFollowTheYearsOfTheTable) {
    using osgrin::law::entryLocation;
    const auto& tables = osgrin::law::tables2008Edition();
    const auto& enacted = osgrin::law::enactedEdition();
    EXPECT_EQ(entryLocation(tables, Family::StdDed, 2008), "Calcs2008.StdDed2008");
    EXPECT_EQ(entryLocation(tables, Family::CalcChildCr, 2002), "Calcs2002.CalcChildCr2001");
    EXPECT_EQ(entryLocation(tables, Family::CalcChildCr, 2003), "Calcs2003.CalcChildCr2003");
    EXPECT_EQ(entryLocation(enacted, Family::CalcChildCr, 2002), "Calcs2002.CalcChildCr2002");
    EXPECT_EQ(entryLocation(enacted, Family::CalcAMTCapGainTax, 2009), "Calcs2009.CalcAMTCapGainTax2009");
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
    // A law row's file, known or not, is in the same folder as the year's file.
    const std::string regular = CommonTaxCalcs::GetRateFile(2008);
    const std::string folder = regular.substr(0, regular.size() - 11);
    EXPECT_EQ(CommonTaxCalcs::rateFilePath("indAmt2001.tbl"), folder + "indAmt2001.tbl");
    EXPECT_EQ(CommonTaxCalcs::rateFilePath("Ind2001Enacted.tbl"), folder + "Ind2001Enacted.tbl");
    EXPECT_EQ(CommonTaxCalcs::rateFilePath("Other.tbl"), folder + "Other.tbl");
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
    {"SecondLarger", usd(3), usd(10), usd(7)},       {"FirstLarger", usd(10), usd(3), Currency()},
    {"Equal", usd(5), usd(5), Currency()},           {"NegativeFirst", usd(-2), usd(3), usd(5)},
    {"CentBelow", cents(1), Currency(), Currency()}, {"Cents", cents(125), cents(350), cents(225)},
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
