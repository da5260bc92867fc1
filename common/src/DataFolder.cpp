#include "common/DataFolder.h"

#include "common/Helper.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/types.h>
#include <unistd.h>

namespace orvik::common {
namespace {

constexpr std::string_view FolderName = "graukant2007";

std::filesystem::path environmentPath(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::filesystem::path(value) : std::filesystem::path();
}

} // namespace

std::filesystem::path DataFolder::UserDataFolder() {
    auto base = environmentPath("XDG_DATA_HOME");
    if (base.empty()) {
        base = environmentPath("HOME") / ".local" / "share";
    }
    return base / FolderName;
}

bool DataFolder::IsWritableFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec)) {
        return false;
    }
    // Permission bits do not tell (a read-only mount, or root, who passes every access check):
    // only creating a file does.
    std::random_device random;
    const auto probe = folder / (".gk-write-probe-" + std::to_string(random()));
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    std::filesystem::remove(probe, ec);
    return true;
}

std::string DataFolder::WritableRoot(const std::string& programFolder) {
    if (IsWritableFolder(programFolder)) {
        return Helper::Backslash(programFolder);
    }
    const auto folder = UserDataFolder();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return Helper::Backslash(folder.string());
}

std::string DataFolder::WritablePath(const std::string& programFolder, std::string_view relative) {
    const std::filesystem::path path = std::filesystem::path(WritableRoot(programFolder)) / relative;
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    return path.string();
}

std::string DataFolder::PrintDatabasePath(const std::string& programFolder) {
    return WritablePath(programFolder, "Daten/print/" + std::to_string(::getpid()) + "/print.mdb");
}

bool DataFolder::RemoveAbandonedPrintDatabases(const std::string& programFolder) {
    namespace fs = std::filesystem;
    const fs::path daten = fs::path(WritableRoot(programFolder)) / "Daten";
    std::error_code ec;
    fs::remove(daten / "print.mdb", ec);
    bool allGone = !fs::exists(daten / "print.mdb", ec);
    for (fs::directory_iterator it(daten / "print", ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        pid_t id = 0;
        const auto [rest, error] = std::from_chars(name.data(), name.data() + name.size(), id);
        if (error != std::errc() || rest != name.data() + name.size() || id <= 0) {
            continue; // no folder of a running copy
        }
        // A process that exists (even one this user may not signal) may be a running copy.
        const bool running = id != ::getpid() && (::kill(id, 0) == 0 || errno == EPERM);
        if (!running) {
            std::error_code removeError;
            fs::remove_all(it->path(), removeError);
            allGone = allGone && !removeError;
        }
    }
    return allGone;
}

} // namespace orvik::common
