#pragma once
// Helpers for the planner tests: scenario files and the error a call raises.

#include "planner/AMT.h"
#include "planner/Calculate.h"
#include "planner/MirvaneInfo.h"
#include "planner/ScenarioFile.h"

#include "ErrorOf.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace testsupport {

// Opens a scenario file as an analysis does, both years taxed under the
// current year's law.
inline void openScenario(mirvane::AMT& p, const std::string& file) {
    mirvane::OpenForAnalysis(p, file, osgrin::LawEdition::Tables2008);
}

// The example household: joint, high state taxes in 2008 and a large raise in
// 2009. Its figures are derived independently by derive_expected.py.
inline std::string jointHighIncomeScenario() { return readFile(TAVREL_EXAMPLES "/joint-high-income.amt"); }

}  // namespace testsupport
