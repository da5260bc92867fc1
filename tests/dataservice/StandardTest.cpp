// Standards and the standard comparison.

#include "ServiceTestSupport.h"
#include "dataservice/StandardManager.h"

namespace servicetest {
namespace {

using orvik::dataservice::StandardManager;
using Ids = std::vector<std::int64_t>;
using Texts = std::vector<std::string>;

class StandardTest : public FixtureTest {
protected:
    StandardManager manager;
    EventLog log{manager};
};

TEST_F(StandardTest, ListNamesEveryStandardWithItsStatusAndCountry) {
    const auto rs = manager.GetList(db(), 0);
    ASSERT_TRUE(rs);
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->field("Name").asText(), "DIN EN 10088-2 (2005) gültig (EU)");
    EXPECT_EQ(rs->field("Dokument").asText(), "EN DIN EN 10088-2 (2005) gültig");
    rs->moveNext();
    EXPECT_EQ(rs->field("Name").asText(), "DIN 17440 (1996) zurückgezogen (D)");
    EXPECT_EQ(rs->field("Dokument").asText(), "DIN DIN 17440 (1996) zurückgezogen");
    EXPECT_EQ(integers(manager.GetList(db(), 0), "Id_Norm"), (Ids{100, 200, 300, 400, 500}));
}

// The program reads the standards list from the filter database.
TEST_F(StandardTest, ListOnTheFilterDatabase) {
    EXPECT_EQ(texts(manager.GetList(filterDb(), 0), "Name"), texts(manager.GetList(db(), 0), "Name"));
    EXPECT_EQ(texts(manager.GetList(filterDb(), 1), "Dokument"), texts(manager.GetList(db(), 1), "Dokument"));
    EXPECT_EQ(log.count(), 0u);
}

TEST_F(StandardTest, ListWithUserDefinedLanguageAppendsTheEnglishStatus) {
    EXPECT_EQ(texts(manager.GetList(db(), 3), "Name").front(), "DIN EN 10088-2 (2005) valid (EU)");
}

TEST_F(StandardTest, DetailsOfOneStandard) {
    const auto rs = manager.GetDetailsById(db(), 100, 0);
    ASSERT_TRUE(rs);
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->field("Normtyp").asText(), "EN");
    EXPECT_EQ(rs->field("Name").asText(), "EN DIN EN 10088-2 (2005) gültig");
    EXPECT_EQ(rs->field("Titel").asText(), "Nichtrostende Stähle");
    EXPECT_EQ(rs->field("Vorgaengerdokument").asText(), "DIN 17440");
    EXPECT_EQ(rs->field("Status").asText(), "gültig");
    EXPECT_EQ(rs->field("Land").asText(), "Europa");
    // A type name "-" is left out.
    EXPECT_EQ(texts(manager.GetDetailsById(db(), 500, 2), "Name"), Texts{"ASTM A240 (2020) valid"});
}

TEST_F(StandardTest, StandardsOfASteelInEveryCountryWithTheOccurrencesCountry) {
    const auto rs = manager.GetForSteel(db(), "1", 0);
    ASSERT_TRUE(rs);
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->field("Name").asText(), "DIN EN 10088-2 (2005) gültig (EU)");
    EXPECT_EQ(integers(rs, "Id_Norm"), (Ids{100, 500, 200}));
    EXPECT_EQ(log.count(), 0u);
}

TEST_F(StandardTest, StandardsOfASteelWhoseTypeBelongsToTheCountry) {
    struct Case {
        const char* steel;
        std::int32_t country;
        Texts names;
    };
    const Case cases[] = {
        {"1", 34, {"EN DIN EN 10088-2 (2005) gültig"}},
        {"1", 5, {"DIN DIN 17440 (1996) zurückgezogen"}},
        {"1", 30, {"ASTM A240 (2020) gültig"}},
        {"3", 5, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.steel) + " in " + std::to_string(c.country));
        const auto rs = manager.GetForSteelAndCountry(db(), c.steel, c.country, 0);
        ASSERT_TRUE(rs);
        EXPECT_EQ(texts(rs, "Name"), c.names);
    }
    EXPECT_EQ(texts(manager.GetForSteelAndCountry(db(), "1", 34, 0), "Name2"), Texts{"EN 10088-2"});
}

TEST_F(StandardTest, StandardsWithPropertyDataNameInEnglish) {
    const auto rs = manager.GetForPropertiesSteelAndCountry(db(), "1", 5, 0);
    ASSERT_TRUE(rs);
    ASSERT_FALSE(rs->eof());
    EXPECT_EQ(rs->field("Name").asText(), "EN DIN EN 10088-2 (2005) valid");
    EXPECT_EQ(rs->field("Titel").asText(), "Nichtrostende Stähle");
    EXPECT_EQ(integers(rs, "Id_NormVariante"), (Ids{1000, 2000}));
}

TEST_F(StandardTest, DocumentsOfAStandard) {
    EXPECT_EQ(texts(manager.GetStandardDocuments(db(), 200), "Nachfolgedokument"), Texts{"DIN EN 10088-2"});
}

// Steel 1 shares K1 with steel 3 and the key O'K with steel 4: their symbols, one row per
// occurrence and standard, by country name, status and variant order.
TEST_F(StandardTest, ComparisonListsTheSymbolsOfEverySteelSharingAKey) {
    for (const std::int32_t country : {5, 34}) {
        SCOPED_TRACE(country);
        const auto rs = manager.GetStandardComparisonsForSteel(db(), "1", country, 0);
        ASSERT_TRUE(rs);
        EXPECT_EQ(integers(rs, "Id_StahlbezVorkommen"), (Ids{113, 105, 103, 114, 104, 116}));
    }
    EXPECT_EQ(log.count(), 0u);
}

TEST_F(StandardTest, ComparisonRowsCarryTheDecoratedDesignationAndTheStandardsName) {
    const auto rs = manager.GetStandardComparisonsForSteel(db(), "1", 5, 0);
    ASSERT_TRUE(rs);
    std::vector<Texts> rows;
    for (; !rs->eof(); rs->moveNext()) {
        rows.push_back(
            {rs->field("Bezeichnung").asText(), rs->field("Land").asText(), rs->field("Name").asText()});
    }
    const std::vector<Texts> expected = {
        {"C45", "Deutschland", ""},
        {"(X5CrNi 18 10)", "Deutschland", "DIN 17440 (1996) zurückgezogen (D)"},
        {"X5CrNi18-10", "Europa", "DIN EN 10088-2 (2005) gültig (EU)"},
        {"C45E", "Europa", "DIN EN 10025-2gültig (EU)"},
        {"X5CrNi18-10", "Großbritannien", ""},
        {"Test4", "Kanada", ""},
    };
    EXPECT_EQ(rows, expected);
}

TEST_F(StandardTest, ASteelWithoutComparisonKeysHasNoComparison) {
    EXPECT_FALSE(manager.GetStandardComparisonsForSteel(db(), "5", 5, 0));
    EXPECT_EQ(log.count(), 0u);
    EXPECT_EQ(integers(manager.GetStandardComparisonsForSteel(db(), "2", 5, 0), "Id_StahlbezVorkommen"),
              (Ids{109, 110}));
}

} // namespace
} // namespace servicetest
