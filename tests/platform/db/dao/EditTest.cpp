#include "DaoTestSupport.h"

using daotest::errorNumber;
using namespace platform::db;
using platform::Variant;

namespace {

class Edit : public daotest::DatabaseFixture {
protected:
    void SetUp() override {
        build(
            "CREATE TABLE tab_text(id_text INTEGER PRIMARY KEY, german TEXT, selfdefine TEXT, flag BOOLEAN);"
            "INSERT INTO tab_text VALUES(1, 'eins', NULL, 0), (2, 'zwei', NULL, -1), (3, 'drei', 'x', 0);"
            "CREATE TABLE loose(a TEXT, b INTEGER);"
            "INSERT INTO loose VALUES('p', 1), ('q', 2);"
            "CREATE TABLE dates(id INTEGER PRIMARY KEY, d DATETIME, x REAL);");
        m_db = open();
    }
    std::vector<Variant> column(const std::string& sql) {
        std::vector<Variant> out;
        const auto rs = m_db->openRecordset(sql, RecordsetType::Snapshot);
        for (; !rs->eof(); rs->moveNext()) {
            out.push_back(rs->field(0));
        }
        return out;
    }
    std::shared_ptr<Database> m_db;
};

// The sources every updatable kind is opened from.
struct Source {
    const char* text;
    RecordsetType type;
};
constexpr Source updatableSources[] = {
    {"tab_text", RecordsetType::Table},
    {"tab_text", RecordsetType::Dynaset},
    {"SELECT * FROM tab_text ORDER BY id_text", RecordsetType::Dynaset},
    {"SELECT id_text, selfdefine, german, flag FROM tab_text WHERE id_text > 0", RecordsetType::Dynaset},
};

} // namespace

TEST_F(Edit, EditUpdateWritesTheRowAndTheRecordSetShowsIt) {
    for (const Source& s : updatableSources) {
        SCOPED_TRACE(s.text);
        const auto rs = m_db->openRecordset(s.text, s.type);
        rs->moveNext(); // row 2
        rs->edit();
        rs->setField("SelfDefine", Variant("Zwo"));
        rs->setField("flag", Variant(false));
        EXPECT_EQ(rs->field("selfdefine"), Variant("Zwo")); // the edit buffer shows the new value
        rs->update();
        EXPECT_EQ(rs->field("selfdefine"), Variant("Zwo"));
        EXPECT_EQ(rs->field("flag"), Variant(false));
        EXPECT_EQ(rs->field("id_text"), Variant(2));
        EXPECT_EQ(column("SELECT selfdefine FROM tab_text WHERE id_text = 2"), std::vector<Variant>{"Zwo"});
        EXPECT_EQ(column("SELECT flag + 0 FROM tab_text WHERE id_text = 2"),
                  std::vector<Variant>{Variant(0)});
        m_db->execute("UPDATE tab_text SET selfdefine = NULL, flag = -1 WHERE id_text = 2");
    }
}

TEST_F(Edit, AddNewAppendsAndBooleansAreStoredAsMinusOne) {
    int next = 10;
    for (const Source& s : updatableSources) {
        SCOPED_TRACE(s.text);
        const auto rs = m_db->openRecordset(s.text, s.type);
        const int before = rs->type() == RecordsetType::Table ? rs->recordCount() : 0;
        rs->addNew();
        EXPECT_EQ(rs->field("german"), Variant::null());
        rs->setField("id_text", Variant(next));
        rs->setField("german", Variant("neu"));
        rs->setField("flag", Variant(true));
        rs->update();
        // The record that was current before AddNew stays current.
        EXPECT_EQ(rs->field("id_text"), Variant(1));
        EXPECT_EQ(column("SELECT flag + 0 FROM tab_text WHERE id_text = " + std::to_string(next)),
                  std::vector<Variant>{Variant(-1)});
        if (rs->type() == RecordsetType::Table) {
            EXPECT_EQ(rs->recordCount(), before + 1);
        } else {
            rs->moveLast();
            EXPECT_EQ(rs->field("german"), Variant("neu"));
            EXPECT_EQ(rs->field("flag"), Variant(true));
        }
        ++next;
    }
}

TEST_F(Edit, DeleteLeavesNoRecordUntilTheNextMove) {
    for (const Source& s : updatableSources) {
        SCOPED_TRACE(s.text);
        m_db->execute("INSERT INTO tab_text VALUES(9, 'neun', NULL, 0)");
        const auto rs = m_db->openRecordset(s.text, s.type);
        rs->moveLast();
        ASSERT_EQ(rs->field("id_text"), Variant(9));
        rs->movePrevious();
        rs->moveNext();
        rs->deleteCurrent();
        EXPECT_EQ(errorNumber([&] { static_cast<void>(rs->field("german")); }), jet::RecordDeleted);
        EXPECT_EQ(errorNumber([&] { rs->edit(); }), jet::RecordDeleted);
        rs->movePrevious();
        EXPECT_EQ(rs->field("id_text"), Variant(3));
        rs->moveNext();
        EXPECT_TRUE(rs->eof());
        EXPECT_TRUE(column("SELECT id_text FROM tab_text WHERE id_text = 9").empty());
    }
}

TEST_F(Edit, CancelUpdateAndMovingDropThePendingChange) {
    const auto rs = m_db->openRecordset("SELECT * FROM tab_text ORDER BY id_text", RecordsetType::Dynaset);
    rs->edit();
    rs->setField("german", Variant("EINS"));
    rs->cancelUpdate();
    EXPECT_EQ(rs->field("german"), Variant("eins"));
    EXPECT_EQ(errorNumber([&] { rs->update(); }), jet::UpdateWithoutAddNewOrEdit);
    EXPECT_EQ(errorNumber([&] { rs->cancelUpdate(); }), jet::UpdateWithoutAddNewOrEdit);
    EXPECT_EQ(errorNumber([&] { rs->setField("german", Variant("x")); }), jet::UpdateWithoutAddNewOrEdit);
    rs->edit();
    rs->setField("german", Variant("EINS"));
    rs->moveNext();
    EXPECT_EQ(errorNumber([&] { rs->update(); }), jet::UpdateWithoutAddNewOrEdit);
    EXPECT_EQ(column("SELECT german FROM tab_text WHERE id_text = 1"), std::vector<Variant>{"eins"});
}

TEST_F(Edit, RefusedEdits) {
    const auto snapshot = m_db->openRecordset("SELECT * FROM tab_text", RecordsetType::Snapshot);
    EXPECT_EQ(errorNumber([&] { snapshot->edit(); }), jet::ReadOnly);
    EXPECT_EQ(errorNumber([&] { snapshot->addNew(); }), jet::ReadOnly);
    const auto forward = m_db->openRecordset("SELECT * FROM tab_text", RecordsetType::ForwardOnly);
    EXPECT_EQ(errorNumber([&] { forward->deleteCurrent(); }), jet::ReadOnly);

    const auto rs =
        m_db->openRecordset("SELECT id_text, german & '!' AS shout FROM tab_text", RecordsetType::Dynaset);
    rs->edit();
    EXPECT_EQ(errorNumber([&] { rs->setField("shout", Variant("x")); }), jet::FieldCannotBeUpdated);
    EXPECT_EQ(errorNumber([&] { rs->setField("nosuch", Variant("x")); }), jet::ItemNotFound);
    rs->setField("id_text", Variant(3));
    EXPECT_EQ(errorNumber([&] { rs->update(); }), jet::DuplicateKey);

    const auto empty =
        m_db->openRecordset("SELECT * FROM tab_text WHERE id_text < 0", RecordsetType::Dynaset);
    EXPECT_EQ(errorNumber([&] { empty->edit(); }), jet::NoCurrentRecord);
    EXPECT_EQ(errorNumber([&] { empty->deleteCurrent(); }), jet::NoCurrentRecord);
}

TEST_F(Edit, RowsOfATableWithoutKeyAreFoundByTheirValues) {
    const auto rs = m_db->openRecordset("SELECT b, a FROM loose ORDER BY b DESC", RecordsetType::Dynaset);
    ASSERT_EQ(rs->field("a"), Variant("q"));
    rs->edit();
    rs->setField("a", Variant("Q"));
    rs->update();
    rs->moveNext();
    rs->deleteCurrent();
    EXPECT_EQ(column("SELECT a FROM loose"), std::vector<Variant>{"Q"});
}

TEST_F(Edit, ARowDeletedByAnotherUserCannotBeUpdated) {
    const auto rs = m_db->openRecordset("SELECT * FROM tab_text ORDER BY id_text", RecordsetType::Dynaset);
    const auto byName = m_db->openRecordset("tab_text", RecordsetType::Dynaset);
    m_db->execute("DELETE FROM tab_text WHERE id_text = 1");
    for (const auto& set : {rs, byName}) {
        set->edit();
        set->setField("german", Variant("x"));
        EXPECT_EQ(errorNumber([&] { set->update(); }), jet::RecordDeleted);
    }
    EXPECT_TRUE(column("SELECT id_text FROM tab_text WHERE id_text = 1").empty());
}

TEST_F(Edit, ValuesAreStoredAsTheEngineWritesThem) {
    const auto rs = m_db->openRecordset("dates", RecordsetType::Table);
    const struct {
        const char* field;
        Variant written;
        const char* stored; // as text
    } cases[] = {
        {"d", Variant(platform::Date{2007, 3, 4, 0, 0, 0}), "2007-03-04"},
        {"d", Variant(platform::Date{2007, 3, 4, 5, 6, 7}), "2007-03-04 05:06:07"},
        {"x", Variant(2.5), "2.5"},
        {"x", Variant("text"), "text"},
        {"x", Variant(), "<null>"}, // Empty is written as Null
    };
    int id = 1;
    for (const auto& c : cases) {
        rs->addNew();
        rs->setField("id", Variant(id));
        rs->setField(c.field, c.written);
        rs->update();
        const std::string f = c.field;
        EXPECT_EQ(column("SELECT IIf(IsNull(" + f + "), '<null>', " + f +
                         " & '') FROM dates WHERE id = " + std::to_string(id)),
                  std::vector<Variant>{Variant(c.stored)});
        ++id;
    }
    // Dates read back as written, and a criteria's #date# finds them.
    const auto dynaset = m_db->openRecordset("SELECT * FROM dates ORDER BY id", RecordsetType::Dynaset);
    EXPECT_EQ(dynaset->field("d"), Variant(platform::Date{2007, 3, 4, 0, 0, 0}));
    dynaset->findFirst("d = #2007-03-04 05:06:07#");
    EXPECT_FALSE(dynaset->noMatch());
    EXPECT_EQ(dynaset->field("id"), Variant(2));
    dynaset->findFirst("d = #3/4/2007#");
    EXPECT_EQ(dynaset->field("id"), Variant(1));
}

TEST_F(Edit, AnEditTheFileRefusesNamesTheFile) {
    const std::string named = "Cannot update. Database or object is read-only: '" + m_path + "'.";
    {
        SCOPED_TRACE("opened read-only");
        const auto db = open(true);
        const auto rs = db->openRecordset("tab_text", RecordsetType::Table);
        EXPECT_EQ(test_support::raisedError([&] { rs->edit(); }).description(), named);
    }
    {
        SCOPED_TRACE("a file and folder that may not be written");
        m_db.reset();
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_read);
        const test_support::ScopedReadOnlyFolder readOnly(m_dir.path());
        if (!readOnly.effective()) {
            GTEST_SKIP() << "the folder cannot be made read-only here";
        }
        const auto db = open();
        const platform::CallError e = test_support::raisedError([&] {
            const auto rs = db->openRecordset("tab_text", RecordsetType::Dynaset);
            rs->edit();
            rs->setField("german", Variant("neu"));
            rs->update();
        });
        // Read-only (3027) where the file is, a failed write (3043) where only the folder refuses.
        EXPECT_TRUE(e.number() == jet::ReadOnly || e.number() == jet::DiskOrNetworkError) << e.description();
        EXPECT_NE(e.description().find("'" + m_path + "'"), std::string::npos) << e.description();
    }
}
