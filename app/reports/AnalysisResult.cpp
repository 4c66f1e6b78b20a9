#include "reports/AnalysisResult.h"

#include "reports/DetailedReport.h"

#include "base/YearText.h"

#include "common/ErrorTrap.h"
#include "common/FixedText.h"
#include "planner/AMT.h"
#include "planner/Calculate.h"
#include "planner/PlannerErrors.h"
#include "planner/Points.h"
#include "planner/ScenarioFile.h"
#include "planner/TaxYears.h"

namespace tavrel::reports {
namespace {

using osgrin::iTop;

YearTax yearTax(const iTop& r, Currency amt) {
    return {r.amt().get(osgrin::iAMT::RegularTax), amt, r.whole(iTop::RegAndAmtTax)};
}

Currency amtOf(const iTop& r) { return r.amt().get(osgrin::iAMT::AMT); }

}  // namespace

std::string_view filingStatusName(std::int32_t status) {
    static constexpr std::array<std::string_view, 5> names = {"Single", "Joint", "Married Filing Separately",
                                                              "Head of Household", "Widow"};
    return status >= 1 && status <= 5 ? names[static_cast<std::size_t>(status - 1)] : std::string_view();
}

AnalysisResult readAnalysis(const mirvane::AMT& p, std::string_view file) {
    AnalysisResult r;
    const auto& v = p.values();
    r.file = std::string(file);
    r.spouse1 = std::string(trimRight(p.cur().Spouse1()));
    r.spouse2 = std::string(trimRight(p.cur().Spouse2()));
    r.description = std::string(trimRight(p.cur().ScenarioDesc()));
    r.filingStatus = p.cur().FilingStatus();
    r.law = p.cur().lawEdition();
    r.planYear = mirvane::currentTaxYear(p);
    r.deferring = v.DeferItemizedTax;
    r.searched = v.DecreaseItemizedTax && v.DeferItemizedTax;
    r.deferred = v.MaxItemizedTaxDeferred;
    r.saving = v.PVSavings;
    r.without = {yearTax(p.cur(), amtOf(p.cur())), yearTax(p.nxt(), amtOf(p.nxt()))};
    // The deferred second year's AMT is what the detailed report prints for it.
    const iTop& nxtAcc = p.nxtAcc();
    const Currency nextAmt = Currency::parseOrRaise(
        GetAccelAMT(nxtAcc.amt().getProperty("TentativeAMT"), nxtAcc.amt().getProperty("RegularTax")));
    r.with = {yearTax(p.curAcc(), amtOf(p.curAcc())), yearTax(nxtAcc, nextAmt)};
    r.pvNextWithout = v.PVNxtYear;
    r.pvNextWith = v.PVNxtAcc;
    r.combinedWithout = v.CombinedTaxPV;
    r.combinedWith = v.CombinedTaxPVAcc;
    if (r.searched) {
        if (const auto points = p.pointsIfAny()) {
            r.curve.reserve(static_cast<std::size_t>(points->Count()));
            for (const mirvane::Point& pt : *points) r.curve.push_back({pt.cAccelInc(), pt.cCombinedTax()});
        }
    }
    return r;
}

AnalysisResult analyseFile(const std::string& file, std::optional<osgrin::LawEdition> law,
                           std::optional<std::int16_t> planYear) {
    return guarded(Location("OpenFile \"", file, "\""), [&] {
        const auto planner = mirvane::NewScenario();
        mirvane::LoadScenario(*planner, file);
        mirvane::putUnderLaw(*planner, law.value_or(planner->values().Law), planYear);
        mirvane::RunAnalysisProtocol(*planner);
        return readAnalysis(*planner, file);
    });
}

std::shared_ptr<mirvane::AMT> prepareCopy(const mirvane::AMT& planner, osgrin::LawEdition law,
                                          std::optional<std::int16_t> planYear) {
    auto copy = planner.analysisCopy();
    copy->setProgressObserver(nullptr);  // a quiet analysis: no progress window
    // The analysis works on objects being edited, as after an open.
    if (!copy->isEditing()) copy->BeginEdit();
    for (osgrin::iTop* r : {&copy->cur(), &copy->nxt(), &copy->curAcc(), &copy->nxtAcc()})
        if (!r->isEditing()) r->BeginEdit();
    mirvane::putUnderLaw(*copy, law, planYear);
    return copy;
}

AnalysisResult analyseCopy(const mirvane::AMT& planner, osgrin::LawEdition law, std::optional<std::int16_t> planYear,
                           std::string_view file) {
    const auto copy = prepareCopy(planner, law, planYear);
    mirvane::RunAnalysisProtocol(*copy);
    return readAnalysis(*copy, file);
}

std::string answerSentence(const AnalysisResult& r) {
    if (!r.deferring || r.deferred.roundDollarsAwayFromZero().isZero() ||
        r.saving.roundDollarsAwayFromZero() <= Currency())
        return "Deferring does not help this household.";
    const shell::YearTexts years = shell::yearTexts(r.planYear);
    std::string s = "Defer $";
    s.append(r.deferred.toPatternText())
        .append(" of ")
        .append(years.current)
        .append(" state and local taxes to ")
        .append(years.next)
        .append(": present-value saving $")
        .append(r.saving.toPatternText())
        .append(".");
    return s;
}

}  // namespace tavrel::reports
