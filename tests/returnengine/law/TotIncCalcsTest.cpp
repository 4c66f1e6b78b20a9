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
    const char* name;
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
    {"LTGain5000_STLoss2000_Div1000", 1, -2000, 5000, 0, 0, 1000, 0, 0, 0, -2000, 5000, 3000, 4000, 54000},
    // netLT -4,000 < 0: adjusted = dividends alone 1,000; loss -4,000 limited to -3,000;
    // total 50,000 - 3,000 + 1,000 = 48,000
    {"LTLoss_Div1000", 1, 0, -4000, 0, 0, 1000, 0, 0, 0, 0, -4000, -3000, 1000, 48000},
    // both positive: adjusted = netLT 5,000 + dividends 1,000 = 6,000 (short-term gain left out)
    {"BothGains_STLeftOut", 1, 2000, 5000, 0, 0, 1000, 0, 0, 0, 2000, 5000, 7000, 6000, 58000},
    // netLT 2,000, netST -5,000, net -3,000 <= 0: adjusted = dividends 1,000; -3,000 is not below the limit
    {"NetLoss_DividendsOnly", 1, -5000, 2000, 0, 0, 1000, 0, 0, 0, -5000, 2000, -3000, 1000, 48000},
    // netLT 0 counts as not negative and netST 3,000 > 0: adjusted = 0 + 500
    {"ZeroLT_STGain", 1, 3000, 0, 0, 0, 500, 0, 0, 0, 3000, 0, 3000, 500, 53500},
    // netST 1,000 - 3,000 = -2,000; netLT 10,000 - 4,000 = 6,000; net 4,000 > 0: adjusted 4,000
    {"Carryovers", 1, 1000, 10000, 3000, 4000, 0, 0, 0, 0, -2000, 6000, 4000, 4000, 54000},
    // 1231: 8,000 - 3,000 = 5,000 > 0 is a long-term gain: netLT 5,000, total 55,000
    {"Sec1231NetGain", 1, 0, 0, 0, 0, 0, 8000, 3000, 5000, 0, 5000, 5000, 5000, 55000},
    // 1231: 3,000 - 8,000 = -5,000 is an ordinary loss in full: total 45,000, netLT 0
    {"Sec1231NetLoss", 1, 0, 0, 0, 0, 0, 3000, 8000, -5000, 0, 0, 0, 0, 45000},
    // 1231 loss -5,000 in full plus a capital loss -10,000 limited to -3,000: 50,000 - 3,000 - 5,000
    {"Sec1231LossAndCapitalLoss", 1, -10000, 0, 0, 0, 0, 0, 5000, -5000, -10000, 0, -3000, 0, 42000},
    // 1231 gain 2,000 against a long-term carryover 5,000: netLT -3,000, adjusted = dividends 0
    {"Sec1231GainAgainstLTCarryover", 1, 0, 0, 0, 5000, 0, 2000, 0, 2000, 0, -3000, -3000, 0, 47000},
    // LTCG -1,000 + 1231 gain 4,000 = netLT 3,000; adjusted 3,000
    {"Sec1231GainOverLTLoss", 1, 0, -1000, 0, 0, 0, 4000, 0, 4000, 0, 3000, 3000, 3000, 53000},
    // net loss 10,000: limited to -3,000 for every status but Married Sep. (-1,500);
    // adjusted = dividends 0 (netLT 0, netST -10,000, net <= 0)
    {"LossLimit_Single", 1, -10000, 0, 0, 0, 0, 0, 0, 0, -10000, 0, -3000, 0, 47000},
    {"LossLimit_Joint", 2, -10000, 0, 0, 0, 0, 0, 0, 0, -10000, 0, -3000, 0, 47000},
    {"LossLimit_MarSep", 3, -10000, 0, 0, 0, 0, 0, 0, 0, -10000, 0, -1500, 0, 48500},
    {"LossLimit_Head", 4, -10000, 0, 0, 0, 0, 0, 0, 0, -10000, 0, -3000, 0, 47000},
    {"LossLimit_Widow", 5, -10000, 0, 0, 0, 0, 0, 0, 0, -10000, 0, -3000, 0, 47000},
    // Married Sep. loss of 1,200 is above -1,500 and stays whole
    {"MarSepSmallLoss", 3, -1200, 0, 0, 0, 0, 0, 0, 0, -1200, 0, -1200, 0, 48800},
    // loss limit does not touch the adjusted gain: netLT 0, net -10,000 -> dividends 2,000
    {"LimitLeavesAdjustedGain", 1, -10000, 0, 0, 0, 2000, 0, 0, 0, -10000, 0, -3000, 2000, 49000},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(TotIncCalcs, CapitalGainNetting, ::testing::ValuesIn(kNettingCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// Amounts read through a property are whole dollars, halves away from zero.
TEST(TotIncCalcs, InputsEnterInWholeDollarsHalvesAwayFromZero) {
    iTop r;
    open(r, 2008, 1);
    r.inc().letProperty("WageSp1", "50000.50");     // enters as 50,001
    r.inc().letProperty("STCG", "-2500.50");        // enters as -2,501
    r.inc().letProperty("Dividends", "100.49");     // enters as 100
    TotIncCalcs::CalcTotInc(r);
    EXPECT_EQ(r.inc().get(iInc::NetSTCG), usd(-2501));
    EXPECT_EQ(r.inc().get(iInc::CapGains), usd(-2501));
    // 50,001 - 2,501 + 100 = 47,600
    EXPECT_EQ(r.get(iTop::TotalInc), usd(47600));
}

// ---------------------------------------------------------------------------
// The loss limit on an exact amount.
struct LossLimitCase {
    const char* name;
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
    {"Loss10000_Single", usd(-10000), 1, usd(-3000)},
    {"Loss10000_Joint", usd(-10000), 2, usd(-3000)},
    {"Loss10000_MarSep", usd(-10000), 3, usd(-1500)},
    {"Loss10000_Head", usd(-10000), 4, usd(-3000)},
    {"Loss10000_Widow", usd(-10000), 5, usd(-3000)},
    // exactly at the limit, or just inside it: unchanged
    {"Loss3000_Single", usd(-3000), 1, usd(-3000)},
    {"Loss2999_99_Single", cents(-299999), 1, cents(-299999)},
    {"Loss1500_MarSep", usd(-1500), 3, usd(-1500)},
    // a cent beyond the limit is raised to it
    {"Loss3000_01_Single", cents(-300001), 1, usd(-3000)},
    {"Loss1500_0001_MarSep", Currency::fromScaled(-15000001), 3, usd(-1500)},
    // less than a cent of loss is not limited
    {"LossHalfCent_Single", Currency::fromScaled(-50), 1, Currency::fromScaled(-50)},
    {"LossHalfCent_MarSep", Currency::fromScaled(-50), 3, Currency::fromScaled(-50)},
    {"Zero", Currency(), 1, Currency()},
    {"Gain5000", usd(5000), 3, usd(5000)},
};

INSTANTIATE_TEST_SUITE_P(TotIncCalcs, LossLimit, ::testing::ValuesIn(kLossLimitCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// ---------------------------------------------------------------------------
// The capital loss carryover worksheet, on lines set directly.
struct CarryforwardCase {
    const char* name;
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
    {"STLoss10000_Base20000", -10000, 0, -3000, 16500, 3500, 7000, 0},
    // base -5,000: allowed = min(3,000, max(-5,000 + 3,000, 0)) = 0; the whole 10,000 carries
    {"STLoss10000_BaseMinus5000", -10000, 0, -3000, -8500, 3500, 10000, 0},
    // base -1,000: allowed = min(3,000, 2,000) = 2,000; ST 10,000 - 2,000 = 8,000
    {"STLoss10000_BaseMinus1000", -10000, 0, -3000, -4500, 3500, 8000, 0},
    // ST -4,000, LT -6,000, allowed 3,000: ST = 4,000 - 3,000 = 1,000;
    // LT = 6,000 - (0 + max(3,000 - 4,000, 0)) = 6,000
    {"Mixed_ST4000_LT6000", -4000, -6000, -3000, 46500, 3500, 1000, 6000},
    // ST -2,000, LT -8,000: ST = max(2,000 - 3,000, 0) = 0; LT = 8,000 - (3,000 - 2,000) = 7,000
    {"Mixed_ST2000_LT8000", -2000, -8000, -3000, 46500, 3500, 0, 7000},
    // ST gain 2,000, LT -12,000: ST 0; LT = 12,000 - (2,000 + 3,000) = 7,000
    {"STGain2000_LTLoss12000", 2000, -12000, -3000, 46500, 3500, 0, 7000},
    // ST -12,000, LT gain 2,000: ST = 12,000 - (3,000 + 2,000) = 7,000; LT = 0
    {"STLoss12000_LTGain2000", -12000, 2000, -3000, 46500, 3500, 7000, 0},
    // Married Sep. limit 1,500: ST -5,000, allowed 1,500: ST 3,500
    {"MarSepLimit_STLoss5000", -5000, 0, -1500, 6000, 3500, 3500, 0},
    // loss fully used (|loss| 2,000 >= |total| 2,000, base >= 0): both 0
    {"LossFullyUsed", -2000, 0, -2000, 10000, 3500, 0, 0},
    // |loss| 2,000 = |total| but base -5,000 < 0: allowed = min(2,000, max(-3,000, 0)) = 0; ST 2,000
    {"SmallLoss_NegativeBase", -2000, 0, -2000, -8500, 3500, 2000, 0},
    // net gain: both 0
    {"NetGain", -1000, 5000, 4000, 40000, 3500, 0, 0},
    // total exactly 0: both 0
    {"NetZero", -3000, 3000, 0, 40000, 3500, 0, 0},
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
