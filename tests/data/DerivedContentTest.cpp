// What the build derives from the rows it is given: the search form of the designations, the
// composition-search table and the filter database's copies.

#include "DatabaseChecks.h"
#include "datatools/SqliteConnection.h"
#include "test_support/FixtureDatabases.h"
#include "test_support/TempFolder.h"

#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <string>

namespace datachecks {
namespace {

using test_support::buildFixtureDatabases;
using test_support::DatabasePair;
using test_support::TempFolder;

// Rows of cases only these tests need, put in before the build derives its content: a designation
// whose search form is given, and an occurrence listed by two editions of one standard, the older of
// them first in order although its id is higher.
constexpr const char* extraRows = R"sql(
UPDATE tabStahlbez SET SuchBezeichnung = 'X5CRNI1810-OLD' WHERE Id_Stahlbez = 13;
INSERT INTO tabNormVariante (Id_NormVariante, Id_Norm, Id_NormBasis, Id_NormStatus, Id_Normtyp, Prefix, Stand,
                             Sortierung, Uebereinstimmung, Nachfolgedokument, Vorgaengerdokument, NichtAnzeigen)
VALUES (1001, 100, 1, 1, 3, 'EN', '1995', 0, NULL, 'EN 10088-2:2005', NULL, 0);
INSERT INTO zuoStahlbezVorkommen_NormVariante (Id_StahlbezVorkommen, Id_NormVariante) VALUES (103, 1001);
)sql";

class DerivedContent : public ::testing::Test {
protected:
    void SetUp() override {
        m_pair = buildFixtureDatabases(m_dir.path(), extraRows);
        m_main.emplace(m_pair.main, false);
        m_filter.emplace(m_pair.filter, false);
    }

    // A decimal value times 100, rounded; -1 for NULL.
    static long long hundredths(datatools::SqliteConnection& db, const std::string& expression) {
        return db.queryInteger("SELECT COALESCE(CAST(ROUND((" + expression + ") * 100) AS INTEGER), -1)");
    }

    TempFolder m_dir;
    DatabasePair m_pair;
    std::optional<datatools::SqliteConnection> m_main;
    std::optional<datatools::SqliteConnection> m_filter;
};

TEST_F(DerivedContent, SearchFormDropsBlanksUnlessGiven) {
    EXPECT_EQ(m_main->queryInteger("SELECT COUNT(*) FROM tabStahlbez WHERE Id_Stahlbez = 14 AND "
                                   "SuchBezeichnung = 'Nirosta4301'"),
              1);
    EXPECT_EQ(m_main->queryInteger("SELECT COUNT(*) FROM tabStahlbez WHERE Id_Stahlbez = 13 AND "
                                   "SuchBezeichnung = 'X5CRNI1810-OLD'"),
              1);
    EXPECT_EQ(m_filter->queryInteger("SELECT COUNT(*) FROM Stahlbez_Gruppe_Land WHERE SuchBezeichnung = "
                                     "'x5crni18-10' AND Id_StahlbezVorkommen = 103"),
              1)
        << "the search form compares without regard to case";
}

TEST_F(DerivedContent, CompositionSearchTableHoldsEachElementsRange) {
    struct Case {
        int composition;
        const char* column;
        long long hundredths; // -1: NULL
    };
    // Composition 1: C at most 0.07, Cr 17.5 to 19.5, no Mo; composition 5: Fe the balance.
    const Case cases[] = {{1, "C_min", 0},     {1, "C_max", 7},   {1, "Cr_min", 1750},
                          {1, "Cr_max", 1950}, {5, "Fe_min", -1}, {1, "Mo_min", -1}};
    for (const Case& c : cases) {
        EXPECT_EQ(hundredths(*m_main, std::string("SELECT ") + c.column +
                                          " FROM tabAnalyseSuchen WHERE Id_Analyse = " +
                                          std::to_string(c.composition)),
                  c.hundredths)
            << c.composition << " " << c.column;
    }
    EXPECT_EQ(m_main->queryInteger("SELECT COUNT(*) FROM tabAnalyseSuchen"), 5);
}

TEST_F(DerivedContent, StandardFilterListsAnOccurrenceOncePerStandard) {
    // Occurrence 103, of a designation that firm 1 supplies, is listed by two editions of one standard.
    EXPECT_EQ(m_filter->queryInteger(
                  "SELECT COUNT(*) FROM Stahlbez_Gruppe_Land_Norm WHERE Id_StahlbezVorkommen = 103"),
              1);
    EXPECT_EQ(m_filter->queryInteger(
                  "SELECT COUNT(*) FROM Stahlbez_Gruppe_Land_Norm_Firma WHERE Id_StahlbezVorkommen = 103"),
              1);
    EXPECT_EQ(m_filter->queryInteger("SELECT COUNT(*) FROM Stahlbez_Gruppe_Land_Firma WHERE Id_Firma = 1 AND "
                                     "Id_StahlbezVorkommen = 103"),
              1);
}

TEST_F(DerivedContent, StandardsListHasOneRowPerStandardFromItsFirstEdition) {
    EXPECT_EQ(m_filter->queryInteger("SELECT COUNT(*) FROM Normliste"), 5);
    EXPECT_EQ(
        m_filter->queryInteger("SELECT COUNT(*) FROM Normliste WHERE Id_Norm = 100 AND Stand = '1995' AND "
                               "Nachfolgedokument = 'EN 10088-2:2005' AND Landeskuerzel = 'EU'"),
        1);
}

TEST_F(DerivedContent, YesNoColumnsRefuseAnythingButMinusOneAndZero) {
    EXPECT_NO_THROW(m_main->execute("UPDATE tabLand SET Filter = 0 WHERE ID_Land = 5"));
    EXPECT_THROW(m_main->execute("UPDATE tabLand SET Filter = 1 WHERE ID_Land = 5"), std::runtime_error);
    EXPECT_THROW(m_main->execute("UPDATE tabStahlbez SET Kennung = 'X' WHERE Id_Stahlbez = 11"),
                 std::runtime_error);
}

// Each check finds the fault it is there for.
TEST_F(DerivedContent, ChecksReportTheFaultsTheyLookFor) {
    m_main->execute("DELETE FROM tabLand WHERE ID_Land = 52");
    m_main->execute("UPDATE tabInfotext SET Info_F = NULL WHERE ID_Infotitel = 5");
    m_main->execute("UPDATE tabEigenschaftswerte SET SID_Zustand = 999 WHERE ID_Eigenschaftswert = 1");

    const std::vector<std::string> references = unresolvedReferences(*m_main, mainDatabaseReferences());
    ASSERT_EQ(references.size(), 2U);
    EXPECT_EQ(references[0], "tabStahlbezVorkommen (Id_Land) -> tabLand (ID_Land): 1 rows unresolved");
    EXPECT_EQ(references[1], "tabEigenschaftswerte (ID_Zustand, SID_Zustand) -> tabZustand (ID_Zustand, "
                             "SID_Zustand): 1 rows unresolved");
    EXPECT_EQ(emptyLanguageColumns(*m_main),
              std::vector<std::string>{"tabInfotext.Info_F: 1 rows without text"});
    m_filter->execute("DELETE FROM tabFilterStahlbez WHERE Id_StahlbezVorkommen = 105");
    m_filter->attach(m_pair.main, "graukant");
    const std::vector<std::string> disagreeing = viewsDisagreeingWithMain(*m_filter, filterDatabaseViews());
    ASSERT_GE(disagreeing.size(), 1U);
    EXPECT_EQ(disagreeing[0].rfind("Stahlbez_Gruppe_Land: 1 rows missing", 0), 0U) << disagreeing[0];
    EXPECT_EQ(unresolvedReferences(*m_filter, filterDatabaseReferences()),
              (std::vector<std::string>{
                  "tabFilterNorm (Id_StahlbezVorkommen) -> tabFilterStahlbez (Id_StahlbezVorkommen): 1 rows "
                  "unresolved",
                  "tabFilterFirma (Id_Stahlbez) -> tabFilterStahlbez (Id_Stahlbez): 1 rows unresolved"}));

    m_main->execute("DROP INDEX idxStahlbezVorkommen_Land");
    EXPECT_EQ(unindexedReferences(*m_main, mainDatabaseReferences()),
              std::vector<std::string>{"tabStahlbezVorkommen.Id_Land: no index"});

    m_main->execute("DROP VIEW Normliste; CREATE VIEW Normliste AS SELECT Id_Norm FROM tabNormVariante");
    m_main->execute("CREATE VIEW Extra AS SELECT 1 AS One");
    EXPECT_EQ(unexpectedViewColumns(*m_main, mainDatabaseViews()),
              (std::vector<std::string>{
                  "Normliste: columns (Id_Norm), expected (Id_Norm, Id_Normtyp, Prefix, "
                  "Dokumentnummer, Stand, SufSuffix_D, SufSuffix_F, SufSuffix_E, Landeskuerzel, "
                  "Normtyp_D, Titel_D, Titel_F, Titel_E, Land_D, Land_F, Land_E, "
                  "Uebereinstimmung, Nachfolgedokument, Vorgaengerdokument, Sortierung)",
                  "Extra: a view nobody reads"}));
    m_main->execute("DELETE FROM tabStahlbezVorkommen");
    EXPECT_EQ(emptyViews(*m_main, mainDatabaseViews()),
              (std::vector<std::string>{"Stahlbez_Gruppe_Land: no rows", "Stahlbez_Gruppe_Land_Norm: no rows",
                                        "Stahlbez_Gruppe_Land_Firma: no rows",
                                        "Stahlbez_Gruppe_Land_Norm_Firma: no rows"}));
}

// The checks of what the lists show, each on the fixture with one fault put in.
TEST_F(DerivedContent, ContentChecksFindTheFaultsOfTheCuratedRows) {
    EXPECT_TRUE(elementsShortOfDecimals(*m_main).empty());
    m_main->execute("UPDATE tabAnalyseWert SET MaxWert = 0.025 WHERE Id_AnalyseWert = 1");
    m_main->execute("UPDATE tabAnalyseWert SET MinWert = 17.8 WHERE Id_AnalyseWert = 2");
    EXPECT_EQ(elementsShortOfDecimals(*m_main),
              std::vector<std::string>{"tabElemente.C: 2 decimal places, 0.025 needs 3"});
    m_main->execute("UPDATE tabElemente SET Anzahl_NK = 3 WHERE ID_Element = 'C'");
    EXPECT_TRUE(elementsShortOfDecimals(*m_main).empty());

    // The national number S30400 in the country of a national symbol 304, and in Austria.
    EXPECT_TRUE(nationalNumbersNotHidden(*m_main).empty());
    m_main->execute("INSERT INTO tabStahlbez (Id_Stahlbez, ID_Stahl, Bezeichnung, Kennung, Prioritaet, "
                    "ID_BezeichnungStatus) VALUES (16, 1, '304', 'K', 6, 1)");
    m_main->execute(
        "INSERT INTO tabStahlbezVorkommen (Id_StahlbezVorkommen, Id_Stahlbez, Id_Land, IndexSort, "
        "SupW, SupK, SupEur) VALUES (118, 16, 30, 80, 0, 0, 0), (119, 15, 16, 81, 0, 0, 0)");
    EXPECT_EQ(nationalNumbersNotHidden(*m_main),
              std::vector<std::string>{"S30400 (USA): shown beside the national symbol (SupW not set)"})
        << "Austria has no national symbol of the steel";
    m_main->execute("UPDATE tabStahlbezVorkommen SET SupW = -1 WHERE Id_StahlbezVorkommen = 107");
    EXPECT_TRUE(nationalNumbersNotHidden(*m_main).empty());

    EXPECT_TRUE(designationsOfSupersededStandardsShownCurrent(*m_main).empty())
        << "1.4301 is listed by a superseded and by a current edition";
    m_main->execute(
        "UPDATE tabNormVariante SET Nachfolgedokument = 'EN 10025-2:2019' WHERE Id_NormVariante = 3000");
    EXPECT_EQ(designationsOfSupersededStandardsShownCurrent(*m_main),
              (std::vector<std::string>{"S355J2: shown as current, its standards are all superseded",
                                        "C45E: shown as current, its standards are all superseded"}));

    EXPECT_TRUE(suppliersWithoutShapes(*m_main).empty());
    m_main->execute("INSERT INTO zuoStahlbez_Firma (ID_Stahlbez, ID_Firma) VALUES (22, 1)");
    EXPECT_EQ(suppliersWithoutShapes(*m_main),
              std::vector<std::string>{"firm 1, steel group 10001: supplied without a product shape"});
}

} // namespace
} // namespace datachecks
