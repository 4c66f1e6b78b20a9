// The "Enacted" law edition, year by year: the figures of the law document
// (typed here again, independently of the edition's rows) checked through whole
// returns, and the rules the edition adds to the 2008 tables.

#include "LawTestSupport.h"

#include "returnengine/law/LawEditions.h"
#include "platform/RateTable.h"
#include "returnengine/law/CommonTaxCalcs.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using namespace lawtest;
using osgrin::Adj2Inc;
using osgrin::iAMT;
using osgrin::iInc;
using osgrin::iOtherTaxes;
using osgrin::ItemDed;
using osgrin::iTaxCr;
using osgrin::iTop;
using osgrin::LawEdition;

// Figures by status: single, joint, married filing separately, head of household.
using Four = std::array<std::int64_t, 4>;
constexpr int kSingle = 1, kJoint = 2, kMarSep = 3, kHead = 4;

struct YearFigures {
    int year;
    Four stdDed;
    std::int64_t boxUnmarried, boxMarried;
    std::int64_t exemption;
    Four exemptionStart;
    double share;  // of the exemption and itemized reductions
    std::int64_t itemStart;
    Four amtExemption;
    Four bracketTop;
    double cgLow, cgHigh;
    std::int64_t wageBase;
    std::int64_t childCredit;
};

// clang-format off
const YearFigures kYears[] = {
    {.year = 2001, .stdDed = {4550, 7600, 3800, 6650}, .boxUnmarried = 1100, .boxMarried = 900, .exemption = 2900,
     .exemptionStart = {132950, 199450, 99725, 166200}, .share = 1.0, .itemStart = 132950,
     .amtExemption = {35750, 49000, 24500, 35750}, .bracketTop = {27050, 45200, 22600, 36250}, .cgLow = 0.10,
     .cgHigh = 0.20, .wageBase = 80400, .childCredit = 600},
    {.year = 2002, .stdDed = {4700, 7850, 3925, 6900}, .boxUnmarried = 1150, .boxMarried = 900, .exemption = 3000,
     .exemptionStart = {137300, 206000, 103000, 171650}, .share = 1.0, .itemStart = 137300,
     .amtExemption = {35750, 49000, 24500, 35750}, .bracketTop = {27950, 46700, 23350, 37450}, .cgLow = 0.10,
     .cgHigh = 0.20, .wageBase = 84900, .childCredit = 600},
    {.year = 2003, .stdDed = {4750, 9500, 4750, 7000}, .boxUnmarried = 1150, .boxMarried = 950, .exemption = 3050,
     .exemptionStart = {139500, 209250, 104625, 174400}, .share = 1.0, .itemStart = 139500,
     .amtExemption = {40250, 58000, 29000, 40250}, .bracketTop = {28400, 56800, 28400, 38050}, .cgLow = 0.05,
     .cgHigh = 0.15, .wageBase = 87000, .childCredit = 1000},
    {.year = 2004, .stdDed = {4850, 9700, 4850, 7150}, .boxUnmarried = 1200, .boxMarried = 950, .exemption = 3100,
     .exemptionStart = {142700, 214050, 107025, 178350}, .share = 1.0, .itemStart = 142700,
     .amtExemption = {40250, 58000, 29000, 40250}, .bracketTop = {29050, 58100, 29050, 38900}, .cgLow = 0.05,
     .cgHigh = 0.15, .wageBase = 87900, .childCredit = 1000},
    {.year = 2005, .stdDed = {5000, 10000, 5000, 7300}, .boxUnmarried = 1250, .boxMarried = 1000, .exemption = 3200,
     .exemptionStart = {145950, 218950, 109475, 182450}, .share = 1.0, .itemStart = 145950,
     .amtExemption = {40250, 58000, 29000, 40250}, .bracketTop = {29700, 59400, 29700, 39800}, .cgLow = 0.05,
     .cgHigh = 0.15, .wageBase = 90000, .childCredit = 1000},
    {.year = 2006, .stdDed = {5150, 10300, 5150, 7550}, .boxUnmarried = 1250, .boxMarried = 1000, .exemption = 3300,
     .exemptionStart = {150500, 225750, 112875, 188150}, .share = 2.0 / 3.0, .itemStart = 150500,
     .amtExemption = {42500, 62550, 31275, 42500}, .bracketTop = {30650, 61300, 30650, 41050}, .cgLow = 0.05,
     .cgHigh = 0.15, .wageBase = 94200, .childCredit = 1000},
    {.year = 2007, .stdDed = {5350, 10700, 5350, 7850}, .boxUnmarried = 1300, .boxMarried = 1050, .exemption = 3400,
     .exemptionStart = {156400, 234600, 117300, 195500}, .share = 2.0 / 3.0, .itemStart = 156400,
     .amtExemption = {44350, 66250, 33125, 44350}, .bracketTop = {31850, 63700, 31850, 42650}, .cgLow = 0.05,
     .cgHigh = 0.15, .wageBase = 97500, .childCredit = 1000},
    {.year = 2008, .stdDed = {5450, 10900, 5450, 8000}, .boxUnmarried = 1350, .boxMarried = 1050, .exemption = 3500,
     .exemptionStart = {159950, 239950, 119975, 199950}, .share = 1.0 / 3.0, .itemStart = 159950,
     .amtExemption = {46200, 69950, 34975, 46200}, .bracketTop = {32550, 65100, 32550, 43650}, .cgLow = 0.0,
     .cgHigh = 0.15, .wageBase = 102000, .childCredit = 1000},
    {.year = 2009, .stdDed = {5700, 11400, 5700, 8350}, .boxUnmarried = 1400, .boxMarried = 1100, .exemption = 3650,
     .exemptionStart = {166800, 250200, 125100, 208500}, .share = 1.0 / 3.0, .itemStart = 166800,
     .amtExemption = {46700, 70950, 35475, 46700}, .bracketTop = {33950, 67900, 33950, 45500}, .cgLow = 0.0,
     .cgHigh = 0.15, .wageBase = 106800, .childCredit = 1000},
};
// clang-format on

// The AMT phase-out starts are statutory and the same in every year.
constexpr Four kAmtPhaseOutStart = {112500, 150000, 75000, 112500};

std::int64_t of(const Four& f, int status) { return f[static_cast<std::size_t>(status - 1)]; }

// A return under the enacted law with wages for spouse 1.
void enacted(iTop& r, int year, int status, int exemptions, Currency wages) {
    open(r, year, status, exemptions);
    r.setLawEdition(LawEdition::Enacted);
    r.inc().letAmount(iInc::WageSp1, wages);
}

class EnactedYear : public ::testing::TestWithParam<YearFigures> {};

TEST_P(EnactedYear, StandardDeductionAndBoxes) {
    const YearFigures& y = GetParam();
    for (int s : {kSingle, kJoint, kMarSep, kHead}) {
        iTop r;
        enacted(r, y.year, s, 1, usd(20000));
        r.Calculate();
        EXPECT_EQ(r.item().get(ItemDed::StdDed), usd(of(y.stdDed, s))) << statusName(s);
        r.letIsSp1Over65(true);
        r.Calculate();
        const std::int64_t box = (s == kSingle || s == kHead) ? y.boxUnmarried : y.boxMarried;
        EXPECT_EQ(r.item().get(ItemDed::StdDed), usd(of(y.stdDed, s) + box)) << statusName(s);
    }
}

// At the start of the phase-out nothing is lost; one dollar above costs a
// full step (2%) of the exemptions, of which the year applies its share.
TEST_P(EnactedYear, ExemptionPhaseOutStartAndShare) {
    const YearFigures& y = GetParam();
    for (int s : {kSingle, kJoint, kMarSep, kHead}) {
        iTop r;
        enacted(r, y.year, s, 4, usd(of(y.exemptionStart, s)));
        r.Calculate();
        EXPECT_EQ(r.item().get(ItemDed::ExemptionDedNet), usd(4 * y.exemption)) << statusName(s);
        r.inc().letAmount(iInc::WageSp1, usd(of(y.exemptionStart, s) + 1));
        r.Calculate();
        const Currency cut = Currency::fromDouble4(4.0 * static_cast<double>(y.exemption) * 0.02 * y.share);
        EXPECT_EQ(r.item().get(ItemDed::ExemptionDedPhaseOut), cut.roundDollarsEven()) << statusName(s);
    }
}

// 3% of AGI above the start, of which the year applies its share.
TEST_P(EnactedYear, ItemizedLimitationStartAndShare) {
    const YearFigures& y = GetParam();
    iTop r;
    enacted(r, y.year, kSingle, 1, usd(y.itemStart + 10000));
    r.item().letAmount(ItemDed::HomeMortIntReg, usd(50000));
    r.Calculate();
    EXPECT_EQ(r.item().get(ItemDed::TotReduction), Currency::fromDouble4(300.0 * y.share));
}

// The patched exemptions: whole below the phase-out, a quarter of the excess less above it.
TEST_P(EnactedYear, AmtExemptionAndPhaseOut) {
    const YearFigures& y = GetParam();
    for (int s : {kSingle, kJoint, kMarSep, kHead}) {
        iTop r;
        enacted(r, y.year, s, 1, usd(50000));
        r.Calculate();
        EXPECT_EQ(r.amt().get(iAMT::Exemption), usd(of(y.amtExemption, s))) << statusName(s);
        r.inc().letAmount(iInc::WageSp1, usd(of(kAmtPhaseOutStart, s) + 4000));
        r.Calculate();
        EXPECT_EQ(r.amt().get(iAMT::TaxInc), usd(of(kAmtPhaseOutStart, s) + 4000));  // a non-itemizer deducts nothing
        EXPECT_EQ(r.amt().get(iAMT::Exemption), usd(of(y.amtExemption, s) - 1000)) << statusName(s);
    }
}

// A long-term gain of 3,000 on top of ordinary income 1,000 below the 15%
// bracket top: 1,000 at the low rate and 2,000 at the high rate.
TEST_P(EnactedYear, GainRatesAroundTheBracketTop) {
    const YearFigures& y = GetParam();
    for (int s : {kSingle, kJoint, kHead}) {
        const int exemptions = s == kJoint ? 2 : 1;
        const std::int64_t wages = of(y.bracketTop, s) - 1000 + of(y.stdDed, s) + exemptions * y.exemption;
        iTop withGain, without;
        enacted(withGain, y.year, s, exemptions, usd(wages));
        withGain.inc().letAmount(iInc::LTCG, usd(3000));
        withGain.Calculate();
        enacted(without, y.year, s, exemptions, usd(wages));
        without.Calculate();
        EXPECT_EQ(without.get(iTop::TaxInc), usd(of(y.bracketTop, s) - 1000)) << statusName(s);
        EXPECT_EQ(withGain.get(iTop::IncTax) - without.get(iTop::IncTax),
                  Currency::fromDouble4(1000 * y.cgLow + 2000 * y.cgHigh))
            << statusName(s);
    }
}

// 12.4% up to the wage base, 2.9% on all of 92.35% of self-employment income.
TEST_P(EnactedYear, SelfEmploymentTaxWageBase) {
    const YearFigures& y = GetParam();
    iTop r;
    enacted(r, y.year, kSingle, 1, Currency());
    r.inc().letAmount(iInc::SEIncSp1, usd(200000));
    r.Calculate();
    const Currency expected =
        (usd(y.wageBase).times(0.124) + usd(200000).times(0.9235).times(0.029)).roundDollarsEven();
    EXPECT_EQ(r.other().get(iOtherTaxes::SETaxSp1), expected);
}

TEST_P(EnactedYear, ChildCreditPerChild) {
    const YearFigures& y = GetParam();
    iTop r;
    enacted(r, y.year, kJoint, 4, usd(70000));
    r.cr().letChildCount(2);
    r.Calculate();
    EXPECT_EQ(r.cr().get(iTaxCr::ChildCr), usd(2 * y.childCredit));
}

INSTANTIATE_TEST_SUITE_P(Enacted, EnactedYear, ::testing::ValuesIn(kYears),
                         [](const auto& tp) { return std::to_string(tp.param.year); });

// The bracket figures the rows repeat are the ones their rate files have: the
// 15% bracket top is the low gain band's top until 2017, the 39.6% bracket's
// start the top gain rate's start in 2013-2017, and the 37% bracket's start
// where the 2/37 limitation begins (2026).
TEST(LawRows, BracketFiguresMatchTheRateFiles) {
    for (const osgrin::law::Edition* e : {&osgrin::law::tables2008Edition(), &osgrin::law::enactedEdition()})
        for (const osgrin::law::YearLaw& row : e->rows)
            for (int s : {kSingle, kJoint, kMarSep, kHead}) {
                const auto& table =
                    tavrel::platform::RateTable::cached(osgrin::CommonTaxCalcs::rateFilePath(row.rateFile));
                const auto* schedule = table.find(osgrin::CommonTaxCalcs::GetRateTable(s));
                ASSERT_TRUE(schedule) << row.rateFile;
                Currency top15, start396, start37;
                for (const auto& b : schedule->brackets()) {
                    if (b.rate == 15000) top15 = Currency::fromScaled(b.upper);
                    if (b.rate == 39600) start396 = Currency::fromScaled(b.lower);
                    if (b.rate == 37000) start37 = Currency::fromScaled(b.lower);
                }
                const auto status = osgrin::law::statusOf(s);
                const std::string where =
                    std::string(lawEditionText(e->id)) + " " + std::to_string(row.year) + " " + statusName(s);
                if (row.year <= 2017) {
                    EXPECT_EQ(osgrin::law::byStatus(row.cgBracketTop, status), top15) << where;
                }
                if (row.year >= 2013 && row.year <= 2017) {
                    EXPECT_EQ(osgrin::law::byStatus(row.cgTopRateStart, status), start396) << where;
                }
                if (row.itemLimitation == osgrin::law::ItemLimitation::TwoThirtySevenths) {
                    EXPECT_EQ(osgrin::law::byStatus(row.itemLimitationStart, status), start37) << where;
                }
            }
}

// ---------------------------------------------------------------------------
// Rules of the enacted edition beyond the figures.

// 2001: the 10% band inside the regular tax (6,000 single): 600, not 900.
TEST(EnactedRules, The2001TenPercentBand) {
    iTop r;
    enacted(r, 2001, kSingle, 1, usd(6000 + 4550 + 2900));
    r.Calculate();
    EXPECT_EQ(r.get(iTop::TaxInc), usd(6000));
    EXPECT_EQ(r.get(iTop::IncTax), usd(600));
}

// Dividends take the gain rates from 2003 only.
TEST(EnactedRules, DividendsAreOrdinaryBefore2003) {
    for (const auto& [year, atGainRates] : {std::pair{2002, false}, std::pair{2003, true}}) {
        iTop r;
        enacted(r, year, kSingle, 1, usd(40000));
        r.inc().letAmount(iInc::Dividends, usd(5000));
        r.Calculate();
        EXPECT_EQ(r.inc().get(iInc::AdjNetCG), atGainRates ? usd(5000) : Currency()) << year;
    }
}

// Taxable income stops at zero; the carryover still starts below it.
TEST(EnactedRules, TaxableIncomeStopsAtZero) {
    iTop r;
    enacted(r, 2008, kSingle, 1, usd(5000));
    r.inc().letAmount(iInc::STCG, usd(-10000));
    r.Calculate();
    EXPECT_EQ(r.get(iTop::TaxInc), Currency());
    // 5,000 - 3,000 - 5,450 = -3,450 before exemptions: nothing of the allowed 3,000 is used
    EXPECT_EQ(r.inc().get(iInc::STCLCarryforward), usd(10000));
}

// Itemizing is chosen by the lower regular tax + AMT; a tie takes the standard deduction.
TEST(EnactedRules, TheDeductionThatLowersRegularTaxPlusAmt) {
    struct Case {
        const char* name;
        Currency wages, mortgage, stateTaxes;
        bool itemizes;
    };
    const Case cases[] = {
        // itemized 8,000 > 5,450 lowers the regular tax
        {.name = "MoreThanStandard", .wages = usd(60000), .mortgage = usd(8000), .stateTaxes = {}, .itemizes = true},
        // nothing to tax either way: a tie
        {.name = "TieOnZeroTax", .wages = usd(5000), .mortgage = usd(8000), .stateTaxes = {}, .itemizes = false},
        // below the standard deduction, no AMT: the standard deduction
        {.name = "LessWithoutAmt", .wages = usd(60000), .mortgage = usd(4000), .stateTaxes = {}, .itemizes = false},
    };
    for (const Case& c : cases) {
        iTop r;
        enacted(r, 2008, kSingle, 1, c.wages);
        r.item().letAmount(ItemDed::HomeMortIntReg, c.mortgage);
        r.item().letAmount(ItemDed::OtherTaxes, c.stateTaxes);
        r.Calculate();
        EXPECT_EQ(r.item().itemizing(), c.itemizes) << c.name;
    }
}

// Below the standard deduction, itemizing still pays when the AMT binds: the
// mortgage interest lowers the AMT base while the regular tax stays below it.
TEST(EnactedRules, ItemizingBelowTheStandardDeductionWhenTheAmtBinds) {
    iTop r;
    enacted(r, 2008, kJoint, 2, usd(300000));
    r.inc().letAmount(iInc::LTCG, usd(400000));  // gains at 15% keep the regular tax below the AMT
    r.item().letAmount(ItemDed::HomeMortIntReg, usd(10000));
    r.Calculate();
    EXPECT_TRUE(r.item().itemizing());
    EXPECT_EQ(r.amt().get(iAMT::MortgIntDed), usd(10000));
    const Currency itemizedTotal = r.get(iTop::RegAndAmtTax);
    iTop standard;
    enacted(standard, 2008, kJoint, 2, usd(300000));
    standard.inc().letAmount(iInc::LTCG, usd(400000));
    standard.Calculate();
    EXPECT_LT(itemizedTotal, standard.get(iTop::RegAndAmtTax));
}

// Over generated returns of every year: the chosen deduction's regular tax +
// AMT is never above the standard deduction's (the same return without its
// itemized deductions), strictly below it when the return itemizes, and equal
// when it does not. This holds the shortcuts that skip computing one choice.
TEST(EnactedRules, TheChosenDeductionIsNeverWorseAndTiesTakeTheStandard) {
    std::uint64_t seed = 20081231;
    const auto next = [&](std::int64_t below) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::int64_t>((seed >> 33) % static_cast<std::uint64_t>(below));
    };
    for (int i = 0; i < 3000; ++i) {
        const int year = 2001 + static_cast<int>(next(9));
        const int status = 1 + static_cast<int>(next(4));
        const Currency wages = usd(next(6) == 0 ? 0 : next(600000));
        const Currency gains = usd(next(3) == 0 ? next(400000) : 0);
        const Currency items[3] = {usd(next(40000)), usd(next(4) == 0 ? 0 : next(30000)), usd(next(20000))};
        const auto compute = [&](iTop& r, bool withItems) {
            enacted(r, year, status, status == kJoint ? 2 : 1, wages);
            r.inc().letAmount(iInc::LTCG, gains);
            r.item().letAmount(ItemDed::OtherTaxes, withItems ? items[0] : Currency());
            r.item().letAmount(ItemDed::HomeMortIntReg, withItems ? items[1] : Currency());
            r.item().letAmount(ItemDed::CharDed, withItems ? items[2] : Currency());
            r.Calculate();
        };
        iTop chosen, standardOnly;
        compute(chosen, true);
        compute(standardOnly, false);
        const Currency tax = chosen.get(iTop::RegAndAmtTax), standardTax = standardOnly.get(iTop::RegAndAmtTax);
        if (chosen.item().itemizing())
            EXPECT_LT(tax, standardTax) << "case " << i;
        else
            EXPECT_EQ(tax, standardTax) << "case " << i;
    }
}

// Married filing separately adds 25% of AMT income above the point where the
// exemption is gone (75,000 + 4 x 34,975 = 214,900 in 2008), at most the exemption.
TEST(EnactedRules, MarriedSeparatelyAmtAddition) {
    struct Case {
        std::int64_t wages, amtIncome;
    };
    for (const Case& c : {Case{200000, 200000}, Case{300000, 300000 + 21275}, Case{500000, 500000 + 34975}}) {
        iTop r;
        enacted(r, 2008, kMarSep, 1, usd(c.wages));
        r.Calculate();
        EXPECT_EQ(r.amt().get(iAMT::TaxInc), usd(c.amtIncome)) << c.wages;
    }
}

// A dependent filer: the larger of 900 and earned income plus 300 (2008).
TEST(EnactedRules, DependentFilersStandardDeduction) {
    for (const auto& [wages, standard] : {std::pair{0, 900}, std::pair{3000, 3300}, std::pair{9000, 5450}}) {
        iTop r;
        enacted(r, 2008, kSingle, 0, usd(wages));
        r.letIsDependent(true);
        r.Calculate();
        EXPECT_EQ(r.item().get(ItemDed::StdDed), usd(standard)) << wages;
    }
}

// IRA (2008): a covered single filer's deduction shrinks over 53,000-63,000 at
// 5,000 / 10,000 of the gap; no one deducts more than the maximum (6,000 at 65).
TEST(EnactedRules, IraRangesAndMaximum) {
    struct Case {
        const char* name;
        bool covered, over65;
        std::int64_t wages, contribution, deduction;
    };
    const Case cases[] = {
        {.name = "InBand", .covered = true, .over65 = false, .wages = 58000, .contribution = 5000, .deduction = 2500},
        {.name = "AboveBand", .covered = true, .over65 = false, .wages = 63000, .contribution = 5000, .deduction = 0},
        {.name = "NotCoveredCapped",
         .covered = false,
         .over65 = false,
         .wages = 90000,
         .contribution = 7000,
         .deduction = 5000},
        {.name = "CatchUpAt65",
         .covered = false,
         .over65 = true,
         .wages = 90000,
         .contribution = 7000,
         .deduction = 6000},
    };
    for (const Case& c : cases) {
        iTop r;
        enacted(r, 2008, kSingle, 1, usd(c.wages));
        r.letIsSp1Over65(c.over65);
        r.adj().letIsSp1InRetPlan(c.covered);
        r.adj().letAmount(Adj2Inc::IRAContribSP1, usd(c.contribution));
        r.Calculate();
        EXPECT_EQ(r.adj().get(Adj2Inc::IRADedSp1), usd(c.deduction)) << c.name;
    }
}

// A year outside the edition is refused, never computed under another year's law.
TEST(EnactedRules, AYearOutsideTheEditionIsRefused) {
    iTop r;
    enacted(r, 2027, kSingle, 1, usd(50000));
    const auto e = testsupport::errorOf([&] { r.Calculate(); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 5);
    EXPECT_NE(e->source().find("tax year 2027 is outside the years of the \"Enacted\" law (2001 to 2026)"),
              std::string::npos)
        << e->source();
    EXPECT_EQ(e->source().rfind("clsOsgrinTop.Calculate", 0), 0u) << e->source();
}

}  // namespace
