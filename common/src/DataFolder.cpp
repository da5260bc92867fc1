#include "common/DataFolder.h"

#include "common/Helper.h"

#include <cstdlib>
#include <fcntl.h>
#include <random>
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

} // namespace orvik::common
