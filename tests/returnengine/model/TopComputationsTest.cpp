// The driver's own decisions: the deduction tie, unfloored taxable income, the
// year clamps, the choice of rates, the combination with the minimum tax and
// the totals; and what a computation outside an edit leaves behind.
#include "ReturnTestSupport.h"
#include "returnengine/model/TopComputations.h"

using namespace osgrin;
using testsupport::money;

namespace {

// A single filer's return in an edit.
void single(iTop& r, const char* year, const char* wages) {
    r.BeginEdit();
    r.letProperty("TaxYear", year);
    r.letProperty("FilingStatus", "1");
    r.letProperty("Dependents", "1");
    r.inc().letProperty("WageSp1", wages);
}

}  // namespace

TEST(Driver, ItemizedEqualToStandardTakesTheStandardDeduction) {
    iTop r;
    single(r, "2008", "40000");
    r.item().letProperty("SITPd", "5450");  // 2008 single standard deduction
    r.Calculate();
    EXPECT_EQ(r.getProperty("ItemOrStdDed"), "5,450");
    EXPECT_FALSE(r.item().itemizing());
    r.item().letProperty("SITPd", "5451");
    r.Calculate();
    EXPECT_EQ(r.getProperty("ItemOrStdDed"), "5,451");
    EXPECT_TRUE(r.item().itemizing());
}

TEST(Driver, TaxableIncomeIsNotFlooredAtZero) {
    iTop r;
    single(r, "2008", "3000");
    r.Calculate();
    // 3,000 - 5,450 - 3,500
    EXPECT_EQ(r.get(iTop::TaxInc), money("-5950"));
    EXPECT_EQ(r.getProperty("IncTax"), "0");
}

TEST(Driver, YearsBefore2001UseThe2001ScheduleAndKeepOrdinaryRates) {
    iTop r;
    single(r, "1999", "50000");
    r.Calculate();
    // No standard deduction or exemptions before 2001: 50,000 taxed by the
    // 2001 single schedule: 4,057.50 + 27.5% of 22,950.
    EXPECT_EQ(r.get(iTop::TaxInc), money("50000"));
    EXPECT_EQ(r.get(iTop::IncTax), money("10368.75"));
    r.inc().letProperty("LTCG", "10000");
    r.Calculate();
    // Without a capital-gain computation the ordinary tax stands:
    // 4,057.50 + 27.5% of 32,950 on 60,000.
    EXPECT_EQ(r.get(iTop::IncTax), money("13118.75"));
    EXPECT_EQ(r.get(iTop::RegAndAmtTax), money("13118.75"));
}

TEST(Driver, YearsAfter2008UseThe2008Schedule) {
    iTop r;
    single(r, "2012", "50000");
    r.Calculate();
    // 50,000 - 5,450 - 3,500 = 41,050: 4,481.25 + 25% of 8,500.
    EXPECT_EQ(r.get(iTop::IncTax), money("6606.25"));
}

TEST(Driver, NoCapitalGainMeansOrdinaryRatesEvenWhenTheWorksheetGivesZero) {
    iTop r;
    single(r, "2008", "30000");
    r.Calculate();
    EXPECT_EQ(TopComputations::GetSchedDTax(r), money("0"));
    EXPECT_GT(r.get(iTop::IncTax), money("0"));
}

TEST(Driver, MinimumTaxIsTheExcessOfTheTentativeTaxAndIsClearedWhenItGoes) {
    iTop r;
    r.BeginEdit();
    r.letProperty("TaxYear", "2008");
    r.letProperty("FilingStatus", "2");
    r.letProperty("Dependents", "4");
    r.inc().letProperty("WageSp1", "250000");
    r.inc().letProperty("WageSp2", "100000");
    r.item().letProperty("OtherTaxes", "28000");
    r.item().letProperty("HomeMortIntReg", "20000");
    r.item().letProperty("CharDed", "5000");
    r.Calculate();
    // Regular tax on 291,001 (44,828 + 33% of 90,701); tentative tax on 323,750
    // (45,500 + 28% of 148,750).
    EXPECT_EQ(r.get(iTop::IncTax), money("74759.33"));
    EXPECT_EQ(r.amt().get(iAMT::TentativeAMT), money("87150"));
    EXPECT_EQ(r.amt().get(iAMT::AMT), money("12390.67"));
    EXPECT_EQ(r.get(iTop::RegAndAmtTax), money("87150"));

    // At a million of wages the regular tax's 35% outruns the AMT's 28%.
    r.inc().letProperty("WageSp1", "1000000");
    r.item().letProperty("OtherTaxes", "0");
    r.Calculate();
    EXPECT_GT(r.get(iTop::IncTax), r.amt().get(iAMT::TentativeAMT));
    EXPECT_EQ(r.amt().getProperty("AMT"), "0");
    EXPECT_EQ(r.get(iTop::RegAndAmtTax), r.get(iTop::IncTax));
}

TEST(Driver, CreditsAndPaymentsCanTurnTheTotalsNegative) {
    iTop r;
    single(r, "2008", "10000");
    r.cr().letProperty("OtherCr", "500");
    r.letProperty("TotPmts", "1000");
    r.Calculate();
    // 10,000 - 5,450 - 3,500 = 1,050 at 10% = 105; less 500 of credits.
    EXPECT_EQ(r.getProperty("RegAndAmtTax"), "105");
    EXPECT_EQ(r.getProperty("TotCr"), "500");
    EXPECT_EQ(r.getProperty("TotTax"), "-395");
    EXPECT_EQ(r.getProperty("BalDue"), "-1,395");
}

TEST(Driver, OutsideAnEditTheEditGatedLinesKeepTheirValues) {
    iTop r;
    single(r, "2008", "50000");
    r.inc().letProperty("STCG", "5000");
    r.item().letProperty("SITPd", "3000");
    r.CancelEdit();  // the inputs stay; nothing is being edited now
    r.Calculate();
    EXPECT_EQ(r.getProperty("TotalInc"), "55,000");
    EXPECT_EQ(r.inc().getProperty("NetSTCG"), "0");
    EXPECT_EQ(r.item().getProperty("TaxDed"), "0");
    EXPECT_EQ(r.item().getProperty("StdDed"), "5,450");
    EXPECT_EQ(r.item().getProperty("ExemptionDedNet"), "3,500");
    // Lines stored at any time still mark their objects changed.
    EXPECT_TRUE(r.inc().isDirty());   // Sec1231Netted
    EXPECT_TRUE(r.item().isDirty());  // the exemption lines
    EXPECT_FALSE(r.adj().isDirty());  // only edit-gated lines there
    EXPECT_TRUE(r.IsCalculated());
}

TEST(Driver, IncTaxReadsWholeDollarsOfTaxableIncome) {
    iTop r;
    single(r, "2008", "0");
    r.set(iTop::TaxInc, money("10000.50"));  // read back as 10,001
    // 802.50 + 15% of 1,976
    EXPECT_EQ(TopComputations::GetIncTax(r), money("1098.90"));
}
