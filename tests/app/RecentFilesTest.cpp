// The recent-file list against a real settings file.
#include "base/RecentFiles.h"
#include "base/Settings.h"

#include "ShellTestSupport.h"
#include "TempDir.h"

#include <gtest/gtest.h>

using testsupport::readFile;
using testsupport::writeFile;

namespace {

struct Fixture {
    testsupport::TempDir dir;
    testsupport::TestShell t;
    explicit Fixture(const std::string& settings) {
        t.state.IniFile = dir.file("tavrel.ini");
        writeFile(t.state.IniFile, settings);
    }
    std::string entry(int i) { return readSetting(t.shell, "User Preferences", "File " + std::to_string(i), ""); }
};

const std::string kFive =
    "[User Preferences]\nFile 1=/p/a.amt\nFile 2=/p/b.amt\nFile 3=/p/c.amt\nFile 4=/p/d.amt\nFile 5=/p/e.amt\n";

}  // namespace

TEST(RecentFiles, LoadingShowsTheEntriesInTheMenu) {
    Fixture f("[User Preferences]\nFile 1=/p/a.amt\nFile 2=/p/b.amt\n");
    MaintMRUList(f.t.shell, "");
    EXPECT_EQ(f.t.state.RecentFiles[0], "/p/a.amt");
    EXPECT_EQ(f.t.view.recent[1], (std::pair<bool, std::string>{true, "&1 /p/a.amt"}));
    EXPECT_EQ(f.t.view.recent[2], (std::pair<bool, std::string>{true, "&2 /p/b.amt"}));
    EXPECT_FALSE(f.t.view.recent[3].first);
    EXPECT_TRUE(f.t.view.separator);
}

TEST(RecentFiles, ANewNameShiftsInAndTheFifthDropsOff) {
    Fixture f(kFive);
    MaintMRUList(f.t.shell, "/p/new.amt");
    EXPECT_EQ(f.entry(1), "/p/new.amt");
    EXPECT_EQ(f.entry(2), "/p/a.amt");
    EXPECT_EQ(f.entry(5), "/p/d.amt");
    EXPECT_EQ(f.t.state.RecentFiles[4], "/p/d.amt");
    EXPECT_EQ(f.t.view.recent[1].second, "&1 /p/new.amt");
    EXPECT_EQ(f.t.view.recent[5].second, "&5 /p/d.amt");
}

TEST(RecentFiles, ANameAlreadyListedChangesNothing) {
    Fixture f(kFive);
    const std::string before = readFile(f.t.state.IniFile);
    MaintMRUList(f.t.shell, "/p/c.amt");
    EXPECT_EQ(readFile(f.t.state.IniFile), before);
    // Contained in a longer entry also counts as listed.
    Fixture g("[User Preferences]\nFile 1=/p/a.amt.bak\n");
    MaintMRUList(g.t.shell, "/p/a.amt");
    EXPECT_EQ(g.entry(1), "/p/a.amt.bak");
    EXPECT_EQ(g.entry(2), "");
}

TEST(RecentFiles, AnEmptyFirstEntryKeepsTheSeparatorHidden) {
    Fixture f("[User Preferences]\nFile 1=\nFile 2=/p/b.amt\n");
    MaintMRUList(f.t.shell, "");
    EXPECT_FALSE(f.t.view.separator);
    EXPECT_TRUE(f.t.view.recent[2].first);
}

TEST(RecentFiles, MissingSettingsFileStartsEmptyAndIsCreatedByTheFirstName) {
    testsupport::TempDir dir;
    testsupport::TestShell t;
    t.state.IniFile = dir.file("none.ini");
    MaintMRUList(t.shell, "");
    EXPECT_EQ(t.state.RecentFiles[0], "");
    MaintMRUList(t.shell, "/x/y.amt");
    EXPECT_NE(readFile(dir.file("none.ini")).find("File 1=/x/y.amt"), std::string::npos);
}
