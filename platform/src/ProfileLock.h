#pragma once

// The lock that orders the processes using one INI file: a writer holds it exclusively from reading the
// file to renaming the new one over it, a reader shares it while it reads, so that no change is lost
// between two copies and no reader looks in the instant of a rename (where a file system such as FUSE
// shows the file missing then). The lock file `.<name>.gk2007lock` beside the file exists only while a
// writer holds it: it removes the file before it lets go, which the lock's holders after it notice.
// Best effort: where no lock can be had (a folder that cannot be written, a file system without locks,
// a holder that does not let go within seconds), the call goes on without it.

#include "platform/LockFile.h"

#include <filesystem>
#include <optional>

namespace platform {

class ProfileLock {
public:
    ProfileLock(const std::filesystem::path& iniFile, LockFile::Mode mode);
    ProfileLock(const ProfileLock&) = delete;
    ProfileLock& operator=(const ProfileLock&) = delete;
    ~ProfileLock();

private:
    std::optional<LockFile> m_lock;
    bool m_writer = false;
};

} // namespace platform
