#include "reports/LawNote.h"

#include "base/ProgramInfo.h"

namespace tavrel::reports {

using shell::kCurrentYear;
using shell::kNextYear;

std::string lawClosingLine(osgrin::LawEdition law) {
    if (law == osgrin::LawEdition::Enacted)
        return "The computations for " + kCurrentYear + " and " + kNextYear +
               " are made using each year's tax law as enacted.";
    return "The computations for " + kNextYear + " are made using the " + kCurrentYear + " tax law and tax rates.";
}

}  // namespace tavrel::reports
