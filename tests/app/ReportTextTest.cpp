// Report pieces that decide what numbers a reader sees.
#include "reports/DetailedReport.h"
#include "reports/ReportText.h"

#include <gtest/gtest.h>

using namespace tavrel::reports;

TEST(ReportText, AmountsRightAlignedInTwelveAndNeverCut) {
    EXPECT_EQ(rightAligned("1,234,567"), "   1,234,567");
    EXPECT_EQ(rightAligned("-22"), "         -22");
    EXPECT_EQ(rightAligned("20,999,161,114"), "20,999,161,114");  // wider than the field: whole
    EXPECT_EQ(field(tavrel::usd(0)), "           0");
}

TEST(ReportText, RuleLineIsEmDashes) {
    EXPECT_EQ(GetPrintLine(2), "\xE2\x80\x94\xE2\x80\x94");
    EXPECT_EQ(GetPrintLine(60).size(), 180u);
}

TEST(ReportText, AcceleratedAmtComparesAmountsNotText) {
    EXPECT_EQ(GetAccelAMT("12,500", "9,000"), "3,500");
    EXPECT_EQ(GetAccelAMT("9,000", "12,500"), "0");  // as text "9,000" > "12,500"
    EXPECT_EQ(GetAccelAMT("134,820", "134,813"), "7");
    EXPECT_EQ(GetAccelAMT("5", "5"), "0");
}
