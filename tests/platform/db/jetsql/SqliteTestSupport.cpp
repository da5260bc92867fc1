#include "SqliteTestSupport.h"

#include "platform/VbConvert.h"
#include "platform/db/sqlite/Error.h"
#include "platform/db/sqlite/Statement.h"
#include "sql/SqliteExtensions.h"

#include <string_view>

namespace sqlitetest {
namespace {

using platform::db::sqlite::ColumnType;
using platform::db::sqlite::Error;
using platform::db::sqlite::Statement;

std::string fieldText(const Statement& stmt, int column) {
    switch (stmt.columnType(column)) {
    case ColumnType::Null:
        return "<null>";
    case ColumnType::Integer:
        return std::to_string(stmt.columnInt64(column));
    case ColumnType::Float:
        return platform::CStr(stmt.columnDouble(column), ".");
    default:
        return stmt.columnText(column);
    }
}

/// The Jet number for an SQLite failure, as far as the cases need one: the Jet functions give theirs
/// in the result code.
int jetNumber(const Error& error) {
    if (const int n = platform::db::jetFunctionErrorNumber(error.code()); n != 0) {
        return n;
    }
    const std::string_view message = error.message();
    if (message.starts_with("no such table")) {
        return 3078; // cannot find the input table or query
    }
    if (message.starts_with("no such column")) {
        return 3061; // too few parameters: Jet takes an unknown name for a parameter
    }
    if (message.starts_with("UNIQUE constraint failed")) {
        return 3022;
    }
    return -1;
}

} // namespace

Connection openWithJetExtensions() {
    Connection db(":memory:", platform::db::sqlite::OpenMode::Create, platform::db::sqlite::Extensions::Jet);
    db.setDoubleQuotedStrings(false);
    return db;
}

std::string execNative(Connection& db, const std::string& sql) {
    try {
        db.exec(sql);
        return {};
    } catch (const Error& e) {
        return e.message();
    }
}

RunResult run(Connection& db, const std::string& sql) {
    RunResult result;
    try {
        Statement stmt(db, sql);
        while (stmt.step()) {
            std::string row;
            for (int c = 0; c < stmt.columnCount(); ++c) {
                row += (c == 0 ? "" : "\t") + fieldText(stmt, c);
            }
            result.rows.push_back(std::move(row));
        }
    } catch (const Error& e) {
        result.rows.clear();
        result.errorText = e.message();
        result.errorNumber = jetNumber(e);
    }
    return result;
}

std::vector<std::string> queryPlan(Connection& db, const std::string& sql) {
    std::vector<std::string> lines;
    try {
        Statement stmt(db, "EXPLAIN QUERY PLAN " + sql);
        while (stmt.step()) {
            lines.push_back(stmt.columnText(3));
        }
    } catch (const Error& e) {
        lines.push_back("error: " + e.message());
    }
    return lines;
}

} // namespace sqlitetest
