#pragma once

// Tells which of a few files may have changed since they were watched, with one read of a kernel
// queue instead of asking the file system about each file. A file is watched through every folder
// of its path: a write, a change of its attributes, its replacement or removal, and the rename,
// removal or replacement of any folder on the way (a symbolic link among them) each mark it changed.
// Linux inotify; a file that it cannot vouch for is not watched: a symbolic link or a file with
// several names (changed through another folder), one on a file system that may change without
// telling this machine (network shares), or when the kernel refuses another watch.
// Not for use from several threads at once.

#include <map>
#include <set>
#include <string>
#include <vector>

namespace platform {

class FileWatch {
public:
    FileWatch();
    ~FileWatch();
    FileWatch(const FileWatch&) = delete;
    FileWatch& operator=(const FileWatch&) = delete;

    /// Starts watching `file`, an absolute path; false when it cannot be watched.
    bool watch(const std::string& file);
    /// The watched files that may have changed since they were watched, each no longer watched;
    /// every one after the kernel dropped events.
    [[nodiscard]] std::vector<std::string> changed();
    /// Stops watching every file.
    void clear();

private:
    void open();
    void close() noexcept;
    /// Marks every watched file at `path` or below it changed.
    void markBelow(const std::string& path, std::set<std::string>& marked) const;

    int m_fd = -1;
    unsigned m_forksAtOpen = 0; // a fork since: the queue is shared with the other process
    std::map<int, std::set<std::string>> m_folders; // by watch descriptor: the folders' paths as given
    std::set<std::string> m_files;
};

} // namespace platform
