// Strange keystrokes and pastes never crash the form or the scenario: whatever
// arrives is either taken, or refused with its message and the last good value
// put back.
#include "InputFormTestSupport.h"

#include <QApplication>
#include <QClipboard>

using namespace inputtest;

class StrangeInputTest : public QObject {
    Q_OBJECT
private slots:
    void pastesAndOddCharactersAreTakenOrRefused_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");  // what the field shows afterwards
        // clang-format off
        QTest::newRow("megabyte into a name") << "txtSpouse1" << QString(1 << 20, 'A') << "";
        QTest::newRow("control characters into a name") << "txtSpouse1" << QString("Ann\tB\u0001ob") << "Ann\tB\u0001ob";
        QTest::newRow("emoji into a name") << "txtSpouse1" << QString::fromUtf8("Zo\xC3\xAB \xF0\x9F\x98\x80") << QString::fromUtf8("Zo\xC3\xAB \xF0\x9F\x98\x80");
        QTest::newRow("digits beyond money into wages") << "txtWages" << QString(400, '9') << "0";
        QTest::newRow("exponent into wages") << "txtWages" << "1e400" << "0";
        QTest::newRow("text into wages") << "txtWages" << QString::fromUtf8("\xD9\xA1\xD9\xA2") << "0";
        QTest::newRow("nan into the discount rate") << "txtDisRate" << "nan" << "5";
        // clang-format on
    }
    void pastesAndOddCharactersAreTakenOrRefused() {
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        FormShell t;
        t.open("s.amt", scenario("Filing Status=2\nDependents=1\n", "Filing Status=2\nDependents=1\n"));
        auto form = showForm(t);
        QLineEdit* box = form->textBox(field.toStdString(), field == "txtWages" ? 0 : -1);
        QVERIFY(box);
        QVERIFY(focusOn(*form, box));
        box->selectAll();
        QApplication::clipboard()->setText(pasted);
        box->paste();
        QCOMPARE(box->text(), kept);
        // The form is still usable: an ordinary entry goes through.
        box->selectAll();
        QTest::keyClicks(box, field == "txtSpouse1" ? "Ann" : "5");
        QCOMPARE(box->text(), field == "txtSpouse1" ? QString("Ann") : QString("5"));
    }
};

QTEST_MAIN(StrangeInputTest)
#include "StrangeInputTest.moc"
