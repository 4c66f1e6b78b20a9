// Total income, the netting of capital gains and losses, the loss limit, the
// adjusted net capital gain, section 1231 items and the capital loss carryforwards.

#include "LawTestSupport.h"

#include "returnengine/law/TotIncCalcs.h"
#include "returnengine/law/YearRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace lawtest;
using osgrin::iInc;
using osgrin::iTop;
namespace TotIncCalcs = osgrin::TotIncCalcs;

// ---------------------------------------------------------------------------
// Netting, loss limit, adjusted net capital gain and section 1231, through
// CalcTotInc. Every case has wages of 50,000 besides the items listed.
struct NettingCase {
    const char* name = "";
    int status;
    long stcg, ltcg, stCarryOver, ltCarryOver, dividends, gains1231, losses1231;
    long netted1231, netST, netLT, capGains, adjNetCG, totalInc;
};

class CapitalGainNetting : public ::testing::TestWithParam<NettingCase> {};

TEST_P(CapitalGainNetting, LinesAndTotalIncome) {
    const NettingCase& c = GetParam();
    iTop r;
    open(r, 2008, c.status);
    iInc& inc = r.inc();
    inc.letProperty("WageSp1", "50000");
    inc.letProperty("STCG", std::to_string(c.stcg));
    inc.letProperty("LTCG", std::to_string(c.ltcg));
    inc.letProperty("STCLCarryOver", std::to_string(c.stCarryOver));
    inc.letProperty("LTCLCarryOver", std::to_string(c.ltCarryOver));
    inc.letProperty("Dividends", std::to_string(c.dividends));
    inc.letProperty("Sec1231Gains", std::to_string(c.gains1231));
    inc.letProperty("Sec1231Losses", std::to_string(c.losses1231));

    const Currency total = TotIncCalcs::CalcTotInc(r);

    EXPECT_EQ(total, usd(c.totalInc));
    EXPECT_EQ(r.get(iTop::TotalInc), usd(c.totalInc));
    EXPECT_EQ(inc.get(iInc::Sec1231Netted), usd(c.netted1231));
    EXPECT_EQ(inc.get(iInc::NetSTCG), usd(c.netST));
    EXPECT_EQ(inc.get(iInc::NetLTCG), usd(c.netLT));
    EXPECT_EQ(inc.get(iInc::CapGains), usd(c.capGains));
    EXPECT_EQ(inc.get(iInc::AdjNetCG), usd(c.adjNetCG));
}

// clang-format off
const NettingCase kNettingCases[] = {
    // netST -2,000, netLT 5,000, net 3,000 > 0: adjusted = net 3,000 + dividends 1,000 = 4,000;
    // total 50,000 + 3,000 + 1,000 = 54,000
    {.name = "LTGain5000_STLoss2000_Div1000", .status = 1, .stcg = -2000, .ltcg = 5000, .stCarryOver = 0, .ltCarryOver = 0, .dividends = 1000, .gains1231 = 0, .losses1231 = 0, .netted1231 = 0, .netST = -2000, .netLT = 5000, .capGains = 3000, .adjNetCG = 4000, .totalInc = 54000},
    // netLT -4,000 < 0: adjusted = dividends alone 1,000; loss -4,000 limited to -3,000;
    // total 50,000 - 3,000 + 1,000 = 48,000
    {.name = "LTLoss_Div1000", .status = 1, .stcg = 0, .ltcg = -4000, .stCarryOver = 0, .ltCarryOver = 0, .dividends = 1000, .gains1231 = 0, .losses1231 = 0, .netted1231 = 0, .netST = 0, .netLT = -4000, .capGains = -3000, .adjNetCG = 1000, .totalInc = 48000},
    // both positive: adjusted = netLT 5,000 + dividends 1,000 = 6,000 (short-term gain left out)
    {.name = "BothGains_STLeftOut", .status = 1, .stcg = 2000, .ltcg = 5000, .stCarryOver = 0, .ltCarryOver = 0, .dividends = 1000, .gains1231 = 0, .losses1231 = 0, .netted1231 = 0, .netST = 2000, .netLT = 5000, .capGains = 7000, .adjNetCG = 6000, .totalInc = 58000},
    // netLT 2,000, netST -5,000, net -3,000 <= 0: adjusted = dividends 1,000; -3,000 is not below the limit
    {.name = "NetLoss_DividendsOnly", .status = 1, .stcg = -5000, .ltcg = 2000, .stCarryOver = 0, .ltCarryOver = 0, .dividends = 1000, .gains1231 = 0, .losses1231 = 0, .netted1231 = 0, .netST = -5000, .netLT = 2000, .capGains = -3000, .adjNetCG = 1000, .totalInc = 48000},
    // netLT 0 counts as not negative and netST 3,000 > 0: adjusted = 0 + 500
    {.name = "ZeroLT_STGain", .status = 1, .stcg = 3000, .ltcg = 0, .stCarryOver = 0, .ltCarryOver = 0, .dividends = 500, .gains1231 = 0, .losses1231 = 0, .netted1231 = 0, .netST = 3000, .netLT = 0, .capGains = 3000, .adjNetCG = 500, .totalInc = 53500},
    // netST 1,000 - 3,000 = -2,000; netLT 10,000 - 4,000 = 6,000; net 4,000 > 0: adjusted 4,000
    {.name = "Carryovers", .status = 1, .stcg = 1000, .ltcg = 10000, .stCarryOver = 3000, .ltCarryOver = 4000, .dividends = 0, .gains1231 = 0, .losses1231 = 0, .netted1231 = 0, .netST = -2000, .netLT = 6000, .capGains = 4000, .adjNetCG = 4000, .totalInc = 54000},
    // 1231: 8,000 - 3,000 = 5,000 > 0 is a long-term gain: netLT 5,000, total 55,000
    {.name = "Sec1231NetGain", .status = 1, .stcg = 0, .ltcg = 0, .stCarryOver = 0, .ltCarryOver = 0, .dividends = 0, .gains1231 = 8000, .losses1231 = 3000, .netted1231 = 5000, .netST = 0, .netLT = 5000, .capGains = 5000, .adjNetCG = 5000, .totalInc = 55000},
    // 1231: 3,000 - 8,000 = -5,000 is an ordinary loss in full: total 45,000, netLT 0
    {.name = "Sec1231NetLoss", .status = 1, .stcg = 0, .ltcg = 0, .stCarryOver = 0, .ltCarryOver = 0, .dividends = 0, .gains1231 = 3000, .losses1231 = 8000, .netted1231 = -5000, .netST = 0, .netLT = 0, .capGains = 0, .adjNetCG = 0, .totalInc = 45000},
    // 1231 loss -5,000 in full plus a capital loss -10,000 limited to -3,000: 50,000 - 3,000 - 5,000
    {.name = "Sec1231LossAndCapitalLoss", .status = 1, .stcg = -10000, .ltcg = 0, .stCarryOver = 0, .ltCarryOver = 0, .dividends = 0, .gains1231 = 0, .losses1231 = 5000, .netted1231 = -5000, .netST = -10000, .netLT = 0, .capGains = -3000, .adjNetCG = 0, .totalInc = 42000},
    // 1231 gain 2,000 against a long-term carryover 5,000: netLT -3,000, adjusted = dividends 0
    {.name = "Sec1231GainAgainstLTCarryover", .status = 1, .stcg = 0, .ltcg = 0, .stCarryOver = 0, .ltCarryOver = 5000, .dividends = 0, .gains1231 = 2000, .losses1231 = 0, .netted1231 = 2000, .netST = 0, .netLT = -3000, .capGains = -3000, .adjNetCG = 0, .totalInc = 47000},
    // LTCG -1,000 + 1231 gain 4,000 = netLT 3,000; adjusted 3,000
    {.name = "Sec1231GainOverLTLoss", .status = 1, .stcg = 0, .ltcg = -1000, .stCarryOver = 0, .ltCarryOver = 0, .dividends = 0, .gains1231 = 4000, .losses1231 = 0, .netted1231 = 4000, .netST = 0, .netLT = 3000, .capGains = 3000, .adjNetCG = 3000, .totalInc = 53000},
    // net loss 10,000: limited to -3,000 for every status but Married Sep. (-1,500);
    // adjusted = dividends 0 (netLT 0, netST -10,000, net <= 0)
    {.name = "LossLimit_Single", .status = 1, .stcg = -10000, .ltcg = 0, .stCarryOver = 0, .ltCarryOver = 0, .dividends = 0, .gains1231 = 0, .losses1231 = 0, .netted1231 = 0, .netST = -10000, .netLT = 0, .capGains = -3000, .adjNetCG = 0, .totalInc = 47000},
    {.name = "LossLimit_Joint", .status = 2, .stcg = -10000, .ltcg = 0, .stCarryOver = 0, .ltCarryOver = 0, .dividends = 0, .gains1231 = 0, .losses1231 = 0, .netted1231 = 0, .netST = -10000, .netLT = 0, .capGains = -3000, .adjNetCG = 0, .totalInc = 47000},
    {.name = "LossLimit_MarSep", .status = 3, .stcg = -10000, .ltcg = 0, .stCarryOver = 0, .ltCarryOver = 0, .dividends = 0, .gains1231 = 0, .losses1231 = 0, .netted1231 = 0, .netST = -10000, .netLT = 0, .capGains = -1500, .adjNetCG = 0, .totalInc = 48500},
    {.name = "LossLimit_Head", .status = 4, .stcg = -10000, .ltcg = 0, .stCarryOver = 0, .ltCarryOver = 0, .dividends = 0, .gains1231 = 0, .losses1231 = 0, .netted1231 = 0, .netST = -10000, .netLT = 0, .capGains = -3000, .adjNetCG = 0, .totalInc = 47000},
    {.name = "LossLimit_Widow", .status = 5, .stcg = -10000, .ltcg = 0, .stCarryOver = 0, .ltCarryOver = 0, .dividends = 0, .gains1231 = 0, .losses1231 = 0, .netted1231 = 0, .netST = -10000, .netLT = 0, .capGains = -3000, .adjNetCG = 0, .totalInc = 47000},
    // Married Sep. loss of 1,200 is above -1,500 and stays whole
    {.name = "MarSepSmallLoss", .status = 3, .stcg = -1200, .ltcg = 0, .stCarryOver = 0, .ltCarryOver = 0, .dividends = 0, .gains1231 = 0, .losses1231 = 0, .netted1231 = 0, .netST = -1200, .netLT = 0, .capGains = -1200, .adjNetCG = 0, .totalInc = 48800},
    // loss limit does not touch the adjusted gain: netLT 0, net -10,000 -> dividends 2,000
    {.name = "LimitLeavesAdjustedGain", .status = 1, .stcg = -10000, .ltcg = 0, .stCarryOver = 0, .ltCarryOver = 0, .dividends = 2000, .gains1231 = 0, .losses1231 = 0, .netted1231 = 0, .netST = -10000, .netLT = 0, .capGains = -3000, .adjNetCG = 2000, .totalInc = 49000},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(TotIncCalcs, CapitalGainNetting, ::testing::ValuesIn(kNettingCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// Amounts read through a property are whole dollars, halves away from zero.
TEST(TotIncCalcs, InputsEnterInWholeDollarsHalvesAwayFromZero) {
    iTop r;
    open(r, 2008, 1);
    r.inc().letProperty("WageSp1", "50000.50");  // enters as 50,001
    r.inc().letProperty("STCG", "-2500.50");     // enters as -2,501
    r.inc().letProperty("Dividends", "100.49");  // enters as 100
    TotIncCalcs::CalcTotInc(r);
    EXPECT_EQ(r.inc().get(iInc::NetSTCG), usd(-2501));
    EXPECT_EQ(r.inc().get(iInc::CapGains), usd(-2501));
    // 50,001 - 2,501 + 100 = 47,600
    EXPECT_EQ(r.get(iTop::TotalInc), usd(47600));
}

// ---------------------------------------------------------------------------
// The loss limit on an exact amount.
struct LossLimitCase {
    const char* name = "";
    Currency net;
    int status;
    Currency limited;
};

class LossLimit : public ::testing::TestWithParam<LossLimitCase> {};

TEST_P(LossLimit, Limited) {
    const LossLimitCase& c = GetParam();
    EXPECT_EQ(osgrin::law::rules::limitCapitalLoss(c.net, c.status), c.limited);
}

const LossLimitCase kLossLimitCases[] = {
    {.name = "Loss10000_Single", .net = usd(-10000), .status = 1, .limited = usd(-3000)},
    {.name = "Loss10000_Joint", .net = usd(-10000), .status = 2, .limited = usd(-3000)},
    {.name = "Loss10000_MarSep", .net = usd(-10000), .status = 3, .limited = usd(-1500)},
    {.name = "Loss10000_Head", .net = usd(-10000), .status = 4, .limited = usd(-3000)},
    {.name = "Loss10000_Widow", .net = usd(-10000), .status = 5, .limited = usd(-3000)},
    // exactly at the limit, or just inside it: unchanged
    {.name = "Loss3000_Single", .net = usd(-3000), .status = 1, .limited = usd(-3000)},
    {.name = "Loss2999_99_Single", .net = cents(-299999), .status = 1, .limited = cents(-299999)},
    {.name = "Loss1500_MarSep", .net = usd(-1500), .status = 3, .limited = usd(-1500)},
    // a cent beyond the limit is raised to it
    {.name = "Loss3000_01_Single", .net = cents(-300001), .status = 1, .limited = usd(-3000)},
    {.name = "Loss1500_0001_MarSep", .net = Currency::fromScaled(-15000001), .status = 3, .limited = usd(-1500)},
    // less than a cent of loss is not limited
    {.name = "LossHalfCent_Single",
     .net = Currency::fromScaled(-50),
     .status = 1,
     .limited = Currency::fromScaled(-50)},
    {.name = "LossHalfCent_MarSep",
     .net = Currency::fromScaled(-50),
     .status = 3,
     .limited = Currency::fromScaled(-50)},
    {.name = "Zero", .net = Currency(), .status = 1, .limited = Currency()},
    {.name = "Gain5000", .net = usd(5000), .status = 3, .limited = usd(5000)},
};

INSTANTIATE_TEST_SUITE_P(TotIncCalcs, LossLimit, ::testing::ValuesIn(kLossLimitCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// ---------------------------------------------------------------------------
// The capital loss carryover worksheet, on lines set directly.
struct CarryforwardCase {
    const char* name = "";
    long netST, netLT, capGains, taxInc, exemptions;
    long stCarryforward, ltCarryforward;
};

class CapitalLossCarryforward : public ::testing::TestWithParam<CarryforwardCase> {};

TEST_P(CapitalLossCarryforward, Worksheet) {
    const CarryforwardCase& c = GetParam();
    iTop r;
    open(r, 2008, 1);
    iInc& inc = r.inc();
    inc.set(iInc::NetSTCG, usd(c.netST));
    inc.set(iInc::NetLTCG, usd(c.netLT));
    inc.set(iInc::CapGains, usd(c.capGains));
    // stale values from an earlier run that the worksheet must overwrite
    inc.set(iInc::STCLCarryforward, usd(123));
    inc.set(iInc::LTCLCarryforward, usd(456));
    r.set(iTop::TaxInc, usd(c.taxInc));
    r.set(iTop::ExemptionDed, usd(c.exemptions));

    TotIncCalcs::CalcCapLossCarryforward(r);

    EXPECT_EQ(inc.get(iInc::STCLCarryforward), usd(c.stCarryforward));
    EXPECT_EQ(inc.get(iInc::LTCLCarryforward), usd(c.ltCarryforward));
}

// clang-format off
const CarryforwardCase kCarryforwardCases[] = {
    // ST loss 10,000, base 20,000: allowed = min(3,000, 23,000) = 3,000;
    // ST = 10,000 - (3,000 + 0) = 7,000; LT = max(0 - (0 + max(3,000 - 10,000, 0)), 0) = 0
    {.name = "STLoss10000_Base20000", .netST = -10000, .netLT = 0, .capGains = -3000, .taxInc = 16500, .exemptions = 3500, .stCarryforward = 7000, .ltCarryforward = 0},
    // base -5,000: allowed = min(3,000, max(-5,000 + 3,000, 0)) = 0; the whole 10,000 carries
    {.name = "STLoss10000_BaseMinus5000", .netST = -10000, .netLT = 0, .capGains = -3000, .taxInc = -8500, .exemptions = 3500, .stCarryforward = 10000, .ltCarryforward = 0},
    // base -1,000: allowed = min(3,000, 2,000) = 2,000; ST 10,000 - 2,000 = 8,000
    {.name = "STLoss10000_BaseMinus1000", .netST = -10000, .netLT = 0, .capGains = -3000, .taxInc = -4500, .exemptions = 3500, .stCarryforward = 8000, .ltCarryforward = 0},
    // ST -4,000, LT -6,000, allowed 3,000: ST = 4,000 - 3,000 = 1,000;
    // LT = 6,000 - (0 + max(3,000 - 4,000, 0)) = 6,000
    {.name = "Mixed_ST4000_LT6000", .netST = -4000, .netLT = -6000, .capGains = -3000, .taxInc = 46500, .exemptions = 3500, .stCarryforward = 1000, .ltCarryforward = 6000},
    // ST -2,000, LT -8,000: ST = max(2,000 - 3,000, 0) = 0; LT = 8,000 - (3,000 - 2,000) = 7,000
    {.name = "Mixed_ST2000_LT8000", .netST = -2000, .netLT = -8000, .capGains = -3000, .taxInc = 46500, .exemptions = 3500, .stCarryforward = 0, .ltCarryforward = 7000},
    // ST gain 2,000, LT -12,000: ST 0; LT = 12,000 - (2,000 + 3,000) = 7,000
    {.name = "STGain2000_LTLoss12000", .netST = 2000, .netLT = -12000, .capGains = -3000, .taxInc = 46500, .exemptions = 3500, .stCarryforward = 0, .ltCarryforward = 7000},
    // ST -12,000, LT gain 2,000: ST = 12,000 - (3,000 + 2,000) = 7,000; LT = 0
    {.name = "STLoss12000_LTGain2000", .netST = -12000, .netLT = 2000, .capGains = -3000, .taxInc = 46500, .exemptions = 3500, .stCarryforward = 7000, .ltCarryforward = 0},
    // Married Sep. limit 1,500: ST -5,000, allowed 1,500: ST 3,500
    {.name = "MarSepLimit_STLoss5000", .netST = -5000, .netLT = 0, .capGains = -1500, .taxInc = 6000, .exemptions = 3500, .stCarryforward = 3500, .ltCarryforward = 0},
    // loss fully used (|loss| 2,000 >= |total| 2,000, base >= 0): both 0
    {.name = "LossFullyUsed", .netST = -2000, .netLT = 0, .capGains = -2000, .taxInc = 10000, .exemptions = 3500, .stCarryforward = 0, .ltCarryforward = 0},
    // |loss| 2,000 = |total| but base -5,000 < 0: allowed = min(2,000, max(-3,000, 0)) = 0; ST 2,000
    {.name = "SmallLoss_NegativeBase", .netST = -2000, .netLT = 0, .capGains = -2000, .taxInc = -8500, .exemptions = 3500, .stCarryforward = 2000, .ltCarryforward = 0},
    // net gain: both 0
    {.name = "NetGain", .netST = -1000, .netLT = 5000, .capGains = 4000, .taxInc = 40000, .exemptions = 3500, .stCarryforward = 0, .ltCarryforward = 0},
    // total exactly 0: both 0
    {.name = "NetZero", .netST = -3000, .netLT = 3000, .capGains = 0, .taxInc = 40000, .exemptions = 3500, .stCarryforward = 0, .ltCarryforward = 0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(TotIncCalcs, CapitalLossCarryforward, ::testing::ValuesIn(kCarryforwardCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// The carryforwards through the whole computation of a 2008 Single return.
TEST(TotIncCalcs, CarryforwardInFullReturnMixedLosses) {
    iTop r;
    open(r, 2008, 1, 1);
    r.inc().letProperty("WageSp1", "30000");
    r.inc().letProperty("STCG", "-4000");
    r.inc().letProperty("LTCG", "-6000");
    r.Calculate();
    // total income 30,000 - 3,000 = 27,000; taxable 27,000 - 5,450 - 3,500 = 18,050
    EXPECT_EQ(r.get(iTop::TotalInc), usd(27000));
    EXPECT_EQ(r.get(iTop::TaxInc), usd(18050));
    // base 18,050 + 3,500 = 21,550, allowed 3,000: ST 4,000 - 3,000 = 1,000, LT 6,000
    EXPECT_EQ(r.inc().get(iInc::STCLCarryforward), usd(1000));
    EXPECT_EQ(r.inc().get(iInc::LTCLCarryforward), usd(6000));

    // A later gain leaves nothing to carry: both lines go back to 0.
    r.inc().letProperty("STCG", "4000");
    r.Calculate();
    EXPECT_EQ(r.inc().get(iInc::STCLCarryforward), Currency());
    EXPECT_EQ(r.inc().get(iInc::LTCLCarryforward), Currency());
}

TEST(TotIncCalcs, CarryforwardInFullReturnNegativeBase) {
    iTop r;
    open(r, 2008, 1, 1);
    r.inc().letProperty("STCG", "-10000");
    r.Calculate();
    // total income -3,000; taxable -3,000 - 5,450 - 3,500 = -11,950
    EXPECT_EQ(r.get(iTop::TaxInc), usd(-11950));
    // base -11,950 + 3,500 = -8,450: allowed = min(3,000, max(-5,450, 0)) = 0
    EXPECT_EQ(r.inc().get(iInc::STCLCarryforward), usd(10000));
    EXPECT_EQ(r.inc().get(iInc::LTCLCarryforward), Currency());
}

}  // namespace
