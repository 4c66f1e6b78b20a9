// Itemized deductions with their floors and phase-out, the standard deduction,
// and the exemptions with their phase-out.

#include "LawTestSupport.h"

#include "returnengine/law/Calcs.h"
#include "returnengine/law/ItemDedCalcs.h"
#include "returnengine/law/YearRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace lawtest;
using osgrin::ItemDed;
using osgrin::iTop;
namespace ItemDedCalcs = osgrin::ItemDedCalcs;
namespace rules = osgrin::law::rules;

// ---------------------------------------------------------------------------
// Standard deduction: base by status plus the boxes (blind, over 65; spouse 2's
// boxes only for Joint) times the per-box amount (first for statuses 1 and 4).
struct StdDedCase {
    int year, status;
    bool sp1Blind = false, sp1Over65 = false, sp2Blind = false, sp2Over65 = false;
    int countedBoxes;
    long expected;
    const char* note = "";  // suffix of the test name, may be empty
};

class StandardDeduction : public ::testing::TestWithParam<StdDedCase> {};

TEST_P(StandardDeduction, Amount) {
    const StdDedCase& c = GetParam();
    iTop r;
    open(r, c.year, c.status);
    r.letIsSp1Blind(c.sp1Blind);
    r.letIsSp1Over65(c.sp1Over65);
    r.letIsSp2Blind(c.sp2Blind);
    r.letIsSp2Over65(c.sp2Over65);
    EXPECT_EQ(ItemDedCalcs::CalcStdDedSub(r), usd(c.expected));
    EXPECT_EQ(r.item().get(ItemDed::StdDed), usd(c.expected));
}

// clang-format off
const StdDedCase kStdDedCases[] = {
    {.year = 2008, .status = 1, .countedBoxes = 0, .expected = 5450},
    {.year = 2008, .status = 1, .sp1Over65 = true, .countedBoxes = 1, .expected = 6800},  // 5,450 + 1,350
    {.year = 2008, .status = 1, .sp1Blind = true, .sp1Over65 = true, .countedBoxes = 2, .expected = 8150},  // 5,450 + 2 x 1,350
    {.year = 2008, .status = 1, .sp2Blind = true, .sp2Over65 = true, .countedBoxes = 0, .expected = 5450, .note = "Sp2BoxesIgnored"},  // spouse 2 counts only for Joint
    {.year = 2008, .status = 2, .sp1Blind = true, .sp2Over65 = true, .countedBoxes = 2, .expected = 13000},  // 10,900 + 2 x 1,050
    {.year = 2008, .status = 2, .sp1Blind = true, .sp1Over65 = true, .sp2Blind = true, .sp2Over65 = true, .countedBoxes = 4, .expected = 15100},  // 10,900 + 4 x 1,050
    {.year = 2008, .status = 3, .sp1Over65 = true, .sp2Blind = true, .countedBoxes = 1, .expected = 6500, .note = "Sp2BoxIgnored"},  // 5,450 + 1,050
    {.year = 2008, .status = 4, .sp1Blind = true, .sp1Over65 = true, .countedBoxes = 2, .expected = 10700},  // 8,000 + 2 x 1,350
    {.year = 2008, .status = 5, .sp1Blind = true, .sp2Blind = true, .sp2Over65 = true, .countedBoxes = 1, .expected = 11950, .note = "Sp2BoxesIgnored"},  // 10,900 + 1,050
    {.year = 2001, .status = 2, .countedBoxes = 0, .expected = 7600},
    {.year = 2001, .status = 1, .sp1Blind = true, .sp1Over65 = true, .countedBoxes = 2, .expected = 6750},  // 4,550 + 2 x 1,100
    {.year = 2001, .status = 3, .sp1Blind = true, .countedBoxes = 1, .expected = 4700},  // 3,800 + 900
    {.year = 2002, .status = 4, .sp1Over65 = true, .countedBoxes = 1, .expected = 8050},  // 6,900 + 1,150
    {.year = 2002, .status = 2, .sp1Blind = true, .sp1Over65 = true, .sp2Over65 = true, .countedBoxes = 3, .expected = 10550},  // 7,850 + 3 x 900
    {.year = 2003, .status = 4, .sp1Blind = true, .countedBoxes = 1, .expected = 8150},  // 7,000 + 1,150
    {.year = 2003, .status = 2, .sp2Blind = true, .countedBoxes = 1, .expected = 10450},  // 9,500 + 950
    // 2004 gives the smaller per-box amount 950 to Single and Head, 1,200 to the others
    {.year = 2004, .status = 1, .sp1Over65 = true, .countedBoxes = 1, .expected = 5800},  // 4,850 + 950
    {.year = 2004, .status = 4, .sp1Blind = true, .sp1Over65 = true, .countedBoxes = 2, .expected = 9050},  // 7,150 + 2 x 950
    {.year = 2004, .status = 2, .sp1Blind = true, .sp2Over65 = true, .countedBoxes = 2, .expected = 12100},  // 9,700 + 2 x 1,200
    {.year = 2004, .status = 3, .sp1Over65 = true, .countedBoxes = 1, .expected = 6050},  // 4,850 + 1,200
    {.year = 2004, .status = 5, .sp1Over65 = true, .countedBoxes = 1, .expected = 10900},  // 9,700 + 1,200
    {.year = 2005, .status = 1, .sp1Blind = true, .sp1Over65 = true, .countedBoxes = 2, .expected = 7500},  // 5,000 + 2 x 1,250
    {.year = 2005, .status = 2, .sp1Blind = true, .sp1Over65 = true, .countedBoxes = 2, .expected = 12000},  // 10,000 + 2 x 1,000
    {.year = 2006, .status = 1, .sp1Blind = true, .countedBoxes = 1, .expected = 6400},  // 5,150 + 1,250
    {.year = 2006, .status = 2, .sp2Over65 = true, .countedBoxes = 1, .expected = 11300},  // 10,300 + 1,000
    {.year = 2007, .status = 1, .sp1Over65 = true, .countedBoxes = 1, .expected = 6700},  // 5,350 + 1,350
    {.year = 2007, .status = 2, .sp1Blind = true, .sp2Blind = true, .countedBoxes = 2, .expected = 12800},  // 10,700 + 2 x 1,050
    // later years use 2008's figures, earlier ones get nothing
    {.year = 2009, .status = 1, .sp1Over65 = true, .countedBoxes = 1, .expected = 6800},
    {.year = 2010, .status = 2, .countedBoxes = 0, .expected = 10900},
    {.year = 2000, .status = 1, .sp1Over65 = true, .countedBoxes = 1, .expected = 0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ItemDedCalcs, StandardDeduction, ::testing::ValuesIn(kStdDedCases), [](const auto& tp) {
    const StdDedCase& c = tp.param;
    std::string name =
        std::to_string(c.year) + "_" + statusName(c.status) + "_" + std::to_string(c.countedBoxes) + "boxes";
    if (*c.note) name += std::string("_") + c.note;
    return name;
});

// A year's own entry point uses that year's figures whatever the return's year.
TEST(ItemDedCalcs, YearEntryPointsUseTheirOwnFigures) {
    iTop r;
    open(r, 2008, 1, 2);
    r.letIsSp1Over65(true);
    EXPECT_EQ(osgrin::Calcs2008::StdDed2008(r), usd(6800));                 // 5,450 + 1,350
    EXPECT_EQ(osgrin::Calcs2004::StdDed2004(r), usd(5800));                 // 4,850 + 950
    EXPECT_EQ(osgrin::Calcs2001::StdDed2001(r), usd(5650));                 // 4,550 + 1,100
    EXPECT_EQ(osgrin::Calcs2003::CalcExemptionDedGross2003(r), usd(6100));  // 2 x 3,050
    EXPECT_EQ(osgrin::Calcs2008::CalcExemptionDedGross2008(r), usd(7000));  // 2 x 3,500
}

// ---------------------------------------------------------------------------
// Exemptions and their phase-out, through ItemDedCalc with AGI set.
struct ExemptionCase {
    const char* name = "";
    int year, status, dependents;
    long agi;
    long gross, phaseOut, net;
};

class Exemptions : public ::testing::TestWithParam<ExemptionCase> {};

TEST_P(Exemptions, GrossPhaseOutNet) {
    const ExemptionCase& c = GetParam();
    iTop r;
    open(r, c.year, c.status, c.dependents);
    r.set(iTop::AGI, usd(c.agi));
    ItemDedCalcs::ItemDedCalc(r);
    EXPECT_EQ(r.item().get(ItemDed::ExemptionDedGross), usd(c.gross));
    EXPECT_EQ(r.item().get(ItemDed::ExemptionDedPhaseOut), usd(c.phaseOut));
    EXPECT_EQ(r.item().get(ItemDed::ExemptionDedNet), usd(c.net));
    EXPECT_EQ(ItemDedCalcs::CalcExemptionDedGross(r), usd(c.gross));
    EXPECT_EQ(ItemDedCalcs::CalcExemptionDedPhaseOut(r), usd(c.phaseOut));
}

// clang-format off
const ExemptionCase kExemptionCases[] = {
    // 2006: 3,300 each, reduction applied whole
    {.name = "2006_Joint_AtThreshold", .year = 2006, .status = 2, .dependents = 4, .agi = 225750, .gross = 13200, .phaseOut = 0, .net = 13200},
    // excess 1: one step, 2% of 13,200 = 264
    {.name = "2006_Joint_OneDollarOver", .year = 2006, .status = 2, .dependents = 4, .agi = 225751, .gross = 13200, .phaseOut = 264, .net = 12936},
    {.name = "2006_Single_AtThreshold", .year = 2006, .status = 1, .dependents = 1, .agi = 150500, .gross = 3300, .phaseOut = 0, .net = 3300},
    {.name = "2006_Single_OneDollarOver", .year = 2006, .status = 1, .dependents = 1, .agi = 150501, .gross = 3300, .phaseOut = 66, .net = 3234},
    {.name = "2006_Head_OneDollarOver", .year = 2006, .status = 4, .dependents = 1, .agi = 188151, .gross = 3300, .phaseOut = 66, .net = 3234},
    {.name = "2006_MarSep_OneDollarOver", .year = 2006, .status = 3, .dependents = 1, .agi = 112876, .gross = 3300, .phaseOut = 66, .net = 3234},
    // Married Sep. steps of 1,250: excess 1,251 = 1.0008 -> 2 steps, 4% = 132
    {.name = "2006_MarSep_TwoSteps", .year = 2006, .status = 3, .dependents = 1, .agi = 114126, .gross = 3300, .phaseOut = 132, .net = 3168},
    // excess 122,501 = 49.0004 -> 50 steps, 100%: all of it
    {.name = "2006_Single_FullyPhasedOut", .year = 2006, .status = 1, .dependents = 1, .agi = 273001, .gross = 3300, .phaseOut = 3300, .net = 0},
    // 2007: 3,400 each, reduction / 1.5
    {.name = "2007_Joint_AtThreshold", .year = 2007, .status = 2, .dependents = 4, .agi = 234600, .gross = 13600, .phaseOut = 0, .net = 13600},
    // 2% of 13,600 = 272; / 1.5 = 181.33 -> 181
    {.name = "2007_Joint_OneDollarOver", .year = 2007, .status = 2, .dependents = 4, .agi = 234601, .gross = 13600, .phaseOut = 181, .net = 13419},
    // 2% of 3,400 = 68; / 1.5 = 45.33 -> 45
    {.name = "2007_Single_OneDollarOver", .year = 2007, .status = 1, .dependents = 1, .agi = 156401, .gross = 3400, .phaseOut = 45, .net = 3355},
    // 50 steps: 3,400 / 1.5 = 2,266.67 -> 2,267
    {.name = "2007_Single_FullyPhasedOut", .year = 2007, .status = 1, .dependents = 1, .agi = 281400, .gross = 3400, .phaseOut = 2267, .net = 1133},
    // 2008: 3,500 each, reduction / 3
    {.name = "2008_Joint_AtThreshold", .year = 2008, .status = 2, .dependents = 4, .agi = 239950, .gross = 14000, .phaseOut = 0, .net = 14000},
    // 2% of 14,000 = 280; / 3 = 93.33 -> 93
    {.name = "2008_Joint_OneDollarOver", .year = 2008, .status = 2, .dependents = 4, .agi = 239951, .gross = 14000, .phaseOut = 93, .net = 13907},
    {.name = "2008_Single_AtThreshold", .year = 2008, .status = 1, .dependents = 1, .agi = 159950, .gross = 3500, .phaseOut = 0, .net = 3500},
    // excess 1,000 = 0.4 -> 1 step: 70 / 3 = 23.33 -> 23
    {.name = "2008_Single_1000Over", .year = 2008, .status = 1, .dependents = 1, .agi = 160950, .gross = 3500, .phaseOut = 23, .net = 3477},
    // excess 2,500 = exactly 1 step: 23
    {.name = "2008_Single_Excess2500", .year = 2008, .status = 1, .dependents = 1, .agi = 162450, .gross = 3500, .phaseOut = 23, .net = 3477},
    // excess 2,501 = 1.0004 -> 2 steps: 140 / 3 = 46.67 -> 47
    {.name = "2008_Single_Excess2501", .year = 2008, .status = 1, .dependents = 1, .agi = 162451, .gross = 3500, .phaseOut = 47, .net = 3453},
    {.name = "2008_Head_OneDollarOver", .year = 2008, .status = 4, .dependents = 1, .agi = 199951, .gross = 3500, .phaseOut = 23, .net = 3477},
    // Widow uses Joint's threshold: 2% of 7,000 = 140 / 3 -> 47
    {.name = "2008_Widow_OneDollarOver", .year = 2008, .status = 5, .dependents = 2, .agi = 239951, .gross = 7000, .phaseOut = 47, .net = 6953},
    {.name = "2008_Widow_AtThreshold", .year = 2008, .status = 5, .dependents = 2, .agi = 239950, .gross = 7000, .phaseOut = 0, .net = 7000},
    // Married Sep. 119,975 + 1,251: 2 steps, 4% of 7,000 = 280 / 3 -> 93
    {.name = "2008_MarSep_TwoSteps", .year = 2008, .status = 3, .dependents = 2, .agi = 121226, .gross = 7000, .phaseOut = 93, .net = 6907},
    {.name = "2008_MarSep_AtThreshold", .year = 2008, .status = 3, .dependents = 2, .agi = 119975, .gross = 7000, .phaseOut = 0, .net = 7000},
    // excess 200,000 = 80 steps = 160%, capped at 3,500; / 3 = 1,166.67 -> 1,167
    {.name = "2008_Single_FullyPhasedOut", .year = 2008, .status = 1, .dependents = 1, .agi = 359950, .gross = 3500, .phaseOut = 1167, .net = 2333},
    // 2001: 2,900 each, whole
    {.name = "2001_Single_OneDollarOver", .year = 2001, .status = 1, .dependents = 1, .agi = 132951, .gross = 2900, .phaseOut = 58, .net = 2842},
    // 2010 uses 2008's numbers
    {.name = "2010_Single_OneDollarOver", .year = 2010, .status = 1, .dependents = 1, .agi = 159951, .gross = 3500, .phaseOut = 23, .net = 3477},
    {.name = "2010_Joint_Gross", .year = 2010, .status = 2, .dependents = 3, .agi = 100000, .gross = 10500, .phaseOut = 0, .net = 10500},
    // 2000: nothing
    {.name = "2000_Single_Nothing", .year = 2000, .status = 1, .dependents = 3, .agi = 500000, .gross = 0, .phaseOut = 0, .net = 0},
    // no exemptions claimed
    {.name = "2008_Single_ZeroDependents", .year = 2008, .status = 1, .dependents = 0, .agi = 500000, .gross = 0, .phaseOut = 0, .net = 0},
    // a negative count counts as no exemption
    {.name = "2008_Single_NegativeDependents", .year = 2008, .status = 1, .dependents = -2, .agi = 50000, .gross = 0, .phaseOut = 0, .net = 0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ItemDedCalcs, Exemptions, ::testing::ValuesIn(kExemptionCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

TEST(ItemDedCalcs, NegativeDependentsKeepsStoredValue) {
    iTop r;
    open(r, 2008, 1, -2);
    r.set(iTop::AGI, usd(50000));
    ItemDedCalcs::ItemDedCalc(r);
    EXPECT_EQ(r.getProperty("Dependents"), "-2");
    EXPECT_EQ(r.item().get(ItemDed::ExemptionDedNet), Currency());
}

// ---------------------------------------------------------------------------
// Steps of the exemption phase-out: the quotient at four decimals, then up to a whole number.
struct StepsCase {
    const char* name = "";
    Currency excess, stepSize;
    long steps;
};

class ExemptionPhaseOutSteps : public ::testing::TestWithParam<StepsCase> {};

TEST_P(ExemptionPhaseOutSteps, Steps) {
    const StepsCase& c = GetParam();
    EXPECT_EQ(rules::exemptionPhaseOutSteps(c.excess, c.stepSize), usd(c.steps));
}

// clang-format off
const StepsCase kStepsCases[] = {
    // 2,501 / 2,500 = 1.0004 -> 2
    {.name = "Excess2501", .excess = usd(2501), .stepSize = usd(2500), .steps = 2},
    // 2,500.01 / 2,500 = 1.000004 -> 1.0000 at four decimals, already whole -> 1
    {.name = "Excess2500_01", .excess = cents(250001), .stepSize = usd(2500), .steps = 1},
    {.name = "Excess2500", .excess = usd(2500), .stepSize = usd(2500), .steps = 1},
    // 1 / 2,500 = 0.0004 -> 1
    {.name = "Excess1", .excess = usd(1), .stepSize = usd(2500), .steps = 1},
    // 5,000.12 / 2,500 = 2.000048 -> 2.0000 -> 2
    {.name = "Excess5000_12", .excess = cents(500012), .stepSize = usd(2500), .steps = 2},
    // 5,000.13 / 2,500 = 2.000052 -> 2.0001 -> 3
    {.name = "Excess5000_13", .excess = cents(500013), .stepSize = usd(2500), .steps = 3},
    // 0.12 / 2,500 = 0.000048 -> 0.0000, already whole -> 0
    {.name = "Excess0_12", .excess = cents(12), .stepSize = usd(2500), .steps = 0},
    // Married Sep. steps: 1,251 / 1,250 = 1.0008 -> 2; 3,750 / 1,250 = 3
    {.name = "MarSepExcess1251", .excess = usd(1251), .stepSize = usd(1250), .steps = 2},
    {.name = "MarSepExcess3750", .excess = usd(3750), .stepSize = usd(1250), .steps = 3},
    {.name = "Excess125000", .excess = usd(125000), .stepSize = usd(2500), .steps = 50},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ItemDedCalcs, ExemptionPhaseOutSteps, ::testing::ValuesIn(kStepsCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// ---------------------------------------------------------------------------
// The itemized-deduction phase-out: 3% of the excess (rounded), at most 80% of
// gross less medical, two thirds of it in 2007 and 2008.
struct ItemPhaseOutCase {
    const char* name = "";
    int year, status;
    long agi, totGross, medDed;
    long reduction;
};

class ItemizedPhaseOut : public ::testing::TestWithParam<ItemPhaseOutCase> {};

TEST_P(ItemizedPhaseOut, Reduction) {
    const ItemPhaseOutCase& c = GetParam();
    iTop r;
    open(r, c.year, c.status);
    r.set(iTop::AGI, usd(c.agi));
    r.item().set(ItemDed::TotGross, usd(c.totGross));
    r.item().set(ItemDed::MedDed, usd(c.medDed));
    EXPECT_EQ(ItemDedCalcs::ItemDedPhaseOut(r), usd(c.reduction));
    EXPECT_EQ(r.item().get(ItemDed::TotReduction), usd(c.reduction));
}

// clang-format off
const ItemPhaseOutCase kItemPhaseOutCases[] = {
    {.name = "2006_Single_AtThreshold", .year = 2006, .status = 1, .agi = 150500, .totGross = 40000, .medDed = 0, .reduction = 0},
    // excess 1 x 3% = 0.03 -> 0
    {.name = "2006_Single_OneDollarOver", .year = 2006, .status = 1, .agi = 150501, .totGross = 40000, .medDed = 0, .reduction = 0},
    {.name = "2006_Single_1000Over", .year = 2006, .status = 1, .agi = 151500, .totGross = 40000, .medDed = 0, .reduction = 30},
    // excess 50 x 3% = 1.50 -> 2; excess 150 x 3% = 4.50 -> 4 (ties to even)
    {.name = "2006_Single_TieUp", .year = 2006, .status = 1, .agi = 150550, .totGross = 40000, .medDed = 0, .reduction = 2},
    {.name = "2006_Single_TieDown", .year = 2006, .status = 1, .agi = 150650, .totGross = 40000, .medDed = 0, .reduction = 4},
    {.name = "2006_MarSep_1000Over", .year = 2006, .status = 3, .agi = 76250, .totGross = 40000, .medDed = 0, .reduction = 30},
    {.name = "2006_Joint_1000Over", .year = 2006, .status = 2, .agi = 151500, .totGross = 40000, .medDed = 0, .reduction = 30},
    // 80% of (10,000 - 2,000) = 6,400 < 3% of 1,000,000
    {.name = "2006_Joint_Cap80", .year = 2006, .status = 2, .agi = 1150500, .totGross = 10000, .medDed = 2000, .reduction = 6400},
    {.name = "2007_Single_AtThreshold", .year = 2007, .status = 1, .agi = 156400, .totGross = 40000, .medDed = 0, .reduction = 0},
    // 30 - 30/3 = 20
    {.name = "2007_Single_1000Over", .year = 2007, .status = 1, .agi = 157400, .totGross = 40000, .medDed = 0, .reduction = 20},
    {.name = "2007_MarSep_1000Over", .year = 2007, .status = 3, .agi = 79200, .totGross = 40000, .medDed = 0, .reduction = 20},
    // 6,400 - 2,133.33 = 4,266.67 -> 4,267
    {.name = "2007_Joint_Cap80", .year = 2007, .status = 2, .agi = 1156400, .totGross = 10000, .medDed = 2000, .reduction = 4267},
    {.name = "2008_Single_AtThreshold", .year = 2008, .status = 1, .agi = 159950, .totGross = 40000, .medDed = 0, .reduction = 0},
    {.name = "2008_Single_1000Over", .year = 2008, .status = 1, .agi = 160950, .totGross = 40000, .medDed = 0, .reduction = 20},
    {.name = "2008_Joint_1000Over", .year = 2008, .status = 2, .agi = 160950, .totGross = 40000, .medDed = 0, .reduction = 20},
    {.name = "2008_Widow_1000Over", .year = 2008, .status = 5, .agi = 160950, .totGross = 40000, .medDed = 0, .reduction = 20},
    {.name = "2008_MarSep_AtThreshold", .year = 2008, .status = 3, .agi = 79975, .totGross = 40000, .medDed = 0, .reduction = 0},
    {.name = "2008_MarSep_1000Over", .year = 2008, .status = 3, .agi = 80975, .totGross = 40000, .medDed = 0, .reduction = 20},
    // excess 17 x 3% = 0.51 -> 1; 1 - 1/3 = 0.6667 -> 1
    {.name = "2008_Single_Excess17", .year = 2008, .status = 1, .agi = 159967, .totGross = 40000, .medDed = 0, .reduction = 1},
    {.name = "2008_Joint_Cap80", .year = 2008, .status = 2, .agi = 1159950, .totGross = 10000, .medDed = 2000, .reduction = 4267},
    // 80% of 10,001 = 8,000.80 -> 8,001; 8,001 - 2,667 = 5,334
    {.name = "2008_Joint_Cap80Rounded", .year = 2008, .status = 2, .agi = 1159950, .totGross = 10001, .medDed = 0, .reduction = 5334},
    {.name = "2009_Single_1000Over", .year = 2009, .status = 1, .agi = 160950, .totGross = 40000, .medDed = 0, .reduction = 20},
    {.name = "2001_Single_1000Over", .year = 2001, .status = 1, .agi = 133950, .totGross = 40000, .medDed = 0, .reduction = 30},
    {.name = "2001_MarSep_1000Over", .year = 2001, .status = 3, .agi = 67475, .totGross = 40000, .medDed = 0, .reduction = 30},
    {.name = "2000_Single_NoPhaseOut", .year = 2000, .status = 1, .agi = 1000000, .totGross = 40000, .medDed = 0, .reduction = 0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ItemDedCalcs, ItemizedPhaseOut, ::testing::ValuesIn(kItemPhaseOutCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// The year function stores the reduction unrounded; the module stores it rounded.
TEST(ItemDedCalcs, YearPhaseOutStoresUnroundedReduction) {
    iTop r;
    open(r, 2008, 1);
    r.set(iTop::AGI, usd(159967));
    r.item().set(ItemDed::TotGross, usd(40000));
    // 0.51 -> 1; 1 - 1/3 = 0.666... -> 0.6667 unrounded, 1 returned
    EXPECT_EQ(osgrin::Calcs2008::ItemDedPhaseOut2008(r), usd(1));
    EXPECT_EQ(r.item().get(ItemDed::TotReduction), money("0.6667"));
    EXPECT_EQ(ItemDedCalcs::ItemDedPhaseOut(r), usd(1));
    EXPECT_EQ(r.item().get(ItemDed::TotReduction), usd(1));

    iTop r7;
    open(r7, 2007, 2);
    r7.set(iTop::AGI, usd(1156400));
    r7.item().set(ItemDed::TotGross, usd(10000));
    r7.item().set(ItemDed::MedDed, usd(2000));
    // 6,400 - 6,400/3 = 4,266.6667
    EXPECT_EQ(osgrin::Calcs2007::ItemDedPhaseOut2007(r7), usd(4267));
    EXPECT_EQ(r7.item().get(ItemDed::TotReduction), money("4266.6667"));
}

// ---------------------------------------------------------------------------
// Medical deduction: payments less self-employed health insurance, above 7.5% of AGI.
struct MedicalCase {
    const char* name = "";
    int year;
    long agi;
    const char* medPmts = "";
    const char* seMedIns = "";
    long deduction;
};

class MedicalDeduction : public ::testing::TestWithParam<MedicalCase> {};

TEST_P(MedicalDeduction, Deduction) {
    const MedicalCase& c = GetParam();
    iTop r;
    open(r, c.year, 1);
    r.set(iTop::AGI, usd(c.agi));
    r.item().letProperty("MedPmts", c.medPmts);
    r.adj().letProperty("SEMedInsPmts", c.seMedIns);
    EXPECT_EQ(ItemDedCalcs::CalcMedDed(r), usd(c.deduction));
    EXPECT_EQ(r.item().get(ItemDed::MedDed), usd(c.deduction));
}

// clang-format off
const MedicalCase kMedicalCases[] = {
    // floor 40,000 x 7.5% = 3,000
    {.name = "EqualToFloor", .year = 2008, .agi = 40000, .medPmts = "3000", .seMedIns = "0", .deduction = 0},
    {.name = "OneDollarOver", .year = 2008, .agi = 40000, .medPmts = "3001", .seMedIns = "0", .deduction = 1},
    {.name = "BelowFloor", .year = 2008, .agi = 40000, .medPmts = "2000", .seMedIns = "0", .deduction = 0},
    // floor 3,000.75: 4,001 - 3,000.75 = 1,000.25 -> 1,000
    {.name = "CentsRoundDown", .year = 2008, .agi = 40010, .medPmts = "4001", .seMedIns = "0", .deduction = 1000},
    // floor 3,002.25: 4,003 - 3,002.25 = 1,000.75 -> 1,001
    {.name = "CentsRoundUp", .year = 2008, .agi = 40030, .medPmts = "4003", .seMedIns = "0", .deduction = 1001},
    // floor 3,001.50: 1,000.50 -> 1,000 and 1,001.50 -> 1,002 (ties to even)
    {.name = "TieDown", .year = 2008, .agi = 40020, .medPmts = "4002", .seMedIns = "0", .deduction = 1000},
    {.name = "TieUp", .year = 2008, .agi = 40020, .medPmts = "4003", .seMedIns = "0", .deduction = 1002},
    // health insurance 1,500 comes off first: 5,000 - 1,500 - 3,000 = 500
    {.name = "HealthInsuranceRemoved", .year = 2008, .agi = 40000, .medPmts = "5000", .seMedIns = "1500", .deduction = 500},
    // insurance above the payments: negative medical amount -> 0
    {.name = "HealthInsuranceAbovePayments", .year = 2008, .agi = 40000, .medPmts = "2000", .seMedIns = "5000", .deduction = 0},
    // 2002: only 70% of 1,000 = 700 is removed: 4,000 - 700 - 3,000 = 300
    {.name = "2002_Insurance70pct", .year = 2002, .agi = 40000, .medPmts = "4000", .seMedIns = "1000", .deduction = 300},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ItemDedCalcs, MedicalDeduction, ::testing::ValuesIn(kMedicalCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// ---------------------------------------------------------------------------
// Miscellaneous deductions above 2% of AGI.
struct MiscCase {
    const char* name = "";
    long agi;
    const char* payments = "";
    long deduction;
};

class MiscellaneousDeduction : public ::testing::TestWithParam<MiscCase> {};

TEST_P(MiscellaneousDeduction, Deduction) {
    const MiscCase& c = GetParam();
    iTop r;
    open(r, 2008, 1);
    r.set(iTop::AGI, usd(c.agi));
    r.item().letProperty("MiscDedPmts", c.payments);
    EXPECT_EQ(ItemDedCalcs::CalcMiscItemDed(r), usd(c.deduction));
    EXPECT_EQ(r.item().get(ItemDed::MiscDed), usd(c.deduction));
}

// clang-format off
const MiscCase kMiscCases[] = {
    // floor 40,000 x 2% = 800
    {.name = "BelowFloor", .agi = 40000, .payments = "799", .deduction = 0},
    {.name = "AtFloor", .agi = 40000, .payments = "800", .deduction = 0},
    {.name = "AboveFloor", .agi = 40000, .payments = "900", .deduction = 100},
    // floor 800.50: 200.50 -> 200 and 201.50 -> 202 (ties to even)
    {.name = "TieDown", .agi = 40025, .payments = "1001", .deduction = 200},
    {.name = "TieUp", .agi = 40025, .payments = "1002", .deduction = 202},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ItemDedCalcs, MiscellaneousDeduction, ::testing::ValuesIn(kMiscCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// A negative AGI gives a floor of 0: nothing paid deducts nothing, and what
// is paid is deducted whole.
TEST(ItemDedCalcs, NegativeAgiFloors) {
    iTop r;
    open(r, 2008, 1);
    r.set(iTop::AGI, usd(-3000));
    EXPECT_EQ(ItemDedCalcs::CalcMedDed(r), usd(0));
    EXPECT_EQ(ItemDedCalcs::CalcMiscItemDed(r), usd(0));
    r.item().letProperty("MedPmts", "400");
    r.item().letProperty("MiscDedPmts", "90");
    EXPECT_EQ(ItemDedCalcs::CalcMedDed(r), usd(400));
    EXPECT_EQ(ItemDedCalcs::CalcMiscItemDed(r), usd(90));
}

// ---------------------------------------------------------------------------
// The totals of taxes and interest, gross and net.
TEST(ItemDedCalcs, TotalsBelowThePhaseOut) {
    iTop r;
    open(r, 2008, 1, 1);
    r.set(iTop::AGI, usd(100000));
    ItemDed& d = r.item();
    d.letProperty("SITPd", "3000");
    d.letProperty("OtherTaxes", "2500.50");  // read as 2,501
    d.letProperty("HomeMortIntReg", "7000");
    d.letProperty("HomeMortIntAmt", "2000");
    d.letProperty("InvIntExp", "9999");  // the expense itself is not a deduction
    d.letProperty("InvIntDed", "1000");
    d.letProperty("OtherIntDed", "500");
    d.letProperty("CharDed", "1200");
    d.letProperty("CasualtyDed", "300");
    // gross = 0 + (2,501 + 3,000) + (7,000 + 2,000 + 1,000 + 500) + 1,200 + 300 + 0 = 17,501
    EXPECT_EQ(ItemDedCalcs::ItemDedCalc(r), usd(17501));
    EXPECT_EQ(d.get(ItemDed::TaxDed), usd(5501));
    EXPECT_EQ(d.get(ItemDed::IntDed), usd(10500));
    EXPECT_EQ(d.get(ItemDed::MedDed), Currency());
    EXPECT_EQ(d.get(ItemDed::MiscDed), Currency());
    EXPECT_EQ(d.get(ItemDed::TotGross), usd(17501));
    EXPECT_EQ(d.get(ItemDed::TotReduction), Currency());
    EXPECT_EQ(d.get(ItemDed::TotNet), usd(17501));
    EXPECT_EQ(d.get(ItemDed::ExemptionDedNet), usd(3500));
}

TEST(ItemDedCalcs, TotalsAboveThePhaseOut) {
    iTop r;
    open(r, 2008, 1, 2);
    r.set(iTop::AGI, usd(200000));
    ItemDed& d = r.item();
    d.letProperty("MedPmts", "20000");
    d.letProperty("SITPd", "10000");
    d.letProperty("HomeMortIntReg", "12000");
    d.letProperty("CharDed", "3000");
    d.letProperty("MiscDedPmts", "5000");
    // medical 20,000 - 15,000 = 5,000; misc 5,000 - 4,000 = 1,000
    // gross 5,000 + 10,000 + 12,000 + 3,000 + 0 + 1,000 = 31,000
    // cap 80% of (31,000 - 5,000) = 20,800; 3% of 40,050 = 1,201.50 -> 1,202;
    // 1,202 - 400.67 = 801.33 -> 801; net 31,000 - 801 = 30,199
    EXPECT_EQ(ItemDedCalcs::ItemDedCalc(r), usd(30199));
    EXPECT_EQ(d.get(ItemDed::MedDed), usd(5000));
    EXPECT_EQ(d.get(ItemDed::MiscDed), usd(1000));
    EXPECT_EQ(d.get(ItemDed::TotGross), usd(31000));
    EXPECT_EQ(d.get(ItemDed::TotReduction), usd(801));
    EXPECT_EQ(d.get(ItemDed::TotNet), usd(30199));
    // exemptions 7,000; excess 40,050 / 2,500 = 16.02 -> 17 steps = 34% = 2,380; / 3 = 793.33 -> 793
    EXPECT_EQ(d.get(ItemDed::ExemptionDedGross), usd(7000));
    EXPECT_EQ(d.get(ItemDed::ExemptionDedPhaseOut), usd(793));
    EXPECT_EQ(d.get(ItemDed::ExemptionDedNet), usd(6207));
}

}  // namespace
