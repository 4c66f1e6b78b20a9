#pragma once
// The run-wide state of the program: the one planner, the current file, the
// settings the run has read, and how it was started.

#include "base/FileStamp.h"
#include "base/ReportFlags.h"

#include "planner/AMT.h"
#include "returnengine/law/LawEdition.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace tavrel::shell {

struct AppState {
    std::shared_ptr<mirvane::AMT> Planner = std::make_shared<mirvane::AMT>();
    std::string CurrentFile;
    std::string DataFilePath;
    std::string IniFile;
    bool IsSilent = false;
    // "/law" on the command line: the law for this run whatever the scenario
    // says; never saved. Choosing a law in the program ends it.
    std::optional<osgrin::LawEdition> LawOverride;
    // "/year": the plan year for this run in the same way; choosing a plan
    // year in the program ends it.
    std::optional<std::int16_t> PlanYearOverride;
    std::string OutputFile;
    std::string ErrorLogFile;
    std::string VersionShort;
    std::string VersionFull;
    bool IsSaved = true;
    // The current file as this program last read or wrote it: a save over a
    // file that has changed since asks first.
    FileStamp CurrentFileStamp;
    bool HideError380 = false;
    std::string FontNamePref = "Courier New";
    float FontSizePref = 10;
    std::string DebugFile;
    int StartupChoice = 0;
    // The five most recent files, most recent first.
    std::array<std::string, 5> RecentFiles;
    ReportFlags Reports;
    // Options > Reports in One Window: a run's reports as tabs of one window.
    bool ReportsInOneWindow = false;
    // The program's folder: the settings file, the help file and the debug file live there.
    std::string ProgramFolder;
};

}  // namespace tavrel::shell
