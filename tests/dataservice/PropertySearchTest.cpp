// The property-search vocabulary: mask layout, pick lists, search ids, unit and tendencies, and
// caller-built statements.

#include "ServiceTestSupport.h"
#include "dataservice/PropertySearchManager.h"

#include <functional>

namespace servicetest {
namespace {

using orvik::dataservice::PropertySearchManager;
using platform::db::RecordsetType;
using Ids = std::vector<std::int64_t>;
using Texts = std::vector<std::string>;

class PropertySearchTest : public FixtureTest {
protected:
    PropertySearchManager manager;
    EventLog log{manager};
};

TEST_F(PropertySearchTest, MaskLayoutInColumnOrder) {
    const auto rs = manager.GetSearchFields(db());
    ASSERT_TRUE(rs);
    EXPECT_EQ(columnNames(rs), (Texts{"Spalte", "Feldname", "Breite", "Ausrichtung", "Combo", "Comboinhalt",
                                      "ControlIndex", "Negierbar", "Symbol", "Vergleich"}));
    EXPECT_EQ(integers(rs, "Spalte"), (Ids{1, 2, 3}));
}

TEST_F(PropertySearchTest, PickListsOfferTheSearchableRowsInTheLanguagesOrder) {
    using List = RecordsetPtr (PropertySearchManager::*)(const DatabasePtr&, std::int32_t);
    struct Case {
        const char* name;
        List list;
        std::int32_t lang;
        Ids ids;
        Ids searchIds;
        Texts texts;
    };
    const std::vector<Case> cases = {
        {"properties by name",
         &PropertySearchManager::GetPropertiesForSearch,
         0,
         {6, 4, 5, 2, 1},
         {106, 104, -1, 40000, 101},
         {"Härtetemperatur", "Hinweis", "Schweißeignung", "Streckgrenze", "Zugfestigkeit"}},
        {"properties by English name",
         &PropertySearchManager::GetPropertiesForSearch,
         2,
         {6, 4, 1, 5, 2},
         {106, 104, 101, -1, 40000},
         {"Hardening temperature", "Note", "Tensile strength", "Weldability", "Yield strength"}},
        {"states", &PropertySearchManager::GetStatesForSearch, 0, {2, 1}, {12, 11}, {"vergütet", "geglüht"}},
        {"states, user-defined",
         &PropertySearchManager::GetStatesForSearch,
         3,
         {1, 2},
         {11, 12},
         {"annealed", "quenched and tempered"}},
        {"coolings", &PropertySearchManager::GetCoolingsForSearch, 0, {2, 1}, {22, 21}, {"Wasser", "Luft"}},
        {"durations deliver their factor",
         &PropertySearchManager::GetDurationsForSearch,
         1,
         {1, 2},
         {3100, 3200},
         {"heures", "minutes"}},
        {"forms", &PropertySearchManager::GetFormsForSearch, 0, {1, 2}, {41, 42}, {"Blech", "Stab"}},
        {"specimens", &PropertySearchManager::GetSpecimensForSearch, 0, {2, 1}, {52, 51}, {"quer", "längs"}},
        {"specimens, user-defined",
         &PropertySearchManager::GetSpecimensForSearch,
         3,
         {1, 2},
         {51, 52},
         {"longitudinal", "transverse"}},
        {"classifications", &PropertySearchManager::GetClassificationsForSearch, 0, {1}, {61}, {"Klasse A"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(integers((manager.*c.list)(db(), c.lang), "ID"), c.ids);
        EXPECT_EQ(integers((manager.*c.list)(db(), c.lang), "SID"), c.searchIds);
        EXPECT_EQ(texts((manager.*c.list)(db(), c.lang), "Bezeichnung"), c.texts);
    }
    EXPECT_EQ(log.count(), 0u);
}

TEST_F(PropertySearchTest, SearchIdsOfOneRowAre32Bit) {
    using Lookup = std::int32_t (PropertySearchManager::*)(const DatabasePtr&, std::int32_t);
    struct Case {
        const char* name;
        Lookup lookup;
        std::int32_t id;
        std::int32_t searchId;
    };
    const Case cases[] = {
        {"property", &PropertySearchManager::GetPropertySearchId, 1, 101},
        {"property beyond 16 bits", &PropertySearchManager::GetPropertySearchId, 2, 40000},
        {"property without a row", &PropertySearchManager::GetPropertySearchId, 99, 0},
        {"state", &PropertySearchManager::GetStateSearchId, 3, 13},
        {"cooling", &PropertySearchManager::GetCoolingSearchId, 2, 22},
        {"duration reads its own search id", &PropertySearchManager::GetDurationSearchId, 1, 31},
        {"form", &PropertySearchManager::GetFormSearchId, 2, 42},
        {"specimen", &PropertySearchManager::GetSpecimenSearchId, 1, 51},
        {"classification beyond 16 bits", &PropertySearchManager::GetClassificationSearchId, 2, 70000},
        {"classification without a row", &PropertySearchManager::GetClassificationSearchId, 9, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ((manager.*c.lookup)(db(), c.id), c.searchId);
    }
    EXPECT_EQ(log.count(), 0u);
}

TEST_F(PropertySearchTest, ANullSearchIdIsAFailure) {
    EXPECT_EQ(manager.GetPropertySearchId(db(), 5), 0);
    ASSERT_EQ(log.count(), 1u);
    EXPECT_EQ(log.events().front()->Procedure(), "GetPropertySearchId");
}

TEST_F(PropertySearchTest, UnitAndTendencies) {
    EXPECT_EQ(manager.GetPropertyUnitStringById(db(), 1), "MPa");
    EXPECT_EQ(manager.GetPropertyUnitStringById(db(), 3), "");
    EXPECT_EQ(manager.GetPropertyUnitStringById(db(), 99), "");
    EXPECT_EQ(manager.GetTemperatureTendencyStringByID(db(), 1), 3);
    EXPECT_EQ(manager.GetTemperatureTendencyStringByID(db(), 2), 0);
    EXPECT_EQ(manager.GetTemperatureTendencyStringByID(db(), 99), 0);
    EXPECT_EQ(manager.GetDRMTendencyStringByID(db(), 2), 2);
    EXPECT_EQ(manager.GetDRMTendencyStringByID(db(), 1), 0);
    EXPECT_EQ(log.count(), 0u);
}

TEST_F(PropertySearchTest, CallerStatementsRunUnchanged) {
    const auto snapshot =
        manager.ExecuteRecordset(db(), "SELECT ID_Eigenschaft FROM tabEigenschaft ORDER BY 1;");
    ASSERT_TRUE(snapshot);
    EXPECT_EQ(snapshot->type(), RecordsetType::Snapshot);
    EXPECT_EQ(integers(snapshot, "ID_Eigenschaft"), (Ids{1, 2, 3, 4, 5, 6}));
    const auto forward = manager.ExecuteRecordset(db(), "SELECT ID_Form FROM tabForm WHERE Suchbar = True;",
                                                  RecordsetType::ForwardOnly);
    ASSERT_TRUE(forward);
    EXPECT_EQ(forward->type(), RecordsetType::ForwardOnly);
    EXPECT_EQ(log.count(), 0u);
    EXPECT_FALSE(manager.ExecuteRecordset(db(), "SELECT nothing FROM nowhere;"));
    ASSERT_EQ(log.count(), 1u);
    EXPECT_EQ(log.events().front()->Procedure(), "ExecuteRecordset");
}

} // namespace
} // namespace servicetest
