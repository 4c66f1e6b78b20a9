#include "YearLaw.h"

namespace osgrin::law {
namespace {

// Status columns: {unused, 1 Single, 2 Joint, 3 Married Sep., 4 Head of Hse., 5 Widow}.
// The widow(er) column repeats the joint figure wherever the law treats the two
// alike; in the IRA and capital-gain tables this follows the law too.
constexpr ByStatus status(std::int64_t single, std::int64_t joint, std::int64_t marSep, std::int64_t head) {
    return {Currency(), usd(single), usd(joint), usd(marSep), usd(head), usd(joint)};
}

constexpr std::array<YearLaw, 8> kLaw = {{
    {.year = 2001,
     .stdDedBase = status(4550, 7600, 3800, 6650), .perBoxSingleOrHead = usd(1100), .perBoxOthers = usd(900),
     .exemptionAmount = usd(2900), .exemptionThreshold = status(132950, 199450, 99725, 166200),
     .exemptionReductionDivisor = 1.0,
     .itemThresholdMarSep = usd(66475), .itemThresholdOthers = usd(132950), .itemReductionTwoThirds = false,
     .iraBandEndJointCovered = usd(63000), .iraBandEndJointNotCovered = usd(160000), .iraBandEndOthers = usd(43000),
     .iraBandWidth = usd(10000), .iraMaximum = usd(2000),
     .cgBracketTop = status(27050, 45200, 22600, 36250), .cgLowRate = 0.0,
     .cgWorksheet = CapGainWorksheet::MultiRate2001,
     .amtThresholdJoint = usd(150000), .amtBaseJoint = usd(49000), .amtThresholdMarSep = usd(75000),
     .amtBaseMarSep = usd(24500), .amtThresholdSingle = usd(112500), .amtBaseSingle = usd(35750),
     .wageBase = usd(80400), .childCreditPerChild = usd(600)},
    {.year = 2002,
     .stdDedBase = status(4700, 7850, 3925, 6900), .perBoxSingleOrHead = usd(1150), .perBoxOthers = usd(900),
     .exemptionAmount = usd(3000), .exemptionThreshold = status(137300, 206000, 103000, 171650),
     .exemptionReductionDivisor = 1.0,
     .itemThresholdMarSep = usd(68650), .itemThresholdOthers = usd(137300), .itemReductionTwoThirds = false,
     .iraBandEndJointCovered = usd(64000), .iraBandEndJointNotCovered = usd(160000), .iraBandEndOthers = usd(44000),
     .iraBandWidth = usd(10000), .iraMaximum = usd(3000),
     .cgBracketTop = status(27950, 46700, 23350, 37450), .cgLowRate = 0.0,
     .cgWorksheet = CapGainWorksheet::MultiRate2002,
     .amtThresholdJoint = usd(150000), .amtBaseJoint = usd(49000), .amtThresholdMarSep = usd(75000),
     .amtBaseMarSep = usd(24500), .amtThresholdSingle = usd(112500), .amtBaseSingle = usd(35750),
     .wageBase = usd(84900), .childCreditPerChild = usd(600)},
    {.year = 2003,
     .stdDedBase = status(4750, 9500, 4750, 7000), .perBoxSingleOrHead = usd(1150), .perBoxOthers = usd(950),
     .exemptionAmount = usd(3050), .exemptionThreshold = status(139500, 209250, 104625, 174400),
     .exemptionReductionDivisor = 1.0,
     .itemThresholdMarSep = usd(69750), .itemThresholdOthers = usd(139500), .itemReductionTwoThirds = false,
     .iraBandEndJointCovered = usd(70000), .iraBandEndJointNotCovered = usd(160000), .iraBandEndOthers = usd(50000),
     .iraBandWidth = usd(10000), .iraMaximum = usd(3000),
     .cgBracketTop = status(28400, 56800, 28400, 38050), .cgLowRate = 0.05,
     .cgWorksheet = CapGainWorksheet::TwoRate,
     .amtThresholdJoint = usd(150000), .amtBaseJoint = usd(58000), .amtThresholdMarSep = usd(75000),
     .amtBaseMarSep = usd(29000), .amtThresholdSingle = usd(112500), .amtBaseSingle = usd(40250),
     .wageBase = usd(87000), .childCreditPerChild = usd(1000)},
    {.year = 2004,
     // 2004 gives the smaller per-box amount to statuses 1 and 4.
     .stdDedBase = status(4850, 9700, 4850, 7150), .perBoxSingleOrHead = usd(950), .perBoxOthers = usd(1200),
     .exemptionAmount = usd(3100), .exemptionThreshold = status(142700, 214050, 107025, 178350),
     .exemptionReductionDivisor = 1.0,
     .itemThresholdMarSep = usd(71350), .itemThresholdOthers = usd(142700), .itemReductionTwoThirds = false,
     .iraBandEndJointCovered = usd(75000), .iraBandEndJointNotCovered = usd(160000), .iraBandEndOthers = usd(55000),
     .iraBandWidth = usd(10000), .iraMaximum = usd(3000),
     .cgBracketTop = status(29050, 58100, 29050, 38900), .cgLowRate = 0.05,
     .cgWorksheet = CapGainWorksheet::TwoRate,
     .amtThresholdJoint = usd(150000), .amtBaseJoint = usd(58000), .amtThresholdMarSep = usd(75000),
     .amtBaseMarSep = usd(29000), .amtThresholdSingle = usd(112500), .amtBaseSingle = usd(40250),
     .wageBase = usd(87900), .childCreditPerChild = usd(1000)},
    {.year = 2005,
     .stdDedBase = status(5000, 10000, 5000, 7300), .perBoxSingleOrHead = usd(1250), .perBoxOthers = usd(1000),
     .exemptionAmount = usd(3200), .exemptionThreshold = status(145950, 218950, 109475, 182450),
     .exemptionReductionDivisor = 1.0,
     .itemThresholdMarSep = usd(72975), .itemThresholdOthers = usd(145950), .itemReductionTwoThirds = false,
     .iraBandEndJointCovered = usd(80000), .iraBandEndJointNotCovered = usd(160000), .iraBandEndOthers = usd(60000),
     .iraBandWidth = usd(10000), .iraMaximum = usd(4000),
     .cgBracketTop = status(29700, 59400, 29700, 39800), .cgLowRate = 0.05,
     .cgWorksheet = CapGainWorksheet::TwoRate,
     .amtThresholdJoint = usd(150000), .amtBaseJoint = usd(58000), .amtThresholdMarSep = usd(75000),
     .amtBaseMarSep = usd(29000), .amtThresholdSingle = usd(112500), .amtBaseSingle = usd(40250),
     .wageBase = usd(90000), .childCreditPerChild = usd(1000)},
    {.year = 2006,
     .stdDedBase = status(5150, 10300, 5150, 7550), .perBoxSingleOrHead = usd(1250), .perBoxOthers = usd(1000),
     .exemptionAmount = usd(3300), .exemptionThreshold = status(150500, 225750, 112875, 188150),
     .exemptionReductionDivisor = 1.0,
     .itemThresholdMarSep = usd(75250), .itemThresholdOthers = usd(150500), .itemReductionTwoThirds = false,
     .iraBandEndJointCovered = usd(85000), .iraBandEndJointNotCovered = usd(160000), .iraBandEndOthers = usd(60000),
     .iraBandWidth = usd(10000), .iraMaximum = usd(4000),
     .cgBracketTop = status(30650, 61300, 30650, 41050), .cgLowRate = 0.05,
     .cgWorksheet = CapGainWorksheet::TwoRate,
     .amtThresholdJoint = usd(150000), .amtBaseJoint = usd(58000), .amtThresholdMarSep = usd(75000),
     .amtBaseMarSep = usd(29000), .amtThresholdSingle = usd(112500), .amtBaseSingle = usd(40250),
     .wageBase = usd(94200), .childCreditPerChild = usd(1000)},
    {.year = 2007,
     .stdDedBase = status(5350, 10700, 5350, 7850), .perBoxSingleOrHead = usd(1350), .perBoxOthers = usd(1050),
     .exemptionAmount = usd(3400), .exemptionThreshold = status(156400, 234600, 117300, 195500),
     .exemptionReductionDivisor = 1.5,
     .itemThresholdMarSep = usd(78200), .itemThresholdOthers = usd(156400), .itemReductionTwoThirds = true,
     .iraBandEndJointCovered = usd(85000), .iraBandEndJointNotCovered = usd(160000), .iraBandEndOthers = usd(60000),
     .iraBandWidth = usd(10000), .iraMaximum = usd(4000),
     .cgBracketTop = status(31850, 63700, 31850, 42650), .cgLowRate = 0.05,
     .cgWorksheet = CapGainWorksheet::TwoRate,
     .amtThresholdJoint = usd(150000), .amtBaseJoint = usd(45000), .amtThresholdMarSep = usd(75000),
     .amtBaseMarSep = usd(22500), .amtThresholdSingle = usd(112500), .amtBaseSingle = usd(33750),
     .wageBase = usd(97500), .childCreditPerChild = usd(1000)},
    {.year = 2008,
     .stdDedBase = status(5450, 10900, 5450, 8000), .perBoxSingleOrHead = usd(1350), .perBoxOthers = usd(1050),
     .exemptionAmount = usd(3500), .exemptionThreshold = status(159950, 239950, 119975, 199950),
     .exemptionReductionDivisor = 3.0,
     .itemThresholdMarSep = usd(79975), .itemThresholdOthers = usd(159950), .itemReductionTwoThirds = true,
     .iraBandEndJointCovered = usd(85000), .iraBandEndJointNotCovered = usd(160000), .iraBandEndOthers = usd(60000),
     .iraBandWidth = usd(20000), .iraMaximum = usd(5000),
     .cgBracketTop = status(32550, 65100, 32550, 43650), .cgLowRate = 0.0,
     .cgWorksheet = CapGainWorksheet::TwoRate,
     .amtThresholdJoint = usd(150000), .amtBaseJoint = usd(45000), .amtThresholdMarSep = usd(75000),
     .amtBaseMarSep = usd(22500), .amtThresholdSingle = usd(112500), .amtBaseSingle = usd(33750),
     .wageBase = usd(102000), .childCreditPerChild = usd(1000)},
}};

static_assert(kLaw.front().year == kFirstLawYear && kLaw.back().year == kLastLawYear);

}  // namespace

const YearLaw& yearLaw(int year) {
    if (year < kFirstLawYear || year > kLastLawYear) year = year < kFirstLawYear ? kFirstLawYear : kLastLawYear;
    return kLaw[static_cast<std::size_t>(year - kFirstLawYear)];
}

}  // namespace osgrin::law
