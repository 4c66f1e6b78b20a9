// The reports on paper, printed to a PDF file and read back as text: page
// headings and numbers, the report lines, the graph, the copies, and the
// refusal of a block the page manager cannot take.

// moc reads only the test class; the project headers are not for it.
#ifndef Q_MOC_RUN
#include "ui/reports/PrintOutput.h"
#include "ui/reports/QtReportOutputs.h"
#include "ui/reports/ReportFont.h"
#include "ReportUiTestSupport.h"

#include "base/ProgramInfo.h"
#include "commands/ReportRun.h"

#include "planner/AMT.h"
#endif

#include <QGuiApplication>
#include <QPrinter>
#include <QRegularExpression>
#include <QtTest>

using namespace tavrel;
using reportstest::pdfPages;
using reportstest::pdfText;
using reportstest::ScenarioShell;

namespace {

int count(const QString& text, const QString& what) { return static_cast<int>(text.count(what)); }

// "Page n" footers in the order they appear.
QStringList pageFooters(const QString& text) {
    QStringList found;
    static const QRegularExpression re(QStringLiteral("^Page (\\d+)\\s*$"), QRegularExpression::MultilineOption);
    for (auto it = re.globalMatch(text); it.hasNext();) found << it.next().captured(1);
    return found;
}

}  // namespace

class ReportPrintTest : public QObject {
    Q_OBJECT

private slots:
    void printsAllReportsWithHeadingsPageNumbersAndGraph();
    void twoCopiesGiveTwiceThePages();
    void aBlockOfFortyOneLinesIsRefusedWithAMessage();
    void printerPagesAreStartedOnlyWhenSomethingIsPrinted();
    void aPageTakesLinesPerPageLinesAndCrLfBreaksLines();
    void printingWithoutABegunJobRaisesThePrinterError();
    void cancellingThePrintDialogPrintsNothing();
};

void ReportPrintTest::printsAllReportsWithHeadingsPageNumbersAndGraph() {
    ScenarioShell s(reportstest::kNamedScenario);
    QVERIFY(s.open());
    const std::string pdf = s.dir.file("reports.pdf");
    s.dialogs.print = shell::PrintSetup{1, "", pdf};
    QWidget main;
    ui::QtReportOutputs outputs(s.shell, &main, [] {});
    reports::RouteOutput(s.shell, shell::Destination::Printer, outputs);
    QCOMPARE(s.errorText.str(), std::string());
    QCOMPARE(s.dialogs.reportCaptions, std::vector<std::string>{"Select Reports (Print)"});
    QCOMPARE(s.dialogs.printDialogs, 1);
    QVERIFY(s.dialogs.shown.empty());
    QVERIFY(outputs.printJob() == nullptr);  // the job ended with the run
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);

    const QString text = pdfText(pdf);
    const QStringList pages = pdfPages(text);
    // Inputs, summary and detailed reports, each ending on a numbered page,
    // then the graph on a page of its own.
    QVERIFY2(pages.size() >= 4, qPrintable(text));
    for (const QString& page : pages) QVERIFY2(!page.trimmed().isEmpty(), "a blank page was printed");
    QVERIFY(text.contains(QStringLiteral("  Ann Example and Bob Example")));  // inputs and detailed headings
    QVERIFY(text.contains(QStringLiteral("  Ann Example & Bob Example")));    // summary headings
    QVERIFY(text.contains(QStringLiteral("  High state taxes in 2008")));
    QVERIFY(text.contains(QStringLiteral("  Inputs - Tavrel")));
    QVERIFY(text.contains(QStringLiteral("  AMT Planning Summary")));
    QVERIFY(text.contains(QStringLiteral("  Detailed Analysis AMT")));
    QVERIFY(text.contains(QStringLiteral("Regular & AMT")));
    QVERIFY(text.contains(QStringLiteral("Present Value of Savings")));
    QVERIFY(text.contains(QStringLiteral("Page 1")));
    QVERIFY(text.contains(QStringLiteral("Page 2")));
    // Every page but the graph's ends with its number, counted through the document.
    const QStringList footers = pageFooters(text);
    QCOMPARE(footers.size(), pages.size() - 1);
    for (int i = 0; i < footers.size(); ++i) QCOMPARE(footers[i], QString::number(i + 1));
    // The page headings stand on every numbered page.
    for (int i = 0; i < pages.size() - 1; ++i)
        QVERIFY2(pages[i].contains(QStringLiteral("High state taxes in 2008")), qPrintable(pages[i]));
    // The graph comes last, on its own page.
    QVERIFY(pages.last().contains(QStringLiteral("Deferral Vs. Combined 2008 & 2009 Tax")));
    QVERIFY(!pages.last().contains(QStringLiteral("Page ")));
    // The report font is bold.
    QVERIFY(ui::printerReportFont(s.state.FontNamePref, s.state.FontSizePref).bold());
}

void ReportPrintTest::twoCopiesGiveTwiceThePages() {
    ScenarioShell s(reportstest::kNamedScenario);
    QVERIFY(s.open());
    QWidget main;
    ui::QtReportOutputs outputs(s.shell, &main, [] {});
    const std::string one = s.dir.file("one.pdf");
    const std::string two = s.dir.file("two.pdf");
    s.dialogs.print = shell::PrintSetup{1, "", one};
    reports::RouteOutput(s.shell, shell::Destination::Printer, outputs);
    s.dialogs.print = shell::PrintSetup{2, "", two};
    reports::RouteOutput(s.shell, shell::Destination::Printer, outputs);
    QCOMPARE(s.errorText.str(), std::string());

    const QString a = pdfText(one);
    const QString b = pdfText(two);
    const int pagesOne = static_cast<int>(pdfPages(a).size());
    QVERIFY(pagesOne >= 4);
    QCOMPARE(static_cast<int>(pdfPages(b).size()), 2 * pagesOne);
    // The second copy is a document of its own: its pages are numbered from 1.
    QCOMPARE(count(b, QStringLiteral("Page 1\n")), 2 * count(a, QStringLiteral("Page 1\n")));
    QCOMPARE(count(b, QStringLiteral("Regular & AMT")), 2 * count(a, QStringLiteral("Regular & AMT")));
    QCOMPARE(count(b, QStringLiteral("Deferral Vs. Combined")), 2);
    QCOMPARE(pdfPages(b).mid(pagesOne).join(QLatin1Char('\f')), pdfPages(a).join(QLatin1Char('\f')));
}

void ReportPrintTest::aBlockOfFortyOneLinesIsRefusedWithAMessage() {
    ScenarioShell s(reportstest::kNamedScenario);
    QWidget main;
    ui::QtReportOutputs outputs(s.shell, &main, [] {});
    const std::string pdf = s.dir.file("refused.pdf");
    outputs.beginPrinting(shell::PrintSetup{1, "", pdf});
    reports::Report r;
    r.caption = "Made Up";
    r.headings = {"Client Name", "About This", "Made Up Report"};
    r.blocks.push_back({"  FIRST BLOCK\r\n", 1});
    r.blocks.push_back({"  REFUSED BLOCK\r\n", 41});
    r.blocks.push_back({"  LAST BLOCK\r\n", 1});
    reports::routeReport(r, outputs.destination(shell::Destination::Printer));
    outputs.endPrintedDocument();
    outputs.endPrinting();

    QCOMPARE(s.dialogs.shown.size(), std::size_t{1});
    QCOMPARE(s.dialogs.shown[0].title, std::string("Error!"));
    QCOMPARE(s.dialogs.shown[0].text, std::string("41 lines passed to PrnManager2(). Please use between 1 and 40"));
    QCOMPARE(s.dialogs.shown[0].icon, shell::Icon::Critical);
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("FIRST BLOCK")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("LAST BLOCK")));
    QVERIFY(!text.contains(QStringLiteral("REFUSED")));
    QVERIFY(text.contains(QStringLiteral("  Client Name")));
    QVERIFY(text.contains(QStringLiteral("  About This")));
    QVERIFY(text.contains(QStringLiteral("  Made Up Report")));
    QCOMPARE(pdfPages(text).size(), 1);
    QCOMPARE(pageFooters(text), QStringList{QStringLiteral("1")});
}

void ReportPrintTest::printerPagesAreStartedOnlyWhenSomethingIsPrinted() {
    testsupport::TempDir dir;
    QPrinter device(QPrinter::HighResolution);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(QString::fromStdString(dir.file("lazy.pdf")));
    ui::QtPrinter printer(device, ui::printerReportFont("Courier New", 10));
    QCOMPARE(printer.pageNumber(), 1);
    printer.printLine("first page");
    printer.newPage();
    QCOMPARE(printer.pageNumber(), 2);
    printer.newPage();  // nothing on page 2 yet: still page 2
    QCOMPARE(printer.pageNumber(), 2);
    printer.endDocument();
    QCOMPARE(printer.pageNumber(), 1);
    QCOMPARE(printer.sheets(), 1);
    printer.printLine("second document");
    QCOMPARE(printer.sheets(), 2);
    printer.endDocument();
    printer.finish();
    const QStringList pages = pdfPages(pdfText(dir.file("lazy.pdf")));
    QCOMPARE(pages.size(), 2);
    QVERIFY(pages[0].contains(QStringLiteral("first page")));
    QVERIFY(pages[1].contains(QStringLiteral("second document")));

    // A job that prints nothing writes nothing.
    QPrinter idle(QPrinter::HighResolution);
    idle.setOutputFormat(QPrinter::PdfFormat);
    idle.setOutputFileName(QString::fromStdString(dir.file("idle.pdf")));
    ui::QtPrinter nothing(idle, ui::printerReportFont("Courier New", 10));
    nothing.endDocument();
    nothing.finish();
    QVERIFY(!std::filesystem::exists(dir.file("idle.pdf")));
}

void ReportPrintTest::aPageTakesLinesPerPageLinesAndCrLfBreaksLines() {
    testsupport::TempDir dir;
    QPrinter device(QPrinter::HighResolution);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(QString::fromStdString(dir.file("full.pdf")));
    const QFont font = ui::printerReportFont("Courier New", 10);
    ui::QtPrinter printer(device, font);
    const int n = printer.linesPerPage();
    // Letter paper less the margins holds between 50 and 80 lines of 10 points.
    QVERIFY2(n > 50 && n < 80, qPrintable(QString::number(n)));
    // A break at the end of a text ends its last line: these are two lines.
    printer.printLine("line 1\r\nline 2\r\n");
    for (int i = 3; i <= n; ++i) printer.printLine("line " + std::to_string(i));
    QCOMPARE(printer.sheets(), 1);
    printer.printLine("overflow");
    QCOMPARE(printer.sheets(), 2);
    QCOMPARE(printer.pageNumber(), 2);
    printer.finish();
    const QStringList pages = pdfPages(pdfText(dir.file("full.pdf")));
    QCOMPARE(pages.size(), 2);
    QVERIFY(pages[0].contains(QStringLiteral("line 1\n")));
    QVERIFY(pages[0].contains(QStringLiteral("line 2\n")));
    QVERIFY(pages[0].contains(QStringLiteral("line %1").arg(n)));
    QVERIFY(!pages[0].contains(QLatin1Char('\r')));
    QVERIFY(pages[1].contains(QStringLiteral("overflow")));
}

void ReportPrintTest::printingWithoutABegunJobRaisesThePrinterError() {
    ScenarioShell s(reportstest::kNamedScenario);
    ui::QtReportOutputs outputs(s.shell, nullptr, [] {});
    try {
        outputs.destination(shell::Destination::Printer);
        QFAIL("no error raised");
    } catch (const TaxError& e) {
        QCOMPARE(e.number(), err::PrinterError);
    }
}

void ReportPrintTest::cancellingThePrintDialogPrintsNothing() {
    ScenarioShell s(reportstest::kNamedScenario);
    QVERIFY(s.open());
    s.dialogs.print.reset();
    QWidget main;
    ui::QtReportOutputs outputs(s.shell, &main, [] {});
    reports::RouteOutput(s.shell, shell::Destination::Printer, outputs);
    QCOMPARE(s.dialogs.printDialogs, 1);
    QVERIFY(outputs.printJob() == nullptr);
    QVERIFY(s.dir.entries() == (std::vector<std::string>{"joint.amt", "tavrel.ini"}) ||
            s.dir.entries() == std::vector<std::string>{"joint.amt"});
}

QTEST_MAIN(ReportPrintTest)
#include "ReportPrintTest.moc"
