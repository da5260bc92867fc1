#include "DaoTestSupport.h"

#include <filesystem>
#include <functional>
#include <vector>

using daotest::errorNumber;
using namespace platform::db;
using platform::Variant;

namespace {

class Execute : public daotest::DatabaseFixture {
protected:
    void SetUp() override {
        build("CREATE TABLE t(id INTEGER PRIMARY KEY, name TEXT COLLATE JETTEXT NOT NULL);"
              "INSERT INTO t VALUES(1, 'a'), (2, 'b');");
        m_db = open();
    }
    int count() {
        const auto rs = m_db->openRecordset("SELECT count(*) AS n FROM t", RecordsetType::Snapshot);
        return static_cast<int>(rs->field("n").asInteger());
    }
    std::shared_ptr<Database> m_db;
};

} // namespace

TEST_F(Execute, ActionStatementsReportTheRowsTheyTouched) {
    m_db->execute("INSERT INTO t (id, name) VALUES (3, 'c');");
    EXPECT_EQ(m_db->recordsAffected(), 1);
    m_db->execute("UPDATE t SET name = 'x' WHERE name = 'B' ;  ");
    EXPECT_EQ(m_db->recordsAffected(), 1);
    m_db->execute("DELETE FROM t WHERE id > 1");
    EXPECT_EQ(m_db->recordsAffected(), 2);
    m_db->execute("CREATE TABLE u(v INTEGER)");
    EXPECT_EQ(count(), 1);
}

TEST_F(Execute, FailuresCarryTheEngineNumbers) {
    struct Case {
        const char* statement;
        int number;
    };
    const Case cases[] = {
        {"SELECT * FROM t", jet::CannotExecuteSelect},
        {"DELETE FROM nosuch", jet::InputTableNotFound},
        {"UPDATE t SET nosuch = 1", jet::TooFewParameters},
        {"DELETE FROM t WHERE", jet::SyntaxErrorInExpression},
        {"INSERT INTO t VALUES(1, 'again')", jet::DuplicateKey},
        {"INSERT INTO t (id) VALUES(7)", jet::FieldRequired},
        {"DELETE FROM t WHERE id = 1; DELETE FROM t", jet::CharactersAfterEnd},
        {"", jet::InvalidSqlStatement},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(errorNumber([&] { m_db->execute(c.statement); }), c.number) << c.statement;
    }
    EXPECT_EQ(count(), 2); // none of the refused statements was run
    // A missing table names the database it was looked for in, by statement and by table name.
    const auto file = std::filesystem::absolute(m_db->name()).string();
    for (const auto& open : std::vector<std::function<void()>>{
             [&] { m_db->execute("SELECT * FROM missing_table"); },
             [&] {
                 static_cast<void>(m_db->openRecordset("missing_table", RecordsetType::Table));
             }}) {
        try {
            open();
            ADD_FAILURE() << "no error";
        } catch (const platform::CallError& e) {
            EXPECT_EQ(e.number(), jet::InputTableNotFound);
            EXPECT_EQ(e.description(), "The database engine cannot find the input table or query "
                                       "'missing_table' in the database '" +
                                           file +
                                           "'. Make sure it exists and that its name is spelled "
                                           "correctly.");
            EXPECT_EQ(e.source(), "DAO.Database");
        }
    }
    m_db->execute("CREATE TABLE u(id INTEGER, name TEXT)");
    EXPECT_EQ(errorNumber([&] { static_cast<void>(m_db->openRecordset("SELECT name FROM t, u")); }),
              jet::AmbiguousField);
    EXPECT_EQ(errorNumber([&] { static_cast<void>(m_db->openRecordset("SELECT * FROM nosuch")); }),
              jet::InputTableNotFound);
    EXPECT_EQ(
        errorNumber([&] { static_cast<void>(m_db->openRecordset("SELECT * FROM t", RecordsetType::Table)); }),
        jet::InvalidOperation);
}

TEST_F(Execute, TransactionsCommitRollBackAndNest) {
    m_db->beginTrans();
    m_db->execute("INSERT INTO t VALUES(3, 'c')");
    m_db->rollback();
    EXPECT_EQ(count(), 2);

    m_db->beginTrans();
    m_db->execute("INSERT INTO t VALUES(3, 'c')");
    m_db->beginTrans();
    m_db->execute("INSERT INTO t VALUES(4, 'd')");
    m_db->rollback(); // only the inner level
    m_db->commitTrans();
    EXPECT_EQ(count(), 3);

    EXPECT_EQ(errorNumber([&] { m_db->commitTrans(); }), jet::TransactionNotBegun);
    EXPECT_EQ(errorNumber([&] { m_db->rollback(); }), jet::TransactionNotBegun);

    // Closing with an open transaction rolls it back.
    m_db->beginTrans();
    m_db->execute("DELETE FROM t");
    m_db->close();
    m_db = open();
    EXPECT_EQ(count(), 3);
}

// The same text, and texts that differ only in an id, share a translation and a kept statement;
// each must still give its own rows.
// A scratch database keeps its rollback journal in memory: no journal file beside it while a
// transaction writes, and what was committed or rolled back is as with a journal on disk.
TEST_F(Execute, AScratchDatabaseWritesWithoutAJournalFile) {
    const std::string journal = m_path + "-journal";
    for (const bool scratch : {false, true}) {
        SCOPED_TRACE(scratch);
        m_db.reset();
        build("CREATE TABLE t(id INTEGER PRIMARY KEY, name TEXT);");
        m_db = open();
        if (scratch) {
            m_db->skipSync();
        }
        m_db->beginTrans();
        m_db->execute("INSERT INTO t (id, name) VALUES (1, 'kept')");
        EXPECT_EQ(std::filesystem::exists(journal), !scratch);
        m_db->commitTrans();
        m_db->beginTrans();
        m_db->execute("INSERT INTO t (id, name) VALUES (2, 'dropped')");
        m_db->rollback();
        EXPECT_EQ(count(), 1);
    }
    m_db.reset();
    m_db = open();
    EXPECT_EQ(count(), 1);
}

TEST_F(Execute, TextsRunAgainGiveTheirOwnRows) {
    const auto nameOf = [this](const std::string& query) {
        const auto rs = m_db->openRecordset(query, RecordsetType::Snapshot);
        return rs->eof() ? std::string("<none>") : rs->field("name").asText();
    };
    const std::string one = "SELECT name FROM t WHERE id = 1";
    const std::string two = "SELECT name FROM t WHERE id = 2";
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(nameOf(one), "a");
        EXPECT_EQ(nameOf(two), "b");
        EXPECT_EQ(nameOf("SELECT name FROM t WHERE name = 'B'"), "b");
        EXPECT_EQ(nameOf("SELECT name FROM t WHERE id = 3"), "<none>");
    }
    m_db->execute("UPDATE t SET name = 'c' WHERE id = 1");
    EXPECT_EQ(nameOf(one), "c");
}

// A statement run again may come from the connection's kept statements: it must still see the
// table as it is after a change of its columns, and two open at once must not share one.
TEST_F(Execute, StatementsRunAgainSeeTheTablesAsTheyAreNow) {
    const auto names = [](Recordset& rs) {
        std::vector<std::string> fields;
        for (std::int32_t i = 0; i < rs.fieldCount(); ++i) {
            fields.push_back(rs.fieldName(i));
        }
        return fields;
    };
    const std::string query = "SELECT * FROM t ORDER BY id";
    {
        const auto first = m_db->openRecordset(query, RecordsetType::ForwardOnly);
        const auto second = m_db->openRecordset(query, RecordsetType::Snapshot);
        first->moveNext();
        EXPECT_EQ(first->field("id"), Variant(2));
        EXPECT_EQ(second->field("id"), Variant(1));
    }
    m_db->execute("ALTER TABLE t ADD COLUMN extra TEXT");
    {
        const auto rs = m_db->openRecordset(query, RecordsetType::Snapshot);
        EXPECT_EQ(names(*rs), (std::vector<std::string>{"id", "name", "extra"}));
    }
    m_db->execute("UPDATE t SET extra = 'x' WHERE id = 2");
    const auto rs = m_db->openRecordset(query, RecordsetType::Snapshot);
    rs->moveLast();
    EXPECT_EQ(rs->field("extra"), Variant("x"));
}

// Another connection may change a table's columns while this one keeps a statement over it: the
// kept statement is prepared again, and its columns must be read again with it.
TEST_F(Execute, KeptStatementsSeeColumnsAnotherConnectionAdded) {
    const std::string query = "SELECT * FROM t WHERE id = 2";
    for (const RecordsetType type :
         {RecordsetType::Snapshot, RecordsetType::Dynaset, RecordsetType::ForwardOnly}) {
        const auto other = open();
        m_db->openRecordset(query, type)->close();
        const std::string column = "c" + std::to_string(static_cast<int>(type));
        other->execute("ALTER TABLE t ADD COLUMN " + column + " TEXT DEFAULT 'new'");
        const auto rs = m_db->openRecordset(query, type);
        EXPECT_EQ(rs->field("name"), Variant("b"));
        EXPECT_EQ(rs->field(column), Variant("new")) << column;
        EXPECT_EQ(rs->field(rs->fieldCount() - 1), Variant("new")) << column;
    }
}

TEST_F(Execute, FunctionFailuresReachTheCallerWithTheirNumberAndText) {
    struct Case {
        const char* statement;
        int number;
        const char* description;
    };
    const Case cases[] = {
        {"SELECT name + 1 AS x FROM t", jet::TypeMismatchInCriteria,
         "Data type mismatch in criteria expression."},
        {"SELECT Left(name, Null) AS x FROM t", platform::err::InvalidUseOfNull, "Invalid use of Null"},
        {"SELECT Mid(name, 0) AS x FROM t", platform::err::InvalidProcedureCall,
         "Invalid procedure call or argument"},
        {"SELECT CLng(3000000000) AS x FROM t", platform::err::Overflow, "Overflow"},
        {"SELECT 5 \\ 0 AS x FROM t", platform::err::DivisionByZero, "Division by zero"},
        {"SELECT id FROM t WHERE name Like '[a-'", platform::err::InvalidPatternString,
         "Invalid pattern string"},
    };
    for (const Case& c : cases) {
        try {
            const auto rs = m_db->openRecordset(c.statement, RecordsetType::Snapshot);
            while (!rs->eof()) {
                rs->moveNext();
            }
            ADD_FAILURE() << "no error for " << c.statement;
        } catch (const platform::CallError& e) {
            EXPECT_EQ(e.number(), c.number) << c.statement;
            EXPECT_EQ(e.description(), c.description) << c.statement;
            EXPECT_EQ(e.source(), "DAO.Recordset") << c.statement;
        }
    }
}

TEST_F(Execute, ASyntaxErrorOnlyTheEngineFindsQuotesNoStatementText) {
    // The message may reach the user: at most the token the engine stopped at, never the statement.
    struct Case {
        const char* statement;
        const char* description;
    };
    const Case cases[] = {
        {"CREATE TABLE u(v INTEGER", "Syntax error (missing operator) in query expression ''."},
        {"CREATE TABLE u(v INTEGER,, w)", "Syntax error (missing operator) in query expression ','."},
    };
    for (const Case& c : cases) {
        const platform::CallError e = test_support::raisedError([&] { m_db->execute(c.statement); });
        EXPECT_EQ(e.number(), jet::SyntaxErrorInExpression) << c.statement;
        EXPECT_EQ(e.description(), c.description) << c.statement;
    }
}
