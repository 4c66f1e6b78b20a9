// A whole calculator run in-process: the output's header and money, failed
// rows among good ones, line ends, where the results go, files that cannot be
// read or written, and the same output on any number of threads.
#include "calc/CalcRun.h"
#include "commands/Main.h"

#include "Permissions.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

using tavrel::calc::CalcRequest;
using tavrel::calc::RunCalc;
using testsupport::readFile;
using testsupport::TempDir;
using testsupport::writeFile;

namespace {

struct Result {
    int status = -1;
    std::string out, err;
};

CalcRequest request(const std::string& input, const std::string& output = "", unsigned threads = 0) {
    return {input, output, osgrin::LawEdition::Enacted, threads};
}

Result calc(const CalcRequest& request) {
    std::ostringstream out, err;
    Result r;
    r.status = RunCalc(request, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

Result calcOn(const TempDir& dir, const std::string& input, unsigned threads = 0) {
    writeFile(dir.file("in.csv"), input);
    return calc(request(dir.file("in.csv"), "", threads));
}

constexpr const char* kHeader =
    "taxsimid,year,v10,v13,v14,v17,v18,v26,v27,v28,tmt,child_credit,total_tax,qbid,niit,addmed,error\n";
// 2008 single with $50,000 of wages under the law as enacted (see
// TaxsimReturnTest for the figures): the patched AMT exemption of 46,200 leaves
// 3,800 at 26% = 988 of tentative minimum tax.
constexpr const char* kSingleRow =
    "1,2008,50000.00,5450.00,3500.00,0.00,41050.00,50000.00,0.00,6606.25,988.00,0.00,6606.25,0.00,0.00,0.00,\n";

}  // namespace

TEST(CalcRun, WritesTheHeaderAndExactMoney) {
    TempDir dir;
    const Result r = calcOn(dir, "taxsimid,year,mstat,pwages\n1,2008,1,50000\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, std::string(kHeader) + kSingleRow);
}

TEST(CalcRun, ABadRowDoesNotStopTheOthers) {
    TempDir dir;
    const Result r = calcOn(dir,
                            "taxsimid,year,mstat,pwages,gssi\n"
                            "1,2008,1,50000,0\n"
                            "2,2027,1,50000,0\n"
                            "3,2008,1,abc,0\n"
                            "4,2008,1,50000,1200\n"
                            "1,2008,1,50000,0\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, std::string(kHeader) + kSingleRow +
                         "2,2027,,,,,,,,,,,,,,,5 tax year 2027 is outside 2001 to 2026\n"
                         "3,2008,,,,,,,,,,,,,,,\"13 column \"\"pwages\"\": \"\"abc\"\" is not a number\"\n"
                         "4,2008,,,,,,,,,,,,,,,\"445 column \"\"gssi\"\" is not supported; it must be 0, not 1200\"\n" +
                         kSingleRow);
}

TEST(CalcRun, AnEngineErrorFailsItsRowOnly) {
    TempDir dir;
    // Each wage is an amount; together they are beyond the money range.
    const Result r = calcOn(dir,
                            "taxsimid,year,mstat,pwages,swages\n"
                            "1,2008,1,50000,0\n"
                            "2,2008,2,900000000000000,900000000000000\n"
                            "1,2008,1,50000,0\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, std::string(kHeader) + kSingleRow +
                         "2,2008,,,,,,,,,,,,,,,6 Osgrin Individual Return Engine: clsOsgrinTop.Calculate\n" +
                         kSingleRow);
}

TEST(CalcRun, ReadsCrLfLinesBlankLinesAndAByteOrderMark) {
    TempDir dir;
    const Result r = calcOn(dir, "\xEF\xBB\xBF\r\nTaxsimID, YEAR ,Mstat,pwages\r\n\r\n 1 , 2008 ,1, 50000 \r\n   \r\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, std::string(kHeader) + kSingleRow);
}

TEST(CalcRun, OutputToAFileIsWhatStandardOutputGets) {
    TempDir dir;
    writeFile(dir.file("in.csv"), "taxsimid,year,mstat,pwages\n1,2008,1,50000\n2,2027,1,0\n");
    writeFile(dir.file("out.csv"), "an older result\n");
    const Result toStream = calc(request(dir.file("in.csv")));
    const Result toFile = calc(request(dir.file("in.csv"), dir.file("out.csv")));
    EXPECT_EQ(toFile.status, 1);
    EXPECT_EQ(toFile.out, "");
    EXPECT_EQ(readFile(dir.file("out.csv")), toStream.out);
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"in.csv", "out.csv"}));  // no temporary file left
}

TEST(CalcRun, InputsThatCannotBeUsed) {
    struct Case {
        const char* name;
        const char* file;      // in the test's folder
        const char* contents;  // nullptr: no such file; "/": a folder
        const char* message;   // after the quoted file name
    };
    const Case cases[] = {
        {"missing", "none.csv", nullptr, ": no such file"},
        {"a folder", "folder.csv", "/", ": it is a folder, not a file"},
        {"empty", "empty.csv", "\n\n", " has no header line (it needs taxsimid, year and mstat)"},
        {"no mstat", "header.csv", "taxsimid,year,pwages\n1,2008,5\n",
         ": the header has no column mstat (it needs taxsimid, year and mstat)"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string path = dir.file(c.file);
        if (c.contents && std::string(c.contents) == "/")
            std::filesystem::create_directory(path);
        else if (c.contents)
            writeFile(path, c.contents);
        writeFile(dir.file("out.csv"), "kept\n");
        const Result r = calc(request(path, dir.file("out.csv")));
        EXPECT_EQ(r.status, 1) << c.name;
        EXPECT_NE(r.err.find("\"" + path + "\"" + c.message), std::string::npos) << c.name << ": " << r.err;
        EXPECT_EQ(readFile(dir.file("out.csv")), "kept\n") << c.name;
    }
}

TEST(CalcRun, AnUnreadableInputIsNamed) {
    TempDir dir;
    writeFile(dir.file("in.csv"), "taxsimid,year,mstat\n1,2008,1\n");
    std::filesystem::permissions(dir.file("in.csv"), std::filesystem::perms::none);
    testsupport::WithoutPermissionOverride asUser;
    const Result r = calc(request(dir.file("in.csv")));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tavrel: cannot read \"" + dir.file("in.csv") + "\": Permission denied\n");
    EXPECT_EQ(r.out, "");
}

TEST(CalcRun, AnOutputThatCannotBeWrittenLeavesTheOldFile) {
    TempDir dir;
    writeFile(dir.file("in.csv"), "taxsimid,year,mstat\n1,2008,1\n");
    std::filesystem::create_directory(dir.file("ro"));
    writeFile(dir.file("ro/out.csv"), "kept\n");
    std::filesystem::permissions(dir.file("ro"),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    testsupport::WithoutPermissionOverride asUser;
    const Result r = calc(request(dir.file("in.csv"), dir.file("ro/out.csv")));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot write \"" + dir.file("ro/out.csv") + "\""), std::string::npos) << r.err;
    EXPECT_EQ(readFile(dir.file("ro/out.csv")), "kept\n");
}

TEST(CalcRun, OneThreadAndSeveralGiveTheSameOutput) {
    // Enough varied rows, some failing, for every thread to take several runs.
    std::string input = "taxsimid,year,mstat,depx,age1,pwages,psemp,stcg,ltcg,proptax,mortgage\n";
    for (int i = 0; i < 3000; ++i) {
        const int year = 2001 + i % 27;  // 2027 fails
        const int mstat = (i % 4 == 3) ? 6 : 1 + i % 2;
        input += std::to_string(i) + "," + std::to_string(year) + "," + std::to_string(mstat) + "," +
                 std::to_string(i % 3) + "," + std::to_string(i % 3 ? i % 19 : 0) + "," +
                 std::to_string(1000 * (i % 400)) + "," + std::to_string(i % 7 ? 0 : 37 * i) + "," +
                 std::to_string((i % 5) * 1000 - 2500) + "," + std::to_string(i * 11) + "," +
                 std::to_string(i % 9 * 900) + "," + std::to_string(i % 13 * 1300) + "\n";
    }
    TempDir dir;
    const Result one = calcOn(dir, input, 1);
    EXPECT_EQ(one.status, 1);
    EXPECT_EQ(std::count(one.out.begin(), one.out.end(), '\n'), 3001);
    for (const unsigned threads : {2u, 3u, 8u}) {
        const Result several = calcOn(dir, input, threads);
        EXPECT_EQ(several.status, 1);
        EXPECT_EQ(several.out, one.out) << threads << " threads";
    }
}

// The command line starts it without windows (no interactive start is given:
// anything but the calculator would refuse), under the enacted law unless /law
// says otherwise: the 2008 tables' AMT exemption of 33,750 leaves 16,250 at 26%.
TEST(CalcRun, TheCommandLineStartsItWithoutWindowsUnderTheLawItNames) {
    TempDir dir;
    writeFile(dir.file("in.csv"), "taxsimid,year,mstat,pwages\n1,2008,1,50000\n");
    const std::string tablesRow = std::string(kSingleRow).replace(std::string(kSingleRow).find("988.00"), 6, "4225.00");
    const struct {
        std::vector<std::string> law;
        std::string row;
    } cases[] = {{{}, kSingleRow}, {{"/law", "enacted"}, kSingleRow}, {{"/law", "tables"}, tablesRow}};
    for (const auto& c : cases) {
        std::ostringstream out, err;
        std::vector<std::string> args = {"/calc", dir.file("in.csv")};
        args.insert(args.end(), c.law.begin(), c.law.end());
        const int status = tavrel::shell::Main(args, out, err, tavrel::shell::InteractiveStart());
        EXPECT_EQ(status, 0) << err.str();
        EXPECT_EQ(out.str(), std::string(kHeader) + c.row);
    }
}
