#pragma once
// Identity of the planner library: its version and the file description that
// replaces the description of errors leaving its methods.

#include <string_view>

namespace mirvane {
inline constexpr std::string_view kFileDescription = "Mirvane AMT Planning Engine";
std::string_view libraryVersion();
}  // namespace mirvane
