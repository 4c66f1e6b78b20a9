// Where the settings live, and how they read back.
#include "base/Settings.h"

#include "Permissions.h"
#include "ShellTestSupport.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace tavrel;

TEST(SettingsFile, BesideAWritableProgramFolder) {
    testsupport::TempDir dir;
    EXPECT_EQ(shell::settingsFilePath(dir.path(), "tavrel"), dir.path() + "/tavrel.ini");
}

TEST(SettingsFile, InTheUsersConfigurationFolderWhenTheProgramsIsReadOnly) {
    testsupport::TempDir program, config;
    std::filesystem::permissions(program.path(),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    const char* previous = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = previous ? previous : "";
    ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    std::string path;
    {
        testsupport::WithoutPermissionOverride asAnyUser;
        path = shell::settingsFilePath(program.path(), "tavrel");
    }
    if (previous)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
    if (path == program.path() + "/tavrel.ini") GTEST_SKIP() << "permissions are not enforced here";
    EXPECT_EQ(path, config.path() + "/tavrel/tavrel.ini");
    EXPECT_TRUE(std::filesystem::is_directory(config.path() + "/tavrel"));
}

TEST(SettingsFile, ReportFlagsDefaultToAllAndRoundTrip) {
    testsupport::TempDir dir;
    testsupport::TestShell t;
    t.state.IniFile = dir.file("tavrel.ini");
    const shell::ReportFlags none = shell::readReportFlags(t.shell);
    EXPECT_TRUE(none.input && none.summary && none.detailed);
    shell::writeReportFlags(t.shell, {false, true, false});
    const shell::ReportFlags back = shell::readReportFlags(t.shell);
    EXPECT_FALSE(back.input);
    EXPECT_TRUE(back.summary);
    EXPECT_FALSE(back.detailed);
    EXPECT_NE(testsupport::readFile(dir.file("tavrel.ini")).find("Input Report=0"), std::string::npos);
}
