#include "common/DataFolder.h"

#include "RunningCopy.h"
#include "common/Helper.h"
#include "platform/LockFile.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

namespace orvik::common {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view FolderName = "graukant2007";
constexpr std::string_view LockSuffix = ".lock";
// The probe's name where files without a name cannot be made: one fixed name, so that the one a killed
// probe leaves is the next probe's to remove, and no name a person or another program would choose.
constexpr std::string_view ProbeName = ".gk2007-write-probe";

fs::path environmentPath(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? fs::path(value) : fs::path();
}

/// Whether a file with a name can be made in `folder` (and is removed again).
bool canCreateNamed(const fs::path& folder) {
    const auto probe = folder / ProbeName;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            ::unlink(probe.c_str());
            return true;
        }
        // Left by a probe that was killed, or another copy's probe at this moment: either way ours.
        if (errno != EEXIST || (::unlink(probe.c_str()) != 0 && errno != ENOENT)) {
            return false;
        }
    }
    return false;
}

/// Whether `relative` under `root` is, or can be made, a folder in which a file can be created;
/// it is made when missing.
bool canWriteInto(const fs::path& root, std::string_view relative) {
    std::error_code ec;
    if (root.empty() || !fs::is_directory(root, ec)) {
        return false;
    }
    const fs::path folder = relative.empty() ? root : root / relative;
    fs::create_directories(folder, ec);
    return DataFolder::IsWritableFolder(folder);
}

/// A process that exists (even one this user may not signal) may be a running copy.
bool processExists(pid_t id) {
    return ::kill(id, 0) == 0 || errno == EPERM;
}

/// The folder of an earlier edition's copy, named after its process id alone: gone when its process
/// is gone or is this one (a copy before it that had the same id).
bool isAbandonedLegacyFolder(const std::string& name) {
    pid_t id = 0;
    const auto [rest, error] = std::from_chars(name.data(), name.data() + name.size(), id);
    return error == std::errc() && rest == name.data() + name.size() && id > 0 &&
           (id == ::getpid() || !processExists(id));
}

/// Removes the copies' folders under `print` whose copy is known to be gone; true when none is left.
bool removeAbandonedCopies(const fs::path& print) {
    std::error_code ec;
    std::vector<fs::directory_entry> entries;
    for (fs::directory_iterator it(print, ec), end; !ec && it != end; it.increment(ec)) {
        entries.push_back(*it);
    }
    bool allGone = true;
    const auto removeFolder = [&](const fs::path& folder) {
        std::error_code removeError;
        fs::remove_all(folder, removeError);
        allGone = allGone && !removeError;
    };
    const std::string own = RunningCopy::id();
    for (const auto& entry : entries) {
        const std::string name = entry.path().filename().string();
        const std::string copy =
            name.ends_with(LockSuffix) ? name.substr(0, name.size() - LockSuffix.size()) : "";
        std::error_code typeError;
        if (copy == own) {
            continue; // this copy's lock, which a file system that locks per process (NFS) would yield
        }
        if (RunningCopy::isId(copy)) {
            // A copy holds its lock while it runs, on this machine or another, in any namespace.
            auto lock =
                platform::LockFile::take(entry.path(), platform::LockFile::Mode::Exclusive,
                                         platform::LockFile::Create::No, std::chrono::milliseconds(0));
            if (lock) {
                removeFolder(print / copy);
                lock->removeFile();
            }
        } else if (!entry.is_directory(typeError)) {
            continue;
        } else if (name == own) {
            removeFolder(entry.path()); // this copy's own database, made before; its lock stays held
        } else if (RunningCopy::isId(name)) {
            // Its lock file is made before the folder and removed after it: without one, the copy is
            // gone and its clean-up was cut short.
            if (!fs::exists(print / (name + std::string(LockSuffix)), typeError) && !typeError) {
                removeFolder(entry.path());
            }
        } else if (isAbandonedLegacyFolder(name)) {
            removeFolder(entry.path());
        }
    }
    return allGone;
}

/// Removes the scratch print databases under `root`/Daten whose copy is gone; true when none is left.
bool removeAbandonedUnder(const fs::path& root) {
    const fs::path daten = root / "Daten";
    std::error_code ec;
    fs::remove(daten / "print.mdb", ec);
    const bool earlierEditionGone = !fs::exists(daten / "print.mdb", ec);
    return removeAbandonedCopies(daten / "print") && earlierEditionGone;
}

} // namespace

fs::path DataFolder::UserDataFolder() {
    auto base = environmentPath("XDG_DATA_HOME");
    if (base.empty()) {
        base = environmentPath("HOME") / ".local" / "share";
    }
    return base / FolderName;
}

bool DataFolder::IsWritableFolder(const fs::path& folder) {
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(folder, ec)) {
        return false;
    }
    // Permission bits do not tell (a read-only mount, or root, who passes every access check):
    // only creating a file does. A file without a name leaves nothing behind, whenever the probe ends.
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    if (errno == EACCES || errno == EROFS || errno == EPERM) {
        return false;
    }
    return canCreateNamed(folder);
}

std::string DataFolder::WritableRoot(const std::string& programFolder, std::string_view folder) {
    if (canWriteInto(programFolder, folder)) {
        return Helper::Backslash(programFolder);
    }
    const auto user = UserDataFolder();
    std::error_code ec;
    fs::create_directories(user, ec);
    return Helper::Backslash(user.string());
}

std::string DataFolder::WritablePath(const std::string& programFolder, std::string_view relative) {
    const std::string parent = fs::path(relative).parent_path().string();
    const fs::path path = fs::path(WritableRoot(programFolder, parent)) / relative;
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    return path.string();
}

std::string DataFolder::PrintDatabasePath(const std::string& programFolder) {
    const fs::path print = fs::path(WritableRoot(programFolder, "Daten/print")) / "Daten" / "print";
    const std::string id = RunningCopy::id();
    // The lock before the folder: a start elsewhere takes a copy's folder without a held lock for that
    // of a copy that is gone.
    (void)RunningCopy::hold(print / (id + std::string(LockSuffix)));
    std::error_code ec;
    fs::create_directories(print / id, ec);
    return (print / id / "print.mdb").string();
}

bool DataFolder::RemoveAbandonedPrintDatabases(const std::string& programFolder) {
    bool allGone = true;
    std::error_code ec;
    if (!programFolder.empty() && fs::is_directory(programFolder, ec)) {
        allGone = removeAbandonedUnder(programFolder);
    }
    // Where the program folder's Daten/ could not be written, the copies printed in the user's folder.
    return removeAbandonedUnder(UserDataFolder()) && allGone;
}

} // namespace orvik::common
