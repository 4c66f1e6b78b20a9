// The capital-gain worksheets: the two-rate form of 2003 and later (0%/15% in
// 2008, 5%/15% before), the multi-rate forms of 2001 and 2002, and the driver's
// choice between the ordinary-rate tax and the capital-gain tax.

#include "LawTestSupport.h"

#include "returnengine/law/Calcs.h"
#include "returnengine/model/TopComputations.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace lawtest;
using osgrin::iAMT;
using osgrin::iInc;
using osgrin::iTop;

// ---------------------------------------------------------------------------
// Two-rate worksheet, called as the year function with taxable income and the
// adjusted net capital gain set directly.
struct TwoRateCase {
    const char* name = "";
    int year, status;
    long taxInc, adjNetCG;
    Currency tax;
    long sec1h1b;
};

class TwoRateWorksheet : public ::testing::TestWithParam<TwoRateCase> {};

Currency runTwoRate(iTop& r, int year) {
    switch (year) {
    case 2003: return osgrin::Calcs2003::GetSchedDTax2003(r);
    case 2004: return osgrin::Calcs2004::GetSchedDTax2004(r);
    case 2005: return osgrin::Calcs2005::GetSchedDTax2005(r);
    case 2006: return osgrin::Calcs2006::GetSchedDTax2006(r);
    case 2007: return osgrin::Calcs2007::GetSchedDTax2007(r);
    default: return osgrin::Calcs2008::GetSchedDTax2008(r);
    }
}

TEST_P(TwoRateWorksheet, TaxAndLowRateAmount) {
    const TwoRateCase& c = GetParam();
    iTop r;
    open(r, c.year, c.status);
    r.set(iTop::TaxInc, usd(c.taxInc));
    r.inc().letProperty("AdjNetCG", std::to_string(c.adjNetCG));
    EXPECT_EQ(runTwoRate(r, c.year), c.tax);
    EXPECT_EQ(r.inc().get(iInc::Sec_1_h_1_B_Amount), usd(c.sec1h1b));
}

// clang-format off
const TwoRateCase kTwoRateCases[] = {
    // 2008 Single, top 32,550. Gain inside the bracket: ordinary 20,000 taxed
    // 802.50 + 15% x 11,975 = 2,598.75; room 30,000 - 20,000 = 10,000 at 0%; nothing at 15%
    {.name = "2008_Single_InsideBracket", .year = 2008, .status = 1, .taxInc = 30000, .adjNetCG = 10000, .tax = cents(259875), .sec1h1b = 10000},
    // straddling: ordinary 19,980 taxed 802.50 + 15% x 11,955 = 2,595.75; room 32,550 - 19,980
    // = 12,570 at 0%; 15% x 17,430 = 2,614.50 -> 2,614 (ties to even); 2,595.75 + 2,614
    {.name = "2008_Single_Straddle", .year = 2008, .status = 1, .taxInc = 49980, .adjNetCG = 30000, .tax = cents(520975), .sec1h1b = 12570},
    // above: ordinary 80,000 taxed 16,056.25 + 28% x 1,150 = 16,378.25; no room; 15% x 20,000 = 3,000
    {.name = "2008_Single_AboveBracket", .year = 2008, .status = 1, .taxInc = 100000, .adjNetCG = 20000, .tax = cents(1937825), .sec1h1b = 0},
    // gain above taxable income is not capped: ordinary 0; room 10,000; 15% x 5,000 = 750
    {.name = "2008_Single_GainAboveTaxableIncome", .year = 2008, .status = 1, .taxInc = 10000, .adjNetCG = 15000, .tax = usd(750), .sec1h1b = 10000},
    // Joint top 65,100: ordinary 50,000 taxed 1,605 + 15% x 33,950 = 6,697.50; room 15,100;
    // 15% x 14,900 = 2,235
    {.name = "2008_Joint_Straddle", .year = 2008, .status = 2, .taxInc = 80000, .adjNetCG = 30000, .tax = cents(893250), .sec1h1b = 15100},
    // Widow follows Joint (top 65,100, Schedule Y-1): room 10,000, all at 0%
    {.name = "2008_Widow_InsideBracket", .year = 2008, .status = 5, .taxInc = 60000, .adjNetCG = 10000, .tax = cents(669750), .sec1h1b = 10000},
    // Married Sep. (Schedule Y-2): ordinary 80,000 taxed 12,775 + 28% x 14,275 = 16,772; 15% x 20,000
    {.name = "2008_MarSep_AboveBracket", .year = 2008, .status = 3, .taxInc = 100000, .adjNetCG = 20000, .tax = usd(19772), .sec1h1b = 0},
    // Head top 43,650 (Schedule Z): ordinary 30,000 taxed 1,145 + 15% x 18,550 = 3,927.50;
    // room 13,650; 15% x 16,350 = 2,452.50 -> 2,452
    {.name = "2008_Head_Straddle", .year = 2008, .status = 4, .taxInc = 60000, .adjNetCG = 30000, .tax = cents(637950), .sec1h1b = 13650},
    // 2005 Single top 29,700, 5%: ordinary 19,970 taxed 730 + 15% x 12,670 = 2,630.50;
    // room 9,730 x 5% = 486.50 -> 486; 15% x 10,270 = 1,540.50 -> 1,540
    {.name = "2005_Single_Straddle", .year = 2005, .status = 1, .taxInc = 39970, .adjNetCG = 20000, .tax = cents(465650), .sec1h1b = 9730},
    // 2005 Joint top 59,400: ordinary 40,000 taxed 1,460 + 15% x 25,400 = 5,270; 5% x 10,000 = 500
    {.name = "2005_Joint_InsideBracket", .year = 2005, .status = 2, .taxInc = 50000, .adjNetCG = 10000, .tax = usd(5770), .sec1h1b = 10000},
    // 2003 Single top 28,400: ordinary 20,000 taxed 700 + 15% x 13,000 = 2,650;
    // 5% x 8,400 = 420; 15% x 11,600 = 1,740
    {.name = "2003_Single_Straddle", .year = 2003, .status = 1, .taxInc = 40000, .adjNetCG = 20000, .tax = usd(4810), .sec1h1b = 8400},
    // 2007 Head top 42,650: ordinary 40,000 taxed 1,120 + 15% x 28,800 = 5,440;
    // 5% x 2,650 = 132.50 -> 132; 15% x 7,350 = 1,102.50 -> 1,102
    {.name = "2007_Head_Straddle", .year = 2007, .status = 4, .taxInc = 50000, .adjNetCG = 10000, .tax = usd(6674), .sec1h1b = 2650},
    // 2004 Joint top 58,100: ordinary 40,000 taxed 1,430 + 15% x 25,700 = 5,285;
    // room 50,000 - 40,000 = 10,000 at 5% = 500
    {.name = "2004_Joint_InsideBracket", .year = 2004, .status = 2, .taxInc = 50000, .adjNetCG = 10000, .tax = usd(5785), .sec1h1b = 10000},
    // 2006 Single top 30,650: ordinary 30,000 taxed 755 + 15% x 22,450 = 4,122.50;
    // room 650 x 5% = 32.50 -> 32; 15% x 9,350 = 1,402.50 -> 1,402
    {.name = "2006_Single_Straddle", .year = 2006, .status = 1, .taxInc = 40000, .adjNetCG = 10000, .tax = cents(555650), .sec1h1b = 650},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(CapGainWorksheet, TwoRateWorksheet, ::testing::ValuesIn(kTwoRateCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// A 2009 return runs the 2008 worksheet with the rate file of 2009 (the year is not clamped).
TEST(CapGainWorksheet, Year2009UsesItsOwnRateFile) {
    iTop r;
    open(r, 2009, 1);
    r.set(iTop::TaxInc, usd(49980));
    r.inc().letProperty("AdjNetCG", "30000");
    // ordinary 19,980 on the 2009 schedule: 835 + 15% x 11,630 = 2,579.50; 0% on 12,570;
    // 15% x 17,430 = 2,614.50 -> 2,614
    EXPECT_EQ(osgrin::TopComputations::GetSchedDTax(r), cents(519350));
    EXPECT_EQ(r.inc().get(iInc::Sec_1_h_1_B_Amount), usd(12570));
}

// ---------------------------------------------------------------------------
// 2001 and 2002 multi-rate worksheets, called as the year functions.
struct MultiRateCase {
    const char* name = "";
    int year, status;
    long taxInc, netLTCG, capGains;
    Currency incTax;  // the ordinary-rate tax already on the return (2001 caps by it)
    long tax;
};

class MultiRateWorksheet : public ::testing::TestWithParam<MultiRateCase> {};

TEST_P(MultiRateWorksheet, TaxAndTaxableIncomePutBack) {
    const MultiRateCase& c = GetParam();
    iTop r;
    open(r, c.year, c.status);
    r.set(iTop::TaxInc, usd(c.taxInc));
    r.set(iTop::IncTax, c.incTax);
    r.inc().set(iInc::NetLTCG, usd(c.netLTCG));
    r.inc().set(iInc::CapGains, usd(c.capGains));
    const Currency tax =
        c.year == 2001 ? osgrin::Calcs2001::GetSchedDTax2001(r) : osgrin::Calcs2002::GetSchedDTax2002(r);
    EXPECT_EQ(tax, usd(c.tax));
    EXPECT_EQ(r.get(iTop::TaxInc), usd(c.taxInc));
}

// clang-format off
const MultiRateCase kMultiRateCases[] = {
    // 2001 Single, top 27,050: ordinary 20,001 at 15% = 3,000.15; slice10 27,050 - 20,001 = 7,049
    // at 10% = 704.90; 20% x (10,000 - 7,049 = 2,951) = 590.20; sum 4,295.25 below the
    // ordinary-rate tax 4,869 -> 4,295
    {.name = "2001_Single_ThreeSlices", .year = 2001, .status = 1, .taxInc = 30001, .netLTCG = 10000, .capGains = 10000, .incTax = cents(486903), .tax = 4295},
    // the same, capped by an ordinary-rate tax of 4,000
    {.name = "2001_Single_CappedByIncTax", .year = 2001, .status = 1, .taxInc = 30001, .netLTCG = 10000, .capGains = 10000, .incTax = usd(4000), .tax = 4000},
    // gain = smaller of net long-term 10,000 and capital gains 8,000: ordinary 22,000 at 15% = 3,300;
    // slice10 5,050 -> 505; 20% x 2,950 = 590; 4,395
    {.name = "2001_Single_GainIsSmallerOfTwo", .year = 2001, .status = 1, .taxInc = 30000, .netLTCG = 10000, .capGains = 8000, .incTax = cents(486875), .tax = 4395},
    // 2001 Joint top 45,200: ordinary 35,000 at 15% = 5,250; slice10 10,200 -> 1,020;
    // 20% x 14,800 = 2,960; 9,230 (ordinary-rate tax on 60,000: 6,780 + 27.5% x 14,800 = 10,850)
    {.name = "2001_Joint_ThreeSlices", .year = 2001, .status = 2, .taxInc = 60000, .netLTCG = 25000, .capGains = 25000, .incTax = usd(10850), .tax = 9230},
    // Widow follows Joint for the top of the 15% bracket
    {.name = "2001_Widow_ThreeSlices", .year = 2001, .status = 5, .taxInc = 60000, .netLTCG = 25000, .capGains = 25000, .incTax = usd(10850), .tax = 9230},
    // 2002 Single, top 27,950: ordinary 20,001 taxed 600 + 15% x 14,001 = 2,700.15;
    // slice10 7,949 -> 794.90; 20% x 2,051 = 410.20; 3,905.25 -> 3,905
    // (fresh ordinary-rate tax on 30,001: 3,892.50 + 27% x 2,051 = 4,446.27)
    {.name = "2002_Single_ThreeSlices", .year = 2002, .status = 1, .taxInc = 30001, .netLTCG = 10000, .capGains = 10000, .incTax = Currency(), .tax = 3905},
    // ordinary 22,000 taxed 600 + 15% x 16,000 = 3,000; slice10 5,950 -> 595; 20% x 2,050 = 410
    {.name = "2002_Single_GainIsSmallerOfTwo", .year = 2002, .status = 1, .taxInc = 30000, .netLTCG = 10000, .capGains = 8000, .incTax = Currency(), .tax = 4005},
    // gain above taxable income: ordinary 0; slice10 5,000 at 10% = 500 (= the fresh tax)
    {.name = "2002_Single_GainAboveTaxableIncome", .year = 2002, .status = 1, .taxInc = 5000, .netLTCG = 10000, .capGains = 10000, .incTax = Currency(), .tax = 500},
    // 2002 Joint top 46,700: ordinary 30,000 taxed 1,200 + 15% x 18,000 = 3,900;
    // slice10 16,700 -> 1,670; 20% x 3,300 = 660; 6,230
    {.name = "2002_Joint_ThreeSlices", .year = 2002, .status = 2, .taxInc = 50000, .netLTCG = 20000, .capGains = 20000, .incTax = Currency(), .tax = 6230},
    {.name = "2002_Widow_ThreeSlices", .year = 2002, .status = 5, .taxInc = 50000, .netLTCG = 20000, .capGains = 20000, .incTax = Currency(), .tax = 6230},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(CapGainWorksheet, MultiRateWorksheet, ::testing::ValuesIn(kMultiRateCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// ---------------------------------------------------------------------------
// Whole returns: the driver's choice of the regular tax.

// 2001 Single with a long-term gain: the multi-rate worksheet wins.
TEST(CapGainWorksheet, Return2001WithLongTermGain) {
    iTop r;
    open(r, 2001, 1, 1);
    r.inc().letProperty("WageSp1", "50000");
    r.inc().letProperty("LTCG", "20000");
    r.Calculate();
    // 70,000 - 4,550 - 2,900 = 62,550
    EXPECT_EQ(r.get(iTop::TaxInc), usd(62550));
    EXPECT_EQ(r.inc().get(iInc::AdjNetCG), usd(20000));
    // ordinary-rate tax 4,057.50 + 27.5% x 35,500 = 13,820;
    // worksheet: ordinary 42,550 taxed 4,057.50 + 27.5% x 15,500 = 8,320; no 10% slice;
    // 20% x 20,000 = 4,000; 12,320
    EXPECT_EQ(r.get(iTop::IncTax), usd(12320));
    // AMT: exemption 35,750, after it 34,250; 26% x (34,250 - 20,000) = 3,705 plus the fixed 999,999,999
    EXPECT_EQ(r.amt().get(iAMT::TentativeAMT), usd(1000003704));
    EXPECT_EQ(r.get(iTop::RegAndAmtTax), usd(1000003704));
    EXPECT_EQ(r.amt().get(iAMT::AMT), usd(999991384));
}

// 2002 Single with a long-term gain.
TEST(CapGainWorksheet, Return2002WithLongTermGain) {
    iTop r;
    open(r, 2002, 1, 1);
    r.inc().letProperty("WageSp1", "50000");
    r.inc().letProperty("LTCG", "20000");
    r.Calculate();
    // 70,000 - 4,700 - 3,000 = 62,300
    EXPECT_EQ(r.get(iTop::TaxInc), usd(62300));
    // ordinary-rate tax 3,892.50 + 27% x 34,350 = 13,167;
    // worksheet: ordinary 42,300 taxed 3,892.50 + 27% x 14,350 = 7,767; no 10% slice;
    // 20% x 20,000 = 4,000; 11,767
    EXPECT_EQ(r.get(iTop::IncTax), usd(11767));
}

// 2001 with dividends but no capital gain: no worksheet applies, the ordinary-rate tax stands.
TEST(CapGainWorksheet, Return2001DividendsWithoutGainKeepsOrdinaryTax) {
    iTop r;
    open(r, 2001, 1, 1);
    r.inc().letProperty("WageSp1", "50000");
    r.inc().letProperty("Dividends", "1000");
    r.Calculate();
    EXPECT_EQ(r.inc().get(iInc::AdjNetCG), usd(1000));
    EXPECT_EQ(r.inc().get(iInc::CapGains), Currency());
    // 51,000 - 4,550 - 2,900 = 43,550; 4,057.50 + 27.5% x 16,500 = 8,595
    EXPECT_EQ(r.get(iTop::TaxInc), usd(43550));
    EXPECT_EQ(r.get(iTop::IncTax), usd(8595));
}

// 2000 with a positive adjusted net capital gain: the ordinary-rate tax stands.
TEST(CapGainWorksheet, Return2000WithGainKeepsOrdinaryTax) {
    iTop r;
    open(r, 2000, 1, 1);
    r.inc().letProperty("WageSp1", "50000");
    r.inc().letProperty("Dividends", "1000");
    r.Calculate();
    // no standard deduction, no exemptions: taxable 51,000 on the 2001 schedule:
    // 4,057.50 + 27.5% x 23,950 = 10,643.75
    EXPECT_EQ(r.get(iTop::TaxInc), usd(51000));
    EXPECT_EQ(r.get(iTop::IncTax), cents(1064375));
    // AMT: no exemption; 26% x (51,000 - 1,000) = 13,000, capital-gain part 0
    EXPECT_EQ(r.amt().get(iAMT::TentativeAMT), usd(13000));
    EXPECT_EQ(r.get(iTop::RegAndAmtTax), usd(13000));
    EXPECT_EQ(r.amt().get(iAMT::AMT), cents(235625));
}

// 2009: the regular tax uses the 2008 file, the worksheet the 2009 file.
TEST(CapGainWorksheet, Return2009WithLongTermGain) {
    iTop r;
    open(r, 2009, 1, 1);
    r.inc().letProperty("WageSp1", "80000");
    r.inc().letProperty("LTCG", "30000");
    r.Calculate();
    // 110,000 - 5,450 - 3,500 = 101,050
    EXPECT_EQ(r.get(iTop::TaxInc), usd(101050));
    // ordinary-rate tax (2008 file) 16,056.25 + 28% x 22,200 = 22,272.25;
    // worksheet: ordinary 71,050 on the 2009 file 4,675 + 25% x 37,100 = 13,950; no room;
    // 15% x 30,000 = 4,500; 18,450
    EXPECT_EQ(r.get(iTop::IncTax), usd(18450));
    EXPECT_EQ(r.inc().get(iInc::Sec_1_h_1_B_Amount), Currency());
}

}  // namespace
