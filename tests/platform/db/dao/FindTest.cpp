#include "DaoTestSupport.h"

using daotest::errorNumber;
using namespace platform::db;
using platform::Variant;

namespace {

class Find : public daotest::DatabaseFixture {
protected:
    void SetUp() override {
        build("CREATE TABLE tab_controls(id_form TEXT COLLATE JETTEXT, id_control TEXT COLLATE JETTEXT, n "
              "INTEGER,"
              " selfdefine TEXT);"
              "INSERT INTO tab_controls VALUES('frmA', 'lbl1', 1, NULL), ('frmB', 'lbl1', 2, 'x'),"
              " ('frmA', 'lbl2', 3, NULL), ('frmB', 'lbl2', 4, NULL), ('frmA', 'lbl3', 5, 'y');"
              "CREATE TABLE tab_width(id_form TEXT, id_control TEXT, width INTEGER);"
              "INSERT INTO tab_width VALUES('frmA', 'lbl1', 100), ('frmB', 'lbl1', 0);");
        m_db = open(true);
    }
    std::shared_ptr<Database> m_db;
};

} // namespace

TEST_F(Find, FirstNextPreviousLastWithNoMatch) {
    for (const RecordsetType type : {RecordsetType::Dynaset, RecordsetType::Snapshot}) {
        const auto rs = m_db->openRecordset("SELECT * FROM tab_controls ORDER BY n", type);
        const std::string criteria = "id_form = 'FRMA'"; // text compares without regard to case
        rs->findFirst(criteria);
        EXPECT_FALSE(rs->noMatch());
        EXPECT_EQ(rs->field("n"), Variant(1));
        rs->findNext(criteria);
        EXPECT_EQ(rs->field("n"), Variant(3));
        rs->findNext(criteria);
        EXPECT_EQ(rs->field("n"), Variant(5));
        rs->findNext(criteria);
        EXPECT_TRUE(rs->noMatch());
        EXPECT_EQ(rs->field("n"), Variant(5)); // a failed find leaves the position alone
        rs->findPrevious(criteria);
        EXPECT_EQ(rs->field("n"), Variant(3));
        rs->findLast("n < 5");
        EXPECT_EQ(rs->field("n"), Variant(4));
        rs->findFirst("n > 10");
        EXPECT_TRUE(rs->noMatch());
        EXPECT_EQ(rs->field("n"), Variant(4));
        rs->findFirst("selfdefine IS NULL AND n >= 3");
        EXPECT_EQ(rs->field("n"), Variant(3));
        EXPECT_FALSE(rs->noMatch());
    }
}

TEST_F(Find, CriteriaNamesFieldsQualifiedOrPlain) {
    const auto rs = m_db->openRecordset("SELECT * FROM tab_controls", RecordsetType::Dynaset);
    rs->findFirst("tab_controls.id_form = 'frmB' AND tab_controls.id_control = 'lbl2'");
    EXPECT_FALSE(rs->noMatch());
    EXPECT_EQ(rs->field("n"), Variant(4));
    rs->findFirst("[id_control] = 'lbl3'");
    EXPECT_EQ(rs->field("n"), Variant(5));

    // Over a join the qualifier picks the table's field among fields of the same name.
    const auto join = m_db->openRecordset(
        "SELECT * FROM tab_controls LEFT JOIN tab_width ON tab_controls.id_form = tab_width.id_form AND "
        "tab_controls.id_control = tab_width.id_control ORDER BY tab_controls.n",
        RecordsetType::Snapshot);
    join->findFirst("tab_width.id_form IS NULL");
    EXPECT_EQ(join->field("n"), Variant(3));
    join->findFirst("tab_controls.id_form = 'frmB' AND width = 0");
    EXPECT_EQ(join->field("n"), Variant(2));
}

TEST_F(Find, BadCriteriaAndUnsupportedKindsFail) {
    const auto rs = m_db->openRecordset("SELECT * FROM tab_controls", RecordsetType::Snapshot);
    EXPECT_EQ(errorNumber([&] { rs->findFirst("nosuch = 1"); }), jet::UnknownFieldInExpression);
    EXPECT_EQ(errorNumber([&] { rs->findFirst("n = = 1"); }), jet::SyntaxErrorInCriteria);
    // A field name of the record set cannot be smuggled in as a statement.
    EXPECT_NE(errorNumber([&] { rs->findFirst("n = 1) ; DELETE FROM tab_controls; SELECT (1"); }), 0);
    const auto forward = m_db->openRecordset("SELECT * FROM tab_controls", RecordsetType::ForwardOnly);
    EXPECT_EQ(errorNumber([&] { forward->findFirst("n = 1"); }), jet::NotSupportedForObject);
}

TEST_F(Find, FindOnAnEmptySetOnlySetsNoMatch) {
    const auto rs = m_db->openRecordset("SELECT * FROM tab_controls WHERE n > 100", RecordsetType::Snapshot);
    rs->findFirst("n = 1");
    EXPECT_TRUE(rs->noMatch());
    EXPECT_TRUE(rs->eof());
    EXPECT_TRUE(rs->bof());
}

TEST_F(Find, StatementsAndCriteriaAreJetSql) {
    const auto rs = m_db->openRecordset(
        "SELECT DISTINCTROW [n], [id_form] & '/' & [id_control] AS [key] FROM tab_controls ORDER BY [n];",
        RecordsetType::Snapshot);
    rs->findFirst("[key] Like \"FRMB/*\" And n > 2");
    EXPECT_FALSE(rs->noMatch());
    EXPECT_EQ(rs->field("key"), Variant("frmB/lbl2"));
    rs->findFirst("key Like 'frm?/lbl#' And Not n In (1, 2)");
    EXPECT_EQ(rs->field("n"), Variant(3));
    const auto top =
        m_db->openRecordset("SELECT TOP 1 n FROM tab_controls WHERE selfdefine Is Not Null ORDER BY n DESC",
                            RecordsetType::ForwardOnly);
    EXPECT_EQ(top->field(0), Variant(5));
    top->moveNext();
    EXPECT_TRUE(top->eof());
    // A failure of a Jet function keeps its number.
    EXPECT_EQ(errorNumber([&] {
                  const auto bad = m_db->openRecordset("SELECT Mid(id_form, 0, 1) AS m FROM tab_controls",
                                                       RecordsetType::Snapshot);
                  static_cast<void>(bad->field(0));
              }),
              platform::err::InvalidProcedureCall);
}

// A field named like a literal or a type the translated criteria holds (the blob of a leading
// wildcard's index read, the type of a division's cast) is found as any other.
TEST(FindFieldNames, FieldsNamedAfterLiteralsAndTypes) {
    struct Case {
        const char* statement;
        const char* criteria;
        std::int64_t id;
    };
    const Case cases[] = {
        {"SELECT id, name, x FROM t", "name Like '*ab*'", 2},
        {"SELECT id, name, X AS [X] FROM t ORDER BY id", "name Like '*ab*' And x = 'q'", 2},
        {"SELECT id, name, x AS [real] FROM t", "id / 2 > 0.9 And [real] = 'r'", 3},
    };
    daotest::TempFolder dir;
    const std::string path = dir.file("names.mdb");
    test_support::buildScratchDatabase(
        path, {"CREATE TABLE t(id INTEGER PRIMARY KEY, name TEXT COLLATE JETTEXT, x TEXT COLLATE JETTEXT);"
               "INSERT INTO t VALUES (1, 'zz', 'p'), (2, 'xaby', 'q'), (3, 'c', 'r');"});
    DBEngine engine;
    const auto db = engine.createWorkspace("Test", "Admin", "")->openDatabase(path, false, true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.criteria);
        const auto rs = db->openRecordset(c.statement, RecordsetType::Snapshot);
        rs->findFirst(c.criteria);
        ASSERT_FALSE(rs->noMatch());
        EXPECT_EQ(rs->field("id"), Variant(c.id));
    }
}

namespace {

class FindEquality : public daotest::DatabaseFixture {
protected:
    void SetUp() override {
        build("CREATE TABLE t(id INTEGER PRIMARY KEY, n, x TEXT COLLATE JETTEXT, k TEXT);"
              "INSERT INTO t VALUES(1, 5, 'Öl', 'a'), (2, 5.0, 'öl', 'b'), (3, 6, 'Ol', 'a'), (4, NULL, "
              "'oel', 'a'),"
              " (5, '5', '5', 'b'), (6, 5.5, NULL, 'a'), (7, -3, 'O''l', 'a'), (8, 5, 'ÖL', 'a');");
        m_db = open(true);
    }
    // The ids FindFirst/FindNext visit, and FindLast/FindPrevious backwards.
    std::pair<std::vector<int>, std::vector<int>> visit(const std::string& criteria) {
        const auto rs = m_db->openRecordset("SELECT * FROM t ORDER BY id", RecordsetType::Snapshot);
        std::pair<std::vector<int>, std::vector<int>> ids;
        for (rs->findFirst(criteria); !rs->noMatch(); rs->findNext(criteria)) {
            ids.first.push_back(static_cast<int>(rs->field("id").asInteger()));
        }
        for (rs->findLast(criteria); !rs->noMatch(); rs->findPrevious(criteria)) {
            ids.second.push_back(static_cast<int>(rs->field("id").asInteger()));
        }
        return ids;
    }
    std::shared_ptr<Database> m_db;
};

} // namespace

TEST_F(FindEquality, IndexedEqualityFindsWhatTheExpressionFinds) {
    struct Case {
        const char* criteria;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"n = 5", {1, 2, 8}},
        {"(n=5.0)", {1, 2, 8}},
        {"n = 5.5", {6}},
        {"[n] = -3", {7}},
        {"x = 'öl'", {1, 2, 8}}, // case ignored, accents kept
        {"x = \"OL\"", {3}},
        {"x = 'O''l'", {7}},
        {"x = '5'", {5}},
        {"n = '5'", {5}},
        {"x = 5", {}},
        {"t.x = 'öl' AND k = 'A'", {1, 8}},
        {"(k = 'a') And (n = 5)", {1, 8}},
        {"5 = n", {1, 2, 8}},
        {"n = 7", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.criteria);
        const auto fast = visit(c.criteria);
        // The same criteria in a form that is evaluated row by row.
        const auto slow = visit(std::string("(") + c.criteria + ") And 1 = 1");
        EXPECT_EQ(fast.first, c.expected);
        EXPECT_EQ(fast.first, slow.first);
        EXPECT_EQ(fast.second, std::vector<int>(c.expected.rbegin(), c.expected.rend()));
        EXPECT_EQ(fast.second, slow.second);
    }
}

TEST_F(FindEquality, IndexFollowsEditsAndDeletes) {
    m_db->close();
    m_db = open(false);
    const auto rs = m_db->openRecordset("SELECT * FROM t ORDER BY id", RecordsetType::Dynaset);
    rs->findFirst("k = 'b'");
    EXPECT_EQ(rs->field("id"), Variant(2));
    rs->edit();
    rs->setField("k", Variant("c"));
    rs->update();
    rs->findFirst("k = 'b'");
    EXPECT_EQ(rs->field("id"), Variant(5));
    rs->deleteCurrent();
    rs->findFirst("k = 'b'");
    EXPECT_TRUE(rs->noMatch());
    rs->addNew();
    rs->setField("id", Variant(9));
    rs->setField("k", Variant("B"));
    rs->update();
    rs->findFirst("k = 'b'");
    EXPECT_FALSE(rs->noMatch());
    EXPECT_EQ(rs->field("id"), Variant(9));
    rs->findFirst("k = 'c'");
    EXPECT_EQ(rs->field("id"), Variant(2));
}

namespace {

// More rows than a snapshot reads before it counts them, so that a find of a Like can answer from the
// rows' keys: designations of every kind, in an order other than their keys', with numbers among them.
class FindLike : public daotest::DatabaseFixture {
protected:
    void SetUp() override {
        build("CREATE TABLE d(id INTEGER PRIMARY KEY, sort INTEGER, search TEXT COLLATE JETTEXT, other TEXT);"
              "CREATE INDEX d_search ON d(search);"
              "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 12000) "
              "INSERT INTO d SELECT i, (i * 7919) % 12007, printf('X%05dCr', i), 'o' || i FROM n;"
              "INSERT INTO d VALUES (20001, 5, 'Öl-1', 'a'), (20002, 6000, 'öl-2', 'b'), (20003, 11000, "
              "'OL-3', 'c'),"
              " (20004, 7000, 1.4301, 'd'), (20005, 7001, '1.4301', 'e'), (20006, 12006, 'A[1]', 'f'),"
              " (20007, 8000, 'O''Brien', 'g'), (20008, 3, 'x00042cr', 'h'), (20009, 6030, '4ıS', 'i'),"
              " (20010, 8165, '4ıſ-2', 'j'), (20011, 9001, 'KSß', 'k'), (20012, 9002, 'kſß', 'l');");
        m_db = open(true);
    }
    // The rows FindFirst and FindNext visit, by their sort values, once the snapshot is counted.
    std::vector<std::int64_t> visit(const std::string& statement, const std::string& criteria) {
        const auto rs = m_db->openRecordset(statement, RecordsetType::Snapshot);
        rs->moveLast();
        rs->moveFirst();
        std::vector<std::int64_t> ids;
        for (rs->findFirst(criteria); !rs->noMatch(); rs->findNext(criteria)) {
            ids.push_back(rs->field("sort").asInteger());
        }
        return ids;
    }
    std::shared_ptr<Database> m_db;
};

} // namespace

// Found through the rows' keys (the statement gives the table's key) or row by row (it does not): the
// same rows in the same order, as Jet's Like decides.
TEST_F(FindLike, FindsTheSameRowsWithOrWithoutTheKeys) {
    struct Case {
        const char* criteria;
        std::size_t hits;
    };
    const Case cases[] = {
        {"search LIKE 'X0004*'", 11},       {"search  LIKE 'x00042*'", 2}, {"(search LIKE 'öl*')", 2},
        {"search Like 'OL*'", 1},           {"search LIKE '1.43*'", 2},    {"search LIKE '1.4#01*'", 2},
        {"search LIKE 'A[[]*'", 1},         {"search LIKE 'O''B*'", 1},    {"search LIKE 'ZZ*'", 0},
        {"search LIKE 'X1199[0-9]Cr'", 10}, {"search LIKE '*Cr'", 12001},  {"search LIKE 'X0000?Cr*'", 9},
        {"search LIKE 'Kſß*'", 2},          {"search LIKE '4ıſ*'", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.criteria);
        const auto keyed = visit("SELECT id, sort, search, other FROM d ORDER BY sort, id", c.criteria);
        const auto unkeyed = visit("SELECT sort, search, other FROM d ORDER BY sort, id", c.criteria);
        EXPECT_EQ(keyed.size(), c.hits);
        EXPECT_EQ(keyed, unkeyed);
    }
}
