#include "ui/shell/InteractiveShell.h"

#include "ui/shell/HelpWindow.h"
#include "base/LawChoice.h"
#include "base/ProgramInfo.h"
#include "base/RecentFiles.h"
#include "scenario/ScenarioFiles.h"
#include "base/Settings.h"
#include "input/FieldTable.h"
#include "input/MissingInput.h"
#include "input/PlainError.h"
#include "reports/AnalysisExport.h"
#include "reports/AnalysisResult.h"
#include "ui/shell/Desk.h"

#include "returnengine/law/LawEdition.h"

#include <QApplication>
#include <QSettings>

namespace tavrel::ui {
namespace {

QSettings placementSettings() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Tavrel", "Tavrel"); }

// Where the settings file remembers the version that last showed the update alert.
constexpr std::string_view kUpdateSection = "Update Alert";
constexpr std::string_view kUpdateKey = "Shown For Version";

}  // namespace

InteractiveShell::InteractiveShell(shell::AppState& state, shell::DialogService& dialogs, ErrorReporter& errors,
                                   Parts parts)
    : state_(state),
      dialogs_(dialogs),
      errors_(errors),
      parts_(std::move(parts)),
      window_(std::make_unique<MainWindow>()),
      shell_{state_, dialogs_, errors_, *window_} {
    MainWindow::Commands c;
    c.newFile = [this] { newFile(); };
    c.open = [this] { openFile(); };
    c.save = [this] { save(); };
    c.saveAs = [this] { saveAs(); };
    c.preview = [this] { reports(shell::Destination::Screen); };
    c.viewReports = [this] { reports(shell::Destination::Screen); };
    c.print = [this] { reports(shell::Destination::Printer); };
    c.exit = [this] { exit(); };
    c.inputs = [this] { inputs(); };
    c.fonts = [this] { GetFonts(); };
    c.helpContents = [this] { helpContents(); };
    c.helpSearch = [this] { helpSearch(); };
    c.about = [this] { about(); };
    c.recent = [this](int i) { openRecent(i); };
    c.law = [this](osgrin::LawEdition law) { chooseLaw(law); };
    c.refresh = [this] { refreshDesk(); };
    c.exportPdf = [this] { exportPdf(); };
    c.exportData = [this] { exportData(); };
    c.oneWindow = [this](bool on) {
        try {
            shell::writeReportsInOneWindow(shell_, on);
        } catch (const TaxError& e) {
            warn(e, "ReportsInOneWindow");
        }
    };
    window_->setCommands(std::move(c));
    if (parts_.outputs)
        outputs_ = parts_.outputs(shell_, window_.get(), [this] { reports(shell::Destination::Printer); });
}

InteractiveShell::~InteractiveShell() = default;

void InteractiveShell::warn(const TaxError& e, const std::string& where) {
    errors_.ReportWarning(e.number(), e.description(), where.empty() ? e.source() : where + "\r" + e.source(),
                          shell::kFileDescription);
}

// The program carries the law up to its newest tax year; it may be out of date
// once that year's returns are filed, from 1 February of the year after.
bool InteractiveShell::updateDue(const QDate& today) { return today > QDate(osgrin::newestLawYear() + 1, 2, 1); }

void InteractiveShell::Chk4Update() {
    if (!updateDue(parts_.today())) return;
    // At most once per version: the settings remember the version that showed it.
    const std::string version = shell::versionFull();
    try {
        if (shell::readSetting(shell_, kUpdateSection, kUpdateKey, "") == version) return;
        shell::writeSetting(shell_, kUpdateSection, kUpdateKey, version);
    } catch (const TaxError& e) {
        warn(e, "Chk4Update");
    }
    dialogs_.updateAlert("The version that you are using now is " + state_.VersionShort +
                         ", which carries the tax law through " + std::to_string(osgrin::newestLawYear()) +
                         ".\r\n\r\nYou may want to consider checking to see if there is a more current version by "
                         "clicking on the button, below.");
}

void InteractiveShell::start() {
    state_.ErrorLogFile = shell::GetPath(shell::settingsFilePath(state_.ProgramFolder, "tavrel")) + "/AMT_err.log";
    state_.IniFile = shell::settingsFilePath(state_.ProgramFolder, "tavrel");  // the alert remembers its version there
    Chk4Update();
    dialogs_.about();
    {
        QSettings settings = placementSettings();
        window_->restorePlacement(settings);
    }
    state_.StartupChoice = dialogs_.startupChoice();
    state_.IsSaved = true;
    try {
        shell::GetIni(shell_);
    } catch (const TaxError& e) {
        FatalError(e.number(), "GetIni");
        return;
    }
    const std::string fromCommandLine = state_.CurrentFile;
    if (state_.StartupChoice == 1) {
        newFile();
    } else if (!fromCommandLine.empty()) {
        // A file named on the command line is what the window shows: it is loaded.
        if (openKeepingScenario(fromCommandLine) && state_.StartupChoice == 2) inputs();
    } else if (state_.StartupChoice == 2) {
        if (openKeepingScenario("")) inputs();
    }
    window_->setStatusFile(state_.CurrentFile);
    shell::ShowLaw(shell_);
    window_->setReportsInOneWindow(state_.ReportsInOneWindow);
    refreshDesk();
    window_->show();
}

bool InteractiveShell::openKeepingScenario(const std::string& name) {
    auto kept = state_.Planner->clone();
    try {
        return shell::OpenFile(shell_, name) == shell::OpenResult::Opened;
    } catch (const TaxError& e) {
        // A failed load puts the previous scenario back whole: never a mixture of two.
        state_.Planner = kept;
        warn(e, "");
        return false;
    }
}

void InteractiveShell::newFile() {
    if (running_) return;
    try {
        shell::NewFile(shell_, [this] {
            if (parts_.inputForm) parts_.inputForm(shell_, window_.get(), {});
        });
    } catch (const TaxError& e) {
        warn(e, "NewFile");
    }
    refreshDesk();
}

void InteractiveShell::openFile() {
    if (running_) return;
    if (openKeepingScenario("")) inputs();
    refreshDesk();
}

void InteractiveShell::openRecent(int index) {
    if (running_ || index < 1 || index > 5) return;
    const std::string name = state_.RecentFiles[static_cast<std::size_t>(index - 1)];
    if (name.empty()) return;
    if (openKeepingScenario(name)) inputs();
    refreshDesk();
}

bool InteractiveShell::save() {
    if (running_) return false;
    try {
        // Without a file of its own the scenario is saved under a name the user chooses.
        return shell::Save(shell_, state_.CurrentFile);
    } catch (const TaxError& e) {
        warn(e, "Save " + state_.CurrentFile);
        return false;
    }
}

bool InteractiveShell::saveAs() {
    if (running_) return false;
    try {
        return shell::SaveAs(shell_);
    } catch (const TaxError& e) {
        warn(e, "SaveAs");
        return false;
    }
}

bool InteractiveShell::readyForReports() {
    const auto missing = ui::fields::missingInput(*state_.Planner);
    if (!missing) return true;
    dialogs_.message(shell::kFileDescription, missing->message, shell::Icon::Exclamation, shell::Buttons::Ok);
    inputs(ui::fields::objectName(missing->control, missing->index));
    return false;
}

void InteractiveShell::reports(shell::Destination where) {
    if (running_ || !outputs_) return;
    if (!readyForReports()) return;
    if (state_.CurrentFile.empty()) {
        saveAs();
        if (state_.CurrentFile.empty()) return;
    }
    runReports(where, std::nullopt);
}

namespace {

// A name beside the scenario's, with another ending ("plan.amt" -> "plan.pdf").
std::string besideScenario(const std::string& scenario, std::string_view ending) {
    const std::string name = scenario.empty() ? std::string("Untitled.amt") : scenario;
    const auto dot = name.find_last_of('.');
    const auto slash = name.find_last_of('/');
    std::string stem =
        dot != std::string::npos && (slash == std::string::npos || dot > slash) ? name.substr(0, dot) : name;
    return stem.append(ending);
}

bool endsWithNoCase(const std::string& text, std::string_view ending) {
    return text.size() >= ending.size() &&
           QString::fromStdString(text.substr(text.size() - ending.size()))
                   .compare(QString::fromUtf8(ending.data(), static_cast<qsizetype>(ending.size())),
                            Qt::CaseInsensitive) == 0;
}

}  // namespace

void InteractiveShell::exportPdf() {
    if (running_ || !outputs_) return;
    if (!readyForReports()) return;
    if (state_.CurrentFile.empty()) {
        saveAs();
        if (state_.CurrentFile.empty()) return;
    }
    std::string folder = state_.DataFilePath;
    const auto pdf = dialogs_.saveFileName(
        {"Export PDF", folder, besideScenario(state_.CurrentFile, ".pdf"), "pdf", "PDF files (*.pdf)"}, folder);
    if (!pdf || pdf->empty()) return;
    const std::string name = endsWithNoCase(*pdf, ".pdf") ? *pdf : *pdf + ".pdf";
    const auto choice = reports::ChoosePdfExport(shell_, name);
    if (!choice) return;
    runReports(shell::Destination::Printer, choice);
}

void InteractiveShell::exportData() {
    if (running_) return;
    if (!readyForReports()) return;
    std::string folder = state_.DataFilePath;
    const auto chosen = dialogs_.saveFileName({"Export Data", folder, besideScenario(state_.CurrentFile, ".json"),
                                               "json", "JSON data (*.json);;CSV data (*.csv)"},
                                              folder);
    if (!chosen || chosen->empty()) return;
    const bool csv = endsWithNoCase(*chosen, ".csv");
    const std::string name = csv || endsWithNoCase(*chosen, ".json") ? *chosen : *chosen + ".json";
    try {
        reports::writeWholeFile(name, reports::exportData(*state_.Planner, shell::effectiveLaw(state_),
                                                          state_.PlanYearOverride, state_.CurrentFile, !csv));
    } catch (const TaxError& e) {
        warn(e, "ExportData " + name);
    }
}

void InteractiveShell::runReports(shell::Destination where, const std::optional<reports::ReportChoice>& preset) {
    running_ = true;
    window_->setBusy(true);
    if (parts_.progress) state_.Planner->setProgressObserver(parts_.progress());
    const auto kept = state_.Planner->clone();
    try {
        if (preset)
            reports::RouteChosenOutput(shell_, where, *outputs_, *preset);
        else
            reports::RouteOutput(shell_, where, *outputs_);
    } catch (const TaxError& e) {
        if (parts_.hideProgress) parts_.hideProgress();
        warn(e, "RouteOutput");
        // Put the scenario back as the file holds it, as a run that ends normally
        // does; if the file cannot be read now, as it was before the run.
        try {
            shell::OpenFile(shell_, state_.CurrentFile);
        } catch (const TaxError& again) {
            state_.Planner = kept;
            warn(again, "");
        }
    }
    state_.Planner->setProgressObserver(nullptr);
    window_->setBusy(false);
    running_ = false;
    refreshDesk();
}

void InteractiveShell::inputs(const std::string& focus) {
    if (running_ || !parts_.inputForm) return;
    try {
        parts_.inputForm(shell_, window_.get(), focus);
    } catch (const TaxError& e) {
        FatalError(e.number(), "InitIP");
        return;
    }
    refreshDesk();
}

void InteractiveShell::chooseLaw(osgrin::LawEdition law) {
    if (running_) return;
    try {
        shell::ChooseLaw(shell_, law);
    } catch (const TaxError& e) {
        warn(e, "ChooseLaw");
    }
    shell::ShowLaw(shell_);  // the menu shows the law in use even when the choice failed
    refreshDesk();
}

void InteractiveShell::refreshDesk() {
    Desk& desk = window_->desk();
    const mirvane::AMT& p = *state_.Planner;
    QString household = QString::fromStdString(p.cur().Spouse1()).trimmed();
    if (const QString second = QString::fromStdString(p.cur().Spouse2()).trimmed(); !second.isEmpty())
        household += (household.isEmpty() ? "" : " & ") + second;
    if (const auto missing = fields::missingInput(p)) {
        desk.showMissing(household, QString::fromStdString(missing->message));
        return;
    }
    try {
        desk.showAnswer(
            reports::analyseCopy(p, shell::effectiveLaw(state_), state_.PlanYearOverride, state_.CurrentFile),
            QString::fromStdString(shell::lawStatusText(state_)));
    } catch (const TaxError& e) {
        desk.showMissing(household, QString::fromStdString(fields::plainSentence(
                                        e.number(), e.description(), e.source(), shell::effectivePlanYear(state_))));
    }
}

void InteractiveShell::GetFonts() {
    dialogs_.message("WARNING!",
                     "We strongly recommend the use of either the COURIER NEW or the COURIER font. Other fonts might "
                     "not align properly, or may cause an error 380.",
                     shell::Icon::Exclamation, shell::Buttons::Ok);
    const auto chosen = dialogs_.chooseFont({state_.FontNamePref, state_.FontSizePref});
    if (!chosen) {
        if (state_.FontNamePref.empty()) state_.FontNamePref = "Courier New";
        return;
    }
    state_.FontNamePref = chosen->name.empty() ? "Courier New" : chosen->name;
    state_.FontSizePref = chosen->size < 5 ? 10.0f : chosen->size;
}

QString InteractiveShell::helpFile() const { return helpFilePath(QString::fromStdString(state_.ProgramFolder)); }

void InteractiveShell::showHelp(bool search) {
    const QString file = helpFile();
    if (file.isEmpty()) {
        dialogs_.message(shell::kFileDescription,
                         "Unable to display Help Contents. There is no Help associated with this project.",
                         shell::Icon::Information, shell::Buttons::Ok);
        return;
    }
    if (!help_) help_ = std::make_unique<HelpWindow>(file);
    if (search)
        help_->showSearch();
    else
        help_->showContents();
}

void InteractiveShell::helpContents() { showHelp(false); }
void InteractiveShell::helpSearch() { showHelp(true); }

void InteractiveShell::about() { dialogs_.about(); }

bool InteractiveShell::maySaveBeforeExit() {
    if (state_.IsSaved) return true;
    switch (dialogs_.message(shell::kFileDescription,
                             std::string("Save changes to ").append(shell::displayName(state_.CurrentFile)).append("?"),
                             shell::Icon::Exclamation, shell::Buttons::SaveDontSaveCancel)) {
    case shell::Answer::Yes: return save();  // a save that fails or is cancelled keeps the program open
    case shell::Answer::No: return true;
    default: return false;
    }
}

void InteractiveShell::exit() {
    if (running_) return;
    if (!maySaveBeforeExit()) return;
    // Other windows go first; the main window keeps its placement unless minimised.
    if (help_) help_->close();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != window_.get() && w->isVisible()) w->close();
    QSettings settings = placementSettings();
    window_->savePlacement(settings);
    ShutDown(false);
}

void InteractiveShell::FatalError(int number, const std::string& location) {
    const std::string text = std::string("An error has occurred in the ") + shell::kFileDescription + ".\n\n" +
                             "Error Number:   " + std::to_string(number) + "\n" +
                             "Error Type:        " + std::string(standardDescription(number)) + "\n" +
                             "Location:           " + location + "\n\n" +
                             "Do you want to save your data before the program shuts down?";
    const bool saveFirst =
        dialogs_.message("WARNING!", text, shell::Icon::Critical, shell::Buttons::YesNo) == shell::Answer::Yes;
    ShutDown(saveFirst);
}

bool InteractiveShell::ShowErrorWarning(const std::string& message, bool hidden) {
    if (hidden) return true;
    return dialogs_.errorWarning(message);
}

void InteractiveShell::ShutDown(bool saveFirst) {
    // The user's data is saved while it still exists.
    if (saveFirst) saveAs();
    try {
        shell::writeFontPreferences(shell_);
    } catch (const TaxError& e) {
        warn(e, "ShutDown");
    }
    window_->hide();
    if (parts_.quit) parts_.quit(0);
}

}  // namespace tavrel::ui
