// The two forms of the error trap, nested as errors travel outwards.
#include "common/ErrorTrap.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tavrel;

TEST(ErrorTrap, PropertyFormStacksLocationsWithBlankLinesAndKeepsDescription) {
    try {
        guarded("Outer.Routine", [] {
            guarded(Location("clsInc.", "Let", "LTCG"),
                    [] { throw TaxError(err::NotANumber, "This item needs to be a number.", "Osgrin"); });
        });
        FAIL() << "no error";
    } catch (const TaxError& e) {
        EXPECT_EQ(e.number(), 10002);
        EXPECT_EQ(e.description(), "This item needs to be a number.");
        EXPECT_EQ(e.source(), "Outer.Routine\r\n\r\nclsInc.LetLTCG\r\n\r\nOsgrin");
    }
}

TEST(ErrorTrap, TemplateFormUsesCarriageReturnAndReplacesDescription) {
    try {
        guardedTemplate("Template.Calculate", "Planner Library", [] {
            guardedTemplate("c_calculate.CalcPresValue", "Planner Library",
                            [] { throw TaxError::standard(err::DivisionByZero, "Mirvane"); });
        });
        FAIL() << "no error";
    } catch (const TaxError& e) {
        EXPECT_EQ(e.number(), 11);
        EXPECT_EQ(e.description(), "Planner Library");
        EXPECT_EQ(e.source(), "Template.Calculate\rc_calculate.CalcPresValue\rMirvane");
    }
}

TEST(ErrorTrap, MixedFormsKeepTheirOwnSeparators) {
    try {
        guardedTemplate("clsOsgrinTop.Calculate", "Return Library", [] {
            guarded("TopComputations.TopTaxCalc", [] { throw TaxError::standard(err::FileNotFound, "rates"); });
        });
        FAIL();
    } catch (const TaxError& e) {
        EXPECT_EQ(e.source(), "clsOsgrinTop.Calculate\rTopComputations.TopTaxCalc\r\n\r\nrates");
        EXPECT_EQ(e.description(), "Return Library");
    }
}

TEST(ErrorTrap, ForeignExceptionsBecomeRuntimeErrors) {
    try {
        guarded("Here.There", [] { std::vector<int>().at(3); });
        FAIL();
    } catch (const TaxError& e) {
        EXPECT_EQ(e.number(), err::SubscriptOutOfRange);
        EXPECT_EQ(e.source().rfind("Here.There\r\n\r\n", 0), 0u);
    }
}

TEST(ErrorTrap, ReturnsTheBodysValueWhenNothingFails) {
    EXPECT_EQ(guarded("A.B", [] { return 42; }), 42);
    EXPECT_EQ(guardedTemplate("A.B", "d", [] { return std::string("x"); }), "x");
}

TEST(ErrorTrap, StandardDescriptions) {
    EXPECT_EQ(standardDescription(6), "Overflow");
    EXPECT_EQ(standardDescription(13), "Type mismatch");
    EXPECT_EQ(standardDescription(445), "Object doesn't support this action");
    EXPECT_EQ(standardDescription(457), "This key is already associated with an element of this collection");
    EXPECT_EQ(standardDescription(10005), "Need to calculate results based on complete information.");
    EXPECT_EQ(standardDescription(10001), "Application-defined or object-defined error");
}
