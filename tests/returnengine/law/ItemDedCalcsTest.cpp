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
    bool sp1Blind, sp1Over65, sp2Blind, sp2Over65;
    int countedBoxes;
    long expected;
    const char* note;  // suffix of the test name, may be empty
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
    {2008, 1, false, false, false, false, 0, 5450, ""},
    {2008, 1, false, true, false, false, 1, 6800, ""},                 // 5,450 + 1,350
    {2008, 1, true, true, false, false, 2, 8150, ""},                  // 5,450 + 2 x 1,350
    {2008, 1, false, false, true, true, 0, 5450, "Sp2BoxesIgnored"},   // spouse 2 counts only for Joint
    {2008, 2, true, false, false, true, 2, 13000, ""},                 // 10,900 + 2 x 1,050
    {2008, 2, true, true, true, true, 4, 15100, ""},                   // 10,900 + 4 x 1,050
    {2008, 3, false, true, true, false, 1, 6500, "Sp2BoxIgnored"},     // 5,450 + 1,050
    {2008, 4, true, true, false, false, 2, 10700, ""},                 // 8,000 + 2 x 1,350
    {2008, 5, true, false, true, true, 1, 11950, "Sp2BoxesIgnored"},   // 10,900 + 1,050
    {2001, 2, false, false, false, false, 0, 7600, ""},
    {2001, 1, true, true, false, false, 2, 6750, ""},                  // 4,550 + 2 x 1,100
    {2001, 3, true, false, false, false, 1, 4700, ""},                 // 3,800 + 900
    {2002, 4, false, true, false, false, 1, 8050, ""},                 // 6,900 + 1,150
    {2002, 2, true, true, false, true, 3, 10550, ""},                  // 7,850 + 3 x 900
    {2003, 4, true, false, false, false, 1, 8150, ""},                 // 7,000 + 1,150
    {2003, 2, false, false, true, false, 1, 10450, ""},                // 9,500 + 950
    // 2004 gives the smaller per-box amount 950 to Single and Head, 1,200 to the others
    {2004, 1, false, true, false, false, 1, 5800, ""},                 // 4,850 + 950
    {2004, 4, true, true, false, false, 2, 9050, ""},                  // 7,150 + 2 x 950
    {2004, 2, true, false, false, true, 2, 12100, ""},                 // 9,700 + 2 x 1,200
    {2004, 3, false, true, false, false, 1, 6050, ""},                 // 4,850 + 1,200
    {2004, 5, false, true, false, false, 1, 10900, ""},                // 9,700 + 1,200
    {2005, 1, true, true, false, false, 2, 7500, ""},                  // 5,000 + 2 x 1,250
    {2005, 2, true, true, false, false, 2, 12000, ""},                 // 10,000 + 2 x 1,000
    {2006, 1, true, false, false, false, 1, 6400, ""},                 // 5,150 + 1,250
    {2006, 2, false, false, false, true, 1, 11300, ""},                // 10,300 + 1,000
    {2007, 1, false, true, false, false, 1, 6700, ""},                 // 5,350 + 1,350
    {2007, 2, true, false, true, false, 2, 12800, ""},                 // 10,700 + 2 x 1,050
    // later years use 2008's figures, earlier ones get nothing
    {2009, 1, false, true, false, false, 1, 6800, ""},
    {2010, 2, false, false, false, false, 0, 10900, ""},
    {2000, 1, false, true, false, false, 1, 0, ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ItemDedCalcs, StandardDeduction, ::testing::ValuesIn(kStdDedCases), [](const auto& tp) {
    const StdDedCase& c = tp.param;
    std::string name = std::to_string(c.year) + "_" + statusName(c.status) + "_" + std::to_string(c.countedBoxes) +
                       "boxes";
    if (*c.note) name += std::string("_") + c.note;
    return name;
});

// A year's own entry point uses that year's figures whatever the return's year.
TEST(ItemDedCalcs, YearEntryPointsUseTheirOwnFigures) {
    iTop r;
    open(r, 2008, 1, 2);
    r.letIsSp1Over65(true);
    EXPECT_EQ(osgrin::Calcs2008::StdDed2008(r), usd(6800));  // 5,450 + 1,350
    EXPECT_EQ(osgrin::Calcs2004::StdDed2004(r), usd(5800));  // 4,850 + 950
    EXPECT_EQ(osgrin::Calcs2001::StdDed2001(r), usd(5650));  // 4,550 + 1,100
    EXPECT_EQ(osgrin::Calcs2003::CalcExemptionDedGross2003(r), usd(6100));  // 2 x 3,050
    EXPECT_EQ(osgrin::Calcs2008::CalcExemptionDedGross2008(r), usd(7000));  // 2 x 3,500
}

// ---------------------------------------------------------------------------
// Exemptions and their phase-out, through ItemDedCalc with AGI set.
struct ExemptionCase {
    const char* name;
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
    {"2006_Joint_AtThreshold", 2006, 2, 4, 225750, 13200, 0, 13200},
    // excess 1: one step, 2% of 13,200 = 264
    {"2006_Joint_OneDollarOver", 2006, 2, 4, 225751, 13200, 264, 12936},
    {"2006_Single_AtThreshold", 2006, 1, 1, 150500, 3300, 0, 3300},
    {"2006_Single_OneDollarOver", 2006, 1, 1, 150501, 3300, 66, 3234},
    {"2006_Head_OneDollarOver", 2006, 4, 1, 188151, 3300, 66, 3234},
    {"2006_MarSep_OneDollarOver", 2006, 3, 1, 112876, 3300, 66, 3234},
    // Married Sep. steps of 1,250: excess 1,251 = 1.0008 -> 2 steps, 4% = 132
    {"2006_MarSep_TwoSteps", 2006, 3, 1, 114126, 3300, 132, 3168},
    // excess 122,501 = 49.0004 -> 50 steps, 100%: all of it
    {"2006_Single_FullyPhasedOut", 2006, 1, 1, 273001, 3300, 3300, 0},
    // 2007: 3,400 each, reduction / 1.5
    {"2007_Joint_AtThreshold", 2007, 2, 4, 234600, 13600, 0, 13600},
    // 2% of 13,600 = 272; / 1.5 = 181.33 -> 181
    {"2007_Joint_OneDollarOver", 2007, 2, 4, 234601, 13600, 181, 13419},
    // 2% of 3,400 = 68; / 1.5 = 45.33 -> 45
    {"2007_Single_OneDollarOver", 2007, 1, 1, 156401, 3400, 45, 3355},
    // 50 steps: 3,400 / 1.5 = 2,266.67 -> 2,267
    {"2007_Single_FullyPhasedOut", 2007, 1, 1, 281400, 3400, 2267, 1133},
    // 2008: 3,500 each, reduction / 3
    {"2008_Joint_AtThreshold", 2008, 2, 4, 239950, 14000, 0, 14000},
    // 2% of 14,000 = 280; / 3 = 93.33 -> 93
    {"2008_Joint_OneDollarOver", 2008, 2, 4, 239951, 14000, 93, 13907},
    {"2008_Single_AtThreshold", 2008, 1, 1, 159950, 3500, 0, 3500},
    // excess 1,000 = 0.4 -> 1 step: 70 / 3 = 23.33 -> 23
    {"2008_Single_1000Over", 2008, 1, 1, 160950, 3500, 23, 3477},
    // excess 2,500 = exactly 1 step: 23
    {"2008_Single_Excess2500", 2008, 1, 1, 162450, 3500, 23, 3477},
    // excess 2,501 = 1.0004 -> 2 steps: 140 / 3 = 46.67 -> 47
    {"2008_Single_Excess2501", 2008, 1, 1, 162451, 3500, 47, 3453},
    {"2008_Head_OneDollarOver", 2008, 4, 1, 199951, 3500, 23, 3477},
    // Widow uses Joint's threshold: 2% of 7,000 = 140 / 3 -> 47
    {"2008_Widow_OneDollarOver", 2008, 5, 2, 239951, 7000, 47, 6953},
    {"2008_Widow_AtThreshold", 2008, 5, 2, 239950, 7000, 0, 7000},
    // Married Sep. 119,975 + 1,251: 2 steps, 4% of 7,000 = 280 / 3 -> 93
    {"2008_MarSep_TwoSteps", 2008, 3, 2, 121226, 7000, 93, 6907},
    {"2008_MarSep_AtThreshold", 2008, 3, 2, 119975, 7000, 0, 7000},
    // excess 200,000 = 80 steps = 160%, capped at 3,500; / 3 = 1,166.67 -> 1,167
    {"2008_Single_FullyPhasedOut", 2008, 1, 1, 359950, 3500, 1167, 2333},
    // 2001: 2,900 each, whole
    {"2001_Single_OneDollarOver", 2001, 1, 1, 132951, 2900, 58, 2842},
    // 2010 uses 2008's numbers
    {"2010_Single_OneDollarOver", 2010, 1, 1, 159951, 3500, 23, 3477},
    {"2010_Joint_Gross", 2010, 2, 3, 100000, 10500, 0, 10500},
    // 2000: nothing
    {"2000_Single_Nothing", 2000, 1, 3, 500000, 0, 0, 0},
    // no exemptions claimed
    {"2008_Single_ZeroDependents", 2008, 1, 0, 500000, 0, 0, 0},
    // a negative count counts as no exemption
    {"2008_Single_NegativeDependents", 2008, 1, -2, 50000, 0, 0, 0},
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
    const char* name;
    Currency excess, stepSize;
    long steps;
};

class ExemptionPhaseOutSteps : public ::testing::TestWithParam<StepsCase> {};

TEST_P(ExemptionPhaseOutSteps, Steps) {
    const StepsCase& c = GetParam();
    EXPECT_EQ(rules::exemptionPhaseOutSteps(c.excess, c.stepSize), usd(c.steps));
}

const StepsCase kStepsCases[] = {
    // 2,501 / 2,500 = 1.0004 -> 2
    {"Excess2501", usd(2501), usd(2500), 2},
    // 2,500.01 / 2,500 = 1.000004 -> 1.0000 at four decimals, already whole -> 1
    {"Excess2500_01", cents(250001), usd(2500), 1},
    {"Excess2500", usd(2500), usd(2500), 1},
    // 1 / 2,500 = 0.0004 -> 1
    {"Excess1", usd(1), usd(2500), 1},
    // 5,000.12 / 2,500 = 2.000048 -> 2.0000 -> 2
    {"Excess5000_12", cents(500012), usd(2500), 2},
    // 5,000.13 / 2,500 = 2.000052 -> 2.0001 -> 3
    {"Excess5000_13", cents(500013), usd(2500), 3},
    // 0.12 / 2,500 = 0.000048 -> 0.0000, already whole -> 0
    {"Excess0_12", cents(12), usd(2500), 0},
    // Married Sep. steps: 1,251 / 1,250 = 1.0008 -> 2; 3,750 / 1,250 = 3
    {"MarSepExcess1251", usd(1251), usd(1250), 2},
    {"MarSepExcess3750", usd(3750), usd(1250), 3},
    {"Excess125000", usd(125000), usd(2500), 50},
};

INSTANTIATE_TEST_SUITE_P(ItemDedCalcs, ExemptionPhaseOutSteps, ::testing::ValuesIn(kStepsCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// ---------------------------------------------------------------------------
// The itemized-deduction phase-out: 3% of the excess (rounded), at most 80% of
// gross less medical, two thirds of it in 2007 and 2008.
struct ItemPhaseOutCase {
    const char* name;
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
    {"2006_Single_AtThreshold", 2006, 1, 150500, 40000, 0, 0},
    // excess 1 x 3% = 0.03 -> 0
    {"2006_Single_OneDollarOver", 2006, 1, 150501, 40000, 0, 0},
    {"2006_Single_1000Over", 2006, 1, 151500, 40000, 0, 30},
    // excess 50 x 3% = 1.50 -> 2; excess 150 x 3% = 4.50 -> 4 (ties to even)
    {"2006_Single_TieUp", 2006, 1, 150550, 40000, 0, 2},
    {"2006_Single_TieDown", 2006, 1, 150650, 40000, 0, 4},
    {"2006_MarSep_1000Over", 2006, 3, 76250, 40000, 0, 30},
    {"2006_Joint_1000Over", 2006, 2, 151500, 40000, 0, 30},
    // 80% of (10,000 - 2,000) = 6,400 < 3% of 1,000,000
    {"2006_Joint_Cap80", 2006, 2, 1150500, 10000, 2000, 6400},
    {"2007_Single_AtThreshold", 2007, 1, 156400, 40000, 0, 0},
    // 30 - 30/3 = 20
    {"2007_Single_1000Over", 2007, 1, 157400, 40000, 0, 20},
    {"2007_MarSep_1000Over", 2007, 3, 79200, 40000, 0, 20},
    // 6,400 - 2,133.33 = 4,266.67 -> 4,267
    {"2007_Joint_Cap80", 2007, 2, 1156400, 10000, 2000, 4267},
    {"2008_Single_AtThreshold", 2008, 1, 159950, 40000, 0, 0},
    {"2008_Single_1000Over", 2008, 1, 160950, 40000, 0, 20},
    {"2008_Joint_1000Over", 2008, 2, 160950, 40000, 0, 20},
    {"2008_Widow_1000Over", 2008, 5, 160950, 40000, 0, 20},
    {"2008_MarSep_AtThreshold", 2008, 3, 79975, 40000, 0, 0},
    {"2008_MarSep_1000Over", 2008, 3, 80975, 40000, 0, 20},
    // excess 17 x 3% = 0.51 -> 1; 1 - 1/3 = 0.6667 -> 1
    {"2008_Single_Excess17", 2008, 1, 159967, 40000, 0, 1},
    {"2008_Joint_Cap80", 2008, 2, 1159950, 10000, 2000, 4267},
    // 80% of 10,001 = 8,000.80 -> 8,001; 8,001 - 2,667 = 5,334
    {"2008_Joint_Cap80Rounded", 2008, 2, 1159950, 10001, 0, 5334},
    {"2009_Single_1000Over", 2009, 1, 160950, 40000, 0, 20},
    {"2001_Single_1000Over", 2001, 1, 133950, 40000, 0, 30},
    {"2001_MarSep_1000Over", 2001, 3, 67475, 40000, 0, 30},
    {"2000_Single_NoPhaseOut", 2000, 1, 1000000, 40000, 0, 0},
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
    const char* name;
    int year;
    long agi;
    const char* medPmts;
    const char* seMedIns;
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

const MedicalCase kMedicalCases[] = {
    // floor 40,000 x 7.5% = 3,000
    {"EqualToFloor", 2008, 40000, "3000", "0", 0},
    {"OneDollarOver", 2008, 40000, "3001", "0", 1},
    {"BelowFloor", 2008, 40000, "2000", "0", 0},
    // floor 3,000.75: 4,001 - 3,000.75 = 1,000.25 -> 1,000
    {"CentsRoundDown", 2008, 40010, "4001", "0", 1000},
    // floor 3,002.25: 4,003 - 3,002.25 = 1,000.75 -> 1,001
    {"CentsRoundUp", 2008, 40030, "4003", "0", 1001},
    // floor 3,001.50: 1,000.50 -> 1,000 and 1,001.50 -> 1,002 (ties to even)
    {"TieDown", 2008, 40020, "4002", "0", 1000},
    {"TieUp", 2008, 40020, "4003", "0", 1002},
    // health insurance 1,500 comes off first: 5,000 - 1,500 - 3,000 = 500
    {"HealthInsuranceRemoved", 2008, 40000, "5000", "1500", 500},
    // insurance above the payments: negative medical amount -> 0
    {"HealthInsuranceAbovePayments", 2008, 40000, "2000", "5000", 0},
    // 2002: only 70% of 1,000 = 700 is removed: 4,000 - 700 - 3,000 = 300
    {"2002_Insurance70pct", 2002, 40000, "4000", "1000", 300},
};

INSTANTIATE_TEST_SUITE_P(ItemDedCalcs, MedicalDeduction, ::testing::ValuesIn(kMedicalCases),
                         [](const auto& tp) { return std::string(tp.param.name); });

// ---------------------------------------------------------------------------
// Miscellaneous deductions above 2% of AGI.
struct MiscCase {
    const char* name;
    long agi;
    const char* payments;
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

const MiscCase kMiscCases[] = {
    // floor 40,000 x 2% = 800
    {"BelowFloor", 40000, "799", 0},
    {"AtFloor", 40000, "800", 0},
    {"AboveFloor", 40000, "900", 100},
    // floor 800.50: 200.50 -> 200 and 201.50 -> 202 (ties to even)
    {"TieDown", 40025, "1001", 200},
    {"TieUp", 40025, "1002", 202},
};

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
    d.letProperty("OtherTaxes", "2500.50");     // read as 2,501
    d.letProperty("HomeMortIntReg", "7000");
    d.letProperty("HomeMortIntAmt", "2000");
    d.letProperty("InvIntExp", "9999");         // the expense itself is not a deduction
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
