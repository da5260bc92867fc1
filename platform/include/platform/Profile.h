#pragma once

// Private-profile (INI) functions with the Windows platform's semantics, over IniDocument: reading
// a missing file, section or key gives the default; writing creates the file, the section and the
// key as needed and replaces the file crash-safe (AtomicFile). Values have no length limit. The
// file is never kept open, and every call sees the file as it is then: a read parses it again
// unless its identity, size and modification time show it unchanged since it was last parsed. A
// relative path is taken from the working directory. Each change reads, changes and writes the file
// under a lock shared by every process (`.<name>.gk2007lock` beside the file while the change lasts),
// so that copies changing different keys at once keep each other's; a read waits for a change that is
// under way rather than look in the instant the new file is renamed over the old.

#include "platform/IniDocument.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

/// The value, trimmed, or the default (with its trailing blanks removed) when there is none.
[[nodiscard]] std::string readProfileString(std::string_view section, std::string_view key,
                                            std::string_view defaultValue, const std::filesystem::path& file);
/// The keys and values of a section, in file order.
[[nodiscard]] IniDocument::Entries readProfileSection(std::string_view section,
                                                      const std::filesystem::path& file);

/// False when the file could not be written; the file is then unchanged. Names and values that would
/// not read back as written (IniDocument::isSectionName, isKeyName, isValue) are refused (false) as well.
[[nodiscard]] bool writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                                      const std::filesystem::path& file);
/// Removing what is not there succeeds and leaves the file untouched.
[[nodiscard]] bool deleteProfileKey(std::string_view section, std::string_view key,
                                    const std::filesystem::path& file);
[[nodiscard]] bool deleteProfileSection(std::string_view section, const std::filesystem::path& file);

} // namespace platform
