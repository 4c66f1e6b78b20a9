// The "2008 Tables" law edition: the program's original tables, 2001 to 2008,
// with every later year computed under the 2008 law. They predate the AMT
// patches of 2006-2008 and keep their own readings (the 2004 box amounts, the
// 2007 and 2008 shares, the 5% AMT rate on low-bracket gains in 2008).
#include "returnengine/law/LawEditions.h"

namespace osgrin::law {
namespace {

using tavrel::usd;

// What every year of the edition shares.
constexpr YearLaw tablesYear(int year, std::string_view rateFile) {
    YearLaw l{};
    l.year = year;
    l.rateFile = rateFile;
    l.taxableIncomeFloorAtZero = false;
    l.dependentStdDed = {.applies = false, .minimum = {}, .earnedIncomeAddOn = {}};
    l.deductionChoice = DeductionChoice::Larger;
    l.exemptionReductionShare = kWhole;
    l.medicalFloor = 0.075;
    l.miscellaneousFloor = 0.02;
    l.itemReductionShare = kWhole;
    l.limitationBase = LimitationBase::AllButMedical;
    l.seHealthInsuranceShare = 1.0;
    l.ira.catchUp = Currency();
    l.ira.inBand = IraInBand::TwentyPercent;
    l.ira.capsContribution = false;
    l.cgHighRate = 0.15;
    l.cgWorksheet = CapGainWorksheet::TwoRate;
    l.dividendsAtGainRates = true;
    l.amtPhaseOutStart = statusAmounts(112500, 150000, 75000, 112500, -200000);
    l.amtRateFile = "indAmt2001.tbl";
    l.amtMedicalFloor = 0.10;
    l.amtForm = AmtForm::Tables;
    l.amtGainLowRate = 0.05;
    l.amtGainHighRate = 0.15;
    l.amtMarriedSeparatelyAddition = false;
    l.childCreditPhaseOutStart = {usd(75000), usd(75000), usd(110000), usd(55000), usd(75000), usd(75000)};
    return l;
}

// The IRA bands: one width for every case; married filing separately shares
// the single band, and a joint spouse not covered has the band ending at 160,000.
constexpr void iraBands(YearLaw& l, std::int64_t jointCovered, std::int64_t others, std::int64_t width,
                        std::int64_t maximum) {
    l.ira.singleOrHead = {usd(others), usd(width)};
    l.ira.marriedSeparately = {usd(others), usd(width)};
    l.ira.jointCovered = {usd(jointCovered), usd(width)};
    l.ira.jointSpouseCovered = {usd(160000), usd(width)};
    l.ira.maximum = usd(maximum);
}

constexpr void amtExemption(YearLaw& l, std::int64_t single, std::int64_t joint, std::int64_t marSep) {
    l.amtExemption = statusAmounts(single, joint, marSep, single, -200000);
}

constexpr YearLaw k2001 = [] {
    YearLaw l = tablesYear(2001, "Ind2001.tbl");
    l.stdDedBase = statusAmounts(4550, 7600, 3800, 6650);
    l.perBoxSingleOrHead = usd(1100);
    l.perBoxOthers = usd(900);
    l.exemptionAmount = usd(2900);
    l.exemptionPhaseOutStart = statusAmounts(132950, 199450, 99725, 166200);
    l.itemLimitationStart = limitationStart(132950, 66475);
    l.seHealthInsuranceShare = 0.60;
    iraBands(l, 63000, 43000, 10000, 2000);
    l.cgBracketTop = statusAmounts(27050, 45200, 22600, 36250);
    l.cgLowRate = 0.10;
    l.cgHighRate = 0.20;
    l.cgWorksheet = CapGainWorksheet::MultiRate2001;
    amtExemption(l, 35750, 49000, 24500);
    l.wageBase = usd(80400);
    l.childCreditPerChild = usd(600);
    return l;
}();

constexpr YearLaw k2002 = [] {
    YearLaw l = tablesYear(2002, "Ind2002.tbl");
    l.stdDedBase = statusAmounts(4700, 7850, 3925, 6900);
    l.perBoxSingleOrHead = usd(1150);
    l.perBoxOthers = usd(900);
    l.exemptionAmount = usd(3000);
    l.exemptionPhaseOutStart = statusAmounts(137300, 206000, 103000, 171650);
    l.itemLimitationStart = limitationStart(137300, 68650);
    l.seHealthInsuranceShare = 0.70;
    iraBands(l, 64000, 44000, 10000, 3000);
    l.cgBracketTop = statusAmounts(27950, 46700, 23350, 37450);
    l.cgLowRate = 0.10;
    l.cgHighRate = 0.20;
    l.cgWorksheet = CapGainWorksheet::MultiRate2002;
    amtExemption(l, 35750, 49000, 24500);
    l.wageBase = usd(84900);
    l.childCreditPerChild = usd(600);
    return l;
}();

constexpr YearLaw k2003 = [] {
    YearLaw l = tablesYear(2003, "Ind2003.tbl");
    l.stdDedBase = statusAmounts(4750, 9500, 4750, 7000);
    l.perBoxSingleOrHead = usd(1150);
    l.perBoxOthers = usd(950);
    l.exemptionAmount = usd(3050);
    l.exemptionPhaseOutStart = statusAmounts(139500, 209250, 104625, 174400);
    l.itemLimitationStart = limitationStart(139500, 69750);
    iraBands(l, 70000, 50000, 10000, 3000);
    l.cgBracketTop = statusAmounts(28400, 56800, 28400, 38050);
    l.cgLowRate = 0.05;
    amtExemption(l, 40250, 58000, 29000);
    l.wageBase = usd(87000);
    l.childCreditPerChild = usd(1000);
    return l;
}();

constexpr YearLaw k2004 = [] {
    YearLaw l = tablesYear(2004, "Ind2004.tbl");
    l.stdDedBase = statusAmounts(4850, 9700, 4850, 7150);
    // These tables give the smaller box amount to statuses 1 and 4 in 2004.
    l.perBoxSingleOrHead = usd(950);
    l.perBoxOthers = usd(1200);
    l.exemptionAmount = usd(3100);
    l.exemptionPhaseOutStart = statusAmounts(142700, 214050, 107025, 178350);
    l.itemLimitationStart = limitationStart(142700, 71350);
    iraBands(l, 75000, 55000, 10000, 3000);
    l.cgBracketTop = statusAmounts(29050, 58100, 29050, 38900);
    l.cgLowRate = 0.05;
    amtExemption(l, 40250, 58000, 29000);
    l.wageBase = usd(87900);
    l.childCreditPerChild = usd(1000);
    return l;
}();

constexpr YearLaw k2005 = [] {
    YearLaw l = tablesYear(2005, "Ind2005.tbl");
    l.stdDedBase = statusAmounts(5000, 10000, 5000, 7300);
    l.perBoxSingleOrHead = usd(1250);
    l.perBoxOthers = usd(1000);
    l.exemptionAmount = usd(3200);
    l.exemptionPhaseOutStart = statusAmounts(145950, 218950, 109475, 182450);
    l.itemLimitationStart = limitationStart(145950, 72975);
    iraBands(l, 80000, 60000, 10000, 4000);
    l.cgBracketTop = statusAmounts(29700, 59400, 29700, 39800);
    l.cgLowRate = 0.05;
    amtExemption(l, 40250, 58000, 29000);
    l.wageBase = usd(90000);
    l.childCreditPerChild = usd(1000);
    return l;
}();

constexpr YearLaw k2006 = [] {
    YearLaw l = tablesYear(2006, "Ind2006.tbl");
    l.stdDedBase = statusAmounts(5150, 10300, 5150, 7550);
    l.perBoxSingleOrHead = usd(1250);
    l.perBoxOthers = usd(1000);
    l.exemptionAmount = usd(3300);
    l.exemptionPhaseOutStart = statusAmounts(150500, 225750, 112875, 188150);
    l.itemLimitationStart = limitationStart(150500, 75250);
    iraBands(l, 85000, 60000, 10000, 4000);
    l.cgBracketTop = statusAmounts(30650, 61300, 30650, 41050);
    l.cgLowRate = 0.05;
    amtExemption(l, 40250, 58000, 29000);
    l.wageBase = usd(94200);
    l.childCreditPerChild = usd(1000);
    return l;
}();

constexpr YearLaw k2007 = [] {
    YearLaw l = tablesYear(2007, "Ind2007.tbl");
    l.stdDedBase = statusAmounts(5350, 10700, 5350, 7850);
    l.perBoxSingleOrHead = usd(1350);
    l.perBoxOthers = usd(1050);
    l.exemptionAmount = usd(3400);
    l.exemptionPhaseOutStart = statusAmounts(156400, 234600, 117300, 195500);
    l.exemptionReductionShare = kTwoThirds;
    l.itemLimitationStart = limitationStart(156400, 78200);
    l.itemReductionShare = kTwoThirds;
    iraBands(l, 85000, 60000, 10000, 4000);
    l.cgBracketTop = statusAmounts(31850, 63700, 31850, 42650);
    l.cgLowRate = 0.05;
    amtExemption(l, 33750, 45000, 22500);
    l.wageBase = usd(97500);
    l.childCreditPerChild = usd(1000);
    return l;
}();

constexpr YearLaw k2008 = [] {
    YearLaw l = tablesYear(2008, "Ind2008.tbl");
    l.stdDedBase = statusAmounts(5450, 10900, 5450, 8000);
    l.perBoxSingleOrHead = usd(1350);
    l.perBoxOthers = usd(1050);
    l.exemptionAmount = usd(3500);
    l.exemptionPhaseOutStart = statusAmounts(159950, 239950, 119975, 199950);
    l.exemptionReductionShare = kOneThird;
    l.itemLimitationStart = limitationStart(159950, 79975);
    l.itemReductionShare = kTwoThirds;
    iraBands(l, 85000, 60000, 20000, 5000);
    l.cgBracketTop = statusAmounts(32550, 65100, 32550, 43650);
    l.cgLowRate = 0.0;
    amtExemption(l, 33750, 45000, 22500);
    l.wageBase = usd(102000);
    l.childCreditPerChild = usd(1000);
    return l;
}();

constexpr YearLaw kRows[] = {k2001, k2002, k2003, k2004, k2005, k2006, k2007, k2008};

constexpr Route kEachYear{2001, 2008, Earlier::Nothing};

// The 2002 module's child credit carries the 2001 name.
constexpr EntryName kEntryNames[] = {{Family::CalcChildCr, 2002, "Calcs2002.CalcChildCr2001"}};

}  // namespace

constexpr Edition kTables2008Edition{
    .id = LawEdition::Tables2008,
    .rows = kRows,
    .routes = {{
        kEachYear,                                   // StdDed
        kEachYear,                                   // CalcExemptionDedGross
        kEachYear,                                   // CalcExemptionDedPhaseOut
        kEachYear,                                   // ItemDedPhaseOut
        kEachYear,                                   // LimitIRADed4Spouse
        kEachYear,                                   // GetSchedDTax
        kEachYear,                                   // CalcSETax
        kEachYear,                                   // CalcChildCr
        {2001, 2008, Earlier::Nothing, 2002, 2001},  // CalcAMTExemption: 2002 uses 2001's
        {2003, 2005, Earlier::Nothing},              // CalcAMTCapGainTax: 2005's serves every later year
        {2003, 2008, Earlier::Nothing},              // CalcFica
        {2001, 2008, Earlier::FirstYear},            // GetIncTax: earlier years use the 2001 rate file
        kEachYear,                                   // CalcSEMedInsDed
        {2001, 2008, Earlier::FirstYear},            // YearRules
    }},
    .laterYearsUseLastLaw = true,
    .entryNames = kEntryNames,
};

}  // namespace osgrin::law
