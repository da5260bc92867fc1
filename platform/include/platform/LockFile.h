#pragma once

#include <chrono>
#include <filesystem>
#include <optional>

namespace platform {

/// A lock (flock) on a file, held from `take` until the object is destroyed: it orders the
/// processes that change a file, or tells that a process still runs, on this machine and across
/// machines where the file system passes locks on (NFS). A killed holder loses its lock. Two locks
/// taken through separate calls conflict also within one process. The lock is always on the file
/// that the name stands for when `take` returns: one removed or replaced meanwhile by a holder
/// before is opened again. Movable, not copyable; throws nothing.
class LockFile {
public:
    enum class Mode { Shared, Exclusive };
    enum class Create { No, Yes };

    /// The lock on `file`, waited for up to `patience` while another holder has one that conflicts;
    /// nullopt when the wait ran out or the file cannot be opened (missing and not to be created, or
    /// a folder that refuses it). A symbolic link is not followed (nullopt).
    [[nodiscard]] static std::optional<LockFile> take(const std::filesystem::path& file, Mode mode,
                                                      Create create, std::chrono::milliseconds patience);

    LockFile(LockFile&& other) noexcept;
    LockFile& operator=(LockFile&& other) noexcept;
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;
    ~LockFile();

    /// Removes the file while its lock is held, so that whoever opened it meanwhile and locks it
    /// after finds it gone rather than believing it holds the lock. The lock stays until destroyed.
    bool removeFile() noexcept;
    /// Whether the file still has the name it was locked under (no one removed or replaced it).
    [[nodiscard]] bool stillNamed() const noexcept;

private:
    LockFile(int fd, std::filesystem::path file) noexcept;
    void release() noexcept;

    int m_fd = -1;
    std::filesystem::path m_file;
};

} // namespace platform
