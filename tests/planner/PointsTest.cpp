// The curve collection: order, positions, keys and their errors.
#include "planner/Points.h"

#include "common/TaxError.h"

#include "ErrorOf.h"

#include <gtest/gtest.h>

using mirvane::Points;
using tavrel::usd;
using testsupport::errorNumberOf;

TEST(CurvePoints, ANewCollectionIsEmpty) {
    Points pts;
    EXPECT_EQ(pts.Count(), 0);
    EXPECT_EQ(errorNumberOf([&] { pts.Item(1L); }), 9);
    EXPECT_EQ(pts.begin(), pts.end());
}

TEST(CurvePoints, KeepsInsertionOrderAndOneBasedPositions) {
    Points pts;
    for (long i = 0; i < 501; ++i) pts.Add(usd(12 * i), usd(100000 - i));
    EXPECT_EQ(pts.Count(), 501);
    EXPECT_EQ(pts.Item(1L)->cAccelInc(), usd(0));
    EXPECT_EQ(pts.Item(501L)->cAccelInc(), usd(6000));
    EXPECT_EQ(pts.Item(501L)->cCombinedTax(), usd(99500));
    long n = 0;
    for (const auto& point : pts) {
        EXPECT_EQ(point.cAccelInc(), usd(12 * n));
        ++n;
    }
    EXPECT_EQ(n, 501);
    EXPECT_EQ(errorNumberOf([&] { pts.Item(502L); }), 9);
    EXPECT_EQ(errorNumberOf([&] { pts.Item(0L); }), 9);
}

TEST(CurvePoints, KeysAreUniqueAndFindPoints) {
    Points pts;
    pts.Add(usd(1), usd(10), "A");
    EXPECT_EQ(errorNumberOf([&] { pts.Add(usd(2), usd(20), "A"); }), 457);
    EXPECT_EQ(pts.Count(), 1);
    pts.Add(usd(3), usd(30));
    pts.Add(usd(4), usd(40), "B");
    EXPECT_EQ(pts.Item(std::string("B"))->cAccelInc(), usd(4));
    EXPECT_EQ(errorNumberOf([&] { pts.Item(std::string("C")); }), 5);
}

TEST(CurvePoints, RemoveByPositionOrKeyKeepsKeysPointingRight) {
    Points pts;
    pts.Add(usd(1), usd(10), "A");
    pts.Add(usd(2), usd(20), "B");
    pts.Add(usd(3), usd(30), "C");
    pts.Remove(std::string("A"));
    EXPECT_EQ(pts.Count(), 2);
    EXPECT_EQ(pts.Item(std::string("C"))->cAccelInc(), usd(3));
    pts.Remove(1L);
    EXPECT_EQ(pts.Item(1L)->cAccelInc(), usd(3));
    EXPECT_EQ(errorNumberOf([&] { pts.Item(std::string("B")); }), 5);
    pts.Add(usd(9), usd(90), "B");  // the key is free again
    EXPECT_EQ(pts.Count(), 2);
}

TEST(CurvePoints, APointHeldOutsideOutlivesTheCollection) {
    std::shared_ptr<mirvane::Point> kept;
    {
        Points pts;
        kept = pts.Add(usd(7), usd(70));
    }
    EXPECT_EQ(kept->cCombinedTax(), usd(70));
}
