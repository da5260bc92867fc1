#pragma once

// An advisory lock (flock) on a database file: shared for every opener, exclusive for one that opens
// the file exclusively. flock locks belong to the open file, so a second opener in the same process
// conflicts as one in another process does; they are independent of SQLite's own fcntl locks.

#include <optional>
#include <string>

namespace platform::db {

class FileLock {
public:
    /// No lock when another opener holds a conflicting one or the file cannot be opened. Where the
    /// file system does not lock, the result holds the file without a lock.
    [[nodiscard]] static std::optional<FileLock> tryAcquire(const std::string& path, bool exclusive);

    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

private:
    explicit FileLock(int fd) : m_fd(fd) {}
    int m_fd = -1;
};

} // namespace platform::db
