#include "calc/InputText.h"

#include "platform/FileAccess.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrel::calc {
namespace {

// The mapping of a regular, non-empty file within the limit, or null.
const char* mapFile(const std::string& path, std::size_t maxBytes, std::size_t& size) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return nullptr;
    struct stat st {};
    void* p = MAP_FAILED;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 &&
        static_cast<unsigned long long>(st.st_size) <= maxBytes) {
        size = static_cast<std::size_t>(st.st_size);
        p = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    }
    ::close(fd);
    if (p == MAP_FAILED) return nullptr;
    ::madvise(p, size, MADV_SEQUENTIAL);
    return static_cast<const char*>(p);
}

}  // namespace

InputText::InputText(const std::string& path, std::size_t maxBytes) {
    mapped_ = mapFile(path, maxBytes, mappedSize_);
    if (mapped_) return;
    platform::FileText file = platform::readTextFile(path, maxBytes);
    switch (file.status) {
    case platform::FileText::Status::Ok: read_ = std::move(file.text); break;
    case platform::FileText::Status::Missing: problem_ = "no such file"; break;
    case platform::FileText::Status::Failed:
    case platform::FileText::Status::TooLarge: problem_ = file.reason; break;
    }
}

InputText::~InputText() {
    if (mapped_) ::munmap(const_cast<char*>(mapped_), mappedSize_);
}

}  // namespace tavrel::calc
