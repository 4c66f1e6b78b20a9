#pragma once
// Printing the reports: a printer that lays report lines on pages of a QPrinter
// in the report font, the destination that sends report blocks through the
// page manager to it, and the print job that ties them to one QPrinter.
//
// A job is one QPrinter output (one PDF file or one print job). The page
// manager's end of document ends the numbered document; the next document of
// the job (the next copy) starts on a fresh sheet with its pages numbered from
// 1 again, so all copies come out as consecutive pages of the same job.

#include "reports/GraphHelper.h"
#include "reports/PageManager.h"
#include "reports/ReportDestination.h"

#include "base/Dialogs.h"

#include <QFont>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QPainter;
class QPrinter;
class QRectF;

namespace tavrel::ui {

class QtPrinter final : public reports::Printer {
public:
    // Prints on `device` in `font`. Nothing reaches the device until the first
    // line: a job that prints nothing writes nothing.
    QtPrinter(QPrinter& device, const QFont& font);
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    // The printable height divided by the height of one line of the font.
    int linesPerPage() override;
    // Each line of the text (CR LF, CR or LF end them) on a line of its own;
    // the next print continues below the last of them. Empty text is one
    // empty line; a break at the very end of the text adds no empty line.
    void printLine(std::string_view text) override;
    // The page of the current document the next line goes on (from 1).
    int pageNumber() override { return page_; }
    // Ends the page; its sheet is ejected when something is printed next, so
    // no blank sheet closes a document.
    void newPage() override;
    // Ends the document; the next one starts on a new sheet with page 1.
    void endDocument() override;

    // Draws a picture across the printable width, `aspect` times as high as
    // wide, below the current line, or at the top of a new page when it does
    // not fit there. `paint` draws into the rectangle it is given.
    void drawPicture(double aspect, const std::function<void(QPainter&, const QRectF&)>& paint);

    // Ends the job: the output is complete. Nothing more can be printed.
    void finish();

    // Sheets started in the job so far.
    int sheets() const { return sheets_; }
    const QFont& font() const { return font_; }

private:
    // Makes room for `height` below the current position: starts the job, or
    // the sheet a page end left pending, or a new page when the sheet is full.
    void makeRoom(double height);

    QPrinter& device_;
    QFont font_;
    std::unique_ptr<QPainter> painter_;
    double lineHeight_ = 1;
    double ascent_ = 0;
    double y_ = 0;
    int page_ = 1;
    int sheets_ = 0;
    bool inked_ = false;         // something is on the current sheet
    bool sheetPending_ = false;  // the next print starts a new sheet
    bool finished_ = false;
};

// The printer destination: each block through the page manager (which keeps it
// on one page and refuses a line count out of range), then printed; a report
// ends with its page number.
class PrinterDestination final : public reports::ReportDestination {
public:
    PrinterDestination(reports::PageManager& pages, reports::Printer& printer) : pages_(pages), printer_(printer) {}
    void beginReport(const reports::Report&) override {}
    void block(const reports::Block& block, const reports::Headings& headings) override;
    void endReport(const reports::Report& report) override;

private:
    reports::PageManager& pages_;
    reports::Printer& printer_;
};

// One print job: the QPrinter the setup asks for (a PDF file when it names
// one, else the named or the default printer; one copy per job, the report run
// repeats the documents for more), the printer in the report font, the page
// manager and the destination.
class PrintJob {
public:
    // `complain` shows the page manager's message for a refused block.
    PrintJob(const shell::PrintSetup& setup, const QFont& font, std::function<void(const std::string&)> complain);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    QPrinter& device() { return *device_; }
    QtPrinter& printer() { return *printer_; }
    reports::PageManager& pages() { return *pages_; }
    reports::ReportDestination& destination() { return *destination_; }

    // The end of one printed document (one copy of the reports).
    void endDocument();
    // The graph below a line with one blank, on this page or the next.
    void printGraph(const reports::GraphData& graph);
    // Ends the job.
    void finish();

private:
    std::unique_ptr<QPrinter> device_;
    std::unique_ptr<QtPrinter> printer_;
    std::unique_ptr<reports::PageManager> pages_;
    std::unique_ptr<PrinterDestination> destination_;
};

}  // namespace tavrel::ui
