#pragma once
// The whole scenario and its file: the planner's section and the returns'
// sections read and written together, as the program, the tests and the
// benchmarks all do it.

#include "common/Api.h"

#include "returnengine/law/LawEdition.h"

#include <memory>
#include <string>

namespace mirvane {

class AMT;

// A fresh scenario: a planner with four fresh returns numbered 1 to 4.
MIRVANE_API std::shared_ptr<AMT> NewScenario();

// Whether the file holds at least one of the sections [AMT], [Scenario1] and
// [Scenario2] (reading it raises when it cannot be read).
MIRVANE_API bool IsScenarioFile(const std::string& file);

// Loads the planner and the two entered returns from one reading of the file;
// they keep what the file does not hold. A file that is not a scenario raises
// the type-mismatch error (13) saying so.
MIRVANE_API void LoadScenario(AMT& planner, const std::string& file);

// Writes the planner's section and all four returns' sections, whatever the
// objects' flags, in one atomic replacement of the file (a failed save leaves
// it as it was); the objects leave edit mode.
MIRVANE_API void SaveScenario(AMT& planner, const std::string& file);

// LoadScenario, then both entered years put under the law (putUnderLaw): the
// scenario as an analysis starts from it.
MIRVANE_API void OpenForAnalysis(AMT& planner, const std::string& file, osgrin::LawEdition law);

}  // namespace mirvane
