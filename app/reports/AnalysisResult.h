#pragma once
// The answer of one analysis as figures, not text: what the dashboard, the data
// exports and the client book show. Read from the planner after its analysis,
// so that every figure is the one the summary and detailed reports print.

#include "common/Currency.h"
#include "planner/TaxYears.h"
#include "returnengine/law/LawEdition.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirvane {
class AMT;
}

namespace tavrel::reports {

// One year's tax as the reports show it.
struct YearTax {
    Currency regular;  // regular income tax
    Currency amt;      // alternative minimum tax
    Currency total;    // regular and AMT
};

struct CurvePoint {
    Currency deferred;     // amount of the first year's taxes paid in the second
    Currency combinedTax;  // present value of the two years' tax
};

struct AnalysisResult {
    std::string file;
    std::string spouse1, spouse2, description;
    std::int32_t filingStatus = 0;
    osgrin::LawEdition law = osgrin::kDefaultLawEdition;
    std::int16_t planYear = mirvane::kCurrentTaxYear;  // the first year; the second is the one after
    bool deferring = false;                            // deferral is on (a searched or a fixed amount)
    bool searched = false;                             // the deferral search ran
    Currency deferred;  // the amount to defer (the search's best, or the limit without a search)
    Currency saving;    // present value of the saving from deferring
    // Index 0 the first year, 1 the second.
    std::array<YearTax, 2> without;          // no state tax deferred
    std::array<YearTax, 2> with;             // state tax deferred
    Currency pvNextWithout, pvNextWith;      // present value of the second year's tax
    Currency combinedWithout, combinedWith;  // present value of both years' tax
    std::vector<CurvePoint> curve;
};

// The figures of a planner whose analysis has just run.
AnalysisResult readAnalysis(const mirvane::AMT& planner, std::string_view file);

// Reads the scenario file into a planner of its own, under the law and plan
// year given (or its own), runs the analysis and returns its figures; the file
// is not written. Errors raise, naming the file.
AnalysisResult analyseFile(const std::string& file, std::optional<osgrin::LawEdition> law,
                           std::optional<std::int16_t> planYear);

// The same from the scenario in memory, analysed on a copy so that the planner
// being edited is left as it is; nothing is read or written. `planYear`: the
// run's plan year instead of the scenario's.
AnalysisResult analyseCopy(const mirvane::AMT& planner, osgrin::LawEdition law, std::optional<std::int16_t> planYear,
                           std::string_view file);

// A copy of the scenario in memory ready for its analysis: being edited, quiet,
// under the law and plan year given.
std::shared_ptr<mirvane::AMT> prepareCopy(const mirvane::AMT& planner, osgrin::LawEdition law,
                                          std::optional<std::int16_t> planYear);

// The answer in one sentence: "Defer $10,112 of 2008 state and local taxes to
// 2009: present-value saving $3,356." (the plan year and the next), or
// "Deferring does not help this household."
std::string answerSentence(const AnalysisResult& result);

// The text of a filing status ("Joint"), empty outside 1 to 5.
std::string_view filingStatusName(std::int32_t status);

}  // namespace tavrel::reports
