#pragma once
// Figures of the tax law that no year of any edition changes: written once here
// by name instead of inside the rules.

#include "common/Currency.h"

namespace osgrin::law {

using tavrel::Currency;
using tavrel::usd;

// Net capital loss deductible against other income; the rest carries over.
inline constexpr Currency kCapitalLossLimit = usd(3000);
inline constexpr Currency kCapitalLossLimitMarriedSeparately = usd(1500);
// A net capital loss smaller than a cent is not limited.
inline constexpr Currency kCent = Currency::fromScaled(100);

// Self-employment tax: net earnings are 92.35% of self-employment income; no
// tax below 400 of net earnings; 12.4% social security up to the wage base
// (less the same person's wages), 2.9% Medicare on all. Employees pay half of
// each rate on their wages.
inline constexpr double kNetEarningsFactor = 0.9235;
inline constexpr Currency kSelfEmploymentFloor = usd(400);
inline constexpr double kSocialSecurityRate = 0.124;
inline constexpr double kMedicareRate = 0.029;
inline constexpr double kEmployeeShare = 0.5;
// Half of the self-employment tax is an adjustment to income.
inline constexpr double kSelfEmploymentTaxDeductibleShare = 0.50;

// Child credit phase-out: the credit falls by 50 for each 1,000 of AGI above the
// start, or part of 1,000.
inline constexpr std::int64_t kChildCreditStep = 1000;
inline constexpr double kChildCreditCutPerStep = 50.0;

// Exemption phase-out: 2% of the exemptions for each 2,500 of AGI above the
// start (1,250 married filing separately), or part of it.
inline constexpr Currency kExemptionPhaseOutStep = usd(2500);
inline constexpr Currency kExemptionPhaseOutStepMarriedSeparately = usd(1250);
inline constexpr double kExemptionPhaseOutRatePerStep = 0.02;

// Itemized-deduction limitation: 3% of AGI above the start, never more than
// 80% of the deductions it applies to.
inline constexpr double kItemizedLimitationRate = 0.03;
inline constexpr double kItemizedLimitationCap = 0.80;

// AMT exemption phase-out: 25% of AMT income above the start.
inline constexpr double kAmtExemptionPhaseOutRate = 0.25;

// IRA deduction inside the phase-out band: rounded up to the next 10 and at
// least 200 while income is below the band's end.
inline constexpr Currency kIraRoundingStep = usd(10);
inline constexpr Currency kIraMinimumInBand = usd(200);

// The 2/37 limitation of itemized deductions (2026 on): what a deduction is worth
// above 35% in the 37% bracket.
inline constexpr double kTwoThirtySevenths = 2.0 / 37.0;

// The qualified-business-income deduction (2018 on): 20% of the income, at most
// 20% of taxable income less net capital gain; the minimum deduction (2026 on)
// needs this much of the income.
inline constexpr double kQbiRate = 0.20;
inline constexpr Currency kQbiMinimumIncome = usd(1000);

// The senior deduction (2025-2028) falls by 6% of modified AGI above its start.
inline constexpr double kSeniorPhaseOutRate = 0.06;

// The surtaxes (2013 on): 3.8% of net investment income, at most of modified AGI
// above the threshold; 0.9% of wages and self-employment earnings above theirs.
inline constexpr double kNetInvestmentIncomeTaxRate = 0.038;
inline constexpr double kAdditionalMedicareRate = 0.009;

// The 28% rate of the 2002 worksheet's collectibles group.
inline constexpr double kCollectiblesRate = 0.28;

}  // namespace osgrin::law
