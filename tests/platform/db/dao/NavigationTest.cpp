#include "DaoTestSupport.h"

#include <vector>

using daotest::errorNumber;
using namespace platform::db;
using platform::Variant;

namespace {

struct NavigationCase {
    RecordsetType type;
    int rows;
};

std::string caseName(const ::testing::TestParamInfo<NavigationCase>& info) {
    const char* type = info.param.type == RecordsetType::Table      ? "Table"
                       : info.param.type == RecordsetType::Dynaset  ? "Dynaset"
                       : info.param.type == RecordsetType::Snapshot ? "Snapshot"
                                                                    : "ForwardOnly";
    return std::string(type) + std::to_string(info.param.rows) + "Rows";
}

class Navigation : public daotest::DatabaseFixture, public ::testing::WithParamInterface<NavigationCase> {
protected:
    std::shared_ptr<Recordset> openSet() {
        std::string sql = "CREATE TABLE t(id INTEGER PRIMARY KEY, name TEXT);";
        for (int i = 1; i <= GetParam().rows; ++i) {
            sql += "INSERT INTO t VALUES(" + std::to_string(i) + ", 'row" + std::to_string(i) + "');";
        }
        build(sql);
        m_db = open(true);
        const RecordsetType type = GetParam().type;
        return m_db->openRecordset(type == RecordsetType::Table ? "t" : "SELECT id, name FROM t ORDER BY id",
                                   type);
    }
    static std::int64_t id(const Recordset& rs) { return rs.field("id").asInteger(); }

    std::shared_ptr<Database> m_db;
};

} // namespace

TEST_P(Navigation, BehavesAsDao) {
    const auto [type, rows] = GetParam();
    const auto rs = openSet();
    const bool table = type == RecordsetType::Table;
    const bool scrollable = type != RecordsetType::ForwardOnly;

    // A new record set sits on its first row; an empty one is at BOF and EOF both.
    EXPECT_EQ(rs->bof(), rows == 0);
    EXPECT_EQ(rs->eof(), rows == 0);
    EXPECT_EQ(rs->recordCount(), table ? rows : std::min(rows, 1));
    if (rows == 0) {
        EXPECT_EQ(errorNumber([&] { static_cast<void>(rs->field(0)); }), jet::NoCurrentRecord);
        EXPECT_EQ(errorNumber([&] { rs->moveNext(); }), jet::NoCurrentRecord);
        EXPECT_EQ(errorNumber([&] { rs->moveFirst(); }), jet::NoCurrentRecord);
        if (scrollable) {
            EXPECT_EQ(errorNumber([&] { rs->moveLast(); }), jet::NoCurrentRecord);
            EXPECT_EQ(errorNumber([&] { rs->movePrevious(); }), jet::NoCurrentRecord);
            EXPECT_EQ(rs->absolutePosition(), -1);
        }
        return;
    }

    std::vector<std::int64_t> forward;
    while (!rs->eof()) {
        forward.push_back(id(*rs));
        if (scrollable) {
            EXPECT_EQ(rs->absolutePosition(), static_cast<int>(forward.size()) - 1);
        }
        rs->moveNext();
    }
    std::vector<std::int64_t> expected;
    for (int i = 1; i <= rows; ++i) {
        expected.push_back(i);
    }
    EXPECT_EQ(forward, expected);
    EXPECT_FALSE(rs->bof());
    EXPECT_EQ(rs->recordCount(), rows); // every row was visited
    EXPECT_EQ(errorNumber([&] { rs->moveNext(); }), jet::NoCurrentRecord);
    EXPECT_EQ(errorNumber([&] { static_cast<void>(rs->field("id")); }), jet::NoCurrentRecord);

    if (!scrollable) {
        EXPECT_EQ(errorNumber([&] { rs->movePrevious(); }), jet::NotSupportedForObject);
        EXPECT_EQ(errorNumber([&] { rs->moveFirst(); }), jet::NotSupportedForObject);
        EXPECT_EQ(errorNumber([&] { rs->moveLast(); }), jet::NotSupportedForObject);
        EXPECT_EQ(errorNumber([&] { static_cast<void>(rs->absolutePosition()); }),
                  jet::NotSupportedForObject);
        return;
    }

    rs->movePrevious(); // from EOF to the last row
    EXPECT_EQ(id(*rs), rows);
    std::vector<std::int64_t> backward;
    while (!rs->bof()) {
        backward.push_back(id(*rs));
        rs->movePrevious();
    }
    EXPECT_EQ(backward, std::vector<std::int64_t>(expected.rbegin(), expected.rend()));
    EXPECT_FALSE(rs->eof());
    EXPECT_EQ(rs->absolutePosition(), -1);
    EXPECT_EQ(errorNumber([&] { rs->movePrevious(); }), jet::NoCurrentRecord);
    rs->moveNext(); // from BOF to the first row
    EXPECT_EQ(id(*rs), 1);

    rs->moveLast();
    EXPECT_EQ(id(*rs), rows);
    EXPECT_EQ(rs->absolutePosition(), rows - 1);
    rs->moveFirst();
    EXPECT_EQ(id(*rs), 1);
    EXPECT_EQ(rs->absolutePosition(), 0);

    rs->setAbsolutePosition(rows - 1);
    EXPECT_EQ(id(*rs), rows);
    EXPECT_EQ(errorNumber([&] { rs->setAbsolutePosition(rows); }), jet::InvalidArgument);
    EXPECT_EQ(errorNumber([&] { rs->setAbsolutePosition(-1); }), jet::InvalidArgument);
    EXPECT_EQ(id(*rs), rows);
}

INSTANTIATE_TEST_SUITE_P(
    AllKinds, Navigation,
    ::testing::Values(NavigationCase{RecordsetType::Table, 0}, NavigationCase{RecordsetType::Table, 1},
                      NavigationCase{RecordsetType::Table, 5}, NavigationCase{RecordsetType::Dynaset, 0},
                      NavigationCase{RecordsetType::Dynaset, 1}, NavigationCase{RecordsetType::Dynaset, 5},
                      NavigationCase{RecordsetType::Snapshot, 0}, NavigationCase{RecordsetType::Snapshot, 1},
                      NavigationCase{RecordsetType::Snapshot, 5},
                      NavigationCase{RecordsetType::ForwardOnly, 0},
                      NavigationCase{RecordsetType::ForwardOnly, 1},
                      NavigationCase{RecordsetType::ForwardOnly, 5}),
    caseName);

class RecordCount : public daotest::DatabaseFixture {};

TEST_F(RecordCount, CountsVisitedRowsUntilMoveLastAsDao) {
    build("CREATE TABLE t(id INTEGER PRIMARY KEY); INSERT INTO t VALUES(1),(2),(3),(4),(5);");
    const auto db = open(true);
    for (const RecordsetType type : {RecordsetType::Dynaset, RecordsetType::Snapshot}) {
        const auto rs = db->openRecordset("SELECT id FROM t ORDER BY id", type);
        EXPECT_EQ(rs->recordCount(), 1);
        rs->moveNext();
        rs->moveNext();
        EXPECT_EQ(rs->recordCount(), 3);
        rs->movePrevious();
        EXPECT_EQ(rs->recordCount(), 3);
        rs->moveLast();
        EXPECT_EQ(rs->recordCount(), 5);
        rs->moveFirst();
        EXPECT_EQ(rs->recordCount(), 5);
    }
    const auto table = db->openRecordset("t", RecordsetType::Table);
    EXPECT_EQ(table->recordCount(), 5);
}

// A large snapshot counts its rows at MoveLast without reading them all; what the caller sees is the
// same as after reading them: the count, the last row, positions and moves from there.
TEST_F(RecordCount, MoveLastOnALargeSnapshotGivesTheWholeCount) {
    build("CREATE TABLE t(id INTEGER PRIMARY KEY, k INTEGER, name TEXT);"
          "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
          "INSERT INTO t SELECT i, i % 2, 'row' || i FROM n;");
    const auto db = open(true);
    struct Case {
        const char* query;
        std::int32_t count;
        std::int64_t first;
        std::int64_t last;
    };
    for (const Case& c : {Case{"SELECT id, name FROM t ORDER BY id", 20000, 1, 20000},
                          Case{"SELECT id, name FROM t WHERE k = 1 ORDER BY id DESC;", 10000, 19999, 1},
                          Case{"SELECT id, name FROM t WHERE name = 'row7'", 1, 7, 7}}) {
        SCOPED_TRACE(c.query);
        const auto rs = db->openRecordset(c.query, RecordsetType::Snapshot);
        rs->moveLast();
        EXPECT_EQ(rs->recordCount(), c.count);
        EXPECT_EQ(rs->absolutePosition(), c.count - 1);
        EXPECT_EQ(rs->field("id").asInteger(), c.last);
        EXPECT_EQ(rs->field("name"), Variant("row" + std::to_string(c.last)));
        rs->moveNext();
        EXPECT_TRUE(rs->eof());
        EXPECT_EQ(rs->recordCount(), c.count);
        rs->moveFirst();
        EXPECT_EQ(rs->field("id").asInteger(), c.first);
        rs->moveLast();
        rs->movePrevious();
        EXPECT_EQ(rs->absolutePosition(), c.count - 2);
        rs->setAbsolutePosition(c.count - 1);
        EXPECT_EQ(rs->field("id").asInteger(), c.last);
    }
    // Moved to the end without a field read, the position is still the last row's.
    const auto rs = db->openRecordset("SELECT id FROM t ORDER BY id", RecordsetType::Snapshot);
    rs->moveLast();
    rs->movePrevious();
    EXPECT_EQ(rs->field("id").asInteger(), 19999);
}

// Positions far beyond the rows read so far, after MoveLast counted them: the record set lands on the
// row that reading every row before it would give, and moves on from there, whether or not the
// statement's columns let it find its rows again by their table's key.
TEST_F(RecordCount, JumpsLandOnTheRowsInTheStatementsOrder) {
    // The sort column orders the rows otherwise than their keys, with ties.
    build("CREATE TABLE t(id INTEGER PRIMARY KEY, sort INTEGER, name TEXT, tag INTEGER);"
          "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 30000) "
          "INSERT INTO t SELECT i, (i * 7919) % 10007, 'row' || i, i % 3 FROM n;"
          "CREATE TABLE other(id INTEGER PRIMARY KEY, label TEXT);"
          "INSERT INTO other SELECT id, 'o' || id FROM t WHERE id <= 5;"
          "CREATE VIEW v AS SELECT id, sort, name, tag FROM t;");
    const auto db = open(true);
    // Every row in the order of `sort, name`, as the statements below give them.
    std::vector<std::string> expected;
    {
        const auto all = db->openRecordset("SELECT name FROM t WHERE tag <> 1 ORDER BY sort, name",
                                           RecordsetType::Snapshot);
        for (; !all->eof(); all->moveNext()) {
            expected.push_back(all->field(0).asText());
        }
    }
    const auto count = static_cast<std::int32_t>(expected.size());
    for (const char* query :
         {"SELECT name, id, sort FROM t WHERE tag <> 1 ORDER BY sort, name",     // the key among the columns
          "SELECT name, sort FROM t WHERE tag <> 1 ORDER BY sort, name",         // without it
          "SELECT v.name, v.id FROM v WHERE v.tag <> 1 ORDER BY v.sort, v.name", // through a view
          "SELECT name, id, sort + 0 AS s FROM t WHERE tag <> 1 ORDER BY sort, name", // an expression
          "SELECT id AS k, name FROM t WHERE tag <> 1 ORDER BY sort, name",           // the key renamed
          "SELECT tag AS id, name, id FROM t WHERE tag <> 1 ORDER BY sort, name",     // its name twice
          "SELECT t.name, t.id FROM t LEFT JOIN other ON other.id = t.id WHERE t.tag <> 1 "
          "ORDER BY t.sort, t.name"}) {
        for (const bool inBackground : {false, true}) {
            SCOPED_TRACE(query);
            SCOPED_TRACE(inBackground ? "counted in another thread" : "counted at MoveLast");
            const auto rs = db->openRecordset(query, RecordsetType::Snapshot);
            if (inBackground) {
                rs->countInBackground();
                rs->moveNext();
            }
            rs->moveLast();
            ASSERT_EQ(rs->recordCount(), count);
            EXPECT_EQ(rs->field("name").asText(), expected.back());
            for (const std::int32_t position : {count / 2, count - 1, 17, count - 40, 4096, 4095, 4097, 0}) {
                SCOPED_TRACE(position);
                rs->setAbsolutePosition(position);
                EXPECT_EQ(rs->absolutePosition(), position);
                EXPECT_EQ(rs->field("name").asText(), expected[static_cast<std::size_t>(position)]);
            }
            rs->setAbsolutePosition(count - 3);
            rs->moveNext();
            EXPECT_EQ(rs->fieldView("name").asText(), expected[static_cast<std::size_t>(count - 2)]);
            rs->moveNext();
            rs->moveNext();
            EXPECT_TRUE(rs->eof());
            EXPECT_EQ(rs->recordCount(), count);
            rs->movePrevious();
            EXPECT_EQ(rs->field("name").asText(), expected.back());
            rs->setAbsolutePosition(count / 3);
            rs->movePrevious();
            EXPECT_EQ(rs->field("name").asText(), expected[static_cast<std::size_t>(count / 3 - 1)]);
            EXPECT_EQ(daotest::errorNumber([&] { rs->setAbsolutePosition(count); }), jet::InvalidArgument);
            // A find from the first row still sees every row in order.
            rs->findFirst("name = '" + expected[static_cast<std::size_t>(count - 5)] + "'");
            EXPECT_FALSE(rs->noMatch());
            EXPECT_EQ(rs->absolutePosition(), count - 5);
        }
    }
}

// A long snapshot of a database opened read-only counts in another thread; where that cannot give
// the rows the caller would see, it does not start, and the count comes at MoveLast as before.
TEST_F(RecordCount, CountsInAnotherThreadOnlyWhereThatGivesTheSameRows) {
    // `sort` has an index that gives its order; `unindexed` the same values without one.
    build("CREATE TABLE t(id INTEGER PRIMARY KEY, sort INTEGER, unindexed INTEGER);"
          "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
          "INSERT INTO t SELECT i, 20000 - i, 20000 - i FROM n;"
          "CREATE INDEX t_sort ON t(sort);");
    struct Case {
        const char* what;
        bool readOnly;
        RecordsetType type;
        const char* query;
        bool starts;
    };
    for (const Case& c : {
             Case{"keyed snapshot", true, RecordsetType::Snapshot, "SELECT id, sort FROM t ORDER BY sort",
                  true},
             Case{"writable database", false, RecordsetType::Snapshot, "SELECT id, sort FROM t ORDER BY sort",
                  false},
             Case{"rows without a key", true, RecordsetType::Snapshot, "SELECT sort FROM t ORDER BY sort",
                  false},
             // Rows of the same value could come in another order there.
             Case{"rows sorted as they are read", true, RecordsetType::Snapshot,
                  "SELECT id, sort FROM t ORDER BY unindexed", false},
             Case{"a join", true, RecordsetType::Snapshot,
                  "SELECT a.id, a.sort FROM t AS a INNER JOIN t AS b ON b.id = a.id ORDER BY a.sort", false},
             Case{"dynaset", true, RecordsetType::Dynaset, "SELECT id, sort FROM t ORDER BY sort", false},
             Case{"forward-only", true, RecordsetType::ForwardOnly, "SELECT id, sort FROM t ORDER BY sort",
                  false},
         }) {
        SCOPED_TRACE(c.what);
        const auto db = open(c.readOnly);
        const auto rs = db->openRecordset(c.query, c.type);
        EXPECT_EQ(rs->countInBackground(), c.starts);
        EXPECT_FALSE(rs->countInBackground()); // once is enough
        if (c.type == RecordsetType::ForwardOnly) {
            continue;
        }
        rs->moveLast();
        EXPECT_TRUE(rs->countReady());
        EXPECT_EQ(rs->recordCount(), 20000);
        EXPECT_EQ(rs->field("sort").asInteger(), 19999);
        EXPECT_FALSE(rs->countInBackground()); // counted already
    }
}

// A record set closed, dropped or left with its database while it counts in another thread stops
// that count and leaves nothing behind.
TEST_F(RecordCount, ACountInAnotherThreadEndsWithItsRecordSet) {
    build("CREATE TABLE t(id INTEGER PRIMARY KEY, sort INTEGER);"
          "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200000) "
          "INSERT INTO t SELECT i, i % 1000 FROM n;"
          "CREATE INDEX t_sort ON t(sort);");
    auto db = open(true);
    for (int round = 0; round < 3; ++round) {
        auto rs = db->openRecordset("SELECT id, sort FROM t ORDER BY sort", RecordsetType::Snapshot);
        ASSERT_TRUE(rs->countInBackground());
        if (round == 0) {
            rs->close();
            EXPECT_TRUE(rs->countReady());
        } else if (round == 1) {
            rs.reset();
        } else {
            db->close();
            EXPECT_EQ(daotest::errorNumber([&] { rs->moveLast(); }), jet::ObjectInvalid);
            rs.reset();
        }
    }
}

TEST_F(RecordCount, ClosedRecordSetRefusesUse) {
    build("CREATE TABLE t(id INTEGER); INSERT INTO t VALUES(1);");
    const auto db = open(true);
    const auto rs = db->openRecordset("SELECT id FROM t", RecordsetType::Snapshot);
    rs->close();
    EXPECT_FALSE(rs->isOpen());
    EXPECT_EQ(errorNumber([&] { rs->moveNext(); }), jet::ObjectInvalid);
    EXPECT_TRUE(db->isOpen());
}
