#include "reports/ReportDestination.h"

#include "platform/FileAccess.h"

#include "common/TaxError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace tavrel::reports {

void routeReport(const Report& report, ReportDestination& destination) {
    destination.beginReport(report);
    for (const Block& b : report.blocks) destination.block(b, report.headings);
    destination.endReport(report);
}

namespace {

int fileErrorNumber(int error) {
    return error == ENOENT                       ? err::PathNotFound
           : (error == EACCES || error == EPERM) ? err::PermissionDenied
           : error == ENOSPC                     ? err::DiskFull
                                                 : err::PathFileAccess;
}

}  // namespace

void appendToFile(const std::string& path, const std::string& text) {
    auto fail = [&](int error) {
        const int number = fileErrorNumber(error);
        throw TaxError::standard(number, "ReportFile.Append: cannot write \"" + path + "\": " + std::strerror(error));
    };
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd < 0) fail(errno);
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int e = errno;
            ::close(fd);
            fail(e);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0) fail(errno);
}

void writeWholeFile(const std::string& path, const std::string& text) {
    const platform::SaveResult r = platform::replaceFileAtomically(path, text);
    if (!r.ok()) {
        std::string why("ReportFile.Write: cannot write \"");
        why.append(path).append("\": ").append(r.reason);
        throw TaxError::standard(fileErrorNumber(r.error), why);
    }
}

}  // namespace tavrel::reports
