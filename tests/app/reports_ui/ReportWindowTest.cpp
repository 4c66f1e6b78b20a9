// The report window and the screen destination: the text as the report gives
// it, read-only, a fixed-width font, the toolbar's print and exit (the graph
// window's too), and the window per report.

// moc reads only the test class; the project headers are not for it.
#ifndef Q_MOC_RUN
#include "ui/reports/GraphChart.h"
#include "ui/reports/QtReportOutputs.h"
#include "ui/reports/ReportFont.h"
#include "ReportUiTestSupport.h"
#include "ui/reports/ReportWindow.h"
#include "ui/reports/ScreenDestination.h"
#include "ui/reports/WindowPlacement.h"
#endif

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QToolButton>
#include <QtTest>

#include <memory>
#include <vector>

using namespace tavrel;

namespace {

reports::Report madeUp(const std::string& caption) {
    reports::Report r;
    r.caption = caption;
    r.headings = {"Ann and Bob", "Plan A", "Made Up Report"};
    r.blocks.push_back({"  first line\r\n  second line\r\n", 2});
    r.blocks.push_back({"\r\n  after an empty line\r\n", 2});
    return r;
}

}  // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theScreenDestinationOpensAWindowPerReport();
    void printCallsTheOwnerAndExitCloses();
    void eachWindowOfARunPrintsAndCloses_data();
    void eachWindowOfARunPrintsAndCloses();
    void typingChangesNothing();
    void theTextIsFixedWidthAndFillsTheWindow();
    void theWindowIsCentredOnTheScreen();
    void aCascadeStaysOnTheScreen_data();
    void aCascadeStaysOnTheScreen();
    void theBusyPointerIsSetAndRestored();
    void theFileDestinationAppendsEachReport();
};

void ReportWindowTest::theScreenDestinationOpensAWindowPerReport() {
    QWidget main;
    int printed = 0;
    ui::ScreenDestination screen(&main, [&] { ++printed; });
    reports::routeReport(madeUp("First - a.amt"), screen);
    QPointer<ui::ReportWindow> first = screen.lastWindow();
    reports::routeReport(madeUp("Second"), screen);
    QPointer<ui::ReportWindow> second = screen.lastWindow();
    QVERIFY(first && second && first != second);
    QCOMPARE(first->windowTitle(), QStringLiteral("First - a.amt"));
    QCOMPARE(second->windowTitle(), QStringLiteral("Second"));
    QCOMPARE(first->text(), QStringLiteral("  Ann and Bob\n  Plan A\n  Made Up Report\n"
                                           "  first line\n  second line\n\n  after an empty line\n"));
    QCOMPARE(second->text(), first->text());
    QCOMPARE(first->textView()->document()->blockCount(), 8);  // seven lines and the empty one after the last break
    QVERIFY(first->isVisible() && second->isVisible());
    QVERIFY(!first->isModal() && !second->isModal());
    QCOMPARE(first->objectName(), QStringLiteral("frmReportForm"));
    QCOMPARE(first->parentWidget(), &main);

    // A window's own print button calls the owner's print.
    QTest::mouseClick(first->findChild<QToolButton*>("btnPrint"), Qt::LeftButton);
    QCOMPARE(printed, 1);
}

void ReportWindowTest::printCallsTheOwnerAndExitCloses() {
    int printed = 0;
    QPointer<ui::ReportWindow> w = new ui::ReportWindow([&] { ++printed; });
    w->setWindowTitle("Report");
    w->show();
    QToolButton* print = w->findChild<QToolButton*>("btnPrint");
    QToolButton* exit = w->findChild<QToolButton*>("btnExit");
    QVERIFY(print && exit);
    QCOMPARE(print->text(), QStringLiteral("print"));
    QCOMPARE(exit->text(), QStringLiteral("exit"));
    QTest::mouseClick(print, Qt::LeftButton);
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(printed, 2);
    QVERIFY(w->isVisible());
    QTest::mouseClick(exit, Qt::LeftButton);
    QCOMPARE(printed, 2);
    QTRY_VERIFY(w.isNull());  // closed, and gone with it
}

void ReportWindowTest::eachWindowOfARunPrintsAndCloses_data() {
    QTest::addColumn<bool>("graph");
    QTest::newRow("report window") << false;
    QTest::newRow("graph window") << true;
}

// The buttons of the windows a run opens, wired to the program's print command.
void ReportWindowTest::eachWindowOfARunPrintsAndCloses() {
    QFETCH(bool, graph);
    reportstest::ScenarioShell s(reportstest::kJointHighIncome);
    QVERIFY(s.open());
    QWidget main;
    int printed = 0;
    ui::QtReportOutputs outputs(s.shell, &main, [&] { ++printed; });
    QPointer<QWidget> w;
    if (graph) {
        outputs.graph(shell::Destination::Screen, *s.state.Planner);
        w = outputs.chartWindow();
    } else {
        reports::routeReport(madeUp("Report"), outputs.destination(shell::Destination::Screen));
        w = main.findChild<ui::ReportWindow*>();
    }
    QVERIFY(w && w->isVisible());
    QToolButton* print = w->findChild<QToolButton*>("btnPrint");
    QToolButton* exit = w->findChild<QToolButton*>("btnExit");
    QVERIFY(print && exit);
    QCOMPARE(print->text(), QStringLiteral("print"));
    QCOMPARE(exit->text(), QStringLiteral("exit"));
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(printed, 1);
    QVERIFY(w->isVisible());
    QTest::mouseClick(exit, Qt::LeftButton);
    QCOMPARE(printed, 1);
    QTRY_VERIFY(w.isNull());  // closed, and gone with it
    if (graph) QVERIFY(outputs.chartWindow() == nullptr);
}

void ReportWindowTest::typingChangesNothing() {
    ui::ReportWindow w([] {});
    w.appendText("  line one\r\n  line two\r\n");
    w.show();
    QPlainTextEdit* text = w.textView();
    text->setFocus();
    const QString before = w.text();
    QTest::keyClicks(text, "typed");
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClick(text, Qt::Key_Backspace);
    QTest::keyClick(text, Qt::Key_Delete);
    QTest::keyClick(text, Qt::Key_End);
    QTest::keyClick(text, Qt::Key_Backspace);
    QApplication::clipboard()->setText("pasted");
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(w.text(), before);
    QVERIFY(text->isReadOnly());
}

void ReportWindowTest::theTextIsFixedWidthAndFillsTheWindow() {
    ui::ReportWindow w([] {});
    w.show();
    QVERIFY(QFontInfo(w.textView()->font()).fixedPitch());
    QVERIFY(QFontInfo(ui::monospacedFont("No Such Font Anywhere", 9)).fixedPitch());
    QVERIFY(QFontInfo(ui::printerReportFont("No Such Font Anywhere", 9)).fixedPitch());
    QCOMPARE(ui::printerReportFont("", 0).pointSizeF(), 10.0);
    QVERIFY(ui::printerReportFont("Courier New", 12).bold());
    QCOMPARE(ui::printerReportFont("Courier New", 12).pointSizeF(), 12.0);

    for (const QSize size : {QSize(500, 300), QSize(700, 450)}) {
        w.resize(size);
        QTRY_COMPARE(w.size(), size);
        QTRY_COMPARE(w.textView()->width(), w.width());
        const QRect g = w.textView()->geometry();
        QCOMPARE(g.bottom(), w.rect().bottom());
        QVERIFY(g.height() > size.height() / 2);
    }
}

void ReportWindowTest::theWindowIsCentredOnTheScreen() {
    ui::ReportWindow w([] {});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QRect avail = w.screen()->availableGeometry();
    const QPoint off = w.frameGeometry().center() - avail.center();
    QVERIFY2(std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1,
             qPrintable(QStringLiteral("off centre by %1,%2").arg(off.x()).arg(off.y())));
    QVERIFY(avail.contains(w.frameGeometry()));
}

void ReportWindowTest::aCascadeStaysOnTheScreen_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("windows");
    QTest::newRow("small windows, many") << QSize(300, 200) << 30;
    QTest::newRow("larger than the screen") << QSize(3000, 3000) << 6;
}

// More windows than fit step down and right until the next would leave the
// available area, then start again at its top left.
void ReportWindowTest::aCascadeStaysOnTheScreen() {
    QFETCH(QSize, size);
    QFETCH(int, windows);
    ui::WindowCascade cascade;
    std::vector<std::unique_ptr<QWidget>> shown;
    QList<QPoint> at;
    QRect avail;
    for (int i = 0; i < windows; ++i) {
        auto w = std::make_unique<QWidget>(nullptr, Qt::Window);
        w->resize(size);
        w->show();
        cascade.place(*w);
        avail = w->screen()->availableGeometry();
        QVERIFY2(avail.contains(w->frameGeometry()), qPrintable(QStringLiteral("window %1 leaves the screen").arg(i)));
        at.append(w->frameGeometry().topLeft());
        shown.push_back(std::move(w));
    }
    int wraps = 0;
    for (qsizetype i = 1; i < at.size(); ++i) {
        const QPoint step = at[i] - at[i - 1];
        if (at[i] == avail.topLeft() && step != at[1] - at[0])
            ++wraps;
        else
            QCOMPARE(step, at[1] - at[0]);
    }
    QVERIFY(at[1].x() > at[0].x() && at[1].y() > at[0].y());
    QVERIFY(wraps > 0);

    // A new run starts again where the first window went.
    cascade.restart();
    QWidget again(nullptr, Qt::Window);
    again.resize(size);
    again.show();
    cascade.place(again);
    QCOMPARE(again.frameGeometry().topLeft(), at[0]);
}

void ReportWindowTest::theBusyPointerIsSetAndRestored() {
    reportstest::ScenarioShell s(reportstest::kJointHighIncome);
    ui::QtReportOutputs outputs(s.shell, nullptr, [] {});
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    outputs.busy(true);
    QVERIFY(QGuiApplication::overrideCursor());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    outputs.busy(false);
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    outputs.busy(false);  // no pointer of someone else's is taken off
    QGuiApplication::setOverrideCursor(Qt::CrossCursor);
    outputs.busy(false);
    QVERIFY(QGuiApplication::overrideCursor());
    QGuiApplication::restoreOverrideCursor();
}

void ReportWindowTest::theFileDestinationAppendsEachReport() {
    reportstest::ScenarioShell s(reportstest::kJointHighIncome);
    s.state.OutputFile = s.dir.file("out.txt");
    testsupport::writeFile(s.state.OutputFile, "before\r\n");
    ui::QtReportOutputs outputs(s.shell, nullptr, [] {});
    reports::routeReport(madeUp("x"), outputs.destination(shell::Destination::File));
    QCOMPARE(testsupport::readFile(s.state.OutputFile),
             std::string("before\r\n  first line\r\n  second line\r\n\r\n  after an empty line\r\n\r\n"));
}

QTEST_MAIN(ReportWindowTest)
#include "ReportWindowTest.moc"
