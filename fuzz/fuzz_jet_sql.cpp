// The Jet SQL translator on any text, and SQLite on what it writes: a statement and a bare criteria
// expression, run on a small database of the shapes the program's tables have.

#include "FuzzInput.h"
#include "platform/CallError.h"
#include "sql/SqliteExtensions.h"
#include "sql/JetSql.h"

#include <memory>
#include <sqlite3.h>

namespace {

struct Closer {
    void operator()(sqlite3* db) const noexcept { sqlite3_close(db); }
};

sqlite3* database() {
    static const std::unique_ptr<sqlite3, Closer> db = [] {
        sqlite3* raw = nullptr;
        sqlite3_open(":memory:", &raw);
        platform::db::registerJetExtensions(raw);
        sqlite3_exec(
            raw,
            "CREATE TABLE t(id INTEGER PRIMARY KEY, a INTEGER, s TEXT COLLATE JETTEXT, d DATE, b BOOLEAN);"
            "CREATE INDEX ts ON t(s);"
            "CREATE TABLE u(id INTEGER, name TEXT COLLATE JETTEXT, x REAL);"
            "INSERT INTO t VALUES(1, 5, 'X5CrNi18-10', '2001-02-03', -1), (2, NULL, '1.4301', NULL, 0),"
            "(3, -7, NULL, '1999-12-31', NULL), (4, 12, 'ä*?#[', '2020-01-01 10:00:00', -1);"
            "INSERT INTO u VALUES(1, 'Cr', 18.5), (2, NULL, NULL), (4, 'Ni', -0.25);"
            "CREATE VIEW v AS SELECT t.id, s, name FROM t LEFT JOIN u ON t.id = u.id;",
            nullptr, nullptr, nullptr);
        // Nothing the fuzzer writes may change the database between inputs.
        sqlite3_exec(raw, "PRAGMA query_only = 1", nullptr, nullptr, nullptr);
        // A statement that runs long (a cross join of itself) is stopped, not waited for.
        sqlite3_progress_handler(
            raw, 100000, [](void*) { return 1; }, nullptr);
        return std::unique_ptr<sqlite3, Closer>(raw);
    }();
    return db.get();
}

void run(const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(database(), sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr) !=
        SQLITE_OK) {
        sqlite3_finalize(stmt);
        return;
    }
    for (int rows = 0; rows < 1000 && sqlite3_step(stmt) == SQLITE_ROW; ++rows) {
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            (void)sqlite3_column_text(stmt, c);
        }
    }
    sqlite3_finalize(stmt);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        run(platform::db::translateStatement(text));
    } catch (const platform::CallError&) {
    }
    try {
        run("SELECT id FROM t WHERE " + platform::db::translateCriteria(text));
    } catch (const platform::CallError&) {
    }
    return 0;
}
