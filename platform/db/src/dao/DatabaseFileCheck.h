#pragma once

// The checks a database file passes before and right after SQLite opens it, so that a damaged file
// fails at the open with a text that names it, not at the first query.

#include <sqlite3.h>
#include <string>
#include <string_view>

namespace platform::db {

/// Before the open: 3024 for a missing file (or a folder), 3051 for one that cannot be read, 3343 for
/// one that is not SQLite or whose header disagrees with its size (truncated or overwritten).
void checkDatabaseFile(const std::string& path, std::string_view source);

/// After the open: reads the schema. 3343 when it is damaged, 3045 when another process holds the
/// file locked, 3049 for a file beside the journal of an interrupted write that this read-only open
/// cannot roll back (the file itself may be intact).
void checkSchemaReadable(sqlite3* db, const std::string& path, std::string_view source);

} // namespace platform::db
