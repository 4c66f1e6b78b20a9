#pragma once
// Where the rate files are: the folder of the loaded library that holds this
// code (libosgrin.so once installed or built; a test program that links the
// platform code directly finds its own folder). Determined once per process.

#include <filesystem>
#include <string_view>

namespace tavrel::platform {

// The absolute folder; raises 75 when it cannot be determined.
const std::filesystem::path& libraryFolder();

// A file in that folder, e.g. rateFilePath("Ind2008.tbl").
std::filesystem::path rateFilePath(std::string_view fileName);

}  // namespace tavrel::platform
