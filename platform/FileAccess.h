#pragma once
// Whole-file reads and all-or-nothing file replacement, shared by the profile
// and rate-schedule components. Plain POSIX underneath: the components need to
// tell "missing" from "unreadable" and to know which system call failed and why.

#include "common/Api.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavrel::platform {

// Nothing either component reads legitimately comes near this; a larger file is
// refused rather than loaded.
inline constexpr std::size_t kMaxTextFileBytes = std::size_t{64} << 20;

struct FileText {
    enum class Status {
        Ok,        // text holds the whole file
        Missing,   // no such file, or a folder on the way is missing
        Failed,    // exists but cannot be read; error and reason say why
        TooLarge,  // larger than the limit; reason gives the size
    };
    Status status = Status::Missing;
    int error = 0;  // the system error code when Failed (0 when not from a system call)
    std::string text;
    std::string reason;  // for error sources: "Permission denied", "is a directory", ...
};

// Reads a regular file completely. Never throws TaxError; callers choose the
// error number that absence or failure means for them.
OSGRIN_API FileText readTextFile(const std::string& path, std::size_t maxBytes = kMaxTextFileBytes);

struct SaveResult {
    int error = 0;       // the system error code of the step that failed; 0 on success
    std::string reason;  // which step failed and the system's explanation
    bool ok() const noexcept { return error == 0; }
};

// Whether a replacement waits until its contents are on the disk before the rename.
enum class Durability : std::uint8_t {
    Flushed,    // what a user typed in: it survives a crash of the machine
    Unflushed,  // results that can be computed again: no waiting on the disk; a
                // reader still sees the old file or the whole new one, never a part
};

// A file being replaced, written piece by piece: the new contents go into a
// temporary file in the same folder, which commit() gives the permission bits
// of the file it replaces (or the usual ones for a new file) and renames over
// the target. Without a commit, or when any step fails, the temporary file is
// removed and the target is left as it was. A symbolic link is followed, so the
// link stays a link.
//
// The temporary file has no name while it is written, so a process killed
// part-way leaves nothing behind; only the complete file is linked into the
// folder, as ".NAME.~tavrel-save~" and six letters or digits, just before the
// rename. Where the file system cannot make a file without a name, the
// temporary file carries that name from the start. A commit also removes such
// files of the same target left by a process that died: only regular files of
// the user, untouched for over a minute and not held by a live save.
class OSGRIN_API FileReplacement {
public:
    explicit FileReplacement(const std::string& path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Adds to the new contents; false once a step has failed (see failure()).
    bool write(std::string_view content);
    // Puts the new contents in place of the old.
    SaveResult commit(Durability durability);
    // The first step that failed; ok() while none has.
    const SaveResult& failure() const noexcept { return failure_; }

private:
    SaveResult fail(int error, const char* step);
    // Links the unnamed temporary file into the folder; false with errno set.
    bool giveName();

    std::string target_;
    std::string temporary_;  // the temporary file's path once it has a name
    bool unnamed_ = false;   // the descriptor is a file without a name yet
    bool existed_ = false;
    unsigned mode_ = 0, owner_ = 0, group_ = 0;
    int fd_ = -1;
    SaveResult failure_;
};

// Replaces the file's contents in one step, flushed to disk before the rename
// (see FileReplacement).
OSGRIN_API SaveResult replaceFileAtomically(const std::string& path, std::string_view content);

// The error number a failed save raises for a system error code: 76 when a folder
// is missing, 70 when permission is refused, 61 when there is no room, 75 otherwise.
int saveErrorNumber(int systemError) noexcept;

// The system's text for an error code, e.g. "No such file or directory".
OSGRIN_API std::string systemReason(int systemError);

// A name or path as it appears inside an error source: in double quotes, with
// line breaks and other control characters spelled out so the message stays on
// one line and shows exactly what was passed.
OSGRIN_API std::string quotedForMessage(std::string_view text);

}  // namespace tavrel::platform
