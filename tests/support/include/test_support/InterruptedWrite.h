#pragma once

// A database as a write caught in the middle leaves it: some changed pages already in the file, the
// journal that undoes them beside it.

#include <filesystem>
#include <string>

namespace test_support {

/// Copies `source` and its journal to `target` and `target`-journal (replacing any files there) while a
/// second connection is inside a transaction that ran `changeSql`, with a cache of one page so that the
/// change spills into the file; then rolls the change back, leaving `source` as it was. `changeSql` is
/// SQLite's SQL, run without the Jet extensions. Throws what the native interface throws.
void copyMidWrite(const std::filesystem::path& source, const std::filesystem::path& target,
                  const std::string& changeSql);

} // namespace test_support
