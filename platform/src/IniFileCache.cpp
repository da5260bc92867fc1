#include "IniFileCache.h"

#include "FileWatch.h"
#include "ProfileLock.h"
#include "platform/AtomicFile.h"

#include <cstdint>
#include <ctime>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace platform {
namespace {

// Longer than any file system's timestamp resolution.
constexpr std::int64_t kSettledNanoseconds = 2'000'000'000;
// The program reads a handful of INI files; beyond that the cache starts over.
constexpr std::size_t kMaxFiles = 16;

struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t modified = 0; // nanoseconds since the epoch

    bool operator==(const Stamp&) const = default;
};

std::int64_t nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

std::int64_t now() {
    timespec time{};
    ::clock_gettime(CLOCK_REALTIME, &time);
    return nanoseconds(time);
}

std::optional<Stamp> stampOf(const std::filesystem::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return Stamp{info.st_dev, info.st_ino, info.st_size, nanoseconds(info.st_mtim)};
}

struct Entry {
    Stamp stamp;
    std::shared_ptr<const IniDocument> document;
    bool watched = false; // any change since it was read is reported by the watch
};

struct Cache {
    std::mutex mutex;
    FileWatch watch;
    std::map<std::string, Entry> entries;
};

Cache& cache() {
    static Cache instance;
    return instance;
}

std::shared_ptr<const IniDocument> readFile(const std::filesystem::path& file) {
    std::string content;
    if (!readWholeFile(file, content)) {
        return nullptr;
    }
    return std::make_shared<const IniDocument>(IniDocument::parse(content));
}

} // namespace

std::shared_ptr<const IniDocument> cachedIniDocument(const std::filesystem::path& file) {
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(file, ec);
    if (ec) {
        return readFile(file);
    }
    const std::string key = absolute.string();
    Cache& c = cache();
    // Held while the file is read, so that no change reported meanwhile is taken for an older one.
    const std::lock_guard lock(c.mutex);
    for (const std::string& changed : c.watch.changed()) {
        c.entries.erase(changed);
    }
    const auto found = c.entries.find(key);
    if (found != c.entries.end() && found->second.watched) {
        return found->second.document;
    }
    // Not in the midst of another process's change, which may show the file missing for an instant.
    const ProfileLock readLock(file, LockFile::Mode::Shared);
    const auto before = stampOf(file);
    if (!before) {
        return readFile(file);
    }
    if (found != c.entries.end() && found->second.stamp == *before) {
        return found->second.document;
    }
    if (c.entries.size() >= kMaxFiles) {
        c.entries.clear();
        c.watch.clear();
    }
    // Watched before it is read: a change from here on is reported, however soon it follows.
    const bool watched = c.watch.watch(key);
    const std::int64_t readAt = now();
    auto document = readFile(file);
    // Otherwise kept only when the file did not change while it was read and had settled before.
    const bool settled = before->modified + kSettledNanoseconds < readAt;
    if (document && stampOf(file) == before && (watched || settled)) {
        c.entries[key] = Entry{*before, document, watched};
    }
    return document;
}

} // namespace platform
