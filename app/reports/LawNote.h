#pragma once
// What the reports say about the law their figures use.

#include "returnengine/law/LawEdition.h"

#include <string>

namespace tavrel::reports {

// The closing line of the summary and detailed reports.
std::string lawClosingLine(osgrin::LawEdition law);

}  // namespace tavrel::reports
