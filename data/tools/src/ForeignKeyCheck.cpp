#include "datatools/ForeignKeyCheck.h"

#include "datatools/SqliteConnection.h"
#include "platform/db/sqlite/Error.h"
#include "platform/db/sqlite/Statement.h"

#include <stdexcept>

namespace datatools {
namespace {

using platform::db::sqlite::Statement;

// The child column of foreign key `id` of `table`.
std::string childColumn(platform::db::sqlite::Connection& db, const std::string& table, long long id) {
    try {
        Statement statement(db, "SELECT \"from\" FROM pragma_foreign_key_list(?1) WHERE id = ?2");
        statement.bind(1, table);
        statement.bind(2, static_cast<std::int64_t>(id));
        return statement.step() ? statement.columnText(0) : "?";
    } catch (const platform::db::sqlite::Error&) {
        return "?";
    }
}

} // namespace

std::vector<std::string> unresolvedForeignKeys(SqliteConnection& connection, std::size_t limit) {
    platform::db::sqlite::Connection& db = connection.native();
    std::vector<std::string> problems;
    try {
        Statement statement(db, "PRAGMA main.foreign_key_check");
        while (problems.size() < limit && statement.step()) {
            const std::string table = statement.columnText(0);
            problems.push_back(table + " rowid " + statement.columnText(1) + ": " +
                               childColumn(db, table, statement.columnInt64(3)) + " -> " +
                               statement.columnText(2));
        }
    } catch (const platform::db::sqlite::Error& e) {
        throw std::runtime_error(e.message());
    }
    return problems;
}

} // namespace datatools
