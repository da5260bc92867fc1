#pragma once

#include <filesystem>
#include <memory>
#include <string>

struct sqlite3;

namespace datatools {

/// One open SQLite connection with the Jet extensions (the JETTEXT collation) registered, so that
/// schemas with JETTEXT columns and indexes can be built and read. Owns the handle; movable only.
/// Throws std::runtime_error naming the file when the database cannot be opened.
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

    [[nodiscard]] sqlite3* handle() const noexcept { return m_db.get(); }

private:
    struct Closer {
        void operator()(sqlite3* db) const noexcept;
    };
    std::unique_ptr<sqlite3, Closer> m_db;
};

} // namespace datatools
