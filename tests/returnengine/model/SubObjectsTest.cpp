// The sub-objects' setters: edit-gating, numeric checks, the flags each touches,
// and the departures from the pattern.
#include "ReturnTestSupport.h"

using namespace osgrin;
using testsupport::errorOf;
using testsupport::money;

TEST(IncomeObject, InputsTakeEffectOnlyInAnEdit) {
    iInc inc;
    inc.letProperty("WageSp1", "50000");
    EXPECT_EQ(inc.getProperty("WageSp1"), "0");
    inc.flags().editing = true;
    inc.letProperty("WageSp1", "50000");
    EXPECT_EQ(inc.getProperty("WageSp1"), "50,000");
    EXPECT_TRUE(inc.isDirty());
    EXPECT_FALSE(inc.isCalculated());
}

TEST(IncomeObject, RejectedTextChangesNothing) {
    iInc inc;
    inc.flags().editing = true;
    inc.letProperty("LTCG", "100");
    inc.flags().dirty = false;
    inc.flags().calculated = true;
    const auto e = errorOf([&] { inc.letProperty("LTCG", "abc"); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 10002);
    EXPECT_EQ(e->description(), "This item needs to be a number.");
    EXPECT_EQ(inc.getProperty("LTCG"), "100");
    EXPECT_FALSE(inc.isDirty());
    EXPECT_TRUE(inc.isCalculated());
}

TEST(IncomeObject, StoresExactAmountsAndReadsWholeDollars) {
    iInc inc;
    inc.flags().editing = true;
    inc.letProperty("LTCG", "-2,500.40");
    EXPECT_EQ(inc.get(iInc::LTCG), money("-2500.40"));
    EXPECT_EQ(inc.getProperty("LTCG"), "-2,500");
    EXPECT_EQ(inc.whole(iInc::LTCG), money("-2500"));
    inc.letProperty("WageSp1", "50000.50");
    EXPECT_EQ(inc.whole(iInc::WageSp1), money("50001"));  // what the computation reads
}

TEST(IncomeObject, PublicComputedLinesWorkOutsideAnEditWithoutFlags) {
    iInc inc;
    inc.letProperty("AdjNetCG", "1200");
    inc.letProperty("Sec_1_h_1_B_Amount", "300");
    EXPECT_EQ(inc.getProperty("AdjNetCG"), "1,200");
    EXPECT_EQ(inc.getProperty("Sec_1_h_1_B_Amount"), "300");
    EXPECT_FALSE(inc.isDirty());
    inc.letProperty("AdjNetCG", "abc");  // stores 0 rather than raising
    EXPECT_EQ(inc.getProperty("AdjNetCG"), "0");
    EXPECT_EQ(errorOf([&] { inc.letProperty("Sec_1_h_1_B_Amount", "abc"); })->number(), 10002);
}

TEST(IncomeObject, ComputedLinesHaveNoPublicSetter) {
    iInc inc;
    inc.flags().editing = true;
    const auto e = errorOf([&] { inc.letProperty("CapGains", "5"); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 438);
    inc.set(iInc::CapGains, money("5"));  // the library-internal setter takes it in an edit
    EXPECT_EQ(inc.getProperty("CapGains"), "5");
    inc.flags().editing = false;
    inc.set(iInc::CapGains, money("9"));  // edit-gated
    EXPECT_EQ(inc.getProperty("CapGains"), "5");
    inc.set(iInc::Sec1231Netted, money("9"));  // not edit-gated, but marks the object changed
    EXPECT_EQ(inc.getProperty("Sec1231Netted"), "9");
    EXPECT_TRUE(inc.isDirty());
}

TEST(AdjustmentsObject, PlanFlagsAreEditGated) {
    Adj2Inc adj;
    adj.letProperty("IsSp1InRetPlan", "True");
    EXPECT_EQ(adj.getProperty("IsSp1InRetPlan"), "False");
    adj.flags().editing = true;
    adj.letProperty("IsSp1InRetPlan", "True");
    EXPECT_EQ(adj.getProperty("IsSp1InRetPlan"), "True");
    EXPECT_TRUE(adj.isDirty());
    EXPECT_EQ(errorOf([&] { adj.letProperty("IsSp2InRetPlan", "maybe"); })->number(), 13);
}

TEST(DeductionsObject, InputsAndTheStandardDeductionLine) {
    ItemDed item;
    item.letProperty("SITPd", "900");
    EXPECT_EQ(item.getProperty("SITPd"), "0");
    item.set(ItemDed::StdDed, money("10900"));  // any time; clears calculated, leaves dirty
    item.flags().calculated = true;
    item.set(ItemDed::StdDed, money("10900"));
    EXPECT_EQ(item.getProperty("StdDed"), "10,900");
    EXPECT_FALSE(item.isDirty());
    EXPECT_FALSE(item.isCalculated());
    item.set(ItemDed::ExemptionDedNet, money("7000"));  // any time, marks dirty
    EXPECT_TRUE(item.isDirty());
    item.set(ItemDed::MedDed, money("1"));  // edit-gated
    EXPECT_EQ(item.getProperty("MedDed"), "0");
}

TEST(MinimumTaxObject, LinesAreReadOnlyAndTouchNoFlag) {
    iAMT amt;
    amt.set(iAMT::AGI, money("123"));
    EXPECT_EQ(amt.getProperty("AGI"), "123");
    EXPECT_FALSE(amt.isDirty());
    const auto e = errorOf([&] { amt.letProperty("AGI", "5"); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 438);
    EXPECT_EQ(e->source(), "iAMT.LetAGI\r\n\r\nAGI");
}

TEST(OtherTaxesObject, FicaLinesArePublicAndUnchecked) {
    iOtherTaxes o;
    o.letProperty("FicaSp1", "765");
    EXPECT_EQ(o.getProperty("FicaSp1"), "765");
    EXPECT_FALSE(o.isDirty());
    EXPECT_EQ(errorOf([&] { o.letProperty("FicaSp2", "abc"); })->number(), 13);
}

TEST(OtherTaxesObject, FicaMethodFollowsTheYearAndTreatsBadWagesAsZero) {
    iOtherTaxes o;
    EXPECT_EQ(o.CalcFicaMethod("abc", 2008), "0");
    EXPECT_EQ(o.CalcFicaMethod("50000", 2002), "1000000");
    EXPECT_EQ(o.CalcFicaMethod("50000", 2008), "3825");   // 6.2% + 1.45%
    EXPECT_EQ(o.CalcFicaMethod("50,000", 2015), "3825");  // later years use 2008's rule
    EXPECT_EQ(o.getProperty("FicaSp1"), "0");             // changes no member
}

TEST(CreditsObject, ChildrenCountIsAWholeNumber) {
    iTaxCr cr;
    cr.flags().editing = true;
    cr.letProperty("NumOfChildCrChildren", "2");
    EXPECT_EQ(cr.getProperty("NumOfChildCrChildren"), "2");
    const auto e = errorOf([&] { cr.letProperty("NumOfChildCrChildren", "abc"); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 10002);
    EXPECT_EQ(cr.NumOfChildCrChildren(), 2);
    EXPECT_EQ(errorOf([&] { cr.letProperty("NumOfChildCrChildren", "40000"); })->number(), 6);
}

TEST(SubObjectFlags, FlagPropertiesSetOnlyTheirOwnFlag) {
    ItemDed item;
    item.letProperty("IsEditing", "True");
    EXPECT_TRUE(item.isEditing());
    EXPECT_FALSE(item.isDirty());
    item.letProperty("IsDirty", "True");
    EXPECT_EQ(item.getProperty("IsDirty"), "True");
    item.letProperty("IsCalculated", "1");
    EXPECT_EQ(item.getProperty("IsCalculated"), "True");
    EXPECT_EQ(errorOf([&] { (void)item.getProperty("IsEditing"); })->number(), 438);  // write only
}
