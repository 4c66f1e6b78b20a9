// The command line: the switches, their values and the names they give.
#include "commands/CommandLine.h"

#include <gtest/gtest.h>

using namespace tavrel::shell;

namespace {
std::vector<std::string> words(std::string line) {
    std::vector<std::string> w;
    std::string cur;
    for (char c : line + " ") {
        if (c == ' ') {
            if (!cur.empty()) w.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    return w;
}
}  // namespace

TEST(CommandLine, TheClassicLineGivesBothNames) {
    const auto args = words("/input c:\\data\\smith.amt /output c:\\out\\smith.txt /silent");
    EXPECT_EQ(GetCommandLineFilename(args, ".amt", "/input"), "c:\\data\\smith.amt");
    EXPECT_EQ(GetCommandLineFilename(args, ".txt", "/output"), "c:\\out\\smith.txt");
    EXPECT_TRUE(IsSilent(args));
}

TEST(CommandLine, SwitchesIgnoreCaseButNamesKeepIt) {
    const auto args = words("/SILENT /INPUT /home/Ann/A.AMT");
    EXPECT_TRUE(IsSilent(args));
    EXPECT_EQ(GetCommandLineFilename(args, ".amt", "/input"), "/home/Ann/A.AMT");
}

TEST(CommandLine, AValueRunsToTheNextSwitchJoinedByOneBlank) {
    const auto args = words("/output /tmp/My Reports/out.txt /input /home/ann/Tax Plans/Smith Family.amt");
    EXPECT_EQ(GetCommandLineFilename(args, ".amt", "/input"), "/home/ann/Tax Plans/Smith Family.amt");
    EXPECT_EQ(GetCommandLineFilename(args, ".txt", "/output"), "/tmp/My Reports/out.txt");
    EXPECT_FALSE(IsSilent(args));
}

TEST(CommandLine, AValueWithoutTheExtensionGivesNoName) {
    EXPECT_EQ(GetCommandLineFilename(words("/input /home/ann/plan.txt /silent"), ".amt", "/input"), "");
    EXPECT_EQ(GetCommandLineFilename(words("/silent"), ".amt", "/input"), "");
    // The extension must end the value: a name that merely contains it is not taken.
    EXPECT_EQ(GetCommandLineFilename(words("/input /data/x.amt.bak"), ".amt", "/input"), "");
}

TEST(CommandLine, QuotationMarksStayPartOfTheName) {
    EXPECT_EQ(GetCommandLineFilename({"/input", "\"a.amt"}, ".amt", "/input"), "\"a.amt");
}

TEST(CommandLine, AFolderNamedLikeASwitchIsNotOne) {
    const auto args = words("/input /home/ann/silent/input.amt");
    EXPECT_FALSE(IsSilent(args));
    EXPECT_EQ(GetCommandLineFilename(args, ".amt", "/input"), "/home/ann/silent/input.amt");
}

TEST(CommandLine, GnuStyleSwitches) {
    const CommandLine c = parseCommandLine({"--input=/a/b.amt", "--output", "/c/d.txt", "--silent"});
    EXPECT_EQ(c.inputFile, "/a/b.amt");
    EXPECT_EQ(c.outputFile, "/c/d.txt");
    EXPECT_TRUE(c.silent);
    EXPECT_TRUE(c.problems.empty());
    EXPECT_TRUE(parseCommandLine({"--help"}).help);
    EXPECT_TRUE(parseCommandLine({"--Version"}).version);
}

TEST(CommandLine, StrayArgumentsAreProblemsNotCrashes) {
    EXPECT_EQ(parseCommandLine({"plan.txt"}).problems.size(), 1u);
    EXPECT_EQ(parseCommandLine({"/silent", "extra"}).problems.size(), 1u);
    EXPECT_TRUE(parseCommandLine({}).problems.empty());
    EXPECT_TRUE(parseCommandLine({"/input"}).inputFile.empty());
    EXPECT_TRUE(parseCommandLine({"", "/output="}).problems.size() == 2u);
    EXPECT_TRUE(parseCommandLine({"--input="}).inputFile.empty());
}

// The law and plan year for a run and the calculator: what each line gives,
// and which lines make no sense.
TEST(CommandLine, LawYearAndCalculatorSwitches) {
    struct Case {
        const char* line;
        std::optional<osgrin::LawEdition> law;
        bool calc;
        std::string calcFile, calcOutput;
        std::size_t problems;
        std::optional<std::int16_t> planYear = {};
    };
    const Case cases[] = {
        {"/silent /input a.amt /law tables", osgrin::LawEdition::Tables2008, false, "", "", 0},
        {"--law=ENACTED /input a.amt", osgrin::LawEdition::Enacted, false, "", "", 0},
        {"/silent /input a.amt /law 2009", std::nullopt, false, "", "", 1},
        {"/calc /data/My Returns.csv /output r.CSV", std::nullopt, true, "/data/My Returns.csv", "r.CSV", 0},
        {"/calc in.csv /law enacted", osgrin::LawEdition::Enacted, true, "in.csv", "", 0},
        {"/calc in.csv /output r.txt", std::nullopt, true, "in.csv", "", 1},
        {"/calc", std::nullopt, true, "", "", 1},
        {"/calc in.csv /silent", std::nullopt, true, "in.csv", "", 1},
        {"/silent /input a.amt /year 2025 /law enacted", osgrin::LawEdition::Enacted, false, "", "", 0, 2025},
        {"a.amt --year=2001", std::nullopt, false, "", "", 0, 2001},
        {"a.amt /year 2026", std::nullopt, false, "", "", 1},
        {"a.amt /year", std::nullopt, false, "", "", 1},
        {"/calc in.csv /year 2010", std::nullopt, true, "in.csv", "", 1, 2010},
    };
    for (const Case& c : cases) {
        const CommandLine parsed = parseCommandLine(words(c.line));
        EXPECT_EQ(parsed.law, c.law) << c.line;
        EXPECT_EQ(parsed.calc, c.calc) << c.line;
        EXPECT_EQ(parsed.calcFile, c.calcFile) << c.line;
        EXPECT_EQ(parsed.calcOutputFile, c.calcOutput) << c.line;
        EXPECT_EQ(parsed.problems.size(), c.problems) << c.line;
        EXPECT_EQ(parsed.planYear, c.planYear) << c.line;
    }
}

// A scenario file named on its own, as a file manager or a terminal user gives
// it: what each line gives, and what it is refused for.
TEST(CommandLine, ABareScenarioFile) {
    struct Case {
        const char* line;
        std::string inputFile, outputFile;
        std::string problem;  // the one problem, or empty for none
    };
    // clang-format off
    const Case cases[] = {
        {"plan.amt",                               "plan.amt",           "",      ""},
        {"/home/Ann/Plan.AMT /silent",             "/home/Ann/Plan.AMT", "",      ""},
        {"plan.amt /silent /output r.txt",         "plan.amt",           "r.txt", ""},
        {"plan.amt --law=enacted",                 "plan.amt",           "",      ""},
        {"plan.txt",                               "",                   "",      "unexpected argument \"plan.txt\""},
        {"plan.amt.bak /silent",                   "",                   "",      "unexpected argument \"plan.amt.bak\""},
        {"/silent plan.amt",                       "",                   "",      "unexpected argument \"plan.amt\""},
        {"a.amt b.amt",                            "",                   "",      "more than one scenario file: \"a.amt\" and \"b.amt\""},
        {"a.amt /input b.amt",                     "b.amt",              "",      "two scenario files: \"a.amt\" and the /input \"b.amt\""},
        {"a.amt /calc in.csv",                     "",                   "",      "/calc cannot be combined with a scenario file (\"a.amt\")"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const CommandLine parsed = parseCommandLine(words(c.line));
        EXPECT_EQ(parsed.inputFile, c.inputFile) << c.line;
        EXPECT_EQ(parsed.outputFile, c.outputFile) << c.line;
        EXPECT_EQ(parsed.problems, c.problem.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.problem})
            << c.line;
    }
}

// The output of a silent run and of the client book: the report file must be a
// .txt (any other name, or none after /output, is refused rather than the
// reports going to standard output), a data format's file ends as the format
// says, and the book's name says its format.
TEST(CommandLine, OutputsFormatsAndTheClientBook) {
    struct Case {
        const char* line;
        OutputFormat format;
        std::string outputFile;
        std::vector<std::string> batchItems;
        std::string batchOutput;
        std::string problem;  // the one problem, or empty for none
    };
    using F = OutputFormat;
    // clang-format off
    const Case cases[] = {
        {"/silent /input a.amt /output r.TXT",         F::Text, "r.TXT",  {}, "", ""},
        {"/silent /input a.amt",                       F::Text, "",       {}, "", ""},  // standard output
        {"/silent /input a.amt /output r.csv",         F::Text, "",       {}, "",
         "the /output name \"r.csv\" of a silent run does not end in .txt"},
        {"a.amt /silent /output My Report",            F::Text, "",       {}, "",
         "the /output name \"My Report\" of a silent run does not end in .txt"},
        {"/silent /input a.amt /output",               F::Text, "",       {}, "",
         "/output needs the name of a report file ending in .txt"},
        {"--silent --input=a.amt --output=",           F::Text, "",       {}, "",
         "/output needs the name of a report file ending in .txt"},
        {"/input a.amt /output r.csv",                 F::Text, "",       {}, "", ""},  // interactive: warned, not refused
        {"/calc in.csv /output r.csv",                 F::Text, "",       {}, "", ""},  // the calculator writes .csv
        {"a.amt /silent /format json /output r.json",  F::Json, "r.json", {}, "", ""},
        {"a.amt /silent /format CSV",                  F::Csv,  "",       {}, "", ""},
        {"a.amt /silent --format=text /output r.txt",  F::Text, "r.txt",  {}, "", ""},
        {"a.amt /silent /format json /output r.txt",   F::Json, "",       {}, "",
         "the /output name \"r.txt\" of a silent run does not end in .json"},
        {"a.amt /silent /format pdf",                  F::Text, "",       {}, "",
         "/format takes \"text\", \"json\" or \"csv\", not \"pdf\""},
        {"/batch a.amt /data/clients /output book.csv", F::Csv, "", {"a.amt", "/data/clients"}, "book.csv", ""},
        {"/batch /data/clients /output Book.JSON",     F::Json, "",       {"/data/clients"}, "Book.JSON", ""},
        {"/batch a.amt b.amt",                         F::Csv,  "",       {"a.amt", "b.amt"}, "", ""},
        {"/batch a.amt /format json /output b.csv",    F::Csv,  "",       {"a.amt"}, "b.csv",
         "the /output name \"b.csv\" does not match /format"},
        {"/batch a.amt /output book.txt",              F::Csv,  "",       {"a.amt"}, "",
         "the /output name \"book.txt\" of /batch does not end in .csv or .json"},
        {"/batch",                                     F::Csv,  "",       {}, "", "/batch needs scenario files or folders"},
        {"/batch a.amt /silent",                       F::Csv,  "",       {"a.amt"}, "",
         "/batch cannot be combined with /silent, /input, /calc or a scenario file"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const CommandLine parsed = parseCommandLine(words(c.line));
        EXPECT_EQ(parsed.format, c.format) << c.line;
        EXPECT_EQ(parsed.outputFile, c.outputFile) << c.line;
        EXPECT_EQ(parsed.batchItems, c.batchItems) << c.line;
        EXPECT_EQ(parsed.batchOutputFile, c.batchOutput) << c.line;
        EXPECT_EQ(parsed.problems, c.problem.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.problem})
            << c.line;
    }
}
