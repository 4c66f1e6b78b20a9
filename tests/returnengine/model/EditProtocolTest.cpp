// The return's edit protocol: what setters do inside and outside an edit, the
// flags each method touches, and when ApplyEdit writes the return's section.
#include "ReturnTestSupport.h"
#include "TempDir.h"

#include <chrono>
#include <filesystem>

using osgrin::iTop;
using tavrel::usd;
using testsupport::errorOf;

TEST(ReturnCreation, StartsNewEmptyAndNumberedOne) {
    iTop r;
    EXPECT_TRUE(r.IsNew());
    EXPECT_FALSE(r.IsDirty());
    EXPECT_FALSE(r.IsCalculated());
    EXPECT_EQ(r.ColumnIdx(), 1);
    EXPECT_EQ(r.Version(), "2008.0");
    EXPECT_EQ(r.getProperty("Spouse1"), "");
    EXPECT_EQ(r.getProperty("TaxYear"), "0");
    EXPECT_EQ(r.getProperty("BalDue"), "0");
    EXPECT_EQ(r.getProperty("AMT"), "0");
    EXPECT_EQ(r.getProperty("TaxLessCr"), "0");
    EXPECT_EQ(r.getProperty("sFilingStatus"), "");
}

TEST(ReturnInputs, AreIgnoredOutsideAnEditWithoutAnError) {
    iTop r;
    EXPECT_NO_THROW(r.letProperty("Spouse1", "Ann"));
    EXPECT_NO_THROW(r.letProperty("Dependents", "not a number"));
    EXPECT_NO_THROW(r.letProperty("TotPmts", "5000"));
    EXPECT_EQ(r.getProperty("Spouse1"), "");
    EXPECT_EQ(r.getProperty("TotPmts"), "0");
    EXPECT_FALSE(r.IsDirty());
    r.setColumnIdx(3);  // stored at any time
    EXPECT_EQ(r.ColumnIdx(), 3);
}

TEST(ReturnInputs, FixedTextsArePaddedAndLimitedToFifty) {
    iTop r;
    r.BeginEdit();
    r.letProperty("ScenarioDesc", std::string(50, 'd'));
    EXPECT_EQ(r.ScenarioDesc(), std::string(50, 'd'));
    const auto e = errorOf([&] { r.letProperty("ScenarioDesc", std::string(51, 'e')); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 10001);
    EXPECT_EQ(r.ScenarioDesc(), std::string(50, 'd'));  // rejected text changes nothing
    r.letProperty("Spouse2", "Bob");
    EXPECT_EQ(r.getProperty("Spouse2"), "Bob" + std::string(47, ' '));
}

TEST(ReturnInputs, EmptyTaxYearIsTheCurrentYear) {
    iTop r;
    r.BeginEdit();
    r.letProperty("TaxYear", "");
    const auto today =
        std::chrono::year_month_day{std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    EXPECT_EQ(r.TaxYear(), static_cast<int>(today.year()));
    const auto e = errorOf([&] { r.letProperty("TaxYear", "next"); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 13);
    EXPECT_EQ(errorOf([&] { r.letProperty("TaxYear", "70000"); })->number(), 6);
}

TEST(ReturnInputs, DependentsAndPaymentsNeedNumbers) {
    iTop r;
    r.BeginEdit();
    r.letProperty("Dependents", "3");
    EXPECT_EQ(errorOf([&] { r.letProperty("Dependents", "three"); })->number(), 10002);
    EXPECT_EQ(r.Dependents(), 3);
    EXPECT_EQ(errorOf([&] { r.letProperty("TotPmts", "lots"); })->number(), 10002);
    r.letProperty("TotPmts", "1,234.56");
    EXPECT_EQ(r.get(iTop::TotPmts), tavrel::Currency::fromScaled(12345600));
    r.letFilingStatus(9);  // stored unchanged, without validation
    EXPECT_EQ(r.FilingStatus(), 9);
}

// An amount whose whole-dollar text (the form a save writes) would be beyond
// the range is refused as overflow, by text and by amount, and the line keeps
// its value; the largest savable amounts pass.
TEST(ReturnInputs, AmountsThatCouldNotBeSavedAreOverflow) {
    iTop r;
    r.BeginEdit();
    r.inc().flags().editing = true;
    r.letProperty("TotPmts", "922,337,203,685,477.4999");
    EXPECT_EQ(errorOf([&] { r.letProperty("TotPmts", "922337203685477.5"); })->number(), 6);
    EXPECT_EQ(errorOf([&] { r.letProperty("TotPmts", "-922337203685477.5"); })->number(), 6);
    EXPECT_EQ(r.getProperty("TotPmts"), "922,337,203,685,477");
    r.inc().letAmount(osgrin::iInc::WageSp1, testsupport::money("-922337203685477.4999"));
    const auto e = errorOf([&] { r.inc().letAmount(osgrin::iInc::WageSp1, testsupport::money("922337203685477.5")); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 6);
    EXPECT_EQ(e->source(), "clsInc.LetWageSp1");
    EXPECT_EQ(r.inc().getProperty("WageSp1"), "-922,337,203,685,477");
}

TEST(ReturnReading, TaxpayerJoinsTheSpousesNames) {
    iTop r;
    r.BeginEdit();
    r.letProperty("Spouse1", "Ann");
    EXPECT_EQ(r.Taxpayer(), "Ann");  // Spouse2 never assigned counts as blank
    r.letProperty("Spouse2", "");
    EXPECT_EQ(r.Taxpayer(), "Ann");
    r.letProperty("Spouse2", "Bob");
    EXPECT_EQ(r.getProperty("Taxpayer"), "Ann & Bob");
    r.letProperty("Spouse2", " Bob");  // a leading blank counts as no second name
    EXPECT_EQ(r.Taxpayer(), "Ann");
}

TEST(ReturnReading, FilingStatusTexts) {
    iTop r;
    r.BeginEdit();
    const std::pair<int, const char*> cases[] = {
        {1, "Single"}, {2, "Joint"}, {3, "Married Sep."}, {4, "Head of Hse."}, {5, ""}, {0, ""}, {6, ""}};
    for (const auto& [status, text] : cases) {
        r.letFilingStatus(status);
        EXPECT_EQ(r.getProperty("sFilingStatus"), text) << status;
    }
}

TEST(ReturnReading, MoneyReadsRoundHalvesAwayFromZero) {
    iTop r;
    r.set(iTop::BalDue, testsupport::money("1234.5"));
    EXPECT_EQ(r.getProperty("BalDue"), "1,235");
    r.set(iTop::BalDue, testsupport::money("-1234.5"));
    EXPECT_EQ(r.getProperty("BalDue"), "-1,235");
}

TEST(ReturnEdit, CancelEditOutsideAnEditRaises445) {
    iTop r;
    r.BeginEdit();
    r.letProperty("Spouse1", "Ann");
    r.CancelEdit();
    EXPECT_EQ(r.getProperty("Spouse1").substr(0, 3), "Ann");  // values are not restored
    EXPECT_FALSE(r.IsDirty());
    const auto e = errorOf([&] { r.CancelEdit(); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 445);
}

TEST(ReturnEdit, CalculatedAndDirtyFlagsFollowTheEdits) {
    iTop r;
    r.BeginEdit();
    r.letProperty("TaxYear", "2008");
    r.letProperty("FilingStatus", "1");
    r.inc().letProperty("WageSp1", "40000");
    r.Calculate();
    EXPECT_TRUE(r.IsCalculated());
    EXPECT_TRUE(r.IsDirty());                    // the computation writes edit-gated lines
    r.other().letProperty("OtherTaxes", "100");  // other taxes take no part in the flags
    EXPECT_TRUE(r.IsCalculated());
    r.inc().letProperty("WageSp1", "41000");
    EXPECT_FALSE(r.IsCalculated());
    r.Calculate();
    r.BeginEdit();
    EXPECT_FALSE(r.IsCalculated());
}

TEST(ReturnEdit, ApplyEditSavesOnlyWhenNewOrItsOwnInputsChanged) {
    testsupport::TempDir dir;
    const std::string file = dir.file("s.amt");
    iTop r;
    r.BeginEdit();
    r.ApplyEdit(file);  // a new return is saved even with nothing assigned
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_FALSE(r.IsNew());

    std::filesystem::remove(file);
    r.BeginEdit();
    r.ApplyEdit(file);  // nothing changed
    EXPECT_FALSE(std::filesystem::exists(file));

    r.BeginEdit();
    r.inc().letProperty("WageSp1", "50000");  // only a sub-object changed
    r.ApplyEdit(file);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(r.inc().isDirty());

    r.BeginEdit();
    r.letProperty("Dependents", r.getProperty("Dependents"));  // the return's own input, same value
    r.ApplyEdit(file);
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_NE(testsupport::readFile(file).find("Wages Spouse 1=50,000"), std::string::npos);
    EXPECT_FALSE(r.isEditing());
}

TEST(ReturnEdit, ApplyEditLeavesOtherTaxesAndCreditsFlagsAlone) {
    testsupport::TempDir dir;
    iTop r;
    r.BeginEdit();
    r.other().letProperty("OtherTaxes", "10");
    r.cr().letProperty("OtherCr", "5");
    r.item().letProperty("SITPd", "5");
    r.ApplyEdit(dir.file("a.amt"));
    EXPECT_TRUE(r.other().isEditing());
    EXPECT_TRUE(r.other().isDirty());
    EXPECT_TRUE(r.cr().isDirty());
    EXPECT_FALSE(r.item().isDirty());
    EXPECT_FALSE(r.item().isEditing());
}

TEST(ReturnEdit, AnErrorInCalculateLeavesTheFlagsAndNamesItsPath) {
    iTop r;
    r.BeginEdit();
    r.letProperty("TaxYear", "2030");  // capital-gain rates read the 2030 rate file, which does not exist
    r.letProperty("FilingStatus", "1");
    r.inc().letProperty("WageSp1", "50000");
    r.inc().letProperty("LTCG", "10000");
    const auto e = errorOf([&] { r.Calculate(); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 53);
    EXPECT_EQ(e->description(), osgrin::kFileDescription);
    EXPECT_EQ(e->source().rfind("clsOsgrinTop.Calculate\rTopComputations.TopTaxCalc\r\n\r\n"
                                "TopComputations.GetSchedDTax\rCalcs2008.GetSchedDTax2008\r",
                                0),
              0u)
        << e->source();
    EXPECT_NE(e->source().find("Ind2030.tbl"), std::string::npos);
    EXPECT_FALSE(r.IsCalculated());
    EXPECT_FALSE(r.other().isCalculated());
}

TEST(ReturnSubObjects, AssigningReplacesTheReference) {
    iTop r;
    auto mine = std::make_shared<osgrin::iInc>();
    r.setOInc(mine);
    EXPECT_EQ(r.oInc(), mine);
    r.BeginEdit();
    r.inc().letProperty("WageSp1", "7");
    EXPECT_EQ(mine->getProperty("WageSp1"), "7");
    EXPECT_EQ(errorOf([&] { r.setOInc(nullptr); })->number(), 5);
}
