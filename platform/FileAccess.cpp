#include "platform/FileAccess.h"

#include "platform/AsciiText.h"

#include "common/TaxError.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tavrel::platform {
namespace {

// Closes a descriptor on every path out of a function.
class Descriptor {
public:
    explicit Descriptor(int fd) noexcept : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const noexcept { return fd_; }
    bool valid() const noexcept { return fd_ >= 0; }
    // Closes now so that the error of close itself can be seen (it can report
    // a delayed write failure on some file systems).
    int close() noexcept {
        const int r = ::close(fd_);
        fd_ = -1;
        return r;
    }

private:
    int fd_;
};

std::string sizeText(unsigned long long bytes) {
    std::string digits = std::to_string(bytes);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out.push_back(',');
        out.push_back(digits[i]);
    }
    return out + " bytes";
}

FileText failed(int error, std::string reason) {
    FileText r;
    r.status = FileText::Status::Failed;
    r.error = error;
    r.reason = std::move(reason);
    return r;
}

FileText tooLarge(unsigned long long size, std::size_t maxBytes) {
    FileText r;
    r.status = FileText::Status::TooLarge;
    r.reason = "the file is too large (" + sizeText(size) + "; the limit is " + sizeText(maxBytes) + ")";
    return r;
}

// The process's file-creation mask without changing it (umask() both reads and
// sets, which would race with other threads creating files).
mode_t currentUmask() {
    if (std::FILE* f = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned mask = 0;
        bool found = false;
        while (std::fgets(line, sizeof line, f))
            if (std::sscanf(line, "Umask: %o", &mask) == 1) {
                found = true;
                break;
            }
        std::fclose(f);
        if (found) return static_cast<mode_t>(mask);
    }
    return 022;
}

SaveResult saveFailure(int error, const char* step) { return {error, std::string(step) + ": " + systemReason(error)}; }

bool writeAll(int fd, std::string_view content) {
    const char* p = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Temporary files are ".NAME.~tavrel-save~" plus six letters or digits: hidden,
// and unlike anything a user would call a file, so the sweep below can tell
// its own leftovers from the user's files. A long name is cut so that the
// whole stays within the longest name a folder entry may have.
constexpr std::string_view kTemporaryMarker = ".~tavrel-save~";
constexpr std::size_t kSuffixLength = 6;
constexpr std::size_t kLongestName = 255;

std::string temporaryPrefix(const std::string& targetName) {
    const std::size_t room = kLongestName - 1 - kTemporaryMarker.size() - kSuffixLength;
    // Appended, not added to a literal: GCC 12 at -O3 warns falsely (-Wrestrict).
    std::string prefix(".");
    prefix.append(targetName, 0, room).append(kTemporaryMarker);
    return prefix;
}

bool isSuffixCharacter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

bool isTemporaryOf(std::string_view entry, std::string_view prefix) {
    return entry.size() == prefix.size() + kSuffixLength && entry.starts_with(prefix) &&
           std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(prefix.size()), entry.end(), isSuffixCharacter);
}

std::string randomSuffix() {
    static constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::uint64_t bits = 0;
    if (::getrandom(&bits, sizeof bits, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bits)) {
        // Without the entropy pool the clock will do: a clash only costs another try.
        bits = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
               (static_cast<std::uint64_t>(::getpid()) << 40);
        bits *= 0x9E3779B97F4A7C15ull;
    }
    std::string s;
    for (std::size_t i = 0; i < kSuffixLength; ++i, bits /= kLetters.size())
        s.push_back(kLetters[bits % kLetters.size()]);
    return s;
}

// A temporary file left by a save that never finished is this old at least;
// a live save keeps writing to its file and holds a lock on it anyway.
constexpr long kStaleSeconds = 60;

// Removes the temporary files of the target that a killed or crashed save left
// behind. Cautious on purpose: only our own pattern for this very name, only
// regular files with one link owned by the user, only when untouched for a
// while, and only when no process holds the lock every save takes.
void sweepStaleTemporaries(const std::string& folder, const std::string& prefix) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const int dirFd = ::dirfd(dir);
    const ::time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (!isTemporaryOf(name, prefix)) continue;
        Descriptor fd(::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (!fd.valid()) continue;
        struct stat st {};
        if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid() || st.st_nlink != 1)
            continue;
        const long age = static_cast<long>(now - st.st_mtim.tv_sec);
        if (age < kStaleSeconds) continue;
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;
        // The name must still be the file just examined.
        struct stat named {};
        if (::fstatat(dirFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) != 0 || named.st_dev != st.st_dev ||
            named.st_ino != st.st_ino)
            continue;
        (void)::unlinkat(dirFd, entry->d_name, 0);
    }
    ::closedir(dir);
}

// The file system has no files without a name (or the kernel predates them);
// anything else is a real failure to create a file in the folder.
bool refusesUnnamedFiles(int error) { return error == EOPNOTSUPP || error == EISDIR || error == EINVAL; }

std::string descriptorPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

}  // namespace

FileText readTextFile(const std::string& path, std::size_t maxBytes) {
    // O_NONBLOCK so that a FIFO at the path cannot hang the open; it has no
    // effect on reading a regular file.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid()) {
        const int e = errno;
        if (e == ENOENT || e == ENOTDIR) return {};
        return failed(e, systemReason(e));
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        const int e = errno;
        return failed(e, systemReason(e));
    }
    if (S_ISDIR(st.st_mode)) return failed(EISDIR, "it is a folder, not a file");
    if (!S_ISREG(st.st_mode)) return failed(0, "it is not a regular file");
    if (static_cast<unsigned long long>(st.st_size) > maxBytes)
        return tooLarge(static_cast<unsigned long long>(st.st_size), maxBytes);

    FileText r;
    r.status = FileText::Status::Ok;
    r.text.resize(static_cast<std::size_t>(st.st_size));
    std::size_t used = 0;
    for (;;) {
        // The file may grow while it is read: read one byte past the limit to notice.
        if (used == r.text.size()) {
            if (used > maxBytes) return tooLarge(used, maxBytes);
            r.text.resize(std::min(maxBytes + 1, used + 65536));
        }
        const ssize_t n = ::read(fd.get(), r.text.data() + used, r.text.size() - used);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int e = errno;
            return failed(e, systemReason(e));
        }
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    if (used > maxBytes) return tooLarge(used, maxBytes);
    r.text.resize(used);
    return r;
}

FileReplacement::FileReplacement(const std::string& path) : target_(path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            target_ = real;
            std::free(real);
        }
    }
    existed_ = ::stat(target_.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    if (existed_) {
        mode_ = st.st_mode & 07777;
        owner_ = st.st_uid;
        group_ = st.st_gid;
    }
    // The unnamed file is linked through /proc at the commit; without /proc it
    // could never be given a name, so the named file is used instead.
    fd_ = ::open(folderOf(target_).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd_ >= 0 && ::access(descriptorPath(fd_).c_str(), F_OK) != 0) {
        ::close(fd_);
        fd_ = -1;
        errno = EOPNOTSUPP;
    }
    if (fd_ >= 0) {
        unnamed_ = true;
    } else if (refusesUnnamedFiles(errno)) {
        temporary_ = folderOf(target_) + "/" + temporaryPrefix(nameOf(target_)) + "XXXXXX";
        fd_ = ::mkostemp(temporary_.data(), O_CLOEXEC);
    }
    if (fd_ < 0) {
        failure_ = saveFailure(errno, "cannot create a temporary file in the folder");
        temporary_.clear();
        return;
    }
    // Tells a sweep by another process that this file is still being written.
    (void)::flock(fd_, LOCK_EX | LOCK_NB);
}

FileReplacement::~FileReplacement() {
    if (fd_ >= 0) ::close(fd_);
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

SaveResult FileReplacement::fail(int error, const char* step) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
    failure_ = saveFailure(error, step);
    return failure_;
}

bool FileReplacement::giveName() {
    // A link cannot replace the target, so the complete file gets a temporary
    // name of its own first, and the rename follows at once.
    const std::string stem = folderOf(target_) + "/" + temporaryPrefix(nameOf(target_));
    const std::string source = descriptorPath(fd_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = stem + randomSuffix();
        if (::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            temporary_ = std::move(name);
            unnamed_ = false;
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

bool FileReplacement::write(std::string_view content) {
    if (!failure_.ok()) return false;
    if (writeAll(fd_, content)) return true;
    fail(errno, "cannot write");
    return false;
}

SaveResult FileReplacement::commit(Durability durability) {
    if (!failure_.ok()) return failure_;
    const bool flush = durability == Durability::Flushed;
    const mode_t mode = existed_ ? static_cast<mode_t>(mode_) : (0666 & ~currentUmask());
    if (::fchmod(fd_, mode) != 0) return fail(errno, "cannot set the permissions");
    if (existed_) {
        // Keep the owner when an administrator saves someone else's file; an
        // ordinary user cannot give a file away, which is fine.
        struct stat mine {};
        if (::fstat(fd_, &mine) == 0 && (mine.st_uid != owner_ || mine.st_gid != group_))
            (void)::fchown(fd_, owner_, group_);
    }
    if (flush && ::fsync(fd_) != 0) return fail(errno, "cannot write");
    if (unnamed_ && !giveName()) return fail(errno, "cannot replace the file");
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0) return fail(errno, "cannot write");
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) return fail(errno, "cannot replace the file");
    temporary_.clear();

    // Make the rename itself durable. The new contents are already in place, so
    // a failure here is not reported as a failed save.
    const std::string folder = folderOf(target_);
    if (flush) {
        Descriptor folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (folderFd.valid()) (void)::fsync(folderFd.get());
    }
    sweepStaleTemporaries(folder, temporaryPrefix(nameOf(target_)));
    return {};
}

SaveResult replaceFileAtomically(const std::string& path, std::string_view content) {
    FileReplacement replacement(path);
    replacement.write(content);
    return replacement.commit(Durability::Flushed);
}

int saveErrorNumber(int systemError) noexcept {
    switch (systemError) {
    case ENOENT:
    case ENOTDIR: return err::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY: return err::PermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return err::DiskFull;
    default: return err::PathFileAccess;
    }
}

std::string systemReason(int systemError) { return std::generic_category().message(systemError); }

std::string quotedForMessage(std::string_view text) { return ascii::quoted(text, false); }

}  // namespace tavrel::platform
