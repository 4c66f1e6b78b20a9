// The header and the rows of the input: which names are read, and which values
// a row may hold in each column.
#include "ReadRow.h"
#include "calc/TaxsimRow.h"

#include <gtest/gtest.h>

#include <string>

using tavrel::calc::Column;
using tavrel::calc::readHeader;
using tavrel::calc::RowReader;
using tavrel::calc::TaxsimRow;

TEST(ReadHeader, NamesInAnyOrderAndCaseWithBlanks) {
    const auto h = readHeader(" MSTAT ,pWages,\tYear,TaxsimID,gssi");
    ASSERT_EQ(h.problem, "");
    ASSERT_EQ(h.layout.columns.size(), 5u);
    EXPECT_EQ(h.layout.columns[0].column, Column::Mstat);
    EXPECT_EQ(h.layout.columns[1].column, Column::Pwages);
    EXPECT_EQ(h.layout.columns[2].column, Column::Year);
    EXPECT_EQ(h.layout.columns[3].column, Column::TaxsimId);
    EXPECT_EQ(h.layout.columns[4].column, Column::Unsupported);
    EXPECT_EQ(h.layout.columns[4].name, "gssi");
    EXPECT_FALSE(h.layout.hasDependentCounts);
    EXPECT_TRUE(readHeader("taxsimid,year,mstat,dep17").layout.hasDependentCounts);
}

TEST(ReadHeader, Problems) {
    struct Case {
        const char* header;
        const char* problem;
    };
    const Case cases[] = {
        {"taxsimid,year", "the header has no column mstat (it needs taxsimid, year and mstat)"},
        {"pwages", "the header has no column taxsimid, year, mstat (it needs taxsimid, year and mstat)"},
        {"taxsimid,year,mstat,pwages,PWAGES", "the column \"PWAGES\" is named twice"},
    };
    for (const Case& c : cases) EXPECT_EQ(readHeader(c.header).problem, c.problem) << c.header;
}

namespace {

constexpr std::string_view kHeader = "taxsimid,year,mstat,pwages,psemp,dividends,depx,page,gssi,state";

}  // namespace

TEST(RowReader, ReadsValuesByTheirColumns) {
    const ReadRow r(kHeader, " 7 ,2008,2,1234.56,-800,12e2,3,70.5,0,CA");
    ASSERT_FALSE(r.error) << r.error->message;
    EXPECT_EQ(r.row.id, "7");
    EXPECT_EQ(r.row.year, "2008");
    EXPECT_EQ(r.row[Column::Pwages], tavrel::Currency::fromScaled(12345600));
    EXPECT_EQ(r.row[Column::Psemp], tavrel::usd(-800));
    EXPECT_EQ(r.row[Column::Dividends], tavrel::usd(1200));
    EXPECT_EQ(r.row[Column::Depx], tavrel::usd(3));
    EXPECT_EQ(r.row[Column::Page], tavrel::Currency::fromScaled(705000));
    EXPECT_EQ(r.row[Column::Mortgage], tavrel::Currency());  // not in the header
}

TEST(RowReader, EmptyValuesAreZero) {
    const ReadRow r(kHeader, "1,2008,1,,,,,,,");
    ASSERT_FALSE(r.error) << r.error->message;
    EXPECT_EQ(r.row[Column::Pwages], tavrel::Currency());
}

TEST(RowReader, RefusedValuesKeepTheIdAndYear) {
    struct Case {
        const char* name;
        std::string line;
        int number;
        std::string message;
    };
    const Case cases[] = {
        {"not a number", "1,2008,1,abc,0,0,0,0,0,", 13, "column \"pwages\": \"abc\" is not a number"},
        {"out of range", "1,2008,1,1e30,0,0,0,0,0,", 6, "column \"pwages\": 1e30 is out of range"},
        {"negative wages", "1,2008,1,-5,0,0,0,0,0,", 5, "column \"pwages\": -5 cannot be negative"},
        {"negative dividends", "1,2008,1,0,0,-1,0,0,0,", 5, "column \"dividends\": -1 cannot be negative"},
        {"negative age", "1,2008,1,0,0,0,0,-1,0,", 5, "column \"page\": -1 cannot be negative"},
        {"fraction of a dependent", "1,2008,1,0,0,0,1.5,0,0,", 5, "column \"depx\": 1.5 is not a whole number"},
        {"negative count", "1,2008,1,0,0,0,-2,0,0,", 5, "column \"depx\": -2 cannot be negative"},
        {"unsupported column not zero", "1,2008,1,0,0,0,0,0,1200,", 445,
         "column \"gssi\" is not supported; it must be 0, not 1200"},
        {"unsupported column not a number", "1,2008,1,0,0,0,0,0,x,", 13, "column \"gssi\": \"x\" is not a number"},
        {"too few values", "1,2008,1", 5, "the row has 3 values; the header has 10 columns"},
        {"too many values", "1,2008,1,0,0,0,0,0,0,,", 5, "the row has 11 values; the header has 10 columns"},
    };
    for (const Case& c : cases) {
        const ReadRow r(kHeader, c.line);
        ASSERT_TRUE(r.error) << c.name;
        EXPECT_EQ(r.error->number, c.number) << c.name;
        EXPECT_EQ(r.error->message, c.message) << c.name;
        EXPECT_EQ(r.row.id, "1") << c.name;
        EXPECT_EQ(r.row.year, "2008") << c.name;
    }
}

// Business and professional income (pbusinc, pprofinc and the spouse's) is
// income the return cannot represent: zero is fine, anything else fails the row.
TEST(RowReader, UnsupportedColumnsHoldingZeroAreFine) {
    const ReadRow r("taxsimid,year,mstat,gssi,ui,rentpaid,nosuchname,pbusinc,pprofinc,sbusinc,sprofinc",
                    "1,2018,1,0,0.00,,-0,0,0,0,0");
    EXPECT_FALSE(r.error) << r.error->message;
    const ReadRow business("taxsimid,year,mstat,pbusinc", "1,2018,1,5000");
    ASSERT_TRUE(business.error);
    EXPECT_EQ(business.error->message, "column \"pbusinc\" is not supported; it must be 0, not 5000");
}

TEST(RowReader, StopsAtTheLineEndWhateverFollowsIt) {
    // Lines are views into the whole file: the digits of the next line, right
    // after this one's last value, must not be read as part of it.
    const auto header = readHeader("taxsimid,year,mstat,pwages");
    const std::string file = "1,2008,1,5\n987654321";
    RowReader reader(header.layout);
    TaxsimRow row;
    ASSERT_FALSE(reader.read(std::string_view(file).substr(0, 10), row));
    EXPECT_EQ(row[Column::Pwages], tavrel::usd(5));
    ASSERT_FALSE(reader.read(std::string_view(file).substr(0, 9), row));
    EXPECT_EQ(row[Column::Pwages], tavrel::Currency());
}
