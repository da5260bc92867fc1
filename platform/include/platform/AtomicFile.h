#pragma once

#include <filesystem>
#include <string_view>

namespace platform {

/// Replaces a file's content so that a crash or a full disk never leaves it truncated: the content
/// goes to a file without a name in the same folder, is flushed to disk, and only then is named and
/// renamed over the file, so a writer killed before leaves no file behind (where the file system
/// cannot, a named temporary file is used instead, locked from its creation to its rename). The
/// temporary files are named `.<name>.gk2007tmp-<random>-<check>`, the name shortened where the whole
/// would not fit the folder. Each write removes the temporary files of the same file that killed
/// writers left: only names that carry the check made from the file's name and that hold no lock (a
/// live writer's stays), never a file of the user's or of another program that merely looks alike.
/// A file its owner made read-only is not replaced (also when the process could, as root). On any
/// failure the old file stays as it was.
/// A symbolic link is followed, so the file it points to is replaced, not the link. The folder must
/// exist.
class AtomicFile {
public:
    [[nodiscard]] static bool write(const std::filesystem::path& file, std::string_view content) noexcept;
};

/// The whole content of a file; false when it does not exist or cannot be read.
[[nodiscard]] bool readWholeFile(const std::filesystem::path& file, std::string& content);

} // namespace platform
