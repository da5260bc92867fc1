// Ids and texts compared by `=` become parameters of one translation, and the statement with its
// values bound gives exactly the rows of the plain translation.

#include "SqliteTestSupport.h"
#include "platform/CallError.h"
#include "platform/db/sqlite/Statement.h"
#include "sql/JetSql.h"
#include "sql/JetStatementCache.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> rowsWithValues(sqlitetest::Connection& db,
                                        const platform::db::JetStatementCache::Parameterized& p) {
    platform::db::sqlite::Statement stmt(db, p.sql);
    for (std::size_t k = 0; k < p.values.size(); ++k) {
        const int index = static_cast<int>(k) + 1;
        if (p.values[k].type() == platform::Variant::Type::Integer) {
            stmt.bind(index, p.values[k].asInteger());
        } else {
            stmt.bind(index, p.values[k].asText());
        }
    }
    std::vector<std::string> rows;
    while (stmt.step()) {
        rows.push_back(stmt.isNull(0) ? "<null>" : stmt.columnText(0));
    }
    return rows;
}

class JetParameterized : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(
            sqlitetest::execNative(db, "CREATE TABLE t(id INTEGER PRIMARY KEY, name TEXT COLLATE JETTEXT, "
                                       "code TEXT COLLATE JETTEXT, n NUMERIC);"
                                       "INSERT INTO t VALUES (1, 'Ölfeld', '12', 12), (2, 'it''s', 'x', 1.5),"
                                       " (3, 'b', '0012', NULL), (12, 'zwölf', NULL, 12);"),
            "");
    }
    sqlitetest::Connection db = sqlitetest::openWithJetExtensions();
    platform::db::JetStatementCache cache;
};

TEST_F(JetParameterized, BoundValuesGiveTheRowsOfThePlainStatement) {
    const char* const statements[] = {
        "SELECT id FROM t WHERE id = 2",
        "SELECT id FROM t WHERE (t.id=12) ORDER BY id",
        "SELECT id FROM t WHERE [t].[name] = 'ölfeld'",
        "SELECT id FROM t WHERE name = \"IT'S\"",
        "SELECT id FROM t WHERE code = '12' OR code = '0012' ORDER BY id",
        "SELECT id FROM t WHERE n = 12 AND code = '12'",
        "SELECT id FROM t WHERE n = '12' ORDER BY id",
        "SELECT id FROM t WHERE code = 12 ORDER BY id",
        "SELECT a.id FROM t AS a INNER JOIN t AS b ON a.id = b.id WHERE (b.id = 3)",
        "SELECT id FROM t WHERE id IN (SELECT id FROM t WHERE name = 'b')",
        "SELECT id FROM t WHERE ((((t.id) = 12)) AND (((t.code) = '12')))",
        "SELECT id FROM t WHERE (name) = 'B' AND ((n) = 1.5 OR (id) = 1) ORDER BY id",
    };
    for (const char* jet : statements) {
        const auto lifted = cache.parameterized(jet);
        ASSERT_TRUE(lifted.has_value()) << jet;
        EXPECT_EQ(lifted->sql.find("?1"), lifted->sql.find('?')) << lifted->sql;
        const sqlitetest::RunResult plain = sqlitetest::run(db, platform::db::translateStatement(jet));
        ASSERT_EQ(plain.errorNumber, 0) << jet;
        EXPECT_EQ(rowsWithValues(db, *lifted), plain.rows) << jet << "\n" << lifted->sql;
    }
}

TEST_F(JetParameterized, EveryIdSharesOneTranslation) {
    const auto first = cache.parameterized("SELECT name FROM t WHERE id = 1");
    const std::size_t hits = cache.hits();
    const auto second = cache.parameterized("SELECT name FROM t WHERE id = 12");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->sql, second->sql);
    EXPECT_EQ(cache.hits(), hits + 1);
    EXPECT_EQ(rowsWithValues(db, *second), std::vector<std::string>{"zwölf"});
}

TEST_F(JetParameterized, LiteralsThatShapeTheStatementStayInIt) {
    for (const char* jet :
         {"SELECT id FROM t WHERE name Like 'b*'", "SELECT id FROM t WHERE id IN (1, 2)",
          "SELECT id FROM t WHERE id = 1 + 1", "SELECT id FROM t WHERE id = -1",
          "SELECT id FROM t WHERE id = 1.5", "SELECT TOP 2 id FROM t ORDER BY 1",
          "SELECT id FROM t WHERE id = 1234567890123456789", "UPDATE t SET n = 5 WHERE id = 1",
          "SELECT id FROM t WHERE Len(name) = 1", "SELECT id FROM t WHERE (id + 1) = 2"}) {
        EXPECT_FALSE(cache.parameterized(jet).has_value()) << jet;
    }
}

TEST_F(JetParameterized, ATextRunAgainKeepsItsOwnValues) {
    const std::string one = "SELECT name FROM t WHERE id = 1";
    const std::string twelve = "SELECT name FROM t WHERE id = 12";
    const std::string sql = cache.select(one).sql;
    EXPECT_EQ(cache.select(twelve).sql, sql);
    const std::size_t hits = cache.hits();
    const auto& again = cache.select(one);
    EXPECT_EQ(cache.hits(), hits + 1);
    EXPECT_EQ(again.sql, sql);
    EXPECT_EQ(rowsWithValues(db, again), std::vector<std::string>{"Ölfeld"});
    EXPECT_EQ(rowsWithValues(db, cache.select(twelve)), std::vector<std::string>{"zwölf"});
}

// A text that differs from one run before only in its numbers is answered from the first one's
// shape: its own values, never a number that the first text left in its statement.
TEST_F(JetParameterized, AnotherIdInAStatementRunBeforeGivesItsOwnRows) {
    const struct {
        const char* first;
        const char* second;
    } pairs[] = {
        {"SELECT name FROM t WHERE id = 1", "SELECT name FROM t WHERE id = 12"},
        {"SELECT id FROM t WHERE ((t.id = 1)) AND (code = '12')",
         "SELECT id FROM t WHERE ((t.id = 12)) AND (code = '12')"},
        {"SELECT id FROM t WHERE code = '12' OR id = 3 ORDER BY id",
         "SELECT id FROM t WHERE code = '0012' OR id = 2 ORDER BY id"},
        {"SELECT TOP 1 id FROM t WHERE n = 12 ORDER BY id",
         "SELECT TOP 2 id FROM t WHERE n = 12 ORDER BY id"},
        {"SELECT id FROM t WHERE id IN (1, 2) AND id = 1",
         "SELECT id FROM t WHERE id IN (3, 12) AND id = 12"},
        {"SELECT id FROM t WHERE name = '1' OR id = 2", "SELECT id FROM t WHERE name = '3' OR id = 2"},
        {"SELECT id FROM t WHERE [t].[id] = 1 OR name = 'it''s 2' OR id = 3 ORDER BY id",
         "SELECT id FROM t WHERE [t].[id] = 12 OR name = 'it''s 2' OR id = 2 ORDER BY id"},
        {"SELECT id FROM t WHERE id = -1 OR id = 2", "SELECT id FROM t WHERE id = -2 OR id = 1"},
        {"SELECT id FROM t WHERE id = 1 OR id = 2 + 1 ORDER BY id",
         "SELECT id FROM t WHERE id = 1 OR id = 2 + 10 ORDER BY id"},
    };
    for (const auto& pair : pairs) {
        (void)cache.select(pair.first);
        const auto& second = cache.select(pair.second);
        const sqlitetest::RunResult plain =
            sqlitetest::run(db, platform::db::translateStatement(pair.second));
        ASSERT_EQ(plain.errorNumber, 0) << pair.second;
        EXPECT_EQ(second.values.empty() ? sqlitetest::run(db, second.sql).rows : rowsWithValues(db, second),
                  plain.rows)
            << pair.second << "\n"
            << second.sql;
        const auto lifted = cache.parameterized(pair.second);
        EXPECT_EQ(second.values.size(), lifted ? lifted->values.size() : 0U) << pair.second;
    }
}

// A steel read once gives its statements once: they are not kept for it, nor do they push out the
// translations that every steel shares.
TEST_F(JetParameterized, IdsSeenOnceAreNotKept) {
    (void)cache.select("SELECT name FROM t WHERE id = 1 AND code = 'x'");
    const std::size_t kept = cache.size();
    for (int id = 2; id < 600; ++id) {
        const auto& select =
            cache.select("SELECT name FROM t WHERE id = " + std::to_string(id) + " AND code = 'x'");
        ASSERT_EQ(select.values.size(), 2U);
        EXPECT_EQ(select.values[0].asInteger(), id);
        EXPECT_EQ(select.values[1].asText(), "x");
    }
    EXPECT_EQ(cache.size(), kept);
}

TEST_F(JetParameterized, ATextWithoutLiftedLiteralsRunsAsTranslated) {
    for (const char* jet : {"SELECT id FROM t WHERE name Like 'b*'", "SELECT id FROM t ORDER BY id"}) {
        for (int run = 0; run < 2; ++run) {
            const auto& select = cache.select(jet);
            EXPECT_EQ(select.sql, platform::db::translateStatement(jet)) << jet;
            EXPECT_TRUE(select.values.empty()) << jet;
        }
    }
}

TEST_F(JetParameterized, ABadTextFailsEveryTime) {
    for (int run = 0; run < 2; ++run) {
        try {
            (void)cache.select("SELECT id FROM t WHERE id = = 1");
            ADD_FAILURE() << "no error";
        } catch (const platform::CallError& e) {
            EXPECT_EQ(e.number(), 3075);
        }
    }
    EXPECT_EQ(cache.size(), 0U);
}

} // namespace
