#include "reports/SummaryReport.h"

#include "base/YearText.h"

#include "reports/LawNote.h"
#include "reports/ReportText.h"

#include "planner/AMT.h"
#include "common/FixedText.h"

namespace tavrel::reports {
namespace {

constexpr const char* E = kLineBreak;

Currency combinedTax(const osgrin::iTop& r) { return r.whole(osgrin::iTop::RegAndAmtTax); }

}  // namespace

// The report's lines are laid out by hand, column by column.
// clang-format off
Report SummaryReport(const mirvane::AMT& p, std::string_view scenarioFile) {
    const auto& v = p.values();
    const std::string A1 = field(combinedTax(p.cur())), B1 = field(combinedTax(p.nxt()));
    const std::string A2 = field(combinedTax(p.curAcc())), B2 = field(combinedTax(p.nxtAcc()));
    const std::string P1 = field(v.PVNxtYear), P2 = field(v.PVNxtAcc);
    const std::string C1 = field(v.CombinedTaxPV), C2 = field(v.CombinedTaxPVAcc);
    const std::string S1 = field(v.PVSavings);
    const auto [year1, year2] = shell::yearTexts(p);

    Report r;
    r.caption = "Summary Report - " + std::string(scenarioFile);
    r.headings = {std::string(trimRight(p.cur().Spouse1())) + " & " + p.cur().Spouse2(), p.cur().ScenarioDesc(),
                  "AMT Planning Summary"};
    r.blocks.push_back({"", 1});
    r.blocks.push_back({b(37) + "No State Tax Deferred               State Tax Deferred" + E +
                            b(35) + std::string(56, '-') + E +
                            b(39) + year1 + b(11) + year2 + b(13) + year1 + b(12) + year2 + E +
                            b(35) + std::string(56, '-') + E +
                            b(2) + "Regular and AMT Tax" + b(10) + A1 + b(3) + B1 + b(5) + A2 + b(4) + B2 + E,
                        5});
    r.blocks.push_back({b(2) + "Present Value of " + year2 + " Tax" + b(4) + P1 + b(20) + P2 + E +
                            b(31) + "------------" + b(20) + "------------" + E +
                            b(2) + "Present Value of " + E +
                            b(2) + year1 + " and " + year2 + " Tax " + b(11) + C1 + b(20) + C2 + E +
                            b(63) + "============" + E +
                            b(2) + "Less Present Value of " + year1 + E +
                            b(2) + " and " + year2 + " Tax With" + E +
                            b(2) + " Deferred Itemized Taxes     " + C2 + E +
                            b(31) + "------------" + E +
                            b(2) + "Present Value of Savings" + E +
                            b(2) + " From Deferred Itemized Taxes" + S1 + E +
                            b(31) + "============" + E +
                            E + E,
                        14});
    r.blocks.push_back({std::string(E) + E + E + b(2) + lawClosingLine(p),
                        3});
    return r;
}

// clang-format on
}  // namespace tavrel::reports
