#pragma once

#include <filesystem>
#include <string_view>

namespace platform {

/// Replaces a file's content so that a crash or a full disk never leaves it truncated: the content
/// goes to a temporary file beside it, is flushed to disk, and only then renamed over the file. On any
/// failure the old file stays as it was and the temporary file is removed. A symbolic link is
/// followed, so the file it points to is replaced, not the link. The folder must exist.
class AtomicFile {
public:
    [[nodiscard]] static bool write(const std::filesystem::path& file, std::string_view content) noexcept;
};

/// The whole content of a file; false when it does not exist or cannot be read.
[[nodiscard]] bool readWholeFile(const std::filesystem::path& file, std::string& content);

} // namespace platform
