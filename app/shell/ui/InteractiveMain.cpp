#include "InteractiveMain.h"

#include "InteractiveShell.h"
#include "ProgressWindow.h"
#include "QtDialogService.h"
#include "QtErrorReporter.h"
#include "QtReportOutputs.h"
#include "frmIP.h"

#include "AppState.h"
#include "ProgramInfo.h"
#include "ScenarioFiles.h"
#include "Settings.h"

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
    ProgressWindow progress;

    bool quitRequested = false;
    int exitCode = 0;
    InteractiveShell::Parts parts;
    parts.inputForm = [](shell::Shell& shell, QWidget* parent) { InitIP(shell, parent); };
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
