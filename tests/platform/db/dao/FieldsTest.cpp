#include "DaoTestSupport.h"

using daotest::errorNumber;
using namespace platform::db;
using platform::Variant;

namespace {

class Fields : public daotest::DatabaseFixture {};

} // namespace

TEST_F(Fields, ByPositionAndByNameWithoutRegardToCase) {
    build("CREATE TABLE t(ID_Land INTEGER, Land_D TEXT); INSERT INTO t VALUES(7, 'Österreich');");
    const auto db = open(true);
    for (const RecordsetType type : {RecordsetType::Table, RecordsetType::Dynaset, RecordsetType::Snapshot,
                                     RecordsetType::ForwardOnly}) {
        const auto rs = db->openRecordset(type == RecordsetType::Table ? "t" : "SELECT * FROM t", type);
        ASSERT_EQ(rs->fieldCount(), 2);
        EXPECT_EQ(rs->fieldName(0), "ID_Land");
        EXPECT_EQ(rs->fieldName(1), "Land_D");
        EXPECT_EQ(rs->field(0), Variant(7));
        EXPECT_EQ(rs->field("id_land"), Variant(7));
        EXPECT_EQ(rs->field("LAND_D"), Variant("Österreich"));
        EXPECT_EQ(errorNumber([&] { static_cast<void>(rs->field(2)); }), jet::ItemNotFound);
        EXPECT_EQ(errorNumber([&] { static_cast<void>(rs->field(-1)); }), jet::ItemNotFound);
        EXPECT_EQ(errorNumber([&] { static_cast<void>(rs->field("Land")); }), jet::ItemNotFound);
        EXPECT_EQ(errorNumber([&] { static_cast<void>(rs->fieldName(2)); }), jet::ItemNotFound);
    }
}

TEST_F(Fields, AliasNamesTheFieldAndTheFirstOfDuplicateNamesWins) {
    build("CREATE TABLE a(id_form TEXT, x INTEGER); CREATE TABLE b(id_form TEXT, y INTEGER);"
          "INSERT INTO a VALUES('A', 1); INSERT INTO b VALUES('B', 2);");
    const auto db = open(true);
    const auto rs =
        db->openRecordset("SELECT * FROM a INNER JOIN b ON a.x + 1 = b.y", RecordsetType::Snapshot);
    ASSERT_EQ(rs->fieldCount(), 4);
    EXPECT_EQ(rs->fieldName(2), "id_form");
    EXPECT_EQ(rs->field("ID_FORM"), Variant("A"));
    EXPECT_EQ(rs->field(2), Variant("B"));
    EXPECT_EQ(rs->field("B.ID_FORM"), Variant("B")); // a table's field among fields of the same name
    EXPECT_EQ(rs->field("a.id_form"), Variant("A"));
    EXPECT_EQ(errorNumber([&] { static_cast<void>(rs->field("c.id_form")); }), jet::ItemNotFound);
    const auto aliased = db->openRecordset("SELECT x AS Bezeichnung, y FROM a, b", RecordsetType::Snapshot);
    EXPECT_EQ(aliased->fieldName(0), "Bezeichnung");
    EXPECT_EQ(aliased->field("bezeichnung"), Variant(1));
}

TEST_F(Fields, ColumnsOfRightNestedJoinsKeepTheirNames) {
    build("CREATE TABLE a(id INTEGER, Id_Land INTEGER); CREATE TABLE b(id INTEGER, Id_Land INTEGER);"
          "CREATE TABLE c(id INTEGER, Id_Land INTEGER, z TEXT);"
          "INSERT INTO a VALUES(1, 5); INSERT INTO b VALUES(1, 6); INSERT INTO c VALUES(1, 7, 'c');");
    const auto db = open(true);
    const auto rs = db->openRecordset("SELECT c.Id_Land, z AS [y:1] FROM a INNER JOIN (b INNER JOIN c ON "
                                      "c.id = b.id) ON a.id = b.id",
                                      RecordsetType::Snapshot);
    EXPECT_EQ(rs->fieldName(0), "Id_Land");
    EXPECT_EQ(rs->field("id_land"), Variant(7));
    EXPECT_EQ(rs->fieldName(1), "y:1"); // an alias is the caller's own name
}

TEST_F(Fields, ValuesFollowTheStoredTypeAndTheDeclaredYesNoAndDateTypes) {
    build(
        "CREATE TABLE t(k INTEGER, i INTEGER, r REAL, s TEXT, n TEXT, b BOOLEAN, yn YESNO, bit BIT, d DATE, "
        "dt DATETIME);"
        "INSERT INTO t VALUES(1, 42, 2.5, 'text', NULL, -1, 0, 1, '2007-03-04', '2007-03-04 05:06:07');"
        "INSERT INTO t VALUES(2, -5, 1e300, '', NULL, 0, -1, NULL, 'not a date', '2007-12-31T23:59:58');");
    const auto db = open(true);
    struct Case {
        std::int64_t key;
        const char* column;
        Variant expected;
    };
    const Case cases[] = {
        {1, "i", Variant(42)},
        {1, "r", Variant(2.5)},
        {1, "s", Variant("text")},
        {1, "n", Variant::null()},
        {1, "b", Variant(true)},
        {1, "yn", Variant(false)},
        {1, "bit", Variant(true)},
        {1, "d", Variant(platform::Date{2007, 3, 4, 0, 0, 0})},
        {1, "dt", Variant(platform::Date{2007, 3, 4, 5, 6, 7})},
        {2, "i", Variant(-5)},
        {2, "r", Variant(1e300)},
        {2, "s", Variant("")},
        {2, "b", Variant(false)},
        {2, "yn", Variant(true)},
        {2, "bit", Variant::null()},
        {2, "d", Variant("not a date")},
        {2, "dt", Variant(platform::Date{2007, 12, 31, 23, 59, 58})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.column) + " of row " + std::to_string(c.key));
        const auto rs =
            db->openRecordset("SELECT * FROM t WHERE k = " + std::to_string(c.key), RecordsetType::Snapshot);
        EXPECT_EQ(rs->field(c.column), c.expected);
    }
    // An expression has no declared type: its value is as SQLite computed it.
    const auto expr = db->openRecordset("SELECT count(*) AS c, 1.5 * 2 AS d FROM t", RecordsetType::Snapshot);
    EXPECT_EQ(expr->field("c"), Variant(2));
    EXPECT_EQ(expr->field("d"), Variant(3.0));
}
