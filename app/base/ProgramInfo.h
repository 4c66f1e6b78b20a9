#pragma once
// Identity of the program: version, file description, and where it lives.

#include "common/Version.h"

#include <string>

namespace tavrel::shell {

inline constexpr int kVersionMajor = version::kMajor;
inline constexpr int kVersionMinor = version::kMinor;
inline constexpr int kVersionRevision = version::kRevision;
// The program's file description: the title of its dialogs and error reports.
inline constexpr const char* kFileDescription = "Tavrel AMT Planner";

// "PELQ" + major + "." + minor, e.g. PELQ2008.10.
std::string versionShort();
// versionShort() + "." + revision, e.g. PELQ2008.10.7.
std::string versionFull();

// The folder of the running executable, and its file name without folder.
const std::string& programFolder();
const std::string& executableName();

}  // namespace tavrel::shell
