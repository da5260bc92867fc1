// Countries and steel groups.

#include "ServiceTestSupport.h"
#include "dataservice/CountryManager.h"
#include "dataservice/SteelgroupManager.h"

namespace servicetest {
namespace {

using orvik::dataservice::CountryManager;
using orvik::dataservice::SteelgroupManager;
using Ids = std::vector<std::int64_t>;
using Texts = std::vector<std::string>;

class CountryTest : public FixtureTest {
protected:
    CountryManager manager;
    EventLog log{manager};
};

TEST_F(CountryTest, FilterListLeavesOutCountriesNotOfferedAndSortsByNameInTheLanguage) {
    EXPECT_EQ(integers(manager.GetList(db(), 0), "ID_Land"), (Ids{5, 34, 18, 32, 53, 16, 30}));
    EXPECT_EQ(integers(manager.GetList(db(), 2), "ID_Land"), (Ids{16, 34, 18, 5, 53, 32, 30}));
    EXPECT_EQ(log.count(), 0u);
}

TEST_F(CountryTest, OneCountryWhetherOfferedInTheFilterOrNot) {
    const auto rs = manager.GetById(db(), 52, 1);
    ASSERT_TRUE(rs);
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->field("Land").asText(), "Canada");
    EXPECT_EQ(rs->field("Landeskuerzel").asText(), "CDN");
}

TEST_F(CountryTest, CountryOfASteelAndOfADesignationOccurrence) {
    const auto steel = manager.GetForSteel(db(), "4", 0);
    ASSERT_TRUE(steel);
    ASSERT_FALSE(steel->eof());
    EXPECT_EQ(steel->field("Land").asText(), "Vereinigte Staaten");
    EXPECT_EQ(steel->field("Id_Land").asInteger(), 30);
    EXPECT_EQ(steel->field("EuLand").asInteger(), 0);

    const auto occurrence = manager.GetForDesignationCountry(db(), "110", 0);
    ASSERT_TRUE(occurrence);
    ASSERT_FALSE(occurrence->eof());
    EXPECT_EQ(occurrence->field("ID_Land").asInteger(), 18);
    EXPECT_EQ(occurrence->field("Landeskuerzel").asText(), "F");
    EXPECT_EQ(occurrence->field("EuLand").asInteger(), -1);
}

TEST_F(CountryTest, CountriesWithPropertyTablesComeOnceEach) {
    EXPECT_EQ(integers(manager.GetForProperties(db(), 0), "ID_Land"), (Ids{5, 34}));
}

TEST_F(CountryTest, IdBySymbol) {
    EXPECT_EQ(manager.GetCountryIdBySymbol(db(), "GB"), 32);
    EXPECT_EQ(manager.GetCountryIdBySymbol(db(), "usa"), 30);
    EXPECT_EQ(manager.GetCountryIdBySymbol(db(), "XX"), 0);
    // A quote is part of the symbol, not of the statement: no such country.
    EXPECT_EQ(manager.GetCountryIdBySymbol(db(), "D') OR ('1'='1"), 0);
    EXPECT_EQ(manager.GetCountryIdBySymbol(db(), "O'K"), 0);
    EXPECT_EQ(log.count(), 0u);
}

TEST_F(CountryTest, SymbolById) {
    EXPECT_EQ(manager.GetCountrySymbolById(db(), 32), "GB");
    EXPECT_EQ(manager.GetCountrySymbolById(db(), 99), "");
    EXPECT_EQ(log.count(), 0u);
}

class SteelgroupTest : public FixtureTest {
protected:
    SteelgroupManager manager;
    EventLog log{manager};
};

TEST_F(SteelgroupTest, ListShowsTheVisibleGroupsByName) {
    const auto rs = manager.GetList(db(), 0);
    ASSERT_TRUE(rs);
    EXPECT_EQ(columnNames(rs), (Texts{"ID_Stahlgruppe", "IntGruppe", "ID_Gruppe", "Gruppe"}));
    EXPECT_EQ(integers(rs, "ID_Stahlgruppe"), (Ids{1, 10001, 2}));
}

TEST_F(SteelgroupTest, OneGroupWithItsDetailText) {
    const auto rs = manager.GetById(db(), 10001, 1);
    ASSERT_TRUE(rs);
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->field("Gruppe").asText(), "Aciers à grain fin");
    EXPECT_EQ(rs->field("Detail").asText(), "soudable");
}

TEST_F(SteelgroupTest, AHiddenGroupIsStillTheGroupOfItsSteels) {
    EXPECT_EQ(texts(manager.GetForSteel(db(), "4", 0), "Gruppe"), Texts{"Versuchsstähle"});
    EXPECT_EQ(texts(manager.GetForSteel(db(), "2", 2), "Detail"), Texts{"weldable"});
    EXPECT_EQ(log.count(), 0u);
}

} // namespace
} // namespace servicetest
