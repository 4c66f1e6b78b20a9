#pragma once
// Helpers for the planner tests: scenario files and the error a call raises.

#include "AMT.h"
#include "Calculate.h"
#include "MirvaneInfo.h"

#include "ErrorOf.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace testsupport {

// Opens a scenario file as the program does: the planner's load, then the two
// entered returns, both years taxed under the current year's law.
inline void openScenario(mirvane::AMT& p, const std::string& file) {
    p.Load(file);
    p.cur().Load(file);
    p.nxt().Load(file);
    p.cur().BeginEdit();
    p.cur().letProperty("TaxYear", "2008");
    p.nxt().BeginEdit();
    p.nxt().letProperty("TaxYear", "2008");
}

// The example household: joint, high state taxes in 2008 and a large raise in
// 2009. Its figures are derived independently by derive_expected.py.
inline std::string jointHighIncomeScenario() { return readFile(TAVREL_EXAMPLES "/joint-high-income.amt"); }

}  // namespace testsupport
