#include "platform/AtomicFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

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

bool writeAll(int fd, std::string_view content) noexcept {
    while (!content.empty()) {
        const auto written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::filesystem::path resolved(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::is_symlink(file, ec)) {
        const auto target = std::filesystem::weakly_canonical(file, ec);
        if (!ec) {
            return target;
        }
    }
    return file;
}

void syncFolder(const std::filesystem::path& folder) noexcept {
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) {
        ::fsync(fd.get());
    }
}

constexpr std::size_t kSuffixLength = 6;

/// `.<name>.` that every temporary file of `name` starts with; six letters or digits follow.
std::string temporaryPrefix(const std::filesystem::path& target) {
    return "." + target.filename().string() + ".";
}

bool isTemporaryOf(const std::string& candidate, const std::string& prefix) {
    if (candidate.size() != prefix.size() + kSuffixLength || !candidate.starts_with(prefix)) {
        return false;
    }
    return std::all_of(candidate.begin() + static_cast<std::ptrdiff_t>(prefix.size()), candidate.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

/// Whether the file at `path` is a temporary file whose writer is gone: every writer holds a lock on
/// its temporary file from before it has a name until it is renamed, and a killed one loses it.
bool abandoned(const std::filesystem::path& path) noexcept {
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    return fd.valid() && ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0;
}

/// Removes the temporary files of `target` that killed writers left behind.
void removeLeftovers(const std::filesystem::path& folder, const std::filesystem::path& target) noexcept {
    const std::string prefix = temporaryPrefix(target);
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code entryError;
        if (isTemporaryOf(it->path().filename().string(), prefix) && it->is_regular_file(entryError) &&
            abandoned(it->path())) {
            std::filesystem::remove(it->path(), entryError);
        }
    }
}

/// A name `.<name>.XXXXXX` beside the target for the instant before the rename.
std::string temporaryName(const std::filesystem::path& folder, const std::filesystem::path& target) {
    static constexpr std::string_view kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string name = temporaryPrefix(target);
    for (std::size_t i = 0; i < kSuffixLength; ++i) {
        name += kLetters[pick(device)];
    }
    return (folder / name).string();
}

enum class Outcome { Written, Failed, Unsupported };

/// Writes through a file without a name until its content is on disk, so a writer killed before then
/// leaves nothing behind; one killed in the instant between naming and renaming leaves an unlocked
/// file that the next write removes. Unsupported where the file system or /proc does not allow it.
Outcome writeUnnamed(const std::filesystem::path& folder, const std::filesystem::path& target, mode_t mode,
                     std::string_view content) {
    FileDescriptor fd(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
    if (!fd.valid()) {
        return errno == ENOENT || errno == EACCES || errno == EROFS || errno == ENOSPC ? Outcome::Failed
                                                                                       : Outcome::Unsupported;
    }
    if (::flock(fd.get(), LOCK_EX) != 0 || ::fchmod(fd.get(), mode) != 0 || !writeAll(fd.get(), content) ||
        ::fsync(fd.get()) != 0) {
        return Outcome::Failed;
    }
    const std::string self = "/proc/self/fd/" + std::to_string(fd.get());
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::string temporary = temporaryName(folder, target);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST) {
                continue;
            }
            return errno == ENOENT || errno == EXDEV || errno == EPERM ? Outcome::Unsupported
                                                                       : Outcome::Failed;
        }
        if (::rename(temporary.c_str(), target.c_str()) != 0) {
            ::unlink(temporary.c_str());
            return Outcome::Failed;
        }
        return Outcome::Written;
    }
    return Outcome::Failed;
}

/// Writes through a named temporary file, where a file without a name is not possible.
bool writeNamed(const std::filesystem::path& folder, const std::filesystem::path& target, mode_t mode,
                std::string_view content) {
    const std::string pattern = (folder / (temporaryPrefix(target) + "XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    FileDescriptor fd(::mkstemp(name.data()));
    if (!fd.valid()) {
        return false;
    }
    const std::string temporary(name.data());
    (void)::flock(fd.get(), LOCK_EX | LOCK_NB);
    const bool ok = ::fchmod(fd.get(), mode) == 0 && writeAll(fd.get(), content) && ::fsync(fd.get()) == 0 &&
                    fd.close() && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
    }
    return ok;
}

} // namespace

bool AtomicFile::write(const std::filesystem::path& file, std::string_view content) noexcept {
    try {
        const auto target = resolved(file);
        const auto folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
        removeLeftovers(folder, target);
        // A new file gets the usual mode; a replaced one keeps its own.
        struct stat existing {};
        const mode_t mode = ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
        const Outcome outcome = writeUnnamed(folder, target, mode, content);
        if (outcome == Outcome::Failed ||
            (outcome == Outcome::Unsupported && !writeNamed(folder, target, mode, content))) {
            return false;
        }
        syncFolder(folder);
        return true;
    } catch (...) {
        return false;
    }
}

bool readWholeFile(const std::filesystem::path& file, std::string& content) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        return false;
    }
    content = std::move(buffer).str();
    return true;
}

} // namespace platform
