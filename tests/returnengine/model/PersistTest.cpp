// A return's section of a scenario file: keys, formats, defaults, the round
// trip, and the errors of a load.
#include "returnengine/model/Persist.h"
#include "ReturnTestSupport.h"
#include "TempDir.h"

using namespace osgrin;
using testsupport::errorOf;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

// Sets every stored property to a value of its own.
void fillEveryInput(iTop& r) {
    r.BeginEdit();
    r.letProperty("Spouse1", "Ann");
    r.letProperty("Spouse2", "Bob");
    r.letProperty("ScenarioDesc", "Plan A");
    r.letProperty("TaxYear", "2007");
    r.letProperty("IsSp1Over65", "True");
    r.letProperty("IsSp1Blind", "False");
    r.letProperty("IsSp2Over65", "False");
    r.letProperty("IsSp2Blind", "True");
    r.letProperty("Dependents", "3");
    r.letProperty("IsDependent", "True");
    r.letProperty("FilingStatus", "4");
    r.letProperty("TotPmts", "1234.56");
    int n = 1;
    for (const char* name : {"LTCG", "LTCLCarryOver", "Dividends", "STCG", "STCLCarryOver", "OtherNonSEInc",
                             "Sec1231Gains", "Sec1231Losses", "SEIncSp1", "SEIncSp2", "WageSp1", "WageSp2"})
        r.inc().letProperty(name, std::to_string(1000 * n++));
    for (const char* name : {"IRAContribSP1", "IRAContribSP2", "OtherAdj2Inc", "SEMedInsPmts"})
        r.adj().letProperty(name, std::to_string(1000 * n++));
    r.adj().letProperty("IsSp1InRetPlan", "True");
    for (const char* name : {"CasualtyDed", "CharDed", "HomeMortIntAmt", "HomeMortIntReg", "InvIntDed", "MedPmts",
                             "MiscDedPmts", "OtherIntDed", "OtherTaxes", "SITPd"})
        r.item().letProperty(name, std::to_string(-1000 * n++));
    r.other().letProperty("OtherTaxes", "777");
    r.cr().letProperty("NumOfChildCrChildren", "2");
    r.cr().letProperty("OtherCr", "55");
}

std::string everyStoredText(const iTop& r) {
    std::string all;
    for (const auto& p : Persist::storedProperties())
        all += std::string(p.name) + "=" + Persist::holderOf(r, p.holder).getProperty(p.name) + "\n";
    return all;
}

}  // namespace

TEST(ReturnPersistence, WritesFortyFourKeysInOrderUnderTheColumnsSection) {
    testsupport::TempDir dir;
    iTop r;
    r.setColumnIdx(3);
    fillEveryInput(r);
    Persist::Save(dir.file("a.amt"), r);
    const std::string text = readFile(dir.file("a.amt"));
    EXPECT_EQ(text.find("[Scenario3]"), 0u) << text;
    EXPECT_NE(text.find("Total Payments=1,235\n"), std::string::npos);
    EXPECT_NE(text.find("Filing Status=4\n"), std::string::npos);
    EXPECT_NE(text.find("Spouse 1 Over 65=True\n"), std::string::npos);
    EXPECT_NE(text.find("Version=2008.0\n"), std::string::npos);
    EXPECT_NE(text.find("Mort Amt Ded=-19,000\n"), std::string::npos);  // HomeMortIntAmt keeps its key
    EXPECT_EQ(Persist::storedProperties().size(), 44u);
    // Keys appear in table order.
    std::size_t at = 0;
    for (const auto& p : Persist::storedProperties()) {
        const std::size_t found = text.find(std::string(Persist::keyOf(p).key) + "=", at);
        ASSERT_NE(found, std::string::npos) << p.name;
        at = found;
    }
}

TEST(ReturnPersistence, RoundTripGivesTheSameInputsInWholeDollars) {
    testsupport::TempDir dir;
    iTop original;
    original.setColumnIdx(2);
    fillEveryInput(original);
    Persist::Save(dir.file("rt.amt"), original);

    iTop loaded;
    loaded.setColumnIdx(2);
    loaded.BeginEdit();  // sub-objects take values only in an edit
    loaded.Load(dir.file("rt.amt"));
    EXPECT_EQ(everyStoredText(loaded), everyStoredText(original));
    EXPECT_EQ(loaded.get(iTop::TotPmts), testsupport::money("1235"));  // cents are not kept
    EXPECT_EQ(loaded.ScenarioDesc(), "Plan A" + std::string(44, ' '));
    EXPECT_FALSE(loaded.IsNew());
    EXPECT_FALSE(loaded.isEditing());
    EXPECT_TRUE(loaded.inc().isEditing());  // Load leaves the sub-objects' flags alone
}

TEST(ReturnPersistence, ScenarioDescriptionKeepsItsTrailingBlanks) {
    testsupport::TempDir dir;
    iTop r;
    r.BeginEdit();
    r.letProperty("ScenarioDesc", "0123456789");
    Persist::Save(dir.file("d.amt"), r);
    EXPECT_NE(readFile(dir.file("d.amt")).find("Scenario Description=0123456789" + std::string(40, ' ') + "\n"),
              std::string::npos);
    iTop back;
    back.Load(dir.file("d.amt"));
    EXPECT_EQ(back.ScenarioDesc(), "0123456789" + std::string(40, ' '));
}

TEST(ReturnPersistence, MissingSectionGivesTheDefaults) {
    testsupport::TempDir dir;
    writeFile(dir.file("other.amt"), "[AMT]\nDefer SIT=True\n");
    iTop r;
    fillEveryInput(r);
    r.Load(dir.file("other.amt"));
    EXPECT_EQ(r.TaxYear(), 2008);
    EXPECT_EQ(r.FilingStatus(), 2);
    EXPECT_EQ(r.Dependents(), 1);
    EXPECT_FALSE(r.IsSp1Over65());
    EXPECT_FALSE(r.IsDependent());
    EXPECT_FALSE(r.adj().IsSp1InRetPlan());
    EXPECT_EQ(r.getProperty("TotPmts"), "0");
    EXPECT_EQ(r.inc().getProperty("WageSp1"), "0");
    EXPECT_EQ(r.item().getProperty("SITPd"), "0");
    EXPECT_EQ(r.cr().getProperty("NumOfChildCrChildren"), "0");
    EXPECT_EQ(r.Spouse1(), std::string(50, ' '));  // empty text, padded by the setter
}

TEST(ReturnPersistence, LoadOutsideAnEditTakesOnlyTheReturnsOwnInputs) {
    testsupport::TempDir dir;
    iTop original;
    fillEveryInput(original);
    Persist::Save(dir.file("o.amt"), original);
    iTop r;
    r.Load(dir.file("o.amt"));
    EXPECT_EQ(r.Dependents(), 3);
    EXPECT_EQ(r.inc().getProperty("WageSp1"), "0");
}

TEST(ReturnPersistence, EmptyFileNameRaises10003BeforeReadingAnything) {
    iTop r;
    r.BeginEdit();
    r.letProperty("Dependents", "4");
    const auto e = errorOf([&] { r.Load(""); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 10003);
    EXPECT_EQ(e->description(), kFileDescription);
    EXPECT_EQ(e->source(), "clsOsgrinTop.Load\rPersist.Fetch\r\n\r\nOsgrin");
    EXPECT_EQ(r.Dependents(), 4);
    EXPECT_TRUE(r.isEditing());  // an error in Load leaves the editing flag set
}

TEST(ReturnPersistence, AStoredValueTheSetterRejectsStopsAtThatKey) {
    testsupport::TempDir dir;
    writeFile(dir.file("bad.amt"),
              "[Scenario1]\nSpouse 1=Zed\nYear=2006\nDependents=many\nFiling Status=3\nWages Spouse 1=9\n");
    iTop r;
    r.BeginEdit();
    const auto e = errorOf([&] { r.Load(dir.file("bad.amt")); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 10002);
    // The chain names the section and the key of the value the file holds wrongly.
    EXPECT_EQ(e->source(),
              "clsOsgrinTop.Load\rPersist.Fetch\r\n\r\n[Scenario1] "
              "Dependents\r\n\r\nclsOsgrinTop.LetDependents\r\n\r\nOsgrin");
    EXPECT_EQ(r.TaxYear(), 2006);    // keys before it are taken
    EXPECT_EQ(r.FilingStatus(), 0);  // keys after it are not
}

TEST(ReturnPersistence, UnconvertibleFlagOrStatusRaisesTheConversionError) {
    testsupport::TempDir dir;
    writeFile(dir.file("f.amt"), "[Scenario1]\nSpouse 1 Blind=perhaps\n");
    iTop r;
    EXPECT_EQ(errorOf([&] { r.Load(dir.file("f.amt")); })->number(), 13);
    writeFile(dir.file("s.amt"), "[Scenario1]\nFiling Status=Joint\n");
    EXPECT_EQ(errorOf([&] { r.Load(dir.file("s.amt")); })->number(), 13);
    writeFile(dir.file("y.amt"), "[Scenario1]\nYear=\n");
    r.Load(dir.file("y.amt"));
    EXPECT_GE(r.TaxYear(), 2026);  // an empty year is the current year
}

TEST(ReturnPersistence, SavingToAnUnwritablePlaceRaisesAndNamesTheFile) {
    testsupport::TempDir dir;
    iTop r;
    r.BeginEdit();
    const std::string missing = dir.file("no/such/folder/x.amt");
    const auto e = errorOf([&] { r.ApplyEdit(missing); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->source().rfind("clsOsgrinTop.ApplyEdit\rPersist.Save\r\n\r\n", 0), 0u) << e->source();
    EXPECT_NE(e->source().find(missing), std::string::npos);
    EXPECT_TRUE(r.IsNew());  // nothing was saved
}
