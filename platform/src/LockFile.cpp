#include "platform/LockFile.h"

#include "FileDescriptor.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace platform {
namespace {

int openForLock(const std::filesystem::path& file, LockFile::Mode mode, LockFile::Create create) {
    const int creating = create == LockFile::Create::Yes ? O_CREAT : 0;
    // An exclusive lock over NFS needs a file open for writing; one that only others may write
    // (another user's lock file) still takes a lock where the file system allows it.
    if (mode == LockFile::Mode::Exclusive) {
        const int fd = ::open(file.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | creating, 0644);
        if (fd >= 0 || (errno != EACCES && errno != EROFS && errno != EPERM)) {
            return fd;
        }
    }
    return ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | creating, 0644);
}

} // namespace

std::optional<LockFile> LockFile::take(const std::filesystem::path& file, Mode mode, Create create,
                                       std::chrono::milliseconds patience) {
    const auto until = std::chrono::steady_clock::now() + patience;
    const int operation = (mode == Mode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    auto pause = std::chrono::microseconds(200);
    for (;;) {
        const int fd = openForLock(file, mode, create);
        if (fd < 0) {
            return std::nullopt;
        }
        LockFile lock(fd, file);
        if (::flock(fd, operation) == 0) {
            if (namesOpenFile(file, fd)) {
                return lock;
            }
            // Removed by the holder before: the name stands for another file now, or for none.
            if (create == Create::No && ::access(file.c_str(), F_OK) != 0) {
                return std::nullopt;
            }
        } else if (errno != EWOULDBLOCK && errno != EINTR) {
            return std::nullopt;
        }
        if (std::chrono::steady_clock::now() >= until) {
            return std::nullopt;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds(20'000));
    }
}

LockFile::LockFile(int fd, std::filesystem::path file) noexcept : m_fd(fd), m_file(std::move(file)) {}

LockFile::LockFile(LockFile&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_file(std::move(other.m_file)) {}

LockFile& LockFile::operator=(LockFile&& other) noexcept {
    if (this != &other) {
        release();
        m_fd = std::exchange(other.m_fd, -1);
        m_file = std::move(other.m_file);
    }
    return *this;
}

LockFile::~LockFile() {
    release();
}

bool LockFile::removeFile() noexcept {
    return m_fd >= 0 && ::unlink(m_file.c_str()) == 0;
}

bool LockFile::stillNamed() const noexcept {
    return m_fd >= 0 && namesOpenFile(m_file, m_fd);
}

void LockFile::release() noexcept {
    if (m_fd >= 0) {
        ::close(m_fd); // the last descriptor of the open file releases its lock
        m_fd = -1;
    }
}

} // namespace platform
