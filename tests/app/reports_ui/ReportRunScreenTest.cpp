// The report command to the screen as the program runs it: a window per report
// with its caption, the three heading lines and the report's text, the chart
// window with the graph of the search, and the run's windows cascaded.

// moc reads only the test class; the project headers are not for it.
#ifndef Q_MOC_RUN
#include "ui/reports/GraphChart.h"
#include "ui/reports/QtReportOutputs.h"
#include "ReportUiTestSupport.h"
#include "ui/reports/ReportTabs.h"
#include "ui/reports/ReportWindow.h"

#include "reports/DetailedReport.h"
#include "reports/GraphHelper.h"
#include "reports/InputsReport.h"
#include "base/ProgramInfo.h"
#include "commands/ReportRun.h"
#include "reports/SummaryReport.h"

#include "planner/AMT.h"
#include "planner/Calculate.h"
#endif

#include <QChart>
#include <QGuiApplication>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QValueAxis>
#include <QtTest>

using namespace tavrel;
using reportstest::ScenarioShell;

namespace {

// The planner as the report run leaves it for the reports: both years under
// the current year's law and the analysis done.
void analyse(mirvane::AMT& p) {
    for (osgrin::iTop* r : {&p.cur(), &p.nxt()}) {
        r->BeginEdit();
        r->letTaxYearNumber(mirvane::kCurrentTaxYear);
    }
    mirvane::RunAnalysisProtocol(p);
}

QString headingLines(const reports::Headings& h) {
    return QString::fromStdString("  " + h.client + "\n  " + h.description + "\n  " + h.title + "\n");
}

// The report's blocks as the window shows them.
QString blockText(const reports::Report& r) {
    QString s = QString::fromStdString(r.text());
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

ui::ReportWindow* windowCaptioned(QWidget& parent, const QString& caption) {
    for (ui::ReportWindow* w : parent.findChildren<ui::ReportWindow*>())
        if (w->windowTitle() == caption) return w;
    return nullptr;
}

}  // namespace

class ReportRunScreenTest : public QObject {
    Q_OBJECT

private slots:
    void allThreeReportsOpenTheirWindowsWithHeadingsAndText();
    void aRunWithoutSearchShowsNoGraph();
    void theWindowsOfARunOpenCascaded();
    void reportsInOneWindowAreItsTabs();
};

void ReportRunScreenTest::allThreeReportsOpenTheirWindowsWithHeadingsAndText() {
    ScenarioShell s(reportstest::kJointHighIncome);
    QVERIFY(s.open());
    QWidget main;
    int printRequests = 0;
    ui::QtReportOutputs outputs(s.shell, &main, [&] { ++printRequests; });

    reports::RouteOutput(s.shell, shell::Destination::Screen, outputs);
    QCOMPARE(s.errorText.str(), std::string());
    QCOMPARE(s.dialogs.reportCaptions, std::vector<std::string>{"Select Reports (View)"});
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);  // the busy pointer is back

    const QString file = QString::fromStdString(s.scenario);
    ui::ReportWindow* detailed = windowCaptioned(main, "Detailed Analysis Report - " + file);
    ui::ReportWindow* summary = windowCaptioned(main, "Summary Report - " + file);
    ui::ReportWindow* inputs = windowCaptioned(main, "Inputs Report");
    QVERIFY(detailed && summary && inputs);
    QCOMPARE(main.findChildren<ui::ReportWindow*>().size(), 3);
    for (ui::ReportWindow* w : {detailed, summary, inputs}) {
        QVERIFY(w->isVisible());
        QVERIFY(!w->isModal());
        QCOMPARE(w->objectName(), QStringLiteral("frmReportForm"));
        QVERIFY(!w->text().contains(QLatin1Char('\r')));
    }
    // Opened in the screen order, detailed first: the inputs report comes last, on top.
    const auto order = main.findChildren<ui::ReportWindow*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(order.indexOf(detailed), 0);
    QCOMPARE(order.indexOf(summary), 1);
    QCOMPARE(order.indexOf(inputs), 2);

    // The reports built from the planner in the state the run gave it.
    mirvane::AMT& p = *s.state.Planner;
    analyse(p);
    const reports::Report d = reports::DetailedReport(p, s.scenario);
    const reports::Report sm = reports::SummaryReport(p, s.scenario);
    // The inputs report shows the limit as entered, not the search's result.
    const reports::Report in = reports::InputsReport(p, s.scenario, tavrel::usd(40000));
    QCOMPARE(d.headings.title, std::string("Detailed Analysis AMT"));
    QCOMPARE(detailed->text(), headingLines(d.headings) + blockText(d));
    QCOMPARE(summary->text(), headingLines(sm.headings) + blockText(sm));
    QCOMPARE(inputs->text(), headingLines(in.headings) + blockText(in));
    const QStringList top = detailed->text().split(QLatin1Char('\n')).mid(0, 4);
    QCOMPARE(top[0], QStringLiteral("  Ann Whitfield and Ben Whitfield"));
    QCOMPARE(top[1].trimmed(), QStringLiteral("Year-end bonus; state taxes due in December"));
    QVERIFY(inputs->text().contains(QStringLiteral(" that can be deferred:        40,000\n")));
    QCOMPARE(top[2], QStringLiteral("  Detailed Analysis AMT"));
    QCOMPARE(top[3], QStringLiteral("  Taxes Deferred"));
    QVERIFY(summary->text().contains(QStringLiteral("\n  AMT Planning Summary\n")));
    QVERIFY(inputs->text().contains(QStringLiteral("\n  Inputs - Tavrel\n")));

    // Independently of the builders: the detailed and the summary windows,
    // heading lines taken off, are what the reviewed silent output holds.
    auto body = [](ui::ReportWindow* w) {
        QString t = w->text();
        for (int i = 0; i < 3; ++i) t = t.mid(t.indexOf(QLatin1Char('\n')) + 1);
        return t;
    };
    const std::string golden =
        testsupport::readFile(std::string(TAVREL_TEST_DATA) + "/golden/joint-high-income.expected.txt");
    QCOMPARE(reportstest::withCrLf(body(detailed)) + "\r\n" + reportstest::withCrLf(body(summary)) + "\r\n", golden);

    // The chart window: the curve of the search against the rounded bounds.
    ui::ChartWindow* chart = outputs.chartWindow();
    QVERIFY(chart);
    QCOMPARE(chart->objectName(), QStringLiteral("frmChart"));
    QVERIFY(chart->isVisible());
    const auto graph = reports::RunDetailGraph(p);
    QVERIFY(graph);
    QCOMPARE(graph->points.size(), std::size_t{501});
    QCOMPARE(chart->chart()->title(), QStringLiteral("Deferral Vs. Combined 2008 & 2009 Tax"));
    QValueAxis* x = ui::graphXAxis(*chart->chart());
    QValueAxis* y = ui::graphYAxis(*chart->chart());
    QLineSeries* line = ui::graphSeries(*chart->chart());
    QVERIFY(x && y && line);
    QCOMPARE(x->min(), 0.0);
    QCOMPARE(x->max(), graph->extremes.d4GraphMacInc2Accel());
    QCOMPARE(y->min(), graph->extremes.d4GraphLowCombined());
    QCOMPARE(y->max(), graph->extremes.d4GraphHighCombined());
    // This scenario: 32,000 of state taxes to defer (under the 40,000 cap), and
    // combined taxes between the 194,983 of the best deferral and about 198,000.
    QCOMPARE(x->max(), 40000.0);
    QCOMPARE(y->min(), 100000.0);
    QCOMPARE(y->max(), 200000.0);
    QCOMPARE(line->count(), 501);
    QCOMPARE(line->at(0), QPointF(0, graph->points[0].y.toDouble()));
    QCOMPARE(line->at(500), QPointF(32000, graph->points[500].y.toDouble()));

    // "print" in any report window asks the program to print.
    QTest::mouseClick(summary->printButton(), Qt::LeftButton);
    QCOMPARE(printRequests, 1);
}

void ReportRunScreenTest::aRunWithoutSearchShowsNoGraph() {
    ScenarioShell s(reportstest::kJointHighIncome);
    QVERIFY(s.open());
    QWidget main;
    ui::QtReportOutputs outputs(s.shell, &main, [] {});
    s.dialogs.reports = {false, false, true};
    reports::RouteOutput(s.shell, shell::Destination::Screen, outputs);
    QVERIFY(outputs.chartWindow() != nullptr);
    QVERIFY(!outputs.chartWindow()->chart()->series().isEmpty());

    // Deferral off: the search does not run and the planner's old curve is not drawn
    // (either flag turns it off).
    for (auto flag : {&mirvane::AMT::Stored::DecreaseItemizedTax, &mirvane::AMT::Stored::DeferItemizedTax}) {
        QVERIFY(s.open());
        s.state.Planner->letFlag(flag, false);
        QVERIFY(tavrel::shell::Save(s.shell, s.state.CurrentFile));
        reports::RouteOutput(s.shell, shell::Destination::Screen, outputs);
        QCOMPARE(s.errorText.str(), std::string());
        QVERIFY(outputs.chartWindow()->chart()->series().isEmpty());
        QCOMPARE(outputs.chartWindow()->chart()->title(), QString(reports::kNoSearchText));
    }
}

void ReportRunScreenTest::theWindowsOfARunOpenCascaded() {
    ScenarioShell s(reportstest::kJointHighIncome);
    QVERIFY(s.open());
    QWidget main;
    ui::QtReportOutputs outputs(s.shell, &main, [] {});
    const QString file = QString::fromStdString(s.scenario);

    struct Run {
        const char* name;
        shell::ReportFlags reports;
        QStringList captions;  // in the order the windows open; "" is the chart window
    };
    const QStringList all{"Detailed Analysis Report - " + file, "", "Summary Report - " + file, "Inputs Report"};
    const Run runs[] = {
        {"first run", {true, true, true}, all},
        {"second run, the first's windows still open", {true, true, true}, all},
        {"summary and inputs", {true, true, false}, {"Summary Report - " + file, "Inputs Report"}},
    };
    QList<QPoint> firstRun;
    for (const Run& run : runs) {
        const qsizetype before = main.findChildren<ui::ReportWindow*>(Qt::FindDirectChildrenOnly).size();
        s.dialogs.reports = run.reports;
        reports::RouteOutput(s.shell, shell::Destination::Screen, outputs);
        QCOMPARE(s.errorText.str(), std::string());
        // This run's report windows are the ones created after those of the runs before.
        const auto created = main.findChildren<ui::ReportWindow*>(Qt::FindDirectChildrenOnly).mid(before);
        QList<QWidget*> windows;
        for (const QString& caption : run.captions) {
            QWidget* w = nullptr;
            if (caption.isEmpty())
                w = outputs.chartWindow();
            else
                for (ui::ReportWindow* r : created)
                    if (r->windowTitle() == caption) w = r;
            QVERIFY2(w, qPrintable(QStringLiteral("%1: no window \"%2\"").arg(run.name, caption)));
            windows.append(w);
        }
        QCOMPARE(created.size(), run.captions.size() - run.captions.count(QString()));

        QList<QPoint> at;
        for (QWidget* w : windows) {
            QVERIFY(QTest::qWaitForWindowExposed(w));
            const QRect avail = w->screen()->availableGeometry();
            QVERIFY2(avail.contains(w->frameGeometry()),
                     qPrintable(QStringLiteral("%1: %2 leaves the screen").arg(run.name, w->windowTitle())));
            at.append(w->frameGeometry().topLeft());
        }
        // Each a title bar's height or so down and right of the one before.
        for (qsizetype i = 1; i < at.size(); ++i) {
            const QPoint step = at[i] - at[i - 1];
            QVERIFY2(step.x() == step.y() && step.x() >= 10 && step.x() <= 60,
                     qPrintable(QStringLiteral("%1: window %2 is %3,%4 from the one before")
                                    .arg(run.name)
                                    .arg(i)
                                    .arg(step.x())
                                    .arg(step.y())));
        }
        // A later run starts where the first did.
        if (firstRun.isEmpty())
            firstRun = at;
        else
            QCOMPARE(at.first(), firstRun.first());
        if (at.size() == firstRun.size()) QCOMPARE(at, firstRun);
    }
}

// With Options > Reports in One Window, a run's reports and graph are the tabs
// of one window, in the order they open, the last one current; a second run
// replaces them.
void ReportRunScreenTest::reportsInOneWindowAreItsTabs() {
    ScenarioShell s(reportstest::kJointHighIncome);
    s.state.ReportsInOneWindow = true;
    QWidget main;
    ui::QtReportOutputs outputs(s.shell, &main, [] {});
    for (int run = 0; run < 2; ++run) {
        QVERIFY(s.open());
        reports::RouteOutput(s.shell, shell::Destination::Screen, outputs);
        QCOMPARE(s.errorText.str(), std::string());
        const auto windows = main.findChildren<ui::ReportTabs*>();
        QCOMPARE(windows.size(), 1);
        QTabWidget* tabs = windows.front()->tabs();
        QStringList titles;
        for (int i = 0; i < tabs->count(); ++i) titles << tabs->tabText(i);
        QCOMPARE(titles.size(), 4);
        QVERIFY(titles[0].startsWith("Detailed Analysis Report"));
        QCOMPARE(titles[1], QString("Analysis Graph"));
        QVERIFY(titles[2].startsWith("Summary Report"));
        QVERIFY(titles[3].startsWith("Inputs Report"));
        QCOMPARE(tabs->currentIndex(), 3);
        QVERIFY(windows.front()->isVisible());
        // No report is a window of its own.
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY2(!(w->isVisible() && qobject_cast<ui::ReportWindow*>(w)), qPrintable(w->windowTitle()));
    }
}

QTEST_MAIN(ReportRunScreenTest)
#include "ReportRunScreenTest.moc"
