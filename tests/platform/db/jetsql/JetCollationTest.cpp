#include "sql/SqliteExtensions.h"

#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

struct Closer {
    void operator()(sqlite3* db) const noexcept { sqlite3_close(db); }
};

std::vector<std::string> column(sqlite3* db, const char* sql) {
    std::vector<std::string> out;
    sqlite3_stmt* raw = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql, -1, &raw, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> stmt(raw, &sqlite3_finalize);
    while (sqlite3_step(stmt.get()) == SQLITE_ROW) {
        out.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0)));
    }
    return out;
}

} // namespace

TEST(JetCollation, IgnoresCaseKeepsAccentsAndSortsUmlautsWithTheirBase) {
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &raw), SQLITE_OK);
    std::unique_ptr<sqlite3, Closer> db(raw);
    platform::db::registerJetExtensions(db.get());
    ASSERT_EQ(sqlite3_exec(db.get(),
                           "CREATE TABLE t(n TEXT COLLATE JETTEXT);"
                           "INSERT INTO t VALUES('zinc'),('Öl'),('oel'),('Ol'),('apfel'),('Äpfel');",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    EXPECT_EQ(column(db.get(), "SELECT n FROM t WHERE n = 'ZINC'"), std::vector<std::string>{"zinc"});
    EXPECT_EQ(column(db.get(), "SELECT n FROM t WHERE n = 'ol'"), std::vector<std::string>{"Ol"});
    EXPECT_EQ(column(db.get(), "SELECT n FROM t ORDER BY n"),
              (std::vector<std::string>{"apfel", "Äpfel", "oel", "Ol", "Öl", "zinc"}));
}

TEST(JetExtensions, GiveNativeLikeJetsWildcards) {
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &raw), SQLITE_OK);
    std::unique_ptr<sqlite3, Closer> db(raw);
    platform::db::registerJetExtensions(db.get());
    // `value LIKE pattern` and jet_like(value, pattern) agree; % and _ are plain characters.
    EXPECT_EQ(column(db.get(),
                     "SELECT ('ABC' LIKE 'a*') || ('a%' LIKE 'A%') || ('ab' LIKE 'a%') || "
                     "('x1' LIKE '[w-y]#') || jet_like('ABC', 'a?c') || ('sqlite_x' LIKE 'sqlite%')"),
              std::vector<std::string>{"110110"});
}
