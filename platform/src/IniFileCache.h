#pragma once

// The parsed INI files of the reads, so that a setting read at every call costs one stat instead of
// opening, reading and parsing the file: a parsed document is reused while the file's device, inode,
// size and modification time are unchanged. A file changed within the clock's resolution of being
// read could keep all four, so a document whose file was modified shortly before it was read is
// never reused.

#include "platform/IniDocument.h"

#include <filesystem>
#include <memory>

namespace platform {

/// The document of the file as it is now; nullptr when the file cannot be read.
[[nodiscard]] std::shared_ptr<const IniDocument> cachedIniDocument(const std::filesystem::path& file);

} // namespace platform
