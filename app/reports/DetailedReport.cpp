#include "reports/DetailedReport.h"

#include "base/YearText.h"

#include "reports/LawNote.h"
#include "reports/ReportText.h"

#include "planner/AMT.h"
#include "common/FixedText.h"

#include <array>

namespace tavrel::reports {
namespace {

using osgrin::iTop;
constexpr const char* E = kLineBreak;

// The four columns: no deferral (both years), then deferred (both years).
using Columns = std::array<const iTop*, 4>;

std::string filingStatusText(std::int32_t status) {
    switch (status) {
    case 1: return "Single";
    case 2: return "Joint";
    case 3: return "Married Filing Seperate";
    case 4: return "Head of House Hold";
    case 5: return "Widow";
    default: return "";
    }
}

// The four 12-character fields of a row.
std::string fields(const std::array<std::string, 4>& values) {
    std::string out;
    for (const auto& v : values) out += rightAligned(v);
    return out;
}

// The fields of one property read from each return's part in column order.
template <class Part>
std::string fields(const Columns& c, Part part, std::string_view property) {
    std::array<std::string, 4> values;
    for (std::size_t i = 0; i < 4; ++i) values[i] = part(*c[i]).getProperty(property);
    return fields(values);
}

// One row: the label in a 34-character field, then the fields.
std::string row(std::string_view label, const std::string& fieldText) {
    return padded("  " + std::string(label), 34) + fieldText + E;
}

template <class Part>
std::string row(std::string_view label, const Columns& c, Part part, std::string_view property) {
    return row(label, fields(c, part, property));
}

const auto whole = [](const iTop& r) -> const tavrel::PropertyBag& { return r; };
const auto inc = [](const iTop& r) -> const tavrel::PropertyBag& { return r.inc(); };
const auto adj = [](const iTop& r) -> const tavrel::PropertyBag& { return r.adj(); };
const auto item = [](const iTop& r) -> const tavrel::PropertyBag& { return r.item(); };
const auto amt = [](const iTop& r) -> const tavrel::PropertyBag& { return r.amt(); };
const auto other = [](const iTop& r) -> const tavrel::PropertyBag& { return r.other(); };

// Rows of the law's later years (the cap on state and local taxes, the charity
// floor, the deductions after AGI, the surtaxes), shown only where a column has
// an amount, so a report of years without them is unchanged. A cut is shown
// negative, as it is taken off the line above.
struct RowsWhereTheyApply {
    std::string text;
    int lines = 0;

    template <class Part>
    RowsWhereTheyApply& add(std::string_view label, const Columns& c, Part part, std::string_view property,
                            bool cut = false) {
        std::array<std::string, 4> values;
        bool any = false;
        for (std::size_t i = 0; i < 4; ++i) {
            values[i] = part(*c[i]).getProperty(property);
            const bool zero = Currency::parseOrRaise(values[i]).isZero();
            any = any || !zero;
            if (cut && !zero) values[i] = "-" + values[i];
        }
        if (!any) return *this;
        text += row(label, fields(values));
        ++lines;
        return *this;
    }
};

std::string heading(std::string_view text) { return b(2) + std::string(text) + E; }
std::string hyphens(int indent = 35) { return b(indent) + std::string(53, '-') + E; }
std::string equals() { return b(35) + std::string(53, '=') + E; }

}  // namespace

std::string GetAccelAMT(std::string_view tentative, std::string_view regular) {
    const Currency t = Currency::parseOrRaise(tentative);
    const Currency r = Currency::parseOrRaise(regular);
    return (t > r ? t - r : Currency()).toPatternText();
}

// The report's lines are laid out by hand, column by column.
// clang-format off
Report DetailedReport(const mirvane::AMT& p, std::string_view scenarioFile) {
    const Columns c = {&p.cur(), &p.nxt(), &p.curAcc(), &p.nxtAcc()};
    const iTop& cur = p.cur();
    const iTop& nxt = p.nxt();
    const auto [year1, year2] = shell::yearTexts(p);

    Report r;
    r.caption = "Detailed Analysis Report - " + std::string(scenarioFile);
    std::string client(trimRight(cur.Spouse1()));
    if (cur.FilingStatus() == 2) client += " and " + std::string(trimRight(cur.Spouse2()));
    r.headings = {client, cur.ScenarioDesc(), "Detailed Analysis AMT"};

    r.blocks.push_back({b(2) + (p.values().DeferItemizedTax ? "Taxes Deferred" : "No Taxes Deferred") + E +
                            b(2) + year1 + " and " + year2 + E + E +
                            b(2) + "Filing Status: " + filingStatusText(cur.FilingStatus()) + E + E +
                            b(37) + "No State Tax Deferred" + b(6) + "State Tax Deferred" + E +
                            hyphens() +
                            b(42) + year1 + b(8) + year2 + b(8) + year1 + b(8) + year2 + E +
                            hyphens() +
                            heading("TOTAL INCOME:") +
                            row("Wages Spouse 1", c, inc, "WageSp1") + row("Wages Spouse 2", c, inc, "WageSp2"),
                        12});
    r.blocks.push_back({row("SE Income Spouse 1", c, inc, "SEIncSp1") + row("SE Income Spouse 2", c, inc, "SEIncSp2") +
                            row("Capital Gains", c, inc, "CapGains") + row("Other Income", c, inc, "OtherNonSEInc") +
                            hyphens(37) + row(" Total Income", c, whole, "TotalInc"),
                        6});
    r.blocks.push_back({hyphens() + heading("ADJUSTMENTS TO INC.:") + row("SE Tax Deduction", c, adj, "SETaxDed") +
                            row("Other Adjustments", c, adj, "OtherAdj2Inc") + hyphens() +
                            row(" Adjustments to Inc.", c, whole, "Adj2Inc") + hyphens() +
                            row("ADJUSTED GROSS INC.", c, whole, "AGI") + equals() + E,
                        10});
    // Taxes and interest before the deferral in both halves; the deferral row
    // shows the amount moved out of the current year and into the next.
    const Columns entered = {&cur, &nxt, &cur, &nxt};
    const std::string deferred = p.getProperty("MaxItemizedTaxDeferred");
    RowsWhereTheyApply cap, floor;
    cap.add("State & Local Tax Cap", c, item, "SaltCapCut", true);
    floor.add("Charity Floor", c, item, "CharityFloorCut", true);
    r.blocks.push_back({heading("DEDUCTIONS:") + row("Medical Deductions", c, item, "MedDed") +
                            row("Taxes", entered, item, "TaxDed") +
                            row("Deferred Deduction For Taxes", fields({"0", "0", "-" + deferred, deferred})) +
                            cap.text + row("Interest", entered, item, "IntDed") +
                            row("Charity Deduction", c, item, "CharDed") + floor.text +
                            row("Casualty Loss", c, item, "CasualtyDed") + row("Misc. Deductions", c, item, "MiscDed") +
                            hyphens() + row(" Total Itemized Ded", c, item, "TotGross") + b(2) + "Phase Out",
                        10 + cap.lines + floor.lines});
    // The label above ends its block; its values open the next one.
    r.blocks.push_back({b(23) + fields(c, item, "TotReduction") + E + hyphens() + row(" Net Itemized Ded", c, item, "TotNet") +
                            row("Standard Deduction", c, item, "StdDed") + equals() +
                            row("Deductions", c, whole, "ItemOrStdDed") + equals() + E,
                        8});
    RowsWhereTheyApply afterAgi;
    afterAgi.add("Senior Deduction", c, whole, "SeniorDed")
        .add("Non-Itemizer Charity", c, whole, "NonItemizerCharity")
        .add("QBI Deduction", c, whole, "QBIDed");
    r.blocks.push_back({heading("EXEMPTION DED") + row("Gross Deduction", c, item, "ExemptionDedGross") +
                            row("Phase Out", c, item, "ExemptionDedPhaseOut") + hyphens() +
                            row(" Exemption Ded", c, item, "ExemptionDedNet") + equals() + E + afterAgi.text +
                            row("TAXABLE INCOME", c, whole, "TaxInc") + E +
                            row("REGULAR INCOME TAX", c, amt, "RegularTax") + E,
                        11 + afterAgi.lines});
    r.blocks.push_back({heading("AMT COMPUTATION:") + E + row("AGI", c, whole, "AGI") + equals() + E +
                            row("AMT Medical Ded.", c, amt, "MedDed") + row("AMT Mortgage Ded.", c, amt, "MortgIntDed") +
                            row("Casualty & Theft Ded.", c, amt, "CasualtyDed") + row("Char. Ded.", c, amt, "CharDed") +
                            hyphens() + row("AMT Itemized Ded.", c, amt, "ItemDed") + equals() + E,
                        13});
    RowsWhereTheyApply amtQbi;
    amtQbi.add("AMT QBI Deduction", c, amt, "QBIDed");
    if (amtQbi.lines > 0) r.blocks.push_back({amtQbi.text, amtQbi.lines});
    const iTop& nxtAcc = p.nxtAcc();
    const std::string accelAmt =
        GetAccelAMT(nxtAcc.amt().getProperty("TentativeAMT"), nxtAcc.amt().getProperty("RegularTax"));
    r.blocks.push_back({row("AMT Taxable Income", c, amt, "TaxInc") + row("AMT Exemption", c, amt, "Exemption") +
                            hyphens() + row("AMT Tax Inc. After Exemption", c, amt, "TaxIncPostExemption") + equals() +
                            E + row("Tenative AMT", c, amt, "TentativeAMT") +
                            row("Regular Income Tax", c, amt, "RegularTax") + hyphens() +
                            row("AMT", fields({cur.amt().getProperty("AMT"), nxt.amt().getProperty("AMT"),
                                               p.curAcc().amt().getProperty("AMT"), accelAmt})) +
                            equals() + row("Regular & AMT", c, whole, "RegAndAmtTax") + equals(),
                        13});
    // The surtaxes are other taxes, outside the regular-tax-versus-AMT comparison.
    RowsWhereTheyApply surtaxes;
    surtaxes.add("Net Investment Income Tax", c, other, "NetInvestmentIncomeTax")
        .add("Additional Medicare Tax", c, other, "AdditionalMedicareTax");
    if (surtaxes.lines > 0) r.blocks.push_back({std::string(E) + surtaxes.text, surtaxes.lines + 1});
    r.blocks.push_back({std::string(E) + E + E + b(2) + lawClosingLine(p),
                        3});
    return r;
}

// clang-format on
}  // namespace tavrel::reports
