// The planner's section of a scenario file and the copy into the working returns.
#include "planner/AmtTables.h"
#include "PlannerTestSupport.h"

#include <set>

using mirvane::AMT;
using testsupport::errorOf;
using testsupport::readFile;
using testsupport::writeFile;

TEST(PlannerPersistence, SaveWritesTheEightKeysAsTheirTexts) {
    testsupport::TempDir dir;
    AMT p;
    p.BeginEdit();
    p.letProperty("DeferItemizedTax", "True");
    p.letProperty("DecreaseItemizedTax", "False");
    p.letProperty("MaxItemizedTaxDeferred", "12345.67");
    p.letProperty("AfterTaxDiscount", "6.5");
    p.letProperty("LawEdition", "enacted");
    p.letProperty("PVSavings", "999");  // results are not stored
    p.Save(dir.file("p.amt"));
    EXPECT_EQ(readFile(dir.file("p.amt")),
              "[AMT]\nAccelerate Income=True\nIncrease Income=True\nDefer SIT=True\nDecrease SIT=False\n"
              "Max Amount Accelerated=0\nMax Amount Deferred=12,346\nAfter-Tax Discount=6.5\nLaw Edition=Enacted\n");
    EXPECT_TRUE(p.isEditing());  // Save leaves the flags alone
    EXPECT_TRUE(p.IsDirty());

    AMT back;
    back.Fetch(dir.file("p.amt"));
    EXPECT_EQ(back.values().MaxItemizedTaxDeferred, testsupport::money("12346"));  // the cents stay behind
    EXPECT_EQ(back.getProperty("AfterTaxDiscount"), "6.5");
    EXPECT_FALSE(back.values().DecreaseItemizedTax);
    EXPECT_EQ(back.values().Law, osgrin::LawEdition::Enacted);
    EXPECT_TRUE(back.isEditing());
    EXPECT_TRUE(back.goNxtYearAcc()->isEditing());
    EXPECT_TRUE(back.IsNew());  // only Load clears it
}

TEST(PlannerPersistence, MissingSectionReadsAsZeroAndFalse) {
    testsupport::TempDir dir;
    writeFile(dir.file("x.amt"), "[Scenario1]\nYear=2008\n");
    AMT p;
    p.Load(dir.file("x.amt"));
    EXPECT_FALSE(p.values().AccelerateIncome);
    EXPECT_FALSE(p.values().IncreaseIncome);
    EXPECT_FALSE(p.values().DeferItemizedTax);
    EXPECT_FALSE(p.values().DecreaseItemizedTax);
    EXPECT_EQ(p.getProperty("MaxItemizedTaxDeferred"), "0");
    EXPECT_EQ(p.getProperty("MaxIncomeAccelerated"), "0");
    EXPECT_EQ(p.getProperty("AfterTaxDiscount"), "0");
    EXPECT_EQ(p.getProperty("LawEdition"), "2008 Tables");  // files older than the key keep the old law
    EXPECT_EQ(p.getProperty("PlanYear"), "2008");           // and the old years
    EXPECT_FALSE(p.IsNew());
}

// A value no law or plan year stands for is refused at its key; the value
// read before stays.
TEST(PlannerPersistence, AnUnknownLawOrPlanYearRaisesNamingTheKey) {
    const struct {
        const char* line;
        int number;
        const char* source;
    } cases[] = {
        {"Law Edition=2009 Tables", 13,
         "Template.Fetch\r[AMT] Law Edition\r\n\r\n\"2009 Tables\" is not a law edition (\"2008 Tables\" or "
         "\"Enacted\")"},
        {"Plan Year=2026", 380,
         "Template.Fetch\r[AMT] Plan Year\r\n\r\n\"2026\" is not a plan year: plan years run from 2001 to 2025"},
        {"Plan Year=next", 380,
         "Template.Fetch\r[AMT] Plan Year\r\n\r\n\"next\" is not a plan year: plan years run from 2001 to 2025"},
    };
    for (const auto& c : cases) {
        testsupport::TempDir dir;
        writeFile(dir.file("l.amt"), std::string("[AMT]\nDefer SIT=True\n") + c.line + "\n");
        AMT p;
        const auto e = errorOf([&] { p.Fetch(dir.file("l.amt")); });
        ASSERT_TRUE(e) << c.line;
        EXPECT_EQ(e->number(), c.number);
        EXPECT_EQ(e->description(), mirvane::kFileDescription);
        EXPECT_EQ(e->source(), c.source);
        EXPECT_EQ(p.values().Law, osgrin::LawEdition::Tables2008);
        EXPECT_EQ(p.values().PlanYear, 2008);
    }
}

// The plan year is written when it is not 2008 or the file already holds it,
// so that a scenario of the old years saves as it always did.
TEST(PlannerPersistence, ThePlanYearIsSavedWhenItIsNot2008OrTheFileHoldsIt) {
    const struct {
        const char* before;  // the file's [AMT] section before the save
        const char* planYear;
        const char* line;  // the key as saved; empty: not written
    } cases[] = {
        {"", "2008", ""},
        {"", "2025", "Plan Year=2025\n"},
        {"Plan Year=2010\n", "2008", "Plan Year=2008\n"},
    };
    for (const auto& c : cases) {
        testsupport::TempDir dir;
        writeFile(dir.file("p.amt"), std::string("[AMT]\n") + c.before);
        AMT p;
        p.BeginEdit();
        p.letProperty("PlanYear", c.planYear);
        p.Save(dir.file("p.amt"));
        const std::string saved = readFile(dir.file("p.amt"));
        const std::size_t at = saved.find("Plan Year=");
        EXPECT_EQ(at, saved.rfind("Plan Year=")) << saved;  // one key at most
        EXPECT_EQ(at == std::string::npos ? "" : saved.substr(at, saved.find('\n', at) + 1 - at), c.line) << saved;
        AMT back;
        back.Fetch(dir.file("p.amt"));
        EXPECT_EQ(back.getProperty("PlanYear"), c.planYear);
    }
}

TEST(PlannerPersistence, BooleansReadAsWordsOrNumbers) {
    testsupport::TempDir dir;
    writeFile(dir.file("b.amt"),
              "[AMT]\nAccelerate Income=0\nIncrease Income=-1\nDefer SIT=true\nDecrease SIT=FALSE\n");
    AMT p;
    p.Fetch(dir.file("b.amt"));
    EXPECT_FALSE(p.values().AccelerateIncome);
    EXPECT_TRUE(p.values().IncreaseIncome);
    EXPECT_TRUE(p.values().DeferItemizedTax);
    EXPECT_FALSE(p.values().DecreaseItemizedTax);
}

TEST(PlannerPersistence, EmptyNameRaises10003AfterEnteringEditMode) {
    AMT p;
    const auto e = errorOf([&] { p.Fetch(""); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 10003);
    EXPECT_EQ(e->description(), mirvane::kFileDescription);
    EXPECT_EQ(e->source(), "Template.Fetch\rNeed to specify a filename.");
    EXPECT_TRUE(p.isEditing());
    EXPECT_TRUE(p.goCurYear()->isEditing());
    const auto l = errorOf([&] { p.Load(""); });
    EXPECT_EQ(l->source(), "Template.Load\rTemplate.Fetch\rNeed to specify a filename.");
    EXPECT_TRUE(p.IsNew());
}

TEST(PlannerPersistence, ANonNumericValueStopsTheLoadAtItsKey) {
    testsupport::TempDir dir;
    writeFile(dir.file("n.amt"), "[AMT]\nDefer SIT=True\nMax Amount Accelerated=lots\nAfter-Tax Discount=7\n");
    AMT p;
    const auto e = errorOf([&] { p.Fetch(dir.file("n.amt")); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 10002);
    EXPECT_EQ(e->source(), "Template.Fetch\r[AMT] Max Amount Accelerated\r\n\r\nThis item needs to be a number.");
    EXPECT_TRUE(p.values().DeferItemizedTax);     // read before the bad key
    EXPECT_EQ(p.values().AfterTaxDiscount, 0.0);  // not reached
}

TEST(PlannerPersistence, SaveLoadSaveGivesTheSameFile) {
    testsupport::TempDir dir;
    writeFile(dir.file("in.amt"), testsupport::jointHighIncomeScenario());
    AMT p;
    testsupport::openScenario(p, dir.file("in.amt"));
    p.Save(dir.file("one.amt"));
    for (auto* r : {&p.cur(), &p.nxt(), &p.curAcc(), &p.nxtAcc()}) osgrin::Persist::Save(dir.file("one.amt"), *r);
    AMT q;
    testsupport::openScenario(q, dir.file("one.amt"));
    q.Save(dir.file("two.amt"));
    for (auto* r : {&q.cur(), &q.nxt(), &q.curAcc(), &q.nxtAcc()}) osgrin::Persist::Save(dir.file("two.amt"), *r);
    EXPECT_EQ(readFile(dir.file("one.amt")), readFile(dir.file("two.amt")));
}

TEST(PlannerCopy, CopiesExactlyTheListedInputsAndOtherInterest) {
    AMT p;
    p.BeginEdit();
    for (auto* r : {&p.cur(), &p.nxt(), &p.curAcc(), &p.nxtAcc()}) r->BeginEdit();
    // Give every stored input of the entered returns a value of its own.
    int n = 1;
    for (auto* r : {&p.cur(), &p.nxt()}) {
        for (const auto& s : osgrin::Persist::storedProperties()) {
            auto& bag = osgrin::Persist::holderOf(*r, s.holder);
            const std::string current = bag.getProperty(s.name);
            if (s.name == "Version") continue;
            if (current == "True" || current == "False")
                bag.letProperty(s.name, "True");
            else if (s.name == "FilingStatus")
                bag.letProperty(s.name, "4");
            else if (s.name == "TaxYear")
                bag.letProperty(s.name, "2005");
            else
                bag.letProperty(s.name, std::to_string(n++));
        }
    }
    p.CopyObject();
    std::set<std::string> copied;
    for (const auto& c : mirvane::copiedProperties()) copied.insert(std::string(c.name));
    EXPECT_TRUE(copied.contains("OtherIntDed"));
    EXPECT_EQ(mirvane::copiedProperties().back().name, "OtherIntDed");
    EXPECT_EQ(mirvane::copiedProperties().size(), 26u);
    for (auto [from, to] : {std::pair{&p.cur(), &p.curAcc()}, std::pair{&p.nxt(), &p.nxtAcc()}}) {
        for (const auto& s : osgrin::Persist::storedProperties()) {
            if (s.name == "Version") continue;
            const std::string source = osgrin::Persist::holderOf(*from, s.holder).getProperty(s.name);
            const std::string target = osgrin::Persist::holderOf(*to, s.holder).getProperty(s.name);
            // OtherTaxes names two properties: the deduction (copied) and the other taxes (not).
            const bool listed = copied.contains(std::string(s.name)) && s.holder != osgrin::Persist::Holder::OtherTaxes;
            if (listed) {
                EXPECT_EQ(target, source) << s.name;
            } else {
                EXPECT_NE(target, source) << s.name << " should not be copied";
            }
        }
    }
    EXPECT_FALSE(p.curAcc().IsDependent());
    EXPECT_EQ(p.curAcc().TaxYear(), 0);
}
