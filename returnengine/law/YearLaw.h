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

    // Itemized deductions: floors as shares of AGI, and the limitation.
    double medicalFloor;
    double miscellaneousFloor;
    Currency itemLimitationStartMarSep;
    Currency itemLimitationStartOthers;
    Share itemReductionShare;
    LimitationBase limitationBase;

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
    CapGainWorksheet cgWorksheet;
    bool dividendsAtGainRates;

    // AMT: exemption and the start of its phase-out by status, the rate file
    // (26% / 28%), the form of the computation, the rates on gains, and the
    // married-separately addition to AMT income.
    ByStatus amtExemption;
    ByStatus amtPhaseOutStart;
    std::string_view amtRateFile;
    double amtMedicalFloor;
    AmtForm amtForm;
    double amtGainLowRate;
    double amtGainHighRate;
    bool amtMarriedSeparatelyAddition;

    // Self-employment tax and FICA: the social-security wage base.
    Currency wageBase;

    // Child tax credit: amount per child and the phase-out start by status.
    Currency childCreditPerChild;
    ByStatus childCreditPhaseOutStart;
};

}  // namespace osgrin::law
