#include "ui/reports/PrintOutput.h"

#include "ui/reports/GraphChart.h"

#include "common/TaxError.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace tavrel::ui {
namespace {

// The margins of every printed page: about what a printer cannot reach anyway.
constexpr double kMarginMillimetres = 6.35;
// The printed graph is 3 parts high for 5 wide.
constexpr double kGraphAspect = 0.6;

[[noreturn]] void printerError(const std::string& what) {
    throw TaxError::standard(err::PrinterError, "Printer." + what);
}

}  // namespace

// ---------------------------------------------------------------- QtPrinter

QtPrinter::QtPrinter(QPrinter& device, const QFont& font) : device_(device), font_(font) {
    const QFontMetricsF fm(font_, &device_);
    lineHeight_ = std::max(1.0, fm.lineSpacing());
    ascent_ = fm.ascent();
}

QtPrinter::~QtPrinter() {
    if (painter_ && painter_->isActive()) painter_->end();
}

int QtPrinter::linesPerPage() { return static_cast<int>(std::floor(device_.height() / lineHeight_)); }

void QtPrinter::makeRoom(double height) {
    if (finished_) printerError("Print: the print job has ended");
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&device_)) {
            painter_.reset();
            const QString target =
                device_.outputFileName().isEmpty() ? device_.printerName() : device_.outputFileName();
            printerError("Print: cannot start printing on \"" + target.toStdString() + "\"");
        }
        painter_->setFont(font_);
        painter_->setPen(Qt::black);
        y_ = 0;
        sheets_ = 1;
        sheetPending_ = false;
        inked_ = false;
        return;
    }
    const bool full = inked_ && y_ + height > device_.height();
    if (!sheetPending_ && !full) return;
    if (!device_.newPage()) printerError("NewPage: the printer refused a new page");
    ++sheets_;
    // A line that runs off the sheet continues the document on the next page.
    if (full && !sheetPending_) ++page_;
    sheetPending_ = false;
    inked_ = false;
    y_ = 0;
}

void QtPrinter::printLine(std::string_view text) {
    QString all = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    all.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    all.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = all.split(QLatin1Char('\n'));
    // A line break at the very end ends the last line rather than starting an
    // empty one: a block of n lines, each ending in CR LF, takes n lines, as
    // the page manager counts it.
    if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();
    for (const QString& line : lines) {
        makeRoom(lineHeight_);
        if (!line.isEmpty()) painter_->drawText(QPointF(0, y_ + ascent_), line);
        y_ += lineHeight_;
        inked_ = true;
    }
}

void QtPrinter::newPage() {
    // An empty sheet already is the new page.
    if (!inked_) return;
    sheetPending_ = true;
    inked_ = false;
    ++page_;
}

void QtPrinter::endDocument() {
    if (inked_) sheetPending_ = true;
    inked_ = false;
    page_ = 1;
}

void QtPrinter::drawPicture(double aspect, const std::function<void(QPainter&, const QRectF&)>& paint) {
    double w = device_.width();
    double h = w * aspect;
    if (h > device_.height()) {
        h = device_.height();
        w = h / aspect;
    }
    makeRoom(h);
    painter_->save();
    paint(*painter_, QRectF(0, y_, w, h));
    painter_->restore();
    y_ += h;
    inked_ = true;
}

void QtPrinter::finish() {
    if (finished_) return;
    finished_ = true;
    if (painter_ && painter_->isActive() && !painter_->end()) printerError("EndDoc: the print job failed");
}

// ------------------------------------------------------- PrinterDestination

void PrinterDestination::block(const reports::Block& block, const reports::Headings& headings) {
    if (pages_.PrnManager2(block.lines, headings)) printer_.printLine(block.text);
}

void PrinterDestination::endReport(const reports::Report& report) { pages_.PrnManager2(-200, report.headings); }

// ----------------------------------------------------------------- PrintJob

PrintJob::PrintJob(const shell::PrintSetup& setup, const QFont& font, std::function<void(const std::string&)> complain)
    : device_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    QPrinter& d = *device_;
    if (!setup.pdfFile.empty()) {
        d.setOutputFormat(QPrinter::PdfFormat);
        d.setOutputFileName(QString::fromStdString(setup.pdfFile));
        d.setPageSize(QPageSize(QPageSize::Letter));
    } else if (!setup.printerName.empty()) {
        d.setPrinterName(QString::fromStdString(setup.printerName));
    }
    d.setCopyCount(1);
    d.setDocName(QStringLiteral("Tavrel Reports"));
    d.setPageMargins(QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                     QPageLayout::Millimeter);
    printer_ = std::make_unique<QtPrinter>(d, font);
    pages_ = std::make_unique<reports::PageManager>(*printer_, std::move(complain));
    pages_->PrnManager2(-400, {});
    destination_ = std::make_unique<PrinterDestination>(*pages_, *printer_);
}

PrintJob::~PrintJob() = default;

void PrintJob::endDocument() { pages_->PrnManager2(-100, {}); }

void PrintJob::printGraph(const reports::GraphData& graph) {
    printer_->printLine(" ");
    printer_->drawPicture(kGraphAspect,
                          [&graph](QPainter& painter, const QRectF& target) { paintGraph(painter, target, graph); });
}

void PrintJob::finish() { printer_->finish(); }

}  // namespace tavrel::ui
