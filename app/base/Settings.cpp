#include "base/Settings.h"

#include "base/DataFolder.h"
#include "base/RecentFiles.h"

#include "platform/IniProfile.h"
#include "common/FixedText.h"
#include "common/NumericText.h"

#include <cstdlib>
#include <filesystem>

namespace tavrel::shell {
namespace {

constexpr std::string_view kPreferences = "User Preferences";

void warn(Shell& shell, const std::string& text) {
    shell.dialogs.message("WARNING", text, Icon::Exclamation, Buttons::Ok);
}

// A number from the settings file, or the default with a warning.
double numberSetting(Shell& shell, std::string_view section, std::string_view key, double defaultValue) {
    const std::string text = readSetting(shell, section, key, "");
    if (text.empty()) return defaultValue;
    double value = 0;
    if (tavrel::parseDouble(text, value)) return value;
    warn(shell, "The setting \"" + std::string(key) + "\" in " + shell.state.IniFile + " is \"" + text +
                    "\", which is not a number; " + tavrel::doubleText(defaultValue) + " is used instead.");
    return defaultValue;
}

}  // namespace

std::string settingsFilePath(const std::string& programFolder, const std::string& executableName) {
    const std::string fileName = executableName + ".ini";
    if (folderIsWritable(programFolder)) return programFolder + "/" + fileName;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string base = config && *config ? config : "";
    if (base.empty()) {
        const char* home = std::getenv("HOME");
        base = std::string(home && *home ? home : "/tmp") + "/.config";
    }
    std::error_code ec;
    std::filesystem::create_directories(base + "/tavrel", ec);
    return base + "/tavrel/" + fileName;
}

std::string readSetting(const Shell& shell, std::string_view section, std::string_view key,
                        std::string_view defaultValue) {
    auto profile = platform::createKeyedProfile();
    profile->setFile(shell.state.IniFile);
    std::string value = profile->readValue(section, key, defaultValue);
    profile->release();
    return value;
}

void writeSetting(const Shell& shell, std::string_view section, std::string_view key, std::string_view value) {
    auto profile = platform::createKeyedProfile();
    profile->setFile(shell.state.IniFile);
    profile->writeValue(section, key, value);
    profile->release();
}

void GetIni(Shell& shell) {
    AppState& s = shell.state;
    s.IniFile = settingsFilePath(s.ProgramFolder, "tavrel");
    s.HideError380 = numberSetting(shell, "Hide Error Msg", "380", 0) != 0;
    s.DataFilePath = startingDataFolder(readSetting(shell, "Data Files", "Data File Path", ""));
    writeSetting(shell, "Data Files", "Data File Path", s.DataFilePath);
    std::string font(trimRight(readSetting(shell, kPreferences, "Font Name", "Courier New")));
    s.FontNamePref = font.empty() ? "Courier New" : font;
    const double size = numberSetting(shell, kPreferences, "Font Size", 10);
    s.FontSizePref = size > 0 && size < 1000 ? static_cast<float>(size) : 10.0f;
    s.ReportsInOneWindow = numberSetting(shell, kPreferences, "Reports In One Window", 0) == 1;
    s.DebugFile = "DEBUG.AMT";
    MaintMRUList(shell, "");
}

ReportFlags readReportFlags(Shell& shell) {
    auto flag = [&](std::string_view key) { return numberSetting(shell, kPreferences, key, 1) == 1; };
    return {flag("Input Report"), flag("Summary Report"), flag("Detailed Report")};
}

void writeReportFlags(Shell& shell, const ReportFlags& f) {
    writeSetting(shell, kPreferences, "Input Report", f.input ? "1" : "0");
    writeSetting(shell, kPreferences, "Summary Report", f.summary ? "1" : "0");
    writeSetting(shell, kPreferences, "Detailed Report", f.detailed ? "1" : "0");
}

void writeReportsInOneWindow(Shell& shell, bool oneWindow) {
    shell.state.ReportsInOneWindow = oneWindow;
    writeSetting(shell, kPreferences, "Reports In One Window", oneWindow ? "1" : "0");
}

void writeFontPreferences(Shell& shell) {
    writeSetting(shell, kPreferences, "Font Name", shell.state.FontNamePref);
    writeSetting(shell, kPreferences, "Font Size", tavrel::doubleText(shell.state.FontSizePref));
}

}  // namespace tavrel::shell
