#pragma once
// The "Enacted" edition's rows for 2001 to 2009. Figures: the law document
// kept beside the code (standard deductions, exemptions and phase-outs, the AMT
// exemptions, the capital-gain rates, wage bases, child credit, IRA ranges); a
// dependent filer's standard deduction from the statute's indexed amounts.

#include "returnengine/law/EnactedRows.h"

namespace osgrin::law::enacted {

inline constexpr YearLaw k2001 = [] {
    // The 2001 10% band (paid as the rate reduction credit) is inside the rate file.
    YearLaw l = enactedYear(2001, "Ind2001Enacted.tbl");
    l.stdDedBase = statusAmounts(4550, 7600, 3800, 6650);
    l.perBoxSingleOrHead = usd(1100);
    l.perBoxOthers = usd(900);
    dependentFiler(l, 750, 250);
    l.exemptionAmount = usd(2900);
    l.exemptionPhaseOutStart = statusAmounts(132950, 199450, 99725, 166200);
    l.itemLimitationStart = limitationStart(132950, 66475);
    l.seHealthInsuranceShare = 0.60;
    ira(l, band(43000), band(63000), band(160000), 2000, 0);
    l.cgBracketTop = statusAmounts(27050, 45200, 22600, 36250);
    gains(l, 0.10, 0.20);
    l.dividendsAtGainRates = false;
    amtExemption(l, 35750, 49000, 24500);
    l.wageBase = usd(80400);
    l.childCreditPerChild = usd(600);
    return l;
}();

inline constexpr YearLaw k2002 = [] {
    YearLaw l = enactedYear(2002, "Ind2002.tbl");
    l.stdDedBase = statusAmounts(4700, 7850, 3925, 6900);
    l.perBoxSingleOrHead = usd(1150);
    l.perBoxOthers = usd(900);
    dependentFiler(l, 750, 250);
    l.exemptionAmount = usd(3000);
    l.exemptionPhaseOutStart = statusAmounts(137300, 206000, 103000, 171650);
    l.itemLimitationStart = limitationStart(137300, 68650);
    l.seHealthInsuranceShare = 0.70;
    ira(l, band(44000), band(64000), band(160000), 3000, 500);
    l.cgBracketTop = statusAmounts(27950, 46700, 23350, 37450);
    gains(l, 0.10, 0.20);
    l.dividendsAtGainRates = false;
    amtExemption(l, 35750, 49000, 24500);
    l.wageBase = usd(84900);
    l.childCreditPerChild = usd(600);
    return l;
}();

inline constexpr YearLaw k2003 = [] {
    YearLaw l = enactedYear(2003, "Ind2003.tbl");
    l.stdDedBase = statusAmounts(4750, 9500, 4750, 7000);
    l.perBoxSingleOrHead = usd(1150);
    l.perBoxOthers = usd(950);
    dependentFiler(l, 750, 250);
    l.exemptionAmount = usd(3050);
    l.exemptionPhaseOutStart = statusAmounts(139500, 209250, 104625, 174400);
    l.itemLimitationStart = limitationStart(139500, 69750);
    ira(l, band(50000), band(70000), band(160000), 3000, 500);
    l.cgBracketTop = statusAmounts(28400, 56800, 28400, 38050);
    gains(l, 0.05, 0.15);  // the rates for sales after 5 May 2003, for the whole year
    amtExemption(l, 40250, 58000, 29000);
    l.wageBase = usd(87000);
    l.childCreditPerChild = usd(1000);
    return l;
}();

inline constexpr YearLaw k2004 = [] {
    YearLaw l = enactedYear(2004, "Ind2004.tbl");
    l.stdDedBase = statusAmounts(4850, 9700, 4850, 7150);
    l.perBoxSingleOrHead = usd(1200);
    l.perBoxOthers = usd(950);
    dependentFiler(l, 800, 250);
    l.exemptionAmount = usd(3100);
    l.exemptionPhaseOutStart = statusAmounts(142700, 214050, 107025, 178350);
    l.itemLimitationStart = limitationStart(142700, 71350);
    ira(l, band(55000), band(75000), band(160000), 3000, 500);
    l.cgBracketTop = statusAmounts(29050, 58100, 29050, 38900);
    gains(l, 0.05, 0.15);
    amtExemption(l, 40250, 58000, 29000);
    l.wageBase = usd(87900);
    l.childCreditPerChild = usd(1000);
    return l;
}();

inline constexpr YearLaw k2005 = [] {
    YearLaw l = enactedYear(2005, "Ind2005.tbl");
    l.stdDedBase = statusAmounts(5000, 10000, 5000, 7300);
    l.perBoxSingleOrHead = usd(1250);
    l.perBoxOthers = usd(1000);
    dependentFiler(l, 800, 250);
    l.exemptionAmount = usd(3200);
    l.exemptionPhaseOutStart = statusAmounts(145950, 218950, 109475, 182450);
    l.itemLimitationStart = limitationStart(145950, 72975);
    ira(l, band(60000), band(80000), band(160000), 4000, 500);
    l.cgBracketTop = statusAmounts(29700, 59400, 29700, 39800);
    gains(l, 0.05, 0.15);
    amtExemption(l, 40250, 58000, 29000);
    l.wageBase = usd(90000);
    l.childCreditPerChild = usd(1000);
    return l;
}();

inline constexpr YearLaw k2006 = [] {
    YearLaw l = enactedYear(2006, "Ind2006.tbl");
    l.stdDedBase = statusAmounts(5150, 10300, 5150, 7550);
    l.perBoxSingleOrHead = usd(1250);
    l.perBoxOthers = usd(1000);
    dependentFiler(l, 850, 300);
    l.exemptionAmount = usd(3300);
    l.exemptionPhaseOutStart = statusAmounts(150500, 225750, 112875, 188150);
    l.exemptionReductionShare = kTwoThirds;
    l.itemLimitationStart = limitationStart(150500, 75250);
    l.itemReductionShare = kTwoThirds;
    ira(l, band(60000), band(85000), band(160000), 4000, 1000);
    l.cgBracketTop = statusAmounts(30650, 61300, 30650, 41050);
    gains(l, 0.05, 0.15);
    amtExemption(l, 42500, 62550, 31275);
    l.wageBase = usd(94200);
    l.childCreditPerChild = usd(1000);
    return l;
}();

inline constexpr YearLaw k2007 = [] {
    YearLaw l = enactedYear(2007, "Ind2007.tbl");
    l.stdDedBase = statusAmounts(5350, 10700, 5350, 7850);
    l.perBoxSingleOrHead = usd(1300);
    l.perBoxOthers = usd(1050);
    dependentFiler(l, 850, 300);
    l.exemptionAmount = usd(3400);
    l.exemptionPhaseOutStart = statusAmounts(156400, 234600, 117300, 195500);
    l.exemptionReductionShare = kTwoThirds;
    l.itemLimitationStart = limitationStart(156400, 78200);
    l.itemReductionShare = kTwoThirds;
    ira(l, band(62000), band(103000, 20000), band(166000), 4000, 1000);
    l.cgBracketTop = statusAmounts(31850, 63700, 31850, 42650);
    gains(l, 0.05, 0.15);
    amtExemption(l, 44350, 66250, 33125);
    l.wageBase = usd(97500);
    l.childCreditPerChild = usd(1000);
    return l;
}();

inline constexpr YearLaw k2008 = [] {
    YearLaw l = enactedYear(2008, "Ind2008.tbl");
    l.stdDedBase = statusAmounts(5450, 10900, 5450, 8000);
    l.perBoxSingleOrHead = usd(1350);
    l.perBoxOthers = usd(1050);
    dependentFiler(l, 900, 300);
    l.exemptionAmount = usd(3500);
    l.exemptionPhaseOutStart = statusAmounts(159950, 239950, 119975, 199950);
    l.exemptionReductionShare = kOneThird;
    l.itemLimitationStart = limitationStart(159950, 79975);
    l.itemReductionShare = kOneThird;
    ira(l, band(63000), band(105000, 20000), band(169000), 5000, 1000);
    l.cgBracketTop = statusAmounts(32550, 65100, 32550, 43650);
    gains(l, 0.0, 0.15);
    amtExemption(l, 46200, 69950, 34975);
    l.wageBase = usd(102000);
    l.childCreditPerChild = usd(1000);
    return l;
}();

inline constexpr YearLaw k2009 = [] {
    YearLaw l = enactedYear(2009, "Ind2009.tbl");
    l.stdDedBase = statusAmounts(5700, 11400, 5700, 8350);
    l.perBoxSingleOrHead = usd(1400);
    l.perBoxOthers = usd(1100);
    dependentFiler(l, 950, 300);
    l.exemptionAmount = usd(3650);
    l.exemptionPhaseOutStart = statusAmounts(166800, 250200, 125100, 208500);
    l.exemptionReductionShare = kOneThird;
    l.itemLimitationStart = limitationStart(166800, 83400);
    l.itemReductionShare = kOneThird;
    ira(l, band(65000), band(109000, 20000), band(176000), 5000, 1000);
    l.cgBracketTop = statusAmounts(33950, 67900, 33950, 45500);
    gains(l, 0.0, 0.15);
    amtExemption(l, 46700, 70950, 35475);
    l.wageBase = usd(106800);
    l.childCreditPerChild = usd(1000);
    return l;
}();

}  // namespace osgrin::law::enacted
