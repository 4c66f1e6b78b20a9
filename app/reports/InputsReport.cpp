#include "reports/InputsReport.h"

#include "base/YearText.h"

#include "reports/ReportText.h"

#include "scenario/SpouseTwoEntries.h"

#include "planner/AMT.h"
#include "common/FixedText.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace tavrel::reports {
namespace {

using osgrin::iTop;
constexpr const char* E = kLineBreak;

std::string filingStatusText(std::int32_t status) {
    switch (status) {
    case 1: return "Single";
    case 2: return "Joint";
    case 3: return "Married Filing Seperate";
    case 4: return "Head of Household";
    default: return "Widow";
    }
}

std::string yesNo(bool flag) { return flag ? "Yes" : "No"; }
std::string yesNoField(bool flag) { return rightAligned(yesNo(flag)); }
std::string money(const tavrel::PropertyBag& o, std::string_view property) {
    return rightAligned(o.getProperty(property));
}
std::string yearsLine(const shell::YearTexts& y, int indent, int gap) {
    return b(indent) + y.current + b(gap) + y.next + E;
}
std::string rule(int indent, int width) { return b(indent) + std::string(static_cast<std::size_t>(width), '-') + E; }

// Spouse 2's amounts under a filing status without a second spouse: they count
// in the tax, so the report names them, one line each. No block when there are none.
std::optional<Block> keptSpouseTwoBlock(const mirvane::AMT& p) {
    const std::vector<shell::SpouseTwoEntry> kept = shell::keptSpouseTwoAmounts(p, mirvane::currentTaxYear(p));
    if (kept.empty()) return std::nullopt;
    std::string text = std::string("  KEPT FOR SPOUSE 2") + E + "  -----------------" + E +
                       "  The filing status has no second spouse, yet these count in the tax:" + E;
    for (const shell::SpouseTwoEntry& e : kept) {
        std::string label = std::string(e.label) + " " + e.year;
        label.resize(std::max<std::size_t>(label.size(), 30), ' ');
        text += "  " + label + rightAligned(e.amount) + E;
    }
    text += std::string(E) + E;
    return Block{text, 3 + static_cast<int>(kept.size()) + 2};
}

}  // namespace

// The report's lines are laid out by hand, column by column.
// clang-format off
Report InputsReport(const mirvane::AMT& p, std::string_view scenarioFile, std::optional<Currency> enteredLimit) {
    const iTop& cur = p.cur();
    const iTop& nxt = p.nxt();
    const bool twoNames = cur.FilingStatus() == 2 || cur.FilingStatus() == 4;
    const std::string description = cur.ScenarioDesc();
    const shell::YearTexts shown = shell::yearTexts(p);
    const auto years = [&shown](int indent, int gap) { return yearsLine(shown, indent, gap); };

    Report r;
    r.caption = "Inputs Report";
    std::string client(trimRight(cur.Spouse1()));
    if (twoNames) client += " and " + cur.Spouse2();
    r.headings = {client, description, "Inputs - Tavrel"};

    r.blocks.push_back({"  " + GetPrintLine(60) + E + "  INPUTS:" + E, 2});
    r.blocks.push_back({"  Filename: " + std::string(scenarioFile) + E + "  Report Line 2: " + description + E + E +
                            "  INITIAL INPUTS" + E + "  --------------" + E,
                        5});
    if (twoNames) {
        r.blocks.push_back({std::string(E) + "  Spouse 1: " + cur.Spouse1() + E + "  Spouse 2: " + cur.Spouse2() + E, 3});
    } else {
        r.blocks.push_back({std::string(E) + "  Client: " + cur.Spouse1() + E, 2});
    }
    const auto& v = p.values();
    // The law is named when it is not the 2008 tables every older report assumed.
    const bool enacted = cur.lawEdition() == osgrin::LawEdition::Enacted;
    const std::string lawLine = enacted ? std::string("  Tax Law: each year's law as enacted") + E : std::string();
    r.blocks.push_back({std::string(E) + "  Optional 2nd line: " + description + E + E +
                            "  Defer itemized taxes to provide" + E + "  " + " the maximum savings" + E + "  " +
                            " rather than " + "deferring itemized" + E + "  " + " taxes by " +
                            "a specific amount:  " + yesNo(v.DecreaseItemizedTax) + E +
                            "  Deferred itemized taxes:      " + yesNo(v.DeferItemizedTax) + E +
                            "  Maximum amount of itemized taxes" + E + "  " + " that can be deferred:  " +
                            rightAligned(enteredLimit ? enteredLimit->toPatternText()
                                                      : p.getProperty("MaxItemizedTaxDeferred")) +
                            E + "  " +
                            "After-Tax Discount Rate " + "(5%=5):    " + p.getProperty("AfterTaxDiscount") + E +
                            lawLine + E +
                            "  Filing Status:" + "    " + filingStatusText(cur.FilingStatus()) + E + E +
                            years(35, 8) + rule(30, 21) + "  Exemptions               " +
                            rightAligned(cur.getProperty("Dependents")) + rightAligned(nxt.getProperty("Dependents")) +
                            E + E,
                        enacted ? 19 : 18});
    const std::string blind = "  Blind                    ";
    const std::string over65 = "  Over 65                  ";
    if (twoNames) {
        const std::string spouses = b(31) + "Spouse 1    " + "Spouse 2    Spouse 1    Spouse 2" + E;
        r.blocks.push_back({years(39, 22) + rule(30, 45) + spouses + rule(30, 45) + blind +
                                yesNoField(cur.IsSp1Blind()) + yesNoField(cur.IsSp2Blind()) +
                                yesNoField(nxt.IsSp1Blind()) + yesNoField(nxt.IsSp2Blind()) + E + over65 +
                                yesNoField(cur.IsSp1Over65()) + yesNoField(cur.IsSp2Over65()) +
                                yesNoField(nxt.IsSp1Over65()) + yesNoField(nxt.IsSp2Over65()) + E + E + E,
                            8});
        r.blocks.push_back({std::string("  INCOME") + E + "  ------" + E + years(39, 20) + rule(30, 45) + spouses +
                                rule(30, 45),
                            6});
        r.blocks.push_back({"  Wages                    " + money(cur.inc(), "WageSp1") + money(cur.inc(), "WageSp2") +
                                money(nxt.inc(), "WageSp1") + money(nxt.inc(), "WageSp2") + E +
                                "  Self-Employment Income   " + money(cur.inc(), "SEIncSp1") +
                                money(cur.inc(), "SEIncSp2") + money(nxt.inc(), "SEIncSp1") +
                                money(nxt.inc(), "SEIncSp2") + E + E + E,
                            4});
    } else {
        r.blocks.push_back({std::string(E) + E + years(35, 8) + rule(30, 21) + b(31) + "Taxpayer    " +
                                "Taxpayer    " + E + rule(30, 21) + blind + yesNoField(cur.IsSp1Blind()) +
                                yesNoField(nxt.IsSp1Blind()) + E + over65 + yesNoField(cur.IsSp1Over65()) +
                                yesNoField(nxt.IsSp1Over65()) + E + E + E,
                            10});
        r.blocks.push_back({std::string("  INCOME") + E + "  ------" + E + years(35, 8) + rule(30, 21) + b(31) +
                                "Taxpayer    " + "Taxpayer" + E + rule(30, 21),
                            6});
        r.blocks.push_back({"  Wages                    " + money(cur.inc(), "WageSp1") + money(nxt.inc(), "WageSp1") +
                                E + "  Self-Employment Income   " + money(cur.inc(), "SEIncSp1") +
                                money(nxt.inc(), "SEIncSp1") + E + E + E,
                            4});
    }
    if (auto kept = keptSpouseTwoBlock(p)) r.blocks.push_back(std::move(*kept));
    r.blocks.push_back({years(37, 8) + rule(32, 21) + "  Long-Term Cap Gain(-Loss)  " + money(cur.inc(), "LTCG") +
                            money(nxt.inc(), "LTCG") + E + "  Short-Term Cap Gain(-Loss) " + money(cur.inc(), "STCG") +
                            money(nxt.inc(), "STCG") + E + "  Other Non Self-Employed    " +
                            money(cur.inc(), "OtherNonSEInc") + money(nxt.inc(), "OtherNonSEInc") + E + "  " +
                            " Income" + E + E + E,
                        8});
    r.blocks.push_back({std::string("  ADJUSTMENTS TO INCOME") + E + "  ---------------------" + E + years(37, 8) +
                            b(32) + std::string(21, '-') + "  " + E + "  Other Adjustments To Income" +
                            money(cur.adj(), "OtherAdj2Inc") + money(nxt.adj(), "OtherAdj2Inc") + E + E + E,
                        7});
    r.blocks.push_back({std::string("  ITEMIZED DEDUCTIONS") + E + "  -------------------" + E, 2});
    r.blocks.push_back({years(37, 8) + rule(32, 21) + "  Medical Payments           " + money(cur.item(), "MedPmts") +
                            money(nxt.item(), "MedPmts") + E + "  State & Local Taxes" + b(8) +
                            money(cur.item(), "OtherTaxes") + money(nxt.item(), "OtherTaxes") + E +
                            "  Home Mortgage Interest" + E + "  " + " Deductible for AMT        " +
                            money(cur.item(), "HomeMortIntReg") + money(nxt.item(), "HomeMortIntReg") + E,
                        6});
    r.blocks.push_back({std::string("  Home Mortgage Interest") + E + "  " + " Not Deductible For AMT    " +
                            money(cur.item(), "HomeMortIntAmt") + money(nxt.item(), "HomeMortIntAmt") + E +
                            "  Casualty Loss Deduction    " + money(cur.item(), "CasualtyDed") +
                            money(nxt.item(), "CasualtyDed") + E + "  Charitable Deduction       " +
                            money(cur.item(), "CharDed") + money(nxt.item(), "CharDed") + E +
                            "  Miscellaneous Deduction" + E + "  " + " Payments                  " +
                            money(cur.item(), "MiscDedPmts") + money(nxt.item(), "MiscDedPmts") + E,
                        6});
    return r;
}

// clang-format on
}  // namespace tavrel::reports
