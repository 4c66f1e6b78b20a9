#include "base/FileStamp.h"

#include <sys/stat.h>

namespace tavrel::shell {

FileStamp stampOf(const std::string& path) {
    FileStamp s;
    s.path = path;
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return s;
    s.exists = true;
    s.device = static_cast<std::uint64_t>(st.st_dev);
    s.inode = static_cast<std::uint64_t>(st.st_ino);
    s.size = static_cast<std::int64_t>(st.st_size);
    s.modifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    return s;
}

bool changedSince(const FileStamp& stamp, const std::string& path) {
    const FileStamp now = stampOf(path);
    // A file that is gone holds nothing that writing it could lose.
    if (!now.exists) return false;
    if (stamp.path != path) return true;
    return !(now == stamp);
}

}  // namespace tavrel::shell
