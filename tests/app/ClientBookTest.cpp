// The client book: the figures of every row are the silent run's, a damaged
// scenario costs only its own row, folders expand to their scenarios in name
// order, no scenario file is touched, the JSON book says what the CSV book says,
// and progress goes only to a terminal.
#include "commands/BatchRun.h"

#include "base/ProgramInfo.h"
#include "reports/ClientBook.h"

#include "common/Currency.h"

#include "RunProgram.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>

using namespace tavrel;
using testsupport::readFile;
using testsupport::runProgram;
using testsupport::writeFile;
namespace fs = std::filesystem;

namespace {

const std::string kProgram = TAVREL_PROGRAM;
const std::string kData = TAVREL_TEST_DATA;
const std::string kExamples = TAVREL_EXAMPLES;
const std::string kJoint = kExamples + "/joint-high-income.amt";

// The scenario files whose reports are reviewed golden files.
std::vector<std::string> goldenScenarios() {
    std::vector<std::string> files;
    for (const char* n : {"single-no-amt", "joint-high-income", "gains-and-self-employment"})
        files.push_back(kExamples + "/" + n + ".amt");
    for (const char* n : {"single-defer-off", "joint-zero-cap", "negative-saving", "millionaire", "blank-names",
                          "wide-amounts", "cent-step-search", "regular-above-tentative", "married-separately"})
        files.push_back(kData + "/silent/" + n + ".amt");
    for (const char* n :
         {"head-of-household-gains", "joint-high-state-tax", "joint-no-deferral", "single-fixed-deferral"})
        files.push_back(kData + "/reference/" + n + ".amt");
    return files;
}

// The fields of one CSV line (quoted fields with doubled quotes, no line breaks inside).
std::vector<std::string> csvFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// A CSV book: its rows by column name, in order, after a check of the header.
std::vector<std::map<std::string, std::string>> csvRows(const std::string& text) {
    const std::vector<std::string> all = lines(text);
    std::vector<std::map<std::string, std::string>> rows;
    if (all.empty()) return rows;
    const std::vector<std::string> header = csvFields(all[0]);
    EXPECT_EQ(header.size(), reports::kClientBookColumns);
    for (std::size_t i = 1; i < all.size(); ++i) {
        const std::vector<std::string> fields = csvFields(all[i]);
        EXPECT_EQ(fields.size(), header.size()) << all[i];
        std::map<std::string, std::string>& row = rows.emplace_back();
        for (std::size_t k = 0; k < std::min(fields.size(), header.size()); ++k) row[header[k]] = fields[k];
    }
    return rows;
}

std::vector<std::string> column(const std::vector<std::map<std::string, std::string>>& rows, const std::string& name) {
    std::vector<std::string> values;
    for (const auto& row : rows) values.push_back(row.at(name));
    return values;
}

// An exact amount of the book as the reports print it.
std::string wholeDollars(const std::string& exact) {
    const Currency::ParseResult p = Currency::parse(exact);
    EXPECT_TRUE(p.ok()) << exact;
    return Currency::fromScaled(p.scaled).toPatternText();
}

// The last figure on the line of the report that starts with the label, or on
// the line after it when `nextLine`.
std::string reportFigure(const std::string& report, const std::string& label, bool nextLine) {
    const std::vector<std::string> all = lines(report);
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].find(label) == std::string::npos) continue;
        std::string line = nextLine && i + 1 < all.size() ? all[i + 1] : all[i];
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        return line.substr(line.find_last_of(' ') + 1);
    }
    return "(no " + label + ")";
}

// A copy of a scenario under the given name in the folder.
std::string copyTo(const testsupport::TempDir& dir, const std::string& from, const std::string& name) {
    fs::copy_file(from, dir.file(name));
    return dir.file(name);
}

std::string example() { return readFile(kJoint); }

// A run of the items without progress, on every core, CSV to the stream.
shell::BatchRequest quietRun(std::vector<std::string> items) {
    shell::BatchRequest request;
    request.items = std::move(items);
    request.progress = false;
    return request;
}

TEST(ClientBook, EachRowHasTheSilentRunsBestAmountAndSaving) {
    testsupport::TempDir dir;
    std::vector<std::string> books;
    for (const std::string& file : goldenScenarios())
        books.push_back(copyTo(dir, file, "book-" + fs::path(file).filename().string()));
    const auto batch = runProgram(kProgram, [&] {
        std::vector<std::string> args{"/batch"};
        args.insert(args.end(), books.begin(), books.end());
        return args;
    }());
    ASSERT_EQ(batch.exitStatus, 0) << batch.err;
    EXPECT_EQ(batch.err, "");
    const auto rows = csvRows(batch.out);
    ASSERT_EQ(column(rows, "file"), books);  // in the order given

    for (std::size_t i = 0; i < books.size(); ++i) {
        SCOPED_TRACE(books[i]);
        const std::string copy = copyTo(dir, books[i], "silent-" + std::to_string(i) + ".amt");
        const auto silent = runProgram(kProgram, {"/input", copy, "/silent"});
        ASSERT_EQ(silent.exitStatus, 0) << silent.err;
        EXPECT_EQ(wholeDollars(rows[i].at("best_deferral")),
                  reportFigure(silent.out, "Deferred Deduction For Taxes", false));
        EXPECT_EQ(wholeDollars(rows[i].at("pv_saving")), reportFigure(silent.out, "Present Value of Savings", true));
        EXPECT_EQ(rows[i].at("error_number"), "");
    }
}

struct Damage {
    const char* name;
    std::string text;        // the file's contents; empty: no file at all
    int number;              // the error the row gives
    const char* whereFound;  // part of its message
};

std::vector<Damage> damages() {
    std::mt19937 random(11);
    std::string garbage(4096, '\0');
    for (char& c : garbage) c = static_cast<char>(random());
    const std::string text = example();
    const std::string cut = text.substr(0, text.find("Filing Status=") + 14);
    std::string letters = text;
    letters.replace(letters.find("Wages Spouse 1=310,000"), 22, "Wages Spouse 1=31x0");
    return {{"garbage.amt", garbage, 13, "not a scenario file"},
            {"cut.amt", cut, 13, "[Scenario1] Filing Status"},
            {"letters.amt", letters, 10002, "[Scenario1] Wages Spouse 1"},
            {"missing.amt", "", 53, "File not found"}};
}

TEST(ClientBook, ADamagedScenarioGetsItsErrorInItsRowAndTheOthersAreAnalysed) {
    testsupport::TempDir dir;
    const std::vector<Damage> table = damages();
    std::vector<std::string> args{"/batch", copyTo(dir, kJoint, "first.amt")};
    for (const Damage& d : table) {
        if (!d.text.empty()) writeFile(dir.file(d.name), d.text);
        args.push_back(dir.file(d.name));
    }
    args.push_back(copyTo(dir, kJoint, "last.amt"));
    const auto r = runProgram(kProgram, args);
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_NE(r.err.find("4 of 6 scenarios could not be analysed"), std::string::npos) << r.err;
    const auto rows = csvRows(r.out);
    ASSERT_EQ(rows.size(), 6u);
    for (const std::size_t good : {std::size_t{0}, std::size_t{5}}) {
        EXPECT_EQ(rows[good].at("best_deferral"), "10112");
        EXPECT_EQ(rows[good].at("error_number"), "");
        EXPECT_EQ(rows[good].at("error_message"), "");
    }
    for (std::size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(table[i].name);
        const auto& row = rows[i + 1];
        EXPECT_EQ(row.at("file"), dir.file(table[i].name));
        EXPECT_EQ(row.at("error_number"), std::to_string(table[i].number));
        EXPECT_NE(row.at("error_message").find(table[i].whereFound), std::string::npos) << row.at("error_message");
        EXPECT_EQ(row.at("best_deferral"), "");
        EXPECT_EQ(row.at("total_2008_with"), "");
    }
}

TEST(ClientBook, AFolderStandsForItsAmtFilesSortedByNameBetweenTheItemsAroundIt) {
    testsupport::TempDir dir;
    fs::create_directories(dir.file("clients/sub"));
    fs::create_directories(dir.file("clients/folder.amt"));
    for (const char* name :
         {"clients/c.Amt", "clients/B.AMT", "clients/a.amt", "clients/sub/deeper.amt", "before.amt", "after.amt"})
        copyTo(dir, kJoint, name);
    writeFile(dir.file("clients/notes.txt"), "not a scenario");
    writeFile(dir.file("clients/a.amt.bak"), "not a scenario");
    std::ostringstream out, err;
    const int status =
        shell::RunBatch(quietRun({dir.file("before.amt"), dir.file("clients"), dir.file("after.amt")}), out, err);
    EXPECT_EQ(status, 0) << err.str();
    const std::vector<std::string> expected = {dir.file("before.amt"), dir.file("clients/a.amt"),
                                               dir.file("clients/B.AMT"), dir.file("clients/c.Amt"),
                                               dir.file("after.amt")};
    EXPECT_EQ(column(csvRows(out.str()), "file"), expected);
}

TEST(ClientBook, NoScenarioFileChangesNorAnyFileAppearsBesideThem) {
    testsupport::TempDir dir;
    fs::create_directories(dir.file("clients"));
    fs::create_directories(dir.file("out"));
    for (const std::string& file : goldenScenarios())
        copyTo(dir, file, "clients/" + fs::path(file).filename().string());
    for (const Damage& d : damages())
        if (!d.text.empty()) writeFile(dir.file("clients/" + std::string(d.name)), d.text);
    // An old time, so that a file rewritten within the same second still shows.
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    std::map<std::string, std::pair<std::string, fs::file_time_type>> before;
    for (const auto& e : fs::directory_iterator(dir.file("clients"))) {
        fs::last_write_time(e.path(), old);
        before[e.path().string()] = {readFile(e.path().string()), fs::last_write_time(e.path())};
    }
    for (const char* book : {"book.csv", "book.json"}) {
        const auto r = runProgram(kProgram, {"/batch", dir.file("clients"), "/output", dir.file("out/") + book});
        EXPECT_EQ(r.exitStatus, 1) << r.err;  // the damaged ones
    }
    std::map<std::string, std::pair<std::string, fs::file_time_type>> after;
    for (const auto& e : fs::directory_iterator(dir.file("clients")))
        after[e.path().string()] = {readFile(e.path().string()), fs::last_write_time(e.path())};
    EXPECT_TRUE(before == after);
    EXPECT_EQ(before.size(), goldenScenarios().size() + 3);
}

// The members of one row of the JSON book, written a row a line: names and
// values as text, strings unescaped, null as nothing.
std::vector<std::pair<std::string, std::string>> jsonMembers(std::string_view row) {
    std::vector<std::pair<std::string, std::string>> members;
    std::size_t i = 0;
    auto string = [&] {
        std::string s;
        for (++i; i < row.size() && row[i] != '"'; ++i) {
            if (row[i] == '\\' && i + 1 < row.size()) ++i;
            s += row[i];
        }
        ++i;
        return s;
    };
    EXPECT_TRUE(row.starts_with("{") && row.ends_with("}")) << row;
    for (i = 1; i < row.size() && row[i] == '"';) {
        std::pair<std::string, std::string>& m = members.emplace_back();
        m.first = string();
        EXPECT_EQ(row[i], ':');
        ++i;
        if (row[i] == '"') {
            m.second = string();
        } else {
            const std::size_t end = row.find_first_of(",}", i);
            m.second = std::string(row.substr(i, end - i));
            if (m.second == "null") m.second.clear();
            EXPECT_EQ(m.second.find_first_not_of("-0123456789."), std::string::npos) << m.second;  // a number
            i = end;
        }
        if (row[i] == ',') ++i;
    }
    EXPECT_EQ(i, row.size() - 1) << row;
    return members;
}

TEST(ClientBook, TheJsonBookHoldsTheRowsOfTheCsvBook) {
    testsupport::TempDir dir;
    const std::vector<std::string> items = {
        copyTo(dir, kJoint, "joint.amt"), copyTo(dir, kData + "/silent/negative-saving.amt", "negative.amt"),
        dir.file("missing.amt"), copyTo(dir, kData + "/silent/cent-step-search.amt", "cents.amt")};
    std::string csv, json;
    for (auto [file, text] : {std::pair{"book.csv", &csv}, std::pair{"book.json", &json}}) {
        std::vector<std::string> args{"/batch"};
        args.insert(args.end(), items.begin(), items.end());
        args.insert(args.end(), {"/output", dir.file(file)});
        const auto r = runProgram(kProgram, args);
        EXPECT_EQ(r.exitStatus, 1) << r.err;
        EXPECT_EQ(r.out, "");
        *text = readFile(dir.file(file));
    }
    const auto csvBook = csvRows(csv);
    const std::vector<std::string> all = lines(json);
    ASSERT_EQ(all.size(), items.size() + 2);
    EXPECT_EQ(all.front(),
              "{\"schema\":\"tavrel-client-book\",\"schemaVersion\":1,\"program\":{\"name\":\"Tavrel\","
              "\"version\":\"" +
                  std::string(version::kText) + "\"},\"rows\":[");
    EXPECT_EQ(all.back(), "]}");
    ASSERT_EQ(csvBook.size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(items[i]);
        std::string_view row = all[i + 1];
        if (i + 1 < items.size()) {
            EXPECT_TRUE(row.ends_with(",")) << row;
            row.remove_suffix(1);
        }
        const auto members = jsonMembers(row);
        ASSERT_EQ(members.size(), reports::kClientBookColumns);
        for (std::size_t k = 0; k < members.size(); ++k) {
            EXPECT_EQ(members[k].first, reports::clientBookColumns(mirvane::kCurrentTaxYear)[k]);
            EXPECT_EQ(members[k].second, csvBook[i].at(members[k].first)) << members[k].first;
        }
    }
    // The figures are exact: the cents the search found are kept.
    EXPECT_EQ(csvBook[3].at("best_deferral"), "10074.336");
    EXPECT_EQ(csvBook[1].at("pv_saving"), "-444");
}

// The columns name the years the book's scenarios plan; failed rows do not
// count, and scenarios of different plan years make them "first" and "second".
TEST(ClientBook, TheColumnsNameTheYearsTheScenariosPlan) {
    const struct {
        std::vector<int> planYears;  // of the analysed rows; 0 for a row that failed
        const char *first, *second;
    } cases[] = {
        {{}, "2008", "2009"},
        {{2008, 0, 2008}, "2008", "2009"},
        {{0, 2025, 2025}, "2025", "2026"},
        {{2008, 2025}, "first", "second"},
    };
    for (const auto& c : cases) {
        std::vector<reports::BookRow> rows(c.planYears.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (c.planYears[i] == 0) rows[i].error = reports::BookError{53, "File not found"};
            rows[i].figures.planYear = static_cast<std::int16_t>(c.planYears[i]);
        }
        std::string expected =
            "file,spouse1,spouse2,filing_status,law,best_deferral,pv_saving,regular_Y1_without,amt_Y1_without,"
            "total_Y1_without,regular_Y2_without,amt_Y2_without,total_Y2_without,regular_Y1_with,amt_Y1_with,"
            "total_Y1_with,regular_Y2_with,amt_Y2_with,total_Y2_with,error_number,error_message,plan_year\n";
        for (const auto& [mark, year] : {std::pair{"Y1", c.first}, std::pair{"Y2", c.second}})
            for (std::size_t at = expected.find(mark); at != std::string::npos; at = expected.find(mark))
                expected.replace(at, 2, year);
        std::string header;
        reports::appendBookStart(header, reports::BookFormat::Csv,
                                 reports::clientBookColumns(reports::bookPlanYear(rows)));
        EXPECT_EQ(header, expected) << c.first;
    }
}

TEST(ClientBook, NamesWithCommasAndQuotesStayOneField) {
    reports::BookRow row;
    row.figures.file = "/clients/Smith, \"Jr\".amt";
    row.figures.spouse1 = "Ann \"Nan\" Smith, Jr";
    row.figures.spouse2 = "Back\\slash";
    row.figures.filingStatus = 2;
    std::string csv, json;
    const reports::BookColumns columns = reports::clientBookColumns(mirvane::kCurrentTaxYear);
    reports::appendBookRow(csv, reports::BookFormat::Csv, row, true, columns);
    reports::appendBookRow(json, reports::BookFormat::Json, row, true, columns);
    const std::vector<std::string> fields = csvFields(csv.substr(0, csv.size() - 1));
    ASSERT_EQ(fields.size(), reports::kClientBookColumns);
    EXPECT_EQ(fields[0], row.figures.file);
    EXPECT_EQ(fields[1], row.figures.spouse1);
    EXPECT_EQ(fields[3], "Joint");
    const auto members = jsonMembers(json.substr(1));  // after the line break before a row
    ASSERT_EQ(members.size(), reports::kClientBookColumns);
    EXPECT_EQ(members[1].second, row.figures.spouse1);
    EXPECT_EQ(members[2].second, row.figures.spouse2);
}

TEST(ClientBook, TheRowsAreTheSameOnOneThreadAsOnMany) {
    testsupport::TempDir dir;
    std::vector<std::string> items;
    for (const std::string& file : goldenScenarios()) items.push_back(file);
    items.push_back(dir.file("missing.amt"));
    std::string books[2];
    for (const unsigned threads : {1u, 4u}) {
        std::ostringstream out, err;
        shell::BatchRequest request = quietRun(items);
        request.json = true;
        request.threads = threads;
        const int status = shell::RunBatch(request, out, err);
        EXPECT_EQ(status, 1);
        books[threads == 1 ? 0 : 1] = out.str();
    }
    EXPECT_EQ(books[0], books[1]);
    EXPECT_EQ(lines(books[0]).size(), items.size() + 2);
}

TEST(ClientBook, ProgressIsNotWrittenWhenStandardErrorIsNotATerminal) {
    testsupport::TempDir dir;
    const auto r = runProgram(kProgram, {"/batch", copyTo(dir, kJoint, "a.amt"), copyTo(dir, kJoint, "b.amt")});
    EXPECT_EQ(r.exitStatus, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(csvRows(r.out).size(), 2u);
}

TEST(ClientBook, ProgressCountsTheAnalysedScenariosUpToAllOfThem) {
    std::ostringstream out, err;
    const std::vector<std::string> items = goldenScenarios();
    shell::BatchRequest request = quietRun(items);
    request.progress = true;
    const int status = shell::RunBatch(request, out, err);
    EXPECT_EQ(status, 0);
    const std::string total = std::to_string(items.size());
    const std::string text = err.str();
    ASSERT_TRUE(text.ends_with("\ranalysed " + total + " of " + total + "\n")) << text;
    // Each report counts more than the one before.
    std::istringstream reports(text.substr(0, text.size() - 1));
    int previous = 0;
    std::string report;
    ASSERT_EQ(std::getline(reports, report, '\r') && report.empty(), true);
    while (std::getline(reports, report, '\r')) {
        int count = 0;
        int of = 0;
        ASSERT_EQ(std::sscanf(report.c_str(), "analysed %d of %d", &count, &of), 2) << report;
        EXPECT_GT(count, previous);
        EXPECT_EQ(of, static_cast<int>(items.size()));
        previous = count;
    }
    EXPECT_EQ(previous, static_cast<int>(items.size()));
}

TEST(ClientBook, ABookThatCannotBeWrittenIsAnError) {
    testsupport::TempDir dir;
    const auto r =
        runProgram(kProgram, {"/batch", copyTo(dir, kJoint, "a.amt"), "/output", dir.file("no-such-folder/book.csv")});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_NE(r.err.find("cannot write \"" + dir.file("no-such-folder/book.csv") + "\""), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
}

}  // namespace
