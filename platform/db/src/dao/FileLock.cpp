#include "FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace platform::db {

std::optional<FileLock> FileLock::tryAcquire(const std::string& path, bool exclusive) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    FileLock lock(fd);
    if (::flock(fd, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        return std::nullopt;
    }
    // Any other failure means the file system keeps no such locks: open without one rather than
    // calling a file in use that is not.
    return lock;
}

FileLock::FileLock(FileLock&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

FileLock::~FileLock() {
    if (m_fd >= 0) {
        ::close(m_fd); // closing the last descriptor of the open file releases its flock
    }
}

} // namespace platform::db
