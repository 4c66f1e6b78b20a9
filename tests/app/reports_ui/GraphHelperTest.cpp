// The graph's data: the axis bounds rounded to one significant digit, the
// curve taken from the planner, and axes that never collapse.

// moc reads only the test class; the project headers are not for it.
#ifndef Q_MOC_RUN
#include "ui/reports/GraphChart.h"

#include "reports/GraphHelper.h"

#include "planner/AMT.h"
#endif

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>
#include <QtTest>

#include <memory>

using namespace tavrel;
using reports::GraphHelper;

namespace {

mirvane::Points curve(const std::vector<std::pair<std::int64_t, std::int64_t>>& xy) {
    mirvane::Points p;
    for (const auto& [x, y] : xy) p.Add(usd(x), usd(y));
    return p;
}

}  // namespace

class GraphHelperTest : public QObject {
    Q_OBJECT

private slots:
    void lowerBound_data();
    void lowerBound();
    void upperBound_data();
    void upperBound();
    void theHelperRoundsWhatItIsGiven();
    void noGraphWithoutTheSearch();
    void aCurveBetween41250And44900GetsAnAxisFrom40000To50000();
    void pointsAllAtZeroGiveAnXAxisTo10();
    void theSmallestCombinedTaxIsSoughtFrom999999999();
    void aFlatCurveOnARoundValueStillGetsATallerAxis();
    void anEmptyCurveGetsAxesFrom0To10();
    void theChartPlotsTheCombinedTaxAgainstTheAmount();
    void thePlannerGivesItsCurveOnlyWhenItSearched();
};

void GraphHelperTest::lowerBound_data() {
    QTest::addColumn<qint64>("value");
    QTest::addColumn<double>("bound");
    // clang-format off
    QTest::newRow("41,250") << qint64(41250) << 40000.0;
    QTest::newRow("44,900") << qint64(44900) << 40000.0;
    QTest::newRow("95,000") << qint64(95000) << 90000.0;
    QTest::newRow("40,000") << qint64(40000) << 40000.0;
    QTest::newRow("10,000") << qint64(10000) << 10000.0;
    QTest::newRow("7") << qint64(7) << 7.0;
    QTest::newRow("0") << qint64(0) << 0.0;
    QTest::newRow("-500") << qint64(-500) << 0.0;
    QTest::newRow("198,339") << qint64(198339) << 100000.0;
    // clang-format on
}

void GraphHelperTest::lowerBound() {
    QFETCH(qint64, value);
    QFETCH(double, bound);
    QCOMPARE(GraphHelper::lowerBound(usd(value)), bound);
}

void GraphHelperTest::upperBound_data() {
    QTest::addColumn<qint64>("value");
    QTest::addColumn<double>("bound");
    // clang-format off
    QTest::newRow("44,900") << qint64(44900) << 50000.0;
    QTest::newRow("41,250") << qint64(41250) << 50000.0;
    QTest::newRow("95,000") << qint64(95000) << 100000.0;
    QTest::newRow("40,000") << qint64(40000) << 40000.0;
    QTest::newRow("10,000") << qint64(10000) << 10000.0;
    QTest::newRow("40,001") << qint64(40001) << 50000.0;
    QTest::newRow("10") << qint64(10) << 10.0;
    QTest::newRow("11") << qint64(11) << 20.0;
    QTest::newRow("9") << qint64(9) << 10.0;
    QTest::newRow("0") << qint64(0) << 10.0;
    QTest::newRow("-3,000") << qint64(-3000) << 10.0;
    QTest::newRow("999,999,999") << qint64(999999999) << 1000000000.0;
    // clang-format on
}

void GraphHelperTest::upperBound() {
    QFETCH(qint64, value);
    QFETCH(double, bound);
    QCOMPARE(GraphHelper::upperBound(usd(value)), bound);
}

void GraphHelperTest::theHelperRoundsWhatItIsGiven() {
    GraphHelper h;
    h.setCMaxInc2Accel(usd(32000));
    h.setCLowCombined(usd(41250));
    h.setCHighCombined(usd(44900));
    QCOMPARE(h.cMaxInc2Accel(), usd(32000));
    QCOMPARE(h.cLowCombined(), usd(41250));
    QCOMPARE(h.cHighCombined(), usd(44900));
    QCOMPARE(h.d4GraphMacInc2Accel(), 40000.0);
    QCOMPARE(h.d4GraphLowCombined(), 40000.0);
    QCOMPARE(h.d4GraphHighCombined(), 50000.0);
    // The amount is taken as a whole number first, halves rounded up.
    h.setCLowCombined(Currency::fromScaled(99995000));  // 9,999.50 is 10,000
    QCOMPARE(h.d4GraphLowCombined(), 10000.0);
    h.setCLowCombined(Currency::fromScaled(99994999));  // 9,999.4999 is 9,999
    QCOMPARE(h.d4GraphLowCombined(), 9000.0);
    h.setCHighCombined(Currency::fromScaled(400005000));  // 40,000.50 is 40,001
    QCOMPARE(h.d4GraphHighCombined(), 50000.0);
    h.setCHighCombined(Currency::fromScaled(400004999));  // 40,000.4999 is 40,000
    QCOMPARE(h.d4GraphHighCombined(), 40000.0);
}

void GraphHelperTest::noGraphWithoutTheSearch() {
    const mirvane::Points p = curve({{0, 45000}, {100, 44000}});
    QVERIFY(!reports::RunDetailGraph(false, &p, mirvane::kCurrentTaxYear));
    QVERIFY(reports::RunDetailGraph(true, &p, mirvane::kCurrentTaxYear));
}

void GraphHelperTest::aCurveBetween41250And44900GetsAnAxisFrom40000To50000() {
    const mirvane::Points p = curve({{0, 44900}, {3000, 41250}, {6000, 43000}});
    const auto g = reports::RunDetailGraph(true, &p, 2025);
    QVERIFY(g);
    QCOMPARE(g->title, std::string("Deferral Vs. Combined 2025 & 2026 Tax"));  // the plan year and the next
    QCOMPARE(g->yMin, 40000.0);
    QCOMPARE(g->yMax, 50000.0);
    QCOMPARE(g->xMin, 0.0);
    QCOMPARE(g->xMax, 6000.0);
    QCOMPARE(g->extremes.cLowCombined(), usd(41250));
    QCOMPARE(g->extremes.cHighCombined(), usd(44900));
    QCOMPARE(g->extremes.cMaxInc2Accel(), usd(6000));
    QCOMPARE(g->points.size(), std::size_t{3});
    QCOMPARE(g->points[1].x, usd(3000));
    QCOMPARE(g->points[1].y, usd(41250));
    QCOMPARE(g->points[2].x, usd(6000));
}

void GraphHelperTest::pointsAllAtZeroGiveAnXAxisTo10() {
    const mirvane::Points p = curve({{0, 45000}, {0, 45000}, {0, 45000}});
    const auto g = reports::RunDetailGraph(true, &p, mirvane::kCurrentTaxYear);
    QVERIFY(g);
    QCOMPARE(g->xMin, 0.0);
    QCOMPARE(g->xMax, 10.0);
    QCOMPARE(g->yMin, 40000.0);
    QCOMPARE(g->yMax, 50000.0);
}

void GraphHelperTest::theSmallestCombinedTaxIsSoughtFrom999999999() {
    // Combined taxes above the starting value never become the smallest.
    const mirvane::Points p = curve({{0, 1500000000}, {10, 1400000000}});
    const auto g = reports::RunDetailGraph(true, &p, mirvane::kCurrentTaxYear);
    QVERIFY(g);
    QCOMPARE(g->extremes.cLowCombined(), usd(999999999));
    QCOMPARE(g->yMin, 900000000.0);
    QCOMPARE(g->yMax, 2000000000.0);
}

void GraphHelperTest::aFlatCurveOnARoundValueStillGetsATallerAxis() {
    const mirvane::Points p = curve({{0, 10000}, {50, 10000}, {100, 10000}});
    const auto g = reports::RunDetailGraph(true, &p, mirvane::kCurrentTaxYear);
    QVERIFY(g);
    // The helper's own bounds meet at the value...
    QCOMPARE(g->extremes.d4GraphLowCombined(), 10000.0);
    QCOMPARE(g->extremes.d4GraphHighCombined(), 10000.0);
    // ...the axis does not: it runs from the value to the next round value.
    QCOMPARE(g->yMin, 10000.0);
    QVERIFY(g->yMax > g->yMin);
    QCOMPARE(g->yMax, 20000.0);
    QVERIFY(g->xMax > g->xMin);
}

void GraphHelperTest::anEmptyCurveGetsAxesFrom0To10() {
    const mirvane::Points p;
    for (const mirvane::Points* points : {&p, static_cast<const mirvane::Points*>(nullptr)}) {
        const auto g = reports::RunDetailGraph(true, points, mirvane::kCurrentTaxYear);
        QVERIFY(g);
        QVERIFY(g->points.empty());
        QCOMPARE(g->xMin, 0.0);
        QCOMPARE(g->xMax, 10.0);
        QCOMPARE(g->yMin, 0.0);
        QCOMPARE(g->yMax, 10.0);
    }
}

void GraphHelperTest::theChartPlotsTheCombinedTaxAgainstTheAmount() {
    const mirvane::Points p = curve({{0, 44900}, {3000, 41250}, {6000, 43000}});
    const auto g = reports::RunDetailGraph(true, &p, mirvane::kCurrentTaxYear);
    QVERIFY(g);
    std::unique_ptr<QChart> chart(ui::makeGraphChart(*g));
    QCOMPARE(chart->title(), QStringLiteral("Deferral Vs. Combined 2008 & 2009 Tax"));
    QLineSeries* line = ui::graphSeries(*chart);
    QValueAxis* x = ui::graphXAxis(*chart);
    QValueAxis* y = ui::graphYAxis(*chart);
    QVERIFY(line && x && y);
    QCOMPARE(chart->series().size(), 1);
    QCOMPARE(line->count(), 3);
    QCOMPARE(line->at(0), QPointF(0, 44900));
    QCOMPARE(line->at(1), QPointF(3000, 41250));
    QCOMPARE(line->at(2), QPointF(6000, 43000));
    QCOMPARE(x->min(), 0.0);
    QCOMPARE(x->max(), 6000.0);
    QCOMPARE(x->minorTickCount(), 4);  // 5 minor divisions
    QCOMPARE(y->min(), 40000.0);
    QCOMPARE(y->max(), 50000.0);
    QCOMPARE(y->tickCount(), 6);  // 5 major divisions
    QCOMPARE(y->minorTickCount(), 4);
    QVERIFY(line->attachedAxes().contains(x));
    QVERIFY(line->attachedAxes().contains(y));

    // The chart window shows a new graph in place of the old one.
    ui::ChartWindow window;
    window.setGraph(*g);
    const mirvane::Points flat = curve({{0, 10000}, {0, 10000}});
    window.setGraph(*reports::RunDetailGraph(true, &flat, mirvane::kCurrentTaxYear));
    QCOMPARE(ui::graphSeries(*window.chart())->count(), 2);
    QCOMPARE(ui::graphXAxis(*window.chart())->max(), 10.0);
    QCOMPARE(ui::graphYAxis(*window.chart())->max(), 20000.0);
}

void GraphHelperTest::thePlannerGivesItsCurveOnlyWhenItSearched() {
    mirvane::AMT planner;
    planner.BeginEdit();
    auto points = std::make_shared<mirvane::Points>(curve({{0, 44900}, {3000, 41250}}));
    planner.setPoints(points);
    planner.letFlag(&mirvane::AMT::Stored::DecreaseItemizedTax, false);
    QVERIFY(!reports::RunDetailGraph(planner));
    planner.letFlag(&mirvane::AMT::Stored::DecreaseItemizedTax, true);
    const auto g = reports::RunDetailGraph(planner);
    QVERIFY(g);
    QCOMPARE(g->points.size(), std::size_t{2});
    QCOMPARE(g->yMin, 40000.0);
}

QTEST_MAIN(GraphHelperTest)
#include "GraphHelperTest.moc"
