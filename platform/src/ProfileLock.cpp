#include "ProfileLock.h"

#include "SideFile.h"

#include <chrono>
#include <string_view>

namespace platform {
namespace {

constexpr std::string_view kSuffix = ".gk2007lock";
constexpr std::chrono::seconds kPatience(10);

std::filesystem::path lockFileOf(const std::filesystem::path& iniFile) {
    const auto target = resolvedFile(iniFile);
    const auto folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    return folder / (sideFilePrefix(target, kSuffix.size()) + std::string(kSuffix));
}

} // namespace

ProfileLock::ProfileLock(const std::filesystem::path& iniFile, LockFile::Mode mode)
    : m_writer(mode == LockFile::Mode::Exclusive) {
    try {
        // A reader never makes the lock file: with none there, no writer is at work.
        m_lock = LockFile::take(lockFileOf(iniFile), mode,
                                m_writer ? LockFile::Create::Yes : LockFile::Create::No, kPatience);
    } catch (...) {
        m_lock.reset();
    }
}

ProfileLock::~ProfileLock() {
    if (m_lock && m_writer) {
        m_lock->removeFile();
    }
}

} // namespace platform
