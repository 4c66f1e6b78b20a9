// Each class names its own location when a property rejects a value, and the
// chain grows as the error travels out through persistence and the methods.
#include "ReturnTestSupport.h"

#include <tuple>

using namespace osgrin;

namespace {

struct Rejection {
    const char* name;
    std::function<void(iTop&)> assign;
    int number;
    const char* source;
};

class PropertyRejection : public ::testing::TestWithParam<Rejection> {};

TEST_P(PropertyRejection, CarriesNumberDescriptionAndLocation) {
    iTop r;
    r.BeginEdit();
    const auto e = testsupport::errorOf([&] { GetParam().assign(r); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->number(), GetParam().number);
    EXPECT_EQ(e->source(), GetParam().source);
    if (GetParam().number == 10002) {
        EXPECT_EQ(e->description(), "This item needs to be a number.");
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachClass, PropertyRejection,
    ::testing::Values(Rejection{"Return", [](iTop& r) { r.letProperty("Dependents", "x"); }, 10002,
                                "clsOsgrinTop.LetDependents\r\n\r\nOsgrin"},
                      Rejection{"ReturnText", [](iTop& r) { r.letProperty("Spouse1", std::string(60, 'a')); }, 10001,
                                "clsOsgrinTop.LetSpouse1\r\n\r\nFixedText"},
                      Rejection{"Income", [](iTop& r) { r.inc().letProperty("LTCG", "x"); }, 10002,
                                "clsInc.LetLTCG\r\n\r\nOsgrin"},
                      Rejection{"Adjustments", [](iTop& r) { r.adj().letProperty("OtherAdj2Inc", "x"); }, 10002,
                                "clsAdj2Inc.LetOtherAdj2Inc\r\n\r\nOsgrin"},
                      Rejection{"Deductions", [](iTop& r) { r.item().letProperty("SITPd", "x"); }, 10002,
                                "clsItemDed.LetSITPd\r\n\r\nOsgrin"},
                      Rejection{"OtherTaxes", [](iTop& r) { r.other().letProperty("OtherTaxes", "x"); }, 10002,
                                "OtherTaxes.LetOtherTaxes\r\n\r\nOsgrin"},
                      Rejection{"Credits", [](iTop& r) { r.cr().letProperty("NumOfChildCrChildren", "x"); }, 10002,
                                "clsTaxCr.LetNumOfChildCrChildren\r\n\r\nOsgrin"},
                      Rejection{"Overflow", [](iTop& r) { r.inc().letProperty("WageSp1", "1e20"); }, 6,
                                "clsInc.LetWageSp1\r\n\r\nOsgrin"},
                      Rejection{"UnknownName", [](iTop& r) { r.letProperty("Salary", "1"); }, 438,
                                "clsOsgrinTop.LetSalary\r\n\r\nSalary"}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace

TEST(PropertyByName, NamesMatchWithoutRegardToCase) {
    iTop r;
    r.BeginEdit();
    r.inc().letProperty("wagesp1", "10");
    EXPECT_EQ(r.inc().getProperty("WAGESP1"), "10");
    r.letProperty("filingstatus", "4");
    EXPECT_EQ(r.getProperty("FilingStatus"), "4");
}
