#include "platform/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {
namespace {

/// RAII owner of a file descriptor.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) noexcept : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { close(); }
    [[nodiscard]] int get() const noexcept { return m_fd; }
    [[nodiscard]] bool valid() const noexcept { return m_fd >= 0; }
    bool close() noexcept {
        if (m_fd < 0) {
            return true;
        }
        const bool ok = ::close(m_fd) == 0;
        m_fd = -1;
        return ok;
    }

private:
    int m_fd;
};

bool writeAll(int fd, std::string_view content) noexcept {
    while (!content.empty()) {
        const auto written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::filesystem::path resolved(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::is_symlink(file, ec)) {
        const auto target = std::filesystem::weakly_canonical(file, ec);
        if (!ec) {
            return target;
        }
    }
    return file;
}

void syncFolder(const std::filesystem::path& folder) noexcept {
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid()) {
        ::fsync(fd.get());
    }
}

} // namespace

bool AtomicFile::write(const std::filesystem::path& file, std::string_view content) noexcept {
    try {
        const auto target = resolved(file);
        const auto folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
        std::string hidden(1, '.');
        hidden += target.filename().string();
        hidden += ".XXXXXX";
        const std::string pattern = (folder / hidden).string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        FileDescriptor fd(::mkstemp(name.data()));
        if (!fd.valid()) {
            return false;
        }
        const std::string temporary(name.data());
        // A new file gets the usual mode; a replaced one keeps its own.
        struct stat existing {};
        const mode_t mode = ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777) : 0644;
        const bool ok = ::fchmod(fd.get(), mode) == 0 && writeAll(fd.get(), content) &&
                        ::fsync(fd.get()) == 0 && fd.close() &&
                        ::rename(temporary.c_str(), target.c_str()) == 0;
        if (!ok) {
            ::unlink(temporary.c_str());
            return false;
        }
        syncFolder(folder);
        return true;
    } catch (...) {
        return false;
    }
}

bool readWholeFile(const std::filesystem::path& file, std::string& content) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        return false;
    }
    content = std::move(buffer).str();
    return true;
}

} // namespace platform
