#pragma once

// The state one open database file shares with its record sets: the SQLite connection, the file
// lock and the transaction depth. Closing it marks every record set over it closed as well.

#include "FileLock.h"
#include "PreparedStatements.h"
#include "Sqlite.h"
#include "sql/JetStatementCache.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform::db {

class Connection {
public:
    Connection(ConnectionPtr db, std::optional<FileLock> lock, std::string path, bool readOnly,
               bool exclusive)
        : m_db(std::move(db)), m_lock(std::move(lock)), m_path(std::move(path)), m_readOnly(readOnly),
          m_exclusive(exclusive) {}

    /// The live handle; 3420 once the database was closed.
    [[nodiscard]] sqlite3* handle(std::string_view source) const;
    [[nodiscard]] bool isOpen() const { return m_db != nullptr; }
    [[nodiscard]] const std::string& path() const { return m_path; }
    [[nodiscard]] bool readOnly() const { return m_readOnly; }
    [[nodiscard]] bool exclusive() const { return m_exclusive; }
    [[nodiscard]] int& transactionDepth() { return m_transactionDepth; }
    /// Jet SQL and criteria translated for this database, each text parsed once.
    [[nodiscard]] JetStatementCache& translations() { return m_translations; }
    /// Prepared statements that finished record sets left for the next run of the same text.
    [[nodiscard]] PreparedStatements& prepared() { return m_prepared; }

    /// Rolls back an open transaction and closes the file; statements still held by record sets are
    /// finalised by them later (SQLite keeps the connection until then).
    void close() noexcept;

private:
    ConnectionPtr m_db;
    std::optional<FileLock> m_lock;
    std::string m_path;
    bool m_readOnly;
    bool m_exclusive;
    int m_transactionDepth = 0;
    JetStatementCache m_translations;
    PreparedStatements m_prepared;
};

/// Runs a statement without results natively (not translated); throws the engine's error.
void execNative(sqlite3* db, const char* sql, std::string_view source);

} // namespace platform::db
