#include "datatools/SqliteConnection.h"

#include "platform/db/sqlite/Error.h"
#include "platform/db/sqlite/Statement.h"

#include <stdexcept>

namespace datatools {
namespace {

namespace sqlite = platform::db::sqlite;

sqlite::Connection open(const std::filesystem::path& path, bool create) {
    try {
        return sqlite::Connection(path, create ? sqlite::OpenMode::Create : sqlite::OpenMode::ReadWrite,
                                  sqlite::Extensions::Jet);
    } catch (const sqlite::Error& e) {
        throw std::runtime_error("cannot open database: " + e.message());
    }
}

} // namespace

SqliteConnection::SqliteConnection(const std::filesystem::path& path, bool create)
    : m_db(open(path, create)) {}

void SqliteConnection::execute(const std::string& sql) {
    try {
        m_db.exec(sql);
    } catch (const sqlite::Error& e) {
        throw std::runtime_error(e.message());
    }
}

void SqliteConnection::attach(const std::filesystem::path& path, const std::string& schemaName) {
    const std::string file = path.string();
    try {
        sqlite::Statement statement(m_db, "ATTACH DATABASE ?1 AS ?2");
        statement.bind(1, file);
        statement.bind(2, schemaName);
        statement.run();
    } catch (const sqlite::Error& e) {
        throw std::runtime_error(file + ": cannot attach: " + e.message());
    }
}

long long SqliteConnection::queryInteger(const std::string& sql) {
    try {
        sqlite::Statement statement(m_db, sql);
        return statement.step() ? statement.columnInt64(0) : 0;
    } catch (const sqlite::Error& e) {
        throw std::runtime_error(e.message());
    }
}

} // namespace datatools
