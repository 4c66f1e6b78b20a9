// The profile component on real files: lazy reading, saving all at once on
// release, and failures that leave the old file exactly as it was.

#include "platform/FileAccess.h"
#include "platform/IniProfile.h"
#include "common/TaxError.h"

#include "Permissions.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <linux/capability.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace fs = std::filesystem;
using tavrel::KeyedProfile;
using tavrel::TaxError;
using tavrel::platform::IniProfile;

namespace {

using TempFolder = testsupport::TempDir;
using testsupport::readFile;
using testsupport::writeFile;

std::vector<std::string> fileLines(const std::string& path) {
    std::vector<std::string> out;
    std::istringstream in(readFile(path));
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// Runs the call and returns the error it raised; fails the test if it raised none.
template <class F>
TaxError errorOf(F&& call) {
    try {
        call();
    } catch (const TaxError& e) {
        return e;
    }
    ADD_FAILURE() << "no error was raised";
    return TaxError(0, "", "");
}

using testsupport::WithoutPermissionOverride;

// True when a file cannot be created in a read-only folder (checked, not assumed).
bool permissionsEnforced() {
    TempFolder scratch;
    const std::string folder = scratch.file("read-only");
    fs::create_directory(folder);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    const std::string probe = folder + "/p";
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT, 0600);
    if (fd >= 0) {
        ::close(fd);
        ::unlink(probe.c_str());
    }
    return fd < 0;
}

const std::string kPaddedName = "John Q. Smith" + std::string(37, ' ');  // 50 characters

// --- Reading -------------------------------------------------------------------

TEST(IniProfileRead, MissingFileSectionOrKeyGivesTheDefault) {
    TempFolder dir;
    IniProfile p;
    p.setFile(dir.file("none.amt"));
    EXPECT_EQ(p.readValue("Return", "Name", "dflt"), "dflt");

    IniProfile inMissingFolder;
    inMissingFolder.setFile(dir.file("no-such-folder/x.amt"));
    EXPECT_EQ(inMissingFolder.readValue("Return", "Name", "dflt"), "dflt");

    writeFile(dir.file("r.amt"), "[Return]\nName=Smith\n");
    IniProfile q;
    q.setFile(dir.file("r.amt"));
    EXPECT_EQ(q.readValue("Nope", "Name", "d1"), "d1");
    EXPECT_EQ(q.readValue("Return", "Nope", "d2"), "d2");
    EXPECT_EQ(q.readValue("Return", "Name", "d3"), "Smith");
}

TEST(IniProfileRead, NamesIgnoreCase) {
    TempFolder dir;
    writeFile(dir.file("r.amt"), "[FILING INFO]\nSpouse 1 Over 65=True\n");
    IniProfile p;
    p.setFile(dir.file("r.amt"));
    EXPECT_EQ(p.readValue("filing info", "SPOUSE 1 OVER 65", "False"), "True");
}

TEST(IniProfileRead, CrLfFileWithByteOrderMark) {
    TempFolder dir;
    writeFile(dir.file("r.amt"), "\xEF\xBB\xBF[Settings]\r\nRecent File=/home/a/2008.amt\r\nTop=120\r\n");
    IniProfile p;
    p.setFile(dir.file("r.amt"));
    EXPECT_EQ(p.readValue("Settings", "Recent File", ""), "/home/a/2008.amt");
    EXPECT_EQ(p.readValue("Settings", "Top", ""), "120");
}

TEST(IniProfileRead, FileIsReadOnceOnFirstUse) {
    TempFolder dir;
    writeFile(dir.file("r.amt"), "[S]\nK=before\n");
    IniProfile p;
    p.setFile(dir.file("r.amt"));
    writeFile(dir.file("r.amt"), "[S]\nK=at first read\n");  // not read at setFile
    EXPECT_EQ(p.readValue("S", "K", ""), "at first read");
    writeFile(dir.file("r.amt"), "[S]\nK=later\n");  // nor again afterwards
    EXPECT_EQ(p.readValue("S", "K", ""), "at first read");
}

TEST(IniProfileRead, UnreadableFileRaises75WithPathAndReason) {
    TempFolder dir;
    const std::string path = dir.file("locked.amt");
    writeFile(path, "[S]\nK=1\n");
    fs::permissions(path, fs::perms::none);
    WithoutPermissionOverride guard;
    if (!permissionsEnforced()) GTEST_SKIP() << "file permissions are not enforced for this user";
    IniProfile p;
    p.setFile(path);
    const TaxError e = errorOf([&] { p.readValue("S", "K", ""); });
    EXPECT_EQ(e.number(), 75);
    EXPECT_NE(e.source().find("\"" + path + "\""), std::string::npos) << e.source();
    EXPECT_NE(e.source().find("Permission denied"), std::string::npos) << e.source();
}

TEST(IniProfileRead, FolderInPlaceOfTheFileRaises75) {
    TempFolder dir;
    const std::string path = dir.file("folder.amt");
    fs::create_directory(path);
    IniProfile p;
    p.setFile(path);
    const TaxError e = errorOf([&] { p.writeValue("S", "K", "v"); });
    EXPECT_EQ(e.number(), 75);
    EXPECT_NE(e.source().find(path), std::string::npos) << e.source();
}

TEST(IniProfileRead, AbsurdlyLargeFileRaises7InsteadOfLoading) {
    TempFolder dir;
    const std::string path = dir.file("huge.amt");
    writeFile(path, "[S]\nK=1\n");
    fs::resize_file(path, tavrel::platform::kMaxTextFileBytes + 1);  // sparse: costs no disk
    IniProfile p;
    p.setFile(path);
    const TaxError e = errorOf([&] { p.readValue("S", "K", ""); });
    EXPECT_EQ(e.number(), 7);
    EXPECT_NE(e.source().find(path), std::string::npos) << e.source();

    fs::resize_file(path, tavrel::platform::kMaxTextFileBytes);  // exactly at the limit is accepted
    IniProfile q;
    q.setFile(path);
    EXPECT_EQ(q.readValue("S", "K", ""), "1");
}

// --- Misuse --------------------------------------------------------------------

TEST(IniProfileMisuse, ReadOrWriteBeforeSetFileRaises52) {
    IniProfile p;
    EXPECT_EQ(errorOf([&] { p.readValue("S", "K", ""); }).number(), 52);
    EXPECT_EQ(errorOf([&] { p.writeValue("S", "K", "v"); }).number(), 52);
    EXPECT_EQ(errorOf([&] { p.setFile(""); }).number(), 52);
    EXPECT_NO_THROW(p.release());  // nothing to commit
}

TEST(IniProfileMisuse, BadNamesRaise5NamingTheName) {
    TempFolder dir;
    IniProfile p;
    p.setFile(dir.file("r.amt"));
    TaxError e = errorOf([&] { p.writeValue("Return", "Bad=Key", "v"); });
    EXPECT_EQ(e.number(), 5);
    EXPECT_NE(e.source().find("\"Bad=Key\""), std::string::npos) << e.source();
    e = errorOf([&] { p.writeValue("Sec]tion", "K", "v"); });
    EXPECT_EQ(e.number(), 5);
    EXPECT_NE(e.source().find("\"Sec]tion\""), std::string::npos) << e.source();
    e = errorOf([&] { p.readValue("Return", "two\nlines", ""); });
    EXPECT_EQ(e.number(), 5);
    EXPECT_NE(e.source().find("\"two\\nlines\""), std::string::npos) << e.source();
    EXPECT_EQ(errorOf([&] { p.writeValue("  ", "K", "v"); }).number(), 5);
    EXPECT_EQ(errorOf([&] { p.writeValue("S", "", "v"); }).number(), 5);
    p.release();
    EXPECT_FALSE(fs::exists(dir.file("r.amt")));
}

TEST(IniProfileMisuse, SwitchingFilesWithUnreleasedWritesRaises5) {
    TempFolder dir;
    IniProfile p;
    p.setFile(dir.file("a.amt"));
    p.writeValue("S", "K", "v");
    EXPECT_EQ(errorOf([&] { p.setFile(dir.file("b.amt")); }).number(), 5);
    EXPECT_NO_THROW(p.setFile(dir.file("a.amt")));  // the same file is no switch
    p.release();
    EXPECT_EQ(readFile(dir.file("a.amt")), "[S]\nK=v\n");
    EXPECT_NO_THROW(p.setFile(dir.file("b.amt")));
}

// --- Saving --------------------------------------------------------------------

TEST(IniProfileSave, RoundTripThroughTheFile) {
    TempFolder dir;
    const std::string path = dir.file("return.amt");
    {
        IniProfile p;
        p.setFile(path);
        p.writeValue("Return", "Name", kPaddedName);
        p.writeValue("Return", "Year", "2008");
        p.writeValue("Filing Info", "Spouse 1 Over 65", "True");
        p.writeValue("Income", "Wages", "-1,234.5678");
        p.release();
    }
    EXPECT_EQ(readFile(path), "[Return]\nName=" + kPaddedName +
                                  "\nYear=2008\n\n[Filing Info]\nSpouse 1 Over 65=True\n\n"
                                  "[Income]\nWages=-1,234.5678\n");
    IniProfile q;
    q.setFile(path);
    EXPECT_EQ(q.readValue("return", "name", ""), kPaddedName);
    EXPECT_EQ(q.readValue("Return", "Year", ""), "2008");
    EXPECT_EQ(q.readValue("Filing Info", "Spouse 1 Over 65", ""), "True");
    EXPECT_EQ(q.readValue("Income", "Wages", ""), "-1,234.5678");
}

TEST(IniProfileSave, ValueWithLineBreakAndQuoteAddsNoKeyOrSection) {
    TempFolder dir;
    const std::string path = dir.file("return.amt");
    const std::string hostile = "Smith\r\n[Evil]\nInjected=1\r\n\"";
    {
        IniProfile p;
        p.setFile(path);
        p.writeValue("Return", "Name", hostile);
        p.writeValue("Return", "Year", "2008");
        p.release();
    }
    const auto lines = fileLines(path);
    ASSERT_EQ(lines.size(), 3u) << readFile(path);
    EXPECT_EQ(lines[0], "[Return]");
    EXPECT_EQ(lines[1].rfind("Name=\"", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2], "Year=2008");
    IniProfile q;
    q.setFile(path);
    EXPECT_EQ(q.readValue("Return", "Name", ""), hostile);
    EXPECT_EQ(q.readValue("Evil", "Injected", "absent"), "absent");
}

TEST(IniProfileSave, CommentsUnknownKeysAndOrderSurviveARewrite) {
    TempFolder dir;
    const std::string path = dir.file("return.amt");
    writeFile(path,
              "; Written by a newer version\r\n"
              "[Return]\r\n"
              "Version=9\r\n"
              "Future Key=keep me\r\n"
              "# explained here\r\n"
              "Year=2007\r\n"
              "\r\n"
              "[Future Section]\r\n"
              "a=b\r\n");
    IniProfile p;
    p.setFile(path);
    p.writeValue("Return", "Year", "2008");
    p.writeValue("Return", "Name", "Smith");
    p.writeValue("Income", "Wages", "100");
    p.release();
    EXPECT_EQ(readFile(path),
              "; Written by a newer version\n"
              "[Return]\n"
              "Version=9\n"
              "Future Key=keep me\n"
              "# explained here\n"
              "Year=2008\n"
              "Name=Smith\n"
              "\n"
              "[Future Section]\n"
              "a=b\n"
              "\n"
              "[Income]\n"
              "Wages=100\n");
}

TEST(IniProfileSave, NothingReachesTheFileBeforeRelease) {
    TempFolder dir;
    const std::string path = dir.file("return.amt");
    const std::string original = "[Return]\nYear=2007\n";
    writeFile(path, original);
    IniProfile p;
    p.setFile(path);
    p.writeValue("Return", "Year", "2008");
    EXPECT_TRUE(p.hasPendingWrites());
    EXPECT_EQ(readFile(path), original);
    EXPECT_EQ(p.readValue("Return", "Year", ""), "2008");  // the instance sees its own writes
    p.release();
    EXPECT_FALSE(p.hasPendingWrites());
    EXPECT_EQ(readFile(path), "[Return]\nYear=2008\n");
    // Later writes on the same instance need another release.
    p.writeValue("Return", "Year", "2009");
    EXPECT_EQ(readFile(path), "[Return]\nYear=2008\n");
    p.release();
    EXPECT_EQ(readFile(path), "[Return]\nYear=2009\n");
}

TEST(IniProfileSave, AnInstanceDestroyedWithoutReleaseChangesNothing) {
    TempFolder dir;
    const std::string path = dir.file("return.amt");
    const std::string original = "[Return]\r\nYear=2007\r\n";
    writeFile(path, original);
    {
        IniProfile p;
        p.setFile(path);
        p.writeValue("Return", "Year", "2008");
        p.writeValue("New", "K", "v");
    }
    EXPECT_EQ(readFile(path), original);
    {
        IniProfile p;
        p.setFile(dir.file("new.amt"));
        p.writeValue("New", "K", "v");
    }
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"return.amt"});
}

TEST(IniProfileSave, ReleaseAfterOnlyReadsLeavesTheFileAlone) {
    TempFolder dir;
    const std::string path = dir.file("return.amt");
    writeFile(path, "[Return]\nYear=2007\n");
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    IniProfile p;
    p.setFile(path);
    EXPECT_EQ(p.readValue("Return", "Year", ""), "2007");
    p.release();
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);  // a save would have put a new file in place

    IniProfile q;
    q.setFile(dir.file("missing.amt"));
    EXPECT_EQ(q.readValue("S", "K", "d"), "d");
    q.release();
    EXPECT_FALSE(fs::exists(dir.file("missing.amt")));
}

TEST(IniProfileSave, KeepsThePermissionBitsOfTheFileItReplaces) {
    TempFolder dir;
    const std::string path = dir.file("return.amt");
    writeFile(path, "[S]\nK=1\n");
    ::chmod(path.c_str(), 0604);
    IniProfile p;
    p.setFile(path);
    p.writeValue("S", "K", "2");
    p.release();
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0604u);

    // A new file gets the usual bits, not the private ones of a temporary file.
    const mode_t mask = ::umask(022);
    ::umask(mask);
    IniProfile q;
    q.setFile(dir.file("new.amt"));
    q.writeValue("S", "K", "1");
    q.release();
    ASSERT_EQ(::stat(dir.file("new.amt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0666u & ~mask);
}

TEST(IniProfileSave, SavingThroughASymbolicLinkKeepsTheLink) {
    TempFolder dir;
    writeFile(dir.file("real.amt"), "[S]\nK=1\n");
    fs::create_symlink(dir.file("real.amt"), dir.file("link.amt"));
    IniProfile p;
    p.setFile(dir.file("link.amt"));
    p.writeValue("S", "K", "2");
    p.release();
    EXPECT_TRUE(fs::is_symlink(dir.file("link.amt")));
    EXPECT_EQ(readFile(dir.file("real.amt")), "[S]\nK=2\n");
}

// --- Failed saves --------------------------------------------------------------

TEST(IniProfileFailedSave, ReadOnlyFolderRaises70AndKeepsTheOldFile) {
    TempFolder dir;
    const std::string path = dir.file("return.amt");
    const std::string original = "[Return]\r\nYear=2007\r\n; comment\r\n";
    writeFile(path, original);
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    WithoutPermissionOverride guard;
    if (!permissionsEnforced()) GTEST_SKIP() << "file permissions are not enforced for this user";
    IniProfile p;
    p.setFile(path);
    p.writeValue("Return", "Year", "2008");
    const TaxError e = errorOf([&] { p.release(); });
    EXPECT_EQ(e.number(), 70);
    EXPECT_NE(e.source().find("\"" + path + "\""), std::string::npos) << e.source();
    EXPECT_NE(e.source().find("Permission denied"), std::string::npos) << e.source();
    EXPECT_EQ(readFile(path), original);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"return.amt"});
    EXPECT_TRUE(p.hasPendingWrites());
}

TEST(IniProfileFailedSave, MissingFolderRaises76) {
    TempFolder dir;
    const std::string path = dir.file("gone/return.amt");
    IniProfile p;
    p.setFile(path);
    p.writeValue("Return", "Year", "2008");
    const TaxError e = errorOf([&] { p.release(); });
    EXPECT_EQ(e.number(), 76);
    EXPECT_NE(e.source().find("\"" + path + "\""), std::string::npos) << e.source();
    EXPECT_NE(e.source().find("No such file or directory"), std::string::npos) << e.source();
    EXPECT_TRUE(dir.entries().empty());
}

TEST(IniProfileFailedSave, FolderAtTheTargetRaises75AndLeavesNoTemporaryFile) {
    TempFolder dir;
    const std::string path = dir.file("return.amt");
    IniProfile p;
    p.setFile(path);
    p.writeValue("Return", "Year", "2008");
    fs::create_directory(path);  // appears between the read and the save
    writeFile(path + "/inside", "x");
    const TaxError e = errorOf([&] { p.release(); });
    EXPECT_EQ(e.number(), 75);
    EXPECT_NE(e.source().find("\"" + path + "\""), std::string::npos) << e.source();
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(readFile(path + "/inside"), "x");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"return.amt"});
}

TEST(IniProfileFailedSave, NoRoomForTheFileRaises61AndKeepsTheOldFile) {
    TempFolder dir;
    const std::string path = dir.file("return.amt");
    const std::string original = "[Return]\nYear=2007\n";
    writeFile(path, original);
    IniProfile p;
    p.setFile(path);
    p.writeValue("Return", "Notes", std::string(4096, 'x'));

    // A file-size limit makes the write run out of room part-way, as a full disk would.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    TaxError e(0, "", "");
    try {
        p.release();
    } catch (const TaxError& raised) {
        e = raised;
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);

    EXPECT_EQ(e.number(), 61);
    EXPECT_NE(e.source().find("\"" + path + "\""), std::string::npos) << e.source();
    EXPECT_EQ(readFile(path), original);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"return.amt"});
    // With room again the same instance saves.
    p.release();
    IniProfile q;
    q.setFile(path);
    EXPECT_EQ(q.readValue("Return", "Notes", ""), std::string(4096, 'x'));
}

TEST(IniProfileFailedSave, SystemErrorsMapToTheRuntimeNumbers) {
    using tavrel::platform::saveErrorNumber;
    EXPECT_EQ(saveErrorNumber(ENOENT), 76);
    EXPECT_EQ(saveErrorNumber(ENOTDIR), 76);
    EXPECT_EQ(saveErrorNumber(EACCES), 70);
    EXPECT_EQ(saveErrorNumber(EPERM), 70);
    EXPECT_EQ(saveErrorNumber(EROFS), 70);
    EXPECT_EQ(saveErrorNumber(ENOSPC), 61);
    EXPECT_EQ(saveErrorNumber(EDQUOT), 61);
    EXPECT_EQ(saveErrorNumber(EFBIG), 61);
    EXPECT_EQ(saveErrorNumber(EISDIR), 75);
    EXPECT_EQ(saveErrorNumber(EIO), 75);
}

// --- The factory ---------------------------------------------------------------

class RecordingProfile final : public KeyedProfile {
public:
    void setFile(std::string_view) override {}
    std::string readValue(std::string_view, std::string_view, std::string_view d) override { return std::string(d); }
    void writeValue(std::string_view, std::string_view, std::string_view) override {}
    void release() override {}
};

TEST(KeyedProfileFactory, DefaultsToTheIniComponentAndCanBeReplacedAndRestored) {
    using namespace tavrel::platform;
    EXPECT_NE(dynamic_cast<IniProfile*>(createKeyedProfile().get()), nullptr);

    const KeyedProfileFactory previous = setKeyedProfileFactory([] { return std::make_unique<RecordingProfile>(); });
    EXPECT_FALSE(previous);  // the default was in place
    EXPECT_NE(dynamic_cast<RecordingProfile*>(createKeyedProfile().get()), nullptr);

    const KeyedProfileFactory mine = setKeyedProfileFactory(nullptr);
    EXPECT_TRUE(mine);
    EXPECT_NE(dynamic_cast<RecordingProfile*>(mine().get()), nullptr);
    EXPECT_NE(dynamic_cast<IniProfile*>(createKeyedProfile().get()), nullptr);
}

TEST(KeyedProfileFactory, AFactoryThatMakesNothingRaises5) {
    using namespace tavrel::platform;
    setKeyedProfileFactory([] { return std::unique_ptr<KeyedProfile>(); });
    const TaxError e = errorOf([] { createKeyedProfile(); });
    setKeyedProfileFactory(nullptr);
    EXPECT_EQ(e.number(), 5);
}

}  // namespace
