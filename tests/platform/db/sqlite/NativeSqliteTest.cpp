#include "platform/db/sqlite/Connection.h"
#include "platform/db/sqlite/Error.h"
#include "platform/db/sqlite/Statement.h"
#include "test_support/TempFolder.h"

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <sqlite3.h>
#include <string>

namespace {

using platform::db::sqlite::ColumnType;
using platform::db::sqlite::Connection;
using platform::db::sqlite::Error;
using platform::db::sqlite::Extensions;
using platform::db::sqlite::OpenMode;
using platform::db::sqlite::Statement;

Connection memory() {
    return Connection(":memory:", OpenMode::Create);
}

// The error a call throws; fails the test when it throws none.
Error errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const Error& e) {
        return e;
    }
    ADD_FAILURE() << "no error thrown";
    return Error(SQLITE_OK, "");
}

struct RoundTrip {
    const char* name;
    std::function<void(Statement&, int)> bind;
    ColumnType type;
    std::function<void(const Statement&)> check;
};

TEST(NativeStatement, EveryTypeComesBackAsBound) {
    using namespace std::string_literals;
    const std::string zeros = "a\0b\0"s;
    const RoundTrip cases[] = {
        {"null", [](Statement& s, int i) { s.bindNull(i); }, ColumnType::Null,
         [](const Statement& s) {
             EXPECT_TRUE(s.isNull(0));
             EXPECT_EQ(s.columnText(0), "");
         }},
        {"nullptr", [](Statement& s, int i) { s.bind(i, nullptr); }, ColumnType::Null,
         [](const Statement& s) {
             EXPECT_TRUE(s.isNull(0));
         }},
        {"empty optional", [](Statement& s, int i) { s.bind(i, std::optional<double>{}); }, ColumnType::Null,
         [](const Statement& s) {
             EXPECT_TRUE(s.isNull(0));
         }},
        {"largest int64", [](Statement& s, int i) { s.bind(i, std::numeric_limits<std::int64_t>::max()); },
         ColumnType::Integer,
         [](const Statement& s) {
             EXPECT_EQ(s.columnInt64(0), std::numeric_limits<std::int64_t>::max());
         }},
        {"smallest int64", [](Statement& s, int i) { s.bind(i, std::numeric_limits<std::int64_t>::min()); },
         ColumnType::Integer,
         [](const Statement& s) {
             EXPECT_EQ(s.columnInt64(0), std::numeric_limits<std::int64_t>::min());
         }},
        {"int", [](Statement& s, int i) { s.bind(i, -1); }, ColumnType::Integer,
         [](const Statement& s) {
             EXPECT_EQ(s.columnInt64(0), -1);
         }},
        {"optional int64", [](Statement& s, int i) { s.bind(i, std::optional<std::int64_t>(7)); },
         ColumnType::Integer,
         [](const Statement& s) {
             EXPECT_EQ(s.columnInt64(0), 7);
         }},
        {"double", [](Statement& s, int i) { s.bind(i, 0.1); }, ColumnType::Float,
         [](const Statement& s) {
             EXPECT_EQ(s.columnDouble(0), 0.1);
         }},
        {"text", [](Statement& s, int i) { s.bind(i, "Längsproben"); }, ColumnType::Text,
         [](const Statement& s) {
             EXPECT_EQ(s.columnText(0), "Längsproben");
         }},
        {"empty text", [](Statement& s, int i) { s.bind(i, std::string_view()); }, ColumnType::Text,
         [](const Statement& s) {
             EXPECT_EQ(s.columnText(0), "");
         }},
        {"text with zeros", [&](Statement& s, int i) { s.bind(i, zeros); }, ColumnType::Text,
         [&](const Statement& s) {
             EXPECT_EQ(s.columnText(0), zeros);
         }},
        {"blob with zeros", [&](Statement& s, int i) { s.bindBlob(i, "\0\xff\0"s); }, ColumnType::Blob,
         [](const Statement& s) {
             EXPECT_EQ(s.columnBlob(0), "\0\xff\0"s);
         }},
        {"empty blob", [](Statement& s, int i) { s.bindBlob(i, std::string_view()); }, ColumnType::Blob,
         [](const Statement& s) {
             EXPECT_EQ(s.columnBlob(0), "");
         }},
    };
    Connection db = memory();
    db.exec("CREATE TABLE t (v)");
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.name);
        db.exec("DELETE FROM t");
        // Stored and read back, so that the value passes through the file format, not only the VM.
        Statement insert(db, "INSERT INTO t (v) VALUES (:v)");
        c.bind(insert, insert.parameterIndex(":v"));
        insert.run();
        Statement select(db, "SELECT v FROM t");
        ASSERT_TRUE(select.step());
        EXPECT_EQ(select.columnType(0), c.type);
        c.check(select);
        EXPECT_FALSE(select.step());
    }
}

TEST(NativeStatement, BindsByNameAndKeepsBindingsOverAReset) {
    Connection db = memory();
    Statement s(db, "SELECT @a, $b, ?3");
    s.bind("@a", 1);
    s.bind("$b", "two");
    s.bind(3, 3.5);
    for (int run = 0; run < 2; ++run) {
        ASSERT_TRUE(s.step());
        EXPECT_EQ(s.columnInt64(0), 1);
        EXPECT_EQ(s.columnText(1), "two");
        EXPECT_EQ(s.columnDouble(2), 3.5);
        s.reset();
    }
    s.clearBindings();
    ASSERT_TRUE(s.step());
    EXPECT_TRUE(s.isNull(0));
    EXPECT_TRUE(s.isNull(1));
}

TEST(NativeStatement, ColumnsHaveTheirNames) {
    Connection db = memory();
    Statement s(db, "SELECT 1 AS first, 2 AS [second]");
    EXPECT_EQ(s.columnCount(), 2);
    EXPECT_EQ(s.columnName(0), "first");
    EXPECT_EQ(s.columnName(1), "second");
    EXPECT_EQ(errorOf([&] { static_cast<void>(s.columnName(2)); }).code(), SQLITE_RANGE);
}

TEST(NativeStatement, UnknownParametersAreRefused) {
    Connection db = memory();
    Statement s(db, "SELECT :known");
    EXPECT_EQ(errorOf([&] { s.bind(":unknown", 1); }).code(), SQLITE_RANGE);
    EXPECT_EQ(errorOf([&] { s.bind(2, 1); }).code(), SQLITE_RANGE);
}

TEST(NativeStatement, AFailedPrepareCarriesSqlitesMessageAndTheStatement) {
    Connection db = memory();
    const Error e = errorOf([&] { Statement(db, "SELECT x FROM missing"); });
    EXPECT_EQ(e.code(), SQLITE_ERROR);
    EXPECT_EQ(e.message(), "no such table: missing");
    EXPECT_EQ(e.sql(), "SELECT x FROM missing");
    EXPECT_STREQ(e.what(), "no such table: missing (in: SELECT x FROM missing)");
}

TEST(NativeStatement, AFailedStepCarriesTheExtendedCode) {
    Connection db = memory();
    db.exec("CREATE TABLE t (id INTEGER PRIMARY KEY, name TEXT UNIQUE NOT NULL)");
    db.exec("INSERT INTO t (name) VALUES ('a')");
    Statement insert(db, "INSERT INTO t (name) VALUES (?)");
    insert.bind(1, "a");
    EXPECT_EQ(errorOf([&] { insert.run(); }).code(), SQLITE_CONSTRAINT_UNIQUE);
    insert.reset();
    insert.bindNull(1);
    const Error e = errorOf([&] { insert.run(); });
    EXPECT_EQ(e.code(), SQLITE_CONSTRAINT_NOTNULL);
    EXPECT_EQ(e.primaryCode(), SQLITE_CONSTRAINT);
    EXPECT_EQ(e.message(), "NOT NULL constraint failed: t.name");
    EXPECT_EQ(e.sql(), "INSERT INTO t (name) VALUES (?)");
}

TEST(NativeStatement, OneStatementOnlyUnlessReadFromAScript) {
    Connection db = memory();
    EXPECT_NO_THROW(Statement(db, "SELECT 1; -- done\n"));
    EXPECT_EQ(errorOf([&] { Statement(db, "SELECT 1; SELECT 2"); }).message(), "more than one statement");
    EXPECT_EQ(errorOf([&] { Statement(db, " -- nothing\n"); }).message(), "no statement to prepare");

    std::string_view script = "CREATE TABLE t (v);; -- a comment\nINSERT INTO t VALUES (1);\n/* end */";
    std::vector<std::string> prepared;
    while (std::optional<Statement> s = Statement::prepareNext(db, script)) {
        prepared.push_back(s->sql());
        s->run();
    }
    EXPECT_TRUE(script.empty());
    EXPECT_EQ(prepared, (std::vector<std::string>{"CREATE TABLE t (v);", "INSERT INTO t VALUES (1);"}));
    Statement count(db, "SELECT count(*) FROM t");
    ASSERT_TRUE(count.step());
    EXPECT_EQ(count.columnInt64(0), 1);
}

TEST(NativeConnection, CountsChangesAndKnowsTheLastRowid) {
    Connection db = memory();
    db.exec("CREATE TABLE t (id INTEGER PRIMARY KEY, v); INSERT INTO t (id, v) VALUES (41, 'a')");
    db.exec("INSERT INTO t (v) VALUES ('b')");
    EXPECT_EQ(db.lastInsertId(), 42);
    db.exec("UPDATE t SET v = 'c'");
    EXPECT_EQ(db.changes(), 2);
}

TEST(NativeConnection, ExecReportsTheFailingScript) {
    Connection db = memory();
    const Error e = errorOf([&] { db.exec("CREATE TABLE t (v); INSERT INTO u VALUES (1)"); });
    EXPECT_EQ(e.message(), "no such table: u");
    EXPECT_EQ(e.sql(), "CREATE TABLE t (v); INSERT INTO u VALUES (1)");
}

TEST(NativeConnection, AReadOnlyConnectionRefusesWrites) {
    const test_support::TempFolder folder;
    const auto file = folder.path() / "data.db";
    Connection(file, OpenMode::Create).exec("CREATE TABLE t (v); INSERT INTO t VALUES (1)");

    Connection reader(file, OpenMode::ReadOnly);
    EXPECT_TRUE(reader.readOnly());
    EXPECT_EQ(errorOf([&] { reader.exec("INSERT INTO t VALUES (2)"); }).primaryCode(), SQLITE_READONLY);
    Statement s(reader, "SELECT count(*) FROM t");
    ASSERT_TRUE(s.step());
    EXPECT_EQ(s.columnInt64(0), 1);
    EXPECT_FALSE(Connection(file, OpenMode::ReadWrite).readOnly());
}

TEST(NativeConnection, AMissingFileIsNotCreatedUnlessAsked) {
    const test_support::TempFolder folder;
    const auto file = folder.path() / "missing.db";
    for (const OpenMode mode : {OpenMode::ReadOnly, OpenMode::ReadWrite}) {
        const Error e = errorOf([&] { Connection(file, mode); });
        EXPECT_EQ(e.primaryCode(), SQLITE_CANTOPEN);
        EXPECT_EQ(e.message(), file.string() + ": unable to open database file");
    }
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(NativeConnection, RegistersTheJetCollationWhenAsked) {
    Connection plain = memory();
    EXPECT_EQ(errorOf([&] { plain.exec("SELECT 'a' = 'A' COLLATE JETTEXT"); }).message(),
              "no such collation sequence: JETTEXT");
    Connection jet(":memory:", OpenMode::Create, Extensions::Jet);
    Statement s(jet, "SELECT 'a' = 'A' COLLATE JETTEXT");
    ASSERT_TRUE(s.step());
    EXPECT_EQ(s.columnInt64(0), 1);
}

TEST(NativeConnection, DoubleQuotesCanBeKeptForIdentifiers) {
    Connection db = memory();
    EXPECT_NO_THROW(Statement(db, "SELECT \"text\""));
    db.setDoubleQuotedStrings(false);
    EXPECT_EQ(errorOf([&] { Statement(db, "SELECT \"text\""); }).message(), "no such column: text");
}

TEST(NativeConnection, StatementsSurviveAMoveOfTheirConnection) {
    Connection first = memory();
    Statement s(first, "SELECT 5");
    const Connection moved = std::move(first);
    ASSERT_TRUE(s.step());
    EXPECT_EQ(s.columnInt64(0), 5);
    EXPECT_NE(moved.handle(), nullptr);
}

} // namespace
