// Money: parsing, the two roundings, the display pattern, exact text, doubles
// and overflow at the edges of the 64-bit range.
#include "common/Currency.h"
#include "common/TaxError.h"

#include "ErrorOf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

using tavrel::Currency;
using tavrel::TaxError;
using tavrel::usd;
using testsupport::errorNumberOf;

namespace {

Currency cents(std::int64_t c) { return Currency::fromScaled(c * 100); }

std::int64_t scaledOf(std::string_view text) {
    const auto r = Currency::parse(text);
    EXPECT_TRUE(r.ok()) << text;
    return r.scaled;
}

}  // namespace

TEST(CurrencyParse, AcceptsTheFormsTheSystemAndUsersWrite) {
    EXPECT_EQ(scaledOf("1234"), 12340000);
    EXPECT_EQ(scaledOf("-1,235"), -12350000);
    EXPECT_EQ(scaledOf("12,345,678"), 123456780000);
    EXPECT_EQ(scaledOf("  42  "), 420000);
    EXPECT_EQ(scaledOf("\t+7\t"), 70000);
    EXPECT_EQ(scaledOf(".5"), 5000);
    EXPECT_EQ(scaledOf("5."), 50000);
    EXPECT_EQ(scaledOf("-.25"), -2500);
    EXPECT_EQ(scaledOf("1,234.56"), 12345600);
    EXPECT_EQ(scaledOf("1.5e3"), 15000000);
    EXPECT_EQ(scaledOf("25E-2"), 2500);
    EXPECT_EQ(scaledOf("1e+2"), 1000000);
    EXPECT_EQ(scaledOf("0000012"), 120000);
    EXPECT_EQ(scaledOf("-0"), 0);
    EXPECT_EQ(scaledOf("0.00000"), 0);
}

TEST(CurrencyParse, RejectsWhatIsNotANumber) {
    for (const char* t : {"",    " ",   "-",    "+",    ".",      "-.",   "+.",     "e5",    "1e",      "1e+",
                          "abc", "12a", "1,5",  "1,23", "1,2345", ",123", "1,,234", "1 234", "--1",     "+-1",
                          "nan", "inf", "-inf", "0x1F", "$5",     "(5)",  "5-",     "1.2.3", "1,234,56"}) {
        EXPECT_EQ(Currency::parse(t).status, Currency::ParseStatus::NotANumber) << '"' << t << '"';
    }
}

TEST(CurrencyParse, RoundsBeyondFourDecimalsHalfToEven) {
    EXPECT_EQ(scaledOf("0.00005"), 0);  // tie, 0 is even
    EXPECT_EQ(scaledOf("0.00015"), 2);  // tie, up to even
    EXPECT_EQ(scaledOf("0.000150001"), 2);
    EXPECT_EQ(scaledOf("0.000050001"), 1);  // above the tie
    EXPECT_EQ(scaledOf("-0.00015"), -2);
    EXPECT_EQ(scaledOf("2.00004999"), 20000);
    EXPECT_EQ(scaledOf("1e-10"), 0);
}

TEST(CurrencyParse, DetectsOverflowInsteadOfWrapping) {
    EXPECT_EQ(scaledOf("922337203685477.5807"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(scaledOf("-922337203685477.5808"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(Currency::parse("922337203685477.5808").status, Currency::ParseStatus::Overflow);
    EXPECT_EQ(Currency::parse("1e15").status, Currency::ParseStatus::Overflow);
    EXPECT_EQ(Currency::parse("1e999999999999").status, Currency::ParseStatus::Overflow);
    EXPECT_EQ(Currency::parse(std::string(400, '9')).status, Currency::ParseStatus::Overflow);
    EXPECT_EQ(errorNumberOf([] { Currency::parseOrRaise("1e20"); }), 6);
    EXPECT_EQ(errorNumberOf([] { Currency::parseOrRaise("x"); }), 10002);
    EXPECT_EQ(errorNumberOf([] { Currency::convertOrRaise("x"); }), 13);
}

TEST(CurrencyParse, VeryLongTextStillParsesExactly) {
    // Many digits after the point only decide the rounding.
    EXPECT_EQ(scaledOf("1." + std::string(500, '0') + "1"), 10000);
    EXPECT_EQ(scaledOf("0.00005" + std::string(500, '0') + "1"), 1);
}

TEST(CurrencyText, PatternRoundsHalvesAwayFromZeroWithGrouping) {
    EXPECT_EQ(cents(123450).toPatternText(), "1,235");  // 1,234.50
    EXPECT_EQ(cents(-123450).toPatternText(), "-1,235");
    EXPECT_EQ(cents(123449).toPatternText(), "1,234");
    EXPECT_EQ(usd(0).toPatternText(), "0");
    EXPECT_EQ(Currency::fromScaled(-4999).toPatternText(), "0");  // rounds to zero: no minus sign
    EXPECT_EQ(Currency::fromScaled(-5000).toPatternText(), "-1");
    EXPECT_EQ(usd(999).toPatternText(), "999");
    EXPECT_EQ(usd(1000).toPatternText(), "1,000");
    EXPECT_EQ(usd(1234567).toPatternText(), "1,234,567");
    EXPECT_EQ(Currency::fromScaled(std::numeric_limits<std::int64_t>::max()).toPatternText(), "922,337,203,685,478");
    EXPECT_EQ(Currency::fromScaled(std::numeric_limits<std::int64_t>::min()).toPatternText(), "-922,337,203,685,478");
}

TEST(CurrencyText, ExactTextKeepsUpToFourDecimals) {
    EXPECT_EQ(Currency::fromScaled(121968750).toExactText(), "12196.875");
    EXPECT_EQ(Currency::fromScaled(-1).toExactText(), "-0.0001");
    EXPECT_EQ(usd(-250040).toExactText(), "-250040");
    EXPECT_EQ(Currency().toExactText(), "0");
    EXPECT_EQ(Currency::fromScaled(std::numeric_limits<std::int64_t>::min()).toExactText(), "-922337203685477.5808");
}

TEST(CurrencyText, EverythingWrittenParsesBack) {
    for (const std::int64_t v :
         {std::int64_t{0}, std::int64_t{1}, std::int64_t{-1}, std::int64_t{12345678}, std::int64_t{-98765432109},
          std::numeric_limits<std::int64_t>::max(), std::numeric_limits<std::int64_t>::min()}) {
        const Currency c = Currency::fromScaled(v);
        EXPECT_EQ(scaledOf(c.toExactText()), v);
        if (v > -900000000000000 * 10000 && v < 900000000000000 * 10000) {
            EXPECT_EQ(scaledOf(c.toPatternText()), c.roundDollarsAwayFromZero().scaled());
        }
    }
}

TEST(CurrencyRounding, RoundIsTiesToEvenAndPatternIsAwayFromZero) {
    struct Case {
        std::int64_t cents;
        std::int64_t even;
        std::int64_t away;
    };
    for (const Case c :
         {Case{50, 0, 1}, Case{150, 2, 2}, Case{250, 2, 3}, Case{-50, 0, -1}, Case{-150, -2, -2}, Case{-250, -2, -3},
          Case{149, 1, 1}, Case{151, 2, 2}, Case{123450, 1234, 1235}, Case{123550, 1236, 1236}}) {
        EXPECT_EQ(cents(c.cents).roundDollarsEven(), usd(c.even)) << c.cents;
        EXPECT_EQ(cents(c.cents).roundDollarsAwayFromZero(), usd(c.away)) << c.cents;
    }
    EXPECT_EQ(Currency::fromScaled(5001).roundDollarsEven(), usd(1));
}

TEST(CurrencyRounding, RoundingAtTheLimitOverflows) {
    const Currency top = Currency::fromScaled(std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(errorNumberOf([&] { (void)top.roundDollarsAwayFromZero(); }), 6);
}

TEST(CurrencyDouble, ConvertsAtFourDecimalsTiesToEven) {
    EXPECT_EQ(Currency::fromDouble4(0.30000000000000004), Currency::fromScaled(3000));
    // Exact ties in binary (x * 10,000 is n + 0.5 exactly) go to the even neighbour.
    EXPECT_EQ(Currency::fromDouble4(0.00005), Currency::fromScaled(0));
    EXPECT_EQ(Currency::fromDouble4(0.00025), Currency::fromScaled(2));
    EXPECT_EQ(Currency::fromDouble4(0.00375), Currency::fromScaled(38));
    EXPECT_EQ(Currency::fromDouble4(0.12345), Currency::fromScaled(1234));
    EXPECT_EQ(Currency::fromDouble4(-2.00025), Currency::fromScaled(-20002));
    // 0.00015 is stored just below the tie, so it goes down.
    EXPECT_EQ(Currency::fromDouble4(0.00015), Currency::fromScaled(1));
    EXPECT_EQ(usd(10000).times(1.0 / 1.05), Currency::fromScaled(95238095));  // 9,523.8095...
    EXPECT_EQ(usd(5702).dividedBy(3.0), Currency::fromScaled(19006667));
    EXPECT_EQ(usd(1001).times(0.5), Currency::fromScaled(5005000));
}

TEST(CurrencyDouble, NonFiniteAndOutOfRangeRaiseOverflow) {
    EXPECT_EQ(errorNumberOf([] { Currency::fromDouble4(std::nan("")); }), 6);
    EXPECT_EQ(errorNumberOf([] { Currency::fromDouble4(INFINITY); }), 6);
    EXPECT_EQ(errorNumberOf([] { Currency::fromDouble4(-INFINITY); }), 6);
    EXPECT_EQ(errorNumberOf([] { Currency::fromDouble4(1e15); }), 6);
    EXPECT_EQ(errorNumberOf([] { Currency::fromDouble4(-9.3e14); }), 6);
    EXPECT_EQ(errorNumberOf([] { (void)usd(1).dividedBy(0.0); }), 6);
    EXPECT_EQ(Currency::fromDouble4(9.2e14).scaled(), 9200000000000000000);
}

TEST(CurrencyArithmetic, IsExactAndChecked) {
    const Currency max = Currency::fromScaled(std::numeric_limits<std::int64_t>::max());
    const Currency min = Currency::fromScaled(std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(cents(10) + cents(20), cents(30));  // no binary fraction noise
    EXPECT_EQ(errorNumberOf([&] { (void)(max + Currency::fromScaled(1)); }), 6);
    EXPECT_EQ(errorNumberOf([&] { (void)(min - Currency::fromScaled(1)); }), 6);
    EXPECT_EQ(errorNumberOf([&] { (void)(-min); }), 6);
    EXPECT_EQ(errorNumberOf([&] { (void)usd(1).timesWhole(std::numeric_limits<std::int64_t>::max()); }), 6);
    EXPECT_EQ(errorNumberOf([] { (void)Currency::fromDollars(922337203685478); }), 6);
    EXPECT_EQ(usd(3500).timesWhole(-2), usd(-7000));
    EXPECT_LT(usd(-1), Currency());
    EXPECT_EQ(tavrel::minMax(usd(1), usd(2), false), usd(1));
    EXPECT_EQ(tavrel::minMax(usd(1), usd(2), true), usd(2));
}
