// The build step: scripts run in order, a bad statement is reported with its file and line, and a
// failed build never leaves a half-built file in place of the previous one.

#include "datatools/DatabaseBuilder.h"
#include "datatools/SqlScript.h"
#include "datatools/SqliteConnection.h"
#include "test_support/Files.h"
#include "test_support/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace datachecks {
namespace {

using test_support::TempFolder;

std::string buildError(const datatools::DatabaseBuilder& builder) {
    try {
        builder.build();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "";
}

class BuildTool : public ::testing::Test {
protected:
    [[nodiscard]] std::filesystem::path file(const std::string& name) const { return m_dir.path() / name; }

    TempFolder m_dir;
};

TEST_F(BuildTool, BadStatementIsReportedWithFileAndLine) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"CREATE TABLE a (x INTEGER);\n\n-- a comment; with a semicolon\nINSERT INTO a (x)\n VALUES (1);\n"
         "/* a block\n comment */ INSERT INTO b VALUES (2);\n",
         "bad.sql:7: no such table: b"},
        {"CREATE TABLE a (x INTEGER CHECK (x IN (-1, 0)));\nINSERT INTO a VALUES (-1);\nINSERT INTO a VALUES "
         "(1);\n",
         "bad.sql:3: CHECK constraint failed"},
        {"CREATE TABLE a (x INTEGER);\nINSERT INTO a VALUES (1)\nINSERT INTO a VALUES (2);\n",
         "bad.sql:2: near"},
    };
    for (const Case& c : cases) {
        test_support::writeBytes(file("bad.sql"), c.text);
        datatools::DatabaseBuilder builder(file("out.db"));
        builder.addScript(file("bad.sql"));
        const std::string message = buildError(builder);
        EXPECT_NE(message.find(c.expected), std::string::npos) << message;
    }
    // A text given instead of a file is named as its caller named it.
    datatools::DatabaseBuilder fromText(file("out.db"));
    fromText.addScript("extra rows", cases[0].text);
    const std::string message = buildError(fromText);
    EXPECT_NE(message.find("extra rows:7: no such table: b"), std::string::npos) << message;
}

TEST_F(BuildTool, FailedBuildKeepsThePreviousFileAndLeavesNoTemporaryFile) {
    test_support::writeBytes(file("good.sql"), "CREATE TABLE a (x INTEGER);\nINSERT INTO a VALUES (42);\n");
    test_support::writeBytes(
        file("bad.sql"), "CREATE TABLE a (x INTEGER);\nINSERT INTO a VALUES (7);\nSELECT nonsense FROM a;\n");
    datatools::DatabaseBuilder good(file("out.db"));
    good.addScript(file("good.sql"));
    good.build();

    datatools::DatabaseBuilder bad(file("out.db"));
    bad.addScript(file("bad.sql"));
    EXPECT_NE(buildError(bad), "");

    datatools::SqliteConnection db(file("out.db"), false);
    EXPECT_EQ(db.queryInteger("SELECT x FROM a"), 42);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(m_dir.path())) {
        ++files;
    }
    EXPECT_EQ(files, 3U) << "only good.sql, bad.sql and out.db";
}

TEST_F(BuildTool, RowReferringToNoRowFailsTheBuildNamingTableAndColumn) {
    test_support::writeBytes(
        file("rows.sql"),
        "CREATE TABLE p (id INTEGER PRIMARY KEY);\n"
        "CREATE TABLE c (pid INTEGER REFERENCES p (id));\n"
        "INSERT INTO p VALUES (1);\nINSERT INTO c VALUES (1);\nINSERT INTO c VALUES (5);\n");
    datatools::DatabaseBuilder builder(file("out.db"));
    builder.addScript(file("rows.sql"));
    const std::string message = buildError(builder);
    EXPECT_NE(message.find("c rowid 2: pid -> p"), std::string::npos) << message;
    EXPECT_FALSE(std::filesystem::exists(file("out.db")));
}

TEST_F(BuildTool, ScriptsRunInTheGivenOrderAndMayReadAnAttachedDatabase) {
    test_support::writeBytes(file("source.sql"),
                             "CREATE TABLE a (x INTEGER);\nINSERT INTO a VALUES (3), (4);\n");
    test_support::writeBytes(file("schema.sql"), "CREATE TABLE b (x INTEGER);\n");
    test_support::writeBytes(file("derive.sql"), "INSERT INTO b SELECT x * 10 FROM src.a;\n");
    datatools::DatabaseBuilder source(file("source.db"));
    source.addScript(file("source.sql"));
    source.build();
    datatools::DatabaseBuilder derived(file("derived.db"));
    derived.attach(file("source.db"), "src");
    derived.addScript(file("schema.sql"));
    derived.addScript("a row", "INSERT INTO b VALUES (1);");
    derived.addScript(file("derive.sql"));
    derived.build();

    datatools::SqliteConnection db(file("derived.db"), false);
    EXPECT_EQ(db.queryInteger("SELECT SUM(x) FROM b"), 71);
}

TEST_F(BuildTool, MissingScriptOrAttachedDatabaseIsNamed) {
    datatools::DatabaseBuilder noScript(file("out.db"));
    noScript.addScript(file("absent.sql"));
    EXPECT_NE(buildError(noScript).find("absent.sql: cannot read the file"), std::string::npos);

    datatools::DatabaseBuilder noSource(file("out.db"));
    noSource.attach(file("absent.db"), "src");
    EXPECT_NE(buildError(noSource).find("absent.db: the database to read from does not exist"),
              std::string::npos);
}

TEST_F(BuildTool, DatabaseWithoutScriptsIsStillAnSqliteFile) {
    datatools::DatabaseBuilder builder(file("Language.mdb"));
    builder.build();
    std::ifstream in(file("Language.mdb"), std::ios::binary);
    std::string header(16, '\0');
    in.read(header.data(), static_cast<std::streamsize>(header.size()));
    EXPECT_EQ(header, std::string("SQLite format 3\0", 16));
}

TEST_F(BuildTool, JetTextColumnsCanBeIndexedAndCompareWithoutCase) {
    test_support::writeBytes(file("text.sql"),
                             "CREATE TABLE t (s TEXT COLLATE JETTEXT);\nCREATE INDEX i ON t (s);\n"
                             "INSERT INTO t VALUES ('x5crni18-10');\n");
    datatools::DatabaseBuilder builder(file("out.db"));
    builder.addScript(file("text.sql"));
    builder.build();
    datatools::SqliteConnection db(file("out.db"), false);
    EXPECT_EQ(db.queryInteger("SELECT COUNT(*) FROM t WHERE s = 'X5CrNi18-10'"), 1);
}

TEST(SqlScript, IndexStatementsAreRecognisedWhateverTheirSpelling) {
    EXPECT_TRUE(datatools::SqlScript::isCreateIndex("CREATE INDEX i ON t (x)"));
    EXPECT_TRUE(datatools::SqlScript::isCreateIndex("create   unique\n index i ON t (x)"));
    EXPECT_FALSE(datatools::SqlScript::isCreateIndex("CREATE TABLE indexes (x)"));
    EXPECT_FALSE(datatools::SqlScript::isCreateIndex("CREATE VIEW index_view AS SELECT 1"));
}

} // namespace
} // namespace datachecks
