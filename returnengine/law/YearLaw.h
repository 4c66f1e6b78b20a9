#pragma once
// The law of one tax year in one law edition: every figure the rules read, and
// which form of a rule the year uses. A law edition is a run of these rows, one
// per year (LawEditions.h); the rules that read them are written once
// (YearRules.h, GainRules.h).

#include "returnengine/law/Status.h"

#include <cstdint>
#include <string_view>

namespace osgrin::law {

// Which capital-gain worksheet the year's regular tax uses.
// clang-format off
enum class CapGainWorksheet : std::uint8_t {
    MultiRate2001,  // 8%, 10% and 20% slices, result capped by the regular tax
    MultiRate2002,  // adds the 25% and 28% slices; compared with a fresh regular tax
    TwoRate,        // low rate up to the 15% bracket top, 15% above; the rate file of the tax year
    Enacted,        // low and high rate, the gain capped at taxable income, no rounding inside
};
// clang-format on

// How the AMT treats deductions and gains.
// clang-format off
enum class AmtForm : std::uint8_t {
    // Every return subtracts medical (from all payments), mortgage interest,
    // casualty and charity; gains through the year's capital-gain function.
    Tables,
    // Only an itemizing return subtracts the deductions the AMT allows (medical
    // after self-employed health insurance, mortgage interest, charity, casualty,
    // investment interest); gains at the year's rates with the regular tax's
    // ordinary income limiting the low band; the married-separately addition.
    Enacted,
};
// clang-format on

// How the return chooses between itemized deductions and the standard deduction.
enum class DeductionChoice : std::uint8_t {
    Larger,    // itemize when itemized deductions are larger
    LowerTax,  // itemize when that gives the lower regular tax + AMT; the standard deduction on a tie
};

// What the 80% cap of the itemized-deduction limitation is taken of.
enum class LimitationBase : std::uint8_t {
    AllButMedical,                  // total less medical
    AllButMedicalInterestCasualty,  // total less medical, investment interest and casualty losses
};

// The share of a reduction a year applies: the law's worksheets divide the
// full reduction by 1.5 (two thirds) or 3 (one third).
struct Share {
    double divisor = 1.0;
    Currency of(Currency reduction) const { return divisor == 1.0 ? reduction : reduction.dividedBy(divisor); }
};
inline constexpr Share kWhole{1.0};
inline constexpr Share kTwoThirds{1.5};
inline constexpr Share kOneThird{3.0};

// One IRA phase-out band: the deduction shrinks as modified income rises
// through the band and is gone at its end.
struct IraBand {
    Currency end;
    Currency width;
};

// The form of the limitation on itemized deductions a year applies.
enum class ItemLimitation : std::uint8_t {
    ThreePercent,       // 3% of AGI above the start, at most 80% of the deductions it applies to
    None,               // repealed (2010-2012) or suspended (2018-2025)
    TwoThirtySevenths,  // 2/37 of the lesser of the deductions and income above the 37% bracket's start
};

// The start of the 3% limitation: one amount for married filing separately,
// one for every other status.
constexpr ByStatus limitationStart(std::int64_t others, std::int64_t marSep) {
    return {tavrel::usd(others), tavrel::usd(others), tavrel::usd(others),
            tavrel::usd(marSep), tavrel::usd(others), tavrel::usd(others)};
}

// How the IRA deduction inside the band is figured.
enum class IraInBand : std::uint8_t {
    TwentyPercent,     // 20% of the gap whatever the maximum
    MaximumOverWidth,  // the maximum times the gap over the band width
};

struct YearLaw {
    int year;

    // Regular tax: the rate file (in the library's folder) and whether taxable
    // income stops at zero.
    std::string_view rateFile;
    bool taxableIncomeFloorAtZero;

    // Standard deduction: base by status and the addition per box (blind, 65 or
    // older): one amount for single and head of household, one for the others.
    ByStatus stdDedBase;
    Currency perBoxSingleOrHead;
    Currency perBoxOthers;
    // A dependent filer's basic standard deduction: the larger of the minimum
    // and earned income plus the add-on, never above the basic amount.
    struct {
        bool applies;
        Currency minimum;
        Currency earnedIncomeAddOn;
    } dependentStdDed;
    DeductionChoice deductionChoice;

    // Exemptions: amount each, phase-out start by status, share of the reduction.
    Currency exemptionAmount;
    ByStatus exemptionPhaseOutStart;
    Share exemptionReductionShare;
    bool exemptionPhaseOut = true;  // false: repealed (2010-2012)

    // Itemized deductions: floors as shares of AGI, and the limitation.
    double medicalFloor;
    double medicalFloorOver65 = 0.0;  // 2013-2016: the older floor where a spouse is 65 or older; 0: none
    double miscellaneousFloor;
    bool miscellaneousDeductible = true;  // false: suspended (2018 on)
    ItemLimitation itemLimitation = ItemLimitation::ThreePercent;
    ByStatus itemLimitationStart;  // 3%: the AGI it starts at; 2/37: the start of the 37% bracket
    Share itemReductionShare;
    LimitationBase limitationBase;

    // The cap on state and local taxes (2018 on; all zero before): the cap,
    // reduced by a share of modified AGI above a threshold, never below the floor.
    struct {
        ByStatus cap;
        ByStatus reductionStart;  // zero: no reduction
        double reductionRate;
        ByStatus floor;
    } saltCap{};

    // Charity: the share of AGI itemizers cannot deduct (2026 on), and what a
    // return on the standard deduction may deduct of its gifts (zero: nothing).
    double charityFloor = 0.0;
    ByStatus nonItemizerCharity{};

    // Adjustments: the deductible share of self-employed health insurance, and
    // the IRA deduction of a spouse covered by a retirement plan.
    double seHealthInsuranceShare;
    struct {
        IraBand singleOrHead;
        IraBand jointCovered;        // this spouse covered
        IraBand jointSpouseCovered;  // this spouse not covered, the other one covered
        IraBand marriedSeparately;
        Currency maximum;
        Currency catchUp;  // added to the maximum for a spouse 65 or older
        IraInBand inBand;
        bool capsContribution;  // the deduction never exceeds the maximum
    } ira;

    // Capital gains: the 15% bracket top (checked against the rate files), the
    // low and high rates, the worksheet, whether dividends take the gain rates.
    ByStatus cgBracketTop;
    double cgLowRate;
    double cgHighRate;
    // Where the top gain rate starts (2013 on; zero: no top rate) and the rate.
    ByStatus cgTopRateStart{};
    double cgTopRate = 0.0;
    CapGainWorksheet cgWorksheet;
    bool dividendsAtGainRates;

    // AMT: exemption and the start of its phase-out by status, the rate file
    // (26% / 28%), the form of the computation, the rates on gains, and the
    // married-separately addition to AMT income.
    ByStatus amtExemption;
    ByStatus amtPhaseOutStart;
    double amtPhaseOutRate = 0.25;
    std::string_view amtRateFile;
    double amtMedicalFloor;
    AmtForm amtForm;
    double amtGainLowRate;
    double amtGainHighRate;
    bool amtMarriedSeparatelyAddition;

    // Self-employment tax and FICA: the social-security wage base, the social
    // security rate of self-employment and the share of that part that is
    // deductible (2011-2012: the payroll-tax holiday), the employee's rate.
    Currency wageBase;
    double seSocialSecurityRate = 0.124;
    double seSocialSecurityDeductibleShare = 0.5;
    double employeeSocialSecurityRate = 0.062;

    // Child tax credit: amount per child and the phase-out start by status; in
    // 2021 an extra amount per child with its own, earlier phase-out.
    Currency childCreditPerChild;
    ByStatus childCreditPhaseOutStart;
    Currency childCreditExtraPerChild{};
    ByStatus childCreditExtraPhaseOutStart{};

    // The qualified-business-income deduction of self-employment income (2018
    // on; zero thresholds: none): taxable income where the wage-and-property
    // limit (zero for a sole proprietor) starts to phase in, the width of the
    // phase-in, and the minimum deduction (2026 on).
    ByStatus qbiThreshold{};
    ByStatus qbiPhaseInRange{};
    Currency qbiMinimum{};

    // The deduction per person 65 or older (2025-2028; zero: none) and where
    // its phase-out starts.
    Currency seniorDeduction{};
    ByStatus seniorPhaseOutStart{};

    // The two surtaxes (2013 on; zero: none): the net investment income tax
    // above modified AGI, the additional Medicare tax above wages and
    // self-employment earnings.
    ByStatus niitThreshold{};
    ByStatus additionalMedicareThreshold{};
};

}  // namespace osgrin::law
