#pragma once
// The program's settings file: report font, recent files, data folder, the
// report selection and the hidden printer-font warning. An INI file named after
// the program, beside it when that folder is writable (as the program has
// always kept it), otherwise in the user's configuration folder.

#include "base/Shell.h"

#include <string>
#include <string_view>

namespace tavrel::shell {

// Where the settings file is for a program in that folder with that name.
std::string settingsFilePath(const std::string& programFolder, const std::string& executableName);

// Reads the settings at an interactive start. A value that does not convert
// falls back to its default with a warning instead of ending the start.
void GetIni(Shell& shell);

// One value of the settings file, with its default.
std::string readSetting(const Shell& shell, std::string_view section, std::string_view key,
                        std::string_view defaultValue);
void writeSetting(const Shell& shell, std::string_view section, std::string_view key, std::string_view value);

// The report selection flags ("User Preferences": "Input Report", ...; missing reads as 1).
ReportFlags readReportFlags(Shell& shell);
void writeReportFlags(Shell& shell, const ReportFlags& flags);

// Options > Reports in One Window, kept in the settings file at once.
void writeReportsInOneWindow(Shell& shell, bool oneWindow);

// Writes the report font preferences (at shutdown).
void writeFontPreferences(Shell& shell);

}  // namespace tavrel::shell
