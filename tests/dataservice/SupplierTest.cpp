// Suppliers with their addresses, and the product shapes of a steel group.

#include "ServiceTestSupport.h"
#include "dataservice/ProductShapeManager.h"
#include "dataservice/SupplierManager.h"

#include <algorithm>

namespace servicetest {
namespace {

using orvik::dataservice::ProductShapeManager;
using orvik::dataservice::SupplierManager;
using Ids = std::vector<std::int64_t>;
using Texts = std::vector<std::string>;

class SupplierTest : public FixtureTest {
protected:
    SupplierManager manager;
    EventLog log{manager};
};

// Supplier 3 has no head office, so it is missing from the lists of head offices.
TEST_F(SupplierTest, ListShowsEveryHeadOfficeOnceWithTheSuppliersCountryByCode) {
    const auto rs = manager.GetList(db());
    ASSERT_TRUE(rs);
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->field("Name1").asText(), "(USA) Steel Inc.");
    EXPECT_EQ(integers(rs, "ID_Firma"), (Ids{2, 1}));
}

TEST_F(SupplierTest, SuppliersOfASteelWithTheCountryOfTheAddress) {
    const auto rs = manager.GetForSteel(db(), "1");
    ASSERT_TRUE(rs);
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->field("Landeskuerzel").asText(), "GB");
    EXPECT_EQ(integers(rs, "ID_Firma"), (Ids{2, 1}));
}

TEST_F(SupplierTest, AddressAndSecondNameLine) {
    EXPECT_EQ(manager.GetAddressById(db(), 2), "Steel Inc., Main St., Pittsburgh");
    EXPECT_EQ(manager.GetAddressById(db(), 3), "");
    EXPECT_EQ(manager.GetAddressById(db(), 99), "");
    EXPECT_EQ(manager.GetName2ByIdAndBranch(db(), 1, 2), "Werk Süd");
    EXPECT_EQ(manager.GetName2ByIdAndBranch(db(), 2, 1), "");
    EXPECT_EQ(log.count(), 0u);
}

TEST_F(SupplierTest, SuppliersOfATradeName) {
    auto ids = integers(manager.GetForDesignation(db(), "14"), "ID_Firma");
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (Ids{1, 2}));
}

TEST_F(SupplierTest, ExportListsEveryAddressWithColumnNamesInTheLanguage) {
    const Texts german = {"Code",       "Name1",       "Name2",    "Strasse",     "PLZStrasse",
                          "OrtStrasse", "PLZPostfach", "Postfach", "OrtPostfach", "Tel",
                          "Fax",        "EMail",       "Land",     "LfdNr"};
    const Texts french = {"code", "nom1",     "nom2", "rue", "codepostal_rue", "ville_rue", "codepostal_BP",
                          "BP",   "ville_BP", "tel",  "fax", "email",          "pays",      "LfdNr"};
    const Texts english = {"code",        "name1",          "name2",   "street",   "postalcode_street",
                           "city_street", "postalcode_POB", "POB",     "city_POB", "phone",
                           "fax",         "email",          "country", "LfdNr"};
    struct Case {
        std::int32_t lang;
        const Texts& columns;
    };
    const Case cases[] = {{0, german}, {1, french}, {2, english}, {3, english}, {7, english}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lang);
        const auto rs = manager.GetForSteelExport(db(), "1", c.lang);
        ASSERT_TRUE(rs);
        EXPECT_EQ(columnNames(rs), c.columns);
        EXPECT_EQ(texts(rs, c.columns.front()), (Texts{"A100", "B200", "B200", "C300"}));
    }
    EXPECT_EQ(texts(manager.GetForSteelExport(db(), "1", 0), "Land"),
              (Texts{"Großbritannien", "Deutschland", "Deutschland", "Deutschland"}));
    EXPECT_EQ(log.count(), 0u);
}

TEST_F(SupplierTest, SuppliersOfASteelInAProductShapeWithTheSuppliersCountry) {
    const auto rs = manager.GetForSteelAndProductShape(db(), "1", 1);
    ASSERT_TRUE(rs);
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->field("Landeskuerzel").asText(), "USA");
    EXPECT_EQ(integers(rs, "ID_Firma"), (Ids{2, 1}));
    EXPECT_EQ(integers(manager.GetForSteelAndProductShape(db(), "1", 2), "ID_Firma"), Ids{1});
    EXPECT_EQ(integers(manager.GetForSteelAndProductShape(db(), "1", 3), "ID_Firma"), Ids{});
}

TEST_F(FixtureTest, ProductShapesOfAGroupComeOnceEachByName) {
    ProductShapeManager manager;
    EventLog log(manager);
    EXPECT_EQ(integers(manager.GetForSteelgroup(db(), 2, 0), "ID_Lieferform"), (Ids{1, 2, 3}));
    EXPECT_EQ(texts(manager.GetForSteelgroup(db(), 2, 2), "Lieferform"), (Texts{"Pipe", "Sheet", "Wire"}));
    EXPECT_EQ(integers(manager.GetForSteelgroup(db(), 10001, 0), "ID_Lieferform"), Ids{1});
    EXPECT_EQ(log.count(), 0u);
}

} // namespace
} // namespace servicetest
