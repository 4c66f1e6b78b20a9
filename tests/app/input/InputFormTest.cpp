// The input form as a whole: what the load shows and writes, the filing-status
// rule, the check boxes, and the OK, Cancel and file-name buttons.
#include "InputFormTestSupport.h"

#include "ui/input/FieldBinding.h"
#include "ui/input/FormHelpers.h"
#include "ui/input/KeptSpouseTwo.h"
#include "base/ProgramInfo.h"
#include "input/PlainError.h"
#include "planner/ScenarioFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include <cstring>
#include <filesystem>

using namespace inputtest;
using tavrel::shell::Answer;
using tavrel::shell::Buttons;
using tavrel::shell::kFileDescription;

namespace {

const std::string kExample = std::string(TAVREL_EXAMPLES) + "/joint-high-income.amt";

// The text of one section of a scenario file, from its header to the next one.
std::string section(const std::string& file, const std::string& name) {
    const std::string text = testsupport::readFile(file);
    const auto begin = text.find("[" + name + "]");
    if (begin == std::string::npos) return {};
    const auto end = text.find('[', begin + 1);
    return text.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const char* const kSpouseTwoControls[] = {"txtSpouse2", "lblSpouse2", "lblSpouse_1", "lblSpouse_3", "chkBlind_1",
                                          "chkBlind_3", "chk65_1",    "chk65_3",     "lblSpYr_1",   "lblSpYr_3",
                                          "txtWages_1", "txtWages_3", "txtSEInc_1",  "txtSEInc_3"};

QString caption(const tavrel::ui::frmIP& form, const char* name) {
    auto* l = form.findChild<QLabel*>(name);
    return l ? l->text() : QString("<missing %1>").arg(name);
}

}  // namespace

class InputFormTest : public QObject {
    Q_OBJECT
private slots:
    void loadFillsTheFieldsAndOpensTheEdits();
    void statusThreeSelectsMarriedSeparateForBothYears();
    void spouseTwoAmountsWithoutASecondSpouse_data();
    void spouseTwoAmountsWithoutASecondSpouse();
    void filingStatusRule_data();
    void filingStatusRule();
    void planYearChoice_data();
    void planYearChoice();
    void statusOutsideTheListShowsNoSelection();
    void allFourBlindFlagsShowChecked();
    void clickOnOneBoxWritesAllFourOfItsKind();
    void cancelPutsBackTheScenarioAsItWasWhenTheFormOpened();
    void undoAndRedoGoFieldByFieldBackToTheOpenedState();
    void okWithoutACurrentFileActsAsSaveAs();
    void okSavesToTheCurrentFileAndRebuildsTheObjects();
    void okWithTheFocusStillInAFieldLeavesTheRebuiltObjectsUntouched();
    void okWhoseSaveFailsKeepsTheFormOpen();
    void filenameButtonSavesUnderTheChosenName();
    void filenameButtonCancelledSavesNothing();
    void formIsCentredOnTheScreen();
};

void InputFormTest::loadFillsTheFieldsAndOpensTheEdits() {
    FormShell t;
    const std::string file = t.dir.file("joint.amt");
    std::filesystem::copy_file(kExample, file);
    QVERIFY(tavrel::shell::OpenFile(t.shell, file) == tavrel::shell::OpenResult::Opened);
    // A save ends every edit; the form opens them again.
    tavrel::shell::Save(t.shell, file);
    QVERIFY(!t.planner().isEditing());

    auto form = tavrel::ui::LoadIP(t.shell, nullptr);
    QVERIFY(!form->isLoading());
    QCOMPARE(form->textBox("txtWages", 0)->text(), QString("310,000"));
    QCOMPARE(form->textBox("txtWages", 2)->text(), QString("480,000"));
    QCOMPARE(form->textBox("txtWages", 1)->text(), QString("0"));
    QCOMPARE(form->textBox("txtOtherSE", 1)->text(), QString("4,000"));
    QCOMPARE(form->textBox("txtDed", 2)->text(), QString("32,000"));
    QCOMPARE(form->textBox("txtDed", 3)->text(), QString("6,000"));
    QCOMPARE(form->textBox("txtDed", 4)->text(), QString("16,000"));  // deductible for both taxes
    QCOMPARE(form->textBox("txtDed", 6)->text(), QString("3,000"));   // not deductible for AMT
    QCOMPARE(form->textBox("txtDed", 9)->text(), QString("1,500"));
    QCOMPARE(form->textBox("txtDep", 1)->text(), QString("3"));
    QCOMPARE(form->textBox("txtMaxInc")->text(), QString("40,000"));
    QCOMPARE(form->textBox("txtDisRate")->text(), QString("5"));
    QCOMPARE(form->textBox("txtSpouse1")->text(), QString("Ann Whitfield"));  // shown without the padding
    QCOMPARE(form->textBox("txtLine2")->text(), QString("Year-end bonus; state taxes due in December"));
    QCOMPARE(form->filingStatusList()->currentItem()->text(), QString("Joint"));
    QCOMPARE(form->label("lblFilename")->text(), QString::fromStdString(file));

    QVERIFY(t.planner().isEditing());
    for (osgrin::iTop* r : {&t.planner().cur(), &t.planner().nxt(), &t.planner().curAcc(), &t.planner().nxtAcc()})
        QVERIFY(r->isEditing());
    QVERIFY(t.state.IsSaved);  // the load itself changed nothing
}

void InputFormTest::statusThreeSelectsMarriedSeparateForBothYears() {
    FormShell t;
    t.open("sep.amt", scenario("Filing Status=3\n", "Filing Status=2\n"));
    auto form = tavrel::ui::LoadIP(t.shell, nullptr);
    QListWidget* list = form->filingStatusList();
    QCOMPARE(list->currentRow(), 2);
    QCOMPARE(list->selectedItems().size(), 1);
    QCOMPARE(list->selectedItems().first()->text(), QString("Married Filing Seperate"));
    QCOMPARE(t.get("cur", "top", "FilingStatus"), std::string("3"));
    QCOMPARE(t.get("nxt", "top", "FilingStatus"), std::string("3"));
    // The next year no longer holds what the file holds.
    QVERIFY(!t.state.IsSaved);
    for (const char* name : kSpouseTwoControls) QVERIFY2(!form->findChild<QWidget*>(name)->isHidden(), name);
    QCOMPARE(caption(*form, "lblSpouse1"), QString("Spouse #1"));
    QCOMPARE(caption(*form, "lblSpouse_0"), QString("Spouse 1 \n2008"));
    QCOMPARE(caption(*form, "lblSpouse_2"), QString("Spouse 1 \n2009"));
    QCOMPARE(caption(*form, "lblSpYr_0"), QString("Spouse 1\n2008"));
    QCOMPARE(caption(*form, "lblSpYr_2"), QString("Spouse 1\n2009"));
    QCOMPARE(caption(*form, "lblSpouse_1"), QString("Spouse 2 2008"));
    QCOMPARE(caption(*form, "lblSpYr_3"), QString("Spouse 2 2009"));
}

void InputFormTest::spouseTwoAmountsWithoutASecondSpouse_data() {
    QTest::addColumn<QString>("loaded");    // the filing status of both years in the file
    QTest::addColumn<QString>("curLines");  // Spouse 2's amounts in the file
    QTest::addColumn<QString>("nxtLines");
    QTest::addColumn<QStringList>("clicks");   // statuses chosen, in order
    QTest::addColumn<QStringList>("answers");  // to the questions, in order
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QStringList>("kept");    // the fields shown and marked afterwards
    QTest::addColumn<QStringList>("values");  // year.property=value afterwards
    QTest::addColumn<QString>("totalInc");    // of the current year: 20,000 of it is Spouse 1's
    const QString wages = "Wages Spouse 2=30,000\n";
    const QString askSingleWages =
        "Spouse 2 has amounts entered (wages 2008: 30,000; wages 2009: 32,000). A Single return has no second "
        "spouse, but amounts kept for Spouse 2 still count in the tax. Clear them?";
    QTest::newRow("joint to single, yes clears both years")
        << "2" << wages << "Wages Spouse 2=32,000\n"
        << QStringList{"Single"} << QStringList{"Yes"} << QStringList{askSingleWages} << QStringList{}
        << QStringList{"cur.WageSp2=0", "nxt.WageSp2=0"} << "20,000";
    QTest::newRow("joint to single, no keeps them in sight")
        << "2" << wages << "Wages Spouse 2=32,000\n"
        << QStringList{"Single"} << QStringList{"No"} << QStringList{askSingleWages}
        << QStringList{"txtWages_1", "txtWages_3"} << QStringList{"cur.WageSp2=30,000", "nxt.WageSp2=32,000"}
        << "50,000";
    QTest::newRow("joint to widow, next year's self-employment income")
        << "2" << "" << "SE Inc Spouse 2=5,000\n" << QStringList{"Widow"} << QStringList{"No"}
        << QStringList{"Spouse 2 has amounts entered (self-employment income 2009: 5,000). A Widow return has no "
                       "second spouse, but amounts kept for Spouse 2 still count in the tax. Clear them?"}
        << QStringList{"txtSEInc_3"} << QStringList{"nxt.SEIncSp2=5,000"} << "20,000";
    QTest::newRow("joint to head of household, yes")
        << "2" << "SE Inc Spouse 2=7,000\n" << "" << QStringList{"Head of Household"} << QStringList{"Yes"}
        << QStringList{"Spouse 2 has amounts entered (self-employment income 2008: 7,000). A Head of Household "
                       "return has no second spouse, but amounts kept for Spouse 2 still count in the tax. "
                       "Clear them?"}
        << QStringList{} << QStringList{"cur.SEIncSp2=0"} << "20,000";
    QTest::newRow("kept once, not asked again")
        << "2" << wages << "" << QStringList{"Single", "Widow"} << QStringList{"No"}
        << QStringList{"Spouse 2 has amounts entered (wages 2008: 30,000). A Single return has no second spouse, "
                       "but amounts kept for Spouse 2 still count in the tax. Clear them?"}
        << QStringList{"txtWages_1"} << QStringList{"cur.WageSp2=30,000"} << "50,000";
    QTest::newRow("back to joint: no longer marked")
        << "2" << wages << "" << QStringList{"Single", "Joint"} << QStringList{"No"}
        << QStringList{"Spouse 2 has amounts entered (wages 2008: 30,000). A Single return has no second spouse, "
                       "but amounts kept for Spouse 2 still count in the tax. Clear them?"}
        << QStringList{} << QStringList{"cur.WageSp2=30,000"} << "50,000";
    QTest::newRow("nothing entered: no question") << "2"
                                                  << ""
                                                  << "" << QStringList{"Single"} << QStringList{} << QStringList{}
                                                  << QStringList{} << QStringList{"cur.WageSp2=0"} << "20,000";
    QTest::newRow("married separately has a second spouse")
        << "2" << wages << "" << QStringList{"Married Filing Seperate"} << QStringList{} << QStringList{}
        << QStringList{} << QStringList{"cur.WageSp2=30,000"} << "50,000";
    QTest::newRow("opened under single: marked, not asked")
        << "1" << wages << "" << QStringList{} << QStringList{} << QStringList{} << QStringList{"txtWages_1"}
        << QStringList{"cur.WageSp2=30,000"} << "50,000";
}

void InputFormTest::spouseTwoAmountsWithoutASecondSpouse() {
    QFETCH(QString, loaded);
    QFETCH(QString, curLines);
    QFETCH(QString, nxtLines);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, questions);
    QFETCH(QStringList, kept);
    QFETCH(QStringList, values);
    QFETCH(QString, totalInc);
    FormShell t;
    const std::string status = "Filing Status=" + loaded.toStdString() + "\n";
    t.open("s.amt",
           scenario(status + "Wages Spouse 1=20,000\n" + curLines.toStdString(), status + nxtLines.toStdString()));
    for (const QString& a : answers) t.dialogs.answers.push_back(a == "Yes" ? Answer::Yes : Answer::No);
    auto form = showForm(t);
    for (const QString& c : clicks) clickStatus(*form, c);

    QCOMPARE(t.dialogs.shown.size(), std::size_t(questions.size()));
    for (qsizetype i = 0; i < questions.size(); ++i) {
        QCOMPARE(QString::fromStdString(t.dialogs.shown[i].text), questions[i]);
        QCOMPARE(t.dialogs.shown[i].title, std::string(kFileDescription));
        QVERIFY(t.dialogs.shown[i].buttons == Buttons::YesNo);
    }
    QVERIFY(t.dialogs.answers.empty());
    for (const QString& v : values) {
        const QString year = v.section('.', 0, 0), property = v.section('.', 1).section('=', 0, 0);
        QCOMPARE(QString::fromStdString(t.get(year.toStdString(), "inc", property.toStdString())), v.section('=', 1));
    }
    for (const char* name : {"txtWages_1", "txtWages_3", "txtSEInc_1", "txtSEInc_3"}) {
        QLineEdit* box = form->findChild<QLineEdit*>(name);
        const bool isKept = kept.contains(name);
        QVERIFY2(box->property("keptForSpouseTwo").toBool() == isKept, name);
        QCOMPARE(box->toolTip(), isKept ? QString(tavrel::ui::kKeptSpouseTwoTip) : QString());
        if (!isKept) continue;
        QVERIFY2(!box->isHidden(), name);
        // Under the caption of its column.
        QVERIFY2(!form->findChild<QLabel*>(QString("lblSpYr_") + name[std::strlen(name) - 1])->isHidden(), name);
    }
    // Cleared or kept, each field shows what its return holds, and the engine
    // counts what the returns hold.
    for (const char* name : {"txtWages_1", "txtWages_3", "txtSEInc_1", "txtSEInc_3"}) {
        const tavrel::ui::fields::Field* f = tavrel::ui::fields::findField(
            QString(name).section('_', 0, 0).toStdString(), QString(name).section('_', 1).toInt());
        QCOMPARE(form->findChild<QLineEdit*>(name)->text(), tavrel::ui::fields::boundText(t.planner(), *f));
    }
    t.planner().cur().Calculate();
    QCOMPARE(QString::fromStdString(t.get("cur", "top", "TotalInc")), totalInc);
}

// The plan-year list: a year the law plans is the scenario's (unsaved) and
// the captions name it and the next; one it does not plan is refused with the
// plain message, and the list goes back.
void InputFormTest::planYearChoice_data() {
    QTest::addColumn<QString>("law");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("location");  // of the warning; empty: accepted
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("enacted plans 2003") << "Enacted"
                                        << "2003" << QString()
                                        << QStringList{"lblYear_0=2003", "lblYear_1=2004",
                                                       "lblSpouse_0=Spouse 1 \n2003", "lblSpYr_2=Spouse 1\n2004",
                                                       "lblItemYr2=2004"};
    QTest::newRow("the 2008 tables refuse 2025")
        << "2008 Tables"
        << "2025"
        << "frmIP.cboPlanYear_Click\r2025 is not a plan year under the law edition \"2008 Tables\", which plans "
           "2008; \"Enacted\" plans 2001 to 2025"
        << QStringList{"lblYear_0=2008", "lblYear_1=2009", "lblSpouse_0=Spouse 1 \n2008", "lblSpYr_2=Spouse 1\n2009",
                       "lblItemYr2=2009"};
}

void InputFormTest::planYearChoice() {
    QFETCH(QString, law);
    QFETCH(QString, chosen);
    QFETCH(QString, location);
    QFETCH(QStringList, captions);
    FormShell t;
    t.open("y.amt", scenario("Filing Status=2\n", "Filing Status=2\n",
                             "Max Amount Deferred=10,000\nLaw Edition=" + law.toStdString() + "\n"));
    auto form = tavrel::ui::LoadIP(t.shell, nullptr);
    QCOMPARE(form->planYearList()->currentText(), QString("2008"));
    form->planYearList()->setCurrentText(chosen);

    const bool accepted = location.isEmpty();
    QCOMPARE(form->planYearList()->currentText(), accepted ? chosen : QString("2008"));
    QCOMPARE(QString::fromStdString(t.planner().getProperty("PlanYear")), accepted ? chosen : QString("2008"));
    QCOMPARE(t.state.IsSaved, !accepted);
    QCOMPARE(t.errors.reports.size(), std::size_t(accepted ? 0 : 1));
    if (!accepted) {
        QCOMPARE(t.errors.reports[0].number, 380);
        QCOMPARE(t.errors.reports[0].description, std::string("Invalid property value"));
        QCOMPARE(QString::fromStdString(t.errors.reports[0].location), location);
        QCOMPARE(tavrel::ui::fields::plainSentence(380, "", t.errors.reports[0].location, 2008),
                 std::string("Plan Year: 2025 is not a plan year under the law edition \"2008 Tables\", which plans "
                             "2008; \"Enacted\" plans 2001 to 2025."));
    }
    for (const QString& c : captions) QCOMPARE(caption(*form, qPrintable(c.section('=', 0, 0))), c.section('=', 1));
}

void InputFormTest::filingStatusRule_data() {
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<QStringList>("hidden");
    QTest::addColumn<QStringList>("captions");  // name=caption
    const QStringList all = {"txtSpouse2", "lblSpouse2", "lblSpouse_1", "lblSpouse_3", "chkBlind_1",
                             "chkBlind_3", "chk65_1",    "chk65_3",     "lblSpYr_1",   "lblSpYr_3",
                             "txtWages_1", "txtWages_3", "txtSEInc_1",  "txtSEInc_3"};
    QTest::newRow("joint to widow") << "2"
                                    << "Widow" << all
                                    << QStringList{"lblSpouse1=Client", "lblSpouse_0=Client\n2008",
                                                   "lblSpYr_0=Client\n2008", "lblSpouse_2=Client\n2009",
                                                   "lblSpYr_2=Client\n2009"};
    QTest::newRow("single to joint") << "1"
                                     << "Joint" << QStringList{}
                                     << QStringList{"lblSpouse1=Spouse #1", "lblSpouse_0=Spouse 1 \n2008",
                                                    "lblSpouse_2=Spouse 1 \n2009", "lblSpYr_0=Spouse 1\n2008",
                                                    "lblSpYr_2=Spouse 1\n2009"};
    // Head of Household shows the spouse-2 boxes and their captions and
    // leaves everything else as the previous status had it.
    QTest::newRow("single to head of household")
        << "1"
        << "Head of Household" << QStringList{"txtSpouse2", "lblSpouse2", "lblSpYr_1",  "lblSpYr_3",
                                              "txtWages_1", "txtWages_3", "txtSEInc_1", "txtSEInc_3"}
        << QStringList{"lblSpouse1=Client", "lblSpouse_0=Spouse 1\n2008", "lblSpouse_2=Spouse 1\n2009",
                       "lblSpYr_0=Client\n2008", "lblSpYr_2=Client\n2009"};
    QTest::newRow("joint to head of household")
        << "2"
        << "Head of Household" << QStringList{}
        << QStringList{"lblSpouse1=Spouse #1", "lblSpouse_0=Spouse 1\n2008", "lblSpYr_0=Spouse 1\n2008"};
    QTest::newRow("widow to married separate")
        << "5"
        << "Married Filing Seperate" << QStringList{} << QStringList{"lblSpouse1=Spouse #1"};
}

void InputFormTest::filingStatusRule() {
    QFETCH(QString, loaded);
    QFETCH(QString, clicked);
    QFETCH(QStringList, hidden);
    QFETCH(QStringList, captions);
    FormShell t;
    const std::string status = "Filing Status=" + loaded.toStdString() + "\n";
    t.open("s.amt", scenario(status, status));
    auto form = showForm(t);
    clickStatus(*form, clicked);
    const std::string expected = std::to_string(1 + form->filingStatusList()->currentRow());
    QCOMPARE(form->filingStatusList()->currentItem()->text(), clicked);
    QCOMPARE(t.get("cur", "top", "FilingStatus"), expected);
    QCOMPARE(t.get("nxt", "top", "FilingStatus"), expected);
    for (const char* name : kSpouseTwoControls)
        QVERIFY2(form->findChild<QWidget*>(name)->isHidden() == hidden.contains(name), name);
    for (const QString& c : captions) {
        const QString name = c.section('=', 0, 0);
        QCOMPARE(caption(*form, name.toUtf8().constData()), c.section('=', 1));
    }
}

void InputFormTest::statusOutsideTheListShowsNoSelection() {
    FormShell t;
    t.open("odd.amt", scenario("Filing Status=9\n", "Filing Status=2\n"));
    auto form = showForm(t);
    QListWidget* list = form->filingStatusList();
    QVERIFY(list->selectedItems().isEmpty());
    QVERIFY(t.state.IsSaved);
    // Passing through the list chooses nothing.
    QVERIFY(focusOn(*form, list));
    QTest::keyClick(list, Qt::Key_Tab);
    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(t.get("cur", "top", "FilingStatus"), std::string("9"));
    QCOMPARE(t.get("nxt", "top", "FilingStatus"), std::string("2"));
    QVERIFY(t.state.IsSaved);

    clickStatus(*form, "Joint");
    QCOMPARE(t.get("cur", "top", "FilingStatus"), std::string("2"));
    QCOMPARE(t.get("nxt", "top", "FilingStatus"), std::string("2"));
    QVERIFY(!t.state.IsSaved);
}

void InputFormTest::allFourBlindFlagsShowChecked() {
    FormShell t;
    const std::string blind = "Filing Status=2\nSpouse 1 Blind=True\nSpouse 2 Blind=True\n";
    t.open("blind.amt", scenario(blind, blind));
    auto form = tavrel::ui::LoadIP(t.shell, nullptr);
    for (int i = 0; i < 4; ++i) {
        QVERIFY(form->checkBox("chkBlind", i)->isChecked());
        QVERIFY(!form->checkBox("chk65", i)->isChecked());
    }
    for (const char* year : {"cur", "nxt"}) {
        QCOMPARE(t.get(year, "top", "IsSp1Blind"), std::string("True"));
        QCOMPARE(t.get(year, "top", "IsSp2Blind"), std::string("True"));
        QCOMPARE(t.get(year, "top", "IsSp1Over65"), std::string("False"));
    }
    QVERIFY(t.state.IsSaved);
}

void InputFormTest::clickOnOneBoxWritesAllFourOfItsKind() {
    FormShell t;
    t.open("old.amt", scenario("Filing Status=2\n", "Filing Status=2\nSpouse 1 Over 65=True\n"));
    auto form = showForm(t);
    QCOMPARE(form->checkBox("chk65", 0)->isChecked(), false);
    QCOMPARE(form->checkBox("chk65", 1)->isChecked(), false);
    QCOMPARE(form->checkBox("chk65", 2)->isChecked(), true);
    QCOMPARE(form->checkBox("chk65", 3)->isChecked(), false);

    QCheckBox* box = form->checkBox("chk65", 0);
    form->pages()->setCurrentIndex(pageOf(*form, box));
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(box->isChecked());
    QCOMPARE(t.get("cur", "top", "IsSp1Over65"), std::string("True"));
    QCOMPARE(t.get("cur", "top", "IsSp2Over65"), std::string("False"));
    QCOMPARE(t.get("nxt", "top", "IsSp1Over65"), std::string("True"));
    QCOMPARE(t.get("nxt", "top", "IsSp2Over65"), std::string("False"));
    QCOMPARE(t.get("cur", "top", "IsSp1Blind"), std::string("False"));
    QVERIFY(!t.state.IsSaved);

    // Unchecking the next year's box clears its flag and keeps the one just set.
    QTest::mouseClick(form->checkBox("chk65", 2), Qt::LeftButton);
    QCOMPARE(t.get("nxt", "top", "IsSp1Over65"), std::string("False"));
    QCOMPARE(t.get("cur", "top", "IsSp1Over65"), std::string("True"));
}

// The whole scenario as text: every section of the planner and its four returns.
static std::string scenarioText(const mirvane::AMT& planner, const std::string& file) {
    mirvane::SaveScenario(*planner.clone(), file);  // a copy: saving ends the edits
    return testsupport::readFile(file);
}

void InputFormTest::cancelPutsBackTheScenarioAsItWasWhenTheFormOpened() {
    FormShell t;
    const std::string file = t.open("c.amt", scenario("Filing Status=2\nOther Taxes Pd=1,500\n", "Filing Status=2\n"));
    const std::string before = scenarioText(t.planner(), t.dir.file("before.amt"));
    auto form = showForm(t);
    // A return, the other year, the planner and a flag all change.
    QLineEdit* taxes = form->textBox("txtDed", 2);
    QVERIFY(focusOn(*form, taxes));
    QTest::keyClicks(taxes, "9000");
    QVERIFY(focusOn(*form, form->textBox("txtDisRate")));
    QTest::keyClicks(form->textBox("txtDisRate"), "7");
    QTest::mouseClick(form->checkBox("chk65", 2), Qt::LeftButton);
    clickStatus(*form, "Single");
    QVERIFY(!t.state.IsSaved);
    QVERIFY(scenarioText(t.planner(), t.dir.file("edited.amt")) != before);

    QTest::mouseClick(form->cancelButton(), Qt::LeftButton);
    QCOMPARE(form->result(), int(QDialog::Rejected));
    QCOMPARE(scenarioText(t.planner(), t.dir.file("after.amt")), before);
    QVERIFY(t.state.IsSaved);
    QVERIFY(t.planner().isEditing());
    // The next save (a report run saves first) writes the file as it was.
    QVERIFY(tavrel::shell::Save(t.shell, file));
    QCOMPARE(section(file, "Scenario1").find("9,000"), std::string::npos);
}

void InputFormTest::undoAndRedoGoFieldByFieldBackToTheOpenedState() {
    FormShell t;
    t.open("u.amt", scenario("Filing Status=2\n", "Filing Status=2\n"));
    auto form = showForm(t);
    QLineEdit* wages = form->textBox("txtWages", 0);
    QLineEdit* taxes = form->textBox("txtDed", 2);
    QVERIFY(focusOn(*form, wages));
    QTest::keyClicks(wages, "5000");
    QVERIFY(focusOn(*form, taxes));
    QTest::keyClicks(taxes, "700");
    QTest::mouseClick(form->checkBox("chk65", 0), Qt::LeftButton);
    QCOMPARE(t.get("cur", "top", "IsSp1Over65"), std::string("True"));

    const auto key = [&](QKeySequence::StandardKey k) {
        QWidget* w = QApplication::focusWidget();
        QTest::keySequence(w ? w : form.get(), QKeySequence(k));
    };
    // Each undo takes back one field, newest first, in the objects and on the form.
    key(QKeySequence::Undo);
    QCOMPARE(t.get("cur", "top", "IsSp1Over65"), std::string("False"));
    QCOMPARE(t.get("cur", "item", "OtherTaxes"), std::string("700"));
    key(QKeySequence::Undo);
    QCOMPARE(t.get("cur", "item", "OtherTaxes"), std::string("0"));
    QCOMPARE(taxes->text(), QString("0"));
    QCOMPARE(t.get("cur", "inc", "WageSp1"), std::string("5,000"));
    key(QKeySequence::Undo);
    QCOMPARE(t.get("cur", "inc", "WageSp1"), std::string("0"));
    key(QKeySequence::Undo);  // nothing older than the form
    QCOMPARE(t.get("cur", "inc", "WageSp1"), std::string("0"));
    // Redo takes them again in order; a new edit ends the redo.
    key(QKeySequence::Redo);
    QCOMPARE(t.get("cur", "inc", "WageSp1"), std::string("5,000"));
    key(QKeySequence::Redo);
    QCOMPARE(t.get("cur", "item", "OtherTaxes"), std::string("700"));
    QTest::keyClicks(QApplication::focusWidget(), "1");
    key(QKeySequence::Redo);
    QCOMPARE(t.get("cur", "top", "IsSp1Over65"), std::string("False"));
}

void InputFormTest::okWithoutACurrentFileActsAsSaveAs() {
    FormShell t;
    t.state.CurrentFile.clear();
    const std::string folder = t.state.DataFilePath;
    auto form = showForm(t);
    // Cancelling the name keeps the form open and the data folder as it was.
    QTest::mouseClick(form->okButton(), Qt::LeftButton);
    QVERIFY(form->isVisible());
    QCOMPARE(t.state.DataFilePath, folder);
    // A chosen name without an extension gets ".amt" and becomes the current file.
    t.dialogs.fileNames.push_back(t.dir.file("client"));
    QTest::mouseClick(form->okButton(), Qt::LeftButton);
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QCOMPARE(t.state.CurrentFile, t.dir.file("client.amt"));
    QVERIFY(std::filesystem::exists(t.dir.file("client.amt")));
    QCOMPARE(t.state.DataFilePath, folder);
}

void InputFormTest::okSavesToTheCurrentFileAndRebuildsTheObjects() {
    FormShell t;
    const std::string file = t.dir.file("joint.amt");
    std::filesystem::copy_file(kExample, file);
    QVERIFY(tavrel::shell::OpenFile(t.shell, file) == tavrel::shell::OpenResult::Opened);
    auto form = showForm(t);
    QLineEdit* wages = form->textBox("txtWages", 1);
    QVERIFY(focusOn(*form, wages));
    QTest::keyClicks(wages, "25000.4");
    QLineEdit* rate = form->textBox("txtDisRate");
    QVERIFY(focusOn(*form, rate));
    QTest::keyClicks(rate, "6.5");
    const mirvane::AMT* before = t.state.Planner.get();

    QTest::mouseClick(form->okButton(), Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QVERIFY(t.state.Planner.get() != before);
    QVERIFY(t.state.IsSaved);
    QVERIFY(t.errors.reports.empty());
    QVERIFY(contains(section(file, "Scenario1"), "Wages Spouse 2=25,000"));
    QVERIFY(contains(section(file, "Scenario1"), "Wages Spouse 1=310,000"));
    QVERIFY(contains(section(file, "AMT"), "After-Tax Discount=6.5"));
    // The rebuilt objects hold what the file holds.
    QCOMPARE(t.get("cur", "inc", "WageSp2"), std::string("25,000"));
    QCOMPARE(t.get("planner", "", "AfterTaxDiscount"), std::string("6.5"));
    QCOMPARE(t.get("nxt", "inc", "WageSp1"), std::string("480,000"));
}

void InputFormTest::okWithTheFocusStillInAFieldLeavesTheRebuiltObjectsUntouched() {
    FormShell t;
    const std::string file = t.open("a.amt", scenario("Filing Status=2\n", "Filing Status=2\n"));
    auto form = showForm(t);
    QLineEdit* rate = form->textBox("txtDisRate");
    QVERIFY(focusOn(*form, rate));
    QTest::keyClicks(rate, "6.50");
    form->okButton()->click();  // as a shortcut would: the field keeps the focus until the form goes
    QVERIFY(!form->isVisible());
    QVERIFY(contains(section(file, "AMT"), "After-Tax Discount=6.5"));
    QCOMPARE(t.get("planner", "", "AfterTaxDiscount"), std::string("6.5"));
    QVERIFY(t.state.IsSaved);
}

void InputFormTest::okWhoseSaveFailsKeepsTheFormOpen() {
    FormShell t;
    t.open("a.amt", scenario("Filing Status=2\n", "Filing Status=2\n"));
    t.state.CurrentFile = t.dir.file("no-such-folder/a.amt");
    auto form = showForm(t);
    QLineEdit* wages = form->textBox("txtWages", 0);
    QVERIFY(focusOn(*form, wages));
    QTest::keyClicks(wages, "100");
    const mirvane::AMT* before = t.state.Planner.get();

    QTest::mouseClick(form->okButton(), Qt::LeftButton);
    QVERIFY(form->isVisible());
    QCOMPARE(t.errors.reports.size(), std::size_t(1));
    const auto& r = t.errors.reports[0];
    QCOMPARE(r.kind, std::string("warning"));
    QVERIFY(r.number != 0);
    QVERIFY2(r.location.starts_with("GetInputs\r"), r.location.c_str());
    QCOMPARE(r.title, std::string(kFileDescription));
    QVERIFY(!t.state.IsSaved);
    QVERIFY(t.state.Planner.get() == before);
    QVERIFY(!std::filesystem::exists(t.state.CurrentFile));

    // The fields still write into the objects.
    QVERIFY(focusOn(*form, wages));
    QTest::keyClicks(wages, "7");
    QCOMPARE(t.get("cur", "inc", "WageSp1"), std::string("7"));
}

void InputFormTest::filenameButtonSavesUnderTheChosenName() {
    FormShell t;
    const std::string old = t.open("a.amt", scenario("Filing Status=2\n", "Filing Status=2\n"));
    auto form = showForm(t);
    QCOMPARE(form->label("lblFilename")->text(), QString::fromStdString(old));
    QLineEdit* charity = form->textBox("txtDed", 12);
    QVERIFY(focusOn(*form, charity));
    QTest::keyClicks(charity, "750");

    const std::string chosen = t.dir.file("renamed.amt");
    t.dialogs.fileNames.push_back(chosen);
    QPushButton* button = form->findChild<QPushButton*>("btnFilename");
    form->pages()->setCurrentIndex(pageOf(*form, button));
    QTest::mouseClick(button, Qt::LeftButton);

    QCOMPARE(t.state.CurrentFile, chosen);
    QCOMPARE(form->label("lblFilename")->text(), QString::fromStdString(chosen));
    QVERIFY(contains(section(chosen, "Scenario1"), "Charitable Ded=750"));
    QVERIFY(t.state.IsSaved);
    QVERIFY(form->isVisible());
    // The edits are open again: typing goes on writing.
    QVERIFY(t.planner().isEditing());
    QVERIFY(t.planner().nxtAcc().isEditing());
    QVERIFY(focusOn(*form, charity));
    QTest::keyClicks(charity, "800");
    QCOMPARE(t.get("cur", "item", "CharDed"), std::string("800"));
    QVERIFY(!t.state.IsSaved);
}

void InputFormTest::filenameButtonCancelledSavesNothing() {
    FormShell t;
    const std::string old = t.open("a.amt", scenario("Filing Status=2\n", "Filing Status=2\n"));
    auto form = showForm(t);
    QPushButton* button = form->findChild<QPushButton*>("btnFilename");
    QTest::mouseClick(button, Qt::LeftButton);  // no name scripted: the dialog is cancelled
    QCOMPARE(t.dialogs.shown.size(), std::size_t(1));
    QCOMPARE(t.dialogs.shown[0].text, std::string("Filename Empty!"));
    QCOMPARE(t.state.CurrentFile, old);
    QCOMPARE(form->label("lblFilename")->text(), QString::fromStdString(old));
    QCOMPARE(t.dir.entries(), (std::vector<std::string>{"a.amt"}));
}

void InputFormTest::formIsCentredOnTheScreen() {
    QWidget plain;
    plain.setFixedSize(300, 200);
    tavrel::ui::CenterForm(plain);
    const QRect screen = plain.screen()->geometry();
    QCOMPARE(plain.pos(),
             QPoint(screen.left() + (screen.width() - 300) / 2, screen.top() + (screen.height() - 200) / 2));

    FormShell t;
    auto form = tavrel::ui::LoadIP(t.shell, nullptr);
    QCOMPARE(form->x(), screen.left() + (screen.width() - form->width()) / 2);
    QCOMPARE(form->y(), screen.top() + (screen.height() - form->height()) / 2);
}

QTEST_MAIN(InputFormTest)
#include "InputFormTest.moc"
