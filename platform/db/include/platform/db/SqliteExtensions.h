#pragma once

struct sqlite3;

namespace platform::db {

/// Registers on one connection what the Jet dialect needs of SQLite: the case-insensitive,
/// accent-sensitive text collation `JETTEXT` that the schemas declare on their text columns.
/// Throws CallError when SQLite refuses a registration.
void registerJetExtensions(sqlite3* connection);

} // namespace platform::db
