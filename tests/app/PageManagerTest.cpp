// The page manager against a printer that records what it is asked to do.
#include "reports/PageManager.h"

#include <gtest/gtest.h>

using namespace tavrel::reports;

namespace {

class RecordingPrinter final : public Printer {
public:
    explicit RecordingPrinter(int lines) : lines_(lines) {}
    std::vector<std::string> log;
    int linesPerPage() override { return lines_; }
    void printLine(std::string_view text) override { log.push_back("print:" + std::string(text)); }
    int pageNumber() override { return page_; }
    void newPage() override {
        log.push_back("newpage");
        ++page_;
    }
    void endDocument() override { log.push_back("end"); }
    int count(const std::string& entry) const { return static_cast<int>(std::count(log.begin(), log.end(), entry)); }

private:
    int lines_;
    int page_ = 1;
};

const Headings kHeadings{"Ann and Bob", "Plan A", "Detailed Analysis AMT"};

}  // namespace

TEST(PageManager, TheFirstBlockGetsTheHeadings) {
    RecordingPrinter printer(60);
    std::vector<std::string> complaints;
    PageManager pm(printer, [&](const std::string& m) { complaints.push_back(m); });
    pm.PrnManager2(-400, kHeadings);
    ASSERT_TRUE(pm.PrnManager2(12, kHeadings));
    EXPECT_EQ(pm.currentLine(), 25);  // 13 heading lines, then the block
    EXPECT_EQ(printer.count("print:"), 10);
    EXPECT_EQ(printer.count("print:  Ann and Bob"), 1);
    EXPECT_EQ(printer.count("print:  Detailed Analysis AMT"), 1);
    EXPECT_TRUE(complaints.empty());
}

TEST(PageManager, ABlockThatWouldReachTheFooterStartsANewPage) {
    RecordingPrinter printer(60);
    PageManager pm(printer, [](const std::string&) {});
    pm.PrnManager2(30, kHeadings);  // line 43
    pm.PrnManager2(10, kHeadings);  // 53 < 54: fits
    EXPECT_EQ(printer.count("newpage"), 0);
    EXPECT_EQ(pm.currentLine(), 53);
    pm.PrnManager2(1, kHeadings);  // 53 + 1 reaches 60 - 6: a new page first
    EXPECT_EQ(printer.count("newpage"), 1);
    EXPECT_EQ(printer.count("print:Page 1"), 1);
    EXPECT_EQ(pm.currentLine(), 14);
    EXPECT_EQ(printer.count("print:  Plan A"), 2);
}

TEST(PageManager, PageNumberSitsSixLinesFromTheBottom) {
    RecordingPrinter printer(60);
    PageManager pm(printer, [](const std::string&) {});
    pm.PrnManager2(20, kHeadings);  // line 33
    printer.log.clear();
    pm.PrnManager2(-200, kHeadings);
    // Empty lines from 33 down to 54, then the page number, then a new page.
    EXPECT_EQ(printer.count("print:"), 21);
    EXPECT_EQ(printer.log[21], "print:Page 1");
    EXPECT_EQ(printer.log[22], "newpage");
    EXPECT_EQ(pm.currentLine(), 0);
}

TEST(PageManager, EndOfDocumentClosesAnOpenPageFirst) {
    RecordingPrinter printer(60);
    PageManager pm(printer, [](const std::string&) {});
    pm.PrnManager2(5, kHeadings);
    pm.PrnManager2(-100, kHeadings);
    EXPECT_EQ(printer.count("print:Page 1"), 1);
    EXPECT_EQ(printer.log.back(), "end");
    RecordingPrinter idle(60);
    PageManager empty(idle, [](const std::string&) {});
    empty.PrnManager2(-100, kHeadings);
    EXPECT_EQ(idle.log, std::vector<std::string>{"end"});
}

TEST(PageManager, NewPageCommandPrintsNumberThenHeadings) {
    RecordingPrinter printer(60);
    PageManager pm(printer, [](const std::string&) {});
    pm.PrnManager2(3, kHeadings);
    pm.PrnManager2(-300, kHeadings);
    EXPECT_EQ(pm.currentLine(), 13);
    EXPECT_EQ(printer.count("newpage"), 1);
    EXPECT_EQ(printer.count("print:  Ann and Bob"), 2);
}

TEST(PageManager, LineCountsOutsideOneToFortyAreRefused) {
    RecordingPrinter printer(60);
    std::vector<std::string> complaints;
    PageManager pm(printer, [&](const std::string& m) { complaints.push_back(m); });
    EXPECT_FALSE(pm.PrnManager2(41, kHeadings));
    EXPECT_FALSE(pm.PrnManager2(0, kHeadings));
    EXPECT_FALSE(pm.PrnManager2(-5, kHeadings));
    ASSERT_EQ(complaints.size(), 3u);
    EXPECT_EQ(complaints[0], "41 lines passed to PrnManager2(). Please use between 1 and 40");
    EXPECT_TRUE(printer.log.empty());
    EXPECT_TRUE(pm.PrnManager2(40, kHeadings));
}
