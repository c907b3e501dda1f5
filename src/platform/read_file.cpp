// Whole-file reads with a size bound.
#include "platform/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

ReadStatus ReadDescriptor(int fd, std::size_t maxBytes, std::string& out) {
    out.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) return ReadStatus::kOk;
        if (n < 0) {
            if (errno == EINTR) continue;
            out.clear();
            return ReadStatus::kFailed;
        }
        if (out.size() + static_cast<std::size_t>(n) > maxBytes) {
            out.clear();
            return ReadStatus::kTooLarge;
        }
        out.append(buffer, static_cast<std::size_t>(n));
    }
}

ReadStatus ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& out) {
    out.clear();
    if (path.empty()) return ReadStatus::kMissing;
    // Non-blocking, so that opening a FIFO with no writer does not wait for one.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? ReadStatus::kMissing : ReadStatus::kFailed;
    struct stat st {};
    ReadStatus status = ReadStatus::kOk;
    if (::fstat(fd, &st) != 0)
        status = ReadStatus::kFailed;
    else if (!S_ISREG(st.st_mode))
        status = ReadStatus::kNotRegular;
    else if (static_cast<uint64_t>(st.st_size) > maxBytes)
        status = ReadStatus::kTooLarge;
    else
        status = ReadDescriptor(fd, maxBytes, out);  // also catches a file that grows meanwhile
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return status;
}

std::string ReadStatusText(ReadStatus status, std::size_t maxBytes) {
    switch (status) {
        case ReadStatus::kOk: return "read";
        case ReadStatus::kMissing: return "does not exist";
        case ReadStatus::kNotRegular: return "is not a regular file";
        case ReadStatus::kTooLarge:
            if (maxBytes >= (std::size_t{1} << 20))
                return "is larger than " + std::to_string(maxBytes >> 20) + " MB";
            return "is larger than " + std::to_string(maxBytes) + " bytes";
        case ReadStatus::kFailed: break;
    }
    return std::string("cannot be read: ") + std::strerror(errno);
}

}  // namespace platform
