#include "reports/LawNote.h"

#include "base/YearText.h"

namespace tavrel::reports {

std::string lawClosingLine(const mirvane::AMT& planner) {
    const auto [current, next] = shell::yearTexts(planner);
    if (planner.cur().lawEdition() == osgrin::LawEdition::Enacted)
        return "The computations for " + current + " and " + next + " are made using each year's tax law as enacted.";
    return "The computations for " + next + " are made using the " + current + " tax law and tax rates.";
}

}  // namespace tavrel::reports
