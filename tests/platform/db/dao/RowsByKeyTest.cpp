// A long snapshot reads the rows beyond those read in order by their table's key once it has counted
// them. Whatever way a statement's rows are reached (in order, after MoveLast, after a count in another
// thread, backwards, by position), they are the rows and the order the statement gives.

#include "DaoTestSupport.h"

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <random>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <vector>

using namespace platform::db;
using platform::Variant;

namespace {

using Rows = std::vector<std::vector<Variant>>;

constexpr int kRows = 10000;

// t: 10,000 rows whose names run against their keys, groups with ties, a parent for most rows and a
// column that is Null for every third; t1 and t2 share their keys; other has a label for some keys.
const char* const kSchema =
    "CREATE TABLE t(id INTEGER PRIMARY KEY, name TEXT, grp INTEGER, parent INTEGER, pad TEXT, opt TEXT);"
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000) "
    "INSERT INTO t SELECT i, printf('n%05d', 10001 - i), i % 37, CASE WHEN i % 11 = 0 THEN NULL ELSE "
    "(i * 7919) % 10000 + 1 END, printf('pad%d', i * 3), CASE WHEN i % 3 = 0 THEN NULL ELSE 'o' || i END "
    "FROM n;"
    "CREATE INDEX t_name ON t(name);"
    "CREATE INDEX t_name_grp ON t(name, grp);"
    "CREATE TABLE t1(id INTEGER PRIMARY KEY, name TEXT);"
    "CREATE TABLE t2(id INTEGER PRIMARY KEY, name TEXT);"
    "INSERT INTO t1 SELECT id, 'first' || id FROM t WHERE id <= 5000;"
    "INSERT INTO t2 SELECT id, 'second' || id FROM t WHERE id <= 5000;"
    "CREATE TABLE other(id INTEGER PRIMARY KEY, label TEXT);"
    "INSERT INTO other SELECT id, 'label' || id FROM t WHERE id % 4 <> 0;"
    "CREATE VIEW v_one AS SELECT id, name, grp FROM t WHERE grp <> 5;"
    "CREATE VIEW v_union AS SELECT id, name FROM t1 UNION ALL SELECT id, name FROM t2;"
    "CREATE VIEW v_join AS SELECT c.id, p.name FROM t AS c INNER JOIN t AS p ON c.parent = p.id;";

/// Every field of every row from the current one on, moving with MoveNext.
Rows walkForward(Recordset& rs) {
    Rows rows;
    for (; !rs.eof(); rs.moveNext()) {
        std::vector<Variant> row;
        for (std::int32_t i = 0; i < rs.fieldCount(); ++i) {
            row.push_back(rs.field(i));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<Variant> current(Recordset& rs) {
    std::vector<Variant> row;
    for (std::int32_t i = 0; i < rs.fieldCount(); ++i) {
        row.push_back(rs.field(i));
    }
    return row;
}

/// The rows' first difference, for a readable failure.
std::string firstDifference(const Rows& expected, const Rows& actual) {
    for (std::size_t i = 0; i < std::min(expected.size(), actual.size()); ++i) {
        if (expected[i] != actual[i]) {
            return "row " + std::to_string(i) + " differs";
        }
    }
    return expected.size() == actual.size() ? "" : "row counts differ";
}

enum class Count { AtMoveLast, InAnotherThread };

/// Counts the runs of SELECT statements whose text holds a part (plans and the schema asked for aside)
/// on every connection the process opens while it lives, the other thread's included.
class StatementRuns {
public:
    explicit StatementRuns(std::string part) {
        {
            const std::lock_guard lock(s_mutex);
            s_part = std::move(part);
            s_runs = 0;
        }
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(&traceConnection));
    }
    ~StatementRuns() {
        sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(&traceConnection));
        const std::lock_guard lock(s_mutex);
        s_part.clear();
    }
    StatementRuns(const StatementRuns&) = delete;
    StatementRuns& operator=(const StatementRuns&) = delete;

    [[nodiscard]] int runs() const {
        const std::lock_guard lock(s_mutex);
        return s_runs;
    }

private:
    static int traceConnection(sqlite3* db, char**, const sqlite3_api_routines*) {
        sqlite3_trace_v2(db, SQLITE_TRACE_STMT, &onStatement, nullptr);
        return SQLITE_OK;
    }
    static int onStatement(unsigned, void*, void* statement, void*) {
        const char* sql = sqlite3_sql(static_cast<sqlite3_stmt*>(statement));
        const std::string_view text = sql != nullptr ? sql : "";
        const std::lock_guard lock(s_mutex);
        if (!s_part.empty() && text.find(s_part) != std::string_view::npos && text.starts_with("SELECT")) {
            ++s_runs;
        }
        return 0;
    }
    static inline std::mutex s_mutex;
    static inline std::string s_part;
    static inline int s_runs = 0;
};

class RowsByKey : public daotest::DatabaseFixture {
protected:
    void SetUp() override { build(kSchema); }

    /// Each statement whose rows differ in some way from those walked in order, with the way.
    static std::vector<std::string> differences(Database& db, const std::vector<std::string>& queries) {
        std::vector<std::string> found;
        for (const std::string& query : queries) {
            const Rows expected = inOrder(db, query);
            for (const Count count : {Count::AtMoveLast, Count::InAnotherThread}) {
                try {
                    if (const std::string d = difference(db, query, expected, count); !d.empty()) {
                        found.push_back(query + (count == Count::AtMoveLast ? " [MoveLast] " : " [thread] ") +
                                        d);
                    }
                } catch (const platform::CallError& error) {
                    found.push_back(query + " fails with " + std::to_string(error.number()));
                }
            }
        }
        return found;
    }

    /// The rows walked with MoveNext from a freshly opened record set: what the statement gives.
    static Rows inOrder(Database& db, const std::string& query) {
        const auto rs = db.openRecordset(query, RecordsetType::Snapshot);
        return walkForward(*rs);
    }

    /// Counts the rows first (MoveLast), then walks them from the first, from the last backwards, and
    /// lands on some by position; every way must give `expected`. Returns the first way that does not
    /// (empty when none).
    static std::string difference(Database& db, const std::string& query, const Rows& expected, Count count) {
        const auto rs = db.openRecordset(query, RecordsetType::Snapshot);
        if (count == Count::InAnotherThread) {
            rs->countInBackground();
        }
        rs->moveLast();
        if (rs->recordCount() != static_cast<std::int32_t>(expected.size())) {
            return "RecordCount " + std::to_string(rs->recordCount());
        }
        if (current(*rs) != expected.back()) {
            return "the last row";
        }
        rs->moveFirst();
        if (const std::string d = firstDifference(expected, walkForward(*rs)); !d.empty()) {
            return "forwards: " + d;
        }
        Rows backward;
        rs->moveLast();
        for (; !rs->bof(); rs->movePrevious()) {
            backward.push_back(current(*rs));
        }
        if (const std::string d = firstDifference(expected, Rows(backward.rbegin(), backward.rend()));
            !d.empty()) {
            return "backwards: " + d;
        }
        const auto size = static_cast<std::int32_t>(expected.size());
        for (const std::int32_t position : {4095, 4096, 4097, size / 2, size - 1, 0, 5902, 5903}) {
            if (position >= size) {
                continue;
            }
            rs->setAbsolutePosition(position);
            if (current(*rs) != expected[static_cast<std::size_t>(position)]) {
                return "at position " + std::to_string(position);
            }
        }
        return {};
    }
};

// Statements over more rows than are read before a count, each with what makes a key stand for a row
// or not: plans that read an index in another order, ties, joins of a table with itself, unions, Null
// keys of an outer join, views, DISTINCT, GROUP BY, TOP and subqueries.
TEST_F(RowsByKey, EveryWayToTheRowsGivesTheStatementsRows) {
    const std::vector<std::string> queries = {
        "SELECT id, name, pad FROM t",
        "SELECT id, grp, pad FROM t ORDER BY grp",
        "SELECT id, name, grp FROM t ORDER BY grp, name",
        "SELECT id, grp FROM t ORDER BY grp, id",
        "SELECT id, name FROM t ORDER BY name DESC",
        "SELECT opt, id FROM t ORDER BY opt",
        "SELECT name, id, opt FROM t WHERE opt IS NULL OR grp < 30",
        "SELECT c.name, p.id FROM t AS c INNER JOIN t AS p ON c.parent = p.id ORDER BY c.id",
        "SELECT t.name, t.id FROM t INNER JOIN other ON other.id = t.id",
        "SELECT id, name FROM t1 UNION ALL SELECT id, name FROM t2",
        "SELECT id, name FROM v_union",
        "SELECT o.label, o.id FROM t LEFT JOIN other AS o ON o.id = t.id ORDER BY t.id",
        "SELECT id, name FROM v_join ORDER BY name",
        "SELECT id, name, grp FROM v_one ORDER BY grp",
        "SELECT v_one.name, v_one.id FROM v_one",
        "SELECT DISTINCT grp, id FROM t",
        "SELECT DISTINCT grp, parent FROM t",
        "SELECT name, id FROM t GROUP BY name, id",
        "SELECT id, name FROM t GROUP BY grp, id, name ORDER BY grp",
        "SELECT TOP 6000 id, name FROM t ORDER BY grp",
        "SELECT TOP 8000 id, pad FROM t",
        "SELECT id, name FROM t WHERE id IN (SELECT parent FROM t WHERE grp < 30)",
        "SELECT id, name FROM t WHERE parent IN (SELECT id FROM other) ORDER BY grp",
        "SELECT id, name FROM (SELECT id, name, grp FROM t WHERE grp > 2) AS s ORDER BY grp",
        "SELECT id, name, (SELECT count(*) FROM other WHERE other.id = t.parent) AS n FROM t",
    };
    const auto db = open(true);
    for (const std::string& query : queries) {
        ASSERT_GT(inOrder(*db, query).size(), 4097U) << query;
    }
    EXPECT_EQ(differences(*db, queries), std::vector<std::string>());
}

// Statements drawn from the table's columns (an expression among them), filters, orders with and
// without ties, DISTINCT and TOP, with a fixed seed.
TEST_F(RowsByKey, GeneratedStatementsGiveTheirRowsEveryWay) {
    std::mt19937 random(34);
    const std::vector<std::string> columns = {"name", "grp", "parent", "pad", "opt"};
    const std::vector<std::string> filters = {"",
                                              " WHERE grp < 30",
                                              " WHERE opt IS NOT NULL OR grp = 3",
                                              " WHERE name >= 'n02000'",
                                              " WHERE parent > 1000",
                                              " WHERE id > 500 AND grp <> 4"};
    const std::vector<std::string> orders = {"",
                                             " ORDER BY grp",
                                             " ORDER BY name",
                                             " ORDER BY grp DESC, name",
                                             " ORDER BY opt",
                                             " ORDER BY parent, id",
                                             " ORDER BY grp, pad DESC",
                                             " ORDER BY id DESC"};
    const auto pick = [&](const std::vector<std::string>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    const auto chance = [&](double p) {
        return std::bernoulli_distribution(p)(random);
    };
    const auto db = open(true);
    std::vector<std::string> queries;
    while (queries.size() < 40) {
        std::vector<std::string> chosen = columns;
        std::shuffle(chosen.begin(), chosen.end(), random);
        chosen.resize(std::uniform_int_distribution<std::size_t>(1, 3)(random));
        if (chance(0.15)) {
            chosen.emplace_back("grp * 2 AS twice");
        }
        if (chance(0.8)) {
            chosen.insert(chosen.begin() + static_cast<std::ptrdiff_t>(random() % (chosen.size() + 1)), "id");
        }
        std::string list;
        for (const std::string& column : chosen) {
            list += (list.empty() ? "" : ", ") + column;
        }
        const std::string head = chance(0.2)   ? "SELECT DISTINCT "
                                 : chance(0.2) ? "SELECT TOP 7000 "
                                               : "SELECT ";
        const std::string query = head + list + " FROM t" + pick(filters) + pick(orders);
        // Rows enough to be counted and read by key.
        if (inOrder(*db, query).size() > 4097) {
            queries.push_back(query);
        }
    }
    EXPECT_EQ(differences(*db, queries), std::vector<std::string>());
}

// A long snapshot that no key stands for is read once: MoveLast reads on to the last row rather than
// counting the rows with a second run of the statement, which the rows read afterwards would repeat.
TEST_F(RowsByKey, RowsWithoutKeysAreReadOnce) {
    add("CREATE TABLE runs_left(id INTEGER PRIMARY KEY, grp INTEGER, parent INTEGER);"
        "INSERT INTO runs_left SELECT id, grp, parent FROM t;");
    const std::vector<std::string> queries = {
        // Distinct rows of a join, sorted, as a search over several tables gives them.
        "SELECT DISTINCT runs_left.id, other.label FROM runs_left INNER JOIN other ON other.id = "
        "runs_left.parent "
        "ORDER BY runs_left.grp",
        "SELECT c.grp, p.id FROM runs_left AS c INNER JOIN runs_left AS p ON c.parent = p.id",
        "SELECT id, grp FROM runs_left UNION ALL SELECT id, name FROM t2",
        "SELECT grp, id + 0 AS n FROM runs_left",
    };
    const auto db = open(true);
    for (const std::string& query : queries) {
        SCOPED_TRACE(query);
        const std::size_t rows = inOrder(*db, query).size();
        ASSERT_GT(rows, 4097U);
        for (const Count count : {Count::AtMoveLast, Count::InAnotherThread}) {
            const StatementRuns runs("runs_left");
            const auto traced = open(true);
            const auto rs = traced->openRecordset(query, RecordsetType::Snapshot);
            if (count == Count::InAnotherThread) {
                EXPECT_FALSE(rs->countInBackground());
            }
            rs->moveLast();
            EXPECT_EQ(rs->recordCount(), static_cast<std::int32_t>(rows));
            rs->moveFirst();
            EXPECT_EQ(walkForward(*rs).size(), rows);
            EXPECT_EQ(runs.runs(), 1);
        }
    }
}

// A file renamed over the database after the record set was opened: the record set goes on reading
// the file it opened, its count included.
TEST_F(RowsByKey, ACountReadsTheFileTheRecordSetReads) {
    const std::string otherPath = m_dir.file("other.mdb");
    test_support::buildScratchDatabase(otherPath, {"CREATE TABLE t(id INTEGER PRIMARY KEY, name TEXT);"
                                                   "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                                                   "FROM n WHERE i < 6000) INSERT INTO t SELECT i, 'x' || i "
                                                   "FROM n;"});
    const std::string query = "SELECT id, name FROM t ORDER BY id";
    const auto db = open(true);
    const Rows expected = inOrder(*db, query);
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(kRows));
    for (const Count count : {Count::InAnotherThread, Count::AtMoveLast}) {
        SCOPED_TRACE(count == Count::AtMoveLast ? "counted at MoveLast" : "counted in another thread");
        const auto rs = db->openRecordset(query, RecordsetType::Snapshot);
        std::filesystem::rename(otherPath, m_path);
        if (count == Count::InAnotherThread) {
            rs->countInBackground();
        }
        rs->moveLast();
        EXPECT_EQ(rs->recordCount(), kRows);
        rs->moveFirst();
        EXPECT_EQ(firstDifference(expected, walkForward(*rs)), "");
        std::filesystem::copy_file(m_path, otherPath);
    }
}

} // namespace
