#pragma once

struct sqlite3;

namespace platform::db::sql {

/// Registers the functions that translated statements call (jet_like, jet_concat, jet_add, jet_mid
/// ...) and overrides SQLite's two-argument like() with Jet's matcher. Throws CallError when SQLite
/// refuses one.
void registerJetFunctions(sqlite3* connection);

} // namespace platform::db::sql
