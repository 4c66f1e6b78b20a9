// Scenario files from the program's side: open, save (always the whole
// scenario, in one atomic replacement), the saved flag and the names.
#include "scenario/ScenarioFiles.h"

#include "ShellTestSupport.h"
#include "TempDir.h"

#include "platform/IniProfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

using namespace tavrel::shell;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

const std::string kExample = std::string(TAVREL_EXAMPLES) + "/joint-high-income.amt";

int sectionCount(const std::string& text) {
    int n = 0;
    for (const char* s : {"[AMT]", "[Scenario1]", "[Scenario2]", "[Scenario3]", "[Scenario4]"})
        n += text.find(s) != std::string::npos;
    return n;
}

}  // namespace

TEST(ScenarioFiles, SaveToANewNameRightAfterAnOpenWritesAllFiveSections) {
    testsupport::TempDir dir;
    testsupport::TestShell t;
    t.state.IsSilent = true;
    ASSERT_EQ(OpenFile(t.shell, kExample), OpenResult::Opened);
    Save(t.shell, dir.file("copy.amt"));
    const std::string saved = readFile(dir.file("copy.amt"));
    EXPECT_EQ(sectionCount(saved), 5) << saved;
    EXPECT_NE(saved.find("Wages Spouse 1=310,000"), std::string::npos);
    EXPECT_NE(saved.find("Max Amount Deferred=40,000"), std::string::npos);
    EXPECT_FALSE(t.state.Planner->isEditing());
    EXPECT_FALSE(t.state.Planner->cur().isEditing());
    // Saving again at once writes the same five sections again.
    std::filesystem::remove(dir.file("copy.amt"));
    Save(t.shell, dir.file("copy.amt"));
    EXPECT_EQ(readFile(dir.file("copy.amt")), saved);
}

TEST(ScenarioFiles, OpenLoadsThePlannerAndTheEnteredReturnsInEditMode) {
    testsupport::TestShell t;
    ASSERT_EQ(OpenFile(t.shell, kExample), OpenResult::Opened);
    EXPECT_EQ(t.state.CurrentFile, kExample);
    EXPECT_EQ(t.view.status, "File: " + kExample);
    EXPECT_TRUE(t.state.IsSaved);
    EXPECT_EQ(t.state.Planner->getProperty("MaxItemizedTaxDeferred"), "40,000");
    EXPECT_EQ(t.state.Planner->nxt().inc().getProperty("WageSp1"), "480,000");
    EXPECT_TRUE(t.state.Planner->isEditing());
    EXPECT_TRUE(t.state.Planner->nxtAcc().isEditing());
}

TEST(ScenarioFiles, AMissingFileIsReportedAndChangesNothing) {
    testsupport::TempDir dir;
    testsupport::TestShell t;
    t.state.CurrentFile = "/before.amt";
    EXPECT_EQ(OpenFile(t.shell, dir.file("gone.amt")), OpenResult::Missing);
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].title, "WARNING");
    EXPECT_EQ(t.dialogs.shown[0].text, dir.file("gone.amt") + " does not exist.");
    EXPECT_EQ(t.dialogs.shown[0].icon, Icon::Exclamation);
    EXPECT_EQ(t.state.CurrentFile, "/before.amt");
}

TEST(ScenarioFiles, AFileWithNoScenarioSectionIsRefused) {
    testsupport::TempDir dir;
    writeFile(dir.file("other.amt"), "[Printer]\nport=LPT1\n");
    testsupport::TestShell t;
    try {
        OpenFile(t.shell, dir.file("other.amt"));
        FAIL() << "opened";
    } catch (const tavrel::TaxError& e) {
        EXPECT_EQ(e.number(), 13);
        EXPECT_NE(e.source().find("is not a scenario file"), std::string::npos);
    }
    EXPECT_EQ(t.state.CurrentFile, "");
    writeFile(dir.file("partial.amt"), "[Scenario2]\nYear=2009\n");
    EXPECT_EQ(OpenFile(t.shell, dir.file("partial.amt")), OpenResult::Opened);
}

TEST(ScenarioFiles, AFailedSaveLeavesTheOldFileAndTheSavedFlag) {
    testsupport::TempDir dir;
    testsupport::TestShell t;
    t.state.IsSilent = true;
    const std::string file = dir.file("s.amt");
    std::filesystem::copy_file(kExample, file);
    ASSERT_EQ(OpenFile(t.shell, file), OpenResult::Opened);
    const std::string before = readFile(file);
    t.state.IsSaved = false;
    // A component whose fourth write fails: the first sections are already written
    // to it when the save breaks off.
    int writes = 0;
    auto previous = tavrel::platform::setKeyedProfileFactory([&]() -> std::unique_ptr<tavrel::KeyedProfile> {
        class Failing final : public tavrel::KeyedProfile {
        public:
            explicit Failing(int& w) : writes_(w) {}
            void setFile(std::string_view p) override { inner_.setFile(p); }
            std::string readValue(std::string_view s, std::string_view k, std::string_view d) override {
                return inner_.readValue(s, k, d);
            }
            void writeValue(std::string_view s, std::string_view k, std::string_view v) override {
                if (++writes_ == 60)
                    throw tavrel::TaxError::standard(tavrel::err::DeviceIO, "test: the disk went away");
                inner_.writeValue(s, k, v);
            }
            void release() override { inner_.release(); }

        private:
            int& writes_;
            tavrel::platform::IniProfile inner_;
        };
        return std::make_unique<Failing>(writes);
    });
    EXPECT_THROW(Save(t.shell, file), tavrel::TaxError);
    tavrel::platform::setKeyedProfileFactory(previous);
    EXPECT_GE(writes, 60);
    EXPECT_EQ(readFile(file), before);
    EXPECT_FALSE(t.state.IsSaved);
}

TEST(ScenarioFiles, SavingToTheDebugFileLeavesTheSavedFlag) {
    testsupport::TempDir dir;
    testsupport::TestShell t;
    t.state.IsSilent = true;
    t.state.ProgramFolder = dir.path();
    t.state.DebugFile = "DEBUG.AMT";
    t.state.IsSaved = false;
    Save(t.shell, dir.file("DEBUG.AMT"));
    EXPECT_FALSE(t.state.IsSaved);
    Save(t.shell, dir.file("real.amt"));
    EXPECT_TRUE(t.state.IsSaved);
}

TEST(ScenarioFiles, InteractiveSaveRemembersTheDataFolder) {
    testsupport::TempDir dir;
    testsupport::TestShell t;
    t.state.IniFile = dir.file("tavrel.ini");
    std::filesystem::create_directories(dir.file("plans"));
    Save(t.shell, dir.file("plans/a.amt"));
    EXPECT_EQ(t.state.DataFilePath, dir.file("plans"));
    EXPECT_NE(readFile(t.state.IniFile).find("Data File Path=" + dir.file("plans")), std::string::npos);
}

TEST(ScenarioFiles, ClearAllDataGivesFreshNumberedReturns) {
    testsupport::TestShell t;
    auto old = t.state.Planner;
    ClearAllData(t.shell);
    EXPECT_NE(t.state.Planner, old);
    EXPECT_EQ(t.state.Planner->goNxtYearAcc()->ColumnIdx(), 4);
    EXPECT_TRUE(t.state.Planner->IsNew());
}

TEST(ScenarioFiles, GetInputsGoesThroughTheFile) {
    testsupport::TempDir dir;
    testsupport::TestShell t;
    t.state.IsSilent = true;
    t.state.CurrentFile = dir.file("g.amt");
    auto& p = *t.state.Planner;
    p.BeginEdit();
    p.cur().BeginEdit();
    p.cur().inc().letProperty("WageSp1", "1234.56");
    GetInputs(t.shell);
    EXPECT_NE(t.state.Planner.get(), &p);
    EXPECT_EQ(t.state.Planner->cur().inc().get(osgrin::iInc::WageSp1), tavrel::usd(1235));  // as the file holds it
}

TEST(ScenarioFiles, PathsAndExistence) {
    EXPECT_EQ(GetPath("/home/ann/plans/a.amt"), "/home/ann/plans");
    EXPECT_EQ(GetPath("/a.amt"), "/");
    EXPECT_EQ(GetPath("a.amt"), "");
    EXPECT_TRUE(FileExists(kExample));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists("/no/such/file.amt"));
}

// A file changed on disk since this program opened or saved it (another copy of
// the program, a sync tool) is never overwritten without a question; what the
// answer does, row by row.
TEST(ScenarioFiles, SaveAsksBeforeOverwritingAFileChangedOnDisk) {
    struct Row {
        const char* name;
        std::optional<Answer> answer;  // nothing: no question is expected
        bool changedByOther;
        bool saved;        // Save's result
        bool fileIsOurs;   // the file holds this program's inputs afterwards
        bool savedAsCopy;  // the inputs went to copy.amt
    };
    // clang-format off
    const Row rows[] = {
        {"unchanged: no question",  std::nullopt,       false, true,  true,  false},
        {"overwrite",               Answer::Yes,        true,  true,  true,  false},
        {"save as another name",    Answer::No,         true,  true,  false, true},
        {"cancel",                  Answer::Cancel,     true,  false, false, false},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        testsupport::TempDir dir;
        const std::string file = dir.file("plan.amt");
        std::filesystem::copy_file(kExample, file);
        testsupport::TestShell ours;
        ours.state.IniFile = dir.file("tavrel.ini");
        ASSERT_EQ(OpenFile(ours.shell, file), OpenResult::Opened);
        ours.state.Planner->cur().inc().letProperty("WageSp1", "111,111");
        if (r.changedByOther) {
            // The other program opens, changes and saves the same file.
            testsupport::TestShell other;
            other.state.IniFile = dir.file("other.ini");
            ASSERT_EQ(OpenFile(other.shell, file), OpenResult::Opened);
            other.state.Planner->cur().inc().letProperty("WageSp1", "222,222");
            ASSERT_TRUE(Save(other.shell, file));
            EXPECT_TRUE(other.dialogs.shown.empty());
        }
        if (r.answer) ours.dialogs.answers.push_back(*r.answer);
        ours.dialogs.fileNames.push_back(dir.file("copy"));
        EXPECT_EQ(Save(ours.shell, file), r.saved);
        const bool asked = !ours.dialogs.shown.empty() && ours.dialogs.shown[0].title == "File Changed";
        EXPECT_EQ(asked, r.answer.has_value());
        if (asked) {
            EXPECT_EQ(ours.dialogs.shown[0].buttons, Buttons::OverwriteSaveAsCancel);
        }
        EXPECT_EQ(readFile(file).find("111,111") != std::string::npos, r.fileIsOurs);
        EXPECT_EQ(std::filesystem::exists(dir.file("copy.amt")), r.savedAsCopy);  // ".amt" added
        if (r.changedByOther && !r.fileIsOurs) {
            EXPECT_NE(readFile(file).find("222,222"), std::string::npos);
        }
        // Once this program has written the file, the next save asks nothing.
        if (r.saved) {
            ours.dialogs.shown.clear();
            EXPECT_TRUE(Save(ours.shell, ours.state.CurrentFile));
            EXPECT_TRUE(ours.dialogs.shown.empty());
        }
    }
}
