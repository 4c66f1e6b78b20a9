#include "scenario/ScenarioFiles.h"

#include "base/LawChoice.h"

#include "base/ProgramInfo.h"
#include "base/RecentFiles.h"
#include "base/Settings.h"

#include "common/ErrorTrap.h"
#include "planner/AMT.h"
#include "planner/ScenarioFile.h"

#include <filesystem>

namespace tavrel::shell {
namespace {

constexpr const char* kUnsavedText = "Current Inputs have not been Saved!\nDo you want to save them first?";

FileDialogOptions fileDialog(const AppState& s, std::string title) {
    return {std::move(title), s.DataFilePath, s.CurrentFile, "AMT"};
}

// The three-button question before New and Open discard unsaved inputs; false
// stops the command (Cancel, or Yes and a Save As that did not save).
bool isDebugFile(const AppState& s, const std::string& file) { return file == s.ProgramFolder + "/" + s.DebugFile; }

std::string baseName(const std::string& file) {
    const auto slash = file.find_last_of('/');
    return slash == std::string::npos ? file : file.substr(slash + 1);
}

std::string changedOnDiskText(const std::string& file) {
    return baseName(file) +
           " has been changed on disk since this program opened or saved it (by another program "
           "or another person).\n\nOverwrite it with the inputs shown here, save them under "
           "another name, or cancel?";
}

// Writes the whole scenario and records the file as written.
void writeScenario(Shell& shell, const std::string& file) {
    AppState& s = shell.state;
    if (!s.IsSilent) {
        s.DataFilePath = GetPath(file);
        writeSetting(shell, "Data Files", "Data File Path", s.DataFilePath);
    }
    mirvane::SaveScenario(*s.Planner, file);
    if (isDebugFile(s, file)) return;
    s.IsSaved = true;
    s.CurrentFileStamp = stampOf(file);
}

bool mayDiscardUnsaved(Shell& shell) {
    if (shell.state.IsSilent || shell.state.IsSaved) return true;
    const Answer a =
        shell.dialogs.message("Unsaved Data Exists!", kUnsavedText, Icon::Exclamation, Buttons::YesNoCancel);
    if (a == Answer::Cancel) return false;
    if (a == Answer::Yes) return SaveAs(shell);
    return true;
}

// The whole scenario from one reading of the file; an error names the file.
void loadScenario(mirvane::AMT& planner, const std::string& file) {
    guarded(Location("OpenFile \"", file, "\""), [&] { mirvane::LoadScenario(planner, file); });
}

}  // namespace

void ClearAllData(Shell& shell) { shell.state.Planner = mirvane::NewScenario(); }

bool isScenarioFile(const std::string& path) { return mirvane::IsScenarioFile(path); }

OpenResult OpenFile(Shell& shell, std::string_view name) {
    AppState& s = shell.state;
    if (!mayDiscardUnsaved(shell)) return OpenResult::Cancelled;
    std::string file(name);
    if (file.empty() && !s.IsSilent) {
        std::string folder = s.DataFilePath;
        const auto chosen = shell.dialogs.openFileName(fileDialog(s, "Open"), folder);
        if (!chosen || chosen->empty()) {
            shell.dialogs.message("WARNING", "Filename Empty!", Icon::Critical, Buttons::Ok);
            return OpenResult::Cancelled;
        }
        file = *chosen;
        s.DataFilePath = folder;
    }
    if (!FileExists(file)) {
        // The name that was not found does not become the current file.
        shell.dialogs.message("WARNING", file + " does not exist.", Icon::Exclamation, Buttons::Ok);
        return OpenResult::Missing;
    }
    // Taken before reading, so that a change made while it is read still counts.
    const FileStamp stamp = stampOf(file);
    loadScenario(*s.Planner, file);
    s.CurrentFileStamp = stamp;
    if (name.empty() && !s.IsSilent) MaintMRUList(shell, file);
    s.CurrentFile = file;
    if (!s.IsSilent) {
        shell.view.setStatusFile(s.CurrentFile);
        ShowLaw(shell);
    }
    s.IsSaved = true;
    return OpenResult::Opened;
}

bool Save(Shell& shell, std::string_view name) {
    AppState& s = shell.state;
    const std::string file(name);
    // A scenario without a file of its own is saved under a name the user chooses.
    if (file.empty() && !s.IsSilent) return SaveAs(shell);
    if (!s.IsSilent && !isDebugFile(s, file) && changedSince(s.CurrentFileStamp, file)) {
        switch (shell.dialogs.message("File Changed", changedOnDiskText(file), Icon::Exclamation,
                                      Buttons::OverwriteSaveAsCancel)) {
        case Answer::Yes: break;  // Overwrite
        case Answer::No: return SaveAs(shell);
        default: return false;
        }
    }
    writeScenario(shell, file);
    return true;
}

bool SaveAs(Shell& shell) {
    AppState& s = shell.state;
    std::string folder = s.DataFilePath;
    const auto chosen = shell.dialogs.saveFileName(fileDialog(s, "Save As"), folder);
    if (!chosen || chosen->empty()) {
        shell.dialogs.message("WARNING", "Filename Empty!", Icon::Critical, Buttons::Ok);
        return false;
    }
    const std::string file = withScenarioExtension(*chosen);
    // The name and the recent-file entry are adopted only once the save
    // succeeded; the file dialog has already asked before replacing a file.
    writeScenario(shell, file);
    s.CurrentFile = file;
    s.DataFilePath = folder.empty() ? GetPath(file) : folder;
    MaintMRUList(shell, s.CurrentFile);
    shell.view.setStatusFile(s.CurrentFile);
    return true;
}

bool NewFile(Shell& shell, const std::function<void()>& showInputForm) {
    AppState& s = shell.state;
    if (!mayDiscardUnsaved(shell)) return false;
    ClearAllData(shell);
    s.CurrentFile = s.DataFilePath + "/UNTITLED.AMT";
    s.CurrentFileStamp = {};  // a file of that name is someone else's until saved
    shell.view.setStatusFile(s.CurrentFile);
    ShowLaw(shell);
    s.IsSaved = true;
    if (showInputForm) showInputForm();
    mirvane::AMT& p = *s.Planner;
    p.BeginEdit();
    for (osgrin::iTop* r : {&p.cur(), &p.nxt(), &p.curAcc(), &p.nxtAcc()}) r->BeginEdit();
    return true;
}

bool GetInputs(Shell& shell) {
    AppState& s = shell.state;
    if (!Save(shell, s.CurrentFile)) return false;
    ClearAllData(shell);
    loadScenario(*s.Planner, s.CurrentFile);
    return true;
}

std::string withScenarioExtension(const std::string& file) {
    return baseName(file).find('.') == std::string::npos ? file + ".amt" : file;
}

std::string displayName(const std::string& file) { return file.empty() ? "Untitled" : baseName(file); }

std::string GetPath(std::string_view fullName) {
    const auto slash = fullName.find_last_of('/');
    if (slash == std::string_view::npos) return {};
    return slash == 0 ? std::string("/") : std::string(fullName.substr(0, slash));
}

bool FileExists(std::string_view name) {
    if (name.empty()) return false;
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::path(name), ec);
}

}  // namespace tavrel::shell
