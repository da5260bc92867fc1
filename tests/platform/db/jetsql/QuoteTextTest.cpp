// User text reaches SQL only through quoteText: whatever it holds, it stays one text literal.

#include "SqliteTestSupport.h"
#include "platform/db/Dao.h"
#include "platform/db/sqlite/Statement.h"
#include "sql/JetSql.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(QuoteText, DoublesSingleQuotesAndNothingElse) {
    EXPECT_EQ(platform::db::quoteText(""), "''");
    EXPECT_EQ(platform::db::quoteText("O'Brien"), "'O''Brien'");
    EXPECT_EQ(platform::db::quoteText("say \"hi\""), "'say \"hi\"'");
}

TEST(QuoteText, AnyTextComesBackUnchangedAndFindsItsRow) {
    sqlitetest::Connection db = sqlitetest::openWithJetExtensions();
    ASSERT_EQ(sqlitetest::execNative(db, "CREATE TABLE t(id INTEGER PRIMARY KEY, s TEXT COLLATE JETTEXT)"),
              "");
    const std::string texts[] = {"",
                                 "O'Brien",
                                 "''",
                                 "'",
                                 "\"",
                                 "a\"b'c",
                                 "x'; DROP TABLE t; --",
                                 "' OR '1'='1",
                                 "Größe [mm] #1# *?",
                                 "line\nbreak",
                                 "[t].[c] & 'x'",
                                 std::string("1\0' OR 1=1", 10),
                                 "tab\tbell\a\x1b[0m\x7f"};
    int id = 0;
    for (const std::string& text : texts) {
        ++id;
        platform::db::sqlite::Statement insert(db, "INSERT INTO t VALUES (?, ?)");
        insert.bind(1, id);
        insert.bind(2, text);
        EXPECT_FALSE(insert.step());

        const std::string quoted = platform::db::quoteText(text);
        const sqlitetest::RunResult echo = sqlitetest::run(
            db, platform::db::translateStatement("SELECT " + quoted + " FROM t WHERE id = 1"));
        ASSERT_EQ(echo.errorNumber, 0) << quoted << ": " << echo.errorText;
        EXPECT_EQ(echo.rows, std::vector<std::string>{text}) << quoted;
        const sqlitetest::RunResult found =
            sqlitetest::run(db, platform::db::translateStatement("SELECT id FROM t WHERE s = " + quoted));
        EXPECT_EQ(found.rows, std::vector<std::string>{std::to_string(id)}) << quoted;
    }
    EXPECT_EQ(sqlitetest::run(db, "SELECT count(*) FROM t").rows, std::vector<std::string>{"13"});
}

} // namespace
