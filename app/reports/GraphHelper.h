#pragma once
// The analysis graph without any drawing: the curve of the planner's last
// search, its extremes, and the axis bounds rounded from them to one
// significant digit. The windows and the printer draw what this hands them.

#include "common/Currency.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mirvane {
class AMT;
class Points;
}  // namespace mirvane

namespace tavrel::reports {

// Holds the extremes of the curve; reading a bound rounds its extreme.
class GraphHelper {
public:
    Currency cMaxInc2Accel() const { return maxInc2Accel_; }
    void setCMaxInc2Accel(Currency value) { maxInc2Accel_ = value; }
    Currency cLowCombined() const { return lowCombined_; }
    void setCLowCombined(Currency value) { lowCombined_ = value; }
    Currency cHighCombined() const { return highCombined_; }
    void setCHighCombined(Currency value) { highCombined_ = value; }

    // Upper bound of the x axis, from cMaxInc2Accel.
    double d4GraphMacInc2Accel() const { return upperBound(maxInc2Accel_); }
    // Lower bound of the y axis, from cLowCombined.
    double d4GraphLowCombined() const { return lowerBound(lowCombined_); }
    // Upper bound of the y axis, from cHighCombined.
    double d4GraphHighCombined() const { return upperBound(highCombined_); }

    // The value as a whole number rounded down to its leading digit; 0 for 0 or less.
    static double lowerBound(Currency value);
    // 10 below 10; otherwise the value rounded up to its leading digit (kept when
    // all the other digits are 0).
    static double upperBound(Currency value);

private:
    Currency maxInc2Accel_;
    Currency lowCombined_;
    Currency highCombined_;
};

// What the graph shows: the points in order and the axes.
struct GraphData {
    struct PointXY {
        Currency x;  // amount deferred
        Currency y;  // combined present-value tax
    };
    std::string title;
    std::vector<PointXY> points;
    GraphHelper extremes;
    double xMin = 0;
    double xMax = 10;
    double yMin = 0;
    double yMax = 10;
    int xMinorDivisions = 5;
    int yMinorDivisions = 5;
    int yMajorDivisions = 5;
};

// The graph of the planner's curve after a report run's analysis; nothing when
// no search was run (DecreaseItemizedTax or DeferItemizedTax not set). The axes run from the
// helper's bounds, widened when a flat or empty curve would make them collapse.
std::optional<GraphData> RunDetailGraph(const mirvane::AMT& planner);
// The same from the flag, the curve (null: no curve) and the plan year.
std::optional<GraphData> RunDetailGraph(bool decreaseItemizedTax, const mirvane::Points* points, std::int16_t planYear);

// The graph of a curve's points, in order: its title (naming the plan year
// and the next) and the axes fitted to it.
GraphData graphOf(std::vector<GraphData::PointXY> points, std::int16_t planYear);

// What the graph window says when the run had no search to draw.
inline constexpr const char* kNoSearchText =
    "No deferral search was run for this scenario (deferral is off), so there is no curve to show.";

}  // namespace tavrel::reports
