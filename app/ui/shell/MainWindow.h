#pragma once
// The main window: menus, toolbar and status bar over an empty client area.
// Every command is forwarded to the controller; the window itself keeps only
// its placement and shows what the shell routines tell it.

#include "base/ShellView.h"

#include "returnengine/law/LawEdition.h"

#include <QMainWindow>

#include <array>
#include <functional>

class QAction;
namespace tavrel::ui {
class Desk;
}
class QLabel;
class QSettings;

namespace tavrel::ui {

class MainWindow final : public QMainWindow, public shell::ShellView {
    Q_OBJECT
public:
    struct Commands {
        std::function<void()> newFile, open, save, saveAs, preview, print, viewReports, exit, inputs, fonts,
            helpContents, helpSearch, about;
        std::function<void()> refresh;                // the desk's answer, computed again
        std::function<void()> exportPdf, exportData;  // File > Export PDF, Export Data
        std::function<void(bool)> oneWindow;          // Options > Reports in One Window
        std::function<void(int)> recent;              // 1 to 5
        std::function<void(osgrin::LawEdition)> law;  // Options > Tax Law
    };

    explicit MainWindow(QWidget* parent = nullptr);
    void setCommands(Commands commands) { commands_ = std::move(commands); }

    // A toolbar button by its key ("New", "Open", "Save", "Input", "Preview",
    // "Print", "Help"); a key that matches none does nothing.
    void runToolbarKey(const QString& key);
    // During an analysis no command may start another one or change the inputs.
    void setBusy(bool busy);

    // Placement in the user's settings, group "Settings" (stored in twips).
    void restorePlacement(QSettings& settings);
    void savePlacement(QSettings& settings) const;

    void setStatusFile(const std::string& currentFile) override;
    void setRecentFileItem(int index, bool visible, const std::string& caption) override;
    void setRecentSeparatorVisible(bool visible) override;
    void setStatusLaw(osgrin::LawEdition law, const std::string& lawText) override;
    // Changes that come in a burst (one keystroke writes both years) are
    // answered once, when the event loop next runs.
    void scenarioChanged() override;

    Desk& desk() const { return *desk_; }
    // The check of Options > Reports in One Window.
    void setReportsInOneWindow(bool oneWindow);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* addCommand(QMenu* menu, const char* name, const QString& text, std::function<void()> Commands::*command);
    void run(std::function<void()> Commands::*command);

    Commands commands_;
    Desk* desk_;
    bool refreshPending_ = false;
    QLabel* status_;
    QLabel* lawStatus_;
    QAction* lawTables_ = nullptr;
    QAction* lawEnacted_ = nullptr;
    QAction* oneWindow_ = nullptr;
    std::array<QAction*, 5> recent_{};
    QAction* recentSeparator_ = nullptr;
    QList<QAction*> busyBlocked_;
    bool closing_ = false;
};

}  // namespace tavrel::ui
