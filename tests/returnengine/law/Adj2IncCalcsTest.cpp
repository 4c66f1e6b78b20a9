// Adjustments to income: the IRA deduction and its limit for covered spouses,
// the self-employed health insurance deduction and half of the self-employment tax.

#include "LawTestSupport.h"

#include "returnengine/law/Adj2IncCalcs.h"
#include "returnengine/law/YearRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace lawtest;
using osgrin::Adj2Inc;
using osgrin::iTop;
namespace Adj2IncCalcs = osgrin::Adj2IncCalcs;
namespace rules = osgrin::law::rules;

// ---------------------------------------------------------------------------
// The limit inside the band: 20% of the gap, up to the next $10, at least $200.
struct BandCase {
    const char* name = "";
    Currency gap;
    Currency limit;
};

class IraLimitInBand : public ::testing::TestWithParam<BandCase> {};

TEST_P(IraLimitInBand, Limit) {
    const BandCase& c = GetParam();
    EXPECT_EQ(rules::iraLimitInBand(c.gap.times(0.20)), c.limit);
}

const BandCase kBandCases[] = {
    // 1 x 0.20 = 0.20 -> up to 10 -> floor 200
    {.name = "Gap1", .gap = usd(1), .limit = usd(200)},
    // 999 x 0.20 = 199.80 -> 200
    {.name = "Gap999", .gap = usd(999), .limit = usd(200)},
    // 950 x 0.20 = 190, already a multiple of 10 -> floor 200
    {.name = "Gap950", .gap = usd(950), .limit = usd(200)},
    {.name = "Gap1000", .gap = usd(1000), .limit = usd(200)},
    // 1,050 x 0.20 = 210, already a multiple of 10
    {.name = "Gap1050", .gap = usd(1050), .limit = usd(210)},
    // 1,051 x 0.20 = 210.20 -> 220
    {.name = "Gap1051", .gap = usd(1051), .limit = usd(220)},
    {.name = "Gap5000", .gap = usd(5000), .limit = usd(1000)},
    // 5,001 x 0.20 = 1,000.20 -> 1,010
    {.name = "Gap5001", .gap = usd(5001), .limit = usd(1010)},
    // 9,999 x 0.20 = 1,999.80 -> 2,000
    {.name = "Gap9999", .gap = usd(9999), .limit = usd(2000)},
    // 19,999 x 0.20 = 3,999.80 -> 4,000
    {.name = "Gap19999", .gap = usd(19999), .limit = usd(4000)},
    // 5,000.04 x 0.20 = 1,000.008 = 100,000.8 cents -> 100,001, not a multiple of 1,000 -> 1,010
    {.name = "Gap5000_04", .gap = cents(500004), .limit = usd(1010)},
    // 0.05 x 0.20 = 0.01 -> 10 -> 200
    {.name = "Gap0_05", .gap = cents(5), .limit = usd(200)},
};

INSTANTIATE_TEST_SUITE_P(Adj2IncCalcs, IraLimitInBand, ::testing::ValuesIn(kBandCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// 5,000.02 x 0.20 = 1,000.004 = 100,000.4 cents -> 100,000, a multiple of 1,000: not raised.
TEST(Adj2IncCalcs, IraLimitInBandAmountThatRoundsToAMultipleIsNotRaised) {
    EXPECT_EQ(rules::iraLimitInBand(cents(500002).times(0.20)).roundDollarsEven(), usd(1000));
}

// ---------------------------------------------------------------------------
// The IRA deduction through the whole computation (the limit recomputes the return).
struct IraCase {
    const char* name = "";
    int year, status;
    long wage1, wage2, otherAdj;
    const char* contrib1 = "";
    const char* contrib2 = "";
    bool sp1Covered = false, sp2Covered = false;
    long ded1, ded2;
};

class IraDeduction : public ::testing::TestWithParam<IraCase> {};

TEST_P(IraDeduction, Deductions) {
    const IraCase& c = GetParam();
    iTop r;
    open(r, c.year, c.status, c.status == 2 || c.status == 5 ? 2 : 1);
    r.inc().letProperty("WageSp1", std::to_string(c.wage1));
    r.inc().letProperty("WageSp2", std::to_string(c.wage2));
    r.adj().letProperty("OtherAdj2Inc", std::to_string(c.otherAdj));
    r.adj().letProperty("IRAContribSP1", c.contrib1);
    r.adj().letProperty("IRAContribSP2", c.contrib2);
    r.adj().letIsSp1InRetPlan(c.sp1Covered);
    r.adj().letIsSp2InRetPlan(c.sp2Covered);
    r.Calculate();
    EXPECT_EQ(r.adj().get(Adj2Inc::IRADedSp1), usd(c.ded1));
    EXPECT_EQ(r.adj().get(Adj2Inc::IRADedSp2), usd(c.ded2));
    // adjusted gross income = wages - the deductions - other adjustments
    EXPECT_EQ(r.get(iTop::AGI), usd(c.wage1 + c.wage2 - c.ded1 - c.ded2 - c.otherAdj));
}

// clang-format off
const IraCase kIraCases[] = {
    // 2008 Single covered: band end 60,000, width 20,000, maximum 5,000
    // modified 59,999: gap 1 -> 200
    {.name = "2008_Single_Gap1", .year = 2008, .status = 1, .wage1 = 59999, .wage2 = 0, .otherAdj = 0, .contrib1 = "5000", .contrib2 = "0", .sp1Covered = true, .ded1 = 200, .ded2 = 0},
    // modified 60,000 = band end -> 0
    {.name = "2008_Single_AtBandEnd", .year = 2008, .status = 1, .wage1 = 60000, .wage2 = 0, .otherAdj = 0, .contrib1 = "5000", .contrib2 = "0", .sp1Covered = true, .ded1 = 0, .ded2 = 0},
    // gap 10,000 -> 2,000
    {.name = "2008_Single_Gap10000", .year = 2008, .status = 1, .wage1 = 50000, .wage2 = 0, .otherAdj = 0, .contrib1 = "5000", .contrib2 = "0", .sp1Covered = true, .ded1 = 2000, .ded2 = 0},
    // gap 20,000 = width -> maximum 5,000, below the contribution 6,000
    {.name = "2008_Single_FullWidth", .year = 2008, .status = 1, .wage1 = 40000, .wage2 = 0, .otherAdj = 0, .contrib1 = "6000", .contrib2 = "0", .sp1Covered = true, .ded1 = 5000, .ded2 = 0},
    // gap 20,000 -> 5,000, but the contribution 3,000 is smaller
    {.name = "2008_Single_FullWidthSmallContribution", .year = 2008, .status = 1, .wage1 = 40000, .wage2 = 0, .otherAdj = 0, .contrib1 = "3000", .contrib2 = "0", .sp1Covered = true, .ded1 = 3000, .ded2 = 0},
    // other adjustments count: modified 65,000 - 5,000 = 60,000 -> 0
    {.name = "2008_Single_OtherAdjAtBandEnd", .year = 2008, .status = 1, .wage1 = 65000, .wage2 = 0, .otherAdj = 5000, .contrib1 = "5000", .contrib2 = "0", .sp1Covered = true, .ded1 = 0, .ded2 = 0},
    // modified 64,999 - 5,000 = 59,999: gap 1 -> 200
    {.name = "2008_Single_OtherAdjGap1", .year = 2008, .status = 1, .wage1 = 64999, .wage2 = 0, .otherAdj = 5000, .contrib1 = "5000", .contrib2 = "0", .sp1Covered = true, .ded1 = 200, .ded2 = 0},
    // Head of Hse. covered: gap 60,000 - 55,000 = 5,000 -> 1,000
    {.name = "2008_Head_Gap5000", .year = 2008, .status = 4, .wage1 = 55000, .wage2 = 0, .otherAdj = 0, .contrib1 = "5000", .contrib2 = "0", .sp1Covered = true, .ded1 = 1000, .ded2 = 0},
    // Widow covered follows Joint: band end 85,000, gap 10,000 -> 2,000 (Single's 60,000 would give 0)
    {.name = "2008_Widow_Covered", .year = 2008, .status = 5, .wage1 = 75000, .wage2 = 0, .otherAdj = 0, .contrib1 = "5000", .contrib2 = "0", .sp1Covered = true, .ded1 = 2000, .ded2 = 0},
    // 2005: width 10,000, maximum 4,000; Single band end 60,000
    // gap 9,999: 1,999.80 -> 2,000
    {.name = "2005_Single_Gap9999", .year = 2005, .status = 1, .wage1 = 50001, .wage2 = 0, .otherAdj = 0, .contrib1 = "4000", .contrib2 = "0", .sp1Covered = true, .ded1 = 2000, .ded2 = 0},
    // gap 10,000 = width -> 4,000
    {.name = "2005_Single_Gap10000", .year = 2005, .status = 1, .wage1 = 50000, .wage2 = 0, .otherAdj = 0, .contrib1 = "4000", .contrib2 = "0", .sp1Covered = true, .ded1 = 4000, .ded2 = 0},
    // 2002: band end 44,000, maximum 3,000: gap 9,999 -> 2,000; gap 10,000 -> 3,000
    {.name = "2002_Single_Gap9999", .year = 2002, .status = 1, .wage1 = 34001, .wage2 = 0, .otherAdj = 0, .contrib1 = "3000", .contrib2 = "0", .sp1Covered = true, .ded1 = 2000, .ded2 = 0},
    {.name = "2002_Single_Gap10000", .year = 2002, .status = 1, .wage1 = 34000, .wage2 = 0, .otherAdj = 0, .contrib1 = "3000", .contrib2 = "0", .sp1Covered = true, .ded1 = 3000, .ded2 = 0},
    // 2001: band end 43,000: gap 5,000 -> 1,000
    {.name = "2001_Single_Gap5000", .year = 2001, .status = 1, .wage1 = 38000, .wage2 = 0, .otherAdj = 0, .contrib1 = "2000", .contrib2 = "0", .sp1Covered = true, .ded1 = 1000, .ded2 = 0},
    // Joint, only spouse 2 covered, modified 75,000: spouse 1 band 160,000 (gap 85,000 -> 5,000),
    // spouse 2 band 85,000 (gap 10,000 -> 2,000)
    {.name = "2008_Joint_OnlySpouse2Covered", .year = 2008, .status = 2, .wage1 = 50000, .wage2 = 25000, .otherAdj = 0, .contrib1 = "5000", .contrib2 = "5000", .sp2Covered = true, .ded1 = 5000, .ded2 = 2000},
    // modified 150,000: spouse 1 gap 10,000 -> 2,000; spouse 2 over 85,000 -> 0
    {.name = "2008_Joint_OnlySpouse2CoveredHigh", .year = 2008, .status = 2, .wage1 = 100000, .wage2 = 50000, .otherAdj = 0, .contrib1 = "5000", .contrib2 = "5000", .sp2Covered = true, .ded1 = 2000, .ded2 = 0},
    // both covered, modified 75,000: both bands 85,000, gap 10,000 -> 2,000 each
    {.name = "2008_Joint_BothCovered", .year = 2008, .status = 2, .wage1 = 50000, .wage2 = 25000, .otherAdj = 0, .contrib1 = "5000", .contrib2 = "5000", .sp1Covered = true, .sp2Covered = true, .ded1 = 2000, .ded2 = 2000},
    // only spouse 1 covered: spouse 1 gap 10,000 -> 2,000; spouse 2 band 160,000 -> 5,000
    {.name = "2008_Joint_OnlySpouse1Covered", .year = 2008, .status = 2, .wage1 = 50000, .wage2 = 25000, .otherAdj = 0, .contrib1 = "5000", .contrib2 = "5000", .sp1Covered = true, .ded1 = 2000, .ded2 = 5000},
    // nobody covered: the contributions in full, no cap
    {.name = "2008_Joint_NotCovered", .year = 2008, .status = 2, .wage1 = 100000, .wage2 = 100000, .otherAdj = 0, .contrib1 = "7000", .contrib2 = "7000", .ded1 = 7000, .ded2 = 7000},
    {.name = "2008_Single_NotCovered7000", .year = 2008, .status = 1, .wage1 = 80000, .wage2 = 0, .otherAdj = 0, .contrib1 = "7000", .contrib2 = "0", .ded1 = 7000, .ded2 = 0},
    // Single with only the spouse 2 flag: not covered, deduction = contribution
    {.name = "2008_Single_OnlySp2Flag", .year = 2008, .status = 1, .wage1 = 500000, .wage2 = 0, .otherAdj = 0, .contrib1 = "7000", .contrib2 = "0", .sp2Covered = true, .ded1 = 7000, .ded2 = 0},
    // Married Sep.: spouse 2's contribution never counts
    {.name = "2008_MarSep_Spouse2Ignored", .year = 2008, .status = 3, .wage1 = 50000, .wage2 = 0, .otherAdj = 0, .contrib1 = "2000", .contrib2 = "3000", .ded1 = 2000, .ded2 = 0},
    // a contribution below a cent or negative counts as none
    {.name = "2008_Single_HalfCentContribution", .year = 2008, .status = 1, .wage1 = 50000, .wage2 = 0, .otherAdj = 0, .contrib1 = "0.005", .contrib2 = "0", .ded1 = 0, .ded2 = 0},
    {.name = "2008_Single_NegativeContribution", .year = 2008, .status = 1, .wage1 = 50000, .wage2 = 0, .otherAdj = 0, .contrib1 = "-500", .contrib2 = "0", .sp1Covered = true, .ded1 = 0, .ded2 = 0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Adj2IncCalcs, IraDeduction, ::testing::ValuesIn(kIraCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// The limit recomputes the whole return with zero contributions and puts every
// value back; outside an edit it still finishes and still sees zero contributions.
TEST(Adj2IncCalcs, IraLimitRecomputationRestoresContributions) {
    iTop r;
    open(r, 2008, 2, 2);
    r.inc().letProperty("WageSp1", "84999");
    r.adj().letProperty("IRAContribSP1", "5000");
    r.adj().letProperty("IRAContribSP2", "1500");
    r.adj().letIsSp1InRetPlan(true);
    r.adj().letIsSp2InRetPlan(true);
    r.Calculate();
    // both covered, band end 85,000, modified 84,999: gap 1 -> 200 each (contributions 5,000 and 1,500)
    EXPECT_EQ(r.adj().get(Adj2Inc::IRADedSp1), usd(200));
    EXPECT_EQ(r.adj().get(Adj2Inc::IRADedSp2), usd(200));
    EXPECT_EQ(r.get(iTop::Adj2Inc), usd(400));
    EXPECT_EQ(r.get(iTop::AGI), usd(84599));
    EXPECT_EQ(r.adj().get(Adj2Inc::IRAContribSP1), usd(5000));
    EXPECT_EQ(r.adj().get(Adj2Inc::IRAContribSP2), usd(1500));
    EXPECT_EQ(r.adj().getProperty("IRAContribSP1"), "5,000");
    // taxable 84,599 - 10,900 - 7,000 = 66,699: the outer run's lines, not the inner run's
    EXPECT_EQ(r.get(iTop::TaxInc), usd(66699));

    // The same return computed again outside an edit.
    r.CancelEdit();
    r.Calculate();
    EXPECT_EQ(r.adj().get(Adj2Inc::IRAContribSP1), usd(5000));
    EXPECT_EQ(r.adj().get(Adj2Inc::IRAContribSP2), usd(1500));
    EXPECT_EQ(r.adj().get(Adj2Inc::IRADedSp1), usd(200));
    EXPECT_EQ(r.adj().get(Adj2Inc::IRADedSp2), usd(200));
    EXPECT_EQ(r.get(iTop::AGI), usd(84599));
    EXPECT_EQ(r.get(iTop::TaxInc), usd(66699));

    // The deduction itself, asked for outside an edit: the inner run sees zero
    // contributions (modified 84,999, gap 1 -> 200), not 5,000 and 1,500.
    EXPECT_EQ(Adj2IncCalcs::CalcIRADed(r, 0), usd(200));
    EXPECT_EQ(Adj2IncCalcs::CalcIRADed(r, 1), usd(200));
    EXPECT_EQ(r.adj().get(Adj2Inc::IRAContribSP1), usd(5000));
    EXPECT_EQ(r.adj().get(Adj2Inc::IRAContribSP2), usd(1500));
}

// ---------------------------------------------------------------------------
// Self-employed health insurance: 60% in 2001, 70% in 2002, 100% from 2003, 0 before 2001.
struct HealthCase {
    const char* name = "";
    int year;
    const char* payments = "";
    long deduction;
};

class SelfEmployedHealthInsurance : public ::testing::TestWithParam<HealthCase> {};

TEST_P(SelfEmployedHealthInsurance, Deduction) {
    const HealthCase& c = GetParam();
    iTop r;
    open(r, c.year, 1);
    r.adj().letProperty("SEMedInsPmts", c.payments);
    EXPECT_EQ(Adj2IncCalcs::CalcSEMedInsDed(r), usd(c.deduction));
}

const HealthCase kHealthCases[] = {
    {.name = "2000_NoDeduction", .year = 2000, .payments = "1000", .deduction = 0},
    {.name = "2001_60pct", .year = 2001, .payments = "1000", .deduction = 600},
    // 1,001 x 0.60 = 600.60 -> 601
    {.name = "2001_60pct_Rounded", .year = 2001, .payments = "1001", .deduction = 601},
    {.name = "2002_70pct", .year = 2002, .payments = "1000", .deduction = 700},
    // 1,005 x 0.70 = 703.50 -> 704 (ties to even)
    {.name = "2002_70pct_TieUp", .year = 2002, .payments = "1005", .deduction = 704},
    // 1,015 x 0.70 = 710.50 -> 710 (ties to even)
    {.name = "2002_70pct_TieDown", .year = 2002, .payments = "1015", .deduction = 710},
    {.name = "2003_100pct", .year = 2003, .payments = "1000", .deduction = 1000},
    {.name = "2008_100pct", .year = 2008, .payments = "2345", .deduction = 2345},
    {.name = "2012_100pct", .year = 2012, .payments = "2345", .deduction = 2345},
};

INSTANTIATE_TEST_SUITE_P(Adj2IncCalcs, SelfEmployedHealthInsurance, ::testing::ValuesIn(kHealthCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// ---------------------------------------------------------------------------
// Half of the self-employment tax, rounded with ties to even.
struct HalfSeCase {
    const char* name = "";
    int status;
    const char* se1 = "";
    const char* se2 = "";
    long seTax1, seTax2, half;
};

class HalfSelfEmploymentTax : public ::testing::TestWithParam<HalfSeCase> {};

TEST_P(HalfSelfEmploymentTax, Deduction) {
    const HalfSeCase& c = GetParam();
    iTop r;
    open(r, 2008, c.status);
    r.inc().letProperty("SEIncSp1", c.se1);
    r.inc().letProperty("SEIncSp2", c.se2);
    const Currency total = Adj2IncCalcs::Adj2IncCalc(r);
    EXPECT_EQ(r.other().get(osgrin::iOtherTaxes::SETaxSp1), usd(c.seTax1));
    EXPECT_EQ(r.other().get(osgrin::iOtherTaxes::SETaxSp2), usd(c.seTax2));
    EXPECT_EQ(r.adj().get(Adj2Inc::SETaxDed), usd(c.half));
    EXPECT_EQ(total, usd(c.half));
    EXPECT_EQ(r.get(iTop::Adj2Inc), usd(c.half));
}

// clang-format off
const HalfSeCase kHalfSeCases[] = {
    // 7,084 x 0.9235 = 6,542.074; x 0.124 = 811.2172, x 0.029 = 189.7201; 1,000.9373 -> 1,001;
    // half 500.50 -> 500 (ties to even)
    {.name = "SETax1001_HalfDown", .status = 1, .se1 = "7084", .se2 = "0", .seTax1 = 1001, .seTax2 = 0, .half = 500},
    // 7,099 x 0.9235 = 6,555.9265; 812.9349 + 190.1219 = 1,003.0568 -> 1,003; half 501.50 -> 502
    {.name = "SETax1003_HalfUp", .status = 1, .se1 = "7099", .se2 = "0", .seTax1 = 1003, .seTax2 = 0, .half = 502},
    // Joint: both spouses count, 1,001 + 1,001 = 2,002 -> 1,001
    {.name = "Joint_BothSpouses", .status = 2, .se1 = "7084", .se2 = "7084", .seTax1 = 1001, .seTax2 = 1001, .half = 1001},
    // Married Sep.: spouse 2's income is ignored, 1,001 -> 500
    {.name = "MarSep_Spouse2Ignored", .status = 3, .se1 = "7084", .se2 = "7084", .seTax1 = 1001, .seTax2 = 0, .half = 500},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Adj2IncCalcs, HalfSelfEmploymentTax, ::testing::ValuesIn(kHalfSeCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// All adjustments together, for a 2008 Single return.
TEST(Adj2IncCalcs, TotalOfAllAdjustments) {
    iTop r;
    open(r, 2008, 1);
    r.inc().letProperty("SEIncSp1", "7084");       // SE tax 1,001 -> half 500
    r.adj().letProperty("IRAContribSP1", "2000");  // not covered: 2,000
    r.adj().letProperty("SEMedInsPmts", "1000");   // 100%: 1,000
    r.adj().letProperty("OtherAdj2Inc", "250");
    // 2,000 + 0 + 1,000 + 500 + 250 = 3,750
    EXPECT_EQ(Adj2IncCalcs::Adj2IncCalc(r), usd(3750));
    EXPECT_EQ(r.get(iTop::Adj2Inc), usd(3750));
    EXPECT_EQ(r.adj().get(Adj2Inc::IRADedSp1), usd(2000));
    EXPECT_EQ(r.adj().get(Adj2Inc::IRADedSp2), Currency());
    EXPECT_EQ(r.adj().get(Adj2Inc::SEMedInsDed), usd(1000));
    EXPECT_EQ(r.adj().get(Adj2Inc::SETaxDed), usd(500));
}

}  // namespace
