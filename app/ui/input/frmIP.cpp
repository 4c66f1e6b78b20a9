#include "ui/input/frmIP.h"

#include "ui/input/FieldBinding.h"
#include "ui/input/FilingStatusRule.h"
#include "ui/input/FormHelpers.h"
#include "ui/input/KeptSpouseTwo.h"

#include "base/LawChoice.h"
#include "base/ProgramInfo.h"
#include "base/YearText.h"
#include "scenario/ScenarioFiles.h"

#include "planner/AMT.h"
#include "common/ErrorTrap.h"
#include "common/TaxError.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tavrel::ui {
namespace {

using fields::Field;
using fields::Kind;

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Focus that leaves or returns because another window came up (a message box,
// a popup) is not the user moving between fields.
bool windowSwitch(const QFocusEvent& e) {
    return e.reason() == Qt::ActiveWindowFocusReason || e.reason() == Qt::PopupFocusReason;
}

bool isEnter(const QKeyEvent& e) { return e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter; }

}  // namespace

frmIP::frmIP(shell::Shell& shell, QWidget* parent)
    : QDialog(parent), shell_(shell), edit_{shell, [] { QApplication::beep(); }} {
    setObjectName("frmIP");
    setWindowTitle("Inputs");

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("vsTabIP");
    buildPages(*tabs_, controls_);

    help_ = new QPlainTextEdit(this);
    help_->setObjectName("txtHelp");
    help_->setReadOnly(true);
    help_->setFocusPolicy(Qt::NoFocus);
    help_->setFixedHeight(help_->fontMetrics().lineSpacing() * 5);

    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("btnOK");
    cancel_ = new QPushButton("&Cancel", this);
    cancel_->setObjectName("btnCancel");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(help_);
    layout->addLayout(buttons);

    // Enter moves to the next field; no button reacts to it.
    for (QPushButton* b : findChildren<QPushButton*>()) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    // Undo and redo also where the focus is on no text box (a check box, the
    // list, a button); a text box's own keys are taken in eventFilter.
    auto* undo = new QShortcut(QKeySequence::Undo, this, [this] { undoEdit(); });
    auto* redo = new QShortcut(QKeySequence::Redo, this, [this] { redoEdit(); });
    undo->setContext(Qt::WidgetWithChildrenShortcut);
    redo->setContext(Qt::WidgetWithChildrenShortcut);

    keepOpenedScenario();
    connectControls();
    load();
}

void frmIP::keepOpenedScenario() {
    opened_ = shell_.state.Planner->clone();
    openedSaved_ = shell_.state.IsSaved;
    openedYearOverride_ = shell_.state.PlanYearOverride;
}

void frmIP::reject() {
    // Every edit went straight into the objects: Cancel puts the whole scenario back.
    shell_.state.Planner = opened_;
    shell_.state.IsSaved = openedSaved_;
    shell_.state.PlanYearOverride = openedYearOverride_;
    shell_.view.scenarioChanged();
    QDialog::reject();
}

QString frmIP::valueOf(const Field& f) const {
    QWidget* w = control(f.control, f.index);
    if (auto* box = qobject_cast<QLineEdit*>(w)) return box->text();
    if (auto* check = qobject_cast<QCheckBox*>(w)) return check->isChecked() ? "True" : "False";
    if (auto* list = qobject_cast<QListWidget*>(w)) return QString::number(list->currentRow());
    if (auto* years = qobject_cast<QComboBox*>(w)) return years->currentText();
    return {};
}

void frmIP::recordEdit(const Field& f, const QString& before) {
    if (replaying_ || loading_) return;
    history_.record({&f, before, valueOf(f)});
}

void frmIP::replay(const EditStep& step, const QString& value) {
    const Field& f = *step.field;
    replaying_ = true;
    focusControl(fields::objectName(f.control, f.index));
    QWidget* w = control(f.control, f.index);
    if (auto* box = qobject_cast<QLineEdit*>(w)) {
        box->setText(value);
        box->setText(fields::boundText(*shell_.state.Planner, f));
        SelectAll(*box);
        focusedText_ = box->text();
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        check->setChecked(value == "True");
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        list->setCurrentRow(value.toInt());
    } else if (auto* years = qobject_cast<QComboBox*>(w)) {
        years->setCurrentText(value);
    }
    replaying_ = false;
}

void frmIP::commitFocusedEdit() {
    // The field being typed in counts as left: its edit is a step of its own,
    // the first an undo takes back, and one that ends what could be redone.
    if (const auto it = fieldOf_.find(focusWidget()); it != fieldOf_.end() && qobject_cast<QLineEdit*>(focusWidget())) {
        recordEdit(*it->second, focusedText_);
        focusedText_ = valueOf(*it->second);
    }
}

void frmIP::undoEdit() {
    commitFocusedEdit();
    if (const auto step = history_.undo()) replay(*step, step->before);
}

void frmIP::redoEdit() {
    commitFocusedEdit();
    if (const auto step = history_.redo()) replay(*step, step->after);
}

void frmIP::focusControl(std::string_view objectName) {
    const auto it = controls_.find(std::string(objectName));
    if (it == controls_.end()) return;
    QWidget* w = it->second;
    for (int page = 0; page < tabs_->count(); ++page) {
        if (tabs_->widget(page)->isAncestorOf(w)) tabs_->setCurrentIndex(page);
    }
    w->setFocus(Qt::OtherFocusReason);
}

frmIP::~frmIP() = default;

void frmIP::connectControls() {
    for (const Field& f : fields::fieldTable()) {
        QWidget* w = control(f.control, f.index);
        fieldOf_[w] = &f;
        w->installEventFilter(this);
        if (auto* box = qobject_cast<QLineEdit*>(w)) {
            connect(box, &QLineEdit::textChanged, this, [this, box, &f] { textChanged(*box, f); });
        } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
            connect(check, &QCheckBox::toggled, this, [this, &f] { flagClicked(f); });
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            // The selection, not the current row: a list that gets the focus
            // without a selection makes its first row current without choosing it.
            connect(list, &QListWidget::itemSelectionChanged, this, [this, list] {
                const auto chosen = list->selectedItems();
                if (!chosen.isEmpty()) filingStatusChanged(list->row(chosen.first()));
            });
        } else if (auto* years = qobject_cast<QComboBox*>(w)) {
            connect(years, &QComboBox::currentTextChanged, this, [this, &f] { planYearChosen(f); });
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            connect(button, &QPushButton::clicked, this, &frmIP::filenameClicked);
        }
    }
    connect(ok_, &QPushButton::clicked, this, &frmIP::okClicked);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* frmIP::control(std::string_view name, int index) const {
    const auto it = controls_.find(fields::objectName(name, index));
    return it == controls_.end() ? nullptr : it->second;
}

QLineEdit* frmIP::textBox(std::string_view name, int index) const {
    return qobject_cast<QLineEdit*>(control(name, index));
}

QCheckBox* frmIP::checkBox(std::string_view name, int index) const {
    return qobject_cast<QCheckBox*>(control(name, index));
}

QLabel* frmIP::label(std::string_view name, int index) const { return qobject_cast<QLabel*>(control(name, index)); }

QListWidget* frmIP::filingStatusList() const { return qobject_cast<QListWidget*>(control("lstFileStat")); }

QComboBox* frmIP::planYearList() const { return qobject_cast<QComboBox*>(control("cboPlanYear")); }

void frmIP::SetFormDates() {
    const shell::YearTexts years = shell::yearTexts(shell::effectivePlanYear(shell_.state));
    for (const fields::Caption& c : fields::captionTable()) {
        if (QLabel* l = label(c.control, c.index))
            l->setText(qs(c.prefix) + qs(c.nextYear ? years.next : years.current));
    }
}

void frmIP::showPlanYear() {
    {
        const QSignalBlocker quiet(planYearList());
        planYearList()->setCurrentText(QString::number(shell::effectivePlanYear(shell_.state)));
    }
    SetFormDates();
    // The filing status words some of the same captions.
    if (const auto chosen = filingStatusList()->selectedItems(); !chosen.isEmpty())
        applyFilingStatusLayout(chosen.first()->text().toStdString(), controls_,
                                shell::effectivePlanYear(shell_.state));
}

void frmIP::SetInitialIP() {
    if (QLabel* l = label(fields::kFilenameLabel)) l->setText(QString::fromStdString(shell_.state.CurrentFile));
}

void frmIP::load() {
    loading_ = true;
    showPlanYear();
    mirvane::AMT& planner = *shell_.state.Planner;
    for (const Field& f : fields::fieldTable()) {
        if (fields::isTextBox(f.kind)) {
            textBox(f.control, f.index)->setText(fields::boundText(planner, f));
        } else if (f.kind == Kind::Choice) {
            // A status outside 1 to 5 shows no selection and is not rewritten.
            bool ok = false;
            const int status = qs(fields::readTarget(planner, f).getProperty(f.property)).toInt(&ok);
            QListWidget* list = filingStatusList();
            const int row =
                ok && status >= 1 && status <= static_cast<int>(fields::kFilingStatusTexts.size()) ? status - 1 : -1;
            list->setCurrentRow(row);
            if (row < 0) list->clearSelection();
        }
    }
    // The check boxes: the blind flags, then the over-65 flags.
    for (std::string_view kind : {"chkBlind", "chk65"}) {
        for (const Field& f : fields::fieldTable()) {
            if (f.control != kind) continue;
            const std::string flag = fields::readTarget(planner, f).getProperty(f.property);
            checkBox(f.control, f.index)->setChecked(flag == "True");
        }
    }
    beginEdits();
    // A return's own load ends its own edit, so the returns ignored the status
    // written while the list was filled; now that they are being edited it is
    // written again.
    if (const auto chosen = filingStatusList()->selectedItems(); !chosen.isEmpty())
        writeFilingStatus(chosen.first()->text().toStdString());
    loading_ = false;
}

void frmIP::beginEdits() {
    mirvane::AMT& planner = *shell_.state.Planner;
    planner.BeginEdit();
    planner.cur().BeginEdit();
    planner.nxt().BeginEdit();
    planner.curAcc().BeginEdit();
    planner.nxtAcc().BeginEdit();
}

void frmIP::markUnsaved() {
    shell_.state.IsSaved = false;
    shell_.view.scenarioChanged();
}

void frmIP::reportWarning(const TaxError& e, std::string_view location) {
    shell_.errors.ReportWarning(e.number(), e.description(), std::string(location) + "\r" + e.source(),
                                shell::kFileDescription);
}

bool frmIP::eventFilter(QObject* watched, QEvent* event) {
    const auto it = fieldOf_.find(watched);
    if (it == fieldOf_.end()) return QDialog::eventFilter(watched, event);
    QWidget& w = *static_cast<QWidget*>(watched);
    const Field& f = *it->second;
    switch (event->type()) {
    case QEvent::FocusIn: {
        // Coming back from another window to the same field is no new visit.
        const auto& fe = static_cast<const QFocusEvent&>(*event);
        if (!(windowSwitch(fe) && lastFocused_ == &w)) gotFocus(w, f);
        break;
    }
    case QEvent::FocusOut:
        if (!windowSwitch(static_cast<const QFocusEvent&>(*event))) lostFocus(w, f);
        break;
    case QEvent::KeyPress:
        if (const auto& key = static_cast<const QKeyEvent&>(*event); key.matches(QKeySequence::Undo)) {
            undoEdit();
            return true;
        } else if (key.matches(QKeySequence::Redo)) {
            redoEdit();
            return true;
        }
        if ((fields::isTextBox(f.kind) || f.kind == Kind::Choice || f.kind == Kind::Year) &&
            isEnter(static_cast<const QKeyEvent&>(*event))) {
            // Enter acts as Tab: swallowed, and a Tab sent in its place.
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QCoreApplication::sendEvent(&w, &tab);
            return true;
        }
        break;
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}

void frmIP::gotFocus(QWidget& w, const Field& f) {
    lastFocused_ = &w;
    focusedText_ = valueOf(f);
    if (auto* box = qobject_cast<QLineEdit*>(&w)) SelectAll(*box);
    help_->setPlainText(qs(f.help));
}

void frmIP::lostFocus(QWidget& w, const Field& f) {
    auto* box = qobject_cast<QLineEdit*>(&w);
    if (!box) return;
    // A number left unfinished ("6,") is said to be no number before the
    // field goes back to the value it holds.
    NumberFieldLeft(*box, f, edit_);
    // The field shows the object's own text for what it holds.
    try {
        box->setText(fields::boundText(*shell_.state.Planner, f));
    } catch (const TaxError& e) {
        reportWarning(e, "frmIP." + fields::objectName(f.control, f.index) + "_LostFocus");
    }
    recordEdit(f, focusedText_);
    focusedText_ = box->text();
}

void frmIP::textChanged(QLineEdit& box, const Field& f) {
    if (loading_) return;
    if (fields::zeroWhenEmpty(f.kind) && box.text().isEmpty()) {
        box.setText("0");  // the change this raises writes the 0
        SelectAll(box);    // so that the next keystroke replaces it
        return;
    }
    for (PropertyBag* object : fields::writeTargets(*shell_.state.Planner, f)) {
        const TextChgResult r = FieldChg(box, *object, f, edit_);
        if (r == TextChgResult::Accepted && !edit_.restoring) markUnsaved();
    }
}

void frmIP::flagClicked(const Field& clicked) {
    if (loading_) return;
    recordEdit(clicked, valueOf(clicked) == "True" ? "False" : "True");
    // All four boxes of the kind are written, in the order of the table.
    mirvane::AMT& planner = *shell_.state.Planner;
    for (const Field& f : fields::fieldTable()) {
        if (f.control != clicked.control) continue;
        try {
            for (PropertyBag* object : fields::writeTargets(planner, f))
                object->letProperty(f.property, checkBox(f.control, f.index)->isChecked() ? "True" : "False");
            markUnsaved();
        } catch (const TaxError& e) {
            reportWarning(e, "frmIP." + std::string(f.control) + "_Click");
        }
    }
}

void frmIP::filingStatusChanged(int row) {
    // A first choice has no status to go back to: the list cannot show none again.
    if (statusRow_ >= 0) recordEdit(*fields::findField("lstFileStat"), QString::number(statusRow_));
    statusRow_ = row;
    const std::string_view text = fields::kFilingStatusTexts.at(static_cast<std::size_t>(row));
    writeFilingStatus(text);
    applyFilingStatusLayout(text, controls_, shell::effectivePlanYear(shell_.state));
    // Spouse 2's amounts under a status without a second spouse: asked about
    // when the user chooses it, marked when a scenario opens with them.
    showKeptSpouseTwo(shell_, controls_, filingStatusOf(text), !loading_);
}

void frmIP::writeFilingStatus(std::string_view listText) {
    const Field& f = *fields::findField("lstFileStat");
    const std::string status = std::to_string(filingStatusOf(listText));
    // One filing status for both years. While loading, the write counts as a
    // change only when it gives a year another status than the file had.
    bool changed = !loading_;
    try {
        for (PropertyBag* object : fields::writeTargets(*shell_.state.Planner, f)) {
            const std::string before = object->getProperty(f.property);
            object->letProperty(f.property, status);
            changed = changed || object->getProperty(f.property) != before;
        }
    } catch (const TaxError& e) {
        reportWarning(e, "frmIP.lstFileStat_Click");
    }
    if (changed) markUnsaved();
}

void frmIP::planYearChosen(const Field& f) {
    if (loading_) return;
    const QString before = QString::number(shell::effectivePlanYear(shell_.state));
    const std::int16_t kept = mirvane::currentTaxYear(*shell_.state.Planner);
    try {
        shell::ChoosePlanYear(shell_, static_cast<std::int16_t>(planYearList()->currentText().toInt()));
    } catch (const TaxError& e) {
        reportWarning(e, "frmIP." + fields::objectName(f.control, f.index) + "_Click");
        showPlanYear();  // back to the year in use
        return;
    }
    recordEdit(f, before);
    if (mirvane::currentTaxYear(*shell_.state.Planner) != kept) markUnsaved();
    showPlanYear();
}

void frmIP::okClicked() {
    // OK by its shortcut leaves the focus where it is: a number still being
    // typed ("6,") is said to be none, and the form stays open.
    if (auto* box = qobject_cast<QLineEdit*>(focusWidget()); box && edit_.unfinished.contains(box)) {
        lostFocus(*box, *fieldOf_.at(box));
        return;
    }
    try {
        // A cancelled Save As (no current file) or overwrite question keeps the form open.
        if (!shell::GetInputs(shell_)) return;
    } catch (const TaxError& e) {
        // The form stays open; the save may have ended the edits, so they are opened again.
        reportWarning(e, "GetInputs");
        try {
            beginEdits();
        } catch (const TaxError& again) {
            reportWarning(again, "frmIP.btnOK_Click");
        }
        return;
    }
    accept();
}

void frmIP::filenameClicked() {
    try {
        // What is saved is what a later Cancel goes back to.
        if (shell::SaveAs(shell_)) keepOpenedScenario();
    } catch (const TaxError& e) {
        reportWarning(e, "SaveAs");
    }
    // The save ended the edits of the planner and the returns.
    try {
        beginEdits();
    } catch (const TaxError& e) {
        reportWarning(e, "frmIP.btnFilename_Click");
    }
    SetInitialIP();
}

std::unique_ptr<frmIP> LoadIP(shell::Shell& shell, QWidget* parent) {
    return tavrel::guarded("InitIP", [&] {
        auto form = std::make_unique<frmIP>(shell, parent);
        CenterForm(*form);
        form->SetInitialIP();
        return form;
    });
}

void InitIP(shell::Shell& shell, QWidget* parent, std::string_view focus) {
    const auto form = LoadIP(shell, parent);
    if (!focus.empty()) form->focusControl(focus);
    form->exec();
}

}  // namespace tavrel::ui
