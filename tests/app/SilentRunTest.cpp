// The silent run as a user starts it: the built program in its own process, on
// copies of scenario files, its output compared byte for byte with reviewed
// golden files.
#include "RunProgram.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using testsupport::readFile;
using testsupport::runProgram;
using testsupport::writeFile;

namespace {

const std::string kProgram = TAVREL_PROGRAM;
const std::string kData = TAVREL_TEST_DATA;
const std::string kExamples = TAVREL_EXAMPLES;

struct Golden {
    const char* name;
    std::string scenario;  // the scenario file
    std::string expected;  // the output a run on it must produce
};

std::vector<Golden> goldenCases() {
    std::vector<Golden> cases;
    for (const char* n : {"single-no-amt", "joint-high-income", "gains-and-self-employment", "joint-2025-2026-salt-cap",
                          "joint-2025-2026-no-deferral"})
        cases.push_back({n, kExamples + "/" + n + ".amt", kData + "/golden/" + n + ".expected.txt"});
    for (const char* n : {"single-defer-off", "joint-zero-cap", "negative-saving", "millionaire", "blank-names",
                          "wide-amounts", "cent-step-search", "regular-above-tentative", "married-separately"})
        cases.push_back({n, kData + "/silent/" + n + ".amt", kData + "/golden/" + n + ".expected.txt"});
    for (const char* n :
         {"head-of-household-gains", "joint-high-state-tax", "joint-no-deferral", "single-fixed-deferral"})
        cases.push_back({n, kData + "/reference/" + n + ".amt", kData + "/reference/" + n + ".expected.txt"});
    return cases;
}

class GoldenOutput : public ::testing::TestWithParam<Golden> {};

TEST_P(GoldenOutput, MatchesByteForByte) {
    testsupport::TempDir dir;
    const std::string scenario = dir.file("scenario.amt");
    std::filesystem::copy_file(GetParam().scenario, scenario);
    const auto r = runProgram(kProgram, {"/input", scenario, "/output", dir.file("out.txt"), "/silent"});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(readFile(dir.file("out.txt")), readFile(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Scenarios, GoldenOutput, ::testing::ValuesIn(goldenCases()), [](const auto& p) {
    std::string name = p.param.name;
    for (char& c : name)
        if (c == '-') c = '_';
    return name;
});

// A run on a copy of an example, in a folder of its own.
struct ExampleRun {
    testsupport::TempDir dir;
    std::string scenario = dir.file("joint.amt");
    std::string expected = readFile(kData + "/golden/joint-high-income.expected.txt");
    ExampleRun() { std::filesystem::copy_file(kExamples + "/joint-high-income.amt", scenario); }
};

TEST(SilentRun, AppendsToAnExistingOutputFile) {
    ExampleRun run;
    writeFile(run.dir.file("out.txt"), "earlier text\r\n");
    const auto r = runProgram(kProgram, {"/input", run.scenario, "/output", run.dir.file("out.txt"), "/silent"});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(readFile(run.dir.file("out.txt")), "earlier text\r\n" + run.expected);
}

TEST(SilentRun, WithoutAnOutputFileTheReportsGoToStandardOutput) {
    ExampleRun run;
    const auto r = runProgram(kProgram, {"--silent", "--input=" + run.scenario});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.out, run.expected);
}

TEST(SilentRun, SwitchesInAnyCaseAndOrderAndNamesWithBlanksAndCapitals) {
    testsupport::TempDir dir;
    std::filesystem::create_directories(dir.path() + "/My Plans");
    const std::string scenario = dir.path() + "/My Plans/Smith Family.AMT";
    std::filesystem::copy_file(kExamples + "/joint-high-income.amt", scenario);
    // An unquoted name with a blank arrives as two arguments.
    const auto r = runProgram(kProgram, {"/SILENT", "/Output", dir.path() + "/My", "Report.TXT", "/INPUT",
                                         dir.path() + "/My", "Plans/Smith", "Family.AMT"});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(readFile(dir.path() + "/My Report.TXT"), readFile(kData + "/golden/joint-high-income.expected.txt"));
}

// The name alone, as a file manager passes it, opens the scenario as /input does.
TEST(SilentRun, AScenarioFileNamedAloneIsTheInput) {
    ExampleRun run;
    const auto r = runProgram(kProgram, {run.scenario, "/silent", "/output", run.dir.file("o.txt")});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(readFile(run.dir.file("o.txt")), run.expected);
}

// A report file that is not a .txt is refused before anything is read or
// written, rather than sending the reports somewhere else.
TEST(SilentRun, AnOutputNameNotEndingInTxtStopsWithStatus2) {
    ExampleRun run;
    const std::string original = readFile(run.scenario);
    const auto r = runProgram(kProgram, {"/silent", "/input", run.scenario, "/output", run.dir.file("o.csv")});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_NE(r.err.find("the /output name \"" + run.dir.file("o.csv") + "\" of a silent run does not end in .txt"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(run.dir.entries(), std::vector<std::string>{"joint.amt"});
    EXPECT_EQ(readFile(run.scenario), original);  // not even saved back
}

// JSON and CSV are whole documents: a run replaces the file (a report file is
// appended to), and standard output gets the same text.
TEST(SilentRun, DataFormatsReplaceTheirFileAndMatchStandardOutput) {
    for (const char* format : {"json", "csv"}) {
        SCOPED_TRACE(format);
        ExampleRun run;
        const std::string out = run.dir.file(std::string("analysis.") + format);
        writeFile(out, "earlier text\n");
        for (int i = 0; i < 2; ++i) {
            const auto r = runProgram(kProgram, {run.scenario, "/silent", "/format", format, "/output", out});
            ASSERT_EQ(r.exitStatus, 0) << r.err;
        }
        const std::string written = readFile(out);
        EXPECT_EQ(written, runProgram(kProgram, {run.scenario, "/silent", "/format", format}).out);
        EXPECT_TRUE(written.starts_with(std::string(format) == "json"
                                            ? "{\"schema\":\"tavrel-analysis\",\"schemaVersion\":1,"
                                            : "record,year,deferral,"))
            << written.substr(0, 80);
        EXPECT_NE(written.find(std::string(format) == "json" ? "\"deferral\":10112,\"presentValueSaving\":3356"
                                                             : "answer,,10112,194983,,,,,,,3356"),
                  std::string::npos);
    }
}

TEST(SilentRun, SavesTheWholeScenarioBack) {
    ExampleRun run;
    const auto r = runProgram(kProgram, {"/input", run.scenario, "/output", run.dir.file("o.txt"), "/silent"});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    const std::string saved = readFile(run.scenario);
    for (const char* section : {"[AMT]", "[Scenario1]", "[Scenario2]", "[Scenario3]", "[Scenario4]"})
        EXPECT_NE(saved.find(section), std::string::npos) << section;
    EXPECT_NE(saved.find("Max Amount Deferred=40,000"), std::string::npos);  // the user's limit, not the result
    EXPECT_NE(saved.find("Wages Spouse 1=480,000"), std::string::npos);
    // Running again on the saved file gives the same reports.
    const auto again = runProgram(kProgram, {"/input", run.scenario, "/output", run.dir.file("p.txt"), "/silent"});
    ASSERT_EQ(again.exitStatus, 0) << again.err;
    EXPECT_EQ(readFile(run.dir.file("p.txt")), run.expected);
}

TEST(SilentRun, AMissingScenarioIsAnErrorThatWritesNothing) {
    testsupport::TempDir dir;
    const auto r = runProgram(kProgram, {"/input", dir.file("nowhere.amt"), "/output", dir.file("o.txt"), "/silent"});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_NE(r.err.find("nowhere.amt does not exist."), std::string::npos) << r.err;
    EXPECT_EQ(dir.entries(), std::vector<std::string>{});
}

TEST(SilentRun, AFileThatIsNotAScenarioIsRefusedAndLeftAlone) {
    testsupport::TempDir dir;
    const std::string notes = "Shopping list\nmilk\n[Groceries]\nbread=2\n";
    writeFile(dir.file("notes.amt"), notes);
    writeFile(dir.file("o.txt"), "kept\n");
    const auto r = runProgram(kProgram, {"/input", dir.file("notes.amt"), "/output", dir.file("o.txt"), "/silent"});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_NE(r.err.find("error 13"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("is not a scenario file"), std::string::npos) << r.err;
    EXPECT_EQ(readFile(dir.file("notes.amt")), notes);
    EXPECT_EQ(readFile(dir.file("o.txt")), "kept\n");
}

TEST(SilentRun, AnEngineErrorReportsItsNumberAndPlaceAndLeavesTheOutputAlone) {
    testsupport::TempDir dir;
    std::string text = readFile(kExamples + "/joint-high-income.amt");
    text.replace(text.find("After-Tax Discount=5"), 20, "After-Tax Discount=-100");
    writeFile(dir.file("s.amt"), text);
    writeFile(dir.file("o.txt"), "kept\n");
    const auto r = runProgram(kProgram, {"/input", dir.file("s.amt"), "/output", dir.file("o.txt"), "/silent"});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_NE(r.err.find("error 11:"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("at Template.Calculate"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("at c_calculate.CalcPresValue"), std::string::npos) << r.err;
    EXPECT_EQ(readFile(dir.file("o.txt")), "kept\n");
}

TEST(SilentRun, ADamagedValueIsReportedWithFileSectionKeyNumberAndText) {
    testsupport::TempDir dir;
    std::string text = readFile(kExamples + "/joint-high-income.amt");
    text.replace(text.find("Filing Status=2"), 15, "Filing Status=Joint");
    writeFile(dir.file("s.amt"), text);
    const auto r = runProgram(kProgram, {"/input", dir.file("s.amt"), "/output", dir.file("o.txt"), "/silent"});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_NE(r.err.find("error 13: Type mismatch (Osgrin Individual Return Engine)"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("at OpenFile \"" + dir.file("s.amt") + "\""), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("at [Scenario1] Filing Status"), std::string::npos) << r.err;
    EXPECT_EQ(readFile(dir.file("s.amt")), text);  // never saved over
    EXPECT_FALSE(std::filesystem::exists(dir.file("o.txt")));
}

TEST(SilentRun, AnUnreadableScenarioIsAnError) {
    testsupport::TempDir dir;
    std::filesystem::create_directories(dir.file("folder.amt"));
    const auto r = runProgram(kProgram, {"/input", dir.file("folder.amt"), "/silent"});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_NE(r.err.find("error 75"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
}

// ---------------------------------------------------------------------------
// The law as enacted: eight 2008 scenarios and the figures a peer computed for
// them (the 2008 column of the detailed report), with the law chosen by /law or
// by the scenario's own key.
struct EnactedFigures {
    const char* name;
    std::int64_t taxableIncome, regularTax, tentativeMinimumTax, amt;
};

const EnactedFigures kEnactedScenarios[] = {
    {"S1", 64500, 12469, 7228, 0},  {"S2", 187368, 41207, 45188, 3981}, {"S3", 158851, 27900, 26588, 0},
    {"S4", 99400, 19913, 19676, 0}, {"S5", 78600, 16380, 15282, 0},     {"S6", 313068, 82041, 92414, 10373},
    {"S7", 46811, 8047, 2486, 0},   {"S8", 128201, 24738, 25688, 950},
};

// The first figure of the report line whose label is exactly `label`.
std::int64_t firstFigure(const std::string& report, const std::string& label) {
    for (std::size_t at = report.find("  " + label + " "); at != std::string::npos;
         at = report.find("  " + label + " ", at + 1)) {
        std::size_t i = at + 2 + label.size();
        while (report[i] == ' ') ++i;
        if (report[i] != '-' && (report[i] < '0' || report[i] > '9')) continue;  // a longer label
        std::string digits;
        for (; report[i] != ' ' && report[i] != '\r'; ++i)
            if (report[i] != ',') digits += report[i];
        return std::stoll(digits);
    }
    ADD_FAILURE() << "no line " << label;
    return -1;
}

// The scenario text with its [AMT] section choosing the law.
std::string withLawKey(std::string text, const std::string& law) {
    const std::size_t lineEnd = text.find('\n', text.find("[AMT]"));
    return text.insert(lineEnd + 1, "Law Edition=" + law + "\n");
}

class EnactedScenario : public ::testing::TestWithParam<EnactedFigures> {};

TEST_P(EnactedScenario, The2008ColumnShowsThePeersFigures) {
    const EnactedFigures& c = GetParam();
    const std::string original = readFile(kData + "/reference/enacted/" + c.name + ".amt");
    for (const bool byCommandLine : {true, false}) {
        testsupport::TempDir dir;
        const std::string scenario = dir.file("s.amt");
        writeFile(scenario, byCommandLine ? original : withLawKey(original, "Enacted"));
        std::vector<std::string> args = {"/input", scenario, "/output", dir.file("o.txt"), "/silent"};
        if (byCommandLine) args.insert(args.end(), {"/law", "enacted"});
        const auto r = runProgram(kProgram, args);
        ASSERT_EQ(r.exitStatus, 0) << r.err;
        const std::string report = readFile(dir.file("o.txt"));
        EXPECT_EQ(firstFigure(report, "TAXABLE INCOME"), c.taxableIncome);
        EXPECT_EQ(firstFigure(report, "REGULAR INCOME TAX"), c.regularTax);
        EXPECT_EQ(firstFigure(report, "Tenative AMT"), c.tentativeMinimumTax);
        EXPECT_EQ(firstFigure(report, "AMT"), c.amt);
        EXPECT_NE(report.find("The computations for 2008 and 2009 are made using each year's tax law as enacted."),
                  std::string::npos);
        // The command line's law is for the run only; the file's own is kept.
        EXPECT_NE(readFile(scenario).find(byCommandLine ? "Law Edition=2008 Tables" : "Law Edition=Enacted"),
                  std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Reference, EnactedScenario, ::testing::ValuesIn(kEnactedScenarios),
                         [](const auto& p) { return std::string(p.param.name); });

// "/law tables" computes a scenario that chose the enacted law with the 2008
// tables: the reports are the tables' golden output.
TEST(SilentRun, LawTablesOverridesTheScenariosLaw) {
    ExampleRun run;
    writeFile(run.scenario, withLawKey(readFile(run.scenario), "Enacted"));
    const auto r =
        runProgram(kProgram, {"/input", run.scenario, "/output", run.dir.file("o.txt"), "/silent", "/law", "TABLES"});
    ASSERT_EQ(r.exitStatus, 0) << r.err;
    EXPECT_EQ(readFile(run.dir.file("o.txt")), run.expected);
    const auto bad = runProgram(kProgram, {"/input", run.scenario, "/silent", "/law", "2009"});
    EXPECT_EQ(bad.exitStatus, 2);
    EXPECT_NE(bad.err.find("/law takes \"tables\" or \"enacted\", not \"2009\""), std::string::npos) << bad.err;
}

// The plan year: a scenario's own, or /year's for one run. A year no law plans
// is refused at the file's key; one the law in use does not plan stops the run
// at the key or at the run's year; /year with no plan year is nonsense.
TEST(SilentRun, ThePlanYearOfTheScenarioOrOfTheRun) {
    const struct {
        const char* name;
        const char* keys;  // added to the example's [AMT] section
        std::vector<std::string> switches;
        int exitStatus;
        std::string said;                // the two years the reports name, or what standard error says
        const char* scenario = nullptr;  // under tests/data instead of the example
    } cases[] = {
        {"file load",
         "Plan Year=2030\n",
         {},
         1,
         "tavrel: error 380: Invalid property value (Mirvane AMT Planning Engine)\n    at OpenFile \"FILE\"\n"
         "    at Template.Load\n    at Template.Fetch\n    at [AMT] Plan Year\n"
         "    at \"2030\" is not a plan year: plan years run from 2001 to 2025\n"},
        {"the file's year under the 2008 tables",
         "Plan Year=2025\n",
         {},
         1,
         "tavrel: error 380: Invalid property value\n    at [AMT] Plan Year\n    at 2025 is not a plan year under the "
         "law edition \"2008 Tables\", which plans 2008; \"Enacted\" plans 2001 to 2025\n"},
        {"/year switch",
         "",
         {"/year", "2025"},
         1,
         "tavrel: error 380: Invalid property value\n    at Plan Year of this run\n    at 2025 is not a plan year "
         "under "
         "the law edition \"2008 Tables\", which plans 2008; \"Enacted\" plans 2001 to 2025\n"},
        {"/year value",
         "",
         {"/year", "2030"},
         2,
         "tavrel: /year takes a plan year from 2001 to 2025, not \"2030\"\nTry 'tavrel --help'.\n"},
        {"/law enacted plans the file's year", "Plan Year=2003\n", {"/law", "enacted"}, 0, "2003 and 2004"},
        {"/year for the run", "", {"/year", "2003", "/law", "enacted"}, 0, "2003 and 2004"},
        {"the last plan year", "", {}, 0, "2025 and 2026", "/plan-year/enacted-2025.amt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExampleRun run;
        std::string text = readFile(c.scenario ? kData + c.scenario : run.scenario);
        writeFile(run.scenario, text.insert(text.find('\n') + 1, c.keys));
        const auto planYearLine = [](const std::string& file) {
            const std::size_t at = file.find("Plan Year=");
            return at == std::string::npos ? std::string() : file.substr(at, file.find('\n', at) - at);
        };
        const std::string before = planYearLine(text);
        std::vector<std::string> args = {"/input", run.scenario, "/output", run.dir.file("o.txt"), "/silent"};
        args.insert(args.end(), c.switches.begin(), c.switches.end());
        const auto r = runProgram(kProgram, args);
        EXPECT_EQ(r.exitStatus, c.exitStatus) << r.err;
        if (c.exitStatus != 0) {
            std::string said = c.said;
            if (const auto at = said.find("FILE"); at != std::string::npos) said.replace(at, 4, run.scenario);
            EXPECT_EQ(r.err, said);
            continue;
        }
        const std::string report = readFile(run.dir.file("o.txt"));
        EXPECT_NE(report.find("  " + c.said + "\r\n"), std::string::npos) << report;
        EXPECT_NE(report.find("The computations for " + c.said + " are made using each year's tax law as enacted."),
                  std::string::npos)
            << report;
        // The run's year is not saved; the file's own stays as it was.
        EXPECT_EQ(planYearLine(readFile(run.scenario)), before);
    }
}

TEST(CommandLineUse, HelpVersionAndNonsense) {
    const auto help = runProgram(kProgram, {"--help"});
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_NE(help.out.find("/input FILE.amt"), std::string::npos);
    const auto version = runProgram(kProgram, {"--VERSION"});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_NE(version.out.find("2008.10.0.7"), std::string::npos);
    const auto stray = runProgram(kProgram, {"plan.txt", "/silent"});
    EXPECT_EQ(stray.exitStatus, 2);
    EXPECT_NE(stray.err.find("unexpected argument \"plan.txt\""), std::string::npos);
    const auto noFile = runProgram(kProgram, {"/silent"});
    EXPECT_EQ(noFile.exitStatus, 1);
    const auto wrongExtension = runProgram(kProgram, {"/silent", "/input", "plan.txt"});
    EXPECT_EQ(wrongExtension.exitStatus, 1);
    EXPECT_NE(wrongExtension.err.find("does not end in .amt"), std::string::npos);
}

}  // namespace
