#pragma once
// What the input form's tests share: a shell whose dialogs are scripted and
// whose error reporter records every call, small scenario files written into a
// temporary folder, and the steps of driving the shown form.

#include "ui/input/frmIP.h"

#include "scenario/ScenarioFiles.h"
#include "ShellTestSupport.h"
#include "TempDir.h"

#include "planner/AMT.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace inputtest {

using tavrel::PropertyBag;

// Records what reaches the error reporter; never shows anything.
class RecordingErrors final : public tavrel::ErrorReporter {
public:
    struct Report {
        std::string kind;
        int number;
        std::string description, location, title;
    };
    std::vector<Report> reports;

    bool ReportFatal(int number, std::string_view description, std::string_view location,
                     std::string_view title) override {
        add("fatal", number, description, location, title);
        return false;
    }
    void ReportWarning(int number, std::string_view description, std::string_view location,
                       std::string_view title) override {
        add("warning", number, description, location, title);
    }
    bool ReportFatalEx(int number, std::string_view description, std::string_view location, bool, std::string_view,
                       std::string_view title) override {
        add("fatal", number, description, location, title);
        return false;
    }

private:
    void add(const char* kind, int number, std::string_view d, std::string_view l, std::string_view t) {
        reports.push_back({kind, number, std::string(d), std::string(l), std::string(t)});
    }
};

// A shell over scripted dialogs and a recording reporter, with its files in a
// fresh temporary folder.
struct FormShell {
    testsupport::TempDir dir;
    tavrel::shell::AppState state;
    testsupport::ScriptedDialogs dialogs;
    RecordingErrors errors;
    testsupport::RecordingView view;
    tavrel::shell::Shell shell{state, dialogs, errors, view};

    FormShell() {
        state.ProgramFolder = dir.path();
        state.DataFilePath = dir.path();
        state.IniFile = dir.file("tavrel.ini");
    }

    mirvane::AMT& planner() { return *state.Planner; }
    // The object a test names: "planner", or a year ("cur", "nxt") and a part
    // of its return ("top", "inc", "adj", "item").
    PropertyBag& object(const std::string& year, const std::string& part = "top") {
        if (year == "planner") return planner();
        osgrin::iTop& r = year == "cur" ? planner().cur() : planner().nxt();
        if (part == "inc") return r.inc();
        if (part == "adj") return r.adj();
        if (part == "item") return r.item();
        return r;
    }
    std::string get(const std::string& year, const std::string& part, const std::string& property) {
        return object(year, part).getProperty(property);
    }

    // Writes a scenario file and opens it as the program does.
    std::string open(const std::string& name, const std::string& content) {
        const std::string path = dir.file(name);
        testsupport::writeFile(path, content);
        if (tavrel::shell::OpenFile(shell, path) != tavrel::shell::OpenResult::Opened)
            throw std::runtime_error("could not open " + path);
        return path;
    }
};

// A scenario: the planner's section and the two entered years, with the given
// extra lines in each return section.
inline std::string scenario(const std::string& curLines, const std::string& nxtLines,
                            const std::string& plannerLines = "Max Amount Deferred=10,000\nAfter-Tax Discount=5\n") {
    return "[AMT]\n" + plannerLines + "[Scenario1]\nYear=2008\nDependents=2\n" + curLines +
           "[Scenario2]\nYear=2009\nDependents=2\n" + nxtLines;
}

// The form as InitIP prepares it, shown without a modal loop and active, so
// that focus moves as it does for the user.
inline std::unique_ptr<tavrel::ui::frmIP> showForm(FormShell& t, int* beeps = nullptr) {
    auto form = tavrel::ui::LoadIP(t.shell, nullptr);
    if (beeps) form->setBeep([beeps] { ++*beeps; });
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get())) throw std::runtime_error("the form did not become active");
    return form;
}

// The page a control is on.
inline int pageOf(const tavrel::ui::frmIP& form, QWidget* w) {
    for (int i = 0; i < form.pages()->count(); ++i)
        if (form.pages()->widget(i)->isAncestorOf(w)) return i;
    return -1;
}

// Brings the control's page to the front and gives it the focus.
inline bool focusOn(tavrel::ui::frmIP& form, QWidget* w) {
    if (!w) return false;
    form.pages()->setCurrentIndex(pageOf(form, w));
    w->setFocus();
    return QTest::qWaitFor([w] { return w->hasFocus(); }, 1000);
}

// Clicks the item of the filing-status list with that text.
inline void clickStatus(tavrel::ui::frmIP& form, const QString& text) {
    QListWidget* list = form.filingStatusList();
    form.pages()->setCurrentIndex(pageOf(form, list));
    const auto items = list->findItems(text, Qt::MatchExactly);
    if (items.size() != 1) throw std::runtime_error("no list item " + text.toStdString());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
}

}  // namespace inputtest
