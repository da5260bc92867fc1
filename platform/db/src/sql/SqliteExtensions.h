#pragma once

#include <cstdint>

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

/// The flags with which the layer opens every connection: read-only or read-write, extended result
/// codes, and without SQLite's own lock around every call, since each connection is used by one
/// thread at a time. Tools that measure against the layer open their connections with the same.
[[nodiscard]] int connectionOpenFlags(bool readOnly);

/// The settings with which the layer runs every connection it opens: a busy timeout, and on a
/// read-only connection pages read in place (memory-mapped) instead of copied into the cache. Tools
/// that measure against the layer open their connections with the same.
void applyConnectionSettings(sqlite3* connection, bool readOnly);

/// The extended result code with which one of those functions fails its statement on error `number`:
/// SQLITE_ERROR, with the number kept above SQLite's own extended codes so that it reaches the caller
/// as a number. The message stays the error's text, for tools that show only that. Plain SQLITE_ERROR
/// for a number that does not fit.
[[nodiscard]] int jetFunctionErrorCode(std::int32_t number);

/// The Jet or runtime error number that one of those functions raised, read from the extended result
/// code of the failed call (sqlite3_extended_errcode): 3464 data type mismatch, 94 invalid use of
/// Null, 5 invalid procedure call, 6 overflow, 11 division by zero, 93 invalid pattern string ...
/// 0 for any other failure.
[[nodiscard]] std::int32_t jetFunctionErrorNumber(int extendedResultCode);

} // namespace platform::db
