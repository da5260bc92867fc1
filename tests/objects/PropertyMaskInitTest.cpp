// The property-search mask on the sample database: the grid layout, the pick lists with their
// search ids, the per-property look-ups, and what an unknown kind or an unbound mask answers.

#include "objects/PropertyMaskInit.h"

#include "ObjectsTestSupport.h"
#include "PrintTestSupport.h"
#include "objects/Application.h"
#include "objects/PropertySearchFields.h"
#include "platform/CallError.h"
#include "test_support/FixtureDatabases.h"

#include <gtest/gtest.h>

namespace {

using orvik::objects::PropertyMaskInit;
using platform::Variant;

class PropertyMaskInitTest : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::runScript(m_program.databaseFolder() / "Graukant.MDB",
                                "UPDATE tabEigenschaftssuche SET Vergleich = NULL WHERE Spalte = 2;");
        m_app = objectstest::connectedApplication();
        m_mask = m_app->PropertyMaskInit();
    }

    objectstest::TestProgram m_program;
    std::shared_ptr<orvik::objects::Application> m_app;
    std::shared_ptr<PropertyMaskInit> m_mask;
};

TEST_F(PropertyMaskInitTest, LayoutIsLoadedOnceWithItsVisibleBounds) {
    const auto fields = m_mask->PropertySearchFields();
    EXPECT_EQ(m_mask->PropertySearchFields(), fields);
    EXPECT_EQ(fields->Count(), 17);
    EXPECT_EQ(fields->First_Visible_Column(), 1);
    EXPECT_EQ(fields->Last_Visible_Column(), 18);
    const auto& property = fields->Item(Variant(1));
    EXPECT_EQ(property->Fieldname, "tabEigenschaftswerte.SId_Eigenschaft");
    EXPECT_EQ(property->Symbol, "@SE");
    EXPECT_TRUE(property->isCombo);
    EXPECT_EQ(property->ComboContent, "Eigenschaft");
    EXPECT_EQ(property->Width, 16);
    EXPECT_EQ(fields->Item(Variant("2"))->Comparison, "=") << "no comparison in the layout";
    EXPECT_EQ(fields->Item(Variant(3))->Comparison, "<=");
    EXPECT_FALSE(fields->Item(Variant(5))->Visible);
    EXPECT_TRUE(fields->Item(Variant(8))->Negativing);
    EXPECT_EQ(fields->Item(Variant(13))->Index, 2);
    EXPECT_THROW((void)fields->Item(Variant(4)), platform::CallError);
}

TEST_F(PropertyMaskInitTest, PickListsAndSearchIdsByKind) {
    const auto states = m_mask->GetSearchItems("Zustand");
    EXPECT_EQ(states->count(), 7);
    EXPECT_EQ(states->item(Variant("3")), "vergütet (+QT)");
    EXPECT_EQ(m_mask->GetSearchId("Zustand", 3), 103);
    EXPECT_EQ(m_mask->GetSearchId("Eigenschaft", 8), 1008);
    EXPECT_EQ(m_mask->GetPropteryUnitByID(1), "MPa");
    EXPECT_EQ(m_mask->GetTemperatureTendencyByID(1), -1);

    objectstest::ErrorLog log(m_mask->Error);
    for (const char* unknown : {"zustand", "Bezeichnung", ""}) {
        EXPECT_EQ(m_mask->GetSearchItems(unknown)->count(), 0) << unknown;
        EXPECT_EQ(m_mask->GetSearchId(unknown, 3), 0) << unknown;
    }
    EXPECT_EQ(log.count(), 0U);
}

TEST(PropertyMaskInitUnboundTest, UnboundMaskReportsAndAnswersEmpty) {
    PropertyMaskInit mask;
    objectstest::ErrorLog log(mask.Error);
    EXPECT_EQ(mask.PropertySearchFields()->Count(), 0);
    EXPECT_EQ(mask.GetSearchItems("Zustand")->count(), 0);
    EXPECT_EQ(mask.GetPropteryUnitByID(1), "");
    EXPECT_EQ(log.count(), 3U);
    ASSERT_NE(mask.LastError(), nullptr);
    EXPECT_EQ(mask.LastError()->Number(), 91);
}

} // namespace

namespace {

TEST(PropertySearchFieldsTest, VisibleBoundsFollowTheVisibleColumnsInAnyOrder) {
    propstest::ScratchDatabase db(
        "CREATE TABLE t (Nr INTEGER, Spalte INTEGER, Breite INTEGER, Feldname TEXT, Vergleich TEXT);"
        "INSERT INTO t VALUES (1, 2, 10, 'a', '>='), (2, 5, 10, 'b', NULL), (3, 3, 10, 'c', '<='),"
        " (4, 1, 0, 'd', '='), (5, 9, 0, 'e', '=');");
    orvik::objects::PropertySearchFields fields;
    for (const auto rows = db.rows("SELECT * FROM t ORDER BY Nr"); !rows->eof(); rows->moveNext()) {
        (void)fields.Add(*rows);
    }
    EXPECT_EQ(fields.Count(), 5);
    EXPECT_EQ(fields.First_Visible_Column(), 2);
    EXPECT_EQ(fields.Last_Visible_Column(), 5);
    EXPECT_FALSE(fields.Item(Variant(1))->Visible);
    EXPECT_EQ(fields.Item(Variant("5"))->Comparison, "=");
    // Columns the layout row lacks keep their defaults.
    EXPECT_EQ(fields.Item(Variant(3))->Symbol, "");
    EXPECT_FALSE(fields.Item(Variant(3))->isCombo);

    orvik::objects::PropertySearchFields hidden;
    for (const auto rows = db.rows("SELECT * FROM t WHERE Breite = 0"); !rows->eof(); rows->moveNext()) {
        (void)hidden.Add(*rows);
    }
    EXPECT_EQ(hidden.First_Visible_Column(), 9999);
    EXPECT_EQ(hidden.Last_Visible_Column(), -9999);
}

} // namespace
