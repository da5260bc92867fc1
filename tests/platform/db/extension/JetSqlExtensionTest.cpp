// The jetsql module on a plain SQLite connection to the built materials database: without it the
// tools of the ecosystem cannot even count rows; with it they sort and compare text as the program
// does and call the Jet functions.

#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

struct Closer {
    void operator()(sqlite3* db) const noexcept { sqlite3_close(db); }
};
using Connection = std::unique_ptr<sqlite3, Closer>;

struct Finalizer {
    void operator()(sqlite3_stmt* statement) const noexcept { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, Finalizer>;

Connection openBuiltDatabase() {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(GK_GRAUKANT_MDB, &raw, SQLITE_OPEN_READONLY, nullptr);
    Connection db(raw);
    EXPECT_EQ(rc, SQLITE_OK) << GK_GRAUKANT_MDB;
    return db;
}

// The error of preparing `sql`, "" when it prepares.
std::string prepareError(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr);
    const Statement statement(raw);
    return rc == SQLITE_OK ? std::string() : std::string(sqlite3_errmsg(db));
}

// The first column of every row, as text.
std::vector<std::string> column(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* raw = nullptr;
    std::vector<std::string> values;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db);
        return values;
    }
    const Statement statement(raw);
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
        const unsigned char* text = sqlite3_column_text(statement.get(), 0);
        values.emplace_back(text != nullptr ? reinterpret_cast<const char*>(text) : "<null>");
    }
    EXPECT_EQ(rc, SQLITE_DONE) << sql << ": " << sqlite3_errmsg(db);
    return values;
}

std::string loadModule(sqlite3* db) {
    EXPECT_EQ(sqlite3_enable_load_extension(db, 1), SQLITE_OK);
    char* message = nullptr;
    const int rc = sqlite3_load_extension(db, GK_JETSQL_MODULE, nullptr, &message);
    std::string error =
        rc == SQLITE_OK ? std::string() : std::string(message != nullptr ? message : "failed");
    sqlite3_free(message);
    return error;
}

using Rows = std::vector<std::string>;

TEST(JetSqlExtension, WithoutItTheBuiltDatabaseCannotBeRead) {
    const Connection db = openBuiltDatabase();
    ASSERT_TRUE(db);
    EXPECT_EQ(prepareError(db.get(), "SELECT Land_E FROM tabLand ORDER BY Land_E"),
              "no such collation sequence: JETTEXT");
}

TEST(JetSqlExtension, SortsComparesAndMatchesTextAsTheProgramDoes) {
    const Connection db = openBuiltDatabase();
    ASSERT_TRUE(db);
    ASSERT_EQ(loadModule(db.get()), "");

    struct Case {
        const char* what;
        const char* sql;
        Rows expected;
    };
    const Case cases[] = {
        {"the rows can be counted", "SELECT COUNT(*) > 10 FROM tabLand", {"1"}},
        {"sorting ignores case and puts accented letters by their base letter",
         "SELECT Land_D FROM tabLand WHERE EuLand = -1 ORDER BY Land_D",
         {"Deutschland", "Europa (EN)", "Frankreich", "Großbritannien", "Italien", "Österreich", "Schweden"}},
        {"United comes before USA, unlike byte order",
         "SELECT Landeskuerzel FROM tabLand WHERE Landeskuerzel IN ('GB', 'USA') ORDER BY Land_E",
         {"GB", "USA"}},
        {"equality ignores case",
         "SELECT Landeskuerzel FROM tabLand WHERE Land_E = 'united KINGDOM'",
         {"GB"}},
        {"equality keeps accents", "SELECT COUNT(*) FROM tabLand WHERE Land_D = 'Osterreich'", {"0"}},
        {"Like takes Jet's wildcards without regard to case",
         "SELECT Landeskuerzel FROM tabLand WHERE Land_E LIKE 'u*' ORDER BY Landeskuerzel",
         {"GB", "USA"}},
        {"Like with a single-character wildcard and a list",
         "SELECT Landeskuerzel FROM tabLand WHERE Landeskuerzel LIKE '[cg]?' ORDER BY 1",
         {"CN", "GB"}},
        {"the Jet functions",
         "SELECT jet_ucase(Land_F) || '|' || jet_mid(Land_E, 2, 3) FROM tabLand WHERE "
         "Landeskuerzel = 'A'",
         {"AUTRICHE|ust"}},
        {"a stored query over the collated columns", "SELECT COUNT(*) > 0 FROM Stahlbez_Gruppe_Land", {"1"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(column(db.get(), c.sql), c.expected) << c.what;
    }
}

} // namespace
