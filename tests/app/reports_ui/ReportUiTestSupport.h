#pragma once
// Fakes and helpers of the report window, printing and graph tests: dialogs
// whose report choice and print setup the test sets, a shell over a copy of a
// scenario in a temporary folder, and the text of a PDF file.

#include "base/ConsoleServices.h"
#include "scenario/ScenarioFiles.h"
#include "base/Shell.h"
#include "TempDir.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <deque>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace reportstest {

using namespace tavrel::shell;

class ReportDialogs final : public DialogService {
public:
    struct Shown {
        std::string title, text;
        Icon icon;
        Buttons buttons;
    };
    ReportFlags reports{true, true, true};  // what the selection dialog answers
    std::optional<PrintSetup> print;        // what the print dialog answers
    std::vector<Shown> shown;
    std::vector<std::string> reportCaptions;
    int printDialogs = 0;

    Answer message(std::string_view title, std::string_view text, Icon icon, Buttons buttons) override {
        shown.push_back({std::string(title), std::string(text), icon, buttons});
        return Answer::Ok;
    }
    std::optional<std::string> openFileName(const FileDialogOptions&, std::string&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const FileDialogOptions&, std::string&) override { return std::nullopt; }
    std::optional<ReportFlags> chooseReports(std::string_view caption, const ReportFlags&) override {
        reportCaptions.emplace_back(caption);
        return reports;
    }
    std::optional<PrintSetup> printSetup(const PrintSetup&) override {
        ++printDialogs;
        return print;
    }
    std::optional<FontChoice> chooseFont(const FontChoice& current) override { return current; }
    bool errorWarning(std::string_view) override { return false; }
};

class SilentView final : public ShellView {
public:
    void setStatusFile(const std::string&) override {}
    void setStatusLaw(osgrin::LawEdition, const std::string&) override {}
    void setRecentFileItem(int, bool, const std::string&) override {}
    void setRecentSeparatorVisible(bool) override {}
};

// A shell on a copy of a scenario file in a folder of its own (the report
// command saves the scenario back), with the settings file in that folder.
struct ScenarioShell {
    testsupport::TempDir dir;
    AppState state;
    ReportDialogs dialogs;
    std::ostringstream errorText;
    ConsoleErrorReporter errors{errorText};
    SilentView view;
    Shell shell{state, dialogs, errors, view};
    std::string scenario;

    explicit ScenarioShell(const std::string& source, const std::string& name = "joint.amt") {
        scenario = dir.file(name);
        std::filesystem::copy_file(source, scenario);
        state.IniFile = dir.file("tavrel.ini");
        state.ProgramFolder = dir.path();
        state.DataFilePath = dir.path();
    }
    bool open() { return OpenFile(shell, scenario) == OpenResult::Opened; }
};

inline const std::string kJointHighIncome = std::string(TAVREL_EXAMPLES) + "/joint-high-income.amt";
// A scenario with both names and a description, for the printed headings.
inline const std::string kNamedScenario = std::string(TAVREL_TEST_DATA) + "/reference/joint-high-state-tax.amt";

// The text of a PDF file as `pdftotext -layout` gives it: pages end with a form feed.
inline QString pdfText(const std::string& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QString::fromStdString(pdf), QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QStringLiteral("<pdftotext failed: %1>").arg(QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The pages of the text pdfText gives.
inline QStringList pdfPages(const QString& text) {
    QStringList pages = text.split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

// The text with CR LF line breaks, as the reports build it.
inline std::string withCrLf(const QString& lfText) {
    std::string out;
    for (const char c : lfText.toStdString()) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace reportstest
