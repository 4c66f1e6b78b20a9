// The inputs report in both layouts, against reviewed golden text, and the
// line counts of every report's blocks.
#include "reports/InputsReport.h"
#include "reports/DetailedReport.h"
#include "reports/SummaryReport.h"

#include "ShellTestSupport.h"
#include "TempDir.h"

#include "scenario/ScenarioFiles.h"

#include "planner/Calculate.h"
#include "planner/TaxYears.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace tavrel;
using testsupport::readFile;

namespace {

// The planner of a copy of the scenario, opened as a silent run opens it.
std::shared_ptr<mirvane::AMT> openedCopy(const std::string& scenario, testsupport::TempDir& dir) {
    const std::string file = dir.file("s.amt");
    std::filesystem::copy_file(scenario, file);
    testsupport::TestShell t;
    t.state.IsSilent = true;
    EXPECT_EQ(shell::OpenFile(t.shell, file), shell::OpenResult::Opened);
    return t.state.Planner;
}

const std::string kJointExample = std::string(TAVREL_EXAMPLES) + "/joint-high-income.amt";

reports::Report inputsOf(const std::string& scenario, testsupport::TempDir& dir) {
    return reports::InputsReport(*openedCopy(scenario, dir), "/plans/s.amt");
}

int lineBreaks(const std::string& text) {
    int n = 0;
    for (std::size_t i = text.find("\r\n"); i != std::string::npos; i = text.find("\r\n", i + 2)) ++n;
    return n;
}

}  // namespace

TEST(InputsReport, JointHouseholdUsesTheTwoNameLayout) {
    testsupport::TempDir dir;
    const reports::Report r = inputsOf(kJointExample, dir);
    EXPECT_EQ(r.caption, "Inputs Report");
    EXPECT_EQ(r.headings.client, "Ann Whitfield and Ben Whitfield" + std::string(37, ' '));
    EXPECT_EQ(r.headings.title, "Inputs - Tavrel");
    EXPECT_EQ(r.text(), readFile(std::string(TAVREL_TEST_DATA) + "/golden/inputs-joint.expected.txt"));
}

TEST(InputsReport, MarriedSeparatelyUsesTheOneNameLayout) {
    testsupport::TempDir dir;
    const reports::Report r = inputsOf(std::string(TAVREL_TEST_DATA) + "/silent/married-separately.amt", dir);
    EXPECT_EQ(r.headings.client, "Tomas Vidal");
    const std::string text = r.text();
    EXPECT_EQ(text, readFile(std::string(TAVREL_TEST_DATA) + "/golden/inputs-married-separately.expected.txt"));
    EXPECT_NE(text.find("  Long-Term Cap Gain(-Loss)        -1,235       2,000\r\n"), std::string::npos);
    EXPECT_EQ(text.find("41,000"), std::string::npos);  // spouse 2's wages are not shown
}

// The page manager keeps a block on one page by the lines it says it holds:
// every block of the three reports, under both laws, holds exactly that many.
TEST(ReportBlocks, EveryBlockHoldsTheLinesItCounts) {
    for (const std::string& scenario :
         {kJointExample, std::string(TAVREL_TEST_DATA) + "/silent/married-separately.amt"}) {
        for (const auto law : {osgrin::LawEdition::Tables2008, osgrin::LawEdition::Enacted}) {
            testsupport::TempDir d;
            const auto planner = openedCopy(scenario, d);
            mirvane::putUnderLaw(*planner, law);
            mirvane::RunAnalysisProtocol(*planner);
            const reports::Report inputs = reports::InputsReport(*planner, "s.amt");
            const reports::Report detailed = reports::DetailedReport(*planner, "s.amt");
            const reports::Report summary = reports::SummaryReport(*planner, "s.amt");
            EXPECT_EQ(inputs.blocks.size(), 12u);
            for (const reports::Report* r : {&inputs, &detailed, &summary}) {
                SCOPED_TRACE(scenario + " " + std::string(osgrin::lawEditionText(law)) + " " + r->caption);
                EXPECT_GT(r->blocks.size(), 3u);
                // An empty block still takes a line: the page manager accepts 1 to 40.
                for (const auto& b : r->blocks) EXPECT_EQ(b.text.empty() ? 1 : lineBreaks(b.text), b.lines) << b.text;
            }
        }
    }
}

// Under the enacted law the report names it, in a block that counts the extra line;
// under the 2008 tables it says nothing (the golden files above).
TEST(InputsReport, NamesTheEnactedLaw) {
    testsupport::TempDir dir;
    const auto planner = openedCopy(kJointExample, dir);
    mirvane::putUnderLaw(*planner, osgrin::LawEdition::Enacted);
    const reports::Report r = reports::InputsReport(*planner, "/plans/s.amt");
    EXPECT_NE(r.text().find("(5%=5):    5\r\n  Tax Law: each year's law as enacted\r\n\r\n  Filing Status:"),
              std::string::npos)
        << r.text();
}

TEST(InputsReport, TheEnteredLimitReplacesASearchResult) {
    testsupport::TempDir dir;
    const auto planner = openedCopy(kJointExample, dir);
    planner->letMoney(&mirvane::AMT::Stored::MaxItemizedTaxDeferred, tavrel::usd(10112));
    EXPECT_NE(reports::InputsReport(*planner, "s.amt").text().find("deferred:        10,112"), std::string::npos);
    EXPECT_NE(reports::InputsReport(*planner, "s.amt", tavrel::usd(40000)).text().find("deferred:        40,000"),
              std::string::npos);
}

// Spouse 2's amounts under a filing status without a second spouse still count
// in the tax, so the report lists them in a block after the wages; each year
// goes by its own return's status. Otherwise there is no such block.
struct KeptCase {
    const char* name;
    int curStatus, nxtStatus;
    const char* curLines;
    const char* nxtLines;
    const char* block;  // the block after the wages; null when there is none
};

class KeptSpouseTwo : public testing::TestWithParam<KeptCase> {};

TEST_P(KeptSpouseTwo, AreListedAfterTheWages) {
    const KeptCase& c = GetParam();
    testsupport::TempDir dir;
    const std::string source = dir.file("source.amt");
    testsupport::writeFile(source,
                           "[AMT]\nMax Amount Deferred=10,000\nAfter-Tax Discount=5\n"
                           "[Scenario1]\nYear=2008\nDependents=1\nSpouse 1=Ann\nWages Spouse 1=20,000\n"
                           "Filing Status=" +
                               std::to_string(c.curStatus) + "\n" + c.curLines +
                               "[Scenario2]\nYear=2009\nDependents=1\nSpouse 1=Ann\n"
                               "Filing Status=" +
                               std::to_string(c.nxtStatus) + "\n" + c.nxtLines);
    const reports::Report r = inputsOf(source, dir);
    if (!c.block) {
        EXPECT_EQ(r.blocks.size(), 12u);
        EXPECT_EQ(r.text().find("KEPT FOR SPOUSE 2"), std::string::npos);
        return;
    }
    ASSERT_EQ(r.blocks.size(), 13u);
    EXPECT_NE(r.blocks[6].text.find("  Wages  "), std::string::npos);  // the block before it
    EXPECT_EQ(r.blocks[7].text, c.block);
    EXPECT_EQ(r.blocks[7].lines, lineBreaks(c.block));
}

INSTANTIATE_TEST_SUITE_P(
    InputsReport, KeptSpouseTwo,
    testing::Values(KeptCase{.name = "Single_WagesAndNextYearsSelfEmployment",
                             .curStatus = 1,
                             .nxtStatus = 1,
                             .curLines = "Wages Spouse 2=30,000\n",
                             .nxtLines = "SE Inc Spouse 2=5,000\n",
                             .block = "  KEPT FOR SPOUSE 2\r\n"
                                      "  -----------------\r\n"
                                      "  The filing status has no second spouse, yet these count in the tax:\r\n"
                                      "  Wages 2008                          30,000\r\n"
                                      "  Self-Employment Income 2009          5,000\r\n"
                                      "\r\n"
                                      "\r\n"},
                    KeptCase{.name = "HeadOfHousehold_NegativeSelfEmployment",
                             .curStatus = 4,
                             .nxtStatus = 4,
                             .curLines = "SE Inc Spouse 2=-1,234.56\n",
                             .nxtLines = "",
                             .block = "  KEPT FOR SPOUSE 2\r\n"
                                      "  -----------------\r\n"
                                      "  The filing status has no second spouse, yet these count in the tax:\r\n"
                                      "  Self-Employment Income 2008         -1,235\r\n"
                                      "\r\n"
                                      "\r\n"},
                    KeptCase{.name = "Widow_OnlyTheYearWithoutASecondSpouse",
                             .curStatus = 2,
                             .nxtStatus = 5,
                             .curLines = "Wages Spouse 2=30,000\n",
                             .nxtLines = "Wages Spouse 2=31,000\n",
                             .block = "  KEPT FOR SPOUSE 2\r\n"
                                      "  -----------------\r\n"
                                      "  The filing status has no second spouse, yet these count in the tax:\r\n"
                                      "  Wages 2009                          31,000\r\n"
                                      "\r\n"
                                      "\r\n"},
                    KeptCase{.name = "Joint",
                             .curStatus = 2,
                             .nxtStatus = 2,
                             .curLines = "Wages Spouse 2=30,000\n",
                             .nxtLines = "",
                             .block = nullptr},
                    KeptCase{.name = "MarriedSeparately",
                             .curStatus = 3,
                             .nxtStatus = 3,
                             .curLines = "Wages Spouse 2=30,000\n",
                             .nxtLines = "",
                             .block = nullptr},
                    KeptCase{.name = "Single_NothingEntered",
                             .curStatus = 1,
                             .nxtStatus = 1,
                             .curLines = "Spouse 2=Bo\n",
                             .nxtLines = "",
                             .block = nullptr}),
    [](const testing::TestParamInfo<KeptCase>& p) { return std::string(p.param.name); });
