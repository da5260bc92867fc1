#include "SqliteTestSupport.h"

#include "platform/VbConvert.h"
#include "sql/SqliteExtensions.h"

#include <sqlite3.h>
#include <stdexcept>
#include <string_view>

namespace sqlitetest {
namespace {

using Statement = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>;

std::string fieldText(sqlite3_stmt* stmt, int column) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_NULL:
        return "<null>";
    case SQLITE_INTEGER:
        return std::to_string(sqlite3_column_int64(stmt, column));
    case SQLITE_FLOAT:
        return platform::CStr(sqlite3_column_double(stmt, column), ".");
    default:
        return std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)),
                           static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)));
    }
}

/// The Jet number for an SQLite failure, as far as the cases need one: the Jet functions give theirs
/// in the result code.
int jetNumber(sqlite3* db, std::string_view message) {
    if (const int n = platform::db::jetFunctionErrorNumber(sqlite3_extended_errcode(db)); n != 0) {
        return n;
    }
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

void Closer::operator()(sqlite3* db) const noexcept {
    sqlite3_close(db);
}

Connection openWithJetExtensions() {
    sqlite3* raw = nullptr;
    if (sqlite3_open(":memory:", &raw) != SQLITE_OK) {
        sqlite3_close(raw);
        throw std::runtime_error("cannot open an in-memory database");
    }
    Connection db(raw);
    sqlite3_db_config(db.get(), SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db.get(), SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    platform::db::registerJetExtensions(db.get());
    return db;
}

std::string execNative(sqlite3* db, const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) == SQLITE_OK) {
        return {};
    }
    std::string text = error != nullptr ? error : "unknown error";
    sqlite3_free(error);
    return text;
}

RunResult run(sqlite3* db, const std::string& sql) {
    RunResult result;
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
        result.errorText = sqlite3_errmsg(db);
        result.errorNumber = jetNumber(db, result.errorText);
        return result;
    }
    const Statement stmt(raw, &sqlite3_finalize);
    while (true) {
        const int rc = sqlite3_step(stmt.get());
        if (rc == SQLITE_DONE) {
            return result;
        }
        if (rc != SQLITE_ROW) {
            result.errorText = sqlite3_errmsg(db);
            result.errorNumber = jetNumber(db, result.errorText);
            result.rows.clear();
            return result;
        }
        std::string row;
        for (int c = 0; c < sqlite3_column_count(stmt.get()); ++c) {
            row += (c == 0 ? "" : "\t") + fieldText(stmt.get(), c);
        }
        result.rows.push_back(std::move(row));
    }
}

std::vector<std::string> queryPlan(sqlite3* db, const std::string& sql) {
    std::vector<std::string> lines;
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, ("EXPLAIN QUERY PLAN " + sql).c_str(), -1, &raw, nullptr) != SQLITE_OK) {
        lines.push_back(std::string("error: ") + sqlite3_errmsg(db));
        return lines;
    }
    const Statement stmt(raw, &sqlite3_finalize);
    while (sqlite3_step(stmt.get()) == SQLITE_ROW) {
        lines.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 3)));
    }
    return lines;
}

} // namespace sqlitetest
