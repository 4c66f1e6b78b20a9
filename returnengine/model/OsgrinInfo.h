#pragma once
// Identity of the return library: its version and the file description that
// replaces the description of errors leaving its methods and law routines.

#include "common/Version.h"

#include <string_view>

namespace osgrin {
inline constexpr std::string_view kFileDescription = "Osgrin Individual Return Engine";
// Major and minor version of the library, as the return's Version property shows it.
inline constexpr std::string_view kVersion = tavrel::version::kEngine;
// Project name: the source text of errors that the library raises itself.
inline constexpr std::string_view kProjectName = "Osgrin";
}  // namespace osgrin
