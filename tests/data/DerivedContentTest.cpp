// What the build derives from the rows it is given: the search form of the designations, the
// composition-search table and the filter database's copies.

#include "DatabaseChecks.h"
#include "TestDatabases.h"
#include "datatools/SqliteConnection.h"

#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <string>

namespace datachecks {
namespace {

class DerivedContent : public ::testing::Test {
protected:
    void SetUp() override {
        m_pair = buildFixtureDatabases(m_dir.path());
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
                                   "SuchBezeichnung = 'SampleInox18'"),
              1);
    EXPECT_EQ(m_main->queryInteger("SELECT COUNT(*) FROM tabStahlbez WHERE Id_Stahlbez = 23 AND "
                                   "SuchBezeichnung = '42CRMO4-OLD'"),
              1);
    EXPECT_EQ(m_filter->queryInteger(
                  "SELECT COUNT(*) FROM Stahlbez_Gruppe_Land WHERE SuchBezeichnung = 'x5crni18-10'"),
              1)
        << "the search form compares without regard to case";
}

TEST_F(DerivedContent, CompositionSearchTableHoldsEachElementsRange) {
    struct Case {
        const char* column;
        long long hundredths; // -1: NULL
    };
    // Composition 1: C at most 0.07, Cr 17.5 to 19.5, Fe the balance, no Mo.
    const Case cases[] = {{"C_min", 0},     {"C_max", 7},   {"Cr_min", 1750},
                          {"Cr_max", 1950}, {"Fe_min", -1}, {"Mo_min", -1}};
    for (const Case& c : cases) {
        EXPECT_EQ(hundredths(*m_main, std::string("SELECT ") + c.column +
                                          " FROM tabAnalyseSuchen WHERE Id_Analyse = 1"),
                  c.hundredths)
            << c.column;
    }
    EXPECT_EQ(m_main->queryInteger("SELECT COUNT(*) FROM tabAnalyseSuchen"), 2);
}

TEST_F(DerivedContent, StandardFilterListsAnOccurrenceOncePerStandard) {
    // Occurrence 101 is listed by two editions of one standard.
    EXPECT_EQ(m_filter->queryInteger(
                  "SELECT COUNT(*) FROM Stahlbez_Gruppe_Land_Norm WHERE Id_StahlbezVorkommen = 101"),
              1);
    EXPECT_EQ(m_filter->queryInteger("SELECT COUNT(*) FROM Stahlbez_Gruppe_Land_Norm_Firma"), 1);
    EXPECT_EQ(m_filter->queryInteger("SELECT COUNT(*) FROM Stahlbez_Gruppe_Land_Firma WHERE Id_Firma = 1"),
              1);
}

TEST_F(DerivedContent, StandardsListHasOneRowPerStandardFromItsFirstEdition) {
    EXPECT_EQ(m_filter->queryInteger("SELECT COUNT(*) FROM Normliste"), 2);
    EXPECT_EQ(
        m_filter->queryInteger("SELECT COUNT(*) FROM Normliste WHERE Id_Norm = 1 AND Stand = '2005' AND "
                               "Nachfolgedokument = 'EN 10088-2:2014' AND Landeskuerzel = 'EU'"),
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
    m_main->execute("DELETE FROM tabLand WHERE ID_Land = 30");
    m_main->execute("UPDATE tabInfotext SET Info_F = NULL");
    m_main->execute("UPDATE tabEigenschaftswerte SET SID_Zustand = 999");

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
    m_main->execute("UPDATE tabAnalyseWert SET MinWert = 17.25 WHERE Id_AnalyseWert = 2");
    EXPECT_EQ(elementsShortOfDecimals(*m_main),
              std::vector<std::string>{"tabElemente.C: 2 decimal places, 0.025 needs 3"});
    m_main->execute("UPDATE tabElemente SET Anzahl_NK = 3 WHERE ID_Element = 'C'");
    EXPECT_TRUE(elementsShortOfDecimals(*m_main).empty());

    // A national number in the country of the national symbol 304, merged there from elsewhere.
    m_main->execute("INSERT INTO tabStahlbez (Id_Stahlbez, ID_Stahl, Bezeichnung, Kennung, Prioritaet, "
                    "ID_BezeichnungStatus) VALUES (15, 1, 'S30400', 'W', 5, 1)");
    m_main->execute(
        "INSERT INTO tabStahlbezVorkommen (Id_StahlbezVorkommen, Id_Stahlbez, Id_Land, IndexSort, "
        "SupW, SupK, SupEur) VALUES (106, 15, 5, 9, 0, 0, 0), (107, 15, 30, 10, 0, 0, 0)");
    EXPECT_EQ(nationalNumbersNotHidden(*m_main),
              std::vector<std::string>{"S30400 (USA): shown beside the national symbol (SupW not set)"})
        << "Germany has no national symbol of the steel";
    m_main->execute("UPDATE tabStahlbezVorkommen SET SupW = -1 WHERE Id_StahlbezVorkommen = 107");
    EXPECT_TRUE(nationalNumbersNotHidden(*m_main).empty());

    EXPECT_TRUE(designationsOfSupersededStandardsShownCurrent(*m_main).empty())
        << "1.4301 is listed by a superseded and by a current edition";
    m_main->execute(
        "UPDATE tabNormVariante SET Nachfolgedokument = 'EN 10083-3:2006' WHERE Id_NormVariante = 3");
    EXPECT_EQ(designationsOfSupersededStandardsShownCurrent(*m_main),
              (std::vector<std::string>{"1.7225: shown as current, its standards are all superseded",
                                        "42CrMo4: shown as current, its standards are all superseded"}));

    EXPECT_TRUE(suppliersWithoutShapes(*m_main).empty());
    m_main->execute("INSERT INTO zuoStahlbez_Firma (ID_Stahlbez, ID_Firma) VALUES (22, 1)");
    EXPECT_EQ(suppliersWithoutShapes(*m_main),
              std::vector<std::string>{"firm 1, steel group 10201: supplied without a product shape"});
}

} // namespace
} // namespace datachecks
