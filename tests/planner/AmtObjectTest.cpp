// The planner object: its setters in and out of edit mode, the text forms of
// its values, the snapshot, and its flags.
#include "PlannerTestSupport.h"

using mirvane::AMT;
using testsupport::errorOf;
using testsupport::money;

TEST(PlannerObject, AFreshObjectIsNewDirtyAndSearching) {
    AMT p;
    EXPECT_TRUE(p.IsNew());
    EXPECT_TRUE(p.IsDirty());
    EXPECT_FALSE(p.IsDeleted());
    EXPECT_FALSE(p.isEditing());
    EXPECT_EQ(p.getProperty("DeferItemizedTax"), "True");
    EXPECT_EQ(p.getProperty("DecreaseItemizedTax"), "True");
    EXPECT_EQ(p.getProperty("AccelerateIncome"), "True");
    EXPECT_EQ(p.getProperty("IncreaseIncome"), "True");
    EXPECT_EQ(p.getProperty("MaxItemizedTaxDeferred"), "0");
    EXPECT_EQ(p.getProperty("AfterTaxDiscount"), "0");
    EXPECT_EQ(p.getProperty("Line2"), "");
    EXPECT_EQ(p.goCurYear()->ColumnIdx(), 1);
    EXPECT_EQ(p.goNxtYear()->ColumnIdx(), 2);
    EXPECT_EQ(p.goCurYearAcc()->ColumnIdx(), 3);
    EXPECT_EQ(p.goNxtYearAcc()->ColumnIdx(), 4);
    ASSERT_TRUE(p.Points());
    EXPECT_EQ(p.Points()->Count(), 0);  // an empty curve, not nothing
    p.setPoints(nullptr);
    ASSERT_TRUE(p.Points());
    EXPECT_EQ(p.Points()->Count(), 0);
}

TEST(PlannerObject, SettersActOnlyInEditMode) {
    AMT p;
    EXPECT_NO_THROW(p.letProperty("MaxItemizedTaxDeferred", "abc"));
    EXPECT_EQ(p.getProperty("MaxItemizedTaxDeferred"), "0");
    p.BeginEdit();
    const auto e = errorOf([&] { p.letProperty("MaxItemizedTaxDeferred", "abc"); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 10002);
    EXPECT_EQ(e->source(), "This item needs to be a number.");  // the planner's message travels as the source
    EXPECT_EQ(p.getProperty("MaxItemizedTaxDeferred"), "0");
    EXPECT_EQ(errorOf([&] { p.letProperty("AfterTaxDiscount", "5%"); })->number(), 10002);
    EXPECT_EQ(errorOf([&] { p.letProperty("DeferItemizedTax", "maybe"); })->number(), 13);
    EXPECT_EQ(errorOf([&] { p.letProperty("IsNew", "True"); })->number(), 438);  // read only
}

TEST(PlannerObject, TextFormsOfTheValues) {
    AMT p;
    p.BeginEdit();
    p.letProperty("MaxItemizedTaxDeferred", "1234.56");
    EXPECT_EQ(p.getProperty("MaxItemizedTaxDeferred"), "1,235");
    EXPECT_EQ(p.values().MaxItemizedTaxDeferred, money("1234.56"));  // stored exactly
    p.letProperty("RatioSavings", "0.25");
    EXPECT_EQ(p.getProperty("RatioSavings"), "25.00%");
    p.letProperty("RatioSavings", "0.1234");
    EXPECT_EQ(p.getProperty("RatioSavings"), "12.34%");
    p.letProperty("RatioSavings", "-0.044");
    EXPECT_EQ(p.getProperty("RatioSavings"), "-4.40%");
    p.letProperty("AfterTaxDiscount", "7.5");
    EXPECT_EQ(p.getProperty("AfterTaxDiscount"), "7.5");
    p.letProperty("AfterTaxDiscount", "5.00");
    EXPECT_EQ(p.getProperty("AfterTaxDiscount"), "5");
    p.letProperty("Savings", "1234.5678");
    EXPECT_EQ(p.getProperty("Savings"), "1234.5678");
    p.letProperty("PVSavings", "-2500.5");
    EXPECT_EQ(p.getProperty("PVSavings"), "-2,501");
    p.letProperty("Line2", "  free text  ");
    EXPECT_EQ(p.getProperty("Line2"), "  free text  ");
    p.letProperty("DeferItemizedTax", "0");
    EXPECT_EQ(p.getProperty("DeferItemizedTax"), "False");
}

TEST(PlannerObject, CancelEditPutsTheOldRateBackAndClearsDirty) {
    AMT p;
    p.BeginEdit();
    p.letProperty("AfterTaxDiscount", "4");
    p.BeginEdit();  // a new snapshot, with rate 4
    p.letProperty("AfterTaxDiscount", "6.5");
    p.CancelEdit();
    EXPECT_EQ(p.getProperty("AfterTaxDiscount"), "4");
    EXPECT_FALSE(p.IsDirty());
    EXPECT_FALSE(p.isEditing());
    EXPECT_EQ(errorOf([&] { p.CancelEdit(); })->number(), 445);
}

TEST(PlannerObject, DeleteNeedsEditModeAndApplyEditUndoesIt) {
    AMT p;
    EXPECT_EQ(errorOf([&] { p.Delete(); })->number(), 445);
    testsupport::TempDir dir;
    p.BeginEdit();
    p.ApplyEdit(dir.file("p.amt"));  // new: written
    EXPECT_FALSE(p.IsNew());
    p.BeginEdit();
    p.Delete();
    EXPECT_TRUE(p.IsDeleted());
    p.ApplyEdit(dir.file("p.amt"));  // deleted and not new: marked new again, nothing removed
    EXPECT_TRUE(p.IsNew());
    EXPECT_FALSE(p.IsDeleted());
    EXPECT_NE(testsupport::readFile(dir.file("p.amt")).find("[AMT]"), std::string::npos);
}

TEST(PlannerObject, ApplyEditWritesOnlyWhenDirtyOrNew) {
    testsupport::TempDir dir;
    const std::string file = dir.file("a.amt");
    AMT p;
    p.BeginEdit();
    p.ApplyEdit(file);
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_FALSE(p.IsDirty());
    EXPECT_FALSE(p.isEditing());
    std::filesystem::remove(file);
    p.BeginEdit();
    p.ApplyEdit(file);  // neither dirty nor new
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(p.isEditing());
    p.BeginEdit();
    p.letProperty("AfterTaxDiscount", "3");
    p.ApplyEdit(file);
    EXPECT_NE(testsupport::readFile(file).find("After-Tax Discount=3"), std::string::npos);
}

TEST(PlannerObject, ObjectMembersAreStoredWhateverTheMode) {
    AMT p;
    auto r = std::make_shared<osgrin::iTop>();
    p.setGoNxtYearAcc(r);
    EXPECT_EQ(p.goNxtYearAcc(), r);
    auto pts = std::make_shared<mirvane::Points>();
    p.setOPoints(pts);
    EXPECT_EQ(p.oPoints(), pts);
    EXPECT_FALSE(p.isEditing());
}

TEST(PlannerObject, ACloneIsDeepAndEqual) {
    AMT p;
    p.BeginEdit();
    p.letProperty("AfterTaxDiscount", "6.5");
    p.cur().BeginEdit();
    p.cur().inc().letProperty("WageSp1", "1234.56");
    p.cur().letProperty("Spouse1", "Ann");
    auto copy = p.clone();
    EXPECT_EQ(copy->getProperty("AfterTaxDiscount"), "6.5");
    EXPECT_TRUE(copy->isEditing());
    EXPECT_TRUE(copy->IsNew());
    EXPECT_EQ(copy->cur().inc().get(osgrin::iInc::WageSp1), money("1234.56"));
    EXPECT_EQ(copy->cur().Spouse1(), p.cur().Spouse1());
    EXPECT_TRUE(copy->cur().inc().isEditing());
    EXPECT_EQ(copy->nxtAcc().ColumnIdx(), 4);
    // Changing the copy leaves the original alone.
    copy->cur().inc().letProperty("WageSp1", "1");
    copy->letProperty("AfterTaxDiscount", "1");
    EXPECT_EQ(p.cur().inc().get(osgrin::iInc::WageSp1), money("1234.56"));
    EXPECT_EQ(p.getProperty("AfterTaxDiscount"), "6.5");
    EXPECT_NE(copy->cur().oInc(), p.cur().oInc());
}
