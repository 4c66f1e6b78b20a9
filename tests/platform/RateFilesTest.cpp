// The shipped rate files against the published schedules: every bracket of
// 2008 and 2001 and the AMT rates, worked out by hand from the published
// figures, plus the rounding of products finer than four decimals.

#include "platform/LibraryFolder.h"
#include "platform/RateTable.h"
#include "platform/TableRateSchedule.h"
#include "common/TaxError.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <filesystem>
#include <string>

using tavrel::Currency;
using tavrel::TaxError;
using tavrel::platform::libraryFolder;
using tavrel::platform::rateFilePath;
using tavrel::platform::RateTable;
using tavrel::platform::TableRateSchedule;

namespace {

Currency money(const char* text) { return Currency::parseOrRaise(text); }

// The tax by a shipped schedule, through the component as the engine uses it.
Currency tax(const char* file, const char* schedule, Currency amount) {
    const std::string path = rateFilePath(file).string();
    TableRateSchedule r;
    r.setFile(path);
    r.setSchedule(schedule);
    r.setAmount(amount);
    r.load();
    return r.taxForAmount(amount);
}

TEST(LibraryFolder, IsTheFolderOfTheBinaryHoldingThePlatformCode) {
    // Linked straight into this test program, the code's binary is the program.
    EXPECT_EQ(libraryFolder(), std::filesystem::canonical("/proc/self/exe").parent_path());
    EXPECT_TRUE(libraryFolder().is_absolute());
    EXPECT_EQ(rateFilePath("Ind2008.tbl"), libraryFolder() / "Ind2008.tbl");
    EXPECT_EQ(&libraryFolder(), &libraryFolder());  // determined once
}

TEST(ShippedRateFiles, EveryYearHasItsFourSchedulesAndTheAmtFileItsTwo) {
    for (int year = 2001; year <= 2009; ++year) {
        const std::string name = "Ind" + std::to_string(year) + ".tbl";
        SCOPED_TRACE(name);
        const RateTable* t = nullptr;
        ASSERT_NO_THROW(t = &RateTable::cached(rateFilePath(name).string()));  // all check figures pass
        EXPECT_EQ(t->schedules().size(), 4u);
        for (const char* s : {"Schedule X", "Schedule Y-1", "Schedule Y-2", "Schedule Z"}) {
            ASSERT_NE(t->find(s), nullptr) << s;
            // 2001 starts at 15%, later years at 10%.
            EXPECT_EQ(t->find(s)->brackets().size(), year == 2001 ? 5u : 6u) << s;
            EXPECT_EQ(t->find(s)->brackets().front().rate, year == 2001 ? 15000 : 10000) << s;
        }
    }
    const RateTable& amt = RateTable::cached(rateFilePath("indAmt2001.tbl").string());
    EXPECT_EQ(amt.schedules().size(), 2u);
    EXPECT_NE(amt.find("Most Filers"), nullptr);
    EXPECT_NE(amt.find("Schedule Y-2"), nullptr);
}

TEST(ShippedRateFiles, LaterYearsThroughTheComponent) {
    // 2009 Schedule Z: 104,892.50 at 372,950 (published); + 35% of 50 = 104,910.00
    EXPECT_EQ(tax("Ind2009.tbl", "schedule z", money("373,000")), money("104,910"));
    // 2005 Schedule Y-1: 23,317.50 at 119,950 (published); + 28% of 50 = 23,331.50
    EXPECT_EQ(tax("Ind2005.tbl", "SCHEDULE Y-1", money("120,000")), money("23,331.50"));
    // 2002 Schedule X: 94,720.00 at 307,050; + 38.6% of 1 = 94,720.386
    EXPECT_EQ(tax("Ind2002.tbl", "Schedule X", money("307,051")), money("94,720.386"));
}

struct Published {
    const char* file;
    const char* schedule;
    const char* amount;
    const char* expected;
};

void PrintTo(const Published& p, std::ostream* os) { *os << p.file << " " << p.schedule << " at " << p.amount; }

class PublishedSchedules : public testing::TestWithParam<Published> {};

TEST_P(PublishedSchedules, TaxMatchesTheHandWorkedFigure) {
    const Published& c = GetParam();
    EXPECT_EQ(tax(c.file, c.schedule, money(c.amount)), money(c.expected))
        << c.file << " " << c.schedule << " at " << c.amount;
}

// Each lower bound, then 1,234.56 into the bracket. The tax at a lower bound is
// built from the bracket below it, so these rows also check the published
// check figures.
// clang-format off
constexpr Published kPublished[] = {
    // 2008 Schedule X
    {"Ind2008.tbl", "Schedule X", "0", "0.00"},
    {"Ind2008.tbl", "Schedule X", "1,234.56", "123.456"},  // 0.00 + 10% of 1,234.56 (123.456)
    {"Ind2008.tbl", "Schedule X", "8,025", "802.50"},  // 0.00 + 10% of 8,025 (802.50)
    {"Ind2008.tbl", "Schedule X", "9,259.56", "987.684"},  // 802.50 + 15% of 1,234.56 (185.184)
    {"Ind2008.tbl", "Schedule X", "32,550", "4,481.25"},  // 802.50 + 15% of 24,525 (3,678.75)
    {"Ind2008.tbl", "Schedule X", "33,784.56", "4,789.89"},  // 4,481.25 + 25% of 1,234.56 (308.64)
    {"Ind2008.tbl", "Schedule X", "78,850", "16,056.25"},  // 4,481.25 + 25% of 46,300 (11,575.00)
    {"Ind2008.tbl", "Schedule X", "80,084.56", "16,401.9268"},  // 16,056.25 + 28% of 1,234.56 (345.6768)
    {"Ind2008.tbl", "Schedule X", "164,550", "40,052.25"},  // 16,056.25 + 28% of 85,700 (23,996.00)
    {"Ind2008.tbl", "Schedule X", "165,784.56", "40,459.6548"},  // 40,052.25 + 33% of 1,234.56 (407.4048)
    {"Ind2008.tbl", "Schedule X", "357,700", "103,791.75"},  // 40,052.25 + 33% of 193,150 (63,739.50)
    {"Ind2008.tbl", "Schedule X", "358,934.56", "104,223.846"},  // 103,791.75 + 35% of 1,234.56 (432.096)
    // 2008 Schedule Y-1
    {"Ind2008.tbl", "Schedule Y-1", "0", "0.00"},
    {"Ind2008.tbl", "Schedule Y-1", "1,234.56", "123.456"},  // 0.00 + 10% of 1,234.56 (123.456)
    {"Ind2008.tbl", "Schedule Y-1", "16,050", "1,605.00"},  // 0.00 + 10% of 16,050 (1,605.00)
    {"Ind2008.tbl", "Schedule Y-1", "17,284.56", "1,790.184"},  // 1,605.00 + 15% of 1,234.56 (185.184)
    {"Ind2008.tbl", "Schedule Y-1", "65,100", "8,962.50"},  // 1,605.00 + 15% of 49,050 (7,357.50)
    {"Ind2008.tbl", "Schedule Y-1", "66,334.56", "9,271.14"},  // 8,962.50 + 25% of 1,234.56 (308.64)
    {"Ind2008.tbl", "Schedule Y-1", "131,450", "25,550.00"},  // 8,962.50 + 25% of 66,350 (16,587.50)
    {"Ind2008.tbl", "Schedule Y-1", "132,684.56", "25,895.6768"},  // 25,550.00 + 28% of 1,234.56 (345.6768)
    {"Ind2008.tbl", "Schedule Y-1", "200,300", "44,828.00"},  // 25,550.00 + 28% of 68,850 (19,278.00)
    {"Ind2008.tbl", "Schedule Y-1", "201,534.56", "45,235.4048"},  // 44,828.00 + 33% of 1,234.56 (407.4048)
    {"Ind2008.tbl", "Schedule Y-1", "357,700", "96,770.00"},  // 44,828.00 + 33% of 157,400 (51,942.00)
    {"Ind2008.tbl", "Schedule Y-1", "358,934.56", "97,202.096"},  // 96,770.00 + 35% of 1,234.56 (432.096)
    // 2008 Schedule Y-2
    {"Ind2008.tbl", "Schedule Y-2", "0", "0.00"},
    {"Ind2008.tbl", "Schedule Y-2", "1,234.56", "123.456"},  // 0.00 + 10% of 1,234.56 (123.456)
    {"Ind2008.tbl", "Schedule Y-2", "8,025", "802.50"},  // 0.00 + 10% of 8,025 (802.50)
    {"Ind2008.tbl", "Schedule Y-2", "9,259.56", "987.684"},  // 802.50 + 15% of 1,234.56 (185.184)
    {"Ind2008.tbl", "Schedule Y-2", "32,550", "4,481.25"},  // 802.50 + 15% of 24,525 (3,678.75)
    {"Ind2008.tbl", "Schedule Y-2", "33,784.56", "4,789.89"},  // 4,481.25 + 25% of 1,234.56 (308.64)
    {"Ind2008.tbl", "Schedule Y-2", "65,725", "12,775.00"},  // 4,481.25 + 25% of 33,175 (8,293.75)
    {"Ind2008.tbl", "Schedule Y-2", "66,959.56", "13,120.6768"},  // 12,775.00 + 28% of 1,234.56 (345.6768)
    {"Ind2008.tbl", "Schedule Y-2", "100,150", "22,414.00"},  // 12,775.00 + 28% of 34,425 (9,639.00)
    {"Ind2008.tbl", "Schedule Y-2", "101,384.56", "22,821.4048"},  // 22,414.00 + 33% of 1,234.56 (407.4048)
    {"Ind2008.tbl", "Schedule Y-2", "178,850", "48,385.00"},  // 22,414.00 + 33% of 78,700 (25,971.00)
    {"Ind2008.tbl", "Schedule Y-2", "180,084.56", "48,817.096"},  // 48,385.00 + 35% of 1,234.56 (432.096)
    // 2008 Schedule Z
    {"Ind2008.tbl", "Schedule Z", "0", "0.00"},
    {"Ind2008.tbl", "Schedule Z", "1,234.56", "123.456"},  // 0.00 + 10% of 1,234.56 (123.456)
    {"Ind2008.tbl", "Schedule Z", "11,450", "1,145.00"},  // 0.00 + 10% of 11,450 (1,145.00)
    {"Ind2008.tbl", "Schedule Z", "12,684.56", "1,330.184"},  // 1,145.00 + 15% of 1,234.56 (185.184)
    {"Ind2008.tbl", "Schedule Z", "43,650", "5,975.00"},  // 1,145.00 + 15% of 32,200 (4,830.00)
    {"Ind2008.tbl", "Schedule Z", "44,884.56", "6,283.64"},  // 5,975.00 + 25% of 1,234.56 (308.64)
    {"Ind2008.tbl", "Schedule Z", "112,650", "23,225.00"},  // 5,975.00 + 25% of 69,000 (17,250.00)
    {"Ind2008.tbl", "Schedule Z", "113,884.56", "23,570.6768"},  // 23,225.00 + 28% of 1,234.56 (345.6768)
    {"Ind2008.tbl", "Schedule Z", "182,400", "42,755.00"},  // 23,225.00 + 28% of 69,750 (19,530.00)
    {"Ind2008.tbl", "Schedule Z", "183,634.56", "43,162.4048"},  // 42,755.00 + 33% of 1,234.56 (407.4048)
    {"Ind2008.tbl", "Schedule Z", "357,700", "100,604.00"},  // 42,755.00 + 33% of 175,300 (57,849.00)
    {"Ind2008.tbl", "Schedule Z", "358,934.56", "101,036.096"},  // 100,604.00 + 35% of 1,234.56 (432.096)
    // 2001 Schedule X
    {"Ind2001.tbl", "Schedule X", "0", "0.00"},
    {"Ind2001.tbl", "Schedule X", "1,234.56", "185.184"},  // 0.00 + 15% of 1,234.56 (185.184)
    {"Ind2001.tbl", "Schedule X", "27,050", "4,057.50"},  // 0.00 + 15% of 27,050 (4,057.50)
    {"Ind2001.tbl", "Schedule X", "28,284.56", "4,397.004"},  // 4,057.50 + 27.5% of 1,234.56 (339.504)
    {"Ind2001.tbl", "Schedule X", "65,550", "14,645.00"},  // 4,057.50 + 27.5% of 38,500 (10,587.50)
    {"Ind2001.tbl", "Schedule X", "66,784.56", "15,021.5408"},  // 14,645.00 + 30.5% of 1,234.56 (376.5408)
    {"Ind2001.tbl", "Schedule X", "136,750", "36,361.00"},  // 14,645.00 + 30.5% of 71,200 (21,716.00)
    {"Ind2001.tbl", "Schedule X", "137,984.56", "36,799.2688"},  // 36,361.00 + 35.5% of 1,234.56 (438.2688)
    {"Ind2001.tbl", "Schedule X", "297,350", "93,374.00"},  // 36,361.00 + 35.5% of 160,600 (57,013.00)
    {"Ind2001.tbl", "Schedule X", "298,584.56", "93,856.713"},  // 93,374.00 + 39.1% of 1,234.56 (482.71296) -> 93,856.713 at four decimals
    // 2001 Schedule Y-1
    {"Ind2001.tbl", "Schedule Y-1", "0", "0.00"},
    {"Ind2001.tbl", "Schedule Y-1", "1,234.56", "185.184"},  // 0.00 + 15% of 1,234.56 (185.184)
    {"Ind2001.tbl", "Schedule Y-1", "45,200", "6,780.00"},  // 0.00 + 15% of 45,200 (6,780.00)
    {"Ind2001.tbl", "Schedule Y-1", "46,434.56", "7,119.504"},  // 6,780.00 + 27.5% of 1,234.56 (339.504)
    {"Ind2001.tbl", "Schedule Y-1", "109,250", "24,393.75"},  // 6,780.00 + 27.5% of 64,050 (17,613.75)
    {"Ind2001.tbl", "Schedule Y-1", "110,484.56", "24,770.2908"},  // 24,393.75 + 30.5% of 1,234.56 (376.5408)
    {"Ind2001.tbl", "Schedule Y-1", "166,500", "41,855.00"},  // 24,393.75 + 30.5% of 57,250 (17,461.25)
    {"Ind2001.tbl", "Schedule Y-1", "167,734.56", "42,293.2688"},  // 41,855.00 + 35.5% of 1,234.56 (438.2688)
    {"Ind2001.tbl", "Schedule Y-1", "297,350", "88,306.75"},  // 41,855.00 + 35.5% of 130,850 (46,451.75)
    {"Ind2001.tbl", "Schedule Y-1", "298,584.56", "88,789.463"},  // 88,306.75 + 39.1% of 1,234.56 (482.71296) -> 88,789.463 at four decimals
    // 2001 Schedule Y-2
    {"Ind2001.tbl", "Schedule Y-2", "0", "0.00"},
    {"Ind2001.tbl", "Schedule Y-2", "1,234.56", "185.184"},  // 0.00 + 15% of 1,234.56 (185.184)
    {"Ind2001.tbl", "Schedule Y-2", "22,600", "3,390.00"},  // 0.00 + 15% of 22,600 (3,390.00)
    {"Ind2001.tbl", "Schedule Y-2", "23,834.56", "3,729.504"},  // 3,390.00 + 27.5% of 1,234.56 (339.504)
    {"Ind2001.tbl", "Schedule Y-2", "54,625", "12,196.875"},  // 3,390.00 + 27.5% of 32,025 (8,806.875); published rounded: 12,196.88
    {"Ind2001.tbl", "Schedule Y-2", "55,859.56", "12,573.4158"},  // 12,196.875 + 30.5% of 1,234.56 (376.5408)
    {"Ind2001.tbl", "Schedule Y-2", "83,250", "20,927.50"},  // 12,196.875 + 30.5% of 28,625 (8,730.625)
    {"Ind2001.tbl", "Schedule Y-2", "84,484.56", "21,365.7688"},  // 20,927.50 + 35.5% of 1,234.56 (438.2688)
    {"Ind2001.tbl", "Schedule Y-2", "148,675", "44,153.375"},  // 20,927.50 + 35.5% of 65,425 (23,225.875); published rounded: 44,153.38
    {"Ind2001.tbl", "Schedule Y-2", "149,909.56", "44,636.088"},  // 44,153.375 + 39.1% of 1,234.56 (482.71296) -> 44,636.088 at four decimals
    // 2001 Schedule Z
    {"Ind2001.tbl", "Schedule Z", "0", "0.00"},
    {"Ind2001.tbl", "Schedule Z", "1,234.56", "185.184"},  // 0.00 + 15% of 1,234.56 (185.184)
    {"Ind2001.tbl", "Schedule Z", "36,250", "5,437.50"},  // 0.00 + 15% of 36,250 (5,437.50)
    {"Ind2001.tbl", "Schedule Z", "37,484.56", "5,777.004"},  // 5,437.50 + 27.5% of 1,234.56 (339.504)
    {"Ind2001.tbl", "Schedule Z", "93,650", "21,222.50"},  // 5,437.50 + 27.5% of 57,400 (15,785.00)
    {"Ind2001.tbl", "Schedule Z", "94,884.56", "21,599.0408"},  // 21,222.50 + 30.5% of 1,234.56 (376.5408)
    {"Ind2001.tbl", "Schedule Z", "151,650", "38,912.50"},  // 21,222.50 + 30.5% of 58,000 (17,690.00)
    {"Ind2001.tbl", "Schedule Z", "152,884.56", "39,350.7688"},  // 38,912.50 + 35.5% of 1,234.56 (438.2688)
    {"Ind2001.tbl", "Schedule Z", "297,350", "90,636.00"},  // 38,912.50 + 35.5% of 145,700 (51,723.50)
    {"Ind2001.tbl", "Schedule Z", "298,584.56", "91,118.713"},  // 90,636.00 + 39.1% of 1,234.56 (482.71296) -> 91,118.713 at four decimals
    // AMT Most Filers
    {"indAmt2001.tbl", "Most Filers", "0", "0.00"},
    {"indAmt2001.tbl", "Most Filers", "1,234.56", "320.9856"},  // 0.00 + 26% of 1,234.56 (320.9856)
    {"indAmt2001.tbl", "Most Filers", "175,000", "45,500.00"},  // 0.00 + 26% of 175,000 (45,500.00)
    {"indAmt2001.tbl", "Most Filers", "176,234.56", "45,845.6768"},  // 45,500.00 + 28% of 1,234.56 (345.6768)
    // AMT Schedule Y-2
    {"indAmt2001.tbl", "Schedule Y-2", "0", "0.00"},
    {"indAmt2001.tbl", "Schedule Y-2", "1,234.56", "320.9856"},  // 0.00 + 26% of 1,234.56 (320.9856)
    {"indAmt2001.tbl", "Schedule Y-2", "87,500", "22,750.00"},  // 0.00 + 26% of 87,500 (22,750.00)
    {"indAmt2001.tbl", "Schedule Y-2", "88,734.56", "23,095.6768"}  // 22,750.00 + 28% of 1,234.56 (345.6768)
};
// clang-format on

// Names like Ind2008_Schedule_Y1_9259_56.
std::string caseName(const testing::TestParamInfo<Published>& p) {
    std::string name;
    for (const char* part : {p.param.file, " ", p.param.schedule, " ", p.param.amount})
        for (const char* c = part; *c; ++c) {
            if (std::isalnum(static_cast<unsigned char>(*c)))
                name.push_back(*c);
            else if (*c == ' ' || *c == '.')
                name.push_back('_');
        }
    const auto tbl = name.find("_tbl");
    return tbl == std::string::npos ? name : name.replace(tbl, 4, "");
}

INSTANTIATE_TEST_SUITE_P(ByBracket, PublishedSchedules, testing::ValuesIn(kPublished), caseName);

TEST(ShippedRateFiles, AmountsJustAroundABoundary) {
    // 2008 Schedule X, boundary 8,025 (10% below, 15% above)
    // 8,024.99 at 10% = 802.499
    EXPECT_EQ(tax("Ind2008.tbl", "Schedule X", money("8,024.99")), money("802.499"));
    // 802.50 + 15% of 0.01 (0.0015) = 802.5015
    EXPECT_EQ(tax("Ind2008.tbl", "Schedule X", money("8,025.01")), money("802.5015"));
    // 2001 Schedule Z, boundary 297,350 (35.5% below, 39.1% above)
    // 38,912.50 + 35.5% of 145,699.99 (51,723.49645) = 90,635.99645: a tie, to the even 90,635.9964
    EXPECT_EQ(tax("Ind2001.tbl", "Schedule Z", money("297,349.99")), money("90,635.9964"));
    // 90,636 + 39.1% of 0.01 (0.00391) = 90,636.00391 -> 90,636.0039
    EXPECT_EQ(tax("Ind2001.tbl", "Schedule Z", money("297,350.01")), money("90,636.0039"));
}

TEST(ShippedRateFiles, ZeroAndNegativeAmountsOweNothing) {
    for (const char* file : {"Ind2001.tbl", "Ind2008.tbl"}) {
        EXPECT_EQ(tax(file, "Schedule X", money("0")), Currency());
        EXPECT_EQ(tax(file, "Schedule X", money("-0.0001")), Currency());
        EXPECT_EQ(tax(file, "Schedule Y-1", money("-50,000")), Currency());
        EXPECT_EQ(tax(file, "Schedule Z", Currency::fromScaled(LLONG_MIN)), Currency());
    }
    // The smallest positive amount: 0.0001 at 10% = 0.00001 -> 0.0000
    EXPECT_EQ(tax("Ind2008.tbl", "Schedule X", money("0.0001")), Currency());
    // 0.0005 at 10% = 0.00005: a tie, to the even 0.0000; 0.0015 at 10% = 0.00015 -> 0.0002
    EXPECT_EQ(tax("Ind2008.tbl", "Schedule X", money("0.0005")), Currency());
    EXPECT_EQ(tax("Ind2008.tbl", "Schedule X", money("0.0015")), money("0.0002"));
}

TEST(ShippedRateFiles, ProductsFinerThanFourDecimalsRoundHalfToEven) {
    // 2001 Schedule Y-2 at 54,625: 3,390 + 27.5% of 32,025 = 12,196.875 exactly, kept unrounded
    EXPECT_EQ(tax("Ind2001.tbl", "Schedule Y-2", money("54,625")), money("12,196.875"));
    // 3,390 + 27.5% of 0.0020 (0.00055): a tie, up to the even 3,390.0006
    EXPECT_EQ(tax("Ind2001.tbl", "Schedule Y-2", money("22,600.002")), money("3,390.0006"));
    // 3,390 + 27.5% of 0.0060 (0.00165): a tie, down to the even 3,390.0016
    EXPECT_EQ(tax("Ind2001.tbl", "Schedule Y-2", money("22,600.006")), money("3,390.0016"));
    // 3,390 + 27.5% of 0.0002 (0.000055): below the tie, 3,390.0001
    EXPECT_EQ(tax("Ind2001.tbl", "Schedule Y-2", money("22,600.0002")), money("3,390.0001"));
    // 93,374 + 39.1% of 0.0500 (0.01955): a tie, up to the even 93,374.0196
    EXPECT_EQ(tax("Ind2001.tbl", "Schedule X", money("297,350.05")), money("93,374.0196"));
    // 93,374 + 39.1% of 0.1500 (0.05865): a tie, down to the even 93,374.0586
    EXPECT_EQ(tax("Ind2001.tbl", "Schedule X", money("297,350.15")), money("93,374.0586"));
    // 2008 Schedule X: 802.50 + 15% of 0.0010 (0.00015): a tie, up to 802.5002
    EXPECT_EQ(tax("Ind2008.tbl", "Schedule X", money("8,025.001")), money("802.5002"));
    // 802.50 + 15% of 0.0030 (0.00045): a tie, down to 802.5004
    EXPECT_EQ(tax("Ind2008.tbl", "Schedule X", money("8,025.003")), money("802.5004"));
    // 40,052.25 + 33% of 0.0050 (0.00165): a tie, down to 40,052.2516
    EXPECT_EQ(tax("Ind2008.tbl", "Schedule X", money("164,550.005")), money("40,052.2516"));
    // 103,791.75 + 35% of 0.0010 (0.00035): a tie, up to 103,791.7504
    EXPECT_EQ(tax("Ind2008.tbl", "Schedule X", money("357,700.001")), money("103,791.7504"));
}

TEST(ShippedRateFiles, AmountsBeyondDoublePrecisionStayExact) {
    // 93,374 + 39.1% of 900,000,000,000.0003 (351,900,000,000.0001173) = 351,900,093,374.0001
    // (the amount, 900,000,297,350.0003, has more digits than a double holds)
    EXPECT_EQ(tax("Ind2001.tbl", "Schedule X", money("900,000,297,350.0003")), money("351,900,093,374.0001"));
    // The largest amount, 922,337,203,685,477.5807: 45,500 + 28% of 922,337,203,510,477.5807
    // (258,254,416,982,933.722596) = 258,254,417,028,433.722596 -> 258,254,417,028,433.7226
    EXPECT_EQ(tax("indAmt2001.tbl", "Most Filers", Currency::fromScaled(LLONG_MAX)), money("258,254,417,028,433.7226"));
}

}  // namespace
