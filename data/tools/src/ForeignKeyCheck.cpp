#include "datatools/ForeignKeyCheck.h"

#include "datatools/SqliteConnection.h"

#include <memory>
#include <sqlite3.h>
#include <stdexcept>

namespace datatools {
namespace {

std::string text(sqlite3_stmt* statement, int column) {
    const unsigned char* value = sqlite3_column_text(statement, column);
    return value != nullptr ? reinterpret_cast<const char*>(value) : "";
}

// The child column of foreign key `id` of `table`.
std::string childColumn(sqlite3* db, const std::string& table, long long id) {
    sqlite3_stmt* raw = nullptr;
    const std::string sql = "SELECT \"from\" FROM pragma_foreign_key_list(?1) WHERE id = ?2";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
        return "?";
    }
    const std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> statement(raw, &sqlite3_finalize);
    sqlite3_bind_text(raw, 1, table.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int64(raw, 2, id);
    return sqlite3_step(raw) == SQLITE_ROW ? text(raw, 0) : "?";
}

} // namespace

std::vector<std::string> unresolvedForeignKeys(SqliteConnection& connection, std::size_t limit) {
    sqlite3* db = connection.handle();
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, "PRAGMA main.foreign_key_check", -1, &raw, nullptr) != SQLITE_OK) {
        throw std::runtime_error(sqlite3_errmsg(db));
    }
    const std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> statement(raw, &sqlite3_finalize);
    std::vector<std::string> problems;
    int rc = SQLITE_ROW;
    while (problems.size() < limit && (rc = sqlite3_step(raw)) == SQLITE_ROW) {
        const std::string table = text(raw, 0);
        problems.push_back(table + " rowid " + text(raw, 1) + ": " +
                           childColumn(db, table, sqlite3_column_int64(raw, 3)) + " -> " + text(raw, 2));
    }
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        throw std::runtime_error(sqlite3_errmsg(db));
    }
    return problems;
}

} // namespace datatools
