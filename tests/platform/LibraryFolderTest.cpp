// The folder of the library that holds the platform code, when that code is
// in a shared library (as in libosgrin.so) rather than in the program.

#include "platform/LibraryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

TEST(LibraryFolder, IsTheSharedLibrarysFolderNotTheProgramsFolder) {
    const fs::path expected = fs::canonical(TAVREL_PROBE_LIBRARY_DIR);
    const fs::path program = fs::canonical("/proc/self/exe").parent_path();
    ASSERT_NE(expected, program);  // the arrangement this test relies on
    EXPECT_EQ(tavrel::platform::libraryFolder(), expected);
    EXPECT_EQ(tavrel::platform::rateFilePath("indAmt2001.tbl"), expected / "indAmt2001.tbl");
}

TEST(LibraryFolder, DoesNotDependOnTheWorkingFolder) {
    const fs::path before = fs::current_path();
    fs::current_path("/");
    const fs::path found = tavrel::platform::libraryFolder();
    fs::current_path(before);
    EXPECT_EQ(found, fs::canonical(TAVREL_PROBE_LIBRARY_DIR));
}

}  // namespace
