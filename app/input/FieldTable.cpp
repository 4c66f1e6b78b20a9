#include "input/FieldTable.h"

namespace tavrel::ui::fields {
namespace {

using enum Page;
using enum Target;
using enum Part;
using enum Kind;

// Help texts shared by several rows.
constexpr std::string_view kHelpSpouse1 =
    "Name of the first spouse. If there is no spouse, "
    "simply enter the name of the taxpayer.";
constexpr std::string_view kHelpSpouse2 =
    "Name of the second spouse. If there is no spouse, "
    "simply leave this blank.";
constexpr std::string_view kHelpLine2 =
    "Enter the a information that you would like printed "
    "on each report below the name of the clients. This "
    "input is optional.";
constexpr std::string_view kHelpFileStat = "Use the listbox to choose a filing status.";
constexpr std::string_view kHelpPlanYear =
    "The first of the two years: its state and local taxes may be "
    "deferred into the year after. Under the 2008 tables the plan "
    "year is 2008; under the law as enacted any year from 2001 to 2025.";
constexpr std::string_view kHelpOver65 =
    "Check the appropriate box(s) to indicate if either "
    "spouse is over 65.";
constexpr std::string_view kHelpBlind =
    "Check the appropriate box(s) to indicate if "
    "either spouse is blind.";
constexpr std::string_view kHelpMaxInc =
    "Enter the maximum amount of income that can "
    "be accelerated from next year to this year.";
constexpr std::string_view kHelpDisRate =
    "This is used to discount next year's tax to "
    "the current year. This would be the lowest rate "
    "of tax - free return that the taxpayer would "
    "consider for a two year investment. The reason "
    "that we are recommending a two year investment is "
    "because this program's analysis only goes out "
    "two years. This would probably be equivalent to "
    "the return on a tax - free money market account.";
constexpr std::string_view kHelpFilename =
    "You can change or choose a filename "
    "by clicking on the button";
constexpr std::string_view kHelpWages = "Enter each spouse's wages in the appropriate input box.";
constexpr std::string_view kHelpSEInc =
    "Enter each spouse's self employment income in "
    "the appropriate input box. This would be income "
    "that is subject to self employment tax.";
constexpr std::string_view kHelpLTCG =
    "Enter the estimated Long - Term Capital Gain "
    "or Loss for each year. Enter any losses as a "
    "negative number. Include here any Long - Term "
    "Capital Loss Carryforward to this year.";
constexpr std::string_view kHelpSTCG =
    "Enter the estimated Short - Term Capital Gain "
    "or Loss for each year. Enter any losses as a "
    "negative number. Include here any Short - Term "
    "Capital Loss Carryforward to this year.";
constexpr std::string_view kHelpMed =
    "Enter here any medical payments that "
    "have not been included elsewhere.";
constexpr std::string_view kHelpTaxes = "At this input enter State & Local Taxes.";
constexpr std::string_view kHelpMortReg =
    "Enter at this input the annual home mortgage "
    "interest that is deductible for both regular "
    "tax and AMT.";
constexpr std::string_view kHelpMortAmt =
    "At this input enter any amount of home mortgage "
    "interest that is deductible for regular tax but "
    "is not deductible for AMT.";
constexpr std::string_view kHelpOtherInt =
    "At this input enter any other interest that is "
    "deductible for regular tax but is not deductible "
    "for AMT, such as investment interest.";
constexpr std::string_view kHelpCasualty =
    "Enter any Casualty Loss deduction at this input. "
    "The program does not do any limitation "
    "computation. Thus, enter the amount of the "
    "deduction, not the amount of the loss.";
constexpr std::string_view kHelpCharity =
    "Enter the Charitable Deduction. The program "
    "does not apply any limitations.";
constexpr std::string_view kHelpMisc =
    "At this input enter the Miscellaneous Deduction "
    "payments. The program will compute the limitation.";

// Captions of the labels shared by a control array.
constexpr std::string_view kMaxIncCaption = "Maximum Amount Of Itemized Taxes That Can Be Deferred";
constexpr std::string_view kRateCaption = "After-Tax  Discount Rate (5%=5)";
constexpr std::string_view kLCapCaption = "Long-Term Cap Gain(-Loss)";
constexpr std::string_view kSCapCaption = "Short-Term Cap Gain(-Loss)";
constexpr std::string_view kOtherSECaption = "Other Non-Self-Employment Income";
constexpr std::string_view kOAdjCaption = "Other Adjustments to Income";
// The stored caption "State && Local ..." doubles the ampersand; it shows as one.
constexpr std::string_view kTaxesCaption = "State & Local Taxes Before Deferral";
constexpr std::string_view kMortRegCaption = "Home Mortgage Interest - Deductible for AMT";
constexpr std::string_view kMortAmtCaption = "Home Mortgage Interest - Not Deductible for AMT";
constexpr std::string_view kOtherIntCaption = "Other Interest Deductible For Regular Tax, But Not For AMT";
constexpr std::string_view kCasualtyCaption = "Casualty Loss Deduction";
constexpr std::string_view kCharityCaption = "Charitable Deduction";
constexpr std::string_view kMiscCaption = "Miscellaneous Deduction Payments";

// The order of the rows is the order of the controls on their pages and the
// order in which the load fills the text boxes and the list.
constexpr Field kFields[] = {
    // Page "Initial Inputs"
    {"txtSpouse1", -1, BothYears, Top, "Spouse1", Name, Initial, "lblSpouse1", "Spouse #1", kHelpSpouse1},
    {"txtSpouse2", -1, BothYears, Top, "Spouse2", Name, Initial, "lblSpouse2", "Spouse #2", kHelpSpouse2},
    {"txtLine2", -1, BothYears, Top, "ScenarioDesc", FreeText, Initial, "Label2", "Optional Second Line:", kHelpLine2},
    {"lstFileStat", -1, BothYears, Top, "FilingStatus", Choice, Initial, "", "", kHelpFileStat},
    // The year captions below it follow the plan year.
    {"cboPlanYear", -1, Planner, Top, "PlanYear", Year, Initial, "lblPlanYear", "Plan Year", kHelpPlanYear},
    {"txtDep", 0, Current, Top, "Dependents", Count, Initial, "lblDependents", "Exemptions", ""},
    {"txtDep", 1, Next, Top, "Dependents", Count, Initial, "lblDependents", "Exemptions", ""},
    {"chk65", 0, Current, Top, "IsSp1Over65", Flag, Initial, "lblOver65", "Over 65", kHelpOver65},
    {"chk65", 1, Current, Top, "IsSp2Over65", Flag, Initial, "lblOver65", "Over 65", kHelpOver65},
    {"chk65", 2, Next, Top, "IsSp1Over65", Flag, Initial, "lblOver65", "Over 65", kHelpOver65},
    {"chk65", 3, Next, Top, "IsSp2Over65", Flag, Initial, "lblOver65", "Over 65", kHelpOver65},
    {"chkBlind", 0, Current, Top, "IsSp1Blind", Flag, Initial, "lblBlind", "Blind", kHelpBlind},
    {"chkBlind", 1, Current, Top, "IsSp2Blind", Flag, Initial, "lblBlind", "Blind", kHelpBlind},
    {"chkBlind", 2, Next, Top, "IsSp1Blind", Flag, Initial, "lblBlind", "Blind", kHelpBlind},
    {"chkBlind", 3, Next, Top, "IsSp2Blind", Flag, Initial, "lblBlind", "Blind", kHelpBlind},
    {"txtMaxInc", -1, Planner, Top, "MaxItemizedTaxDeferred", Option, Initial, "lblMaxIncomeAccel", kMaxIncCaption,
     kHelpMaxInc},
    {"txtDisRate", -1, Planner, Top, "AfterTaxDiscount", Option, Initial, "lblRate", kRateCaption, kHelpDisRate},
    {"btnFilename", -1, Planner, Top, "", Action, Initial, kFilenameLabel, "Change or set filename", kHelpFilename},

    // Page "Income": index 0 spouse 1 current year, 1 spouse 2 current year,
    // 2 spouse 1 next year, 3 spouse 2 next year.
    {"txtWages", 0, Current, Inc, "WageSp1", Amount, Income, "lblWages", "Wages", kHelpWages},
    {"txtWages", 1, Current, Inc, "WageSp2", Amount, Income, "lblWages", "Wages", kHelpWages},
    {"txtWages", 2, Next, Inc, "WageSp1", Amount, Income, "lblWages", "Wages", kHelpWages},
    {"txtWages", 3, Next, Inc, "WageSp2", Amount, Income, "lblWages", "Wages", kHelpWages},
    {"txtSEInc", 0, Current, Inc, "SEIncSp1", Amount, Income, "Label3", "SE Income", kHelpSEInc},
    {"txtSEInc", 1, Current, Inc, "SEIncSp2", Amount, Income, "Label3", "SE Income", kHelpSEInc},
    {"txtSEInc", 2, Next, Inc, "SEIncSp1", Amount, Income, "Label3", "SE Income", kHelpSEInc},
    {"txtSEInc", 3, Next, Inc, "SEIncSp2", Amount, Income, "Label3", "SE Income", kHelpSEInc},
    {"txtLCapGain", 0, Current, Inc, "LTCG", Amount, Income, "Label6", kLCapCaption, kHelpLTCG},
    {"txtLCapGain", 1, Next, Inc, "LTCG", Amount, Income, "Label6", kLCapCaption, kHelpLTCG},
    {"txtSCapGain", 0, Current, Inc, "STCG", Amount, Income, "Label7", kSCapCaption, kHelpSTCG},
    {"txtSCapGain", 1, Next, Inc, "STCG", Amount, Income, "Label7", kSCapCaption, kHelpSTCG},
    {"txtOtherSE", 0, Current, Inc, "OtherNonSEInc", Amount, Income, "Label8", kOtherSECaption, ""},
    {"txtOtherSE", 1, Next, Inc, "OtherNonSEInc", Amount, Income, "Label8", kOtherSECaption, ""},

    // Page "Adjustments to Income"
    {"txtOAdjInc", 0, Current, Adj2Inc, "OtherAdj2Inc", Amount, Adjustments, "Label5", kOAdjCaption, ""},
    {"txtOAdjInc", 1, Next, Adj2Inc, "OtherAdj2Inc", Amount, Adjustments, "Label5", kOAdjCaption, ""},

    // Page "Itemized Deductions": even indexes the current year, odd the next.
    {"txtDed", 0, Current, Item, "MedPmts", Amount, Itemized, "lblMedDed", "Medical Payments", kHelpMed},
    {"txtDed", 1, Next, Item, "MedPmts", Amount, Itemized, "lblMedDed", "Medical Payments", kHelpMed},
    {"txtDed", 2, Current, Item, "OtherTaxes", Amount, Itemized, "Label13", kTaxesCaption, kHelpTaxes},
    {"txtDed", 3, Next, Item, "OtherTaxes", Amount, Itemized, "Label13", kTaxesCaption, kHelpTaxes},
    {"txtDed", 4, Current, Item, "HomeMortIntReg", Amount, Itemized, "Label14", kMortRegCaption, kHelpMortReg},
    {"txtDed", 5, Next, Item, "HomeMortIntReg", Amount, Itemized, "Label14", kMortRegCaption, kHelpMortReg},
    {"txtDed", 6, Current, Item, "HomeMortIntAmt", Amount, Itemized, "Label16", kMortAmtCaption, kHelpMortAmt},
    {"txtDed", 7, Next, Item, "HomeMortIntAmt", Amount, Itemized, "Label16", kMortAmtCaption, kHelpMortAmt},
    {"txtDed", 8, Current, Item, "OtherIntDed", Amount, Itemized, "Label18", kOtherIntCaption, kHelpOtherInt},
    {"txtDed", 9, Next, Item, "OtherIntDed", Amount, Itemized, "Label18", kOtherIntCaption, kHelpOtherInt},
    {"txtDed", 10, Current, Item, "CasualtyDed", Amount, Itemized, "Label17", kCasualtyCaption, kHelpCasualty},
    {"txtDed", 11, Next, Item, "CasualtyDed", Amount, Itemized, "Label17", kCasualtyCaption, kHelpCasualty},
    {"txtDed", 12, Current, Item, "CharDed", Amount, Itemized, "Label19", kCharityCaption, kHelpCharity},
    {"txtDed", 13, Next, Item, "CharDed", Amount, Itemized, "Label19", kCharityCaption, kHelpCharity},
    {"txtDed", 14, Current, Item, "MiscDedPmts", Amount, Itemized, "Label15", kMiscCaption, kHelpMisc},
    {"txtDed", 15, Next, Item, "MiscDedPmts", Amount, Itemized, "Label15", kMiscCaption, kHelpMisc},
};

constexpr Caption kCaptions[] = {
    {"lblSpouse", 0, Initial, "chk65", "Spouse 1 ", false},
    {"lblSpouse", 1, Initial, "chk65", "Spouse 2 ", false},
    {"lblSpouse", 2, Initial, "chk65", "Spouse 1 ", true},
    {"lblSpouse", 3, Initial, "chk65", "Spouse 2 ", true},
    {"lblYear", 0, Initial, "txtDep", "", false},
    {"lblYear", 1, Initial, "txtDep", "", true},
    {"lblBaseYr", -1, Income, "txtWages", "All items are before increasing income in ", false},
    {"lblSpYr", 0, Income, "txtWages", "Spouse 1 ", false},
    {"lblSpYr", 1, Income, "txtWages", "Spouse 2 ", false},
    {"lblSpYr", 2, Income, "txtWages", "Spouse 1 ", true},
    {"lblSpYr", 3, Income, "txtWages", "Spouse 2 ", true},
    {"lblYear", 2, Income, "txtLCapGain", "", false},
    {"lblYear", 3, Income, "txtLCapGain", "", true},
    {"lblAdjIncYr1", -1, Adjustments, "txtOAdjInc", "", false},
    {"lblAdjIncYr2", -1, Adjustments, "txtOAdjInc", "", true},
    {"lblItemYr1", -1, Itemized, "txtDed", "", false},
    {"lblItemYr2", -1, Itemized, "txtDed", "", true},
};

}  // namespace

std::span<const Field> fieldTable() { return kFields; }
std::span<const Caption> captionTable() { return kCaptions; }

std::string objectName(std::string_view control, int index) {
    std::string name(control);
    if (index >= 0) name.append("_").append(std::to_string(index));
    return name;
}

const Field* findField(std::string_view control, int index) {
    for (const Field& f : kFields)
        if (f.control == control && f.index == index) return &f;
    return nullptr;
}

}  // namespace tavrel::ui::fields
