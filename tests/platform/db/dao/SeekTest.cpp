#include "DaoTestSupport.h"

using daotest::errorNumber;
using namespace platform::db;
using platform::Variant;

namespace {

class Seek : public daotest::DatabaseFixture {
protected:
    void SetUp() override {
        build("CREATE TABLE tab_controls(id_form TEXT COLLATE JETTEXT, id_control TEXT COLLATE JETTEXT, "
              "caption TEXT COLLATE JETTEXT, PRIMARY KEY(id_form, id_control));"
              "CREATE INDEX idx_caption ON tab_controls(caption);"
              "INSERT INTO tab_controls VALUES('frmB', 'cmdOk', 'OK'), ('frmA', 'lbl1', 'Name'), "
              "('frmA', 'cmdOk', 'Übernehmen'), ('frmC', 'cmdOk', NULL), ('frmA', 'lbl2', 'Land');"
              "CREATE TABLE tab_text(id_text INTEGER PRIMARY KEY, german TEXT);"
              "CREATE UNIQUE INDEX idx_text ON tab_text(id_text);"
              "INSERT INTO tab_text VALUES(10, 'zehn'), (20, 'zwanzig'), (30, 'dreißig');");
    }
};

std::string key(const Recordset& rs) {
    return rs.field("id_form").asText() + "/" + rs.field("id_control").asText();
}

} // namespace

TEST_F(Seek, OneKeyWithEveryComparison) {
    const auto db = open(true);
    const auto rs = db->openRecordset("tab_text", RecordsetType::Table);
    rs->setIndex("idx_text");
    struct Case {
        const char* comparison;
        int key;
        int found; // 0: no match
    };
    const Case cases[] = {
        {"=", 20, 20}, {"=", 25, 0}, {">=", 20, 20}, {">=", 21, 30}, {">=", 31, 0},
        {">", 20, 30}, {">", 30, 0}, {"<=", 20, 20}, {"<=", 29, 20}, {"<=", 9, 0},
        {"<", 20, 10}, {"<", 10, 0}, {"=", 10, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.comparison) + " " + std::to_string(c.key));
        rs->seek(c.comparison, {Variant(c.key)});
        EXPECT_EQ(rs->noMatch(), c.found == 0);
        if (c.found != 0) {
            EXPECT_EQ(rs->field("id_text"), Variant(c.found));
        } else {
            EXPECT_EQ(errorNumber([&] { static_cast<void>(rs->field("german")); }), jet::NoCurrentRecord);
        }
    }
    // A text key is compared as the column's type.
    rs->seek("=", {Variant("30")});
    EXPECT_FALSE(rs->noMatch());
    EXPECT_EQ(rs->field("german"), Variant("dreißig"));
}

TEST_F(Seek, TwoKeysAndLeadingKeyWithoutRegardToCase) {
    const auto db = open(true);
    const auto rs = db->openRecordset("tab_controls", RecordsetType::Table);
    rs->setIndex("PrimaryKey");
    struct Case {
        const char* comparison;
        std::vector<Variant> keys;
        const char* found; // nullptr: no match
    };
    const Case cases[] = {
        {"=", {"frmA", "lbl1"}, "frmA/lbl1"},
        {"=", {"FRMA", "LBL1"}, "frmA/lbl1"},
        {"=", {"frmA", "lbl3"}, nullptr},
        {"=", {"frmA"}, "frmA/cmdOk"},
        {">=", {"frmA", "lbl"}, "frmA/lbl1"},
        {">", {"frmA", "lbl2"}, "frmB/cmdOk"},
        {">", {"frmA"}, "frmB/cmdOk"},
        {"<", {"frmB", "cmdOk"}, "frmA/lbl2"},
        {"<=", {"frmA", "lbl1"}, "frmA/lbl1"},
        {"<", {"frmA", "cmdOk"}, nullptr},
        {">=", {"frmD"}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.comparison) + " " + c.keys.front().asText());
        rs->seek(c.comparison, c.keys);
        EXPECT_EQ(rs->noMatch(), c.found == nullptr);
        if (c.found != nullptr) {
            EXPECT_EQ(key(*rs), c.found);
        }
    }
    // After a seek the record set moves on in index order.
    rs->seek("=", {"frmA", "lbl1"});
    rs->moveNext();
    EXPECT_EQ(key(*rs), "frmA/lbl2");
    rs->moveNext();
    EXPECT_EQ(key(*rs), "frmB/cmdOk");
    rs->movePrevious();
    rs->movePrevious();
    EXPECT_EQ(key(*rs), "frmA/lbl1");
    EXPECT_EQ(rs->absolutePosition(), 1);
}

TEST_F(Seek, IndexOrderPutsNullFirstAndWalksEveryRow) {
    const auto db = open(true);
    const auto rs = db->openRecordset("tab_controls", RecordsetType::Table);
    rs->setIndex("idx_caption");
    std::vector<Variant> captions;
    for (; !rs->eof(); rs->moveNext()) {
        captions.push_back(rs->field("caption"));
    }
    const std::vector<Variant> expected{Variant::null(), "Land", "Name", "OK", "Übernehmen"};
    EXPECT_EQ(captions, expected);
    rs->seek(">=", {"n"});
    EXPECT_EQ(rs->field("caption"), Variant("Name"));
    rs->seek("<", {"Land"});
    EXPECT_EQ(rs->field("caption"), Variant::null());
}

TEST_F(Seek, NeedsAnIndexOfTheTableAndATableRecordSet) {
    const auto db = open(true);
    const auto rs = db->openRecordset("tab_text", RecordsetType::Table);
    EXPECT_EQ(errorNumber([&] { rs->seek("=", {Variant(10)}); }), jet::OperationInvalidWithoutIndex);
    EXPECT_EQ(errorNumber([&] { rs->setIndex("idx_nothing"); }), jet::NotAnIndex);
    EXPECT_EQ(errorNumber([&] { rs->setIndex("idx_caption"); }), jet::NotAnIndex); // another table's index
    rs->setIndex("PrimaryKey");
    EXPECT_EQ(errorNumber([&] { rs->seek("~", {Variant(10)}); }), jet::InvalidArgument);
    EXPECT_EQ(errorNumber([&] { rs->seek("=", {Variant(10), Variant(1)}); }), jet::InvalidArgument);
    EXPECT_EQ(errorNumber([&] { rs->findFirst("id_text = 10"); }), jet::NotSupportedForObject);
    const auto dynaset = db->openRecordset("tab_text", RecordsetType::Dynaset);
    EXPECT_EQ(errorNumber([&] { dynaset->setIndex("PrimaryKey"); }), jet::NotSupportedForObject);
    EXPECT_EQ(errorNumber([&] { dynaset->seek("=", {Variant(10)}); }), jet::NotSupportedForObject);
}

TEST_F(Seek, OtherConnectionsWriteWhileATableRecordSetIsOpen) {
    const auto reader = open(true);
    const auto rs = reader->openRecordset("tab_text", RecordsetType::Table);
    rs->setIndex("idx_text");
    rs->seek("=", {Variant(20)});
    ASSERT_FALSE(rs->noMatch());

    const auto writerDb = open(false);
    writerDb->execute("INSERT INTO tab_text VALUES(40, 'vierzig')");
    writerDb->execute("UPDATE tab_text SET german = 'ZWANZIG' WHERE id_text = 20");
    EXPECT_EQ(writerDb->recordsAffected(), 1);

    // The reader sees the writes at its next call.
    rs->seek("=", {Variant(40)});
    EXPECT_EQ(rs->field("german"), Variant("vierzig"));
    rs->seek("=", {Variant(20)});
    EXPECT_EQ(rs->field("german"), Variant("ZWANZIG"));
    rs->moveNext();
    EXPECT_EQ(rs->field("id_text"), Variant(30));
    EXPECT_EQ(rs->recordCount(), 4);
    writerDb->execute("DELETE FROM tab_text WHERE id_text = 40");
}

TEST_F(Seek, QueryIsNoTableRecordSet) {
    add("CREATE VIEW Normliste AS SELECT * FROM tab_text;");
    const auto db = open(true);
    EXPECT_EQ(errorNumber([&] { static_cast<void>(db->openRecordset("Normliste", RecordsetType::Table)); }),
              jet::InvalidOperation);
    EXPECT_EQ(errorNumber([&] { static_cast<void>(db->openRecordset("nosuch", RecordsetType::Table)); }),
              jet::InputTableNotFound);
    const auto view = db->openRecordset("normliste", RecordsetType::Snapshot);
    EXPECT_EQ(view->field("german"), Variant("zehn"));
    const auto table = db->openRecordset("[TAB_TEXT]", RecordsetType::Table);
    EXPECT_EQ(table->recordCount(), 3);
}

TEST_F(Seek, TwoColumnIndexWithNullsWalksInIndexOrderBothWays) {
    add("CREATE TABLE pairs(id INTEGER PRIMARY KEY, a TEXT COLLATE JETTEXT, b INTEGER);"
        "CREATE INDEX idx_ab ON pairs(a, b);"
        "INSERT INTO pairs VALUES(1, 'x', 2), (2, NULL, 1), (3, 'X', NULL), (4, 'a', 5), (5, NULL, NULL),"
        " (6, 'x', 1), (7, 'a', 5), (8, 'b', NULL), (9, 'x', 2), (10, NULL, 1);");
    const auto db = open(true);
    std::vector<std::int64_t> expected;
    {
        const auto rs = db->openRecordset("SELECT id FROM pairs ORDER BY a, b, id", RecordsetType::Snapshot);
        for (; !rs->eof(); rs->moveNext()) {
            expected.push_back(rs->field(0).asInteger());
        }
    }
    const auto rs = db->openRecordset("pairs", RecordsetType::Table);
    rs->setIndex("idx_ab");
    std::vector<std::int64_t> forward;
    for (; !rs->eof(); rs->moveNext()) {
        EXPECT_EQ(rs->absolutePosition(), static_cast<int>(forward.size()));
        forward.push_back(rs->field("id").asInteger());
    }
    EXPECT_EQ(forward, expected);
    std::vector<std::int64_t> backward;
    for (rs->moveLast(); !rs->bof(); rs->movePrevious()) {
        backward.push_back(rs->field("id").asInteger());
    }
    EXPECT_EQ(backward, std::vector<std::int64_t>(expected.rbegin(), expected.rend()));

    struct Case {
        const char* comparison;
        std::vector<Variant> keys;
        std::int64_t found; // 0: no match
    };
    const Case cases[] = {
        {"=", {"X", 2}, 1},
        {"=", {"x"}, 3},
        {">=", {"x", 2}, 1},
        {">", {"x", 2}, 0},
        {">", {"a", 5}, 8},
        {"<", {"a", 5}, 10},
        {"<=", {"x", 1}, 6},
        {"<", {"x", 1}, 3},
        {">=", {"c"}, 3},
        {"<", {"a"}, 10},
        {"=", {Variant::null(), 1}, 2},
        {">", {Variant::null(), 1}, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.comparison) + " " + std::to_string(c.found));
        rs->seek(c.comparison, c.keys);
        EXPECT_EQ(rs->noMatch(), c.found == 0);
        if (c.found != 0) {
            EXPECT_EQ(rs->field("id"), Variant(c.found));
        }
    }
}

// A read-only table record set walks along its index with one statement: other moves in between
// must not lose or repeat a row, and once the walk ends another connection can write again.
TEST_F(Seek, WalkMixedWithOtherMovesKeepsIndexOrderAndEndsItsRead) {
    const auto db = open(true);
    const auto rs = db->openRecordset("tab_controls", RecordsetType::Table);
    rs->setIndex("PrimaryKey");
    std::vector<std::string> seen;
    for (; !rs->eof(); rs->moveNext()) {
        seen.push_back(key(*rs));
        if (seen.size() == 2) {
            rs->movePrevious(); // back to the first, then on again past the second
            rs->moveNext();
        }
        if (seen.size() == 3) {
            rs->seek("=", {"frmA", "lbl2"}); // where the walk already is
        }
    }
    const std::vector<std::string> expected{"frmA/cmdOk", "frmA/lbl1", "frmA/lbl2", "frmB/cmdOk",
                                            "frmC/cmdOk"};
    EXPECT_EQ(seen, expected);

    rs->moveFirst();
    rs->moveNext();
    EXPECT_EQ(key(*rs), "frmA/lbl1");
    while (!rs->eof()) {
        rs->moveNext();
    }
    const auto writer = open(false);
    writer->execute("INSERT INTO tab_text VALUES(40, 'vierzig')");
    EXPECT_EQ(writer->recordsAffected(), 1);
    rs->moveFirst();
    EXPECT_EQ(key(*rs), "frmA/cmdOk");
}
