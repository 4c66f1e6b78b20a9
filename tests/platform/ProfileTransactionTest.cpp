// Several profile components on one file inside a transaction: one read, one
// atomic write at commit, nothing at all without it.
#include "platform/IniProfile.h"
#include "platform/ProfileTransaction.h"

#include "common/TaxError.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using tavrel::platform::createKeyedProfile;
using tavrel::platform::ProfileTransaction;
using testsupport::readFile;
using testsupport::writeFile;

namespace {
void write(const std::string& file, const char* section, const char* key, const char* value) {
    auto p = createKeyedProfile();
    p->setFile(file);
    p->writeValue(section, key, value);
    p->release();
}
}  // namespace

TEST(ProfileTransaction, ComponentsShareOneCopyAndTheFileChangesOnceAtCommit) {
    testsupport::TempDir dir;
    const std::string file = dir.file("s.amt");
    writeFile(file, "[AMT]\nDefer SIT=True\n");
    ProfileTransaction tx(file);
    write(file, "AMT", "Defer SIT", "False");
    write(file, "Scenario1", "Year", "2008");
    EXPECT_EQ(readFile(file), "[AMT]\nDefer SIT=True\n");  // released, but not yet committed
    auto reader = createKeyedProfile();
    reader->setFile(file);
    EXPECT_EQ(reader->readValue("AMT", "Defer SIT", "?"), "False");  // sees the earlier write
    EXPECT_TRUE(tx.hasSection("Scenario1"));
    tx.commit();
    EXPECT_EQ(readFile(file), "[AMT]\nDefer SIT=False\n\n[Scenario1]\nYear=2008\n");
}

TEST(ProfileTransaction, WithoutCommitTheFileStaysAsItWas) {
    testsupport::TempDir dir;
    const std::string file = dir.file("s.amt");
    writeFile(file, "[AMT]\nDefer SIT=True\n");
    {
        ProfileTransaction tx(file);
        write(file, "AMT", "Defer SIT", "False");
    }
    EXPECT_EQ(readFile(file), "[AMT]\nDefer SIT=True\n");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"s.amt"});
    // Outside any transaction a component commits on its own again.
    write(file, "AMT", "Defer SIT", "False");
    EXPECT_EQ(readFile(file), "[AMT]\nDefer SIT=False\n");
}

TEST(ProfileTransaction, OtherFilesAreNotPartOfIt) {
    testsupport::TempDir dir;
    ProfileTransaction tx(dir.file("a.amt"));
    write(dir.file("b.ini"), "S", "K", "V");
    EXPECT_EQ(readFile(dir.file("b.ini")), "[S]\nK=V\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("a.amt")));
}

TEST(ProfileTransaction, AFailedCommitKeepsTheOldFileAndRaises) {
    testsupport::TempDir dir;
    const std::string file = dir.file("missing-folder/s.amt");
    ProfileTransaction tx(file);
    write(file, "AMT", "Defer SIT", "True");
    try {
        tx.commit();
        FAIL() << "committed into a missing folder";
    } catch (const tavrel::TaxError& e) {
        EXPECT_EQ(e.number(), 76);
        EXPECT_NE(e.source().find("missing-folder/s.amt"), std::string::npos);
    }
}

TEST(ProfileTransaction, ANonScenarioFileHasNoSuchSection) {
    testsupport::TempDir dir;
    writeFile(dir.file("x.txt"), "hello\n[Other]\n");
    ProfileTransaction tx(dir.file("x.txt"));
    EXPECT_FALSE(tx.hasSection("AMT"));
    EXPECT_TRUE(tx.hasSection("other"));
}
