// A Like whose pattern starts with literal characters searches the column's index and still gives
// exactly the rows of the matcher alone, over mixed case, umlauts, accents and numbers.

#include "SqliteTestSupport.h"
#include "platform/CallError.h"
#include "sql/JetLikeMatcher.h"
#include "sql/JetSql.h"
#include "sql/JetStatementCache.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class JetLikeIndex : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(
            sqlitetest::execNative(db, "CREATE TABLE d(id INTEGER PRIMARY KEY, SuchBezeichnung TEXT COLLATE "
                                       "JETTEXT, num NUMERIC);"
                                       "CREATE INDEX idx_such ON d(SuchBezeichnung);"
                                       "CREATE INDEX idx_num ON d(num);"),
            "");
        // Every combination of a few tricky first characters with a few tails: case pairs, umlauts
        // and their bases, accents, digits, signs, the points of material numbers.
        const std::vector<std::string> heads = {"a", "A", "ä",  "Ä", "o",  "O", "ö", "Ö", "oe", "e", "é", "É",
                                                "s", "ß", "ss", "1", "1.", "-", "x", "X", "z",  "Z", ""};
        const std::vector<std::string> tails = {"", "a", "B", "ä", "1", ".43", "x5crni", "X5CrNi", "ü", " "};
        std::string sql = "INSERT INTO d(SuchBezeichnung, num) VALUES ";
        int n = 0;
        for (const std::string& h : heads) {
            for (const std::string& t : tails) {
                sql +=
                    std::string(n == 0 ? "" : ",") + "('" + h + t + "'," + std::to_string(n % 37 - 5) + ".5)";
                ++n;
            }
        }
        sql += ",(NULL, NULL),(12, 12),(-1.5, -1.5),(1.43, 1.43)";
        ASSERT_EQ(sqlitetest::execNative(db, sql), "");
    }

    std::vector<std::string> matcherAlone(const std::string& column, const std::string& pattern) {
        return sqlitetest::run(db, "SELECT id FROM d WHERE jet_like(" + column + ", '" + pattern +
                                       "') ORDER BY id")
            .rows;
    }

    // Each pattern on the text and the numeric column, translated, against the matcher alone;
    // counts the rows found.
    void expectRowsOfTheMatcherAlone(const std::vector<std::string>& patterns, int& checked) {
        for (const std::string& p : patterns) {
            for (const std::string column : {"SuchBezeichnung", "num"}) {
                const std::string sql = platform::db::translateStatement("SELECT id FROM d WHERE " + column +
                                                                         " Like '" + p + "' ORDER BY id");
                const sqlitetest::RunResult translated = sqlitetest::run(db, sql);
                ASSERT_EQ(translated.errorNumber, 0) << sql << ": " << translated.errorText;
                EXPECT_EQ(translated.rows, matcherAlone(column, p)) << sql;
                checked += static_cast<int>(translated.rows.size());
            }
        }
    }

    sqlitetest::Connection db = sqlitetest::openWithJetExtensions();
};

TEST_F(JetLikeIndex, PrefixPatternSearchesTheIndex) {
    const std::string sql =
        platform::db::translateStatement("SELECT id FROM d WHERE SuchBezeichnung Like 'X5cr*'");
    const std::vector<std::string> plan = sqlitetest::queryPlan(db, sql);
    bool searchesIndex = false;
    for (const std::string& line : plan) {
        searchesIndex = searchesIndex || line.find("SEARCH d USING INDEX idx_such") != std::string::npos ||
                        line.find("SEARCH d USING COVERING INDEX idx_such") != std::string::npos;
    }
    EXPECT_TRUE(searchesIndex) << sql << "\n" << testing::PrintToString(plan);
}

// The designation search with country and steel-group filters on an analysed database: each
// filter keeps a quarter of the rows, the prefix a handful, and the index of the prefix must win
// also where numbers of a numeric column could match.
TEST(JetLikeIndexBesideFilters, PrefixPatternSearchesTheIndexBesideEqualitiesOnOtherIndexes) {
    sqlitetest::Connection db = sqlitetest::openWithJetExtensions();
    ASSERT_EQ(sqlitetest::execNative(
                  db, "CREATE TABLE f(id INTEGER PRIMARY KEY, such TEXT COLLATE JETTEXT, land INTEGER, "
                      "gruppe INTEGER);"
                      "CREATE INDEX idx_such ON f(such); CREATE INDEX idx_land ON f(land);"
                      "CREATE INDEX idx_gruppe ON f(gruppe);"
                      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 4000) "
                      "INSERT INTO f SELECT i, (i % 9) || '.' || i, i % 4, i % 3 FROM n;"
                      "ANALYZE;"),
              "");
    for (const char* pattern : {"1.40*", "X5cr*", "-1*"}) {
        const std::string sql = platform::db::translateStatement(
            std::string("SELECT id FROM f WHERE (gruppe = 1) AND (land = 2) AND (such Like '") + pattern +
            "')");
        const std::vector<std::string> plan = sqlitetest::queryPlan(db, sql);
        bool searched = false;
        for (const std::string& line : plan) {
            if (line.find("SEARCH f") == 0 || line.find("SCAN f") == 0) {
                searched = true;
                EXPECT_NE(line.find("INDEX idx_such"), std::string::npos) << sql << "\n"
                                                                          << testing::PrintToString(plan);
            }
        }
        EXPECT_TRUE(searched) << sql << "\n" << testing::PrintToString(plan);
    }
}

TEST_F(JetLikeIndex, ComparisonWithATextLiteralKeepsTheIndexOfAnyColumn) {
    for (const char* jet : {"SELECT id FROM d WHERE num = '12'", "SELECT id FROM d WHERE (((d.num) = '12'))",
                            "SELECT id FROM d WHERE SuchBezeichnung = 'x5crni'"}) {
        const std::string sql = platform::db::translateStatement(jet);
        const std::vector<std::string> plan = sqlitetest::queryPlan(db, sql);
        ASSERT_FALSE(plan.empty());
        EXPECT_EQ(plan.front().find("SEARCH d USING"), 0U) << sql << "\n" << testing::PrintToString(plan);
    }
    EXPECT_EQ(
        sqlitetest::run(db, platform::db::translateStatement("SELECT num FROM d WHERE num = '12'")).rows,
        std::vector<std::string>{"12"});
}

TEST_F(JetLikeIndex, PatternWithoutLiteralPrefixTakesNoRangeOfItsColumn) {
    for (const char* jet : {"SELECT id FROM d WHERE SuchBezeichnung Like '*x5'",
                            "SELECT id FROM d WHERE SuchBezeichnung Like SuchBezeichnung",
                            "SELECT id FROM d WHERE SuchBezeichnung Not Like 'x*'"}) {
        const std::string sql = platform::db::translateStatement(jet);
        EXPECT_EQ(sql.find(">="), std::string::npos) << sql;
    }
}

TEST_F(JetLikeIndex, PrefixRangeGivesTheRowsOfTheMatcherAlone) {
    const std::vector<std::string> patterns = {
        "a*",  "A*",   "ä*",  "Ä*",  "o*",   "ö*",       "Ö?*", "oe*",     "e*",  "é*",     "É*",  "s*",
        "ß*",  "ss*",  "1*",  "1.*", "1.4*", "1.43",     "-*",  "-1*",     "x5*", "X5CRNI", "x*",  "z*",
        "Za*", "a[b]", "ab*", "äB",  "zü",   "x5crni*1", "o#*", "ö[a-z]*", "a ",  "12*",    "1?4*"};
    int checked = 0;
    expectRowsOfTheMatcherAlone(patterns, checked);
    EXPECT_GT(checked, 200); // the patterns do find rows
}

TEST_F(JetLikeIndex, PatternWithoutPrefixGivesTheRowsOfTheMatcherAlone) {
    // Texts that sort before any number's text, numbers of a numeric column, blanks, one character.
    ASSERT_EQ(sqlitetest::execNative(db, "INSERT INTO d(SuchBezeichnung, num) VALUES (' ', -7), ('_a', 0.5), "
                                         "('', NULL), (' x5', 'x5'), ('-Inf', '1.5e3')"),
              "");
    const std::vector<std::string> patterns = {"*x5*", "*1",     "*.43", "?a*",  "#*",  "[a-z]*", "*ä",
                                               "*-*",  "*[!a]1", "*5*",  "?",    "* *", "*_*",    "*a",
                                               "#",    "*.5",    "*e*",  "?x5*", "*3",  "*[ß]*",  "*SS*"};
    int checked = 0;
    expectRowsOfTheMatcherAlone(patterns, checked);
    EXPECT_GT(checked, 200); // the patterns do find rows
}

// Characters whose caseless forms collate apart or widen: the long s sorts after s, the Kelvin sign
// folds to k, the sharp s and its capital, dotted and dotless i, a ligature, the micro sign and mu, the
// Greek subscript iota that folds to iota, Cyrillic i that a combining breve contracts with into a
// letter of its own, an umlaut with a mark below after it, a Thai vowel written before its consonant.
const std::vector<std::string> trickyCharacters = {
    "K",      "k",      "\u212A", "s",      "S",      "\u017F", "\u00DF", "\u1E9E", "\u0131",
    "I",      "i",      "\u0130", "\uFB00", "f",      "F",      "\u00B5", "\u03BC", "\u0345",
    "\u03B9", "\u0438", "\u0306", "\u00E4", "\u0323", "\u0E40", "\u0E01", "4",      "-"};

// Every text of up to three tricky characters against every pattern of one or two followed by a star,
// and one or two alone: the translated Like, which searches the index by the prefix's range, finds
// exactly the rows of the matcher alone.
TEST(JetLikeIndexTricky, RangeFindsTheRowsOfTheMatcherOverCaseFoldingThatWidens) {
    sqlitetest::Connection db = sqlitetest::openWithJetExtensions();
    ASSERT_EQ(sqlitetest::execNative(db, "CREATE TABLE x(id INTEGER PRIMARY KEY, t TEXT COLLATE JETTEXT);"
                                         "CREATE INDEX x_t ON x(t);"),
              "");
    std::vector<std::string> texts;
    std::vector<std::string> pairs;
    for (const std::string& a : trickyCharacters) {
        texts.push_back(a);
        for (const std::string& b : trickyCharacters) {
            pairs.push_back(a + b);
            texts.push_back(a + b);
            for (const std::string& c : trickyCharacters) {
                texts.push_back(a + b + c);
            }
        }
    }
    std::string insert = "INSERT INTO x(id, t) VALUES ";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        insert += (i == 0 ? "(" : ",(") + std::to_string(i) + ",'" + texts[i] + "')";
    }
    ASSERT_EQ(sqlitetest::execNative(db, insert), "");
    std::vector<std::string> patterns = {"K\u017F\u00DF*", "4\u0131\u017F*", "KS\u00DF*", "\u0438*"};
    for (const std::string& a : trickyCharacters) {
        patterns.insert(patterns.end(), {a, a + "*"});
    }
    for (const std::string& ab : pairs) {
        patterns.insert(patterns.end(), {ab, ab + "*"});
    }
    std::size_t found = 0;
    for (const std::string& p : patterns) {
        const auto compiled = platform::db::sql::JetLikePattern::compile(p);
        ASSERT_NE(compiled, nullptr) << p;
        std::vector<std::string> expected;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (compiled->matches(texts[i], nullptr)) {
                expected.push_back(std::to_string(i));
            }
        }
        const std::string sql =
            platform::db::translateStatement("SELECT id FROM x WHERE t Like '" + p + "' ORDER BY id");
        const sqlitetest::RunResult translated = sqlitetest::run(db, sql);
        ASSERT_EQ(translated.errorNumber, 0) << sql << ": " << translated.errorText;
        EXPECT_EQ(translated.rows, expected) << sql;
        found += expected.size();
    }
    EXPECT_GT(found, patterns.size()); // the patterns do find rows
}

// The designation search without a literal prefix on an analysed database: the list's order has an
// index of its own, the search column one that holds every column of the list.
TEST(JetLikeIndexBesideFilters, PatternWithoutPrefixReadsTheSearchIndexUnlessAFilterHasOne) {
    sqlitetest::Connection db = sqlitetest::openWithJetExtensions();
    ASSERT_EQ(sqlitetest::execNative(
                  db, "CREATE TABLE f(id INTEGER PRIMARY KEY, such TEXT COLLATE JETTEXT, land INTEGER, "
                      "gruppe INTEGER, sort INTEGER, shown INTEGER);"
                      "CREATE INDEX idx_such ON f(such, land, gruppe, sort, shown);"
                      "CREATE INDEX idx_sort ON f(sort, shown); CREATE INDEX idx_land ON f(land);"
                      "CREATE INDEX idx_gruppe ON f(gruppe);"
                      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 24000) "
                      "INSERT INTO f SELECT i, 'X' || (i % 97) || 'Cr' || i, i % 12, i % 10, 24000 - i, 0 "
                      "FROM n;"
                      "ANALYZE;"),
              "");
    // A pattern with fewer than two characters that stand for themselves may keep half the rows:
    // their sort would cost more than the walk in order.
    const struct {
        const char* filter;
        const char* pattern;
        const char* index;
    } cases[] = {{"", "*cr12*", "idx_such"},
                 {"(land = 2) AND ", "*cr12*", "idx_land"},
                 {"(gruppe = 1) AND ", "?r*1#", "idx_gruppe"},
                 {"", "*[0-9]-*", "idx_sort"},
                 {"", "#*", "idx_sort"}};
    for (const auto& c : cases) {
        const std::string sql =
            platform::db::translateStatement(std::string("SELECT id, such, sort FROM f WHERE ") + c.filter +
                                             "(shown = 0) AND (such Like '" + c.pattern + "') ORDER BY sort");
        const std::vector<std::string> plan = sqlitetest::queryPlan(db, sql);
        ASSERT_FALSE(plan.empty());
        EXPECT_NE(plan.front().find(std::string("INDEX ") + c.index), std::string::npos)
            << sql << "\n"
            << testing::PrintToString(plan);
    }
}

TEST(JetStatementCache, AnswersARepeatedStatementWithoutParsingAgain) {
    platform::db::JetStatementCache cache(2);
    const std::string a = "SELECT [x] FROM t WHERE s & 'a' = 'b'";
    EXPECT_EQ(cache.statement(a), platform::db::translateStatement(a));
    EXPECT_EQ(cache.hits(), 0U);
    EXPECT_EQ(cache.statement(a), platform::db::translateStatement(a));
    EXPECT_EQ(cache.hits(), 1U);
    // The same text as a criteria is another translation.
    EXPECT_EQ(cache.criteria("x = 1"), platform::db::translateCriteria("x = 1"));
    EXPECT_EQ(cache.hits(), 1U);
}

TEST(JetStatementCache, StaysBoundedAndForgetsTheLeastRecentlyUsed) {
    platform::db::JetStatementCache cache(2);
    (void)cache.statement("SELECT 1 FROM a");
    (void)cache.statement("SELECT 1 FROM b");
    (void)cache.statement("SELECT 1 FROM a"); // a is now the most recent
    (void)cache.statement("SELECT 1 FROM c"); // b goes
    EXPECT_EQ(cache.size(), 2U);
    const std::size_t hits = cache.hits();
    (void)cache.statement("SELECT 1 FROM a");
    EXPECT_EQ(cache.hits(), hits + 1);
    (void)cache.statement("SELECT 1 FROM b");
    EXPECT_EQ(cache.hits(), hits + 1);
    EXPECT_EQ(cache.size(), 2U);
}

TEST(JetStatementCache, RaisesTheSyntaxErrorEveryTime) {
    platform::db::JetStatementCache cache;
    for (int i = 0; i < 2; ++i) {
        try {
            (void)cache.statement("SELECT a FROM t WHERE a = = 1");
            ADD_FAILURE() << "no error";
        } catch (const platform::CallError& e) {
            EXPECT_EQ(e.number(), 3075);
        }
    }
    EXPECT_EQ(cache.size(), 0U);
}

} // namespace
