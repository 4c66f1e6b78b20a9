// Whole-number and flag conversions of text, and the plain text of doubles.
#include "common/NumericText.h"
#include "common/TaxError.h"

#include "ErrorOf.h"

#include <gtest/gtest.h>

using namespace tavrel;
using testsupport::errorNumberOf;

TEST(NumericText, Int16ConversionRoundsTiesToEvenAndChecksRange) {
    EXPECT_EQ(toInt16("2008"), 2008);
    EXPECT_EQ(toInt16(" 2,008 "), 2008);
    EXPECT_EQ(toInt16("2.5"), 2);
    EXPECT_EQ(toInt16("3.5"), 4);
    EXPECT_EQ(toInt16("-2.5"), -2);
    EXPECT_EQ(toInt16("32767"), 32767);
    EXPECT_EQ(toInt16("-32768"), -32768);
    EXPECT_EQ(errorNumberOf([] { toInt16("32767.5"); }), 6);  // rounds to 32,768
    EXPECT_EQ(errorNumberOf([] { toInt16("-32769"); }), 6);
    EXPECT_EQ(errorNumberOf([] { toInt16("1e30"); }), 6);
    EXPECT_EQ(errorNumberOf([] { toInt16("two"); }), 13);
    EXPECT_EQ(errorNumberOf([] { toInt16(""); }), 13);
    EXPECT_EQ(toInt16(32766.5), 32766);
    EXPECT_EQ(errorNumberOf([] { toInt16(40000.0); }), 6);
}

TEST(NumericText, Int32Conversion) {
    EXPECT_EQ(toInt32("2"), 2);
    EXPECT_EQ(toInt32("-2147483648"), -2147483648);
    EXPECT_EQ(errorNumberOf([] { toInt32("2147483648"); }), 6);
    EXPECT_EQ(errorNumberOf([] { toInt32("Joint"); }), 13);
}

TEST(NumericText, FlagsAreWordsOrNumbers) {
    EXPECT_TRUE(toFlag("True"));
    EXPECT_TRUE(toFlag("TRUE"));
    EXPECT_FALSE(toFlag("false"));
    EXPECT_FALSE(toFlag(" False "));
    EXPECT_FALSE(toFlag("0"));
    EXPECT_TRUE(toFlag("-1"));
    EXPECT_TRUE(toFlag("0.5"));
    EXPECT_EQ(errorNumberOf([] { toFlag("yes"); }), 13);
    EXPECT_EQ(errorNumberOf([] { toFlag(""); }), 13);
    EXPECT_STREQ(flagText(true), "True");
    EXPECT_STREQ(flagText(false), "False");
}

TEST(NumericText, DoubleTextIsShortestPlainForm) {
    EXPECT_EQ(doubleText(5.0), "5");
    EXPECT_EQ(doubleText(6.5), "6.5");
    EXPECT_EQ(doubleText(7.5), "7.5");
    EXPECT_EQ(doubleText(0.0), "0");
    EXPECT_EQ(doubleText(-100.0), "-100");
    EXPECT_EQ(doubleText(0.1), "0.1");
    EXPECT_EQ(doubleText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(doubleText(123456.789), "123456.789");
    EXPECT_EQ(doubleText(0.0001), "0.0001");
}

TEST(NumericText, ParseDoubleFollowsTheNumberRule) {
    double d = 0;
    ASSERT_TRUE(parseDouble("6.5", d));
    EXPECT_DOUBLE_EQ(d, 6.5);
    ASSERT_TRUE(parseDouble(" -1,000.25 ", d));
    EXPECT_DOUBLE_EQ(d, -1000.25);
    ASSERT_TRUE(parseDouble("5e-1", d));
    EXPECT_DOUBLE_EQ(d, 0.5);
    ASSERT_TRUE(parseDouble("1e-400", d));
    EXPECT_EQ(d, 0.0);
    EXPECT_FALSE(parseDouble("1e400", d));
    EXPECT_FALSE(parseDouble("nan", d));
    EXPECT_FALSE(parseDouble("6,5", d));
    EXPECT_FALSE(parseDouble("", d));
    EXPECT_TRUE(isNumeric("1,234"));
    EXPECT_FALSE(isNumeric("-"));
}
