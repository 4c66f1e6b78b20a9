#pragma once
// The input form: four pages of fields bound to the planner and the two
// entered returns. Every change of a field is written at once into its bound
// property; OK commits the scenario through its file, Cancel puts back the
// scenario as it was when the form opened. Ctrl+Z and Ctrl+Shift+Z undo and
// redo the edits field by field.

#include "input/FieldTable.h"
#include "ui/input/EditHistory.h"
#include "ui/input/FormLayout.h"
#include "ui/input/TextChange.h"

#include "base/Shell.h"

#include <QDialog>

#include <functional>
#include <map>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace tavrel {
class TaxError;
}
namespace mirvane {
class AMT;
}

namespace tavrel::ui {

class frmIP final : public QDialog {
    Q_OBJECT
public:
    // Builds the controls and runs the load: captions, the fields filled from
    // the bound properties, then the edits of the planner and its four returns
    // opened.
    explicit frmIP(shell::Shell& shell, QWidget* parent = nullptr);
    ~frmIP() override;

    // The year captions: the plan year in use and the next.
    void SetFormDates();
    // lblFilename := the current file.
    void SetInitialIP();

    bool isLoading() const { return loading_; }

    // A control or label by name and index ("txtWages", 2); null when none.
    QWidget* control(std::string_view name, int index = -1) const;
    QLineEdit* textBox(std::string_view name, int index = -1) const;
    QCheckBox* checkBox(std::string_view name, int index) const;
    QLabel* label(std::string_view name, int index = -1) const;
    QListWidget* filingStatusList() const;
    QComboBox* planYearList() const;
    QTabWidget* pages() const { return tabs_; }
    QPlainTextEdit* helpBox() const { return help_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    // Shows the page of the control (an object name, "txtMaxInc") and puts the focus on it.
    void focusControl(std::string_view objectName);
    // Take back the last edit, or take it again.
    void undoEdit();
    void redoEdit();

    // Cancel: the scenario, and whether it was saved, as when the form opened.
    void reject() override;

    // What a rejected keystroke does to be heard; QApplication::beep unless replaced.
    void setBeep(std::function<void()> beep) { edit_.beep = std::move(beep); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    void connectControls();
    void beginEdits();
    void gotFocus(QWidget& w, const fields::Field& f);
    void lostFocus(QWidget& w, const fields::Field& f);
    void textChanged(QLineEdit& box, const fields::Field& f);
    void flagClicked(const fields::Field& f);
    void filingStatusChanged(int row);
    void writeFilingStatus(std::string_view listText);
    void planYearChosen(const fields::Field& f);
    // The plan-year list and every caption that names a year, for the plan year in use.
    void showPlanYear();
    void okClicked();
    void filenameClicked();
    void markUnsaved();
    void reportWarning(const TaxError& e, std::string_view location);
    // Undo: the value a field shows as text, and putting one back.
    QString valueOf(const fields::Field& f) const;
    void replay(const EditStep& step, const QString& value);
    void recordEdit(const fields::Field& f, const QString& before);
    void commitFocusedEdit();
    // The scenario as the form opened it; a Save As from the form moves it on.
    void keepOpenedScenario();

    shell::Shell& shell_;
    EditContext edit_;
    bool loading_ = false;
    ControlMap controls_;
    std::map<const QObject*, const fields::Field*> fieldOf_;
    QWidget* lastFocused_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QPlainTextEdit* help_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::shared_ptr<mirvane::AMT> opened_;
    bool openedSaved_ = true;
    std::optional<std::int16_t> openedYearOverride_;
    EditHistory history_;
    QString focusedText_;     // the text of the focused field when it got the focus
    bool replaying_ = false;  // an undo or redo is writing: not a new edit
    int statusRow_ = -1;      // the filing status shown before the latest choice
};

// Creates the form (which loads it), centres it and shows the current file,
// without showing it: InitIP shows it modally, tests drive it directly. Errors
// come back with the location "InitIP".
std::unique_ptr<frmIP> LoadIP(shell::Shell& shell, QWidget* parent);

// The input form, shown modally until OK or Cancel, with the focus on the
// named control (empty: the first field).
void InitIP(shell::Shell& shell, QWidget* parent, std::string_view focus = {});

}  // namespace tavrel::ui
