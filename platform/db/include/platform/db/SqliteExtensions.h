#pragma once

#include <cstdint>
#include <string_view>

struct sqlite3;

namespace platform::db {

/// Registers on one connection what the Jet dialect needs of SQLite: the case-insensitive,
/// accent-sensitive text collation `JETTEXT` that the schemas declare on their text columns, and the
/// functions that translated statements call (jet_like, jet_concat, jet_add, jet_mid, ...). SQLite's
/// LIKE operator becomes Jet's Like as well, in native statements too: `*`, `?`, `#`, `[...]` are its
/// wildcards and `%`, `_` stand for themselves (LIKE ... ESCAPE keeps SQLite's meaning).
/// Call it on every connection before running translated SQL.
/// Throws CallError when SQLite refuses a registration.
void registerJetExtensions(sqlite3* connection);

/// The Jet or VB error number of a failure that one of those functions reported through SQLite (the
/// message of sqlite3_errmsg is then the error's text): 3464 data type mismatch, 94 invalid use of
/// Null, 5 invalid procedure call, 6 overflow, 11 division by zero, 93 invalid pattern string.
/// 0 when the message is not one of theirs.
[[nodiscard]] std::int32_t jetFunctionErrorNumber(std::string_view sqliteMessage);

} // namespace platform::db
