#include "IniFileCache.h"

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
};

std::mutex& cacheMutex() {
    static std::mutex mutex;
    return mutex;
}

std::map<std::string, Entry>& entries() {
    static std::map<std::string, Entry> cache;
    return cache;
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
    const auto before = stampOf(file);
    if (ec || !before) {
        return readFile(file);
    }
    const std::string key = absolute.string();
    {
        const std::lock_guard lock(cacheMutex());
        const auto found = entries().find(key);
        if (found != entries().end() && found->second.stamp == *before) {
            return found->second.document;
        }
    }
    const std::int64_t readAt = now();
    auto document = readFile(file);
    // Kept only when the file did not change while it was read and had settled before.
    if (document && stampOf(file) == before && before->modified + kSettledNanoseconds < readAt) {
        const std::lock_guard lock(cacheMutex());
        if (entries().size() >= kMaxFiles) {
            entries().clear();
        }
        entries()[key] = Entry{*before, document};
    }
    return document;
}

} // namespace platform
