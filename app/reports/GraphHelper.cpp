#include "reports/GraphHelper.h"

#include "base/YearText.h"

#include "planner/AMT.h"

#include <cstdint>
#include <string>

namespace tavrel::reports {
namespace {

// The value as a whole number without separators, its leading digit d and its
// number of digits after the first e (so the value is about d x 10^e).
struct Leading {
    std::int64_t digit = 0;
    double power = 1;
    bool restIsZero = true;
};

Leading leadingDigit(Currency value) {
    const std::int64_t whole = value.roundDollarsAwayFromZero().scaled() / Currency::kScale;
    const std::string text = std::to_string(whole < 0 ? -whole : whole);
    Leading l;
    l.digit = text[0] - '0';
    for (std::size_t i = 1; i < text.size(); ++i) {
        l.power *= 10;
        if (text[i] != '0') l.restIsZero = false;
    }
    return l;
}

}  // namespace

double GraphHelper::lowerBound(Currency value) {
    if (value <= Currency()) return 0;
    const Leading l = leadingDigit(value);
    return static_cast<double>(l.digit) * l.power;
}

double GraphHelper::upperBound(Currency value) {
    if (value < usd(10)) return 10;
    const Leading l = leadingDigit(value);
    return static_cast<double>(l.restIsZero ? l.digit : l.digit + 1) * l.power;
}

GraphData graphOf(std::vector<GraphData::PointXY> points, std::int16_t planYear) {
    GraphData g;
    const shell::YearTexts years = shell::yearTexts(planYear);
    g.title = "Deferral Vs. Combined " + years.current + " & " + years.next + " Tax";
    g.points = std::move(points);

    Currency maxX;
    Currency lowY = usd(999'999'999);
    Currency highY;
    for (const GraphData::PointXY& p : g.points) {
        if (p.x > maxX) maxX = p.x;
        if (p.y < lowY) lowY = p.y;
        if (p.y > highY) highY = p.y;
    }
    g.extremes.setCMaxInc2Accel(maxX);
    g.extremes.setCLowCombined(lowY);
    g.extremes.setCHighCombined(highY);

    g.xMin = 0;
    g.xMax = g.extremes.d4GraphMacInc2Accel();
    g.yMin = g.extremes.d4GraphLowCombined();
    g.yMax = g.extremes.d4GraphHighCombined();

    // An axis needs its maximum above its minimum. Without points there is
    // nothing to fit: both axes run 0 to 10. A flat curve on a round value
    // (every combined tax 10,000, say) gets the next round value above it.
    if (g.points.empty()) {
        g.yMin = 0;
        g.yMax = 10;
    }
    if (g.xMax <= g.xMin) g.xMax = g.xMin + 10;
    if (g.yMax <= g.yMin) {
        const Currency above = Currency::fromDouble4(g.yMin) + usd(1);
        g.yMax = GraphHelper::upperBound(above);
        if (g.yMax <= g.yMin) g.yMax = g.yMin + 10;
    }
    return g;
}

std::optional<GraphData> RunDetailGraph(bool decreaseItemizedTax, const mirvane::Points* points,
                                        std::int16_t planYear) {
    if (!decreaseItemizedTax) return std::nullopt;
    std::vector<GraphData::PointXY> xy;
    if (points) {
        xy.reserve(static_cast<std::size_t>(points->Count()));
        for (const mirvane::Point& p : *points) xy.push_back({p.cAccelInc(), p.cCombinedTax()});
    }
    return graphOf(std::move(xy), planYear);
}

std::optional<GraphData> RunDetailGraph(const mirvane::AMT& planner) {
    // Without a search in this run the planner may still hold the curve of an
    // earlier scenario; it is never shown.
    if (!planner.values().DecreaseItemizedTax || !planner.values().DeferItemizedTax) return std::nullopt;
    const auto points = planner.pointsIfAny();
    return RunDetailGraph(true, points.get(), mirvane::currentTaxYear(planner));
}

}  // namespace tavrel::reports
