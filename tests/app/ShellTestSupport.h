#pragma once
// Fakes for the shell's collaborators: dialogs answered from a script and
// recorded, a main window that records what it was told, and a shell over them.

#include "base/ConsoleServices.h"
#include "base/Shell.h"

#include <deque>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace testsupport {

using namespace tavrel::shell;

class ScriptedDialogs final : public DialogService {
public:
    struct Shown {
        std::string title, text;
        Icon icon;
        Buttons buttons;
    };
    std::deque<Answer> answers;                        // for message boxes with a choice
    std::deque<std::optional<std::string>> fileNames;  // for open and save dialogs
    std::vector<Shown> shown;

    Answer message(std::string_view title, std::string_view text, Icon icon, Buttons buttons) override {
        shown.push_back({std::string(title), std::string(text), icon, buttons});
        if (buttons == Buttons::Ok || answers.empty()) return Answer::Ok;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::string> openFileName(const FileDialogOptions&, std::string&) override { return nextName(); }
    std::optional<std::string> saveFileName(const FileDialogOptions&, std::string&) override { return nextName(); }
    std::optional<ReportFlags> chooseReports(std::string_view caption, const ReportFlags& current) override {
        shown.push_back({std::string(caption), "", Icon::None, Buttons::Ok});
        if (cancelReports) return std::nullopt;
        return current;
    }
    bool cancelReports = false;  // the selection dialog is cancelled
    std::optional<PrintSetup> printSetup(const PrintSetup& current) override {
        shown.push_back({"Print Reports", "", Icon::None, Buttons::Ok});
        if (!printTo) return std::nullopt;
        PrintSetup s = current;
        s.pdfFile = *printTo;
        return s;
    }
    std::optional<std::string> printTo;  // a PDF file to print to; nothing cancels printing
    std::optional<FontChoice> chooseFont(const FontChoice& current) override { return current; }
    bool errorWarning(std::string_view text) override {
        shown.push_back({"Error Warning", std::string(text), Icon::None, Buttons::Ok});
        return dontShowAgain;
    }
    void updateAlert(std::string_view text) override {
        shown.push_back({"Update Alert", std::string(text), Icon::None, Buttons::Ok});
    }
    void about() override { shown.push_back({"About", "", Icon::None, Buttons::Ok}); }
    int startupChoice() override {
        shown.push_back({"Startup Options", "", Icon::None, Buttons::Ok});
        return startup;
    }
    bool dontShowAgain = false;
    int startup = 0;

private:
    std::optional<std::string> nextName() {
        if (fileNames.empty()) return std::nullopt;
        auto n = fileNames.front();
        fileNames.pop_front();
        return n;
    }
};

class RecordingView final : public ShellView {
public:
    std::string status;
    std::string law;
    std::map<int, std::pair<bool, std::string>> recent;
    bool separator = false;
    void setStatusFile(const std::string& f) override { status = "File: " + f; }
    void setStatusLaw(osgrin::LawEdition, const std::string& text) override { law = text; }
    void setRecentFileItem(int i, bool visible, const std::string& caption) override { recent[i] = {visible, caption}; }
    void setRecentSeparatorVisible(bool v) override { separator = v; }
};

// A shell with scripted dialogs and a recording view.
struct TestShell {
    AppState state;
    ScriptedDialogs dialogs;
    std::ostringstream errorText;
    ConsoleErrorReporter errors{errorText};
    RecordingView view;
    Shell shell{state, dialogs, errors, view};
};

}  // namespace testsupport
