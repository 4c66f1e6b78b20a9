#pragma once
// The figures of each tax year's law, one row per year 2001 to 2008. The rules
// that use them are written once (YearRules.h); what differs between years is
// here as data, including the differences in form (the capital-gain worksheet,
// the phase-out factors).

#include "Currency.h"

#include <array>
#include <cstdint>

namespace osgrin::law {

using tavrel::Currency;
using tavrel::usd;

// Which capital-gain worksheet the year's law uses.
enum class CapGainWorksheet : std::uint8_t {
    MultiRate2001,  // 8%, 10% and 20% slices, result capped by the regular tax
    MultiRate2002,  // adds the 25% and 28% slices; compared with a fresh regular tax
    TwoRate,        // low rate up to the 15% bracket top, 15% above (2003 and later)
};

// Amounts indexed by filing status 1 to 5 (index 0 is unused).
using ByStatus = std::array<Currency, 6>;

struct YearLaw {
    int year;
    // A. Standard deduction: base by status, addition per box (blind, over 65).
    ByStatus stdDedBase;
    Currency perBoxSingleOrHead;  // statuses 1 and 4
    Currency perBoxOthers;        // statuses 2, 3 and 5
    // B. Exemptions: amount each, phase-out threshold by status, divisor of the reduction.
    Currency exemptionAmount;
    ByStatus exemptionThreshold;
    double exemptionReductionDivisor;  // 1 applies it whole
    // C. Itemized deductions phase-out.
    Currency itemThresholdMarSep;
    Currency itemThresholdOthers;
    bool itemReductionTwoThirds;
    // D. IRA deduction limit for a spouse covered by a retirement plan.
    Currency iraBandEndJointCovered;
    Currency iraBandEndJointNotCovered;
    Currency iraBandEndOthers;  // Single, Married Sep., Head of Hse.
    Currency iraBandWidth;
    Currency iraMaximum;
    // E. Capital-gain tax: top of the 15% bracket by status, low rate, worksheet.
    ByStatus cgBracketTop;
    double cgLowRate;
    CapGainWorksheet cgWorksheet;
    // F. AMT exemption: threshold and base for joint and widow(er), married
    // separately, and single and head of household.
    Currency amtThresholdJoint, amtBaseJoint;
    Currency amtThresholdMarSep, amtBaseMarSep;
    Currency amtThresholdSingle, amtBaseSingle;
    // G. Social-security wage base.
    Currency wageBase;
    // H. Child tax credit per child.
    Currency childCreditPerChild;
};

inline constexpr int kFirstLawYear = 2001;
inline constexpr int kLastLawYear = 2008;

// The row of a year from 2001 to 2008.
const YearLaw& yearLaw(int year);

}  // namespace osgrin::law
