#include "platform/db/sqlite/Connection.h"
#include "platform/db/sqlite/Statement.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using platform::db::sqlite::Connection;
using platform::db::sqlite::Extensions;
using platform::db::sqlite::OpenMode;
using platform::db::sqlite::Statement;

std::vector<std::string> column(Connection& db, const char* sql) {
    std::vector<std::string> out;
    Statement stmt(db, sql);
    while (stmt.step()) {
        out.push_back(stmt.columnText(0));
    }
    return out;
}

} // namespace

TEST(JetCollation, IgnoresCaseKeepsAccentsAndSortsUmlautsWithTheirBase) {
    Connection db(":memory:", OpenMode::Create, Extensions::Jet);
    ASSERT_NO_THROW(db.exec("CREATE TABLE t(n TEXT COLLATE JETTEXT);"
                            "INSERT INTO t VALUES('zinc'),('Öl'),('oel'),('Ol'),('apfel'),('Äpfel');"));
    EXPECT_EQ(column(db, "SELECT n FROM t WHERE n = 'ZINC'"), std::vector<std::string>{"zinc"});
    EXPECT_EQ(column(db, "SELECT n FROM t WHERE n = 'ol'"), std::vector<std::string>{"Ol"});
    EXPECT_EQ(column(db, "SELECT n FROM t ORDER BY n"),
              (std::vector<std::string>{"apfel", "Äpfel", "oel", "Ol", "Öl", "zinc"}));
}

TEST(JetExtensions, GiveNativeLikeJetsWildcards) {
    Connection db(":memory:", OpenMode::Create, Extensions::Jet);
    // `value LIKE pattern` and jet_like(value, pattern) agree; % and _ are plain characters.
    EXPECT_EQ(column(db, "SELECT ('ABC' LIKE 'a*') || ('a%' LIKE 'A%') || ('ab' LIKE 'a%') || "
                         "('x1' LIKE '[w-y]#') || jet_like('ABC', 'a?c') || ('sqlite_x' LIKE 'sqlite%')"),
              std::vector<std::string>{"110110"});
}
