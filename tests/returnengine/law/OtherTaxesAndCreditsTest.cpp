// Self-employment tax, employee FICA, other taxes, the child tax credit and total credits.

#include "LawTestSupport.h"

#include "returnengine/law/Calcs.h"
#include "returnengine/law/OtherTaxesCalc.h"
#include "returnengine/law/TaxCrCalcs.h"
#include "returnengine/law/YearRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace lawtest;
using osgrin::iOtherTaxes;
using osgrin::iTaxCr;
using osgrin::iTop;
namespace OtherTaxesCalc = osgrin::OtherTaxesCalc;
namespace TaxCrCalcs = osgrin::TaxCrCalcs;
namespace rules = osgrin::law::rules;

// ---------------------------------------------------------------------------
// Self-employment tax on net earnings: nothing below 400; 12.4% up to what the
// wages leave of the wage base, 2.9% on all of it; rounded, ties to even.
struct SeNetCase {
    const char* name = "";
    Currency net, wages, wageBase;
    long tax;
};

class SeTaxOnNetEarnings : public ::testing::TestWithParam<SeNetCase> {};

TEST_P(SeTaxOnNetEarnings, Tax) {
    const SeNetCase& c = GetParam();
    EXPECT_EQ(rules::seTaxOnNetEarnings(c.net, c.wages, c.wageBase), usd(c.tax));
}

const SeNetCase kSeNetCases[] = {
    {.name = "Net399_99", .net = cents(39999), .wages = Currency(), .wageBase = usd(102000), .tax = 0},
    // 400 x 12.4% = 49.60; 400 x 2.9% = 11.60; 61.20 -> 61
    {.name = "Net400", .net = usd(400), .wages = Currency(), .wageBase = usd(102000), .tax = 61},
    // 6,200 + 1,450
    {.name = "Net50000", .net = usd(50000), .wages = Currency(), .wageBase = usd(102000), .tax = 7650},
    // above the base: 12.4% x 102,000 = 12,648; 2.9% x 110,000 = 3,190
    {.name = "Net110000AboveBase", .net = usd(110000), .wages = Currency(), .wageBase = usd(102000), .tax = 15838},
    {.name = "Net102000AtBase", .net = usd(102000), .wages = Currency(), .wageBase = usd(102000), .tax = 15606},
    // wages 80,000 leave 22,000 of the base: 2,728 + 1,450
    {.name = "Net50000_Wages80000", .net = usd(50000), .wages = usd(80000), .wageBase = usd(102000), .tax = 4178},
    // wages at or over the base: only 2.9%
    {.name = "Net50000_WagesAtBase", .net = usd(50000), .wages = usd(102000), .wageBase = usd(102000), .tax = 1450},
    {.name = "Net50000_WagesOverBase", .net = usd(50000), .wages = usd(200000), .wageBase = usd(102000), .tax = 1450},
    // 2.9% x 500 = 14.50 -> 14; 2.9% x 1,500 = 43.50 -> 44 (ties to even)
    {.name = "TieDown", .net = usd(500), .wages = usd(200000), .wageBase = usd(102000), .tax = 14},
    {.name = "TieUp", .net = usd(1500), .wages = usd(200000), .wageBase = usd(102000), .tax = 44},
    {.name = "Zero", .net = Currency(), .wages = Currency(), .wageBase = usd(102000), .tax = 0},
    {.name = "Negative", .net = usd(-500), .wages = Currency(), .wageBase = usd(102000), .tax = 0},
};

INSTANTIATE_TEST_SUITE_P(OtherTaxesCalc, SeTaxOnNetEarnings, ::testing::ValuesIn(kSeNetCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// ---------------------------------------------------------------------------
// Self-employment tax of a spouse, from the return.
struct SeCase {
    const char* name = "";
    int year, status, spouse;
    const char* se = "";
    const char* wages = "";
    long tax;
};

class SelfEmploymentTax : public ::testing::TestWithParam<SeCase> {};

TEST_P(SelfEmploymentTax, Tax) {
    const SeCase& c = GetParam();
    iTop r;
    open(r, c.year, c.status);
    r.inc().letProperty(c.spouse == 0 ? "SEIncSp1" : "SEIncSp2", c.se);
    r.inc().letProperty(c.spouse == 0 ? "WageSp1" : "WageSp2", c.wages);
    // the other spouse's income must not matter
    r.inc().letProperty(c.spouse == 0 ? "SEIncSp2" : "SEIncSp1", "77777");
    r.inc().letProperty(c.spouse == 0 ? "WageSp2" : "WageSp1", "500000");
    EXPECT_EQ(OtherTaxesCalc::CalcSETax(r, c.spouse), usd(c.tax));
}

// clang-format off
const SeCase kSeCases[] = {
    // 100,000 x 0.9235 = 92,350; 11,451.40 + 2,678.15 = 14,129.55 -> 14,130
    {.name = "2008_Spouse1_100000", .year = 2008, .status = 1, .spouse = 0, .se = "100000", .wages = "0", .tax = 14130},
    // 200,000 x 0.9235 = 184,700; 12,648 + 5,356.30 = 18,004.30 -> 18,004
    {.name = "2008_Spouse1_AboveWageBase", .year = 2008, .status = 1, .spouse = 0, .se = "200000", .wages = "0", .tax = 18004},
    // 433 x 0.9235 = 399.8755 < 400: nothing
    {.name = "2008_Spouse1_BelowFloor", .year = 2008, .status = 1, .spouse = 0, .se = "433", .wages = "0", .tax = 0},
    // 434 x 0.9235 = 400.799: 49.6991 + 11.6232 = 61.3223 -> 61
    {.name = "2008_Spouse1_AboveFloor", .year = 2008, .status = 1, .spouse = 0, .se = "434", .wages = "0", .tax = 61},
    {.name = "2008_Spouse1_Loss", .year = 2008, .status = 1, .spouse = 0, .se = "-5000", .wages = "0", .tax = 0},
    // 30,000 x 0.9235 = 27,705; base left 92,000: 3,435.42 + 803.445 = 4,238.865 -> 4,239
    {.name = "2008_Spouse1_WithWages", .year = 2008, .status = 1, .spouse = 0, .se = "30000", .wages = "10000", .tax = 4239},
    // 46,175 net; base left 12,000: 1,488 + 1,339.075 = 2,827.075 -> 2,827
    {.name = "2008_Spouse1_WagesNearBase", .year = 2008, .status = 1, .spouse = 0, .se = "50000", .wages = "90000", .tax = 2827},
    // Joint spouse 2, with spouse 2's own wages against the base
    {.name = "2008_Joint_Spouse2_WagesNearBase", .year = 2008, .status = 2, .spouse = 1, .se = "50000", .wages = "90000", .tax = 2827},
    // 40,000 x 0.9235 = 36,940: 4,580.56 + 1,071.26 = 5,651.82 -> 5,652
    {.name = "2008_Joint_Spouse2_40000", .year = 2008, .status = 2, .spouse = 1, .se = "40000", .wages = "0", .tax = 5652},
    // 2003 base 87,000: 10,788 + 2,678.15 = 13,466.15 -> 13,466
    {.name = "2003_Spouse1_100000", .year = 2003, .status = 1, .spouse = 0, .se = "100000", .wages = "0", .tax = 13466},
    // 2001 base 80,400: 9,969.60 + 2,678.15 = 12,647.75 -> 12,648
    {.name = "2001_Spouse1_100000", .year = 2001, .status = 1, .spouse = 0, .se = "100000", .wages = "0", .tax = 12648},
    // 2009 uses 2008's base
    {.name = "2009_Spouse1_AboveWageBase", .year = 2009, .status = 1, .spouse = 0, .se = "200000", .wages = "0", .tax = 18004},
    {.name = "2000_Spouse1_NoTax", .year = 2000, .status = 1, .spouse = 0, .se = "100000", .wages = "0", .tax = 0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(OtherTaxesCalc, SelfEmploymentTax, ::testing::ValuesIn(kSeCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// ---------------------------------------------------------------------------
// Other taxes: both spouses' SE tax for Joint only, plus the user's other taxes.
TEST(OtherTaxesCalc, JointThenMarriedSeparately) {
    iTop r;
    open(r, 2008, 2);
    r.inc().letProperty("SEIncSp1", "5000");
    r.inc().letProperty("SEIncSp2", "40000");
    r.inc().letProperty("WageSp1", "20000");
    r.inc().letProperty("WageSp2", "10000");
    r.other().letProperty("OtherTaxes", "1234");
    // spouse 1: 4,617.50 net, 572.57 + 133.9075 = 706.4775 -> 706; spouse 2: 5,652
    EXPECT_EQ(OtherTaxesCalc::CalcOtherTaxes(r), usd(706 + 5652 + 1234));
    EXPECT_EQ(r.other().get(iOtherTaxes::SETaxSp1), usd(706));
    EXPECT_EQ(r.other().get(iOtherTaxes::SETaxSp2), usd(5652));
    // FICA: 20,000 x 7.65% = 1,530; 10,000 x 7.65% = 765; not part of the total
    EXPECT_EQ(r.other().get(iOtherTaxes::FicaSp1), usd(1530));
    EXPECT_EQ(r.other().get(iOtherTaxes::FicaSp2), usd(765));

    // Married Sep.: spouse 2's income is ignored and the line goes to 0; FICA still for both.
    r.letProperty("FilingStatus", "3");
    EXPECT_EQ(OtherTaxesCalc::CalcOtherTaxes(r), usd(706 + 1234));
    EXPECT_EQ(r.other().get(iOtherTaxes::SETaxSp1), usd(706));
    EXPECT_EQ(r.other().get(iOtherTaxes::SETaxSp2), Currency());
    EXPECT_EQ(r.other().get(iOtherTaxes::FicaSp2), usd(765));
}

TEST(OtherTaxesCalc, SingleSpouse2LineIsZero) {
    iTop r;
    open(r, 2008, 1);
    r.inc().letProperty("SEIncSp2", "40000");
    r.other().set(iOtherTaxes::SETaxSp2, usd(999));
    EXPECT_EQ(OtherTaxesCalc::CalcOtherTaxes(r), Currency());
    EXPECT_EQ(r.other().get(iOtherTaxes::SETaxSp2), Currency());
}

// A 2002 return records the fixed FICA for each spouse.
TEST(OtherTaxesCalc, Year2002FicaReadsOneMillion) {
    iTop r;
    open(r, 2002, 2, 2);
    r.inc().letProperty("WageSp1", "50000");
    r.Calculate();
    EXPECT_EQ(r.other().getProperty("FicaSp1"), "1,000,000");
    EXPECT_EQ(r.other().getProperty("FicaSp2"), "1,000,000");
    EXPECT_EQ(r.get(iTop::OtherTax), Currency());
}

// ---------------------------------------------------------------------------
// Employee FICA: 6.2% up to the wage base plus 1.45% of all wages, rounded.
struct FicaCase {
    const char* name = "";
    const char* wages = "";
    int year;
    const char* fica = "";
};

class EmployeeFica : public ::testing::TestWithParam<FicaCase> {};

TEST_P(EmployeeFica, Text) {
    const FicaCase& c = GetParam();
    EXPECT_EQ(OtherTaxesCalc::CalcFica(c.wages, static_cast<std::int16_t>(c.year)), c.fica);
    iTop r;
    EXPECT_EQ(r.other().CalcFicaMethod(c.wages, static_cast<std::int16_t>(c.year)), c.fica);
}

const FicaCase kFicaCases[] = {
    // 3,100 + 725
    {.name = "2008_50000", .wages = "50000", .year = 2008, .fica = "3825"},
    // 6.2% x 102,000 = 6,324; 1.45% x 200,000 = 2,900
    {.name = "2008_200000AboveBase", .wages = "200000", .year = 2008, .fica = "9224"},
    // 6,324 + 1,479
    {.name = "2008_102000AtBase", .wages = "102000", .year = 2008, .fica = "7803"},
    // 765.4315 + 179.0122 = 944.4437 -> 944
    {.name = "2008_WithCents", .wages = "12345.67", .year = 2008, .fica = "944"},
    // 62 + 14.50 = 76.50 -> 76; 186 + 43.50 = 229.50 -> 230 (ties to even)
    {.name = "2008_TieDown", .wages = "1000", .year = 2008, .fica = "76"},
    {.name = "2008_TieUp", .wages = "3000", .year = 2008, .fica = "230"},
    {.name = "2008_NotANumber", .wages = "abc", .year = 2008, .fica = "0"},
    // 2003 base 87,000: 5,394 + 1,450
    {.name = "2003_100000", .wages = "100000", .year = 2003, .fica = "6844"},
    // 2004 base 87,900: 5,449.80 + 1,450 = 6,899.80 -> 6,900
    {.name = "2004_100000", .wages = "100000", .year = 2004, .fica = "6900"},
    // 2005 base 90,000: 5,580 + 1,450
    {.name = "2005_100000", .wages = "100000", .year = 2005, .fica = "7030"},
    // 2006 base 94,200: 5,840.40 + 1,450 = 7,290.40 -> 7,290
    {.name = "2006_100000", .wages = "100000", .year = 2006, .fica = "7290"},
    // 2007 base 97,500: 6,045 + 1,450
    {.name = "2007_100000", .wages = "100000", .year = 2007, .fica = "7495"},
    // later years: 2008's base 102,000, all of 100,000 under it
    {.name = "2009_100000", .wages = "100000", .year = 2009, .fica = "7650"},
    {.name = "2012_200000", .wages = "200000", .year = 2012, .fica = "9224"},
    // 2002 and before: the fixed 1,000,000
    {.name = "2002_Fixed", .wages = "50000", .year = 2002, .fica = "1000000"},
    {.name = "2001_Fixed", .wages = "50000", .year = 2001, .fica = "1000000"},
    {.name = "2000_Fixed", .wages = "50000", .year = 2000, .fica = "1000000"},
    {.name = "2002_NotANumber", .wages = "abc", .year = 2002, .fica = "1000000"},
};

INSTANTIATE_TEST_SUITE_P(OtherTaxesCalc, EmployeeFica, ::testing::ValuesIn(kFicaCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// ---------------------------------------------------------------------------
// Steps of the child-credit phase-out: the excess in whole dollars (ties to even),
// $1,000 steps, a part of a step counting as a step.
struct StepCase {
    const char* name = "";
    Currency excess;
    long long steps;
};

class ChildCreditSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(ChildCreditSteps, Steps) {
    const StepCase& c = GetParam();
    EXPECT_EQ(rules::childCreditSteps(c.excess), c.steps);
}

const StepCase kStepCases[] = {
    {.name = "Excess1", .excess = usd(1), .steps = 1},
    {.name = "Excess1000", .excess = usd(1000), .steps = 1},
    // 1,000.50 -> 1,000 (ties to even): one step; 1,000.60 -> 1,001: two
    {.name = "Excess1000_50", .excess = cents(100050), .steps = 1},
    {.name = "Excess1000_60", .excess = cents(100060), .steps = 2},
    {.name = "Excess1001", .excess = usd(1001), .steps = 2},
    // 2,000.50 -> 2,000: two steps; 999.50 -> 1,000: one step
    {.name = "Excess2000_50", .excess = cents(200050), .steps = 2},
    {.name = "Excess999_50", .excess = cents(99950), .steps = 1},
    {.name = "Excess2000", .excess = usd(2000), .steps = 2},
    // 0.40 -> 0: no step
    {.name = "Excess0_40", .excess = cents(40), .steps = 0},
    // beyond a 16-bit count: 32,767,001 -> 32,768 steps
    {.name = "Excess32767001", .excess = usd(32767001), .steps = 32768},
    // AGI of 10 billion, Joint: excess 9,999,890,000 -> 9,999,890 steps
    {.name = "TenBillionJoint", .excess = usd(9999890000LL), .steps = 9999890},
};

INSTANTIATE_TEST_SUITE_P(TaxCrCalcs, ChildCreditSteps, ::testing::ValuesIn(kStepCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// ---------------------------------------------------------------------------
// The child tax credit from the return: $50 per $1,000 step over the threshold
// (110,000 Joint, 55,000 Married Sep., 75,000 the others), limited to the income tax.
struct ChildCase {
    const char* name = "";
    int year, status, children;
    Currency agi, incTax;
    long credit;
};

class ChildTaxCredit : public ::testing::TestWithParam<ChildCase> {};

TEST_P(ChildTaxCredit, Credit) {
    const ChildCase& c = GetParam();
    iTop r;
    open(r, c.year, c.status);
    r.cr().letNumOfChildCrChildren(std::to_string(c.children));
    r.set(iTop::AGI, c.agi);
    r.set(iTop::IncTax, c.incTax);
    EXPECT_EQ(TaxCrCalcs::CalcChildCr(r), usd(c.credit));
}

// clang-format off
const ChildCase kChildCases[] = {
    {.name = "2008_Joint_AtThreshold", .year = 2008, .status = 2, .children = 2, .agi = usd(110000), .incTax = usd(10000), .credit = 2000},
    // 1 dollar over: one step, 50
    {.name = "2008_Joint_OneDollarOver", .year = 2008, .status = 2, .children = 2, .agi = usd(110001), .incTax = usd(10000), .credit = 1950},
    {.name = "2008_Joint_1000Over", .year = 2008, .status = 2, .children = 2, .agi = usd(111000), .incTax = usd(10000), .credit = 1950},
    {.name = "2008_Joint_1001Over", .year = 2008, .status = 2, .children = 2, .agi = usd(111001), .incTax = usd(10000), .credit = 1900},
    // 39 steps: 1,950 off 2,000
    {.name = "2008_Joint_39Steps", .year = 2008, .status = 2, .children = 2, .agi = usd(149000), .incTax = usd(10000), .credit = 50},
    // 40 steps: 2,000 >= 2,000: nothing
    {.name = "2008_Joint_PhasedOut", .year = 2008, .status = 2, .children = 2, .agi = usd(150000), .incTax = usd(10000), .credit = 0},
    {.name = "2008_Joint_TenBillion", .year = 2008, .status = 2, .children = 2, .agi = usd(10000000000LL), .incTax = usd(10000), .credit = 0},
    {.name = "2008_MarSep_OneDollarOver", .year = 2008, .status = 3, .children = 1, .agi = usd(55001), .incTax = usd(10000), .credit = 950},
    {.name = "2008_MarSep_AtThreshold", .year = 2008, .status = 3, .children = 1, .agi = usd(55000), .incTax = usd(10000), .credit = 1000},
    {.name = "2008_Single_OneDollarOver", .year = 2008, .status = 1, .children = 1, .agi = usd(75001), .incTax = usd(10000), .credit = 950},
    {.name = "2008_Head_OneDollarOver", .year = 2008, .status = 4, .children = 1, .agi = usd(75001), .incTax = usd(10000), .credit = 950},
    {.name = "2008_Widow_OneDollarOver", .year = 2008, .status = 5, .children = 1, .agi = usd(75001), .incTax = usd(10000), .credit = 950},
    // limited to the income tax
    {.name = "2008_Joint_LimitedByIncTax", .year = 2008, .status = 2, .children = 3, .agi = usd(50000), .incTax = usd(1234), .credit = 1234},
    // the income tax is read in whole dollars: 1,200.50 -> 1,201
    {.name = "2008_Joint_IncTaxReadWhole", .year = 2008, .status = 2, .children = 3, .agi = usd(50000), .incTax = cents(120050), .credit = 1201},
    {.name = "2008_Joint_NoIncTax", .year = 2008, .status = 2, .children = 3, .agi = usd(50000), .incTax = Currency(), .credit = 0},
    {.name = "2008_Joint_NoChildren", .year = 2008, .status = 2, .children = 0, .agi = usd(50000), .incTax = usd(10000), .credit = 0},
    // AGI is read in whole dollars: 111,000.50 -> 111,001, two steps
    {.name = "2008_Joint_AgiReadWhole", .year = 2008, .status = 2, .children = 2, .agi = cents(11100050), .incTax = usd(10000), .credit = 1900},
    {.name = "2003_Joint_TwoChildren", .year = 2003, .status = 2, .children = 2, .agi = usd(100000), .incTax = usd(10000), .credit = 2000},
    // 600 per child in 2001 and 2002
    {.name = "2002_Joint_TwoChildren", .year = 2002, .status = 2, .children = 2, .agi = usd(100000), .incTax = usd(10000), .credit = 1200},
    {.name = "2001_Single_OneDollarOver", .year = 2001, .status = 1, .children = 1, .agi = usd(75001), .incTax = usd(10000), .credit = 550},
    {.name = "2009_Joint_OneDollarOver", .year = 2009, .status = 2, .children = 2, .agi = usd(110001), .incTax = usd(10000), .credit = 1950},
    {.name = "2000_Joint_NoCredit", .year = 2000, .status = 2, .children = 2, .agi = usd(50000), .incTax = usd(10000), .credit = 0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(TaxCrCalcs, ChildTaxCredit, ::testing::ValuesIn(kChildCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// The per-year entry points: 2002's child credit carries 2001's name; FICA by year.
TEST(TaxCrCalcs, YearEntryPoints) {
    iTop r;
    open(r, 2008, 2);
    r.cr().letNumOfChildCrChildren("2");
    r.set(iTop::AGI, usd(50000));
    r.set(iTop::IncTax, usd(10000));
    EXPECT_EQ(osgrin::Calcs2002::CalcChildCr2001(r), usd(1200));  // 2 x 600
    EXPECT_EQ(osgrin::Calcs2001::CalcChildCr2001(r), usd(1200));
    EXPECT_EQ(osgrin::Calcs2003::CalcChildCr2003(r), usd(2000));  // 2 x 1,000
    EXPECT_EQ(osgrin::Calcs2008::CalcChildCr2008(r), usd(2000));
    // 2003 base 87,000: 5,394 + 1,450; 2008 base 102,000: 6,200 + 1,450
    EXPECT_EQ(osgrin::Calcs2003::CalcFica2003("100000"), usd(6844));
    EXPECT_EQ(osgrin::Calcs2008::CalcFica2008("100000"), usd(7650));
}

// Total credits: the child credit plus other credits, also on the return.
TEST(TaxCrCalcs, TotalCredits) {
    iTop r;
    open(r, 2008, 2);
    r.cr().letNumOfChildCrChildren("2");
    r.cr().letProperty("OtherCr", "300");
    r.set(iTop::AGI, usd(110001));
    r.set(iTop::IncTax, usd(10000));
    // 1,950 + 300
    EXPECT_EQ(TaxCrCalcs::CalcTaxCr(r), usd(2250));
    EXPECT_EQ(r.cr().get(iTaxCr::ChildCr), usd(1950));
    EXPECT_EQ(r.get(iTop::TotCr), usd(2250));
}

}  // namespace
