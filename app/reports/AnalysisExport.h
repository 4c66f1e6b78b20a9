#pragma once
// The analysis as data for other programs: JSON with every figure of the
// summary and detailed reports, the inputs, the curve, the law and the
// program's version; CSV with the yearly figures and one row per point of the
// curve. Both follow docs/export-schema.md (schema version 1).

#include "reports/AnalysisResult.h"

#include <string>

namespace mirvane {
class AMT;
}

namespace tavrel::reports {

inline constexpr int kExportSchemaVersion = 1;

// The JSON document of a planner whose analysis has just run, with the figures
// read from it. `enteredLimit` is the deferral limit as the user entered it
// (the analysis replaces it with the amount it found).
std::string analysisJson(const mirvane::AMT& planner, const AnalysisResult& result, Currency enteredLimit);

// The CSV text: a header, one "year" row per year, one "answer" row, then one
// "curve" row per point.
std::string analysisCsv(const AnalysisResult& result);

// Export Data: the scenario in memory analysed on a copy (nothing is saved)
// under the law and plan year given (empty: the scenario's), as JSON or CSV.
std::string exportData(const mirvane::AMT& planner, osgrin::LawEdition law, std::optional<std::int16_t> planYear,
                       std::string_view file, bool json);

}  // namespace tavrel::reports
