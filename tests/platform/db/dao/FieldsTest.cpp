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

namespace {

const RecordsetType kAllTypes[] = {RecordsetType::Table, RecordsetType::Dynaset, RecordsetType::Snapshot,
                                   RecordsetType::ForwardOnly};

std::string sourceFor(RecordsetType type) {
    return type == RecordsetType::Table ? "t" : "SELECT * FROM t ORDER BY k";
}

} // namespace

// Reading in place gives every field exactly as the Variant read does, on every kind of record set
// and on read-only (a table walked by one open statement) as on writable databases.
TEST_F(Fields, ViewsReadTheSameAsVariants) {
    build("CREATE TABLE t(k INTEGER PRIMARY KEY, i INTEGER, r REAL, s TEXT, n TEXT, b BOOLEAN, yn YESNO, "
          "bit BIT, d DATE, dt DATETIME);"
          "INSERT INTO t VALUES(1, 42, 2.5, 'Übernehmen', NULL, -1, 0, 1, '2007-03-04', "
          "'2007-03-04 05:06:07');"
          "INSERT INTO t VALUES(2, -5, 1e300, '', NULL, 0, -1, NULL, 'not a date', '2007-12-31T23:59:58');"
          "INSERT INTO t VALUES(3, 9223372036854775807, -0.5, 'x', 'y', 2, 0, 0, NULL, NULL);");
    for (const bool readOnly : {true, false}) {
        const auto db = open(readOnly);
        for (const RecordsetType type : kAllTypes) {
            SCOPED_TRACE("type " + std::to_string(static_cast<int>(type)) + (readOnly ? " read-only" : ""));
            const auto rs = db->openRecordset(sourceFor(type), type);
            int rows = 0;
            for (; !rs->eof(); rs->moveNext(), ++rows) {
                for (std::int32_t f = 0; f < rs->fieldCount(); ++f) {
                    const Variant value = rs->field(f);
                    const FieldView view = rs->fieldView(f);
                    EXPECT_EQ(view.type(), value.type()) << rs->fieldName(f);
                    EXPECT_EQ(view.toVariant(), value) << rs->fieldName(f);
                    EXPECT_EQ(view, FieldView(value)) << rs->fieldName(f);
                    EXPECT_EQ(rs->fieldView(rs->fieldName(f)), view);
                }
            }
            EXPECT_EQ(rows, 3);
        }
    }
}

TEST_F(Fields, ViewsHoldTheirTypesAndValues) {
    build("CREATE TABLE t(k INTEGER PRIMARY KEY, s TEXT, n TEXT, b BOOLEAN, d DATE, r REAL);"
          "INSERT INTO t VALUES(1, 'X5CrNi18-10', NULL, -1, '2007-03-04 05:06:07', 1.5);");
    const auto db = open(true);
    for (const RecordsetType type : kAllTypes) {
        const auto rs = db->openRecordset(sourceFor(type), type);
        EXPECT_EQ(rs->fieldView("k").asInteger(), 1);
        EXPECT_EQ(rs->fieldView("s").asText(), "X5CrNi18-10");
        EXPECT_TRUE(rs->fieldView("n").isNull());
        EXPECT_TRUE(rs->fieldView("b").asBoolean());
        EXPECT_EQ(rs->fieldView("d").asDate(), (platform::Date{2007, 3, 4, 5, 6, 7}));
        EXPECT_EQ(rs->fieldView("r").asDouble(), 1.5);
        EXPECT_THROW(static_cast<void>(rs->fieldView("s").asInteger()), std::bad_variant_access);
    }
}

// A view read before a move still shows its row's value up to that move, and the next row's view
// shows the next row.
TEST_F(Fields, AViewStaysValidUntilTheNextMove) {
    std::string sql = "CREATE TABLE t(k INTEGER PRIMARY KEY, s TEXT);";
    for (int k = 1; k <= 300; ++k) {
        sql += "INSERT INTO t VALUES(" + std::to_string(k) + ", '" +
               std::string(static_cast<std::size_t>(k), 'a') + "');";
    }
    build(sql);
    for (const bool readOnly : {true, false}) {
        const auto db = open(readOnly);
        for (const RecordsetType type : kAllTypes) {
            SCOPED_TRACE("type " + std::to_string(static_cast<int>(type)));
            const auto rs = db->openRecordset(sourceFor(type), type);
            for (std::size_t k = 1; !rs->eof(); rs->moveNext(), ++k) {
                const FieldView text = rs->fieldView(1);
                const FieldView key = rs->fieldView(0);
                static_cast<void>(rs->field(1)); // other reads of the same row leave the view alone
                static_cast<void>(rs->fieldView(0));
                ASSERT_EQ(text.asText(), std::string(k, 'a'));
                ASSERT_EQ(key.asInteger(), static_cast<std::int64_t>(k));
            }
        }
    }
}

TEST_F(Fields, ViewsFailAsVariantReadsDo) {
    build("CREATE TABLE t(k INTEGER PRIMARY KEY, s TEXT); INSERT INTO t VALUES(1, 'a');");
    for (const bool readOnly : {true, false}) {
        const auto db = open(readOnly);
        for (const RecordsetType type : kAllTypes) {
            SCOPED_TRACE("type " + std::to_string(static_cast<int>(type)));
            const auto rs = db->openRecordset(sourceFor(type), type);
            EXPECT_EQ(errorNumber([&] { static_cast<void>(rs->fieldView(2)); }), jet::ItemNotFound);
            EXPECT_EQ(errorNumber([&] { static_cast<void>(rs->fieldView(-1)); }), jet::ItemNotFound);
            EXPECT_EQ(errorNumber([&] { static_cast<void>(rs->fieldView("nope")); }), jet::ItemNotFound);
            rs->moveNext(); // past the end
            ASSERT_TRUE(rs->eof());
            const int variantError = errorNumber([&] { static_cast<void>(rs->field(0)); });
            EXPECT_EQ(variantError, jet::NoCurrentRecord);
            EXPECT_EQ(errorNumber([&] { static_cast<void>(rs->fieldView(0)); }), variantError);
            EXPECT_EQ(errorNumber([&] { rs->moveNext(); }), jet::NoCurrentRecord);
            rs->close();
            EXPECT_EQ(errorNumber([&] { static_cast<void>(rs->fieldView(0)); }), jet::ObjectInvalid);
        }
    }
}

// The edit buffer reads in place too, and a deleted record fails as its Variant read does.
TEST_F(Fields, ViewsOfTheEditBufferAndOfADeletedRecord) {
    build("CREATE TABLE t(k INTEGER PRIMARY KEY, s TEXT); INSERT INTO t VALUES(1, 'a'); "
          "INSERT INTO t VALUES(2, 'b');");
    const auto db = open(false);
    for (const RecordsetType type : {RecordsetType::Table, RecordsetType::Dynaset}) {
        SCOPED_TRACE("type " + std::to_string(static_cast<int>(type)));
        const auto rs = db->openRecordset(sourceFor(type), type);
        rs->edit();
        rs->setField("s", Variant("edited"));
        EXPECT_EQ(rs->fieldView("s").asText(), "edited");
        rs->cancelUpdate();
        EXPECT_EQ(rs->fieldView("s").asText(), "a");
        rs->deleteCurrent();
        const int variantError = errorNumber([&] { static_cast<void>(rs->field("s")); });
        EXPECT_NE(variantError, 0);
        EXPECT_EQ(errorNumber([&] { static_cast<void>(rs->fieldView("s")); }), variantError);
        db->execute("INSERT INTO t VALUES(1, 'a')");
    }
}
