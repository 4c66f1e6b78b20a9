// Field editing on the input form: each keystroke written into the bound
// property, rejected keystrokes with their message, beep and the last good
// value put back, the empty amount, the lone minus sign, Enter as Tab, the
// object's own text shown on leaving a field, the saved flag, and amounts
// typed with separators, a dollar sign and blanks.
#include "InputFormTestSupport.h"

#include "input/PlainError.h"

#include "input/AmountEntry.h"

#include "common/FixedText.h"

#include "base/ProgramInfo.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace inputtest;
using tavrel::shell::Buttons;
using tavrel::shell::Icon;
using tavrel::shell::kFileDescription;

namespace {

const std::string kJoint = scenario("Spouse 1=Ann\nFiling Status=2\nWages Spouse 1=1,234\nLong Term Cap Gain=7\n",
                                    "Filing Status=2\nWages Spouse 1=2,000\n");

}  // namespace

class FieldEditingTest : public QObject {
    Q_OBJECT
private slots:
    void numberThenLetterIsRejected_data();
    void numberThenLetterIsRejected();
    void loneMinusIsNotSentUntilADigitFollows();
    void emptiedAmountBecomesSelectedZero();
    void enterMovesToTheNextFieldAndWritesNothing_data();
    void enterMovesToTheNextFieldAndWritesNothing();
    void leavingAFieldShowsTheObjectsText_data();
    void leavingAFieldShowsTheObjectsText();
    void fiftyOneCharactersAreTooMany_data();
    void fiftyOneCharactersAreTooMany();
    void otherErrorsGoToTheErrorReporter();
    void namesAreWrittenToBothYears();
    void savedFlagFollowsAcceptedEditsOnly();
    void focusSelectsAllAndShowsHelp_data();
    void focusSelectsAllAndShowsHelp();
    void amountTextIsCompleteUnfinishedOrWrong_data();
    void amountTextIsCompleteUnfinishedOrWrong();
    void amountsAreTypedAsPreparersWriteThem_data();
    void amountsAreTypedAsPreparersWriteThem();
    void eachKindOfFieldChecksItsOwnForm_data();
    void eachKindOfFieldChecksItsOwnForm();
    void okWithANumberStillBeingTypedStaysOpen();
};

void FieldEditingTest::numberThenLetterIsRejected_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("property");
    // clang-format off
    QTest::newRow("wages spouse 1 current") << "txtWages" << 0 << "cur" << "inc" << "WageSp1";
    QTest::newRow("wages spouse 2 next") << "txtWages" << 3 << "nxt" << "inc" << "WageSp2";
    QTest::newRow("SE income spouse 2 current") << "txtSEInc" << 1 << "cur" << "inc" << "SEIncSp2";
    QTest::newRow("other adjustments next") << "txtOAdjInc" << 1 << "nxt" << "adj" << "OtherAdj2Inc";
    QTest::newRow("charity next") << "txtDed" << 13 << "nxt" << "item" << "CharDed";
    QTest::newRow("exemptions current") << "txtDep" << 0 << "cur" << "top" << "Dependents";
    QTest::newRow("deferral limit") << "txtMaxInc" << -1 << "planner" << "" << "MaxItemizedTaxDeferred";
    // clang-format on
}

void FieldEditingTest::numberThenLetterIsRejected() {
    QFETCH(QString, control);
    QFETCH(int, index);
    QFETCH(QString, year);
    QFETCH(QString, part);
    QFETCH(QString, property);
    FormShell t;
    t.open("a.amt", kJoint);
    int beeps = 0;
    auto form = showForm(t, &beeps);
    QLineEdit* box = form->textBox(control.toStdString(), index);
    QVERIFY(focusOn(*form, box));

    QTest::keyClicks(box, "12");
    QCOMPARE(t.get(year.toStdString(), part.toStdString(), property.toStdString()), std::string("12"));
    QVERIFY(t.dialogs.shown.empty());
    QCOMPARE(beeps, 0);

    QTest::keyClick(box, Qt::Key_A);
    QCOMPARE(t.dialogs.shown.size(), std::size_t(1));
    QCOMPARE(t.dialogs.shown[0].text, std::string("(10002) This item needs to be a number."));
    QCOMPARE(t.dialogs.shown[0].title, std::string(kFileDescription));
    QVERIFY(t.dialogs.shown[0].icon == Icon::None);
    QVERIFY(t.dialogs.shown[0].buttons == Buttons::Ok);
    QCOMPARE(beeps, 1);
    QCOMPARE(box->text(), QString("12"));
    QCOMPARE(box->cursorPosition(), 2);
    QCOMPARE(t.get(year.toStdString(), part.toStdString(), property.toStdString()), std::string("12"));
    QVERIFY(t.errors.reports.empty());
}

void FieldEditingTest::loneMinusIsNotSentUntilADigitFollows() {
    FormShell t;
    t.open("a.amt", kJoint);
    auto form = showForm(t);
    QLineEdit* box = form->textBox("txtLCapGain", 0);
    QCOMPARE(box->text(), QString("7"));
    QVERIFY(focusOn(*form, box));

    QTest::keyClick(box, Qt::Key_Minus);
    QCOMPARE(box->text(), QString("-"));
    QCOMPARE(t.get("cur", "inc", "LTCG"), std::string("7"));  // nothing sent
    QVERIFY(t.dialogs.shown.empty());

    QTest::keyClick(box, Qt::Key_5);
    QCOMPARE(t.get("cur", "inc", "LTCG"), std::string("-5"));
    QCOMPARE(box->text(), QString("-5"));
    QVERIFY(t.dialogs.shown.empty());
    QVERIFY(t.errors.reports.empty());
}

void FieldEditingTest::emptiedAmountBecomesSelectedZero() {
    FormShell t;
    t.open("a.amt", kJoint);
    auto form = showForm(t);
    QLineEdit* box = form->textBox("txtWages", 0);
    QCOMPARE(box->text(), QString("1,234"));
    QVERIFY(focusOn(*form, box));

    QTest::keyClick(box, Qt::Key_Backspace);  // the whole text was selected on focus
    QCOMPARE(box->text(), QString("0"));
    QCOMPARE(box->selectedText(), QString("0"));
    QCOMPARE(t.get("cur", "inc", "WageSp1"), std::string("0"));

    // The next keystroke replaces the selected 0.
    QTest::keyClick(box, Qt::Key_8);
    QCOMPARE(box->text(), QString("8"));
    QCOMPARE(t.get("cur", "inc", "WageSp1"), std::string("8"));
    QVERIFY(t.dialogs.shown.empty());
}

void FieldEditingTest::enterMovesToTheNextFieldAndWritesNothing_data() {
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("next");
    // clang-format off
    QTest::newRow("wages, two spouses") << "2" << "txtWages_0" << "txtWages_1";
    QTest::newRow("wages, one taxpayer") << "1" << "txtWages_0" << "txtWages_2";
    QTest::newRow("names") << "2" << "txtSpouse1" << "txtSpouse2";
    QTest::newRow("deductions") << "2" << "txtDed_14" << "txtDed_15";
    QTest::newRow("discount rate") << "2" << "txtDisRate" << "btnFilename";
    QTest::newRow("filing-status list") << "2" << "lstFileStat" << "cboPlanYear";
    QTest::newRow("plan-year list") << "2" << "cboPlanYear" << "txtDep_0";
    // clang-format on
}

void FieldEditingTest::enterMovesToTheNextFieldAndWritesNothing() {
    QFETCH(QString, status);
    QFETCH(QString, from);
    QFETCH(QString, next);
    FormShell t;
    const std::string file = t.open("a.amt", scenario("Filing Status=" + status.toStdString() + "\n",
                                                      "Filing Status=" + status.toStdString() + "\n"));
    const std::string before = testsupport::readFile(file);
    auto form = showForm(t);
    QWidget* start = form->findChild<QWidget*>(from);
    QVERIFY(focusOn(*form, start));
    if (auto* box = qobject_cast<QLineEdit*>(start)) QTest::keyClicks(box, "12");

    t.state.IsSaved = true;  // any write by the form would clear it
    QTest::keyClick(start, Qt::Key_Return);
    QWidget* focused = QApplication::focusWidget();
    QVERIFY(focused);
    QCOMPARE(focused->objectName(), next);
    QVERIFY(t.state.IsSaved);
    QVERIFY(form->isVisible());                     // no button took the Enter
    QCOMPARE(testsupport::readFile(file), before);  // nothing saved
    if (auto* box = qobject_cast<QLineEdit*>(start)) QVERIFY(box->text().startsWith("12"));
}

void FieldEditingTest::leavingAFieldShowsTheObjectsText_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("discount rate") << "txtDisRate" << "5.00" << "5";
    QTest::newRow("wages rounded with separators") << "txtWages_2" << "1234.5" << "1,235";
    QTest::newRow("deferral limit") << "txtMaxInc" << "40000" << "40,000";
    QTest::newRow("exemptions") << "txtDep_1" << "03" << "3";
    QTest::newRow("name, without the padding") << "txtSpouse1" << "Ann Lee" << "Ann Lee";
    // clang-format on
}

void FieldEditingTest::leavingAFieldShowsTheObjectsText() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    FormShell t;
    t.open("a.amt", kJoint);
    auto form = showForm(t);
    auto* box = form->findChild<QLineEdit*>(field);
    QVERIFY(focusOn(*form, box));
    QTest::keyClicks(box, typed);
    QCOMPARE(box->text(), typed);  // while in the field it shows what was typed
    QTest::keyClick(box, Qt::Key_Tab);
    QVERIFY(!box->hasFocus());
    QCOMPARE(box->text(), shown);
    QVERIFY(t.dialogs.shown.empty());
}

void FieldEditingTest::fiftyOneCharactersAreTooMany_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("property");
    // clang-format off
    QTest::newRow("spouse 1") << "txtSpouse1" << "Spouse1";
    QTest::newRow("spouse 2") << "txtSpouse2" << "Spouse2";
    QTest::newRow("second line") << "txtLine2" << "ScenarioDesc";
    // clang-format on
}

void FieldEditingTest::fiftyOneCharactersAreTooMany() {
    QFETCH(QString, field);
    QFETCH(QString, property);
    FormShell t;
    t.open("a.amt", kJoint);
    int beeps = 0;
    auto form = showForm(t, &beeps);
    auto* box = form->findChild<QLineEdit*>(field);
    QVERIFY(focusOn(*form, box));
    const QString fifty(50, QChar('n'));
    QTest::keyClicks(box, fifty);
    QVERIFY(t.dialogs.shown.empty());
    QTest::keyClick(box, Qt::Key_X);

    QCOMPARE(t.dialogs.shown.size(), std::size_t(1));
    QCOMPARE(t.dialogs.shown[0].text, std::string("(10001) Too many characters entered."));
    QCOMPARE(t.dialogs.shown[0].title, std::string(kFileDescription));
    QVERIFY(t.dialogs.shown[0].icon == Icon::None);
    QCOMPARE(beeps, 1);
    QCOMPARE(box->text(), fifty);
    QCOMPARE(box->cursorPosition(), 50);
    QCOMPARE(t.get("cur", "top", property.toStdString()), fifty.toStdString());
    QCOMPARE(t.get("nxt", "top", property.toStdString()), fifty.toStdString());
}

void FieldEditingTest::otherErrorsGoToTheErrorReporter() {
    FormShell t;
    t.open("a.amt", kJoint);
    int beeps = 0;
    auto form = showForm(t, &beeps);
    QLineEdit* box = form->textBox("txtWages", 0);
    QVERIFY(focusOn(*form, box));
    // Fifteen digits fit the money type; the sixteenth overflows it.
    QTest::keyClicks(box, "100000000000000");
    QCOMPARE(t.get("cur", "inc", "WageSp1"), std::string("100,000,000,000,000"));
    QTest::keyClick(box, Qt::Key_0);

    QVERIFY(t.dialogs.shown.empty());
    QCOMPARE(t.errors.reports.size(), std::size_t(1));
    const auto& r = t.errors.reports[0];
    QCOMPARE(r.kind, std::string("warning"));
    QCOMPARE(r.number, 6);
    QCOMPARE(r.description, std::string("Overflow"));
    QVERIFY2(r.location.starts_with("frmIP.txtWages_0_Change\rControlExtend.TextChg\rclsInc.LetWageSp1"),
             r.location.c_str());
    QCOMPARE(tavrel::ui::fields::plainSentence(r.number, r.description, r.location, mirvane::kCurrentTaxYear),
             std::string("Spouse 1 wages 2008: the amount is too large. Enter a smaller amount."));
    QCOMPARE(r.title, std::string(kFileDescription));
    QCOMPARE(beeps, 1);
    QCOMPARE(box->text(), QString("100,000,000,000,000"));
    QCOMPARE(box->cursorPosition(), 15);
    QCOMPARE(t.get("cur", "inc", "WageSp1"), std::string("100,000,000,000,000"));
}

void FieldEditingTest::namesAreWrittenToBothYears() {
    FormShell t;
    t.open("a.amt", kJoint);
    auto form = showForm(t);
    QLineEdit* box = form->textBox("txtSpouse2");
    QVERIFY(focusOn(*form, box));
    QTest::keyClicks(box, "Bo");
    const std::string padded = "Bo" + std::string(48, ' ');
    QCOMPARE(t.get("cur", "top", "Spouse2"), padded);
    QCOMPARE(t.get("nxt", "top", "Spouse2"), padded);
    // The field shows no padding, so typing goes on right after the text.
    QTest::keyClick(box, Qt::Key_B);
    QCOMPARE(box->text(), QString("Bob"));
    QCOMPARE(t.get("nxt", "top", "Spouse2"), "Bob" + std::string(47, ' '));
}

void FieldEditingTest::savedFlagFollowsAcceptedEditsOnly() {
    FormShell t;
    t.open("a.amt", kJoint);
    auto form = showForm(t);
    QVERIFY(t.state.IsSaved);  // loading changes nothing
    QLineEdit* box = form->textBox("txtSEInc", 2);
    QVERIFY(focusOn(*form, box));

    QTest::keyClick(box, Qt::Key_Q);  // replaces the selected 0 and is rejected
    QCOMPARE(t.dialogs.shown.size(), std::size_t(1));
    QCOMPARE(box->text(), QString("0"));
    QVERIFY(t.state.IsSaved);

    QCOMPARE(box->cursorPosition(), 0);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Minus);  // not sent
    QCOMPARE(box->text(), QString("-"));
    QVERIFY(t.state.IsSaved);

    QTest::keyClick(box, Qt::Key_4);
    QCOMPARE(t.get("nxt", "inc", "SEIncSp1"), std::string("-4"));
    QVERIFY(!t.state.IsSaved);
}

void FieldEditingTest::focusSelectsAllAndShowsHelp_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("help");
    // clang-format off
    QTest::newRow("wages") << "txtWages_2" << "Enter each spouse's wages in the appropriate input box.";
    QTest::newRow("state and local taxes") << "txtDed_3" << "At this input enter State & Local Taxes.";
    QTest::newRow("casualty")
        // clang-format on
        << "txtDed_10"
        << "Enter any Casualty Loss deduction at this input. The program does not do any limitation computation. "
           "Thus, enter the amount of the deduction, not the amount of the loss.";
    QTest::newRow("spouse 1")
        << "txtSpouse1"
        << "Name of the first spouse. If there is no spouse, simply enter the name of the taxpayer.";
    QTest::newRow("deferral limit")
        << "txtMaxInc"
        << "Enter the maximum amount of income that can be accelerated from next year to this year.";
    // clang-format off
    QTest::newRow("other income: no help") << "txtOtherSE_1" << "";
    QTest::newRow("exemptions: no help") << "txtDep_0" << "";
    QTest::newRow("over 65") << "chk65_3"
                             // clang-format on
                             << "Check the appropriate box(s) to indicate if either spouse is over 65.";
    // clang-format off
    QTest::newRow("blind") << "chkBlind_0" << "Check the appropriate box(s) to indicate if either spouse is blind.";
    QTest::newRow("filing status") << "lstFileStat" << "Use the listbox to choose a filing status.";
    QTest::newRow("file name") << "btnFilename"
                               // clang-format on
                               << "You can change or choose a filename by clicking on the button";
}

void FieldEditingTest::focusSelectsAllAndShowsHelp() {
    QFETCH(QString, field);
    QFETCH(QString, help);
    FormShell t;
    t.open("a.amt", kJoint);
    auto form = showForm(t);
    form->helpBox()->setPlainText("stale");
    QWidget* w = form->findChild<QWidget*>(field);
    QVERIFY(focusOn(*form, w));
    QCOMPARE(form->helpBox()->toPlainText(), help);
    if (auto* box = qobject_cast<QLineEdit*>(w)) {
        QVERIFY(!box->text().isEmpty());
        QCOMPARE(box->selectedText(), box->text());
    }
}

void FieldEditingTest::amountTextIsCompleteUnfinishedOrWrong_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("dollarSign");
    QTest::addColumn<QString>("state");  // complete, unfinished or wrong
    QTest::addColumn<QString>("sent");   // for a complete text
    // clang-format off
    QTest::newRow("plain digits") << "6000" << true << "complete" << "6000";
    QTest::newRow("grouped") << "1,234,567" << true << "complete" << "1234567";
    QTest::newRow("dollar, sign, blanks and cents") << " -$1,234.50 " << true << "complete" << "-1234.50";
    QTest::newRow("sign after the dollar") << "$-5" << true << "complete" << "-5";
    QTest::newRow("point last") << "1." << true << "complete" << "1.";
    QTest::newRow("exponent") << "1e5" << true << "complete" << "1e5";
    QTest::newRow("separator last") << "6," << true << "unfinished" << "";
    QTest::newRow("short last group") << "6,00" << true << "unfinished" << "";
    QTest::newRow("lone minus") << "-" << true << "unfinished" << "";
    QTest::newRow("lone dollar") << "$" << true << "unfinished" << "";
    QTest::newRow("lone point") << "." << true << "unfinished" << "";
    QTest::newRow("blanks only") << "  " << true << "unfinished" << "";
    QTest::newRow("exponent without digits") << "1e-" << true << "unfinished" << "";
    QTest::newRow("letter") << "6a" << true << "wrong" << "";
    QTest::newRow("long last group") << "6,0000" << true << "wrong" << "";
    QTest::newRow("four digits before a separator") << "1234,567" << true << "wrong" << "";
    QTest::newRow("short group inside") << "1,23,456" << true << "wrong" << "";
    QTest::newRow("short group before the point") << "6,00.5" << true << "wrong" << "";
    QTest::newRow("separator first") << ",5" << true << "wrong" << "";
    QTest::newRow("two dollars") << "$$5" << true << "wrong" << "";
    QTest::newRow("two signs") << "--5" << true << "wrong" << "";
    QTest::newRow("digit after a blank") << "5 0" << true << "wrong" << "";
    QTest::newRow("dollar where none belongs") << "$5" << false << "wrong" << "";
    QTest::newRow("exponent alone") << "e5" << true << "wrong" << "";
    // clang-format on
}

void FieldEditingTest::amountTextIsCompleteUnfinishedOrWrong() {
    QFETCH(QString, typed);
    QFETCH(bool, dollarSign);
    QFETCH(QString, state);
    QFETCH(QString, sent);
    const auto entry = tavrel::ui::fields::classifyAmount(typed.toStdString(), dollarSign);
    const char* names[] = {"complete", "unfinished", "wrong"};
    QCOMPARE(QString(names[static_cast<int>(entry.state)]), state);
    QCOMPARE(QString::fromStdString(entry.text), sent);
}

void FieldEditingTest::amountsAreTypedAsPreparersWriteThem_data() {
    QTest::addColumn<QString>("typed");   // keystrokes after the field got the focus (its text selected)
    QTest::addColumn<bool>("leave");      // then Tab to the next field
    QTest::addColumn<QString>("stored");  // the exact amount in the return
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("messages");  // "(10002) This item needs to be a number."
    // clang-format off
    QTest::newRow("thousands separator") << "6,000" << false << "6000" << "6,000" << 0;
    QTest::newRow("dollar sign") << "$6,000" << false << "6000" << "$6,000" << 0;
    QTest::newRow("blanks around, cents") << " 1,234.50 " << false << "1234.5" << " 1,234.50 " << 0;
    QTest::newRow("negative in dollars") << "-$1,500" << false << "-1500" << "-$1,500" << 0;
    QTest::newRow("separator left as shown") << "6,000" << true << "6000" << "6,000" << 0;
    QTest::newRow("point last") << "1." << false << "1" << "1." << 0;
    QTest::newRow("unfinished group, left") << "6,00" << true << "6" << "6" << 1;
    QTest::newRow("lone minus, left") << "-" << true << "1234" << "1,234" << 1;
    QTest::newRow("lone dollar, left") << "$" << true << "1234" << "1,234" << 1;
    QTest::newRow("letter, at once") << "6a" << false << "6" << "6" << 1;
    QTest::newRow("refused keystroke keeps the unfinished number") << "6,0a00" << false << "6000" << "6,000" << 1;
    QTest::newRow("separator after four digits") << "1234," << false << "1234" << "1,234" << 1;
    // clang-format on
}

void FieldEditingTest::amountsAreTypedAsPreparersWriteThem() {
    QFETCH(QString, typed);
    QFETCH(bool, leave);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(int, messages);
    FormShell t;
    t.open("a.amt", kJoint);
    int beeps = 0;
    auto form = showForm(t, &beeps);
    QLineEdit* box = form->textBox("txtWages", 0);
    QVERIFY(focusOn(*form, box));
    QTest::keyClicks(box, typed);
    if (leave) {
        QTest::keyClick(box, Qt::Key_Tab);
        QVERIFY(!box->hasFocus());
    }
    QCOMPARE(QString::fromStdString(t.planner().cur().inc().get(osgrin::iInc::WageSp1).toExactText()), stored);
    QCOMPARE(box->text(), shown);
    QCOMPARE(t.dialogs.shown.size(), std::size_t(messages));
    for (const auto& m : t.dialogs.shown) QCOMPARE(m.text, std::string("(10002) This item needs to be a number."));
    QCOMPARE(beeps, messages);
    QVERIFY(t.errors.reports.empty());
}

void FieldEditingTest::eachKindOfFieldChecksItsOwnForm_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("messages");
    // clang-format off
    QTest::newRow("deferral limit is money") << "txtMaxInc" << "$40,000" << "planner" << "MaxItemizedTaxDeferred" << "40,000" << 0;
    QTest::newRow("exemptions take no dollar") << "txtDep_0" << "$" << "cur" << "Dependents" << "2" << 1;
    QTest::newRow("discount rate takes no dollar") << "txtDisRate" << "$" << "planner" << "AfterTaxDiscount" << "5" << 1;
    QTest::newRow("discount rate, separators wait") << "txtDisRate" << "1,5" << "planner" << "AfterTaxDiscount" << "1" << 0;
    QTest::newRow("a name is taken as typed") << "txtSpouse1" << "6,0a" << "cur" << "Spouse1" << "6,0a" << 0;
    // clang-format on
}

void FieldEditingTest::eachKindOfFieldChecksItsOwnForm() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, year);
    QFETCH(QString, property);
    QFETCH(QString, stored);
    QFETCH(int, messages);
    FormShell t;
    t.open("a.amt", kJoint);
    auto form = showForm(t);
    auto* box = form->findChild<QLineEdit*>(field);
    QVERIFY(focusOn(*form, box));
    QTest::keyClicks(box, typed);
    const std::string value = t.get(year.toStdString(), "top", property.toStdString());
    QCOMPARE(QString::fromStdString(std::string(tavrel::trimRight(value))), stored);
    QCOMPARE(t.dialogs.shown.size(), std::size_t(messages));
}

void FieldEditingTest::okWithANumberStillBeingTypedStaysOpen() {
    FormShell t;
    const std::string file = t.open("a.amt", kJoint);
    const std::string before = testsupport::readFile(file);
    auto form = showForm(t);
    QLineEdit* box = form->textBox("txtWages", 0);
    QVERIFY(focusOn(*form, box));
    QTest::keyClicks(box, "6,");
    form->okButton()->click();  // as its shortcut does: the field keeps the focus

    QVERIFY(form->isVisible());
    QCOMPARE(t.dialogs.shown.size(), std::size_t(1));
    QCOMPARE(t.dialogs.shown[0].text, std::string("(10002) This item needs to be a number."));
    QCOMPARE(box->text(), QString("6"));  // what the return holds, and what a later OK saves
    QCOMPARE(testsupport::readFile(file), before);
}

QTEST_MAIN(FieldEditingTest)
#include "FieldEditingTest.moc"
