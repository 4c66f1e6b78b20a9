// Putting a row of TAXSIM variables on the engine's return: where each column
// lands, the household a row describes, the rows that cannot be a return, and
// that a return reused row after row carries nothing from one row to the next.
#include "calc/TaxsimReturn.h"

#include "ReadRow.h"

#include "returnengine/model/iTop.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using osgrin::iInc;
using osgrin::ItemDed;
using osgrin::iTop;
using tavrel::Currency;
using tavrel::usd;
using tavrel::calc::Figures;
using tavrel::calc::TaxsimReturn;

namespace {

// A header and one row read with it and put on a return.
struct Loaded : ReadRow {
    Loaded(std::string_view headerLine, std::string values, TaxsimReturn& r) : ReadRow(headerLine, std::move(values)) {
        if (!error) error = r.load(row, header.layout);
    }
};

// The figures of one row computed on a return of its own.
Figures computedAlone(std::string_view header, std::string values) {
    TaxsimReturn r(osgrin::LawEdition::Enacted);
    const Loaded l(header, std::move(values), r);
    EXPECT_FALSE(l.error) << l.line;
    Figures f;
    EXPECT_FALSE(r.compute(f)) << l.line;
    return f;
}

using Reading = std::function<Currency(const iTop&)>;

Reading incLine(iInc::Line line) {
    return [line](const iTop& r) { return r.inc().get(line); };
}
Reading itemLine(ItemDed::Line line) {
    return [line](const iTop& r) { return r.item().get(line); };
}

struct MappedColumn {
    const char* column;
    Reading where;
};

// Every amount column and the line it lands on (spouse columns on a joint return).
// clang-format off
const MappedColumn kMapped[] = {
    {"pwages", incLine(iInc::WageSp1)},       {"swages", incLine(iInc::WageSp2)},
    {"psemp", incLine(iInc::SEIncSp1)},       {"ssemp", incLine(iInc::SEIncSp2)},
    {"dividends", incLine(iInc::Dividends)},  {"stcg", incLine(iInc::STCG)},
    {"ltcg", incLine(iInc::LTCG)},            {"intrec", incLine(iInc::OtherNonSEInc)},
    {"pensions", incLine(iInc::OtherNonSEInc)}, {"otherprop", incLine(iInc::OtherNonSEInc)},
    {"nonprop", incLine(iInc::OtherNonSEInc)}, {"proptax", itemLine(ItemDed::OtherTaxes)},
    {"otheritem", itemLine(ItemDed::SITPd)},  {"mortgage", itemLine(ItemDed::HomeMortIntReg)},
};
// clang-format on

}  // namespace

TEST(TaxsimReturnMapping, EachAmountColumnLandsOnItsLine) {
    TaxsimReturn r(osgrin::LawEdition::Enacted);
    for (const MappedColumn& m : kMapped) {
        const Loaded l(std::string("taxsimid,year,mstat,") + m.column, "1,2008,2,1234.5678", r);
        ASSERT_FALSE(l.error) << m.column << ": " << l.error->message;
        EXPECT_EQ(m.where(r.taxReturn()), Currency::fromScaled(12345678)) << m.column;
    }
}

TEST(TaxsimReturnMapping, InterestPensionsAndOtherIncomeAddUp) {
    TaxsimReturn r(osgrin::LawEdition::Enacted);
    const Loaded l("taxsimid,year,mstat,intrec,pensions,otherprop,nonprop", "1,2008,1,100.25,2000,-300,4", r);
    ASSERT_FALSE(l.error) << l.error->message;
    EXPECT_EQ(r.taxReturn().inc().get(iInc::OtherNonSEInc), Currency::fromScaled(18042500));
}

TEST(TaxsimReturnMapping, ARowResetsEverythingTheRowBeforeSet) {
    TaxsimReturn r(osgrin::LawEdition::Enacted);
    std::string header = "taxsimid,year,mstat,page,sage,depx", values = "1,2003,2,70,70,2";
    for (const MappedColumn& m : kMapped) {
        header += std::string(",") + m.column;
        values += ",5";
    }
    ASSERT_FALSE(Loaded(header, values, r).error);
    const Loaded bare("taxsimid,year,mstat", "2,2008,1", r);
    ASSERT_FALSE(bare.error) << bare.error->message;
    const iTop& t = r.taxReturn();
    for (const MappedColumn& m : kMapped) EXPECT_EQ(m.where(t), Currency()) << m.column;
    EXPECT_EQ(t.lawEdition(), osgrin::LawEdition::Enacted);
    EXPECT_EQ(t.TaxYear(), 2008);
    EXPECT_EQ(t.FilingStatus(), 1);
    EXPECT_EQ(t.Dependents(), 1);
    EXPECT_EQ(t.cr().NumOfChildCrChildren(), 0);
    EXPECT_FALSE(t.IsSp1Over65());
    EXPECT_FALSE(t.IsSp2Over65());
}

TEST(TaxsimReturnMapping, Households) {
    struct Case {
        const char* name;
        const char* header;
        const char* values;
        std::int32_t status;
        bool dependentFiler;
        std::int16_t exemptions;
        std::int16_t children;
        bool sp1Over65 = false, sp2Over65 = false;
    };
    constexpr const char* kAges = "taxsimid,year,mstat,depx,age1,age2,age3";
    constexpr const char* kCounts = "taxsimid,year,mstat,depx,dep13,dep17,dep18,age1";
    const Case cases[] = {
        {.name = "single",
         .header = kAges,
         .values = "1,2008,1,0,0,0,0",
         .status = 1,
         .dependentFiler = false,
         .exemptions = 1,
         .children = 0},
        {.name = "single with a dependent is head of household",
         .header = kAges,
         .values = "1,2008,1,1,20,0,0",
         .status = 4,
         .dependentFiler = false,
         .exemptions = 2,
         .children = 0},
        {.name = "joint",
         .header = kAges,
         .values = "1,2008,2,3,0,0,0",
         .status = 2,
         .dependentFiler = false,
         .exemptions = 5,
         .children = 3},
        {.name = "married filing separately",
         .header = kAges,
         .values = "1,2008,6,0,0,0,0",
         .status = 3,
         .dependentFiler = false,
         .exemptions = 1,
         .children = 0},
        {.name = "dependent filer",
         .header = kAges,
         .values = "1,2008,8,0,0,0,0",
         .status = 1,
         .dependentFiler = true,
         .exemptions = 0,
         .children = 0},
        {.name = "without ages every dependent is a child",
         .header = "taxsimid,year,mstat,depx",
         .values = "1,2008,2,2",
         .status = 2,
         .dependentFiler = false,
         .exemptions = 4,
         .children = 2},
        {.name = "ages count children under 17",
         .header = kAges,
         .values = "1,2008,2,3,16,17,0.5",
         .status = 2,
         .dependentFiler = false,
         .exemptions = 5,
         .children = 2},
        {.name = "dependents beyond the third age are not counted as children",
         .header = kAges,
         .values = "1,2008,2,5,5,20,5",
         .status = 2,
         .dependentFiler = false,
         .exemptions = 7,
         .children = 2},
        {.name = "dep17 comes before the ages",
         .header = kCounts,
         .values = "1,2008,2,3,0,1,3,5",
         .status = 2,
         .dependentFiler = false,
         .exemptions = 5,
         .children = 1},
        {.name = "dep17 of zero means no child",
         .header = kCounts,
         .values = "1,2008,2,3,0,0,0,5",
         .status = 2,
         .dependentFiler = false,
         .exemptions = 5,
         .children = 0},
        {.name = "65 and over",
         .header = "taxsimid,year,mstat,page,sage",
         .values = "1,2008,2,65,64.9",
         .status = 2,
         .dependentFiler = false,
         .exemptions = 2,
         .children = 0,
         .sp1Over65 = true,
         .sp2Over65 = false},
        {.name = "spouse 65 and over",
         .header = "taxsimid,year,mstat,page,sage",
         .values = "1,2008,2,40,80",
         .status = 2,
         .dependentFiler = false,
         .exemptions = 2,
         .children = 0,
         .sp1Over65 = false,
         .sp2Over65 = true},
    };
    TaxsimReturn r(osgrin::LawEdition::Enacted);
    for (const Case& c : cases) {
        const Loaded l(c.header, c.values, r);
        ASSERT_FALSE(l.error) << c.name << ": " << l.error->message;
        const iTop& t = r.taxReturn();
        EXPECT_EQ(t.TaxYear(), 2008) << c.name;
        EXPECT_EQ(t.FilingStatus(), c.status) << c.name;
        EXPECT_EQ(t.IsDependent(), c.dependentFiler) << c.name;
        EXPECT_EQ(t.Dependents(), c.exemptions) << c.name;
        EXPECT_EQ(t.cr().NumOfChildCrChildren(), c.children) << c.name;
        EXPECT_EQ(t.IsSp1Over65(), c.sp1Over65) << c.name;
        EXPECT_EQ(t.IsSp2Over65(), c.sp2Over65) << c.name;
    }
}

TEST(TaxsimReturnMapping, RowsThatCannotBeAReturn) {
    struct Case {
        const char* name;
        const char* header;
        const char* values;
        std::string message;
        int number = 5;
    };
    const Case cases[] = {
        {"other income beyond the money range", "taxsimid,year,mstat,intrec,nonprop",
         "1,2008,1,900000000000000,900000000000000", "intrec + pensions + otherprop + nonprop is out of range", 6},
        {"year before 2001", "taxsimid,year,mstat", "1,2000,1", "tax year 2000 is outside 2001 to 2026"},
        {"year after 2026", "taxsimid,year,mstat", "1,2027,1", "tax year 2027 is outside 2001 to 2026"},
        {"unknown mstat", "taxsimid,year,mstat", "1,2008,3", "mstat 3 is not 1, 2, 6 or 8"},
        {"spouse wages on a single return", "taxsimid,year,mstat,swages", "1,2008,1,100",
         "swages 100 on a return that is not joint (mstat 1)"},
        {"spouse self-employment apart", "taxsimid,year,mstat,ssemp", "1,2008,6,-50",
         "ssemp -50 on a return that is not joint (mstat 6)"},
        {"spouse age without a spouse", "taxsimid,year,mstat,sage", "1,2008,8,40",
         "sage 40 on a return without a spouse (mstat 8)"},
        {"more children than dependents", "taxsimid,year,mstat,depx,dep17", "1,2008,2,1,2", "dep17 is 2 but depx is 1"},
        {"dependents of a dependent filer", "taxsimid,year,mstat,depx", "1,2008,8,1",
         "depx 1 on a dependent's return (mstat 8), which claims no one"},
        {"more ages than dependents", "taxsimid,year,mstat,depx,age1,age2", "1,2008,2,1,5,6",
         "age1 to age3 give 2 ages but depx is 1"},
        {"too many dependents", "taxsimid,year,mstat,depx", "1,2008,2,1000", "depx 1000 is more than 999"},
    };
    TaxsimReturn r(osgrin::LawEdition::Enacted);
    for (const Case& c : cases) {
        const Loaded l(c.header, c.values, r);
        ASSERT_TRUE(l.error) << c.name;
        EXPECT_EQ(l.error->number, c.number) << c.name;
        EXPECT_EQ(l.error->message, c.message) << c.name;
    }
}

TEST(TaxsimReturnCompute, AReusedReturnGivesWhatAFreshOneGives) {
    // Rows unlike each other (itemizing or not, gains and losses, AMT or not,
    // children), computed one after another and each on its own.
    const char* header = "taxsimid,year,mstat,page,depx,age1,pwages,swages,psemp,dividends,stcg,ltcg,proptax,mortgage";
    const char* rows[] = {
        "1,2008,2,40,2,5,350000,100000,0,4000,0,12000,28000,20000",
        "2,2003,1,70,0,0,30000,0,-5000,0,-8000,-9000,0,0",
        "3,2009,1,30,1,10,45000,0,12000,300,500,0,3000,9000",
        "4,2006,6,50,0,0,900000,0,0,0,0,500000,60000,0",
        "5,2001,8,18,0,0,4000,0,0,0,0,0,0,0",
    };
    TaxsimReturn reused(osgrin::LawEdition::Enacted);
    for (const char* row : rows) {
        Figures once;
        const Loaded a(header, row, reused);
        ASSERT_FALSE(a.error) << row;
        ASSERT_FALSE(reused.compute(once)) << row;
        EXPECT_EQ(once.values, computedAlone(header, row).values) << row;
    }
}

TEST(TaxsimReturnCompute, FiguresOfASimpleReturn) {
    // 2008 single, $50,000 of wages: the standard deduction of $5,450, one
    // exemption of $3,500, and the 10/15/25% brackets on $41,050.
    const Figures f = computedAlone("taxsimid,year,mstat,pwages", "1,2008,1,50000");
    EXPECT_EQ(f.values[Figures::Agi], usd(50000));
    EXPECT_EQ(f.values[Figures::StandardDeduction], usd(5450));
    EXPECT_EQ(f.values[Figures::Exemptions], usd(3500));
    EXPECT_EQ(f.values[Figures::ItemizedDeductions], Currency());
    EXPECT_EQ(f.values[Figures::TaxableIncome], usd(41050));
    EXPECT_EQ(f.values[Figures::RegularTax], Currency::fromScaled(66062500));
}

TEST(TaxsimReturnCompute, AnItemizingReturnShowsNoStandardDeduction) {
    const Figures f = computedAlone("taxsimid,year,mstat,pwages,proptax,mortgage", "1,2008,1,90000,6000,9000");
    EXPECT_EQ(f.values[Figures::StandardDeduction], Currency());
    EXPECT_EQ(f.values[Figures::ItemizedDeductions], usd(15000));
}
