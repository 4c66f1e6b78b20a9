// The interactive program's shell: start-up, commands and their error handling,
// placement, fonts and help, driven through the real main window with scripted
// dialogs (no dialog ever opens).
#include "ui/shell/HelpWindow.h"
#include "ui/shell/InteractiveShell.h"
#include "ui/shell/StartupWindows.h"
#include "ui/reports/QtReportOutputs.h"
#include "ui/input/frmIP.h"
#include "ui/shell/Desk.h"
#include "ui/shell/QtDialogService.h"
#include "ui/shell/QtErrorReporter.h"

#include "input/PlainError.h"

#include "base/ProgramInfo.h"
#include "base/Settings.h"
#include "commands/ReportRun.h"
#include "scenario/ScenarioFiles.h"
#include "ShellTestSupport.h"
#include "reports_ui/ReportUiTestSupport.h"
#include "TempDir.h"

#include "planner/Calculate.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QAction>
#include <QFontDialog>
#include <QChart>
#include <QChartView>
#include <QTableWidget>
#include <QTimer>
#include <QApplication>
#include <QLineEdit>
#include <QTextBrowser>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <filesystem>
#include <regex>
#include <sstream>

using namespace tavrel;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

const std::string kExample = std::string(TAVREL_EXAMPLES) + "/joint-high-income.amt";

// Report outputs that keep the reports' captions instead of showing them.
class RecordingOutputs final : public reports::ReportOutputs {
public:
    class Sink final : public reports::ReportDestination {
    public:
        std::vector<std::string>& captions;
        explicit Sink(std::vector<std::string>& c) : captions(c) {}
        void beginReport(const reports::Report& r) override { captions.push_back(r.caption); }
        void block(const reports::Block&, const reports::Headings&) override {}
        void endReport(const reports::Report&) override {}
    };
    std::vector<std::string> captions;
    Sink sink{captions};
    int busyChanges = 0;
    reports::ReportDestination& destination(shell::Destination) override { return sink; }
    void busy(bool) override { ++busyChanges; }
};

// A controller over scripted dialogs, in a program folder of its own.
struct Program {
    testsupport::TempDir dir;
    shell::AppState state;
    testsupport::ScriptedDialogs dialogs;
    std::ostringstream errorText;
    shell::ConsoleErrorReporter errors{errorText};
    RecordingOutputs* outputs = nullptr;
    int inputForms = 0;
    std::string inputFocus;  // the control the last input form opened on
    int quitCalls = 0;
    QDate today{2009, 1, 15};
    std::unique_ptr<ui::InteractiveShell> shell;

    // The user's folders are the test's own: a start-up makes the documents folder.
    QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    ~Program() {
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", config);
    }
    Program() {
        qputenv("HOME", QByteArray::fromStdString(dir.path()));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(dir.file(".config")));
        state.ProgramFolder = dir.path();
        state.VersionShort = shell::versionShort();
        state.VersionFull = shell::versionFull();
        ui::InteractiveShell::Parts parts;
        parts.inputForm = [this](shell::Shell&, QWidget*, const std::string& focus) {
            ++inputForms;
            inputFocus = focus;
        };
        parts.outputs = [this](shell::Shell&, QWidget*, std::function<void()>) {
            auto o = std::make_unique<RecordingOutputs>();
            outputs = o.get();
            return o;
        };
        parts.today = [this] { return today; };
        parts.quit = [this](int) { ++quitCalls; };
        shell = std::make_unique<ui::InteractiveShell>(state, dialogs, errors, std::move(parts));
    }
    std::string copyOfExample(const std::string& name = "plan.amt") {
        std::filesystem::copy_file(kExample, dir.file(name));
        return dir.file(name);
    }
    QAction* action(const char* name) { return shell->window().findChild<QAction*>(name); }
    QString status() { return shell->window().findChild<QLabel*>("sbStatusBar_1")->text(); }
    bool shown(const std::string& title) const {
        for (const auto& s : dialogs.shown)
            if (s.title == title) return true;
        return false;
    }
};

}  // namespace

class InteractiveShellTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings(QSettings::NativeFormat, QSettings::UserScope, "Tavrel", "Tavrel").clear(); }

    // The alert follows the law the program carries (through 2026): it is due
    // after 1 February 2027, and each version shows it once.
    void updateAlertAppearsOnceAfterTheNewestTaxYearIsFiled_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<bool>("alert");
        // clang-format off
        QTest::newRow("2009-02-02") << QDate(2009, 2, 2) << false;
        QTest::newRow("2026-12-08") << QDate(2026, 12, 8) << false;
        QTest::newRow("2027-02-01") << QDate(2027, 2, 1) << false;
        QTest::newRow("2027-02-02") << QDate(2027, 2, 2) << true;
        // clang-format on
    }
    void updateAlertAppearsOnceAfterTheNewestTaxYearIsFiled() {
        QFETCH(QDate, today);
        QFETCH(bool, alert);
        Program p;
        p.today = today;
        p.shell->start();
        QCOMPARE(p.shown("Update Alert"), alert);
        if (alert) {
            QVERIFY(p.dialogs.shown[0].text.starts_with(
                "The version that you are using now is PELQ2008.10, which carries the tax law through 2026.\r\n\r\n"
                "You may want to consider checking to see if there is a more current version"));
            // The same version, started again: no second alert.
            ui::InteractiveShell::Parts parts;
            parts.quit = [](int) {};
            parts.today = [today] { return today; };
            p.shell = std::make_unique<ui::InteractiveShell>(p.state, p.dialogs, p.errors, std::move(parts));
            p.dialogs.shown.clear();
            p.shell->start();
            QCOMPARE(p.shown("Update Alert"), false);
        }
    }

    // Its button says where updates come from and which version runs, in place
    // of the message.
    void updateAlertSaysUpdatesComeFromThePackageManager() {
        ui::UpdateAlert box("message");
        auto* check = box.findChild<QPushButton*>("OKButton");
        QVERIFY(check);
        check->click();
        const QString text = box.findChild<QLabel*>("lblUpdateMessage")->text();
        QVERIFY(text.contains("system's package manager"));
        QVERIFY(text.contains(QString::fromStdString(shell::versionFull())));
    }

    void startShowsAboutThenChooserThenTheWindow() {
        Program p;
        p.shell->start();
        QCOMPARE(p.dialogs.shown.size(), size_t(2));
        QCOMPARE(p.dialogs.shown[0].title, std::string("About"));
        QCOMPARE(p.dialogs.shown[1].title, std::string("Startup Options"));
        QVERIFY(p.shell->window().isVisible());
        QCOMPARE(p.status(), QString("File: "));
        // The settings file now exists beside the program with the data folder in
        // it: the user's documents folder, made at the start.
        const std::string ini = readFile(p.dir.file("tavrel.ini"));
        QVERIFY(ini.find("Data File Path=" + p.dir.file("Documents") + "\n") != std::string::npos);
        QVERIFY(std::filesystem::is_directory(p.dir.file("Documents")));
        QCOMPARE(p.state.FontNamePref, std::string("Courier New"));
        QCOMPARE(p.state.FontSizePref, 10.0f);
    }

    void newScenarioChoiceOpensTheInputForm() {
        Program p;
        p.dialogs.startup = 1;
        p.shell->start();
        QCOMPARE(p.inputForms, 1);
        QCOMPARE(p.state.CurrentFile, p.dir.file("Documents/UNTITLED.AMT"));
        QVERIFY(p.state.Planner->isEditing());
    }

    void aFileOnTheCommandLineIsLoadedAtStart() {
        Program p;
        p.state.CurrentFile = p.copyOfExample();
        p.shell->start();
        QCOMPARE(p.state.Planner->getProperty("MaxItemizedTaxDeferred"), std::string("40,000"));
        QCOMPARE(p.status(), QString::fromStdString("File: " + p.dir.file("plan.amt")));
        QCOMPARE(p.inputForms, 0);
    }

    // Options > Tax Law: the scenario takes the law chosen (unsaved only when its
    // law changed, saved with it), a command-line choice ends, and the status
    // bar and the checked item show the law in use. A law that does not plan
    // the plan year in use is refused and changes nothing.
    void taxLawChoice_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<int>("runYear");  // /year; 0 without
        QTest::addColumn<QString>("startStatus");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QString>("savedKey");
        QTest::newRow("tables to enacted") << "" << 0 << "Law: 2008 Tables"
                                           << "Enacted"
                                           << "Law: Enacted" << false << "Law Edition=Enacted";
        QTest::newRow("the same law") << "" << 0 << "Law: 2008 Tables"
                                      << "Tables"
                                      << "Law: 2008 Tables" << true << "Law Edition=2008 Tables";
        QTest::newRow("the command line's ends") << "enacted" << 0 << "Law: Enacted (this run)"
                                                 << "Tables"
                                                 << "Law: 2008 Tables" << true << "Law Edition=2008 Tables";
        QTest::newRow("the tables do not plan 2003") << "enacted" << 2003 << "Law: Enacted (this run)"
                                                     << "Tables"
                                                     << "Law: Enacted (this run)" << true << "Law Edition=2008 Tables";
    }
    void taxLawChoice() {
        QFETCH(QString, commandLine);
        QFETCH(int, runYear);
        QFETCH(QString, startStatus);
        QFETCH(QString, chosen);
        QFETCH(QString, status);
        QFETCH(bool, saved);
        QFETCH(QString, savedKey);
        Program p;
        p.state.CurrentFile = p.copyOfExample();
        if (!commandLine.isEmpty()) p.state.LawOverride = osgrin::lawEditionFromSwitch(commandLine.toStdString());
        if (runYear != 0) p.state.PlanYearOverride = static_cast<std::int16_t>(runYear);
        p.shell->start();
        const auto lawStatus = [&] { return p.shell->window().findChild<QLabel*>("sbStatusBar_2")->text(); };
        QCOMPARE(lawStatus(), startStatus);
        QCOMPARE(p.action("mnuOptionsLawEnacted")->isChecked(), !commandLine.isEmpty());
        p.action(chosen == "Enacted" ? "mnuOptionsLawEnacted" : "mnuOptionsLawTables")->trigger();
        QCOMPARE(lawStatus(), status);
        const bool refused = status == startStatus && status.endsWith("(this run)");
        QCOMPARE(p.action("mnuOptionsLawEnacted")->isChecked(), chosen == "Enacted" || refused);
        QCOMPARE(p.state.IsSaved, saved);
        QCOMPARE(p.state.LawOverride.has_value(), refused);
        QCOMPARE(
            p.errorText.str().find("warning 380: Invalid property value\n    at ChooseLaw\n    at 2003 is not a plan "
                                   "year under the law edition \"2008 Tables\"") != std::string::npos,
            refused);
        p.action("mnuFileSave")->trigger();
        QVERIFY(readFile(p.dir.file("plan.amt")).find(savedKey.toStdString()) != std::string::npos);
    }

    void aSettingThatDoesNotConvertFallsBackWithAWarning() {
        Program p;
        writeFile(p.dir.file("tavrel.ini"), "[User Preferences]\nFont Size=abc\nFont Name=Liberation Mono\n");
        p.shell->start();
        QCOMPARE(p.state.FontSizePref, 10.0f);
        QCOMPARE(p.state.FontNamePref, std::string("Liberation Mono"));
        QVERIFY(p.shown("WARNING"));
        QVERIFY(p.shell->window().isVisible());
        QCOMPARE(p.quitCalls, 0);
    }

    void placementDefaultsAndIsRemembered() {
        {
            Program p;
            p.shell->start();
            const int dpi = p.shell->window().logicalDpiX();
            QCOMPARE(p.shell->window().width(), 6500 * dpi / 1440);
            p.shell->window().resize(760, 560);
            p.shell->exit();
            QCOMPARE(p.quitCalls, 1);
        }
        Program again;
        again.shell->start();
        QVERIFY(std::abs(again.shell->window().width() - 760) <= 1);
        QVERIFY(std::abs(again.shell->window().height() - 560) <= 1);
    }

    void aToolbarKeyThatMatchesNothingDoesNothing() {
        Program p;
        p.shell->start();
        const auto before = p.dialogs.shown.size();
        p.shell->window().runToolbarKey("Frobnicate");
        QCOMPARE(p.dialogs.shown.size(), before);
        p.shell->window().runToolbarKey("Input");
        QCOMPARE(p.inputForms, 1);
    }

    void previewAndViewBothShowTheReportsOnScreen() {
        Program p;
        p.state.CurrentFile = p.copyOfExample();
        p.shell->start();
        p.action("mnuFilePrintPreview")->trigger();
        QCOMPARE(p.outputs->captions.size(), size_t(3));
        p.action("mnuViewReports")->trigger();
        QCOMPARE(p.outputs->captions.size(), size_t(6));
        QCOMPARE(p.outputs->captions[0], "Detailed Analysis Report - " + p.state.CurrentFile);
        QCOMPARE(p.outputs->captions[1], "Summary Report - " + p.state.CurrentFile);
        QCOMPARE(p.outputs->captions[2], std::string("Inputs Report"));
        QVERIFY(p.action("mnuInputs")->isEnabled());  // not busy any more
    }

    void aFailedOpenPutsThePreviousScenarioBack() {
        Program p;
        p.state.CurrentFile = p.copyOfExample();
        p.shell->start();
        writeFile(p.dir.file("damaged.amt"),
                  "[AMT]\nDefer SIT=False\nMax Amount Deferred=1\n[Scenario1]\nYear=2008\nDependents=many\n");
        p.dialogs.fileNames.push_back(p.dir.file("damaged.amt"));
        const auto recentBefore = p.state.RecentFiles;
        p.action("mnuFileOpen")->trigger();
        // The warning names the number and the places it passed through.
        QVERIFY(p.errorText.str().find("warning 10002") != std::string::npos);
        QVERIFY(p.errorText.str().find("damaged.amt") != std::string::npos);
        QVERIFY(p.errorText.str().find("clsOsgrinTop.LetDependents") != std::string::npos);
        // Nothing of the damaged file stayed in memory; the name and the list are unchanged.
        QCOMPARE(p.state.Planner->getProperty("MaxItemizedTaxDeferred"), std::string("40,000"));
        QCOMPARE(p.state.Planner->getProperty("DeferItemizedTax"), std::string("True"));
        QCOMPARE(p.state.CurrentFile, p.dir.file("plan.amt"));
        QCOMPARE(p.state.RecentFiles, recentBefore);
        QCOMPARE(p.inputForms, 0);
    }

    void damagedFilesNeverEndTheProgramOrMixScenarios_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("binary garbage") << QByteArray("\x01\x02\x00\xff[AM\x00T]\n\x7f", 12) << "warning 13";
        QTest::newRow("bad filing status")
            // clang-format on
            << QByteArray("[AMT]\nDefer SIT=False\n[Scenario1]\nDependents=2\nFiling Status=Joint\n")
            << "[Scenario1] Filing Status";
        QTest::newRow("overflowing amount")
            << QByteArray("[Scenario2]\nYear=2009\nWages Spouse 1=9e99\n") << "[Scenario2] Wages Spouse 1";
        QTest::newRow("amount whose saved text would overflow")
            << QByteArray("[Scenario2]\nOther Taxes Pd=-922337203685477.5\n") << "[Scenario2] Other Taxes Pd";
        QTest::newRow("name too long") << QByteArray("[Scenario1]\nSpouse 1=" + QByteArray(60, 'x') + "\n")
                                       << "[Scenario1] Spouse 1";
    }
    void damagedFilesNeverEndTheProgramOrMixScenarios() {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        Program p;
        p.state.CurrentFile = p.copyOfExample();
        p.shell->start();
        writeFile(p.dir.file("damaged.amt"), content.toStdString());
        p.dialogs.fileNames.push_back(p.dir.file("damaged.amt"));
        p.action("mnuFileOpen")->trigger();
        QVERIFY2(p.errorText.str().find(expected.toStdString()) != std::string::npos, p.errorText.str().c_str());
        QCOMPARE(p.quitCalls, 0);
        // The scenario in memory is the one before, whole: saving it now is safe.
        QCOMPARE(p.state.Planner->getProperty("DeferItemizedTax"), std::string("True"));
        QCOMPARE(p.state.Planner->cur().Dependents(), std::int16_t(3));
        QCOMPARE(p.state.Planner->cur().FilingStatus(), 2);
        QCOMPARE(p.state.Planner->nxt().inc().getProperty("WageSp1"), std::string("480,000"));
        QCOMPARE(p.state.CurrentFile, p.dir.file("plan.amt"));
    }

    void aMissingFileKeepsTheCurrentName() {
        Program p;
        p.state.CurrentFile = p.copyOfExample();
        p.shell->start();
        p.dialogs.fileNames.push_back(p.dir.file("gone.amt"));
        p.action("mnuFileOpen")->trigger();
        QVERIFY(p.shown("WARNING"));
        QCOMPARE(p.state.CurrentFile, p.dir.file("plan.amt"));
    }

    void saveAsRightAfterAnOpenWritesTheWholeScenario() {
        Program p;
        p.state.CurrentFile = p.copyOfExample();
        p.shell->start();
        p.dialogs.fileNames.push_back(p.dir.file("copy.amt"));
        p.action("mnuFileSaveAs")->trigger();
        const std::string saved = readFile(p.dir.file("copy.amt"));
        for (const char* s : {"[AMT]", "[Scenario1]", "[Scenario2]", "[Scenario3]", "[Scenario4]"})
            QVERIFY(saved.find(s) != std::string::npos);
        QVERIFY(saved.find("Wages Spouse 1=480,000") != std::string::npos);
        QCOMPARE(p.state.CurrentFile, p.dir.file("copy.amt"));
        QCOMPARE(p.state.RecentFiles[0], p.dir.file("copy.amt"));
        QVERIFY(p.action("mnuFileMRU_1")->isVisible());
    }

    void saveAsAfterAReportRunStillWritesTheWholeScenario() {
        Program p;
        p.state.CurrentFile = p.copyOfExample();
        p.shell->start();
        p.action("mnuViewReports")->trigger();
        p.dialogs.fileNames.push_back(p.dir.file("after.amt"));
        p.action("mnuFileSaveAs")->trigger();
        const std::string saved = readFile(p.dir.file("after.amt"));
        QVERIFY(saved.find("[Scenario1]") != std::string::npos);
        QVERIFY(saved.find("Max Amount Deferred=40,000") != std::string::npos);  // the limit, not the result
    }

    void aFailedSaveWarnsAndKeepsTheSavedFlagFalse() {
        Program p;
        p.state.CurrentFile = p.copyOfExample();
        p.shell->start();
        p.state.IsSaved = false;
        p.state.CurrentFile = p.dir.file("no/such/folder/plan.amt");
        p.action("mnuFileSave")->trigger();
        QVERIFY(p.errorText.str().find("warning 76") != std::string::npos);
        QVERIFY(!p.state.IsSaved);
        // Save As to an impossible place adopts neither the name nor a recent entry.
        p.dialogs.fileNames.push_back(p.dir.file("missing/x.amt"));
        p.action("mnuFileSaveAs")->trigger();
        QCOMPARE(p.state.CurrentFile, p.dir.file("no/such/folder/plan.amt"));
        QVERIFY(p.state.RecentFiles[0] != p.dir.file("missing/x.amt"));
    }

    void saveWithoutAFileAsksForAName() {
        Program p;
        p.shell->start();
        p.dialogs.fileNames.push_back(p.dir.file("named.amt"));
        p.action("mnuFileSave")->trigger();
        QVERIFY(std::filesystem::exists(p.dir.file("named.amt")));
        QCOMPARE(p.state.CurrentFile, p.dir.file("named.amt"));
    }

    void yesThenACancelledSaveAsStopsNew() {
        Program p;
        p.state.CurrentFile = p.copyOfExample();
        p.shell->start();
        p.state.IsSaved = false;
        auto before = p.state.Planner;
        p.dialogs.answers.push_back(shell::Answer::Yes);  // save first?
        p.action("mnuFileNew")->trigger();                // ... and the Save As dialog is cancelled
        QVERIFY(p.shown("Unsaved Data Exists!"));
        QCOMPARE(p.state.Planner, before);
        QCOMPARE(p.inputForms, 0);
    }

    void anErrorInAReportRunIsAWarningAndTheRunCleansUp() {
        Program p;
        std::string text = readFile(kExample);
        text.replace(text.find("After-Tax Discount=5"), 20, "After-Tax Discount=-100");
        writeFile(p.dir.file("bad.amt"), text);
        p.state.CurrentFile = p.dir.file("bad.amt");
        p.shell->start();
        p.action("mnuViewReports")->trigger();
        QVERIFY(p.errorText.str().find("warning 11") != std::string::npos);
        QVERIFY(p.errorText.str().find("Template.Calculate") != std::string::npos);
        QVERIFY(!p.shell->isRunning());
        QVERIFY(p.action("mnuViewReports")->isEnabled());
        QCOMPARE(p.outputs->busyChanges % 2, 0);  // the pointer is back
        // The scenario was read back: the user's limit, not a search result.
        QCOMPARE(p.state.Planner->getProperty("MaxItemizedTaxDeferred"), std::string("40,000"));
        QCOMPARE(p.quitCalls, 0);
    }

    void fatalErrorOffersSaveAsWhileTheDataStillExists() {
        Program p;
        p.state.CurrentFile = p.copyOfExample();
        p.shell->start();
        p.dialogs.answers.push_back(shell::Answer::Yes);
        p.dialogs.fileNames.push_back(p.dir.file("rescued.amt"));
        p.shell->FatalError(6, "GetFonts");
        const auto& box = p.dialogs.shown[p.dialogs.shown.size() - 1];
        QCOMPARE(box.title, std::string("WARNING!"));
        QCOMPARE(box.text, std::string("An error has occurred in the Tavrel AMT Planner.\n\nError Number:   6\n"
                                       "Error Type:        Overflow\nLocation:           GetFonts\n\n"
                                       "Do you want to save your data before the program shuts down?"));
        QVERIFY(readFile(p.dir.file("rescued.amt")).find("Wages Spouse 1=310,000") != std::string::npos);
        QCOMPARE(p.quitCalls, 1);
    }

    void fontsFallBackToUsableValues() {
        Program p;
        p.shell->start();
        // The scripted font dialog returns what it was given: set up a 4-point choice.
        p.state.FontSizePref = 4;
        p.action("mnuOptionsFonts")->trigger();
        QCOMPARE(p.state.FontSizePref, 10.0f);
        QVERIFY(p.shown("WARNING!"));
        p.state.FontNamePref = "";
        p.shell->GetFonts();
        QCOMPARE(p.state.FontNamePref, std::string("Courier New"));
        p.shell->exit();
        QVERIFY(readFile(p.dir.file("tavrel.ini")).find("Font Name=Courier New") != std::string::npos);
    }

    void helpWithoutAFileSaysSo() {
        Program p;
        p.shell->start();
        p.action("mnuHelpContents")->trigger();
        QCOMPARE(p.dialogs.shown.back().text,
                 std::string("Unable to display Help Contents. There is no Help associated with this project."));
    }

    void helpShowsTheFileAndFindsWords() {
        Program p;
        std::filesystem::copy_file(TAVREL_HELP_FILE, p.dir.file("AMT.html"));
        p.shell->start();
        p.action("mnuHelpSearchForHelpOn")->trigger();
        QWidget* window = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "frmHelp") window = w;
        QVERIFY(window && window->isVisible());
        auto* text = window->findChild<QTextBrowser*>("txtHelpText");
        QVERIFY(text && text->toPlainText().contains("How the analysis works"));
        auto* search = window->findChild<QLineEdit*>("txtHelpSearch");
        QTest::keyClicks(search, "discount");
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(text->textCursor().selectedText().toLower(), QString("discount"));
    }

    void saveAsAfterTheInputFormsOkWritesTheWholeScenario() {
        Program p;
        p.state.CurrentFile = p.copyOfExample();
        p.shell->start();
        auto form = ui::LoadIP(p.shell->shell(), &p.shell->window());
        QTest::mouseClick(form->okButton(), Qt::LeftButton);
        p.dialogs.fileNames.push_back(p.dir.file("after-ok.amt"));
        p.action("mnuFileSaveAs")->trigger();
        const std::string saved = readFile(p.dir.file("after-ok.amt"));
        for (const char* s : {"[AMT]", "[Scenario1]", "[Scenario2]", "[Scenario3]", "[Scenario4]"})
            QVERIFY(saved.find(s) != std::string::npos);
        QVERIFY(saved.find("Spouse 1=Ann Whitfield") != std::string::npos);
    }

    void aRecentFileEntryOpensThatFile() {
        Program p;
        const std::string first = p.copyOfExample("first.amt");
        p.state.CurrentFile = first;
        p.shell->start();
        p.dialogs.fileNames.push_back(p.dir.file("second.amt"));
        p.action("mnuFileSaveAs")->trigger();
        p.dialogs.fileNames.push_back(first);
        p.action("mnuFileSaveAs")->trigger();  // the list now holds first, second
        QCOMPARE(p.action("mnuFileMRU_2")->text(), QString::fromStdString("&2 " + p.dir.file("second.amt")));
        p.action("mnuFileMRU_2")->trigger();
        QCOMPARE(p.state.CurrentFile, p.dir.file("second.amt"));
        QCOMPARE(p.inputForms, 1);  // the input form follows, as after Open
    }

    void aReportWindowsPrintButtonRunsTheWholeReportCommand() {
        testsupport::TempDir dir;
        Program p;
        // The real report windows this time.
        ui::InteractiveShell::Parts parts;
        parts.outputs = [](shell::Shell& s, QWidget* parent, std::function<void()> print) {
            return std::make_unique<ui::QtReportOutputs>(s, parent, std::move(print));
        };
        parts.quit = [](int) {};
        parts.today = [] { return QDate(2009, 1, 1); };
        p.shell = std::make_unique<ui::InteractiveShell>(p.state, p.dialogs, p.errors, std::move(parts));
        p.state.CurrentFile = p.copyOfExample();
        p.shell->start();
        p.action("mnuViewReports")->trigger();
        auto windows = p.shell->window().findChildren<QWidget*>("frmReportForm");
        QCOMPARE(windows.size(), 3);
        std::filesystem::remove(p.state.CurrentFile);  // the command saves it again first
        p.dialogs.printTo = dir.file("printed.pdf");
        QTest::mouseClick(windows.front()->findChild<QAbstractButton*>("btnPrint"), Qt::LeftButton);
        QVERIFY(std::filesystem::exists(p.state.CurrentFile));
        QVERIFY(p.shown("Select Reports (Print)"));
        QVERIFY(std::filesystem::file_size(dir.file("printed.pdf")) > 0);
        QVERIFY(!p.shell->isRunning());
    }

    void helpIsFoundBesideTheProgramOrInTheInstalledShareFolder() {
        testsupport::TempDir dir;
        std::filesystem::create_directories(dir.file("bin"));
        std::filesystem::create_directories(dir.file("share/tavrel"));
        QVERIFY(ui::helpFilePath(QString::fromStdString(dir.file("bin"))).isEmpty());
        std::filesystem::copy_file(TAVREL_HELP_FILE, dir.file("share/tavrel/AMT.html"));
        QCOMPARE(ui::helpFilePath(QString::fromStdString(dir.file("bin"))),
                 QString::fromStdString(std::filesystem::canonical(dir.file("share/tavrel/AMT.html")).string()));
        std::filesystem::copy_file(TAVREL_HELP_FILE, dir.file("bin/AMT.html"));
        QCOMPARE(ui::helpFilePath(QString::fromStdString(dir.file("bin"))),
                 QString::fromStdString(std::filesystem::canonical(dir.file("bin/AMT.html")).string()));
    }

    void noSecondAnalysisWhileOneRuns() {
        Program p;
        p.state.CurrentFile = p.copyOfExample();
        p.shell->start();
        p.shell->window().setBusy(true);
        QVERIFY(!p.action("mnuViewReports")->isEnabled());
        QVERIFY(!p.action("mnuInputs")->isEnabled());
        QVERIFY(!p.action("tbPrint")->isEnabled());
        QVERIFY(p.action("mnuHelpAbout")->isEnabled());
    }

    // Unsaved changes are never lost without a question when the program ends,
    // by File > Exit or by the window's close button.
    void exitAsksToSaveUnsavedChanges_data() {
        QTest::addColumn<bool>("byCloseButton");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("hasFile");
        QTest::addColumn<bool>("quits");
        QTest::addColumn<bool>("fileHoldsEdit");
        // clang-format off
        QTest::newRow("save")                  << false << int(shell::Answer::Yes)    << true  << true  << true;
        QTest::newRow("don't save")            << false << int(shell::Answer::No)     << true  << true  << false;
        QTest::newRow("cancel")                << false << int(shell::Answer::Cancel) << true  << false << false;
        QTest::newRow("close button, cancel")  << true  << int(shell::Answer::Cancel) << true  << false << false;
        QTest::newRow("close button, save")    << true  << int(shell::Answer::Yes)    << true  << true  << true;
        QTest::newRow("save, name cancelled")  << false << int(shell::Answer::Yes)    << false << false << false;
        // clang-format on
    }
    void exitAsksToSaveUnsavedChanges() {
        QFETCH(bool, byCloseButton);
        QFETCH(int, answer);
        QFETCH(bool, hasFile);
        QFETCH(bool, quits);
        QFETCH(bool, fileHoldsEdit);
        Program p;
        const std::string file = p.copyOfExample();
        p.state.CurrentFile = file;
        p.shell->start();
        p.state.Planner->cur().inc().letProperty("WageSp1", "123,456");
        p.state.IsSaved = false;
        if (!hasFile) p.state.CurrentFile.clear();
        p.dialogs.answers.push_back(static_cast<shell::Answer>(answer));
        if (byCloseButton)
            p.shell->window().close();
        else
            p.action("mnuFileExit")->trigger();
        QVERIFY(p.shown("Tavrel AMT Planner"));
        const auto& asked = *std::find_if(p.dialogs.shown.begin(), p.dialogs.shown.end(),
                                          [](const auto& d) { return d.text.starts_with("Save changes"); });
        QCOMPARE(asked.text,
                 hasFile ? std::string("Save changes to plan.amt?") : std::string("Save changes to Untitled?"));
        QCOMPARE(asked.buttons, shell::Buttons::SaveDontSaveCancel);
        QCOMPARE(p.quitCalls, quits ? 1 : 0);
        QCOMPARE(readFile(file).find("123,456") != std::string::npos, fileHoldsEdit);
        // Saved or not, a program that carries on asks again next time.
        if (!quits) QCOMPARE(p.state.IsSaved, false);
    }

    // The report command writes nothing until the user has confirmed a
    // selection; a scenario the reports cannot run on gets a message naming
    // the field, and the input form opens on it.
    void aReportRunSavesOnlyOnceTheUserHasChosen() {
        Program p;
        const std::string file = p.copyOfExample();
        p.state.CurrentFile = file;
        p.shell->start();
        const std::string before = readFile(file);
        p.state.Planner->cur().inc().letProperty("WageSp1", "123,456");
        p.state.IsSaved = false;
        p.dialogs.cancelReports = true;
        p.action("mnuViewReports")->trigger();
        QCOMPARE(readFile(file), before);
        QVERIFY(p.outputs->captions.empty());
        p.dialogs.printTo.reset();  // the print dialog cancelled: nothing written either
        p.dialogs.cancelReports = false;
        shell::writeReportFlags(p.shell->shell(), {false, true, true});  // the cancel stored "none"
        p.action("mnuFilePrint")->trigger();
        QCOMPARE(readFile(file), before);
        p.action("mnuViewReports")->trigger();
        QVERIFY(readFile(file).find("123,456") != std::string::npos);
        QVERIFY(!p.outputs->captions.empty());
    }

    void aScenarioTheReportsCannotRunOnOpensTheFormOnTheField_data() {
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("message");
        // clang-format off
        QTest::newRow("no filing status") << "0" << "40000" << "lstFileStat" << "Filing Status: no filing status";
        QTest::newRow("deferral limit 0") << "2" << "0"     << "txtMaxInc"
                                          << "Maximum Amount Of Itemized Taxes That Can Be Deferred: the amount is 0";
        // clang-format on
    }
    void aScenarioTheReportsCannotRunOnOpensTheFormOnTheField() {
        QFETCH(QString, status);
        QFETCH(QString, limit);
        QFETCH(QString, focus);
        QFETCH(QString, message);
        Program p;
        const std::string file = p.copyOfExample();
        writeFile(file, [&] {
            std::string t = readFile(file);
            t.replace(t.find("Max Amount Deferred=40,000"), 26, "Max Amount Deferred=" + limit.toStdString());
            for (std::size_t at = t.find("Filing Status=2"); at != std::string::npos;
                 at = t.find("Filing Status=2", at + 1))
                t[at + 14] = status.toStdString()[0];
            return t;
        }());
        p.state.CurrentFile = file;
        p.shell->start();
        const std::string before = readFile(file);
        const int forms = p.inputForms;
        p.action("mnuViewReports")->trigger();
        QVERIFY(p.dialogs.shown.back().text.starts_with(message.toStdString()));
        QCOMPARE(p.inputForms, forms + 1);
        QCOMPARE(p.inputFocus, focus.toStdString());
        QVERIFY(p.outputs->captions.empty());
        QVERIFY(!p.shown("Select Reports (View)"));
        QCOMPARE(readFile(file), before);
    }

    // Errors lead with a sentence naming the field and the file; the number and
    // the places it passed through are the details.
    void errorsLeadWithAPlainSentence() {
        Program p;
        ui::QtErrorReporter errors(p.dialogs);
        p.shell = std::make_unique<ui::InteractiveShell>(p.state, p.dialogs, errors, ui::InteractiveShell::Parts{});
        const std::string file = p.copyOfExample("a.amt");
        std::string text = readFile(file);
        text.replace(text.find("Wages Spouse 1=310,000"), 22,
                     "Wages Spouse 1=310,000\nWages Spouse 2=99999999999999999");
        writeFile(file, text);
        p.state.CurrentFile = file;
        p.shell->start();
        const std::string& shown = p.dialogs.shown.back().text;
        QVERIFY2(shown.starts_with("Spouse 2 wages 2008 in a.amt: the amount is too large. Enter a smaller amount.\n\n"
                                   "Error 6: Overflow"),
                 shown.c_str());
        QVERIFY(shown.find("at [Scenario1] Wages Spouse 2") != std::string::npos);

        // clang-format off
        const struct { int number; const char* location; const char* sentence; std::int16_t planYear = 2008; } rows[] = {
            {6,  "frmIP.txtWages_3_Change\rControlExtend.TextChg\rclsInc.LetWageSp2",
                 "Spouse 2 wages 2009: the amount is too large. Enter a smaller amount."},
            {6,  "frmIP.txtWages_3_Change\rControlExtend.TextChg\rclsInc.LetWageSp2",
                 "Spouse 2 wages 2026: the amount is too large. Enter a smaller amount.", 2025},
            {380, "OpenFile \"p.amt\"\r[AMT] Plan Year\r\n\r\n2025 is not a plan year under the law edition \"2008 "
                  "Tables\", which plans 2008",
                 "Plan Year in p.amt: 2025 is not a plan year under the law edition \"2008 Tables\", which plans 2008."},
            {13, "OpenFile \"/home/x/letter.amt\"\ris not a scenario file",
                 "letter.amt: this is not a scenario file, or it is damaged. Open another file."},
            {70, "Save /srv/plans/c.amt\rProfileTransaction.commit",
                 "c.amt: this program may not write or read there. Save the scenario in another folder with "
                 "File > Save As."},
            {13, "OpenFile \"b.amt\"\rclsOsgrinTop.Load\r[Scenario2] Filing Status\rclsOsgrinTop.LetFilingStatus",
                 "Filing Status in b.amt: this needs to be a number. Enter digits only, such as 6,000 or 6000."},
            {6,  "OpenFile \"p.amt\"\r[AMT] Max Amount Deferred\rAMT.LetMaxItemizedTaxDeferred",
                 "Maximum Amount Of Itemized Taxes That Can Be Deferred in p.amt: the amount is too large. Enter a "
                 "smaller amount."},
        };
        // clang-format on
        for (const auto& r : rows)
            QCOMPARE(QString::fromStdString(ui::fields::plainSentence(r.number, "", r.location, r.planYear)),
                     QString(r.sentence));
    }

    // The font dialog opens on the fixed-pitch font the reports print with,
    // even when the stored name is a font this system lacks.
    void theFontDialogStartsOnAFixedPitchFont() {
        ui::QtDialogService dialogs;
        bool fixedPitch = false;
        QTimer::singleShot(0, [&] {
            if (auto* d = qobject_cast<QFontDialog*>(QApplication::activeModalWidget())) {
                fixedPitch = QFontInfo(d->currentFont()).fixedPitch();
                d->reject();
            }
        });
        QVERIFY(!dialogs.chooseFont({"Courier New", 10}));
        QVERIFY(fixedPitch);
    }

    // The desktop's keys run the commands of the menus.
    void theUsualKeysRunTheirCommands() {
        Program p;
        p.state.CurrentFile = p.copyOfExample();
        p.shell->start();
        QVERIFY(QTest::qWaitForWindowExposed(&p.shell->window()));
        p.shell->window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p.shell->window()));
        const auto press = [&](QKeySequence key) { QTest::keySequence(&p.shell->window(), key); };
        const std::size_t shownBefore = p.dialogs.shown.size();
        press(QKeySequence("Ctrl+Shift+S"));  // Save As: the name dialog (scripted empty)
        press(QKeySequence("Ctrl+O"));        // Open: the same
        QCOMPARE(p.dialogs.shown.size(), shownBefore + 2);
        QCOMPARE(p.dialogs.shown.back().text, std::string("Filename Empty!"));
        press(QKeySequence("Ctrl+P"));
        QVERIFY(p.shown("Select Reports (Print)"));
        const int forms = p.inputForms;
        press(QKeySequence("Ctrl+N"));
        QCOMPARE(p.inputForms, forms + 1);
        p.state.IsSaved = false;
        press(QKeySequence("Ctrl+S"));
        QVERIFY(p.state.IsSaved);
        QVERIFY(std::filesystem::exists(p.state.CurrentFile));
        press(QKeySequence("Ctrl+Q"));
        QCOMPARE(p.quitCalls, 1);
    }

    // The desk's sentence and table carry the figures the summary and detailed
    // reports print for the same scenario, for every example and golden scenario.
    void theDeskShowsTheReportsFigures() {
        std::vector<std::string> scenarios;
        for (const char* folder : {TAVREL_EXAMPLES, TAVREL_TEST_DATA "/silent"})
            for (const auto& e : std::filesystem::directory_iterator(folder))
                if (e.path().extension() == ".amt") scenarios.push_back(e.path().string());
        QVERIFY(scenarios.size() >= 12);
        for (const std::string& scenario : scenarios) {
            const QString name = QString::fromStdString(std::filesystem::path(scenario).filename().string());
            Program p;
            std::filesystem::copy_file(scenario, p.dir.file("desk.amt"));
            std::filesystem::copy_file(scenario, p.dir.file("reports.amt"));
            p.state.CurrentFile = p.dir.file("desk.amt");
            p.shell->start();
            const ui::Desk& desk = p.shell->window().desk();

            testsupport::TestShell t;
            t.state.IsSilent = true;
            QVERIFY(shell::OpenFile(t.shell, p.dir.file("reports.amt")) == shell::OpenResult::Opened);
            reports::TextOutputs outputs;
            reports::RouteOutput(t.shell, shell::Destination::File, outputs);
            const std::string text = outputs.text();
            // A report line's figures after its label; the detailed report's
            // columns of 12 as one text, since a wide amount fills them edge to edge.
            const auto line = [&](const std::string& label) {
                const auto at = text.find("\r\n" + label);
                return at == std::string::npos ? std::string()
                                               : text.substr(at + 2, text.find("\r\n", at + 2) - at - 2);
            };
            const auto figures = [&](const std::string& label) {
                std::vector<std::string> out;
                const std::string l = line(label);
                std::istringstream words(l.substr(std::min(l.size(), label.size())));
                for (std::string w; words >> w;) out.push_back(w);
                return out;
            };
            const auto row = [&](int r) {
                std::string joined;
                for (int c = 0; c < 4; ++c) joined += desk.table()->item(r, c)->text().rightJustified(12).toStdString();
                return joined;
            };
            const auto item = [&](int r, int c) { return desk.table()->item(r, c)->text().toStdString(); };
            QCOMPARE(row(0), line("  REGULAR INCOME TAX").substr(34));
            QCOMPARE(row(1), line("  AMT                   ").substr(34));
            QCOMPARE((std::vector<std::string>{item(2, 0), item(2, 1), item(2, 2), item(2, 3)}),
                     figures("  Regular and AMT Tax"));
            // The scenario's two years, as the detailed report's heading gives them.
            std::smatch years;
            QVERIFY(std::regex_search(text, years, std::regex("\r\n  ([0-9]{4}) and ([0-9]{4})\r\n")));
            const std::string first = years[1], second = years[2];
            QCOMPARE((std::vector<std::string>{item(3, 1), item(3, 3)}),
                     figures("  Present Value of " + second + " Tax"));
            const std::string deferred = figures("  Deferred Deduction For Taxes").back();
            const std::string saving = figures("   From Deferred Itemized Taxes").back();
            const bool helps = deferred != "0" && !saving.starts_with("-") && saving != "0" &&
                               text.find("  Taxes Deferred") != std::string::npos;
            const std::string expected = helps ? "Defer $" + deferred + " of " + first + " state and local taxes to " +
                                                     second + ": present-value saving $" + saving + "."
                                               : "Deferring does not help this household.";
            QVERIFY2(desk.sentence()->text().toStdString() == expected,
                     qPrintable(name + ": " + desk.sentence()->text() + " / " + QString::fromStdString(expected)));
        }
    }

    // What the desk shows changes with every accepted edit, without a save.
    void theDeskFollowsTheInputsLive() {
        Program p;
        const std::string file = p.copyOfExample();
        p.state.CurrentFile = file;
        p.shell->start();
        const std::string before = readFile(file);
        const ui::Desk& desk = p.shell->window().desk();
        QVERIFY(desk.sentence()->text().startsWith("Defer $10,112 of "));
        QCOMPARE(desk.table()->item(2, 0)->text(), QString("75,250"));
        p.state.Planner->cur().inc().letProperty("WageSp1", "90,000");
        p.shell->window().scenarioChanged();
        p.shell->window().scenarioChanged();  // a burst is answered once
        QTRY_COMPARE(desk.table()->item(2, 0)->text(), QString("6,760"));
        QCOMPARE(readFile(file), before);
        // A new scenario says what is missing; the chart is empty.
        p.shell->newFile();
        QVERIFY(desk.sentence()->text().startsWith("Filing Status: no filing status"));
        QVERIFY(desk.curve()->chart()->series().isEmpty());
    }

    // File > Export PDF prints the chosen reports and the graph into a PDF
    // without the print dialog; File > Export Data writes the analysis of the
    // scenario in memory as JSON or CSV, saving nothing.
    void fileExportWritesAPdfAndTheData() {
        Program p;
        ui::InteractiveShell::Parts parts;
        parts.outputs = [](shell::Shell& s, QWidget* parent, std::function<void()> print) {
            return std::make_unique<ui::QtReportOutputs>(s, parent, std::move(print));
        };
        parts.quit = [](int) {};
        p.shell = std::make_unique<ui::InteractiveShell>(p.state, p.dialogs, p.errors, std::move(parts));
        const std::string file = p.copyOfExample();
        p.state.CurrentFile = file;
        p.shell->start();
        p.dialogs.fileNames.push_back(p.dir.file("client"));
        p.action("mnuFileExportPdf")->trigger();
        QVERIFY(std::filesystem::file_size(p.dir.file("client.pdf")) > 0);
        QVERIFY(!p.shown("Print Reports"));
        const QString pdf = reportstest::pdfText(p.dir.file("client.pdf"));
        QVERIFY2(pdf.contains("Detailed Analysis AMT") && pdf.contains("AMT Planning Summary"),
                 qPrintable(pdf.left(300)));

        p.state.Planner->cur().inc().letProperty("WageSp1", "90,000");  // in memory only
        const std::string saved = readFile(file);
        for (const char* name : {"data.json", "data.csv"}) {
            p.dialogs.fileNames.push_back(p.dir.file(name));
            p.action("mnuFileExportData")->trigger();
        }
        QCOMPARE(readFile(file), saved);
        const std::string json = readFile(p.dir.file("data.json"));
        QVERIFY(json.starts_with("{\"schema\":\"tavrel-analysis\",\"schemaVersion\":1,"));
        QVERIFY(json.find("\"total\":6760") != std::string::npos);  // the edited wages, not the file's
        QVERIFY(readFile(p.dir.file("data.csv")).starts_with("record,year,deferral,"));
    }

    // Options > Reports in One Window is off at first, and a choice is kept in
    // the settings file for the next start.
    void reportsInOneWindowIsAKeptChoice() {
        Program p;
        p.shell->start();
        QVERIFY(!p.action("mnuOptionsOneWindow")->isChecked());
        QVERIFY(!p.state.ReportsInOneWindow);
        p.action("mnuOptionsOneWindow")->trigger();
        QVERIFY(p.state.ReportsInOneWindow);
        QVERIFY(readFile(p.dir.file("tavrel.ini")).find("Reports In One Window=1") != std::string::npos);
        shell::AppState next;
        next.ProgramFolder = p.dir.path();
        testsupport::ScriptedDialogs dialogs;
        ui::InteractiveShell again(next, dialogs, p.errors, ui::InteractiveShell::Parts{});
        again.start();
        QVERIFY(next.ReportsInOneWindow);
        QVERIFY(again.window().findChild<QAction*>("mnuOptionsOneWindow")->isChecked());
    }
};

QTEST_MAIN(InteractiveShellTest)
#include "InteractiveShellTest.moc"
