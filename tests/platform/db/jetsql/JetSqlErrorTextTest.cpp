// The exact texts of the translator's syntax errors, as the error window shows them, and the
// criteria texts of FindFirst.

#include "SqliteTestSupport.h"
#include "platform/CallError.h"
#include "sql/JetSql.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct ErrorCase {
    const char* statement;
    int number;
    const char* description;
};

class JetSqlErrorText : public testing::TestWithParam<ErrorCase> {};

TEST_P(JetSqlErrorText, NamesTheFailingExpressionAsJetDoes) {
    const ErrorCase& c = GetParam();
    try {
        (void)platform::db::translateStatement(c.statement);
        FAIL() << "no error for " << c.statement;
    } catch (const platform::CallError& e) {
        EXPECT_EQ(e.number(), c.number) << c.statement;
        EXPECT_EQ(e.description(), c.description) << c.statement;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Statements, JetSqlErrorText,
    testing::Values(
        ErrorCase{"SELECT id FROM t WHERE id = = 1", 3075,
                  "Syntax error (missing operator) in query expression 'id = = 1'."},
        ErrorCase{"SELECT id s, x FROM t", 3075,
                  "Syntax error (missing operator) in query expression 'id s'."},
        ErrorCase{"SELECT a FROM t WHERE (a = 1 ORDER BY a", 3075,
                  "Missing ), ], or Item in query expression '(a = 1'."},
        ErrorCase{"SELECT a FROM t WHERE s = 'open", 3075,
                  "Syntax error in string in query expression 's = 'open'."},
        ErrorCase{"SELECT a FROM t WHERE d = #13/45/2000#", 3075,
                  "Syntax error in date in query expression 'd = #13/45/2000#'."},
        ErrorCase{"SELECT a FROM t WHERE a = 1)", 3075, "Extra ) in query expression 'a = 1)'."},
        ErrorCase{"SELECT a FROM", 3131, "Syntax error in FROM clause."},
        ErrorCase{"SELECT a FROM t INNER JOIN u", 3135, "Syntax error in JOIN operation."},
        ErrorCase{"SELECT a FROM t ORDER BY", 3138, "Syntax error in ORDER BY clause."},
        ErrorCase{"SELECT a FROM t; x", 3142, "Characters found after end of SQL statement."},
        ErrorCase{"UPDATE t SET", 3144, "Syntax error in UPDATE statement."},
        ErrorCase{"INSERT INTO t", 3134, "Syntax error in INSERT INTO statement."},
        ErrorCase{"SELECT Foo(a) FROM t", 3085, "Undefined function 'Foo' in expression."},
        ErrorCase{
            "GRANT a", 3129,
            "Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or 'UPDATE'."}));

TEST(JetSqlNesting, DeepNestingFailsAsTooComplexInsteadOfExhaustingTheStack) {
    const std::string brackets = std::string(100000, '(') + "1" + std::string(100000, ')');
    const std::string nots = [] {
        std::string s;
        for (int i = 0; i < 100000; ++i) {
            s += "Not ";
        }
        return s + "a";
    }();
    for (const std::string& jet : {"SELECT " + brackets + " FROM t", "SELECT a FROM t WHERE " + nots,
                                   "SELECT a FROM " + std::string(100000, '(') + "t",
                                   "SELECT " + std::string(100000, '-') + "1 FROM t"}) {
        try {
            (void)platform::db::translateStatement(jet);
            ADD_FAILURE() << "no error";
        } catch (const platform::CallError& e) {
            EXPECT_EQ(e.number(), 3360);
            EXPECT_EQ(e.description(), "Query is too complex.");
        }
    }
    // Ordinary depth stays fine.
    EXPECT_NO_THROW((void)platform::db::translateStatement("SELECT " + std::string(50, '(') + "1" +
                                                           std::string(50, ')') + " FROM t"));
}

TEST(JetCriteria, TranslatesWhatFindFirstIsGiven) {
    // Against a column its own collation decides; a text literal elsewhere compares as Jet does.
    EXPECT_EQ(platform::db::translateCriteria("id_text = 5"), "(id_text = 5)");
    EXPECT_EQ(
        platform::db::translateCriteria("tab_controls.id_form = 'frm' AND tab_controls.id_control = 'cmd'"),
        "((tab_controls.id_form = 'frm') AND (tab_controls.id_control = 'cmd'))");
    EXPECT_EQ(platform::db::translateCriteria("(Id=12)"), "((Id = 12))");
    EXPECT_EQ(platform::db::translateCriteria("'a' = 'A'"), "('a' COLLATE JETTEXT = 'A' COLLATE JETTEXT)");
}

TEST(JetCriteria, RunsInAWhereClauseWithJetSemantics) {
    sqlitetest::Connection db = sqlitetest::openWithJetExtensions();
    ASSERT_EQ(
        sqlitetest::execNative(db, "CREATE TABLE e(ID_Element TEXT COLLATE JETTEXT, SuchBezeichnung TEXT "
                                   "COLLATE JETTEXT);INSERT INTO e VALUES ('Cr','X5CRNI'),('Ni','1.4301');"),
        "");
    const auto find = [&](const char* criteria) {
        return sqlitetest::run(db,
                               "SELECT ID_Element FROM e WHERE " + platform::db::translateCriteria(criteria))
            .rows;
    };
    EXPECT_EQ(find("ID_Element = 'cr'"), std::vector<std::string>{"Cr"});
    EXPECT_EQ(find("SuchBezeichnung  LIKE 'x5cr*'"), std::vector<std::string>{"Cr"});
    EXPECT_EQ(find("SuchBezeichnung Like '1.4*' Or ID_Element = 'CR'").size(), 2U);
}

TEST(JetCriteria, BadCriteriaFailWithTheExpressionErrors) {
    const struct {
        const char* criteria;
        const char* description;
    } cases[] = {
        {"id = ", "Syntax error (missing operator) in expression."},
        {"name = 'x", "Syntax error in string in expression."},
        {"(id = 1", "Missing ), ], or Item in expression."},
        {"id = 1 name", "Syntax error (missing operator) in expression."},
        {"", "Syntax error (missing operator) in expression."},
    };
    for (const auto& c : cases) {
        try {
            (void)platform::db::translateCriteria(c.criteria);
            ADD_FAILURE() << "no error for " << c.criteria;
        } catch (const platform::CallError& e) {
            EXPECT_EQ(e.number(), 3077) << c.criteria;
            EXPECT_EQ(e.description(), c.description) << c.criteria;
        }
    }
}

} // namespace
