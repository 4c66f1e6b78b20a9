// A file replaced piece by piece: the target changes only at the commit, and a
// replacement given up (dropped without commit, or failed) leaves no trace.
#include "platform/FileAccess.h"

#include "TempDir.h"

#include <gtest/gtest.h>

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
