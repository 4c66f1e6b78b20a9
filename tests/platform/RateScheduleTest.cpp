// The rate-schedule component: loading, the loader's checks of a file, the
// process-wide cache and the arithmetic on schedules made for the purpose.

#include "platform/RateTable.h"
#include "platform/TableRateSchedule.h"
#include "common/TaxError.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <linux/capability.h>
#include <new>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using tavrel::Currency;
using tavrel::TaxError;
using tavrel::platform::RateTable;
using tavrel::platform::TableRateSchedule;

// Counts heap allocations while switched on, to show that a load from the
// cache allocates nothing.
namespace {

using TempFolder = testsupport::TempDir;
using testsupport::readFile;
using testsupport::writeFile;
std::atomic<bool> gCounting{false};
std::atomic<long> gAllocations{0};
}  // namespace

// GCC pairs the replaced operator new with the free() below when it inlines a
// delete and warns of a mismatch; here malloc and free are the matching pair.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    if (gCounting.load(std::memory_order_relaxed)) gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace {

const std::string kData = TAVREL_TEST_DATA;

template <class F>
TaxError errorOf(F&& call) {
    try {
        call();
    } catch (const TaxError& e) {
        return e;
    }
    ADD_FAILURE() << "no error was raised";
    return TaxError(0, "", "");
}

Currency money(const char* text) { return Currency::parseOrRaise(text); }

// The error that parsing the text raises.
TaxError parseError(const std::string& text) {
    return errorOf([&] { RateTable::parse(text, "/rates/test.tbl"); });
}

// --- Loading -------------------------------------------------------------------

TEST(RateScheduleLoad, TaxBeforeASuccessfulLoadRaises5) {
    TableRateSchedule r;
    EXPECT_EQ(errorOf([&] { r.taxForAmount(money("100")); }).number(), 5);
    const std::string file = kData + "/rates/fine-rates.tbl";
    r.setFile(file);
    r.setSchedule("No Such Schedule");
    EXPECT_EQ(errorOf([&] { r.load(); }).number(), 5);
    EXPECT_EQ(errorOf([&] { r.taxForAmount(money("100")); }).number(), 5);
}

TEST(RateScheduleLoad, LoadWithoutAFileRaises52) {
    TableRateSchedule r;
    r.setSchedule("Fine");
    EXPECT_EQ(errorOf([&] { r.load(); }).number(), 52);
}

TEST(RateScheduleLoad, MissingFileRaises53NamingThePath) {
    const std::string file = kData + "/rates/Ind2012.tbl";
    TableRateSchedule r;
    r.setFile(file);
    r.setSchedule("Schedule X");
    const TaxError e = errorOf([&] { r.load(); });
    EXPECT_EQ(e.number(), 53);
    EXPECT_EQ(e.source(), "RateSchedule.Load: rate file \"" + file + "\" not found");
}

TEST(RateScheduleLoad, MissingScheduleRaises5NamingScheduleAndFile) {
    const std::string file = kData + "/rates/fine-rates.tbl";
    TableRateSchedule r;
    r.setFile(file);
    r.setSchedule("Schedule Q");
    const TaxError e = errorOf([&] { r.load(); });
    EXPECT_EQ(e.number(), 5);
    EXPECT_EQ(e.source(), "RateSchedule.Load: schedule \"Schedule Q\" not found in rate file \"" + file + "\"");
}

TEST(RateScheduleLoad, ScheduleNamesIgnoreCase) {
    const std::string file = kData + "/rates/fine-rates.tbl";
    for (const char* name : {"Fine", "FINE", "fine", " fInE "}) {
        TableRateSchedule r;
        r.setFile(file);
        r.setSchedule(name);
        ASSERT_NO_THROW(r.load()) << name;
        EXPECT_EQ(r.schedule()->name(), "Fine");
    }
}

TEST(RateScheduleLoad, UnreadableFileRaises75) {
    TempFolder dir;
    const std::string folderAsFile = dir.file("folder.tbl");
    fs::create_directory(folderAsFile);
    TableRateSchedule r;
    r.setFile(folderAsFile);
    r.setSchedule("X");
    TaxError e = errorOf([&] { r.load(); });
    EXPECT_EQ(e.number(), 75);
    EXPECT_NE(e.source().find("\"" + folderAsFile + "\""), std::string::npos) << e.source();

    // Refused permission, with root's override of permissions dropped for the check.
    const std::string locked = dir.file("locked.tbl");
    writeFile(locked, "[X]\n0 and up 10% 0.00\n");
    fs::permissions(locked, fs::perms::none);
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved[2]{};
    ASSERT_EQ(::syscall(SYS_capget, &header, saved), 0);
    __user_cap_data_struct lowered[2] = {saved[0], saved[1]};
    lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    ASSERT_EQ(::syscall(SYS_capset, &header, lowered), 0);
    // Checked, not assumed: without the override the file must refuse to open.
    const int probe = ::open(locked.c_str(), O_RDONLY);
    const bool enforced = probe < 0;
    if (probe >= 0) ::close(probe);
    r.setFile(locked);
    TaxError locked75(0, "", "");
    try {
        r.load();
    } catch (const TaxError& raised) {
        locked75 = raised;
    }
    ::syscall(SYS_capset, &header, saved);
    if (!enforced) GTEST_SKIP() << "file permissions are not enforced for this user";
    EXPECT_EQ(locked75.number(), 75);
    EXPECT_NE(locked75.source().find("\"" + locked + "\""), std::string::npos) << locked75.source();
    EXPECT_NE(locked75.source().find("Permission denied"), std::string::npos) << locked75.source();
}

TEST(RateScheduleLoad, AmountIsRecordedAndTaxUsesItsArgument) {
    const std::string file = kData + "/rates/fine-rates.tbl";
    TableRateSchedule r;
    r.setAmount(money("1,000"));  // before the file and the schedule: any order works
    r.setFile(file);
    r.setSchedule("Fine");
    r.load();
    EXPECT_EQ(r.amount(), money("1,000"));
    // 0.01 at 12.345% (0.0012345) + 50% of 9.99 (4.995) = 4.9962345, at four decimals 4.9962
    EXPECT_EQ(r.taxForAmount(money("10")), money("4.9962"));
    EXPECT_EQ(r.amount(), money("1,000"));
}

TEST(RateScheduleLoad, ChangingFileOrScheduleUndoesTheLoad) {
    const std::string file = kData + "/rates/fine-rates.tbl";
    TableRateSchedule r;
    r.setFile(file);
    r.setSchedule("Fine");
    r.load();
    r.setSchedule("Other");
    EXPECT_EQ(errorOf([&] { r.taxForAmount(money("1")); }).number(), 5);
    r.setSchedule("Fine");
    r.load();
    r.setFile(file);
    EXPECT_EQ(errorOf([&] { r.taxForAmount(money("1")); }).number(), 5);
}

// --- The loader's checks, on fixture files ------------------------------------

TaxError loadError(const std::string& name, const char* schedule) {
    const std::string file = kData + "/rates/" + name;
    TableRateSchedule r;
    r.setFile(file);
    r.setSchedule(schedule);
    return errorOf([&] { r.load(); });
}

TEST(RateFileChecks, GapBetweenBracketsNamesFileAndLine) {
    const TaxError e = loadError("gap.tbl", "Gap");
    EXPECT_EQ(e.number(), 5);
    EXPECT_EQ(e.source(), "RateSchedule.Load: rate file \"" + kData +
                              "/rates/gap.tbl\" line 4: the brackets are not contiguous: this one starts at 1,001 "
                              "but the one on line 3 ends at 1,000");
}

TEST(RateFileChecks, WrongCheckFigureNamesFileLineAndBothFigures) {
    const TaxError e = loadError("wrong-check.tbl", "Single");
    EXPECT_EQ(e.number(), 5);
    EXPECT_EQ(e.source(), "RateSchedule.Load: rate file \"" + kData +
                              "/rates/wrong-check.tbl\" line 5: the tax at 32,550 is 4,481.25 by the rates above "
                              "it, but the file states 4,418.25");
}

TEST(RateFileChecks, RateAbove100PercentNamesFileAndLine) {
    const TaxError e = loadError("bad-rate.tbl", "Too Much");
    EXPECT_EQ(e.number(), 5);
    EXPECT_EQ(e.source(),
              "RateSchedule.Load: rate file \"" + kData + "/rates/bad-rate.tbl\" line 4: the rate 150% is above 100%");
}

TEST(RateFileChecks, LastBracketMustBeOpenEnded) {
    const TaxError e = loadError("closed.tbl", "Closed");
    EXPECT_EQ(e.number(), 5);
    EXPECT_NE(e.source().find("closed.tbl\" line 4: "), std::string::npos) << e.source();
    EXPECT_NE(e.source().find("open-ended"), std::string::npos) << e.source();
}

struct BadText {
    const char* name;
    std::string text;
    std::string expected;  // the source after rate file "/rates/test.tbl"
};

void PrintTo(const BadText& b, std::ostream* os) { *os << b.name; }

class RateFileSyntax : public testing::TestWithParam<BadText> {};

TEST_P(RateFileSyntax, IsRefusedWithLineAndProblem) {
    const TaxError e = parseError(GetParam().text);
    EXPECT_EQ(e.number(), 5);
    EXPECT_EQ(e.source(), "RateSchedule.Load: rate file \"/rates/test.tbl\"" + GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Refused, RateFileSyntax,
    testing::Values(
        BadText{"Empty", "# only a comment\n\n", ": it holds no schedules"},
        BadText{"RowBeforeHeader", "0 and up 10% 0.00\n",
                " line 1: a bracket appears before the first [schedule] header"},
        BadText{"FirstNotAtZero", "[S]\n100 and up 10% 0.00\n", " line 2: the first bracket must start at 0, not 100"},
        BadText{"Overlap", "[S]\n0 1,000 10% 0.00\n900 and up 20% 100.00\n",
                " line 3: the brackets are not contiguous: this one starts at 900 but the one on line 2 ends at 1,000"},
        BadText{"EmptyBracket", "[S]\n0 0 10% 0.00\n0 and up 20% 0.00\n",
                " line 2: the bracket ends at 0, which is not above its start 0"},
        BadText{"AfterOpenEnded", "[S]\n0 and up 10% 0.00\n1,000 and up 20% 100.00\n",
                " line 3: a bracket follows the open-ended one on line 2"},
        BadText{"NoBrackets", "[S]\n# nothing\n[T]\n0 and up 10% 0.00\n", " line 1: schedule \"S\" has no brackets"},
        BadText{"Duplicate", "[S]\n0 and up 10% 0.00\n[s]\n0 and up 10% 0.00\n",
                " line 3: schedule \"s\" appears twice (first on line 1)"},
        BadText{"TooFewColumns", "[S]\n0 and up 10%\n",
                " line 2: expected four columns: over, not over (or \"and up\"), rate, and the tax at \"over\""},
        BadText{"TooManyColumns", "[S]\n0 1,000 10% 0.00 extra\n",
                " line 2: expected four columns: over, not over (or \"and up\"), rate, and the tax at \"over\""},
        BadText{"NoPercentSign", "[S]\n0 and up 10 0.00\n", " line 2: the rate \"10\" must end with '%'"},
        BadText{"RateTooFine", "[S]\n0 and up 10.1234% 0.00\n", " line 2: \"10.1234\" has more than 3 decimals"},
        BadText{"CheckFinerThanCents", "[S]\n0 and up 10% 0.001\n", " line 2: \"0.001\" has more than 2 decimals"},
        BadText{"NegativeAmount", "[S]\n-5 and up 10% 0.00\n",
                " line 2: \"-5\" is not an amount (expected digits, thousands separators and a point)"},
        BadText{"BadGrouping", "[S]\n0 80,25 10% 0.00\n",
                " line 2: \"80,25\" is not an amount (expected digits, thousands separators and a point)"},
        BadText{"Typo", "[S]\n0 8,O25 10% 0.00\n",
                " line 2: \"8,O25\" is not an amount (expected digits, thousands separators and a point)"},
        BadText{"UnclosedHeader", "[S\n", " line 1: a schedule header must end with ']'"},
        BadText{"EmptyName", "[  ]\n", " line 1: the schedule name is empty"},
        BadText{"CheckOffByACent", "[S]\n0 1,000 27.5% 0.00\n1,000 and up 30% 275.01\n",
                " line 3: the tax at 1,000 is 275.00 by the rates above it, but the file states 275.01"}),
    [](const testing::TestParamInfo<BadText>& p) { return std::string(p.param.name); });

TEST(RateFileChecks, CheckFigureIsTheExactTaxRoundedHalfAwayFromZero) {
    // 0 to 1 at 12.5% gives 0.125 on 1: the check is 0.13, not 0.12.
    EXPECT_NO_THROW(RateTable::parse("[S]\n0 1 12.5% 0.00\n1 and up 20% 0.13\n", "t"));
    EXPECT_EQ(parseError("[S]\n0 1 12.5% 0.00\n1 and up 20% 0.12\n").number(), 5);
}

TEST(RateFileChecks, CommentsBlanksCrLfAndByteOrderMarkAreAccepted) {
    const RateTable t = RateTable::parse(
        "\xEF\xBB\xBF# header\r\n\r\n  [ Mixed Case ]  # trailing comment\r\n"
        "\t0\t\t1,000.5\t10%\t0.00   # first\r\n"
        "1,000.5   AND UP   100%   100.05\r\n",
        "t");
    ASSERT_EQ(t.schedules().size(), 1u);
    const auto* s = t.find("mixed case");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->brackets().size(), 2u);
    // 1,000.50 at 10% = 100.05; + 100% of 10 = 110.05
    EXPECT_EQ(s->tax(money("1,010.5")), money("110.05"));
}

// --- Arithmetic on purpose-made schedules --------------------------------------

TEST(RateScheduleArithmetic, TaxAtALowerBoundIsCarriedExactlyAndRoundedOnce) {
    const RateTable& t = RateTable::cached(kData + "/rates/fine-rates.tbl");
    const auto* s = t.find("Fine");
    ASSERT_NE(s, nullptr);
    // 0.01 at 12.345% = 0.0012345: at four decimals 0.0012
    EXPECT_EQ(s->tax(money("0.01")), money("0.0012"));
    // 0.0012345 + 50% of 0.0001 (0.00005) = 0.0012845: at four decimals 0.0013. Rounding
    // the tax at the bound first (0.0012) and the product on its own (0.00005, a tie,
    // to 0.0000) would give 0.0012.
    EXPECT_EQ(s->tax(money("0.0101")), money("0.0013"));
    // 0.0012345 + 50% of 0.01 (0.005) = 0.0062345: 0.0062
    EXPECT_EQ(s->tax(money("0.02")), money("0.0062"));
    // 12.345% of 0.0001 = 0.000012345: 0.0000
    EXPECT_EQ(s->tax(money("0.0001")), money("0"));
    // 12.345% of 0.0005 = 0.000061725: 0.0001
    EXPECT_EQ(s->tax(money("0.0005")), money("0.0001"));
}

TEST(RateScheduleArithmetic, FullAndZeroRates) {
    const RateTable t = RateTable::parse("[S]\n0 100 0% 0.00\n100 and up 100% 0.00\n", "t");
    const auto* s = t.find("S");
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->tax(money("100")), money("0"));
    EXPECT_EQ(s->tax(money("100.0001")), money("0.0001"));
    // The largest amount: 100% of (max - 100) stays within range.
    const Currency max = Currency::fromScaled(INT64_MAX);
    EXPECT_EQ(s->tax(max), Currency::fromScaled(INT64_MAX - 100 * Currency::kScale));
}

// --- The cache -----------------------------------------------------------------

TEST(RateFileCache, ASecondLoadDoesNotReadTheFileAgain) {
    TempFolder dir;
    const std::string path = dir.file("copy.tbl");
    writeFile(path, "[S]\n0 1,000 10% 0.00\n1,000 and up 20% 100.00\n");
    {
        TableRateSchedule r;
        r.setFile(path);
        r.setSchedule("S");
        r.load();
        EXPECT_EQ(r.taxForAmount(money("2,000")), money("300"));  // 100 + 20% of 1,000
    }
    fs::remove(path);
    TableRateSchedule again;
    again.setFile(path);
    again.setSchedule("s");
    ASSERT_NO_THROW(again.load());
    EXPECT_EQ(again.taxForAmount(money("2,000")), money("300"));
}

TEST(RateFileCache, AFailedLoadIsNotKeptSoAFixedFileIsReadAgain) {
    TempFolder dir;
    const std::string path = dir.file("corrected.tbl");
    writeFile(path, "[S]\n0 1,000 10% 0.00\n1,000 and up 20% 1,000.00\n");  // wrong check
    TableRateSchedule r;
    r.setFile(path);
    r.setSchedule("S");
    EXPECT_EQ(errorOf([&] { r.load(); }).number(), 5);
    writeFile(path, "[S]\n0 1,000 10% 0.00\n1,000 and up 20% 100.00\n");
    ASSERT_NO_THROW(r.load());
    EXPECT_EQ(r.taxForAmount(money("1,500")), money("200"));  // 100 + 20% of 500
}

TEST(RateFileCache, ConcurrentFirstLoadsAgreeOnOneTable) {
    TempFolder dir;
    const std::string path = dir.file("shared.tbl");
    writeFile(path, "[S]\n0 1,000 10% 0.00\n1,000 and up 20% 100.00\n");
    constexpr int kThreads = 8;
    std::vector<const tavrel::platform::TaxSchedule*> seen(kThreads, nullptr);
    std::vector<Currency> taxes(kThreads);
    {
        std::vector<std::thread> threads;
        for (int i = 0; i < kThreads; ++i)
            threads.emplace_back([&, i] {
                for (int n = 0; n < 200; ++n) {
                    TableRateSchedule r;
                    r.setFile(path);
                    r.setSchedule("S");
                    r.load();
                    seen[static_cast<std::size_t>(i)] = r.schedule();
                    taxes[static_cast<std::size_t>(i)] = r.taxForAmount(Currency::fromDollars(1000 + i));
                }
            });
        for (auto& t : threads) t.join();
    }
    for (int i = 0; i < kThreads; ++i) {
        EXPECT_EQ(seen[static_cast<std::size_t>(i)], seen[0]);
        // 100 + 20% of i dollars
        EXPECT_EQ(taxes[static_cast<std::size_t>(i)], Currency::fromScaled(100 * Currency::kScale + i * 2000));
    }
}

TEST(RateFileCache, LoadingFromTheCacheAllocatesNothing) {
    const std::string file = kData + "/rates/fine-rates.tbl";
    const std::string schedule = "Fine";
    {
        TableRateSchedule warm;
        warm.setFile(file);
        warm.setSchedule(schedule);
        warm.load();
    }
    gAllocations = 0;
    gCounting = true;
    Currency total;
    for (int i = 0; i < 100; ++i) {
        TableRateSchedule r;
        r.setFile(file);
        r.setSchedule(schedule);
        r.setAmount(Currency::fromDollars(i));
        r.load();
        total += r.taxForAmount(Currency::fromDollars(i));
    }
    gCounting = false;
    EXPECT_EQ(gAllocations.load(), 0);
    EXPECT_GT(total, Currency());
}

}  // namespace
