#pragma once

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

/// RAII owner of a file descriptor.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) noexcept : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { close(); }
    [[nodiscard]] int get() const noexcept { return m_fd; }
    [[nodiscard]] bool valid() const noexcept { return m_fd >= 0; }
    bool close() noexcept {
        if (m_fd < 0) {
            return true;
        }
        const bool ok = ::close(m_fd) == 0;
        m_fd = -1;
        return ok;
    }

private:
    int m_fd;
};

/// Whether `name` still stands for the file open as `fd` (not removed, nor replaced by another).
inline bool namesOpenFile(const std::filesystem::path& name, int fd) noexcept {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(name.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

} // namespace platform
