#pragma once
// The input form: four pages of fields bound to the planner and the two
// entered returns. Every change of a field is written at once into its bound
// property; OK commits the scenario through its file, Cancel keeps what was
// typed in the objects.

#include "input/FieldTable.h"
#include "ui/input/FormLayout.h"
#include "ui/input/TextChange.h"

#include "base/Shell.h"

#include <QDialog>

#include <functional>
#include <map>
#include <memory>
#include <string_view>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace tavrel {
class TaxError;
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

    // The year captions.
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
    QTabWidget* pages() const { return tabs_; }
    QPlainTextEdit* helpBox() const { return help_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

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
    void okClicked();
    void filenameClicked();
    void markUnsaved();
    void reportWarning(const TaxError& e, std::string_view location);

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
};

// Creates the form (which loads it), centres it and shows the current file,
// without showing it: InitIP shows it modally, tests drive it directly. Errors
// come back with the location "InitIP".
std::unique_ptr<frmIP> LoadIP(shell::Shell& shell, QWidget* parent);

// The input form, shown modally until OK or Cancel.
void InitIP(shell::Shell& shell, QWidget* parent);

}  // namespace tavrel::ui
