#pragma once
// Identity of the planner library: its version and the file description that
// replaces the description of errors leaving its methods.

#include "common/Version.h"

#include <string_view>

namespace mirvane {
inline constexpr std::string_view kFileDescription = "Mirvane AMT Planning Engine";
inline constexpr std::string_view kVersion = tavrel::version::kEngine;
// Project name: the source text of runtime errors the library raises itself.
inline constexpr std::string_view kProjectName = "Mirvane";
}  // namespace mirvane
