#include "platform/LibraryFolder.h"

#include "common/TaxError.h"

#include <dlfcn.h>
#include <link.h>

#include <system_error>

namespace tavrel::platform {
namespace {

std::filesystem::path findLibraryFolder() {
    Dl_info info{};
    link_map* map = nullptr;
    if (::dladdr1(reinterpret_cast<void*>(&findLibraryFolder), &info, reinterpret_cast<void**>(&map),
                  RTLD_DL_LINKMAP) == 0 ||
        info.dli_fname == nullptr)
        throw TaxError::standard(err::PathFileAccess, "LibraryFolder: the loader does not know this code's file");
    // The main program has an empty name in the loader's list (and dli_fname is
    // then whatever argv[0] was), so ask the kernel for the program's path.
    const bool inProgram = map != nullptr && (map->l_name == nullptr || map->l_name[0] == '\0');
    const std::filesystem::path file = inProgram ? std::filesystem::path("/proc/self/exe") : info.dli_fname;
    std::error_code ec;
    const std::filesystem::path resolved = std::filesystem::canonical(file, ec);
    if (ec)
        throw TaxError::standard(err::PathFileAccess,
                                 "LibraryFolder: cannot resolve \"" + file.string() + "\": " + ec.message());
    return resolved.parent_path();
}

}  // namespace

const std::filesystem::path& libraryFolder() {
    static const std::filesystem::path folder = findLibraryFolder();
    return folder;
}

std::filesystem::path rateFilePath(std::string_view fileName) { return libraryFolder() / fileName; }

}  // namespace tavrel::platform
