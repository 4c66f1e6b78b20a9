// Where the settings live, and how they read back.
#include "base/Settings.h"
#include "base/DataFolder.h"

#include "Permissions.h"
#include "ShellTestSupport.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

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

// --- The data folder -----------------------------------------------------------

namespace {

// Sets an environment variable (or removes it, given nullptr) for a scope.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) saved_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() {
        if (saved_)
            ::setenv(name_, saved_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> saved_;
};

class ScopedCurrentFolder {
public:
    explicit ScopedCurrentFolder(const std::string& folder) : saved_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ScopedCurrentFolder(const ScopedCurrentFolder&) = delete;
    ScopedCurrentFolder& operator=(const ScopedCurrentFolder&) = delete;
    ~ScopedCurrentFolder() { std::filesystem::current_path(saved_); }

private:
    std::filesystem::path saved_;
};

}  // namespace

// Which folder New and Save As offer at start: where a user can save.
TEST(DataFolder, TheStoredFolderWhenWritableElseTheDocumentsFolder) {
    enum class Config { Set, Unset, Relative };
    enum class Stored { None, Writable, Missing, ReadOnly, AFile };
    struct Case {
        const char* what;
        bool homeSet;
        Config config;           // XDG_CONFIG_HOME: "<root>/config", unset, or "config"
        const char* userDirs;    // the user-dirs.dirs text, or nullptr for no file
        const char* userDirsIn;  // its folder under the root: "config" or "home/.config"
        Stored stored;
        const char* expected;  // under the root; "" is the root itself (the current folder)
    };
    // clang-format off
    const Case cases[] = {
        {"no user-dirs.dirs",            true,  Config::Set,      nullptr,                                       "config",       Stored::None,     "home/Documents"},
        {"documents under $HOME",        true,  Config::Set,      "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n",        "config",       Stored::None,     "home/Papers"},
        {"absolute documents folder",    true,  Config::Set,      "XDG_DOCUMENTS_DIR=\"@/elsewhere/Docs/\"\n",   "config",       Stored::None,     "elsewhere/Docs"},
        {"~/.config without the variable", true, Config::Unset,  "XDG_DOCUMENTS_DIR=\"$HOME/Letters\"\n",       "home/.config", Stored::None,     "home/Letters"},
        {"a relative variable is ignored", true, Config::Relative, "XDG_DOCUMENTS_DIR=\"$HOME/Letters\"\n",      "home/.config", Stored::None,     "home/Letters"},
        {"the file of the variable wins", true, Config::Set,      "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n",        "home/.config", Stored::None,     "home/Documents"},
        {"comments, other keys, escapes", true, Config::Set,
         "# XDG_DOCUMENTS_DIR=\"$HOME/Not\"\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/Old\"\n"
         "  XDG_DOCUMENTS_DIR = \"$HOME/My \\\"Tax\\\" Files\"\n",                                                "config",       Stored::None,     "home/My \"Tax\" Files"},
        {"neither absolute nor $HOME",   true,  Config::Set,      "XDG_DOCUMENTS_DIR=\"Docs\"\n",                "config",       Stored::None,     "home/Documents"},
        {"$HOME itself",                 true,  Config::Set,      "XDG_DOCUMENTS_DIR=\"$HOME/\"\n",              "config",       Stored::None,     "home"},
        {"$HOMEWORK is not $HOME",       true,  Config::Set,      "XDG_DOCUMENTS_DIR=\"$HOMEWORK\"\n",           "config",       Stored::None,     "home/Documents"},
        {"documents cannot be made",     true,  Config::Set,      "XDG_DOCUMENTS_DIR=\"$HOME/file/Docs\"\n",     "config",       Stored::None,     "home"},
        {"no $HOME at all",              false, Config::Set,      nullptr,                                       "config",       Stored::None,     ""},
        {"stored and writable",          true,  Config::Set,      nullptr,                                       "config",       Stored::Writable, "stored"},
        {"stored but gone",              true,  Config::Set,      "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n",        "config",       Stored::Missing,  "home/Papers"},
        {"stored but a file",            true,  Config::Set,      nullptr,                                       "config",       Stored::AFile,    "home/Documents"},
        {"stored but read-only",         true,  Config::Set,      nullptr,                                       "config",       Stored::ReadOnly, "home/Documents"},
    };
    // clang-format on
    bool permissionsIgnored = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::TempDir root;
        const std::string home = root.file("home");
        std::filesystem::create_directories(home);
        testsupport::writeFile(home + "/file", "not a folder");
        std::filesystem::create_directories(root.file("config"));
        std::filesystem::create_directories(home + "/.config");
        if (c.userDirs) {
            std::string text = c.userDirs;
            if (const auto at = text.find('@'); at != std::string::npos) text.replace(at, 1, root.path());
            testsupport::writeFile(root.file(c.userDirsIn) + "/user-dirs.dirs", text);
        }
        const std::string stored = root.file("stored");
        if (c.stored == Stored::Writable || c.stored == Stored::ReadOnly) std::filesystem::create_directories(stored);
        if (c.stored == Stored::AFile) testsupport::writeFile(stored, "x");
        if (c.stored == Stored::ReadOnly)
            std::filesystem::permissions(stored,
                                         std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);

        const std::string configValue = c.config == Config::Set ? root.file("config") : "config";
        ScopedEnvironment homeVariable("HOME", c.homeSet ? home.c_str() : nullptr);
        ScopedEnvironment configVariable("XDG_CONFIG_HOME", c.config == Config::Unset ? nullptr : configValue.c_str());
        ScopedCurrentFolder current(root.path());
        testsupport::WithoutPermissionOverride asAnyUser;
        if (c.stored == Stored::ReadOnly && shell::folderIsWritable(stored)) {
            permissionsIgnored = true;
            continue;
        }
        const std::string chosen = shell::startingDataFolder(c.stored == Stored::None ? "" : stored);
        const std::string expected = *c.expected ? root.file(c.expected) : root.path();
        EXPECT_EQ(std::filesystem::weakly_canonical(chosen), std::filesystem::weakly_canonical(expected));
        EXPECT_TRUE(std::filesystem::is_directory(expected));  // made when it was missing
    }
    if (permissionsIgnored) GTEST_SKIP() << "permissions are not enforced here; the read-only case did not run";
}

// The installed program's folder, written as the data folder by an earlier
// version, gives way to the documents folder; so does having none.
TEST(DataFolder, GetIniOffersTheDocumentsFolderNotAReadOnlyProgramFolder) {
    testsupport::TempDir program, home;
    ScopedEnvironment homeVariable("HOME", home.path().c_str());
    ScopedEnvironment configVariable("XDG_CONFIG_HOME", nullptr);
    const std::string readOnly = program.file("bin");
    std::filesystem::create_directories(readOnly);
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    for (const std::string& stored : {std::string(), readOnly}) {
        SCOPED_TRACE(stored);
        testsupport::TestShell t;
        t.state.ProgramFolder = program.path();
        testsupport::writeFile(program.file("tavrel.ini"),
                               stored.empty() ? "" : "[Data Files]\nData File Path=" + stored + "\n");
        testsupport::WithoutPermissionOverride asAnyUser;
        if (!stored.empty() && shell::folderIsWritable(readOnly)) GTEST_SKIP() << "permissions are not enforced here";
        shell::GetIni(t.shell);
        EXPECT_EQ(t.state.DataFilePath, home.path() + "/Documents");
        EXPECT_TRUE(std::filesystem::is_directory(home.path() + "/Documents"));
        EXPECT_NE(
            testsupport::readFile(program.file("tavrel.ini")).find("Data File Path=" + home.path() + "/Documents"),
            std::string::npos);
    }
}
