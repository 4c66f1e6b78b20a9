#pragma once
// What a file on disk looked like when the program last read or wrote it, so
// that a save can tell whether someone else has changed it since.

#include <cstdint>
#include <string>

namespace tavrel::shell {

struct FileStamp {
    std::string path;  // empty: no file known
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;

    bool operator==(const FileStamp&) const = default;
};

// The file as it is now (a missing file gives a stamp that does not exist).
FileStamp stampOf(const std::string& path);

// True when the file at `path` is not the one the stamp recorded: replaced,
// rewritten or created by someone else. A file that does not exist (now) has
// nothing to lose and never counts as changed.
bool changedSince(const FileStamp& stamp, const std::string& path);

}  // namespace tavrel::shell
