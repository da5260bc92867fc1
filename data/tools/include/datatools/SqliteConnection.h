#pragma once

#include "platform/db/sqlite/Connection.h"

#include <filesystem>
#include <string>

namespace datatools {

/// One open native connection (platform::db::sqlite) with the Jet extensions (the JETTEXT collation)
/// registered, so that schemas with JETTEXT columns and indexes can be built and read. Owns the handle;
/// movable only. Throws std::runtime_error naming the file when the database cannot be opened.
class SqliteConnection {
public:
    /// Opens (and creates, when `create` is true) the database file at `path`.
    SqliteConnection(const std::filesystem::path& path, bool create);

    /// Runs statements that return no rows; throws std::runtime_error with SQLite's message.
    void execute(const std::string& sql);

    /// Attaches another database file under `schemaName`.
    void attach(const std::filesystem::path& path, const std::string& schemaName);

    /// The first column of the first row of `sql` as an integer (0 without a row).
    [[nodiscard]] long long queryInteger(const std::string& sql);

    [[nodiscard]] platform::db::sqlite::Connection& native() noexcept { return m_db; }
    [[nodiscard]] sqlite3* handle() const noexcept { return m_db.handle(); }

private:
    platform::db::sqlite::Connection m_db;
};

} // namespace datatools
