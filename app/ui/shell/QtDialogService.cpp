#include "ui/shell/QtDialogService.h"

#include "ui/shell/ErrorWarningDialog.h"
#include "ui/shell/ReportChoicesDialog.h"
#include "ui/shell/StartupWindows.h"
#include "ui/reports/ReportFont.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

namespace tavrel::ui {
namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

const QString kFilter = "Scenario files (*.amt);;All files (*)";

// Centres a dialog on the screen, as the program's windows are.
void centre(QWidget& w) {
    w.adjustSize();
    if (const QScreen* screen = w.screen()) {
        const QRect r = screen->availableGeometry();
        w.move(r.center() - w.rect().center());
    }
}

}  // namespace

shell::Answer QtDialogService::message(std::string_view title, std::string_view text, shell::Icon icon,
                                       shell::Buttons buttons) {
    QMessageBox box(parent_);
    box.setWindowTitle(qs(title));
    box.setText(qs(text));
    switch (icon) {
    case shell::Icon::Information: box.setIcon(QMessageBox::Information); break;
    case shell::Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case shell::Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case shell::Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    }
    switch (buttons) {
    case shell::Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case shell::Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case shell::Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case shell::Buttons::SaveDontSaveCancel:
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.button(QMessageBox::Discard)->setText("Do&n't Save");
        box.setDefaultButton(QMessageBox::Save);
        break;
    case shell::Buttons::OverwriteSaveAsCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.button(QMessageBox::Yes)->setText("&Overwrite");
        box.button(QMessageBox::No)->setText("Save &As...");
        box.setDefaultButton(QMessageBox::Cancel);
        break;
    }
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
    case QMessageBox::Save: return shell::Answer::Yes;
    case QMessageBox::No:
    case QMessageBox::Discard: return shell::Answer::No;
    case QMessageBox::Cancel: return shell::Answer::Cancel;
    default: return buttons == shell::Buttons::Ok ? shell::Answer::Ok : shell::Answer::Cancel;
    }
}

void QtDialogService::error(std::string_view title, std::string_view sentence, std::string_view details) {
    QMessageBox box(parent_);
    box.setWindowTitle(qs(title));
    box.setIcon(QMessageBox::Warning);
    box.setText(qs(sentence));
    box.setDetailedText(qs(details));  // behind the box's Details button
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

std::optional<std::string> QtDialogService::openFileName(const shell::FileDialogOptions& o, std::string& folder) {
    QFileDialog dialog(parent_, qs(o.title), qs(o.initialFolder), kFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().first();
    folder = QFileInfo(chosen).absolutePath().toStdString();
    return chosen.toStdString();
}

std::optional<std::string> QtDialogService::saveFileName(const shell::FileDialogOptions& o, std::string& folder) {
    QFileDialog dialog(parent_, qs(o.title), qs(o.initialFolder), o.filter.empty() ? kFilter : qs(o.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(qs(o.defaultSuffix));
    if (!o.fileName.empty()) dialog.selectFile(qs(o.fileName));
    // The platform dialog asks before overwriting an existing file.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString chosen = dialog.selectedFiles().first();
    folder = QFileInfo(chosen).absolutePath().toStdString();
    return chosen.toStdString();
}

std::optional<shell::ReportFlags> QtDialogService::chooseReports(std::string_view caption,
                                                                 const shell::ReportFlags& current) {
    ReportChoicesDialog dialog(qs(caption), current, parent_);
    centre(dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choices();
}

std::optional<shell::PrintSetup> QtDialogService::printSetup(const shell::PrintSetup& current) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(current.copies);
    if (!current.printerName.empty()) printer.setPrinterName(qs(current.printerName));
    if (!current.pdfFile.empty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(qs(current.pdfFile));
    }
    QPrintDialog dialog(&printer, parent_);
    dialog.setWindowTitle("Print Reports");
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);  // printing to a PDF file is offered
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    shell::PrintSetup chosen;
    chosen.copies = printer.copyCount();
    chosen.printerName = printer.printerName().toStdString();
    if (printer.outputFormat() == QPrinter::PdfFormat) chosen.pdfFile = printer.outputFileName().toStdString();
    return chosen;
}

std::optional<shell::FontChoice> QtDialogService::chooseFont(const shell::FontChoice& current) {
    // The font the reports really print with: a name this system lacks would
    // start the dialog on a proportional font.
    QFont preset = monospacedFont(current.name, current.size, true);
    // The dialog lists real families, not aliases such as "Monospace".
    preset.setFamily(QFontInfo(preset).family());
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, preset, parent_, "Font");
    if (!ok) return std::nullopt;
    return shell::FontChoice{font.family().toStdString(), static_cast<float>(font.pointSizeF())};
}

bool QtDialogService::errorWarning(std::string_view text) {
    ErrorWarningDialog dialog(qs(text), parent_);
    centre(dialog);
    dialog.exec();
    return dialog.dontShowAgain();
}

void QtDialogService::updateAlert(std::string_view text) {
    UpdateAlert alert(qs(text), parent_);
    centre(alert);
    alert.exec();
}

void QtDialogService::about() {
    AboutBox box(parent_);
    centre(box);
    box.exec();
}

int QtDialogService::startupChoice() {
    StartupChooser chooser(parent_);
    centre(chooser);
    chooser.exec();
    return chooser.choice();
}

}  // namespace tavrel::ui
