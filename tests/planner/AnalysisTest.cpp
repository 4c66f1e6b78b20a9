// The two-year analysis: the search, its curve and choice, the final evaluation,
// present values, and the protocol the report run follows. Expected figures for
// the joint household come from derive_expected.py, an independent model.
#include "PlannerTestSupport.h"
#include "planner/TaxYears.h"

using mirvane::AMT;
using tavrel::Currency;
using testsupport::errorOf;
using testsupport::money;

namespace {

class RecordingProgress : public mirvane::ProgressObserver {
public:
    void started(int minimum, int maximum) override {
        events.push_back("start " + std::to_string(minimum) + "-" + std::to_string(maximum));
    }
    void advanced(int value) override { events.push_back(std::to_string(value)); }
    void finished() override { events.push_back("finish"); }
    std::vector<std::string> events;
};

// A scenario file with the given planner options over the joint household.
struct Scenario {
    testsupport::TempDir dir;
    std::string file = dir.file("s.amt");
    explicit Scenario(const std::string& amtSection = "") {
        std::string text = testsupport::jointHighIncomeScenario();
        if (!amtSection.empty()) text = amtSection + text.substr(text.find("[Scenario1]"));
        testsupport::writeFile(file, text);
    }
};

std::string results(const AMT& p) {
    std::string s;
    for (const char* n : {"PVNxtYear", "PVNxtAcc", "CombinedTaxPV", "CombinedTaxPVAcc", "PVSavings", "IncreaseCurYrTax",
                          "RatioSavings"})
        s += std::string(n) + "=" + p.getProperty(n) + " ";
    return s;
}

}  // namespace

// The entered and working returns take the law and the plan year: under the
// 2008 tables both columns are 2008 law, under the enacted law the next year
// is the year after the plan year under its own law. A plan year given for the
// run replaces the scenario's.
TEST(Analysis, TheReturnsTakeTheLawAndThePlanYear) {
    const struct {
        osgrin::LawEdition law;
        const char* scenarioYear;
        std::optional<std::int16_t> runYear;
        int current, next;  // the tax years of the two columns
    } cases[] = {
        {osgrin::LawEdition::Tables2008, "2008", {}, 2008, 2008},
        {osgrin::LawEdition::Enacted, "2008", {}, 2008, 2009},
        {osgrin::LawEdition::Enacted, "2003", {}, 2003, 2004},
        {osgrin::LawEdition::Enacted, "2008", 2003, 2003, 2004},
    };
    for (const auto& c : cases) {
        Scenario s;
        AMT p;
        testsupport::openScenario(p, s.file);
        p.letProperty("PlanYear", c.scenarioYear);
        mirvane::putUnderLaw(p, c.law, c.runYear);
        mirvane::RunAnalysisProtocol(p);
        EXPECT_EQ(mirvane::currentTaxYear(p), c.current);
        EXPECT_EQ(p.cur().TaxYear(), c.current);
        EXPECT_EQ(p.curAcc().TaxYear(), c.current);
        EXPECT_EQ(p.nxt().TaxYear(), c.next);
        EXPECT_EQ(p.nxtAcc().TaxYear(), c.next);
        for (const osgrin::iTop* r : {&p.cur(), &p.nxt(), &p.curAcc(), &p.nxtAcc()}) EXPECT_EQ(r->lawEdition(), c.law);
    }
}

// A plan year the law does not plan stops the analysis before any return
// changes, at the scenario's key or at the run's own year.
TEST(Analysis, APlanYearTheLawDoesNotPlanIsRefused) {
    const struct {
        const char* scenarioYear;
        std::optional<std::int16_t> runYear;
        const char* source;
    } cases[] = {
        {"2025",
         {},
         "[AMT] Plan Year\r\n\r\n2025 is not a plan year under the law edition \"2008 Tables\", which plans 2008; "
         "\"Enacted\" plans 2001 to 2025"},
        {"2008", 2003,
         "Plan Year of this run\r\n\r\n2003 is not a plan year under the law edition \"2008 Tables\", which plans "
         "2008; \"Enacted\" plans 2001 to 2025"},
    };
    for (const auto& c : cases) {
        Scenario s;
        AMT p;
        mirvane::LoadScenario(p, s.file);
        p.letProperty("PlanYear", c.scenarioYear);
        const auto e = errorOf([&] { mirvane::putUnderLaw(p, osgrin::LawEdition::Tables2008, c.runYear); });
        ASSERT_TRUE(e);
        EXPECT_EQ(e->number(), 380);
        EXPECT_EQ(e->source(), c.source);
        EXPECT_EQ(p.getProperty("PlanYear"), c.scenarioYear);
        EXPECT_EQ(p.nxt().TaxYear(), 2009);  // as the file holds it: nothing was put under the law
    }
}

TEST(Analysis, SearchFindsTheCheapestAmountStrictlyInsideTheCap) {
    Scenario s;
    AMT p;
    testsupport::openScenario(p, s.file);
    RecordingProgress progress;
    p.setProgressObserver(&progress);
    mirvane::RunAnalysisProtocol(p);

    // Cap = smaller of 40,000 and the 32,000 of state taxes; step 64.
    EXPECT_EQ(p.getProperty("MaxItemizedTaxDeferred"), "10,112");
    EXPECT_EQ(results(p),
              "PVNxtYear=123,089 PVNxtAcc=119,733 CombinedTaxPV=198,339 CombinedTaxPVAcc=194,983 "
              "PVSavings=3,356 IncreaseCurYrTax=0 RatioSavings=0.00% ");
    ASSERT_EQ(p.Points()->Count(), 501);
    EXPECT_EQ(p.Points()->Item(1L)->cAccelInc(), money("0"));
    EXPECT_EQ(p.Points()->Item(1L)->cCombinedTax(), money("198339"));
    EXPECT_EQ(p.Points()->Item(2L)->cAccelInc(), money("64"));
    EXPECT_EQ(p.Points()->Item(2L)->cCombinedTax(), money("198318"));
    EXPECT_EQ(p.Points()->Item(250L)->cAccelInc(), money("15936"));
    EXPECT_EQ(p.Points()->Item(250L)->cCombinedTax(), money("194983"));
    EXPECT_EQ(p.Points()->Item(501L)->cAccelInc(), money("32000"));
    EXPECT_EQ(p.Point()->cAccelInc(), money("32000"));  // the last point added

    // The working returns hold the chosen amount moved from fresh copies.
    EXPECT_EQ(p.curAcc().item().getProperty("OtherTaxes"), "21,888");
    EXPECT_EQ(p.nxtAcc().item().getProperty("OtherTaxes"), "16,112");
    EXPECT_TRUE(p.values().DecreaseItemizedTax);  // switched back on
    EXPECT_TRUE(p.values().DeferItemizedTax);

    const std::vector<std::string> expectedProgress = {"start 0-501", "50",  "100", "150", "200", "250",
                                                       "300",         "350", "400", "450", "500", "finish"};
    EXPECT_EQ(progress.events, expectedProgress);
}

TEST(Analysis, NoDeferralHelpsGivesZero) {
    // Both years deep in the AMT: state taxes help in neither.
    Scenario s;
    AMT p;
    testsupport::openScenario(p, s.file);
    p.nxt().inc().letProperty("WageSp1", "310000");
    p.nxt().item().letProperty("OtherTaxes", "32000");
    p.nxt().item().letProperty("HomeMortIntReg", "16000");
    mirvane::RunAnalysisProtocol(p);
    EXPECT_EQ(p.getProperty("MaxItemizedTaxDeferred"), "0");
    EXPECT_EQ(p.getProperty("PVSavings"), "0");
    EXPECT_EQ(p.getProperty("CombinedTaxPV"), p.getProperty("CombinedTaxPVAcc"));
}

TEST(Analysis, ACapOfZeroGivesFiveHundredAndOnePointsAtZero) {
    Scenario s("[AMT]\nDefer SIT=True\nDecrease SIT=True\nMax Amount Deferred=0\nAfter-Tax Discount=5\n");
    AMT p;
    testsupport::openScenario(p, s.file);
    mirvane::RunAnalysisProtocol(p);
    ASSERT_EQ(p.Points()->Count(), 501);
    for (const auto& point : *p.Points()) {
        EXPECT_EQ(point.cAccelInc(), Currency());
        EXPECT_EQ(point.cCombinedTax(), money("198339"));
    }
    EXPECT_EQ(p.getProperty("MaxItemizedTaxDeferred"), "0");
}

TEST(Analysis, ANegativeCapCountsAsZero) {
    Scenario s("[AMT]\nDefer SIT=True\nDecrease SIT=True\nMax Amount Deferred=-5,000\nAfter-Tax Discount=5\n");
    AMT p;
    testsupport::openScenario(p, s.file);
    mirvane::RunAnalysisProtocol(p);
    EXPECT_EQ(p.Points()->Item(501L)->cAccelInc(), Currency());
    EXPECT_EQ(p.curAcc().item().getProperty("OtherTaxes"), "32,000");
}

class StepWithCents : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(StepWithCents, EveryPointIsPlacedExactly) {
    const auto [cap, step] = GetParam();
    Scenario s(std::string("[AMT]\nDefer SIT=True\nDecrease SIT=True\nMax Amount Deferred=") + cap +
               "\nAfter-Tax Discount=5\n");
    AMT p;
    testsupport::openScenario(p, s.file);
    p.CopyObject();
    p.cur().Calculate();
    p.nxt().Calculate();
    p.Calculate();  // the search alone: the working returns keep the last point
    ASSERT_EQ(p.Points()->Count(), 501);
    const Currency stepAmount = money(step);
    long i = 0;
    for (const auto& point : *p.Points()) EXPECT_EQ(point.cAccelInc(), stepAmount.timesWhole(i++));
    EXPECT_EQ(p.Points()->Item(501L)->cAccelInc(), money(cap));
    // The last point moved exactly the cap, then the final evaluation moved the
    // chosen amount on top (in whole dollars).
    const Currency moved = money("32000") - p.curAcc().item().get(osgrin::ItemDed::OtherTaxes);
    EXPECT_EQ(moved, money(cap) + p.values().MaxItemizedTaxDeferred.roundDollarsAwayFromZero());
    EXPECT_EQ(p.nxtAcc().item().get(osgrin::ItemDed::OtherTaxes), money("6000") + moved);
}

INSTANTIATE_TEST_SUITE_P(Caps, StepWithCents,
                         ::testing::Values(std::pair{"200", "0.40"}, std::pair{"2800", "5.60"},
                                           std::pair{"6000", "12"}),
                         [](const auto& p) { return std::string("cap") + p.param.first; });

TEST(Analysis, AFixedDeferralMovesExactlyTheAmountEvenBeyondTheStateTaxes) {
    Scenario s("[AMT]\nDefer SIT=True\nDecrease SIT=False\nMax Amount Deferred=50,000\nAfter-Tax Discount=5\n");
    AMT p;
    testsupport::openScenario(p, s.file);
    mirvane::RunAnalysisProtocol(p);
    EXPECT_EQ(p.curAcc().item().getProperty("OtherTaxes"), "-18,000");
    EXPECT_EQ(p.nxtAcc().item().getProperty("OtherTaxes"), "56,000");
    EXPECT_EQ(p.Points()->Count(), 0);  // no search, no curve
    EXPECT_EQ(p.getProperty("MaxItemizedTaxDeferred"), "50,000");
}

TEST(Analysis, WithoutDeferralCalculateChangesNothing) {
    Scenario s("[AMT]\nDefer SIT=False\nDecrease SIT=True\nMax Amount Deferred=9,000\nAfter-Tax Discount=5\n");
    AMT p;
    testsupport::openScenario(p, s.file);
    p.BeginEdit();
    p.letProperty("PVSavings", "77");
    p.CopyObject();
    p.curAcc().item().letProperty("OtherTaxes", "1");
    p.Calculate();
    EXPECT_EQ(p.getProperty("PVSavings"), "77");
    EXPECT_EQ(p.curAcc().item().getProperty("OtherTaxes"), "1");
    EXPECT_FALSE(p.curAcc().IsCalculated());
}

TEST(Analysis, TheProtocolEvaluatesNoMoveWhenNoDeferralIsApplied) {
    Scenario s("[AMT]\nDefer SIT=False\nDecrease SIT=True\nMax Amount Deferred=9,000\nAfter-Tax Discount=5\n");
    AMT p;
    testsupport::openScenario(p, s.file);
    mirvane::RunAnalysisProtocol(p);
    EXPECT_EQ(results(p),
              "PVNxtYear=123,089 PVNxtAcc=123,089 CombinedTaxPV=198,339 CombinedTaxPVAcc=198,339 "
              "PVSavings=0 IncreaseCurYrTax=0 RatioSavings=0.00% ");
    EXPECT_EQ(p.curAcc().item().getProperty("OtherTaxes"), "32,000");
    EXPECT_EQ(p.getProperty("MaxItemizedTaxDeferred"), "9,000");
}

TEST(Analysis, ANewPlannerRefusesToCalculate) {
    AMT p;
    p.BeginEdit();
    p.letProperty("PVSavings", "5");
    const auto e = errorOf([&] { p.Calculate(); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 10005);
    EXPECT_EQ(e->description(), mirvane::kFileDescription);
    EXPECT_EQ(e->source(), "Template.Calculate\rNeed to calculate results based on complete information.");
    EXPECT_EQ(p.getProperty("PVSavings"), "5");
    EXPECT_EQ(p.Points()->Count(), 0);
}

TEST(Analysis, RatioInTheFinalEvaluationNeedsAnIncrease) {
    // A fixed deferral that raises this year's tax: ratio = saving / increase.
    Scenario s("[AMT]\nDefer SIT=True\nDecrease SIT=False\nMax Amount Deferred=2,000\nAfter-Tax Discount=0\n");
    AMT p;
    testsupport::openScenario(p, s.file);
    p.cur().item().letProperty("OtherTaxes", "3000");  // too little to reach the AMT
    p.cur().inc().letProperty("WageSp1", "90000");
    mirvane::RunAnalysisProtocol(p);
    const Currency increase = money(p.getProperty("IncreaseCurYrTax"));
    ASSERT_GT(increase, Currency());
    const double expected = money(p.getProperty("PVSavings")).toDouble() / increase.toDouble();
    EXPECT_NEAR(p.values().RatioSavings, expected, 1e-4);
}

TEST(PresentValue, RoundsHalvesToEvenAndRefusesImpossibleRates) {
    using mirvane::c_calculate::CalcPresValue;
    EXPECT_EQ(CalcPresValue("10000", "5"), money("9524"));  // 9,523.8095...
    EXPECT_EQ(CalcPresValue("10000", "0"), money("10000"));
    EXPECT_EQ(CalcPresValue("1234.50", "0"), money("1234"));
    EXPECT_EQ(CalcPresValue("1235.50", "0"), money("1236"));
    EXPECT_EQ(CalcPresValue("-10000", "5"), money("-9524"));
    const auto zero = errorOf([] { CalcPresValue("100", "-100"); });
    ASSERT_TRUE(zero);
    EXPECT_EQ(zero->number(), 11);
    EXPECT_EQ(zero->source(), "c_calculate.CalcPresValue\rMirvane");
    EXPECT_EQ(errorOf([] { CalcPresValue("100", "-150"); })->number(), 5);
}

TEST(Analysis, ADiscountRateOfMinusOneHundredStopsTheSearchWithItsLocation) {
    Scenario s("[AMT]\nDefer SIT=True\nDecrease SIT=True\nMax Amount Deferred=1,000\nAfter-Tax Discount=-100\n");
    AMT p;
    testsupport::openScenario(p, s.file);
    const auto e = errorOf([&] { mirvane::RunAnalysisProtocol(p); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 11);
    EXPECT_EQ(e->source(), "Template.Calculate\rc_calculate.CalcPresValue\rMirvane");
}

// The 501-point sweep against every whole dollar: with the state-and-local-tax
// cap the curve has kinks (where a year's taxes reach its cap), and the sweep's
// best amount must still be within a few dollars of present value of the best
// whole-dollar deferral. Each example's second year is searched over its
// whole range, one dollar at a time, as fixed deferrals.
TEST(Analysis, TheSweepFindsTheBestWholeDollarDeferralWithinAFewDollars) {
    for (const char* example :
         {"joint-2025-2026-salt-cap", "joint-2025-2026-no-deferral", "joint-high-income", "single-no-amt"}) {
        const std::string file = std::string(TAVREL_EXAMPLES) + "/" + example + ".amt";
        const std::string text = testsupport::readFile(file);
        const auto law = text.find("Law Edition=Enacted") != std::string::npos ? osgrin::LawEdition::Enacted
                                                                               : osgrin::LawEdition::Tables2008;
        AMT p;
        mirvane::OpenForAnalysis(p, file, law);
        const Currency cap = p.values().MaxItemizedTaxDeferred;
        mirvane::RunAnalysisProtocol(p);
        const Currency swept = p.values().CombinedTaxPVAcc;
        const Currency sweptAmount = p.values().MaxItemizedTaxDeferred;

        Currency best = swept;
        Currency bestAmount;
        const std::int64_t most = std::min(cap, p.cur().item().get(osgrin::ItemDed::OtherTaxes)).wholeDollarsEven();
        for (std::int64_t d = 0; d <= most; ++d) {
            p.BeginEdit();
            p.letProperty("DecreaseItemizedTax", "False");
            p.letProperty("MaxItemizedTaxDeferred", std::to_string(d));
            mirvane::RunAnalysisProtocol(p);
            if (p.values().CombinedTaxPVAcc < best) {
                best = p.values().CombinedTaxPVAcc;
                bestAmount = tavrel::usd(d);
            }
        }
        EXPECT_LE((swept - best).toDouble(), 5.0)
            << example << ": the sweep chose " << sweptAmount.toExactText() << " at " << swept.toExactText()
            << ", every dollar finds " << bestAmount.toExactText() << " at " << best.toExactText();
    }
}
