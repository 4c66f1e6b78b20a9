#pragma once
// The interactive program's controller: the start-up sequence, the commands of
// the main window with their error handling, and the shutdown. Errors of a
// command are shown as warnings and the program carries on; the scenario in
// memory is never left half-loaded.

#include "ui/shell/MainWindow.h"
#include "base/Shell.h"

#include "commands/ReportRun.h"

#include "planner/ProgressObserver.h"

#include <QDate>

#include <functional>
#include <memory>

namespace tavrel::ui {

class HelpWindow;

class InteractiveShell {
public:
    // What the program's other folders provide, and what tests replace.
    struct Parts {
        // Shows the input form modally, with the focus on the named control
        // ("lstFileStat"; empty: the form's first field).
        std::function<void(shell::Shell&, QWidget* parent, const std::string& focus)> inputForm;
        // The screen and printer outputs of report runs; `printCommand` is what a
        // report window's print button runs.
        std::function<std::unique_ptr<reports::ReportOutputs>(shell::Shell&, QWidget* parent,
                                                              std::function<void()> printCommand)>
            outputs;
        // The progress window of the search, and its clean-up after an error.
        std::function<mirvane::ProgressObserver*()> progress;
        std::function<void()> hideProgress;
        // Today's date (the update check) and the end of the program.
        std::function<QDate()> today = [] { return QDate::currentDate(); };
        std::function<void(int)> quit;
    };

    InteractiveShell(shell::AppState& state, shell::DialogService& dialogs, ErrorReporter& errors, Parts parts);
    ~InteractiveShell();
    InteractiveShell(const InteractiveShell&) = delete;
    InteractiveShell& operator=(const InteractiveShell&) = delete;

    // The start: update alert, About box, chooser, settings, the choice, the window.
    void start();

    MainWindow& window() { return *window_; }
    shell::Shell& shell() { return shell_; }
    bool isRunning() const { return running_; }

    // Commands.
    void newFile();
    void openFile();
    void openRecent(int index);
    // True when the scenario was saved (false: cancelled or failed, and said so).
    bool save();
    bool saveAs();
    void reports(shell::Destination where);
    // The chosen reports and the graph as printed pages, into a PDF file.
    void exportPdf();
    // The analysis of the scenario in memory as JSON or CSV (by the name's ending).
    void exportData();
    void inputs(const std::string& focus = {});
    void chooseLaw(osgrin::LawEdition law);
    void GetFonts();
    void helpContents();
    void helpSearch();
    void about();
    void exit();
    // The desk's answer from the scenario in memory (nothing is saved).
    void refreshDesk();

    // The update alert when the build's tax year has passed (after February 1 of the next year).
    void Chk4Update();
    static bool updateDue(const QDate& today);
    // The fatal-error dialog; offers Save As, then ends the program.
    void FatalError(int number, const std::string& location);
    // The warning with "Don't show this message again"; true when it is hidden from now on.
    bool ShowErrorWarning(const std::string& message, bool hidden);
    // The end of an interactive run: Save As first when asked, then the font
    // preferences, then the program ends.
    void ShutDown(bool saveFirst);

private:
    void warn(const TaxError& e, const std::string& where);
    // Unsaved changes before the program ends: Save, Don't Save or Cancel; true to go on.
    bool maySaveBeforeExit();
    // A scenario the reports cannot run on gets a message and the input form on the field.
    bool readyForReports();
    // A report run with its busy state and error handling; `preset` skips the questions.
    void runReports(shell::Destination where, const std::optional<reports::ReportChoice>& preset);
    // Opens a file (empty: ask) with the scenario in memory kept aside until it succeeded.
    bool openKeepingScenario(const std::string& name);
    QString helpFile() const;
    void showHelp(bool search);

    shell::AppState& state_;
    shell::DialogService& dialogs_;
    ErrorReporter& errors_;
    Parts parts_;
    std::unique_ptr<MainWindow> window_;
    shell::Shell shell_;
    std::unique_ptr<reports::ReportOutputs> outputs_;
    std::unique_ptr<HelpWindow> help_;
    bool running_ = false;
};

}  // namespace tavrel::ui
