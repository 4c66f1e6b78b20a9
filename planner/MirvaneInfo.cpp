#include "MirvaneInfo.h"

namespace mirvane {
std::string_view libraryVersion() { return "2008.0"; }
}  // namespace mirvane
