#pragma once

// Test helpers: a temporary folder that is also the working directory and the per-user
// configuration folder, and environment variables set for one test and restored afterwards.

#include "test_support/TempFolder.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <linux/fs.h>
#include <optional>
#include <string>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace test_support {

/// Sets (or with nullopt unsets) an environment variable until destroyed.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::optional<std::string>& value) : m_name(std::move(name)) {
        if (const char* old = std::getenv(m_name.c_str())) {
            m_old = old;
        }
        apply(value);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv() { apply(m_old); }

private:
    void apply(const std::optional<std::string>& value) {
        if (value) {
            ::setenv(m_name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(m_name.c_str());
        }
    }
    std::string m_name;
    std::optional<std::string> m_old;
};

/// A temporary folder made the working directory and XDG_CONFIG_HOME until destroyed, so that a test
/// reads and writes no file of the user's.
class ScopedHome {
public:
    ScopedHome() : m_oldCwd(std::filesystem::current_path()) {
        std::filesystem::create_directories(configHome());
        std::filesystem::current_path(path());
        m_config.emplace("XDG_CONFIG_HOME", configHome().string());
    }
    ScopedHome(const ScopedHome&) = delete;
    ScopedHome& operator=(const ScopedHome&) = delete;
    ~ScopedHome() {
        std::error_code ec;
        std::filesystem::current_path(m_oldCwd, ec);
    }

    [[nodiscard]] const std::filesystem::path& path() const noexcept { return m_folder.path(); }
    [[nodiscard]] std::string file(const std::string& name) const { return m_folder.file(name); }
    [[nodiscard]] std::filesystem::path configHome() const { return path() / "config"; }

private:
    TempFolder m_folder;
    std::filesystem::path m_oldCwd;
    std::optional<ScopedEnv> m_config;
};

/// The decimal separator and language, fixed without installed locales.
class ScopedLocale {
public:
    ScopedLocale(const std::string& decimalSeparator, const std::string& language)
        : m_separator("GK_DECIMAL_SEPARATOR", decimalSeparator), m_all("LC_ALL", std::nullopt),
          m_messages("LC_MESSAGES", std::nullopt), m_lang("LANG", language) {}

private:
    ScopedEnv m_separator;
    ScopedEnv m_all;
    ScopedEnv m_messages;
    ScopedEnv m_lang;
};

/// Every file in a folder, for checks that nothing stray was left behind.
inline std::vector<std::string> fileNames(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

/// A file-size limit for this process until destroyed: writes beyond it fail as on a full disk.
class ScopedFileSizeLimit {
public:
    explicit ScopedFileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit small = m_old;
        small.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;
    ~ScopedFileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_old); }

private:
    rlimit m_old{};
};

/// A folder made read-only until destroyed. Where the process may write there all the same (as root),
/// the folder is also made immutable, which holds for root too; `effective()` is false where neither
/// helps (a file system without the flag, or no right to set it).
class ScopedReadOnlyFolder {
public:
    explicit ScopedReadOnlyFolder(std::filesystem::path folder) : m_folder(std::move(folder)) {
        std::filesystem::permissions(m_folder,
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        m_effective = !writable();
        if (!m_effective) {
            m_immutable = setImmutable(true);
            m_effective = m_immutable && !writable();
        }
    }
    ScopedReadOnlyFolder(const ScopedReadOnlyFolder&) = delete;
    ScopedReadOnlyFolder& operator=(const ScopedReadOnlyFolder&) = delete;
    ~ScopedReadOnlyFolder() {
        if (m_immutable) {
            (void)setImmutable(false);
        }
        std::error_code ec;
        std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all, ec);
    }
    [[nodiscard]] bool effective() const noexcept { return m_effective; }

private:
    [[nodiscard]] bool writable() const {
        const auto probe = m_folder / ".probe";
        const bool created = std::ofstream(probe).is_open();
        std::error_code ec;
        std::filesystem::remove(probe, ec);
        return created;
    }
    [[nodiscard]] bool setImmutable(bool on) const {
        const int fd = ::open(m_folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            return false;
        }
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return done;
    }

    std::filesystem::path m_folder;
    bool m_effective = false;
    bool m_immutable = false;
};

} // namespace test_support
