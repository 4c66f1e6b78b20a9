// Money in the calculator's CSV files: the quick reading of plain decimals must
// give exactly what the full parser gives, and the written amounts keep two to
// four decimals.
#include "calc/AmountText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

using tavrel::Currency;
using tavrel::calc::ScannedValue;
using tavrel::calc::scanValue;

namespace {

// Scans the start of the line as the row reader does: from a copy followed by
// a stop byte and the room the reading needs.
ScannedValue scan(std::string_view line, std::string_view* rest = nullptr) {
    static std::string copy;
    copy.assign(line);
    copy.append(tavrel::calc::kScanPadding, '\n');
    ScannedValue v;
    const char* stop = scanValue(copy.data(), copy.data() + line.size(), v);
    if (rest) *rest = line.substr(static_cast<std::size_t>(stop - copy.data()));
    v.text = line.substr(static_cast<std::size_t>(v.text.data() - copy.data()), v.text.size());
    return v;
}

}  // namespace

TEST(ScanValue, AgreesWithTheFullParserOnEveryForm) {
    // Plain decimals (read on the way) and every other form (left to the parser).
    for (const char* text : {"0",
                             "7",
                             "-3000",
                             "+12",
                             "1234.56",
                             "0.0001",
                             "-0.5",
                             ".5",
                             "5.",
                             "-.25",
                             "12345678901234",
                             "123456789012345",
                             "1.23456",
                             "0.00005",
                             "1.5e3",
                             "25E-2",
                             "0000012",
                             "-0",
                             "abc",
                             "-",
                             "+",
                             ".",
                             "1 2",
                             "12a",
                             "0x10",
                             "\"5\"",
                             "nan",
                             "99999999999999999999",
                             "1e30"}) {
        const ScannedValue v = scan(text);
        const Currency::ParseResult expected = Currency::parse(text);
        EXPECT_EQ(v.amount.status, expected.status) << text;
        if (expected.ok()) {
            EXPECT_EQ(v.amount.scaled, expected.scaled) << text;
        }
        EXPECT_EQ(v.text, text);
    }
}

TEST(ScanValue, AgreesWithTheFullParserAtEveryLength) {
    // 1 to 17 integer digits and 0 to 6 decimals, where the reading changes
    // from eight digits at a time to the full parser.
    for (int integerDigits = 1; integerDigits <= 17; ++integerDigits) {
        for (int decimals = 0; decimals <= 6; ++decimals) {
            std::string text = integerDigits % 2 ? "-" : "";
            for (int i = 0; i < integerDigits; ++i) text += static_cast<char>('1' + (i * 7 + integerDigits) % 9);
            if (decimals > 0) text += '.';
            for (int i = 0; i < decimals; ++i) text += static_cast<char>('0' + (i * 3 + decimals) % 10);
            const ScannedValue v = scan(text + ",9");
            const Currency::ParseResult expected = Currency::parse(text);
            EXPECT_EQ(v.amount.status, expected.status) << text;
            EXPECT_EQ(v.amount.scaled, expected.ok() ? expected.scaled : 0) << text;
        }
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

TEST(WriteAmount, IsTheExactTextWithAtLeastTwoDecimals) {
    // Around every power of ten, where the number of digits changes.
    for (int exponent = 0; exponent <= 18; ++exponent) {
        std::int64_t power = 1;
        for (int i = 0; i < exponent; ++i) power *= 10;
        for (const std::int64_t scaled : {power - 1, power, power + 1, power + 7'654, -power, -(power - 1)}) {
            std::string expected = Currency::fromScaled(scaled).toExactText();
            const auto point = expected.find('.');
            if (point == std::string::npos)
                expected += ".00";
            else if (expected.size() - point == 2)
                expected += '0';
            char buffer[tavrel::calc::kMaxAmountChars];
            char* end = tavrel::calc::writeAmount(buffer, Currency::fromScaled(scaled));
            EXPECT_EQ(std::string(buffer, end), expected) << scaled;
        }
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
