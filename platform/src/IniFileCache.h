#pragma once

// The parsed INI files of the reads, so that a setting read at every call does not open, read and
// parse the file again. Where the kernel reports every change of a file (FileWatch), a parsed document
// is reused until a change is reported, which costs one read of the watch's queue. Elsewhere it is
// reused while a stat shows the file's device, inode, size and modification time unchanged; a file
// changed within the clock's resolution of being read could keep all four, so there a document whose
// file was modified shortly before it was read is never reused.

#include "platform/IniDocument.h"

#include <filesystem>
#include <memory>

namespace platform {

/// The document of the file as it is now; nullptr when the file cannot be read.
[[nodiscard]] std::shared_ptr<const IniDocument> cachedIniDocument(const std::filesystem::path& file);

} // namespace platform
