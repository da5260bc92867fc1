#pragma once

#include "platform/db/Transaction.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>

struct sqlite3;

namespace platform::db::sqlite {

/// Closes a connection handle (sqlite3_close_v2: statements still open keep it until they finish).
struct ConnectionCloser {
    void operator()(sqlite3* db) const noexcept;
};
using ConnectionHandle = std::unique_ptr<sqlite3, ConnectionCloser>;

enum class OpenMode {
    ReadOnly,
    ReadWrite,
    /// Read and write, creating the file when it does not exist.
    Create
};

/// What is registered on the connection besides SQLite's own: with `Jet`, the JETTEXT collation and
/// the Jet functions, so that the system's schemas and translated statements run on it.
enum class Extensions { None, Jet };

/// One open SQLite database: a movable, non-copyable owner of the handle, with extended result codes
/// on. Statements prepared on it must not outlive it. Every failure throws sqlite::Error.
class Connection {
public:
    /// Opens `file`; ":memory:" opens a new database in memory.
    Connection(const std::filesystem::path& file, OpenMode mode, Extensions extensions = Extensions::None);

    /// Runs statements that return no rows, separated by semicolons.
    void exec(std::string_view sql);

    /// The rowid of the last row inserted on this connection (0 before any).
    [[nodiscard]] std::int64_t lastInsertId() const noexcept;
    /// The rows changed by the last INSERT, UPDATE or DELETE.
    [[nodiscard]] std::int64_t changes() const noexcept;
    /// True when the main database cannot be written (opened read-only, or the file is).
    [[nodiscard]] bool readOnly() const noexcept;
    /// True while a transaction is open.
    [[nodiscard]] bool inTransaction() const noexcept;
    /// Whether "text" in double quotes may stand for a string where no such column exists (SQLite's
    /// default); off, it is always an identifier, as in strict SQL.
    void setDoubleQuotedStrings(bool allowed);

    /// The raw handle, for what this interface does not cover (registering functions, the database
    /// layer's own statements). The connection still owns it.
    [[nodiscard]] sqlite3* handle() const noexcept { return m_db.get(); }

private:
    ConnectionHandle m_db;
};

/// The hooks of platform::db::Transaction: BEGIN (deferred), COMMIT and ROLLBACK; rolling back when
/// SQLite already ended the transaction does nothing.
void beginTransaction(Connection& connection);
void commitTransaction(Connection& connection);
void rollbackTransaction(Connection& connection);

/// A transaction on a native connection: rolled back unless committed.
using Transaction = platform::db::Transaction<Connection>;

} // namespace platform::db::sqlite
