// Money in the calculator's CSV files: the quick reading of plain decimals must
// give exactly what the full parser gives, and the written amounts keep two to
// four decimals.
#include "AmountText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

using tavrel::Currency;
using tavrel::calc::ScannedValue;
using tavrel::calc::scanValue;

namespace {

ScannedValue scan(std::string_view line, std::string_view* rest = nullptr) {
    ScannedValue v;
    const char* stop = scanValue(line.data(), line.data() + line.size(), v);
    if (rest) *rest = line.substr(static_cast<std::size_t>(stop - line.data()));
    return v;
}

}  // namespace

TEST(ScanValue, AgreesWithTheFullParserOnEveryForm) {
    // Plain decimals (read on the way) and every other form (left to the parser).
    for (const char* text : {"0", "7", "-3000", "+12", "1234.56", "0.0001", "-0.5", ".5", "5.", "-.25",
                             "12345678901234", "123456789012345", "1.23456", "0.00005", "1.5e3", "25E-2",
                             "0000012", "-0", "abc", "-", "+", ".", "1 2", "12a", "0x10", "\"5\"", "nan",
                             "99999999999999999999", "1e30"}) {
        const ScannedValue v = scan(text);
        const Currency::ParseResult expected = Currency::parse(text);
        EXPECT_EQ(v.amount.status, expected.status) << text;
        if (expected.ok()) {
            EXPECT_EQ(v.amount.scaled, expected.scaled) << text;
        }
        EXPECT_EQ(v.text, text);
    }
}

TEST(ScanValue, StopsAtTheCommaAndTrimsBlanks) {
    struct Case {
        const char* name;
        std::string_view line;
        std::string_view text;
        std::int64_t scaled;
        std::string_view rest;
    };
    const Case cases[] = {
        {.name = "plain", .line = "12.5,7", .text = "12.5", .scaled = 125000, .rest = ",7"},
        {.name = "blanks around", .line = " \t-40 ,x", .text = "-40", .scaled = -400000, .rest = ",x"},
        {.name = "empty is zero", .line = ",5", .text = "", .scaled = 0, .rest = ",5"},
        {.name = "blanks only are zero", .line = "   ", .text = "", .scaled = 0, .rest = ""},
        {.name = "exponent", .line = " 2e3 ,1", .text = "2e3", .scaled = 20000000, .rest = ",1"},
    };
    for (const Case& c : cases) {
        std::string_view rest;
        const ScannedValue v = scan(c.line, &rest);
        EXPECT_TRUE(v.amount.ok()) << c.name;
        EXPECT_EQ(v.text, c.text) << c.name;
        EXPECT_EQ(v.amount.scaled, c.scaled) << c.name;
        EXPECT_EQ(rest, c.rest) << c.name;
    }
}

TEST(WriteAmount, TwoToFourDecimalsAndNoGrouping) {
    struct Case {
        std::int64_t scaled;
        const char* text;
    };
    const Case cases[] = {
        {0, "0.00"},
        {76273000, "7627.30"},
        {121968750, "12196.875"},
        {-30000000, "-3000.00"},
        {1, "0.0001"},
        {-5000, "-0.50"},
        {123456789012340000, "12345678901234.00"},
        {10000, "1.00"},
        {990000, "99.00"},
        {1000000, "100.00"},
        {std::numeric_limits<std::int64_t>::max(), "922337203685477.5807"},
        {std::numeric_limits<std::int64_t>::min(), "-922337203685477.5808"},
    };
    for (const Case& c : cases) {
        char buffer[tavrel::calc::kMaxAmountChars];
        char* end = tavrel::calc::writeAmount(buffer, Currency::fromScaled(c.scaled));
        EXPECT_EQ(std::string(buffer, end), c.text) << c.scaled;
    }
}
