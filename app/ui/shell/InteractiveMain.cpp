#include "ui/shell/InteractiveMain.h"

#include "ui/shell/InteractiveShell.h"
#include "ui/reports/ProgressWindow.h"
#include "ui/shell/QtDialogService.h"
#include "ui/shell/QtErrorReporter.h"
#include "ui/reports/QtReportOutputs.h"
#include "ui/input/frmIP.h"

#include "base/AppState.h"
#include "base/LawChoice.h"
#include "base/ProgramInfo.h"
#include "scenario/ScenarioFiles.h"
#include "base/Settings.h"

#include <QApplication>

namespace tavrel::ui {

int runInteractive(shell::AppState& state, int& argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Tavrel");
    QApplication::setApplicationName("Tavrel");
    QApplication::setApplicationDisplayName(shell::kFileDescription);

    QtDialogService dialogs;
    QtErrorReporter errors(dialogs);
    // The error log lives with the settings: beside the program when that folder
    // is writable, else in the user's configuration folder.
    errors.setLogFile(shell::GetPath(shell::settingsFilePath(state.ProgramFolder, "tavrel")) + "/AMT_err.log");
    errors.setPlanYear([&state] { return shell::effectivePlanYear(state); });
    ProgressWindow progress;

    bool quitRequested = false;
    int exitCode = 0;
    InteractiveShell::Parts parts;
    parts.inputForm = [](shell::Shell& shell, QWidget* parent, const std::string& focus) {
        InitIP(shell, parent, focus);
    };
    parts.outputs = [](shell::Shell& shell, QWidget* parent, std::function<void()> print) {
        return std::make_unique<QtReportOutputs>(shell, parent, std::move(print));
    };
    parts.progress = [&progress]() -> mirvane::ProgressObserver* { return &progress; };
    parts.hideProgress = [&progress] { progress.hideAfterError(); };
    parts.quit = [&](int code) {
        quitRequested = true;
        exitCode = code;
        QApplication::exit(code);
    };

    InteractiveShell shell(state, dialogs, errors, std::move(parts));
    dialogs.setParent(&shell.window());
    shell.start();
    if (quitRequested) return exitCode;  // the start itself ended the program
    return QApplication::exec();
}

}  // namespace tavrel::ui
