#pragma once
// Where the law document finds only one source for a rule, or none, the rules
// read the law the way written here, and nowhere else. Each reading names what
// it rests on; the README lists them as unconfirmed. A later form or ruling
// that settles one changes one line here.

namespace osgrin::law::readings {

// 2011-2012, the payroll-tax holiday: the deduction for the employer-equivalent
// part of the self-employment tax is 59.6% of the 10.4% social security part
// (the employer's 6.2 over the reduced 10.4) plus half of the Medicare part.
// One source; the 2011 Schedule SE line 6 would confirm it.
inline constexpr double kHolidaySocialSecurityDeductibleShare = 0.596;

// 2010-2012: the married-filing-separately addition to AMT income starts where
// the separate exemption is gone (phase-out start + exemption / phase-out rate):
// 219,900, 223,900 and 232,500. 2010 and 2011 rest on one source, 2012 on the
// arithmetic alone. The rule computes the point; the rows carry no figure.
//
// 2026: the point is 500,000 + 70,100 / 50% = 640,200 (one data set; the other
// has 639,200), and whether the addition's rate became 50% with the phase-out
// rate is unconfirmed. Read: the addition takes the year's phase-out rate.
inline constexpr bool kMarriedSeparatelyAdditionAtPhaseOutRate = true;

// 2025-2028: the senior deduction is not allowed for the AMT (one data set,
// reading the 2025 Form 6251 line 1a; the deduction sits with the exemptions
// that the AMT disallows).
inline constexpr bool kSeniorDeductionAllowedForAmt = false;

// 2026 on: the 2/37 limitation does not apply for the AMT ("section 68 shall
// not apply"), so AMT income is figured with the itemized deductions before it.
// Expected from the statute; no 2026 Form 6251 seen.
inline constexpr bool kTwoThirtySeventhsUndoneForAmt = true;

// 2026 on: the charity deduction of a return on the standard deduction is
// allowed for the AMT (the AMT disallows only the standard deduction and the
// exemptions). Unconfirmed.
inline constexpr bool kNonItemizerCharityAllowedForAmt = true;

// 2018 on: a qualifying widow(er)'s child-credit phase-out starts at the figure
// for others (200,000): the statute doubles it for a joint return only. Both
// data sets use the joint figure.
inline constexpr bool kWidowChildCreditPhaseOutIsJoint = false;

// 2018 on: a qualifying widow(er)'s QBI threshold and phase-in range are the
// single figures (the statute doubles them "in the case of a joint return");
// not confirmed by a form.
inline constexpr bool kWidowQbiAtJointFigures = false;

// 2021: the married-filing-separately QBI threshold is 164,925 (one data set;
// the other has 164,900), as the separate figure exceeds the single one by 25
// in 2019 and 2026. The row carries it.

}  // namespace osgrin::law::readings
