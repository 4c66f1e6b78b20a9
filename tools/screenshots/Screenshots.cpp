// Opens each window of the program on a real scenario and saves a picture of
// it, so that a person can look at what users see. Run under Xvfb by
// tools/screenshots.sh; needs a display that really renders.
#include "ui/shell/ErrorWarningDialog.h"
#include "ui/shell/HelpWindow.h"
#include "ui/shell/InteractiveShell.h"
#include "ui/reports/ProgressWindow.h"
#include "ui/reports/QtReportOutputs.h"
#include "ui/shell/ReportChoicesDialog.h"
#include "ui/shell/StartupWindows.h"
#include "ui/input/frmIP.h"

#include "base/ConsoleServices.h"
#include "base/ProgramInfo.h"
#include "scenario/ScenarioFiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>
#include <QTimer>

#include <iostream>
#include <sstream>

using namespace tavrel;

namespace {

QString outFolder;

void save(QWidget& w, const QString& name) {
    w.show();
    QApplication::processEvents();
    QApplication::processEvents();
    const QString path = outFolder + "/" + name + ".png";
    if (!w.grab().save(path))
        std::cerr << "could not save " << path.toStdString() << "\n";
    else
        std::cout << path.toStdString() << "\n";
    w.hide();
}

// Dialogs that answer without showing anything: the pictures are taken directly.
class QuietDialogs final : public shell::DialogService {
public:
    shell::Answer message(std::string_view, std::string_view, shell::Icon, shell::Buttons) override {
        return shell::Answer::Ok;
    }
    std::optional<std::string> openFileName(const shell::FileDialogOptions&, std::string&) override { return {}; }
    std::optional<std::string> saveFileName(const shell::FileDialogOptions&, std::string&) override { return {}; }
    std::optional<shell::ReportFlags> chooseReports(std::string_view, const shell::ReportFlags& c) override {
        return c;
    }
    std::optional<shell::PrintSetup> printSetup(const shell::PrintSetup&) override { return {}; }
    std::optional<shell::FontChoice> chooseFont(const shell::FontChoice& c) override { return c; }
    bool errorWarning(std::string_view) override { return false; }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::cerr << "usage: tavrel_screenshots OUTPUT-FOLDER SCENARIO.amt\n";
        return 2;
    }
    outFolder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outFolder);
    const std::string work = (outFolder + "/scenario.amt").toStdString();
    QFile::remove(QString::fromStdString(work));
    QFile::copy(QString::fromLocal8Bit(argv[2]), QString::fromStdString(work));

    shell::AppState state;
    state.ProgramFolder = QCoreApplication::applicationDirPath().toStdString();
    state.VersionShort = shell::versionShort();
    state.VersionFull = shell::versionFull();
    state.CurrentFile = work;
    QuietDialogs dialogs;
    std::ostringstream errorText;
    shell::ConsoleErrorReporter errors(errorText);
    ui::ProgressWindow progress;
    ui::InteractiveShell::Parts parts;
    parts.outputs = [](shell::Shell& s, QWidget* parent, std::function<void()> print) {
        return std::make_unique<ui::QtReportOutputs>(s, parent, std::move(print));
    };
    parts.progress = [&progress]() -> mirvane::ProgressObserver* { return &progress; };
    parts.quit = [](int) {};
    ui::InteractiveShell controller(state, dialogs, errors, std::move(parts));
    controller.start();
    controller.window().resize(900, 700);
    save(controller.window(), "main-window");
    controller.window().show();

    ui::UpdateAlert alert("The version that you are using now is " + QString::fromStdString(state.VersionShort) +
                          ", which was updated for 2008.\r\n\r\nYou may want to consider checking to see if there is "
                          "a more current version by clicking on the button, below.");
    save(alert, "update-alert");
    ui::AboutBox about;
    save(about, "about-box");
    ui::StartupChooser chooser;
    save(chooser, "startup-chooser");
    ui::ReportChoicesDialog choices("Select Reports (View)", {true, true, true});
    save(choices, "report-choices");
    ui::ErrorWarningDialog warning("The printer does not have the font chosen for the reports (error 380).");
    save(warning, "error-warning");
    ui::HelpWindow help(ui::helpFilePath(QString::fromStdString(state.ProgramFolder)));
    save(help, "help");

    {
        ui::frmIP form(controller.shell());
        auto* tabs = form.findChild<QTabWidget*>("vsTabIP");
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            save(form, QString("input-form-%1").arg(i + 1));
        }
    }
    progress.started(0, 501);
    progress.advanced(250);
    save(progress, "progress");
    progress.finished();

    controller.reports(shell::Destination::Screen);
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w == &controller.window()) continue;
        const QString name = w->objectName().isEmpty() ? QString("window-%1").arg(++n) : w->objectName();
        save(*w, "report-" + name + "-" + QString::number(++n));
    }
    // The desk for a household that deferring does not help, then for a new,
    // empty scenario (the first one is "main-window").
    const QString other = QFileInfo(QString::fromLocal8Bit(argv[2])).absolutePath() + "/gains-and-self-employment.amt";
    const QString otherCopy = outFolder + "/no-benefit.amt";
    QFile::remove(otherCopy);
    QFile::copy(other, otherCopy);
    controller.window().resize(900, 700);
    shell::OpenFile(controller.shell(), otherCopy.toStdString());
    controller.refreshDesk();
    save(controller.window(), "desk-no-benefit");
    controller.newFile();
    save(controller.window(), "desk-new-scenario");
    std::cerr << errorText.str();
    return 0;
}
