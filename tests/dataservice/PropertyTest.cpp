// Property data of a steel and the remarks of property values.

#include "ServiceTestSupport.h"
#include "dataservice/PropertyFootnoteManager.h"
#include "dataservice/PropertyManager.h"

namespace servicetest {
namespace {

using orvik::dataservice::PropertyFootnoteManager;
using orvik::dataservice::PropertyManager;
using Ids = std::vector<std::int64_t>;
using Texts = std::vector<std::string>;

class PropertyTest : public FixtureTest {
protected:
    PropertyManager manager;
    EventLog log{manager};
};

TEST_F(PropertyTest, KindsBySortOrderOfTheLanguage) {
    EXPECT_EQ(integers(manager.GetPropertyTypeList(db(), 0), "ID"), (Ids{2, 3, 1, 4, 5}));
    const auto rs = manager.GetPropertyTypeList(db(), 3);
    ASSERT_TRUE(rs);
    EXPECT_EQ(texts(rs, "Kennung"), (Texts{"Mechanical", "Physical", "Heat treatment", "Notes", "Welding"}));
}

TEST_F(PropertyTest, StandardsWithPropertyValuesOneRowPerMatrix) {
    const auto rs = manager.GetPropertyStandardBySteelId(db(), "1", 5, 0);
    ASSERT_TRUE(rs);
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->field("Name").asText(), "EN DIN EN 10088-2 (2005) gültig");
    EXPECT_EQ(rs->field("NameKurz").asText(), "EN DIN EN 10088-2");
    EXPECT_EQ(rs->field("Title").asText(), "Nichtrostende Stähle");
    EXPECT_EQ(integers(rs, "Matrix"), (Ids{901, 900}));
    const auto none = manager.GetPropertyStandardBySteelId(db(), "3", 5, 0);
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->eof());
    EXPECT_EQ(log.count(), 0u);
}

TEST_F(PropertyTest, PropertiesOfATypeGroupNotesWithMechanicalAndWeldingWithHeatTreatment) {
    struct Case {
        std::int32_t type;
        Ids properties;
    };
    const Case cases[] = {{1, {2, 1}}, {4, {2, 1}}, {2, {3}}, {3, {}}, {5, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        const auto rs = manager.GetPropertiesBySteelAndType(db(), "1", 5, c.type, 0);
        ASSERT_TRUE(rs);
        EXPECT_EQ(integers(rs, "ID_Eigenschaft"), c.properties);
    }
    EXPECT_EQ(log.count(), 0u);
    for (const std::int32_t type : {0, 6}) {
        EXPECT_FALSE(manager.GetPropertiesBySteelAndType(db(), "1", 5, type, 0));
    }
    EXPECT_EQ(log.count(), 2u);
}

// Value 3 has no form and no state: it comes first, with empty condition texts. Value 6, of the other
// standard's matrix, follows value 1 of the same form, state, property and size by its specimen.
TEST_F(PropertyTest, ValueRowsByFormStateAndPropertyName) {
    const auto rs = manager.GetPropertiesBySteelAndCountry(db(), "1", 5, 0);
    ASSERT_TRUE(rs);
    ASSERT_FALSE(rs->eof());
    EXPECT_TRUE(rs->field("Zustand").isNull());
    EXPECT_TRUE(rs->field("Form").isNull());
    EXPECT_EQ(rs->field("Eigenschaft").asText(), "Dichte");
    EXPECT_EQ(integers(rs, "ID_Eigenschaftswert"), (Ids{3, 2, 1, 6, 4}));
    // In English the names order the values of form 1 the other way round (3, 1, 6, 2, 4).
    EXPECT_EQ(texts(manager.GetPropertiesBySteelAndCountry(db(), "1", 5, 2), "Abkuehlung"),
              (Texts{"<null>", "air", "<null>", "<null>", "water"}));
}

TEST_F(PropertyTest, ValueRowsOfOneMatrixAndKind) {
    EXPECT_EQ(
        integers(manager.GetPropertyValuesBySearchResult(db(), "1", 5, "900", 1, 0), "ID_Eigenschaftswert"),
        (Ids{2, 1, 4}));
    EXPECT_EQ(
        integers(manager.GetPropertyValuesBySearchResult(db(), "1", 5, "900", 2, 0), "ID_Eigenschaftswert"),
        Ids{3});
    EXPECT_EQ(
        integers(manager.GetPropertyValuesBySearchResult(db(), "1", 5, "900", 4, 0), "ID_Eigenschaftswert"),
        Ids{});
    EXPECT_EQ(log.count(), 0u);
}

TEST_F(PropertyTest, MatrixTextInTheLanguage) {
    EXPECT_EQ(manager.GetPropertiesForMatrixAndType(db(), "900", 1, 0), "<matrix lang=\"D\"/>");
    EXPECT_EQ(manager.GetPropertiesForMatrixAndType(db(), "900", 1, 3), "<matrix lang=\"E\"/>");
    EXPECT_EQ(manager.GetPropertiesForMatrixAndType(db(), "900", 2, 0), "");
    EXPECT_EQ(manager.GetPropertiesForMatrixAndType(db(), "999", 1, 0), "");
    EXPECT_EQ(log.count(), 0u);
    EXPECT_EQ(manager.GetPropertiesForMatrixAndType(db(), "900", 1, 4), "");
    EXPECT_EQ(log.count(), 1u);
}

TEST_F(FixtureTest, RemarksOfPropertyValues) {
    PropertyFootnoteManager manager;
    EventLog log(manager);
    EXPECT_EQ(integers(manager.GetFootnoteIdListByPropertyValueId(db(), "1"), "ID_Bemerkung"), (Ids{1, 2}));
    EXPECT_EQ(texts(manager.GetFootnoteById(db(), "2", 3), "Bemerkung"), Texts{"Remark two"});
    EXPECT_EQ(texts(manager.GetFootnoteByPropertyValueId(db(), "1", 1), "Bemerkung"),
              (Texts{"Remarque un", "Remarque deux"}));
    EXPECT_EQ(log.count(), 0u);
}

} // namespace
} // namespace servicetest
