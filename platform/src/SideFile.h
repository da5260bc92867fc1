#pragma once

// The names of the files the writers keep beside a file they replace (its temporary files, its lock
// file): hidden, led by the file's own name so that a person sees whose they are, and short enough for
// the folder whatever the file's name is.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

/// The file a symbolic link points to, so that it is replaced rather than the link; `file` otherwise.
[[nodiscard]] std::filesystem::path resolvedFile(const std::filesystem::path& file);

/// "." and the name of `file`, cut where needed (at a whole character, marked with "~" and a hash of
/// the whole name, so that long names that begin alike still differ) so that `suffixBytes` more bytes
/// keep the name within the 255 bytes a folder entry takes.
[[nodiscard]] std::string sideFilePrefix(const std::filesystem::path& file, std::size_t suffixBytes);

/// FNV-1a, 64 bits: a hash of a name that stays the same across runs and machines.
[[nodiscard]] std::uint64_t stableHash(std::string_view text) noexcept;

} // namespace platform
