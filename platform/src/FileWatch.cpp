#include "FileWatch.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <linux/magic.h>
#include <pthread.h>
#include <string_view>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace platform {
namespace {

// What replaces, removes or renames an entry of a folder, and what happens to the folder itself.
constexpr std::uint32_t kFolderEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF |
                                        IN_MOVE_SELF | IN_ONLYDIR | IN_MASK_ADD;
// In the file's own folder also what changes a file's content or dates.
constexpr std::uint32_t kContentEvents = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE;
constexpr std::uint32_t kFolderGone = IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED | IN_UNMOUNT;

// File systems whose every change passes through this kernel, so that inotify reports it.
constexpr std::array<long, 8> kLocalFileSystems = {
    EXT4_SUPER_MAGIC, XFS_SUPER_MAGIC,       BTRFS_SUPER_MAGIC, TMPFS_MAGIC,
    F2FS_SUPER_MAGIC, OVERLAYFS_SUPER_MAGIC, RAMFS_MAGIC,       REISERFS_SUPER_MAGIC};

// A child of fork shares the parent's queue: what one of them reads the other would never see.
std::atomic<unsigned> forks{0};

void countFork() {
    forks.fetch_add(1, std::memory_order_relaxed);
}

unsigned forksSoFar() {
    static const int registered = ::pthread_atfork(nullptr, nullptr, &countFork);
    static_cast<void>(registered);
    return forks.load(std::memory_order_relaxed);
}

bool onLocalFileSystem(const std::string& file) {
    struct statfs info {};
    if (::statfs(file.c_str(), &info) != 0) {
        return false;
    }
    for (const long type : kLocalFileSystems) {
        if (static_cast<long>(info.f_type) == type) {
            return true;
        }
    }
    return false;
}

bool watchable(const std::string& file) {
    struct stat info {};
    return ::lstat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 1 &&
           onLocalFileSystem(file);
}

/// The folders of an absolute path from the root down to the file's own, as written.
std::vector<std::string> foldersOf(const std::string& file) {
    std::vector<std::string> folders{"/"};
    for (std::size_t slash = file.find('/', 1); slash != std::string::npos;
         slash = file.find('/', slash + 1)) {
        folders.push_back(file.substr(0, slash));
    }
    return folders;
}

std::string joined(const std::string& folder, std::string_view name) {
    std::string path = folder == "/" ? std::string() : folder;
    path += '/';
    path += name;
    return path;
}

} // namespace

FileWatch::FileWatch() {
    open();
}

FileWatch::~FileWatch() {
    close();
}

void FileWatch::open() {
    m_forksAtOpen = forksSoFar();
    m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
}

void FileWatch::close() noexcept {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
    m_fd = -1;
    m_folders.clear();
    m_files.clear();
}

void FileWatch::clear() {
    close();
    open();
}

bool FileWatch::watch(const std::string& file) {
    if (forksSoFar() != m_forksAtOpen) {
        clear();
    }
    if (m_fd < 0 || file.empty() || file.front() != '/' || !watchable(file)) {
        return false;
    }
    const std::vector<std::string> folders = foldersOf(file);
    for (std::size_t k = 0; k < folders.size(); ++k) {
        const std::uint32_t mask = kFolderEvents | (k + 1 == folders.size() ? kContentEvents : 0);
        const int wd = ::inotify_add_watch(m_fd, folders[k].c_str(), mask);
        if (wd < 0) {
            return false;
        }
        m_folders[wd].insert(folders[k]);
    }
    m_files.insert(file);
    return true;
}

void FileWatch::markBelow(const std::string& path, std::set<std::string>& marked) const {
    for (const std::string& file : m_files) {
        if (file == path || (file.size() > path.size() && file.starts_with(path) &&
                             (path == "/" || file[path.size()] == '/'))) {
            marked.insert(file);
        }
    }
}

std::vector<std::string> FileWatch::changed() {
    if (forksSoFar() != m_forksAtOpen) {
        std::vector<std::string> all(m_files.begin(), m_files.end());
        clear();
        return all;
    }
    if (m_fd < 0 || m_files.empty()) {
        return {};
    }
    std::set<std::string> marked;
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t length = ::read(m_fd, buffer, sizeof buffer);
        if (length <= 0) {
            break; // EAGAIN: nothing more has happened
        }
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if ((event->mask & IN_Q_OVERFLOW) != 0) {
                marked.insert(m_files.begin(), m_files.end());
                continue;
            }
            const auto folder = m_folders.find(event->wd);
            if (folder == m_folders.end()) {
                continue;
            }
            for (const std::string& path : folder->second) {
                const bool gone = (event->mask & kFolderGone) != 0 || event->len == 0;
                markBelow(gone ? path : joined(path, event->name), marked);
            }
            if ((event->mask & IN_IGNORED) != 0) {
                m_folders.erase(folder);
            }
        }
    }
    for (const std::string& file : marked) {
        m_files.erase(file);
    }
    return {marked.begin(), marked.end()};
}

} // namespace platform
