// The progress window driven by a real search: shown from 0 to 501 at the
// start, advanced every 50th point, hidden and reset at the end.

// moc reads only the test class; the project headers are not for it.
#ifndef Q_MOC_RUN
#include "ui/reports/ProgressWindow.h"
#include "ReportUiTestSupport.h"

#include "base/ProgramInfo.h"

#include "planner/AMT.h"
#include "planner/Calculate.h"
#endif

#include <QProgressBar>
#include <QtTest>

using namespace tavrel;

namespace {

// Passes each call on to the window and notes what the window shows after it.
class Recorder final : public mirvane::ProgressObserver {
public:
    explicit Recorder(ui::ProgressWindow& w) : w_(w) {}
    struct Seen {
        QString call;
        bool visible;
        bool barVisible;
        int minimum, maximum, value;
    };
    std::vector<Seen> seen;

    void started(int minimum, int maximum) override {
        w_.started(minimum, maximum);
        note(QStringLiteral("started %1 %2").arg(minimum).arg(maximum));
    }
    void advanced(int value) override {
        w_.advanced(value);
        note(QStringLiteral("advanced %1").arg(value));
    }
    void finished() override {
        w_.finished();
        note(QStringLiteral("finished"));
    }

private:
    void note(const QString& call) {
        const QProgressBar* b = w_.bar();
        seen.push_back({call, w_.isVisible(), b->isVisible(), b->minimum(), b->maximum(), b->value()});
    }
    ui::ProgressWindow& w_;
};

void prepare(mirvane::AMT& p) {
    for (osgrin::iTop* r : {&p.cur(), &p.nxt()}) {
        r->BeginEdit();
        r->letTaxYearNumber(mirvane::kCurrentTaxYear);
    }
}

}  // namespace

class ProgressWindowTest : public QObject {
    Q_OBJECT

private slots:
    void followsARealSearch();
    void aScopeHidesTheWindowAfterAnError();
    void noSearchNoWindow();
};

void ProgressWindowTest::followsARealSearch() {
    reportstest::ScenarioShell s(reportstest::kJointHighIncome);
    QVERIFY(s.open());
    ui::ProgressWindow window;
    QCOMPARE(window.objectName(), QStringLiteral("frmProgress"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Calculation Status"));
    QCOMPARE(window.bar()->orientation(), Qt::Horizontal);
    Recorder recorder(window);
    mirvane::AMT& p = *s.state.Planner;
    prepare(p);
    p.setProgressObserver(&recorder);
    mirvane::RunAnalysisProtocol(p);
    p.setProgressObserver(nullptr);
    QCOMPARE(p.Points()->Count(), 501L);  // the search ran

    QCOMPARE(recorder.seen.size(), std::size_t{12});
    const auto& first = recorder.seen.front();
    QCOMPARE(first.call, QStringLiteral("started 0 501"));
    QVERIFY(first.visible && first.barVisible);
    QCOMPARE(first.minimum, 0);
    QCOMPARE(first.maximum, 501);
    QCOMPARE(first.value, 0);
    for (int i = 1; i <= 10; ++i) {
        const auto& a = recorder.seen[static_cast<std::size_t>(i)];
        QCOMPARE(a.call, QStringLiteral("advanced %1").arg(50 * i));
        QVERIFY(a.visible);
        QCOMPARE(a.value, 50 * i);
    }
    const auto& last = recorder.seen.back();
    QCOMPARE(last.call, QStringLiteral("finished"));
    QVERIFY(!last.visible);
    QCOMPARE(last.value, 0);
    QVERIFY(!window.isVisible());

    // A second search through the scope shows and hides the same window again.
    ui::ProgressScope scope(p, window);
    QCOMPARE(p.progressObserver(), static_cast<mirvane::ProgressObserver*>(&window));
    mirvane::RunAnalysisProtocol(p);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.bar()->value(), 0);
}

void ProgressWindowTest::aScopeHidesTheWindowAfterAnError() {
    mirvane::AMT planner;
    ui::ProgressWindow window;
    try {
        ui::ProgressScope scope(planner, window);
        planner.progressObserver()->started(0, 501);
        planner.progressObserver()->advanced(150);
        QVERIFY(window.isVisible());
        QCOMPARE(window.bar()->value(), 150);
        throw std::runtime_error("the search failed");
    } catch (const std::runtime_error&) {}
    QVERIFY(!window.isVisible());
    QCOMPARE(window.bar()->value(), 0);
    QVERIFY(planner.progressObserver() == nullptr);

    window.started(0, 501);
    window.advanced(300);
    window.hideAfterError();
    QVERIFY(!window.isVisible());
    QCOMPARE(window.bar()->value(), 0);
}

void ProgressWindowTest::noSearchNoWindow() {
    reportstest::ScenarioShell s(reportstest::kJointHighIncome);
    QVERIFY(s.open());
    mirvane::AMT& p = *s.state.Planner;
    p.letFlag(&mirvane::AMT::Stored::DecreaseItemizedTax, false);
    prepare(p);
    ui::ProgressWindow window;
    Recorder recorder(window);
    p.setProgressObserver(&recorder);
    mirvane::RunAnalysisProtocol(p);
    p.setProgressObserver(nullptr);
    QVERIFY(recorder.seen.empty());
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(ProgressWindowTest)
#include "ProgressWindowTest.moc"
