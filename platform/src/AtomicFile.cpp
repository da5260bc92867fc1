#include "platform/AtomicFile.h"

#include "FileDescriptor.h"
#include "SideFile.h"
#include "platform/LockFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

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

void syncFolder(const std::filesystem::path& folder) noexcept {
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) {
        ::fsync(fd.get());
    }
}

// A temporary file is named `.<name>.gk2007tmp-<random>-<check>`: the tag is no other tool's, and the
// check, a hash of the file's name and the random part, is a mark no name chosen by a person or made
// by another program carries by chance. Only files with both are ever taken for a killed writer's.
constexpr std::string_view kTag = ".gk2007tmp-";
constexpr std::size_t kRandomLength = 8;
constexpr std::size_t kCheckLength = 6;
constexpr std::size_t kSuffixLength = kTag.size() + kRandomLength + 1 + kCheckLength;
constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

std::string checkOf(const std::filesystem::path& target, std::string_view random) {
    std::uint64_t hash =
        stableHash("graukant2007 temporary file\n" + target.filename().string() + "\n" + std::string(random));
    std::string check;
    for (std::size_t i = 0; i < kCheckLength; ++i) {
        check += kLetters[hash % kLetters.size()];
        hash /= kLetters.size();
    }
    return check;
}

std::string temporaryPrefix(const std::filesystem::path& target) {
    return sideFilePrefix(target, kSuffixLength) + std::string(kTag);
}

bool isTemporaryOf(const std::string& candidate, const std::filesystem::path& target) {
    const std::string prefix = temporaryPrefix(target);
    if (candidate.size() != prefix.size() + kRandomLength + 1 + kCheckLength ||
        !candidate.starts_with(prefix) || candidate[prefix.size() + kRandomLength] != '-') {
        return false;
    }
    const std::string_view random = std::string_view(candidate).substr(prefix.size(), kRandomLength);
    return std::all_of(random.begin(), random.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }) &&
           candidate.ends_with(checkOf(target, random));
}

/// Removes the temporary files of `target` that killed writers left behind: a live writer holds the
/// lock of its temporary file from its creation until it is renamed, and a killed one has lost it.
void removeLeftovers(const std::filesystem::path& folder, const std::filesystem::path& target) noexcept {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (!isTemporaryOf(it->path().filename().string(), target)) {
            continue;
        }
        if (auto lock = LockFile::take(it->path(), LockFile::Mode::Exclusive, LockFile::Create::No,
                                       std::chrono::milliseconds(0))) {
            lock->removeFile();
        }
    }
}

/// A name for a temporary file of `target` in `folder`.
std::string temporaryName(const std::filesystem::path& folder, const std::filesystem::path& target) {
    std::random_device device;
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string random;
    for (std::size_t i = 0; i < kRandomLength; ++i) {
        random += kLetters[pick(device)];
    }
    return (folder / (temporaryPrefix(target) + random + "-" + checkOf(target, random))).string();
}

bool fill(int fd, mode_t mode, std::string_view content) {
    return ::fchmod(fd, mode) == 0 && writeAll(fd, content) && ::fsync(fd) == 0;
}

enum class Outcome { Written, Failed, Unsupported };

/// Writes through a file without a name until its content is on disk, so a writer killed before then
/// leaves nothing behind; one killed in the instant between naming and renaming leaves a temporary
/// file without its lock, which the next write removes. Unsupported where the file system or /proc
/// does not allow it.
Outcome writeUnnamed(const std::filesystem::path& folder, const std::filesystem::path& target, mode_t mode,
                     std::string_view content) {
    const FileDescriptor fd(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
    if (!fd.valid()) {
        return errno == ENOENT || errno == EACCES || errno == EROFS || errno == ENOSPC ? Outcome::Failed
                                                                                       : Outcome::Unsupported;
    }
    if (::flock(fd.get(), LOCK_EX) != 0 || !fill(fd.get(), mode, content)) {
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

/// Writes through a named temporary file, where a file without a name is not possible. The file is
/// locked from its creation to its rename: another writer's clean-up that removed it in the instant
/// before the lock is noticed, and a new one made.
bool writeNamed(const std::filesystem::path& folder, const std::filesystem::path& target, mode_t mode,
                std::string_view content) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::string temporary = temporaryName(folder, target);
        const FileDescriptor fd(::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
        if (!fd.valid()) {
            if (errno == EEXIST) {
                continue;
            }
            return false;
        }
        if (::flock(fd.get(), LOCK_EX) != 0) {
            ::unlink(temporary.c_str());
            return false;
        }
        if (!namesOpenFile(temporary, fd.get())) {
            continue;
        }
        // Renamed while the lock is held; closing first would leave it to another writer's clean-up.
        if (!fill(fd.get(), mode, content) || ::rename(temporary.c_str(), target.c_str()) != 0) {
            ::unlink(temporary.c_str());
            return false;
        }
        return true;
    }
    return false;
}

/// Whether the file's owner made it read-only. The mode bits are looked at as well as the access check,
/// because root passes every access check and would otherwise replace it.
bool readOnly(const std::filesystem::path& target, const struct stat& existing) {
    return (existing.st_mode & S_IWUSR) == 0 || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0;
}

} // namespace

bool AtomicFile::write(const std::filesystem::path& file, std::string_view content) noexcept {
    try {
        const auto target = resolvedFile(file);
        const auto folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
        // A new file gets the usual mode; a replaced one keeps its own.
        struct stat existing {};
        const bool exists = ::stat(target.c_str(), &existing) == 0;
        if (exists && readOnly(target, existing)) {
            return false;
        }
        removeLeftovers(folder, target);
        const mode_t mode = exists ? (existing.st_mode & 07777) : 0644;
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
