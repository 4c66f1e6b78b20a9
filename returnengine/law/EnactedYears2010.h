#pragma once
// The "Enacted" edition's rows for 2010 to 2026, each year under the law as
// finally enacted for it (the AMT patches of December 2010 and January 2013,
// the 2025 act). Figures: the law document for 2010-2026 kept beside the code
// (its section 2 tables); the wage bases from the same document; a dependent
// filer's standard deduction and the IRA ranges from the year's revenue
// procedure. Figures resting on one source are read in SingleSourceReadings.h.

#include "returnengine/law/EnactedRows.h"

namespace osgrin::law::enacted {

inline constexpr YearLaw k2010 = [] {
    YearLaw l = enactedYear(2010, "Ind2010.tbl");
    l.stdDedBase = statusAmounts(5700, 11400, 5700, 8400);
    l.perBoxSingleOrHead = usd(1400);
    l.perBoxOthers = usd(1100);
    dependentFiler(l, 950, 300);
    l.exemptionAmount = usd(3650);
    repealedPhaseOuts(l);
    ira(l, band(66000), band(109000, 20000), band(177000), 5000, 1000);
    l.cgBracketTop = statusAmounts(34000, 68000, 34000, 45550);
    gains(l, 0.0, 0.15);
    amtExemption(l, 47450, 72450, 36225);
    l.amtPhaseOutStart = statusAmounts(112500, 150000, 75000, 112500);
    l.wageBase = usd(106800);
    l.childCreditPerChild = usd(1000);
    return l;
}();

inline constexpr YearLaw k2011 = [] {
    YearLaw l = enactedYear(2011, "Ind2011.tbl");
    l.stdDedBase = statusAmounts(5800, 11600, 5800, 8500);
    l.perBoxSingleOrHead = usd(1450);
    l.perBoxOthers = usd(1150);
    dependentFiler(l, 950, 300);
    l.exemptionAmount = usd(3700);
    repealedPhaseOuts(l);
    ira(l, band(66000), band(110000, 20000), band(179000), 5000, 1000);
    l.cgBracketTop = statusAmounts(34500, 69000, 34500, 46250);
    gains(l, 0.0, 0.15);
    amtExemption(l, 48450, 74450, 37225);
    l.amtPhaseOutStart = statusAmounts(112500, 150000, 75000, 112500);
    l.wageBase = usd(106800);
    payrollTaxHoliday(l);
    l.childCreditPerChild = usd(1000);
    return l;
}();

inline constexpr YearLaw k2012 = [] {
    YearLaw l = enactedYear(2012, "Ind2012.tbl");
    l.stdDedBase = statusAmounts(5950, 11900, 5950, 8700);
    l.perBoxSingleOrHead = usd(1450);
    l.perBoxOthers = usd(1150);
    dependentFiler(l, 950, 300);
    l.exemptionAmount = usd(3800);
    repealedPhaseOuts(l);
    ira(l, band(68000), band(112000, 20000), band(183000), 5000, 1000);
    l.cgBracketTop = statusAmounts(35350, 70700, 35350, 47350);
    gains(l, 0.0, 0.15);
    amtExemption(l, 50600, 78750, 39375);
    l.amtPhaseOutStart = statusAmounts(112500, 150000, 75000, 112500);
    l.wageBase = usd(110100);
    payrollTaxHoliday(l);
    l.childCreditPerChild = usd(1000);
    return l;
}();

inline constexpr YearLaw k2013 = [] {
    YearLaw l = enactedYear(2013, "Ind2013.tbl");
    l.stdDedBase = statusAmounts(6100, 12200, 6100, 8950);
    l.perBoxSingleOrHead = usd(1500);
    l.perBoxOthers = usd(1200);
    dependentFiler(l, 1000, 350);
    l.exemptionAmount = usd(3900);
    l.exemptionPhaseOutStart = statusAmounts(250000, 300000, 150000, 275000);
    l.itemLimitationStart = statusAmounts(250000, 300000, 150000, 275000);
    l.medicalFloor = 0.10;  // 7.5% where a spouse is 65 or older
    l.medicalFloorOver65 = 0.075;
    ira(l, band(69000), band(115000, 20000), band(188000), 5500, 1000);
    l.cgBracketTop = statusAmounts(36250, 72500, 36250, 48600);
    threeGainRates(l, statusAmounts(400000, 450000, 225000, 425000));
    amtExemption(l, 51900, 80800, 40400);
    l.amtPhaseOutStart = statusAmounts(115400, 153900, 76950, 115400);
    l.amtRateFile = "indAmt2013.tbl";
    l.wageBase = usd(113700);
    l.childCreditPerChild = usd(1000);
    surtaxes(l, statusAmounts(200000, 250000, 125000, 200000), statusAmounts(200000, 250000, 125000, 200000));
    return l;
}();

inline constexpr YearLaw k2014 = [] {
    YearLaw l = enactedYear(2014, "Ind2014.tbl");
    l.stdDedBase = statusAmounts(6200, 12400, 6200, 9100);
    l.perBoxSingleOrHead = usd(1550);
    l.perBoxOthers = usd(1200);
    dependentFiler(l, 1000, 350);
    l.exemptionAmount = usd(3950);
    l.exemptionPhaseOutStart = statusAmounts(254200, 305050, 152525, 279650);
    l.itemLimitationStart = statusAmounts(254200, 305050, 152525, 279650);
    l.medicalFloor = 0.10;  // 7.5% where a spouse is 65 or older
    l.medicalFloorOver65 = 0.075;
    ira(l, band(70000), band(116000, 20000), band(191000), 5500, 1000);
    l.cgBracketTop = statusAmounts(36900, 73800, 36900, 49400);
    threeGainRates(l, statusAmounts(406750, 457600, 228800, 432200));
    amtExemption(l, 52800, 82100, 41050);
    l.amtPhaseOutStart = statusAmounts(117300, 156500, 78250, 117300);
    l.amtRateFile = "indAmt2014.tbl";
    l.wageBase = usd(117000);
    l.childCreditPerChild = usd(1000);
    surtaxes(l, statusAmounts(200000, 250000, 125000, 200000), statusAmounts(200000, 250000, 125000, 200000));
    return l;
}();

inline constexpr YearLaw k2015 = [] {
    YearLaw l = enactedYear(2015, "Ind2015.tbl");
    l.stdDedBase = statusAmounts(6300, 12600, 6300, 9250);
    l.perBoxSingleOrHead = usd(1550);
    l.perBoxOthers = usd(1250);
    dependentFiler(l, 1050, 350);
    l.exemptionAmount = usd(4000);
    l.exemptionPhaseOutStart = statusAmounts(258250, 309900, 154950, 284050);
    l.itemLimitationStart = statusAmounts(258250, 309900, 154950, 284050);
    l.medicalFloor = 0.10;  // 7.5% where a spouse is 65 or older
    l.medicalFloorOver65 = 0.075;
    ira(l, band(71000), band(118000, 20000), band(193000), 5500, 1000);
    l.cgBracketTop = statusAmounts(37450, 74900, 37450, 50200);
    threeGainRates(l, statusAmounts(413200, 464850, 232425, 439000));
    amtExemption(l, 53600, 83400, 41700);
    l.amtPhaseOutStart = statusAmounts(119200, 158900, 79450, 119200);
    l.amtRateFile = "indAmt2015.tbl";
    l.wageBase = usd(118500);
    l.childCreditPerChild = usd(1000);
    surtaxes(l, statusAmounts(200000, 250000, 125000, 200000), statusAmounts(200000, 250000, 125000, 200000));
    return l;
}();

inline constexpr YearLaw k2016 = [] {
    YearLaw l = enactedYear(2016, "Ind2016.tbl");
    l.stdDedBase = statusAmounts(6300, 12600, 6300, 9300);
    l.perBoxSingleOrHead = usd(1550);
    l.perBoxOthers = usd(1250);
    dependentFiler(l, 1050, 350);
    l.exemptionAmount = usd(4050);
    l.exemptionPhaseOutStart = statusAmounts(259400, 311300, 155650, 285350);
    l.itemLimitationStart = statusAmounts(259400, 311300, 155650, 285350);
    l.medicalFloor = 0.10;  // 7.5% where a spouse is 65 or older
    l.medicalFloorOver65 = 0.075;
    ira(l, band(71000), band(118000, 20000), band(194000), 5500, 1000);
    l.cgBracketTop = statusAmounts(37650, 75300, 37650, 50400);
    threeGainRates(l, statusAmounts(415050, 466950, 233475, 441000));
    amtExemption(l, 53900, 83800, 41900);
    l.amtPhaseOutStart = statusAmounts(119700, 159700, 79850, 119700);
    l.amtRateFile = "indAmt2016.tbl";
    l.wageBase = usd(118500);
    l.childCreditPerChild = usd(1000);
    surtaxes(l, statusAmounts(200000, 250000, 125000, 200000), statusAmounts(200000, 250000, 125000, 200000));
    return l;
}();

inline constexpr YearLaw k2017 = [] {
    YearLaw l = enactedYear(2017, "Ind2017.tbl");
    l.stdDedBase = statusAmounts(6350, 12700, 6350, 9350);
    l.perBoxSingleOrHead = usd(1550);
    l.perBoxOthers = usd(1250);
    dependentFiler(l, 1050, 350);
    l.exemptionAmount = usd(4050);
    l.exemptionPhaseOutStart = statusAmounts(261500, 313800, 156900, 287650);
    l.itemLimitationStart = statusAmounts(261500, 313800, 156900, 287650);
    l.amtMedicalFloor = 0.075;
    ira(l, band(72000), band(119000, 20000), band(196000), 5500, 1000);
    l.cgBracketTop = statusAmounts(37950, 75900, 37950, 50800);
    threeGainRates(l, statusAmounts(418400, 470700, 235350, 444550));
    amtExemption(l, 54300, 84500, 42250);
    l.amtPhaseOutStart = statusAmounts(120700, 160900, 80450, 120700);
    l.amtRateFile = "indAmt2017.tbl";
    l.wageBase = usd(127200);
    l.childCreditPerChild = usd(1000);
    surtaxes(l, statusAmounts(200000, 250000, 125000, 200000), statusAmounts(200000, 250000, 125000, 200000));
    return l;
}();

inline constexpr YearLaw k2018 = [] {
    YearLaw l = enactedYear(2018, "Ind2018.tbl");
    l.stdDedBase = statusAmounts(12000, 24000, 12000, 18000);
    l.perBoxSingleOrHead = usd(1600);
    l.perBoxOthers = usd(1300);
    dependentFiler(l, 1050, 350);
    l.exemptionAmount = usd(0);
    suspendedLimitation(l);
    l.amtMedicalFloor = 0.075;
    l.miscellaneousDeductible = false;
    ira(l, band(73000), band(121000, 20000), band(199000), 5500, 1000);
    l.cgBracketTop = statusAmounts(38600, 77200, 38600, 51700);
    threeGainRates(l, statusAmounts(425800, 479000, 239500, 452400));
    amtExemption(l, 70300, 109400, 54700);
    l.amtPhaseOutStart = statusAmounts(500000, 1000000, 500000, 500000);
    l.amtRateFile = "indAmt2018.tbl";
    l.wageBase = usd(128400);
    l.childCreditPerChild = usd(2000);
    childCreditPhaseOut(l, 200000, 400000);
    surtaxes(l, statusAmounts(200000, 250000, 125000, 200000), statusAmounts(200000, 250000, 125000, 200000));
    qbi(l, 157500, 315000, 157500, 157500, 50000);
    saltCap(l, 10000, 5000);
    return l;
}();

inline constexpr YearLaw k2019 = [] {
    YearLaw l = enactedYear(2019, "Ind2019.tbl");
    l.stdDedBase = statusAmounts(12200, 24400, 12200, 18350);
    l.perBoxSingleOrHead = usd(1650);
    l.perBoxOthers = usd(1300);
    dependentFiler(l, 1100, 350);
    l.exemptionAmount = usd(0);
    suspendedLimitation(l);
    l.amtMedicalFloor = 0.075;
    l.miscellaneousDeductible = false;
    ira(l, band(74000), band(123000, 20000), band(203000), 6000, 1000);
    l.cgBracketTop = statusAmounts(39375, 78750, 39375, 52750);
    threeGainRates(l, statusAmounts(434550, 488850, 244425, 461700));
    amtExemption(l, 71700, 111700, 55850);
    l.amtPhaseOutStart = statusAmounts(510300, 1020600, 510300, 510300);
    l.amtRateFile = "indAmt2019.tbl";
    l.wageBase = usd(132900);
    l.childCreditPerChild = usd(2000);
    childCreditPhaseOut(l, 200000, 400000);
    surtaxes(l, statusAmounts(200000, 250000, 125000, 200000), statusAmounts(200000, 250000, 125000, 200000));
    qbi(l, 160700, 321400, 160725, 160700, 50000);
    saltCap(l, 10000, 5000);
    return l;
}();

inline constexpr YearLaw k2020 = [] {
    YearLaw l = enactedYear(2020, "Ind2020.tbl");
    l.stdDedBase = statusAmounts(12400, 24800, 12400, 18650);
    l.perBoxSingleOrHead = usd(1650);
    l.perBoxOthers = usd(1300);
    dependentFiler(l, 1100, 350);
    l.exemptionAmount = usd(0);
    suspendedLimitation(l);
    l.amtMedicalFloor = 0.075;
    l.miscellaneousDeductible = false;
    ira(l, band(75000), band(124000, 20000), band(206000), 6000, 1000);
    l.cgBracketTop = statusAmounts(40000, 80000, 40000, 53600);
    threeGainRates(l, statusAmounts(441450, 496600, 248300, 469050));
    amtExemption(l, 72900, 113400, 56700);
    l.amtPhaseOutStart = statusAmounts(518400, 1036800, 518400, 518400);
    l.amtRateFile = "indAmt2020.tbl";
    l.wageBase = usd(137700);
    l.childCreditPerChild = usd(2000);
    childCreditPhaseOut(l, 200000, 400000);
    surtaxes(l, statusAmounts(200000, 250000, 125000, 200000), statusAmounts(200000, 250000, 125000, 200000));
    qbi(l, 163300, 326600, 163300, 163300, 50000);
    saltCap(l, 10000, 5000);
    nonItemizerCharity(l, 300, 300);
    return l;
}();

inline constexpr YearLaw k2021 = [] {
    YearLaw l = enactedYear(2021, "Ind2021.tbl");
    l.stdDedBase = statusAmounts(12550, 25100, 12550, 18800);
    l.perBoxSingleOrHead = usd(1700);
    l.perBoxOthers = usd(1350);
    dependentFiler(l, 1100, 350);
    l.exemptionAmount = usd(0);
    suspendedLimitation(l);
    l.amtMedicalFloor = 0.075;
    l.miscellaneousDeductible = false;
    ira(l, band(76000), band(125000, 20000), band(208000), 6000, 1000);
    l.cgBracketTop = statusAmounts(40400, 80800, 40400, 54100);
    threeGainRates(l, statusAmounts(445850, 501600, 250800, 473750));
    amtExemption(l, 73600, 114600, 57300);
    l.amtPhaseOutStart = statusAmounts(523600, 1047200, 523600, 523600);
    l.amtRateFile = "indAmt2021.tbl";
    l.wageBase = usd(142800);
    l.childCreditPerChild = usd(2000);
    childCreditPhaseOut(l, 200000, 400000);
    arpaChildCredit(l);
    surtaxes(l, statusAmounts(200000, 250000, 125000, 200000), statusAmounts(200000, 250000, 125000, 200000));
    qbi(l, 164900, 329800, 164925, 164900, 50000);
    saltCap(l, 10000, 5000);
    nonItemizerCharity(l, 300, 600);
    return l;
}();

inline constexpr YearLaw k2022 = [] {
    YearLaw l = enactedYear(2022, "Ind2022.tbl");
    l.stdDedBase = statusAmounts(12950, 25900, 12950, 19400);
    l.perBoxSingleOrHead = usd(1750);
    l.perBoxOthers = usd(1400);
    dependentFiler(l, 1150, 400);
    l.exemptionAmount = usd(0);
    suspendedLimitation(l);
    l.amtMedicalFloor = 0.075;
    l.miscellaneousDeductible = false;
    ira(l, band(78000), band(129000, 20000), band(214000), 6000, 1000);
    l.cgBracketTop = statusAmounts(41675, 83350, 41675, 55800);
    threeGainRates(l, statusAmounts(459750, 517200, 258600, 488500));
    amtExemption(l, 75900, 118100, 59050);
    l.amtPhaseOutStart = statusAmounts(539900, 1079800, 539900, 539900);
    l.amtRateFile = "indAmt2022.tbl";
    l.wageBase = usd(147000);
    l.childCreditPerChild = usd(2000);
    childCreditPhaseOut(l, 200000, 400000);
    surtaxes(l, statusAmounts(200000, 250000, 125000, 200000), statusAmounts(200000, 250000, 125000, 200000));
    qbi(l, 170050, 340100, 170050, 170050, 50000);
    saltCap(l, 10000, 5000);
    return l;
}();

inline constexpr YearLaw k2023 = [] {
    YearLaw l = enactedYear(2023, "Ind2023.tbl");
    l.stdDedBase = statusAmounts(13850, 27700, 13850, 20800);
    l.perBoxSingleOrHead = usd(1850);
    l.perBoxOthers = usd(1500);
    dependentFiler(l, 1250, 400);
    l.exemptionAmount = usd(0);
    suspendedLimitation(l);
    l.amtMedicalFloor = 0.075;
    l.miscellaneousDeductible = false;
    ira(l, band(83000), band(136000, 20000), band(228000), 6500, 1000);
    l.cgBracketTop = statusAmounts(44625, 89250, 44625, 59750);
    threeGainRates(l, statusAmounts(492300, 553850, 276900, 523050));
    amtExemption(l, 81300, 126500, 63250);
    l.amtPhaseOutStart = statusAmounts(578150, 1156300, 578150, 578150);
    l.amtRateFile = "indAmt2023.tbl";
    l.wageBase = usd(160200);
    l.childCreditPerChild = usd(2000);
    childCreditPhaseOut(l, 200000, 400000);
    surtaxes(l, statusAmounts(200000, 250000, 125000, 200000), statusAmounts(200000, 250000, 125000, 200000));
    qbi(l, 182100, 364200, 182100, 182100, 50000);
    saltCap(l, 10000, 5000);
    return l;
}();

inline constexpr YearLaw k2024 = [] {
    YearLaw l = enactedYear(2024, "Ind2024.tbl");
    l.stdDedBase = statusAmounts(14600, 29200, 14600, 21900);
    l.perBoxSingleOrHead = usd(1950);
    l.perBoxOthers = usd(1550);
    dependentFiler(l, 1300, 450);
    l.exemptionAmount = usd(0);
    suspendedLimitation(l);
    l.amtMedicalFloor = 0.075;
    l.miscellaneousDeductible = false;
    ira(l, band(87000), band(143000, 20000), band(240000), 7000, 1000);
    l.cgBracketTop = statusAmounts(47025, 94050, 47025, 63000);
    threeGainRates(l, statusAmounts(518900, 583750, 291850, 551350));
    amtExemption(l, 85700, 133300, 66650);
    l.amtPhaseOutStart = statusAmounts(609350, 1218700, 609350, 609350);
    l.amtRateFile = "indAmt2024.tbl";
    l.wageBase = usd(168600);
    l.childCreditPerChild = usd(2000);
    childCreditPhaseOut(l, 200000, 400000);
    surtaxes(l, statusAmounts(200000, 250000, 125000, 200000), statusAmounts(200000, 250000, 125000, 200000));
    qbi(l, 191950, 383900, 191950, 191950, 50000);
    saltCap(l, 10000, 5000);
    return l;
}();

inline constexpr YearLaw k2025 = [] {
    YearLaw l = enactedYear(2025, "Ind2025.tbl");
    l.stdDedBase = statusAmounts(15750, 31500, 15750, 23625);
    l.perBoxSingleOrHead = usd(2000);
    l.perBoxOthers = usd(1600);
    dependentFiler(l, 1350, 450);
    l.exemptionAmount = usd(0);
    suspendedLimitation(l);
    l.amtMedicalFloor = 0.075;
    l.miscellaneousDeductible = false;
    ira(l, band(89000), band(146000, 20000), band(246000), 7000, 1000);
    l.cgBracketTop = statusAmounts(48350, 96700, 48350, 64750);
    threeGainRates(l, statusAmounts(533400, 600050, 300000, 566700));
    amtExemption(l, 88100, 137000, 68500);
    l.amtPhaseOutStart = statusAmounts(626350, 1252700, 626350, 626350);
    l.amtRateFile = "indAmt2025.tbl";
    l.wageBase = usd(176100);
    l.childCreditPerChild = usd(2200);
    childCreditPhaseOut(l, 200000, 400000);
    surtaxes(l, statusAmounts(200000, 250000, 125000, 200000), statusAmounts(200000, 250000, 125000, 200000));
    qbi(l, 197300, 394600, 197300, 197300, 50000);
    saltCap(l, 40000, 20000, 500000, 250000, 10000, 5000);
    seniorDeduction(l);
    return l;
}();

inline constexpr YearLaw k2026 = [] {
    YearLaw l = enactedYear(2026, "Ind2026.tbl");
    l.stdDedBase = statusAmounts(16100, 32200, 16100, 24150);
    l.perBoxSingleOrHead = usd(2050);
    l.perBoxOthers = usd(1650);
    dependentFiler(l, 1350, 450);
    l.exemptionAmount = usd(0);
    twoThirtySevenths(l, statusAmounts(640600, 768700, 384350, 640600));
    l.amtMedicalFloor = 0.075;
    l.miscellaneousDeductible = false;
    ira(l, band(91000), band(149000, 20000), band(252000), 7500, 1100);
    l.cgBracketTop = statusAmounts(49450, 98900, 49450, 66200);
    threeGainRates(l, statusAmounts(545500, 613700, 306850, 579600));
    amtExemption(l, 90100, 140200, 70100);
    l.amtPhaseOutStart = statusAmounts(500000, 1000000, 500000, 500000);
    l.amtPhaseOutRate = 0.50;
    l.amtRateFile = "indAmt2026.tbl";
    l.wageBase = usd(184500);
    l.childCreditPerChild = usd(2200);
    childCreditPhaseOut(l, 200000, 400000);
    surtaxes(l, statusAmounts(200000, 250000, 125000, 200000), statusAmounts(200000, 250000, 125000, 200000));
    qbi(l, 201750, 403500, 201775, 201750, 75000);
    l.qbiMinimum = usd(400);
    saltCap(l, 40400, 20200, 505000, 252500, 10000, 5000);
    seniorDeduction(l);
    l.charityFloor = 0.005;
    nonItemizerCharity(l, 1000, 2000);
    return l;
}();

}  // namespace osgrin::law::enacted
