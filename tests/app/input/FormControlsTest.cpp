// The input form's controls: every one exists with its name, its kind of
// widget, its page and its caption; the year captions; the list's texts; and
// every text box writes into the property it stands for; and the layout, which
// holds still whatever the filing status and shows every list row, heading
// and amount in full.
#include "InputFormTestSupport.h"

#include "input/AmountEntry.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace inputtest;

namespace {

// Expected text boxes: name, page, and the object and property they write.
struct Box {
    const char* name;
    int page;
    const char* year;
    const char* part;
    const char* property;
};

const Box kBoxes[] = {
    {"txtSpouse1", 0, "both", "top", "Spouse1"},
    {"txtSpouse2", 0, "both", "top", "Spouse2"},
    {"txtLine2", 0, "both", "top", "ScenarioDesc"},
    {"txtDep_0", 0, "cur", "top", "Dependents"},
    {"txtDep_1", 0, "nxt", "top", "Dependents"},
    {"txtMaxInc", 0, "planner", "", "MaxItemizedTaxDeferred"},
    {"txtDisRate", 0, "planner", "", "AfterTaxDiscount"},
    {"txtWages_0", 1, "cur", "inc", "WageSp1"},
    {"txtWages_1", 1, "cur", "inc", "WageSp2"},
    {"txtWages_2", 1, "nxt", "inc", "WageSp1"},
    {"txtWages_3", 1, "nxt", "inc", "WageSp2"},
    {"txtSEInc_0", 1, "cur", "inc", "SEIncSp1"},
    {"txtSEInc_1", 1, "cur", "inc", "SEIncSp2"},
    {"txtSEInc_2", 1, "nxt", "inc", "SEIncSp1"},
    {"txtSEInc_3", 1, "nxt", "inc", "SEIncSp2"},
    {"txtLCapGain_0", 1, "cur", "inc", "LTCG"},
    {"txtLCapGain_1", 1, "nxt", "inc", "LTCG"},
    {"txtSCapGain_0", 1, "cur", "inc", "STCG"},
    {"txtSCapGain_1", 1, "nxt", "inc", "STCG"},
    {"txtOtherSE_0", 1, "cur", "inc", "OtherNonSEInc"},
    {"txtOtherSE_1", 1, "nxt", "inc", "OtherNonSEInc"},
    {"txtOAdjInc_0", 2, "cur", "adj", "OtherAdj2Inc"},
    {"txtOAdjInc_1", 2, "nxt", "adj", "OtherAdj2Inc"},
    {"txtDed_0", 3, "cur", "item", "MedPmts"},
    {"txtDed_1", 3, "nxt", "item", "MedPmts"},
    {"txtDed_2", 3, "cur", "item", "OtherTaxes"},
    {"txtDed_3", 3, "nxt", "item", "OtherTaxes"},
    {"txtDed_4", 3, "cur", "item", "HomeMortIntReg"},
    {"txtDed_5", 3, "nxt", "item", "HomeMortIntReg"},
    {"txtDed_6", 3, "cur", "item", "HomeMortIntAmt"},
    {"txtDed_7", 3, "nxt", "item", "HomeMortIntAmt"},
    {"txtDed_8", 3, "cur", "item", "OtherIntDed"},
    {"txtDed_9", 3, "nxt", "item", "OtherIntDed"},
    {"txtDed_10", 3, "cur", "item", "CasualtyDed"},
    {"txtDed_11", 3, "nxt", "item", "CasualtyDed"},
    {"txtDed_12", 3, "cur", "item", "CharDed"},
    {"txtDed_13", 3, "nxt", "item", "CharDed"},
    {"txtDed_14", 3, "cur", "item", "MiscDedPmts"},
    {"txtDed_15", 3, "nxt", "item", "MiscDedPmts"},
};

// Labels and their captions after a load with a joint filing status.
const std::pair<const char*, const char*> kLabels[] = {
    {"lblSpouse1", "Spouse #1"},
    {"lblSpouse2", "Spouse #2"},
    {"Label2", "Optional Second Line:"},
    {"lblDependents", "Exemptions"},
    {"lblOver65", "Over 65"},
    {"lblBlind", "Blind"},
    {"lblMaxIncomeAccel", "Maximum Amount Of Itemized Taxes That Can Be Deferred"},
    {"lblRate", "After-Tax  Discount Rate (5%=5)"},
    {"lblWages", "Wages"},
    {"Label3", "SE Income"},
    {"Label6", "Long-Term Cap Gain(-Loss)"},
    {"Label7", "Short-Term Cap Gain(-Loss)"},
    {"Label8", "Other Non-Self-Employment Income"},
    {"Label5", "Other Adjustments to Income"},
    {"lblMedDed", "Medical Payments"},
    {"Label13", "State & Local Taxes Before Deferral"},
    {"Label14", "Home Mortgage Interest - Deductible for AMT"},
    {"Label16", "Home Mortgage Interest - Not Deductible for AMT"},
    {"Label18", "Other Interest Deductible For Regular Tax, But Not For AMT"},
    {"Label17", "Casualty Loss Deduction"},
    {"Label19", "Charitable Deduction"},
    {"Label15", "Miscellaneous Deduction Payments"},
    {"lblYear_0", "2008"},
    {"lblYear_1", "2009"},
    {"lblYear_2", "2008"},
    {"lblYear_3", "2009"},
    {"lblSpouse_0", "Spouse 1 \n2008"},
    {"lblSpouse_1", "Spouse 2 2008"},
    {"lblSpouse_2", "Spouse 1 \n2009"},
    {"lblSpouse_3", "Spouse 2 2009"},
    {"lblSpYr_0", "Spouse 1\n2008"},
    {"lblSpYr_1", "Spouse 2 2008"},
    {"lblSpYr_2", "Spouse 1\n2009"},
    {"lblSpYr_3", "Spouse 2 2009"},
    {"lblBaseYr", "All items are before increasing income in 2008"},
    {"lblAdjIncYr1", "2008"},
    {"lblAdjIncYr2", "2009"},
    {"lblItemYr1", "2008"},
    {"lblItemYr2", "2009"},
};

}  // namespace

class FormControlsTest : public QObject {
    Q_OBJECT
private slots:
    void formPagesAndButtons();
    void everyTextBoxExistsOnItsPage();
    void labelsShowTheirCaptions();
    void checkBoxesAndTheList();
    void everyTextBoxWritesItsProperty_data();
    void everyTextBoxWritesItsProperty();
    void otherInterestHasAHelpText();
    void layoutStaysPutAcrossStatuses();
    void numberBoxesShowTheWidestAmountRightAligned();
    void statusListAndHeadingsAreReadable();
};

void FormControlsTest::formPagesAndButtons() {
    FormShell t;
    auto form = tavrel::ui::LoadIP(t.shell, nullptr);
    QCOMPARE(form->objectName(), QString("frmIP"));
    QCOMPARE(form->windowTitle(), QString("Inputs"));
    QTabWidget* tabs = form->findChild<QTabWidget*>("vsTabIP");
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 4);
    QCOMPARE(tabs->tabText(0), QString("&Initial Inputs"));
    QCOMPARE(tabs->tabText(1), QString("I&ncome"));
    QCOMPARE(tabs->tabText(2), QString("&Adjustments to Income"));
    QCOMPARE(tabs->tabText(3), QString("I&temized Deductions"));
    auto* help = form->findChild<QPlainTextEdit*>("txtHelp");
    QVERIFY(help && help->isReadOnly());
    QCOMPARE(form->findChild<QPushButton*>("btnOK")->text(), QString("OK"));
    QCOMPARE(form->findChild<QPushButton*>("btnCancel")->text(), QString("&Cancel"));
    auto* fileButton = form->findChild<QPushButton*>("btnFilename");
    QVERIFY(fileButton);
    QCOMPARE(fileButton->text(), QString("Change or set filename"));
    QCOMPARE(pageOf(*form, fileButton), 0);
    QVERIFY(form->findChild<QLabel*>("lblFilename"));
}

void FormControlsTest::everyTextBoxExistsOnItsPage() {
    FormShell t;
    auto form = tavrel::ui::LoadIP(t.shell, nullptr);
    for (const Box& b : kBoxes) {
        auto* box = form->findChild<QLineEdit*>(b.name);
        QVERIFY2(box, b.name);
        QVERIFY2(pageOf(*form, box) == b.page, b.name);
    }
    QCOMPARE(form->findChildren<QLineEdit*>().size(), qsizetype(std::size(kBoxes)));
}

void FormControlsTest::labelsShowTheirCaptions() {
    FormShell t;
    t.open("j.amt", scenario("Filing Status=2\n", "Filing Status=2\n"));
    auto form = tavrel::ui::LoadIP(t.shell, nullptr);
    for (const auto& [name, caption] : kLabels) {
        auto* label = form->findChild<QLabel*>(name);
        QVERIFY2(label, name);
        QCOMPARE(label->text(), QString(caption));
    }
}

void FormControlsTest::checkBoxesAndTheList() {
    FormShell t;
    auto form = tavrel::ui::LoadIP(t.shell, nullptr);
    for (const char* kind : {"chk65", "chkBlind"}) {
        for (int i = 0; i < 4; ++i) {
            const QString name = QString("%1_%2").arg(kind).arg(i);
            auto* box = form->findChild<QCheckBox*>(name);
            QVERIFY2(box, qPrintable(name));
            QCOMPARE(pageOf(*form, box), 0);
        }
    }
    QCOMPARE(form->findChildren<QCheckBox*>().size(), qsizetype(8));
    auto* list = form->findChild<QListWidget*>("lstFileStat");
    QVERIFY(list);
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    QCOMPARE(texts, (QStringList{"Single", "Joint", "Married Filing Seperate", "Head of Household", "Widow"}));
    // A new scenario's returns have no filing status yet: nothing is selected.
    QVERIFY(list->selectedItems().isEmpty());
}

void FormControlsTest::everyTextBoxWritesItsProperty_data() {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < std::size(kBoxes); ++i) QTest::newRow(kBoxes[i].name) << static_cast<int>(i);
}

void FormControlsTest::everyTextBoxWritesItsProperty() {
    QFETCH(int, row);
    const Box& b = kBoxes[row];
    FormShell t;
    t.open("j.amt", scenario("Filing Status=2\n", "Filing Status=2\n"));
    auto form = showForm(t);
    auto* box = form->findChild<QLineEdit*>(b.name);
    QVERIFY(focusOn(*form, box));
    QTest::keyClicks(box, "47");
    const std::string year = b.year;
    auto value = [&](const std::string& y) { return t.get(y, b.part, b.property); };
    if (year == "both") {
        const std::string expected = "47" + std::string(48, ' ');
        QCOMPARE(value("cur"), expected);
        QCOMPARE(value("nxt"), expected);
    } else {
        QCOMPARE(value(year), std::string("47"));
        // The other year keeps its own value.
        if (year != "planner") QVERIFY(value(year == "cur" ? "nxt" : "cur") != "47");
    }
    QVERIFY(t.dialogs.shown.empty());
    QVERIFY(t.errors.reports.empty());
}

void FormControlsTest::otherInterestHasAHelpText() {
    FormShell t;
    auto form = showForm(t);
    for (int i : {8, 9}) {
        QVERIFY(focusOn(*form, form->textBox("txtDed", i)));
        QVERIFY(form->helpBox()->toPlainText().contains("interest"));
    }
}

namespace {

// Where a widget is on the form, and how big.
QRect onForm(const QWidget& form, const QWidget* w) { return QRect(w->mapTo(&form, QPoint(0, 0)), w->size()); }

// The form's size and, on every page, where one control that every status
// shows sits.
QList<QRect> layoutOf(tavrel::ui::frmIP& form) {
    QList<QRect> l{QRect(QPoint(), form.size())};
    for (const char* name : {"txtSpouse1", "chk65_0", "txtWages_0", "txtLCapGain_1", "txtOAdjInc_1", "txtDed_15"}) {
        QWidget* w = form.findChild<QWidget*>(name);
        form.pages()->setCurrentIndex(pageOf(form, w));
        QApplication::processEvents();
        l << onForm(form, w);
    }
    form.pages()->setCurrentIndex(0);
    return l;
}

}  // namespace

void FormControlsTest::layoutStaysPutAcrossStatuses() {
    QList<QRect> first;
    for (const char* loaded : {"1", "2"}) {
        FormShell t;
        const std::string status = std::string("Filing Status=") + loaded + "\n";
        t.open("s.amt", scenario(status, status));
        auto form = showForm(t);
        const QList<QRect> opened = layoutOf(*form);
        if (first.isEmpty()) first = opened;
        QCOMPARE(opened, first);  // whichever status the scenario opens with
        for (const char* clicked : {"Joint", "Single", "Married Filing Seperate", "Head of Household", "Widow"}) {
            clickStatus(*form, clicked);
            QCOMPARE(layoutOf(*form), first);
        }
    }
}

void FormControlsTest::numberBoxesShowTheWidestAmountRightAligned() {
    FormShell t;
    t.open("j.amt", scenario("Filing Status=2\n", "Filing Status=2\n"));
    auto form = showForm(t);
    const QString widest = "-922,337,203,685,477";  // the money type's widest whole-dollar text
    int checked = 0;
    for (const tavrel::ui::fields::Field& f : tavrel::ui::fields::fieldTable()) {
        QLineEdit* box = form->textBox(f.control, f.index);
        if (!box) continue;
        const QString name = box->objectName();
        const bool number = tavrel::ui::fields::entryRule(f) != tavrel::ui::fields::EntryRule::AsTyped;
        QVERIFY2(bool(box->alignment() & Qt::AlignRight) == number, qPrintable(name));
        if (!number) continue;
        form->pages()->setCurrentIndex(pageOf(*form, box));
        QApplication::processEvents();
        // With the caret at its end, the start of the text is still inside the
        // box: nothing scrolled out of sight.
        box->setText(widest);
        box->setCursorPosition(static_cast<int>(widest.size()));
        const int caret = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        const int start = caret - box->fontMetrics().horizontalAdvance(widest);
        QVERIFY2(start > 0, qPrintable(name + QString(": text starts at %1").arg(start)));
        ++checked;
    }
    QCOMPARE(checked, 36);
}

void FormControlsTest::statusListAndHeadingsAreReadable() {
    for (const char* status : {"1", "2", "4"}) {
        FormShell t;
        const std::string line = std::string("Filing Status=") + status + "\n";
        t.open("s.amt", scenario(line, line));
        auto form = showForm(t);
        QListWidget* list = form->filingStatusList();
        QApplication::processEvents();
        for (int row = 0; row < list->count(); ++row) {
            const QRect item = list->visualItemRect(list->item(row));
            QVERIFY2(list->viewport()->rect().contains(item), qPrintable(list->item(row)->text()));
            QVERIFY2(item.width() >= list->fontMetrics().horizontalAdvance(list->item(row)->text()),
                     qPrintable(list->item(row)->text()));
        }
        // The headings of one line of columns neither overlap nor lose text.
        const QStringList lines[] = {{"lblSpouse_0", "lblSpouse_1", "lblSpouse_2", "lblSpouse_3"},
                                     {"lblYear_0", "lblYear_1"},
                                     {"lblSpYr_0", "lblSpYr_1", "lblSpYr_2", "lblSpYr_3"},
                                     {"lblYear_2", "lblYear_3"},
                                     {"lblAdjIncYr1", "lblAdjIncYr2"},
                                     {"lblItemYr1", "lblItemYr2"}};
        for (const QStringList& names : lines) {
            QList<QLabel*> shown;
            for (const QString& name : names) {
                auto* label = form->findChild<QLabel*>(name);
                form->pages()->setCurrentIndex(pageOf(*form, label));
                QApplication::processEvents();
                if (label->isHidden()) continue;
                const QSize text = label->fontMetrics().size(0, label->text());
                QVERIFY2(label->width() >= text.width() && label->height() >= text.height(), qPrintable(name));
                shown << label;
            }
            for (qsizetype i = 0; i + 1 < shown.size(); ++i)
                QVERIFY2(!onForm(*form, shown[i]).intersects(onForm(*form, shown[i + 1])),
                         qPrintable(shown[i]->objectName() + " touches " + shown[i + 1]->objectName()));
        }
    }
}

QTEST_MAIN(FormControlsTest)
#include "FormControlsTest.moc"
