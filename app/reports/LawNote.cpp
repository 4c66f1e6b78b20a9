#include "LawNote.h"

namespace tavrel::reports {

std::string lawClosingLine(osgrin::LawEdition law) {
    if (law == osgrin::LawEdition::Enacted)
        return "The computations for 2008 and 2009 are made using each year's tax law as enacted.";
    return "The computations for 2009 are made using the 2008 tax law and tax rates.";
}

}  // namespace tavrel::reports
