// The planner object: its setters in and out of edit mode, the text forms of
// its values, the snapshot, and its flags.
#include "PlannerTestSupport.h"

#include "planner/PlannerErrors.h"

#include <string>
#include <vector>

using mirvane::AMT;
using testsupport::errorOf;
using testsupport::money;

TEST(PlannerObject, AFreshObjectIsNewDirtyAndSearching) {
    AMT p;
    EXPECT_TRUE(p.IsNew());
    EXPECT_TRUE(p.IsDirty());
    EXPECT_FALSE(p.IsDeleted());
    EXPECT_FALSE(p.isEditing());
    EXPECT_EQ(p.getProperty("DeferItemizedTax"), "True");
    EXPECT_EQ(p.getProperty("DecreaseItemizedTax"), "True");
    EXPECT_EQ(p.getProperty("AccelerateIncome"), "True");
    EXPECT_EQ(p.getProperty("IncreaseIncome"), "True");
    EXPECT_EQ(p.getProperty("MaxItemizedTaxDeferred"), "0");
    EXPECT_EQ(p.getProperty("AfterTaxDiscount"), "0");
    EXPECT_EQ(p.getProperty("Line2"), "");
    EXPECT_EQ(p.goCurYear()->ColumnIdx(), 1);
    EXPECT_EQ(p.goNxtYear()->ColumnIdx(), 2);
    EXPECT_EQ(p.goCurYearAcc()->ColumnIdx(), 3);
    EXPECT_EQ(p.goNxtYearAcc()->ColumnIdx(), 4);
    ASSERT_TRUE(p.Points());
    EXPECT_EQ(p.Points()->Count(), 0);  // an empty curve, not nothing
    p.setPoints(nullptr);
    ASSERT_TRUE(p.Points());
    EXPECT_EQ(p.Points()->Count(), 0);
}

TEST(PlannerObject, SettersActOnlyInEditMode) {
    AMT p;
    EXPECT_NO_THROW(p.letProperty("MaxItemizedTaxDeferred", "abc"));
    EXPECT_EQ(p.getProperty("MaxItemizedTaxDeferred"), "0");
    p.BeginEdit();
    const auto e = errorOf([&] { p.letProperty("MaxItemizedTaxDeferred", "abc"); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), 10002);
    EXPECT_EQ(e->source(), "This item needs to be a number.");  // the planner's message travels as the source
    EXPECT_EQ(p.getProperty("MaxItemizedTaxDeferred"), "0");
    EXPECT_EQ(errorOf([&] { p.letProperty("AfterTaxDiscount", "5%"); })->number(), 10002);
    EXPECT_EQ(errorOf([&] { p.letProperty("DeferItemizedTax", "maybe"); })->number(), 13);
    EXPECT_EQ(errorOf([&] { p.letProperty("IsNew", "True"); })->number(), 438);  // read only
}

TEST(PlannerObject, TextFormsOfTheValues) {
    AMT p;
    p.BeginEdit();
    p.letProperty("MaxItemizedTaxDeferred", "1234.56");
    EXPECT_EQ(p.getProperty("MaxItemizedTaxDeferred"), "1,235");
    EXPECT_EQ(p.values().MaxItemizedTaxDeferred, money("1234.56"));  // stored exactly
    p.letProperty("RatioSavings", "0.25");
    EXPECT_EQ(p.getProperty("RatioSavings"), "25.00%");
    p.letProperty("RatioSavings", "0.1234");
    EXPECT_EQ(p.getProperty("RatioSavings"), "12.34%");
    p.letProperty("RatioSavings", "-0.044");
    EXPECT_EQ(p.getProperty("RatioSavings"), "-4.40%");
    p.letProperty("AfterTaxDiscount", "7.5");
    EXPECT_EQ(p.getProperty("AfterTaxDiscount"), "7.5");
    p.letProperty("AfterTaxDiscount", "5.00");
    EXPECT_EQ(p.getProperty("AfterTaxDiscount"), "5");
    p.letProperty("Savings", "1234.5678");
    EXPECT_EQ(p.getProperty("Savings"), "1234.5678");
    p.letProperty("PVSavings", "-2500.5");
    EXPECT_EQ(p.getProperty("PVSavings"), "-2,501");
    p.letProperty("Line2", "  free text  ");
    EXPECT_EQ(p.getProperty("Line2"), "  free text  ");
    p.letProperty("DeferItemizedTax", "0");
    EXPECT_EQ(p.getProperty("DeferItemizedTax"), "False");
}

TEST(PlannerObject, CancelEditPutsTheOldRateBackAndClearsDirty) {
    AMT p;
    p.BeginEdit();
    p.letProperty("AfterTaxDiscount", "4");
    p.BeginEdit();  // a new snapshot, with rate 4
    p.letProperty("AfterTaxDiscount", "6.5");
    p.CancelEdit();
    EXPECT_EQ(p.getProperty("AfterTaxDiscount"), "4");
    EXPECT_FALSE(p.IsDirty());
    EXPECT_FALSE(p.isEditing());
    EXPECT_EQ(errorOf([&] { p.CancelEdit(); })->number(), 445);
}

TEST(PlannerObject, DeleteNeedsEditModeAndApplyEditUndoesIt) {
    AMT p;
    EXPECT_EQ(errorOf([&] { p.Delete(); })->number(), 445);
    testsupport::TempDir dir;
    p.BeginEdit();
    p.ApplyEdit(dir.file("p.amt"));  // new: written
    EXPECT_FALSE(p.IsNew());
    p.BeginEdit();
    p.Delete();
    EXPECT_TRUE(p.IsDeleted());
    p.ApplyEdit(dir.file("p.amt"));  // deleted and not new: marked new again, nothing removed
    EXPECT_TRUE(p.IsNew());
    EXPECT_FALSE(p.IsDeleted());
    EXPECT_NE(testsupport::readFile(dir.file("p.amt")).find("[AMT]"), std::string::npos);
}

TEST(PlannerObject, ApplyEditWritesOnlyWhenDirtyOrNew) {
    testsupport::TempDir dir;
    const std::string file = dir.file("a.amt");
    AMT p;
    p.BeginEdit();
    p.ApplyEdit(file);
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_FALSE(p.IsDirty());
    EXPECT_FALSE(p.isEditing());
    std::filesystem::remove(file);
    p.BeginEdit();
    p.ApplyEdit(file);  // neither dirty nor new
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(p.isEditing());
    p.BeginEdit();
    p.letProperty("AfterTaxDiscount", "3");
    p.ApplyEdit(file);
    EXPECT_NE(testsupport::readFile(file).find("After-Tax Discount=3"), std::string::npos);
}

TEST(PlannerObject, ObjectMembersAreStoredWhateverTheMode) {
    AMT p;
    auto r = std::make_shared<osgrin::iTop>();
    p.setGoNxtYearAcc(r);
    EXPECT_EQ(p.goNxtYearAcc(), r);
    auto pts = std::make_shared<mirvane::Points>();
    p.setOPoints(pts);
    EXPECT_EQ(p.oPoints(), pts);
    EXPECT_FALSE(p.isEditing());
}

namespace clone_walk {

// Every value of an object that its tables name (each line exactly, each other
// readable property as text) and its edit flags, as "prefix.name=value" rows.
template <class T>
void readAll(const T& o, const std::string& prefix, std::vector<std::string>& rows) {
    for (std::size_t i = 0; i < T::kLineCount; ++i)
        rows.push_back(prefix + std::string(T::kRules[i].name) + "=" + std::to_string(o.get(i).scaled()));
    for (const auto& p : T::extraProperties())
        if (p.get) rows.push_back(prefix + std::string(p.name) + "=" + p.get(o));
    const osgrin::EditFlags& f = o.flags();
    rows.push_back(prefix + "flags=" + std::to_string(f.editing) + std::to_string(f.dirty) +
                   std::to_string(f.calculated));
}

// Every property of the planner, of its four returns and of their sub-objects,
// and the state no table holds (column, law, new and deleted flags).
std::vector<std::string> everything(const AMT& p) {
    std::vector<std::string> rows;
    for (const auto& prop : mirvane::amtProperties())
        if (prop.get) rows.push_back("AMT." + std::string(prop.name) + "=" + prop.get(p));
    rows.push_back("AMT.state=" + std::to_string(p.IsNew()) + std::to_string(p.IsDirty()) +
                   std::to_string(p.IsDeleted()) + std::to_string(p.isEditing()));
    int column = 0;
    for (const osgrin::iTop* r : {&p.cur(), &p.nxt(), &p.curAcc(), &p.nxtAcc()}) {
        const std::string c = "R" + std::to_string(++column) + ".";
        readAll(*r, c, rows);
        rows.push_back(c + "state=" + std::to_string(r->ColumnIdx()) +
                       std::string(osgrin::lawEditionText(r->lawEdition())) + std::to_string(r->IsNew()));
        readAll(r->inc(), c + "inc.", rows);
        readAll(r->adj(), c + "adj.", rows);
        readAll(r->item(), c + "item.", rows);
        readAll(r->amt(), c + "amt.", rows);
        readAll(r->other(), c + "other.", rows);
        readAll(r->cr(), c + "cr.", rows);
    }
    return rows;
}

// Gives every property with a setter in the table a value other than its own.
template <class T, class Table>
void changeByTable(T& o, const Table& table) {
    for (const auto& p : table) {
        if (!p.let || !p.get) continue;
        const std::string was = p.get(o);
        for (const char* text : {"False", "True", "4", "3", "Enacted", "2008 Tables", "2003"}) {
            try {
                p.let(o, text);
            } catch (const tavrel::TaxError&) {}
            if (p.get(o) != was) break;
        }
    }
}

// Changes every line and every settable property of an object, and its flags.
template <class T>
void changeAll(T& o) {
    for (std::size_t i = 0; i < T::kLineCount; ++i) o.store(i, o.get(i) + tavrel::Currency::fromDollars(7));
    changeByTable(o, T::extraProperties());
    osgrin::EditFlags& f = o.flags();
    f = {!f.editing, !f.dirty, !f.calculated};
}

}  // namespace clone_walk

// The clone restores the user's scenario after a failed open: it must hold
// every value of every object, and share none of them.
TEST(PlannerObject, ACloneHoldsEveryPropertyOfEveryObjectAndSharesNone) {
    using namespace clone_walk;
    AMT p;
    mirvane::OpenForAnalysis(p, TAVREL_EXAMPLES "/joint-high-income.amt", osgrin::LawEdition::Enacted);
    mirvane::RunAnalysisProtocol(p);  // every computed line and result filled in
    p.BeginEdit();
    p.letProperty("Line2", "kept");
    p.cur().setColumnIdx(7);

    const std::vector<std::string> before = everything(p);
    const auto copy = p.clone();
    EXPECT_EQ(everything(*copy), before);

    changeByTable(p, mirvane::amtProperties());
    for (osgrin::iTop* r : {&p.cur(), &p.nxt(), &p.curAcc(), &p.nxtAcc()}) {
        r->BeginEdit();
        changeAll(*r);
        r->flags().editing = true;  // its own setters act only while editing
        r->setColumnIdx(r->ColumnIdx() + 10);
        r->setLawEdition(osgrin::LawEdition::Tables2008);
        changeAll(r->inc());
        changeAll(r->adj());
        changeAll(r->item());
        changeAll(r->amt());
        changeAll(r->other());
        changeAll(r->cr());
    }
    const std::vector<std::string> changed = everything(p);
    ASSERT_EQ(changed.size(), before.size());
    // Only what no setter reaches stays as it was (derived flags, the version);
    // those rows were compared above.
    const auto readOnly = [](const std::string& row) {
        for (const char* name : {".IsDeleted=", ".IsNew=", ".IsDirty=", ".IsCalculated=", ".Version=", "AMT.state="})
            if (row.find(name) != std::string::npos) return true;
        return false;
    };
    std::vector<std::string> unchanged;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (changed[i] == before[i] && !readOnly(before[i])) unchanged.push_back(before[i]);
    EXPECT_EQ(unchanged, std::vector<std::string>{}) << "the walk left these as they were";
    EXPECT_EQ(everything(*copy), before);
}
