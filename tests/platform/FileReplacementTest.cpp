// A file replaced piece by piece: the target changes only at the commit, and a
// replacement given up (dropped without commit, or failed) leaves no trace.
#include "platform/FileAccess.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using tavrel::platform::Durability;
using tavrel::platform::FileReplacement;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

TEST(FileReplacement, ThePiecesReplaceTheFileAtTheCommit) {
    for (const Durability durability : {Durability::Flushed, Durability::Unflushed}) {
        TempDir dir;
        writeFile(dir.file("out.csv"), "old\n");
        FileReplacement replacement(dir.file("out.csv"));
        EXPECT_TRUE(replacement.write("first,"));
        EXPECT_TRUE(replacement.write("second\n"));
        EXPECT_EQ(readFile(dir.file("out.csv")), "old\n");
        EXPECT_TRUE(replacement.commit(durability).ok());
        EXPECT_EQ(readFile(dir.file("out.csv")), "first,second\n");
        EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.csv"});
    }
}

TEST(FileReplacement, WithoutACommitNothingChanges) {
    TempDir dir;
    writeFile(dir.file("out.csv"), "old\n");
    {
        FileReplacement replacement(dir.file("out.csv"));
        EXPECT_TRUE(replacement.write("half of it"));
    }
    EXPECT_EQ(readFile(dir.file("out.csv")), "old\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.csv"});
}

TEST(FileReplacement, AFolderThatIsNotThereFailsEveryStep) {
    TempDir dir;
    FileReplacement replacement(dir.file("missing/out.csv"));
    EXPECT_FALSE(replacement.failure().ok());
    EXPECT_FALSE(replacement.write("text"));
    const auto committed = replacement.commit(Durability::Unflushed);
    EXPECT_FALSE(committed.ok());
    EXPECT_EQ(committed.reason, "cannot create a temporary file in the folder: No such file or directory");
    EXPECT_TRUE(dir.entries().empty());
}

// --- Saves that never finished -------------------------------------------------

namespace {

// One version of a scenario-sized file: its number, a body whose length depends
// on the number, and an end marker, so a torn or mixed file shows.
std::string version(long n) {
    std::string text = "[Version]\nNumber=" + std::to_string(n) + "\n";
    text += std::string(static_cast<std::size_t>(20000 + n % 13 * 1000), static_cast<char>('a' + n % 26));
    return text + "\nEnd=" + std::to_string(n) + "\n";
}

bool isOneWholeVersion(const std::string& text) {
    const std::string head = "[Version]\nNumber=";
    if (!text.starts_with(head)) return false;
    const long n = std::strtol(text.c_str() + head.size(), nullptr, 10);
    return text == version(n);
}

void makeOld(const std::string& path, int seconds) {
    const timespec when[2] = {{::time(nullptr) - seconds, 0}, {::time(nullptr) - seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), when, AT_SYMLINK_NOFOLLOW), 0) << path;
}

}  // namespace

// A save killed at any moment leaves the old file or the new one, whole; what
// else it leaves in the folder is gone after the next save, once it is old.
TEST(FileReplacement, SavesKilledAtRandomMomentsLeaveOneWholeFileAndNoLitter) {
    TempDir dir;
    const std::string target = dir.file("plan.amt");
    ASSERT_TRUE(tavrel::platform::replaceFileAtomically(target, version(0)).ok());
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pause(0, 8000);  // microseconds
    for (int round = 1; round <= 100; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Saves forever, each in pieces as the profile and calculator do.
            for (long n = round * 1000000L;; ++n) {
                FileReplacement replacement(target);
                const std::string text = version(n);
                for (std::size_t at = 0; at < text.size(); at += 4096)
                    if (!replacement.write(std::string_view(text).substr(at, 4096))) ::_exit(1);
                if (!replacement.commit(Durability::Flushed).ok()) ::_exit(1);
            }
        }
        ::usleep(static_cast<useconds_t>(pause(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "a save in the child failed; seed " << seed;
        ASSERT_TRUE(isOneWholeVersion(readFile(target))) << "round " << round << ", seed " << seed;
    }
    // Anything beside the target is a temporary file of this target; it is
    // swept once it is old enough that no save can still be writing it.
    for (const std::string& name : dir.entries()) {
        if (name == "plan.amt") continue;
        EXPECT_TRUE(name.starts_with(".plan.amt.~tavrel-save~")) << name;
        makeOld(dir.file(name), 120);
    }
    ASSERT_TRUE(tavrel::platform::replaceFileAtomically(target, version(7)).ok());
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"plan.amt"}) << "seed " << seed;
    EXPECT_EQ(readFile(target), version(7));
}

// What a save clears away beside its target: only its own leftovers, and only
// those no other save can still be writing.
TEST(FileReplacement, ASaveSweepsOnlyStaleTemporariesOfItsOwnTarget) {
    enum class Kind { File, Folder, Link, Locked, Foreign };
    struct Case {
        const char* name;
        Kind kind;
        int ageSeconds;
        bool swept;
    };
    // clang-format off
    const Case cases[] = {
        {".out.csv.~tavrel-save~Ab3dE9",    Kind::File,    120, true},   // left by a killed save
        {".out.csv.~tavrel-save~zzzzzz",    Kind::File,    120, true},
        {".out.csv.~tavrel-save~Qr7sT2",    Kind::File,    5,   false},  // another save may be writing it
        {".out.csv.~tavrel-save~Lk8mN4",    Kind::Locked,  120, false},  // a live save holds it
        {".out.csv.~tavrel-save~Fo1dE5",    Kind::Folder,  120, false},
        {".out.csv.~tavrel-save~Li9nK6",    Kind::Link,    120, false},
        {".out.csv.~tavrel-save~Ow2nE7",    Kind::Foreign, 120, false},  // another user's
        {".out.csv.~tavrel-save~Ab3dE",     Kind::File,    120, false},  // too short
        {".out.csv.~tavrel-save~Ab3dE9x",   Kind::File,    120, false},  // too long
        {".out.csv.~tavrel-save~Ab-dE9",    Kind::File,    120, false},
        {".out.csv.~tavrel-save~Ab3dE9.bak",Kind::File,    120, false},
        {".in.csv.~tavrel-save~Ab3dE9",     Kind::File,    120, false},  // another target's
        {"out.csv.~tavrel-save~Ab3dE9",     Kind::File,    120, false},
        {"out.csv.Ab3dE9",                  Kind::File,    120, false},  // could be the user's
        {"out.csv.backup",                  Kind::File,    120, false},
        {"out.csv~",                        Kind::File,    120, false},
    };
    // clang-format on
    TempDir dir;
    writeFile(dir.file("out.csv"), "old\n");
    writeFile(dir.file("elsewhere"), "x");
    std::vector<int> locks;
    std::vector<std::string> made;
    for (const Case& c : cases) {
        const std::string path = dir.file(c.name);
        switch (c.kind) {
        case Kind::File:
        case Kind::Locked:
        case Kind::Foreign: writeFile(path, "left behind\n"); break;
        case Kind::Folder: std::filesystem::create_directory(path); break;
        case Kind::Link: std::filesystem::create_symlink(dir.file("elsewhere"), path); break;
        }
        if (c.kind == Kind::Locked) {
            const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
            ASSERT_EQ(::flock(fd, LOCK_EX), 0);
            locks.push_back(fd);
        }
        if (c.kind == Kind::Foreign && ::chown(path.c_str(), ::geteuid() + 1000, ::getegid()) != 0) {
            std::filesystem::remove(path);  // only an administrator can give a file away
            continue;
        }
        makeOld(path, c.ageSeconds);
        made.push_back(c.name);
    }
    // The lock belongs to the open file, so the sweep's own opening of the file
    // meets it as it would meet the lock of a save in another process.
    EXPECT_TRUE(tavrel::platform::replaceFileAtomically(dir.file("out.csv"), "new\n").ok());
    for (const int fd : locks) ::close(fd);

    EXPECT_EQ(readFile(dir.file("out.csv")), "new\n");
    EXPECT_EQ(readFile(dir.file("elsewhere")), "x");
    for (const Case& c : cases) {
        if (std::find(made.begin(), made.end(), c.name) == made.end()) continue;
        EXPECT_EQ(std::filesystem::exists(std::filesystem::symlink_status(dir.file(c.name))), !c.swept) << c.name;
    }
}
