// Every statement shape the data service builds, as it builds it, translates and compiles against
// the materials database schema: no unknown table or column, no syntax SQLite refuses.

#include "SqliteTestSupport.h"
#include "platform/CallError.h"
#include "platform/db/sqlite/Error.h"
#include "platform/db/sqlite/Statement.h"
#include "sql/JetSql.h"
#include "test_support/Files.h"

#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>

namespace {

// German columns stand for the language-dependent ones; ids are sample numbers.
const char* const kStatements[] = {
    "SELECT ID_Land, Land_D As Land, Landeskuerzel FROM tabLand WHERE (Filter = TRUE) ORDER BY Land_D;",
    "SELECT ID_Land, Land_D As Land, Landeskuerzel FROM tabLand WHERE (Id_Land=4);",
    "SELECT tabStahl.ID_Stahl, Land_D AS Land, tabLand.Id_Land, tabLand.EuLand FROM tabLand INNER JOIN "
    "tabStahl ON "
    "tabLand.ID_Land = tabStahl.ID_Land WHERE (tabStahl.ID_Stahl=12);",
    "SELECT DISTINCT tabLand.ID_Land, tabLand.Landeskuerzel, tabLand.Land_D AS Land FROM "
    "zuoStahl_Eigenschaftsmatrix "
    "INNER JOIN tabLand ON zuoStahl_Eigenschaftsmatrix.Id_Land = tabLand.ID_Land ORDER BY tabLand.Land_D;",
    "SELECT Id_Land FROM tabLand WHERE (Landeskuerzel='D');",
    "SELECT ID_Stahlgruppe, IntGruppe, ID_Gruppe, Gruppe_D As Gruppe FROM tabStahlgruppe WHERE "
    "(Sichtbar=TRUE) "
    "ORDER BY Gruppe_D;",
    "SELECT tabStahlgruppe.ID_Stahlgruppe, Gruppe_D As Gruppe, Detail_D AS Detail FROM tabStahlgruppe INNER "
    "JOIN "
    "tabStahl ON tabStahlgruppe.ID_Stahlgruppe = tabStahl.ID_Stahlgruppe WHERE (tabStahl.ID_Stahl=12);",
    "SELECT Id_Stahl, Id_Stahlbez, Id_StahlbezVorkommen, Bezeichnung, SuchBezeichnung, Kennung, IndexSort "
    "FROM "
    "Stahlbez_Gruppe_Land WHERE  (SuchBezeichnung  LIKE 'X5CR*')  AND (SupEur=false)  ORDER BY IndexSort;",
    "SELECT Id_Stahl, Id_Stahlbez, Id_StahlbezVorkommen, Bezeichnung, SuchBezeichnung, Kennung, IndexSort "
    "FROM "
    "Stahlbez_Gruppe_Land_Norm_Firma WHERE (Id_Norm = 3) AND (Id_Normtyp = 2) AND (IntGruppe = 1) AND "
    "(Id_Firma = "
    "5) AND  (Kennung = 'W') AND (SuchBezeichnung like '1.4[3-5]*')  ORDER BY IndexSort;",
    "SELECT DISTINCT tabAnalyseSuchen.Id_Analyse, tabStahlbez.Id_Stahlbez, tabStahlbez.Id_Stahl, "
    "tabStahlbezVorkommen.Id_StahlbezVorkommen, tabStahlbez.Bezeichnung+' ('+tabLand.Landeskuerzel+')' AS "
    "Bezeichnung, tabStahlbez.Kennung, tabStahlbezVorkommen.Id_Land, tabStahlbezVorkommen.IndexSort FROM "
    "(tabStahlbez "
    "INNER JOIN (tabLand INNER JOIN tabStahlbezVorkommen ON tabLand.ID_Land = tabStahlbezVorkommen.Id_Land) "
    "ON "
    "tabStahlbez.Id_Stahlbez = tabStahlbezVorkommen.Id_Stahlbez) INNER JOIN (tabAnalyseSuchen INNER JOIN "
    "zuoStahlbez_Analyse ON tabAnalyseSuchen.Id_Analyse = zuoStahlbez_Analyse.Id_Analyse) ON "
    "tabStahlbez.Id_Stahlbez "
    "= zuoStahlbez_Analyse.Id_Stahlbez WHERE ((tabAnalyseSuchen.Cr_min) >= 17.5) AND "
    "((tabAnalyseSuchen.Cr_max) <= "
    "5E-06) AND ((tabStahlbezVorkommen.Id_Land)= 4) ORDER BY tabStahlbezVorkommen.IndexSort;",
    "SELECT tabElemente.ID_Element, tabElemente.Anzahl_NK, tabElemente.Sortierung FROM tabElemente WHERE "
    "(tabElemente.Anzahl_NK > 0) ORDER BY tabElemente.Sortierung;",
    "SELECT tabAnalyse.Id_Analyse, tabStahlbez.Id_Stahlbez, tabStahlbez.Bezeichnung & ' "
    "('+tabAnalyse.Abmass+')' AS "
    "Bezeichnung FROM (tabStahlbez INNER JOIN (tabAnalyse INNER JOIN zuoStahlbez_Analyse ON "
    "tabAnalyse.Id_Analyse = "
    "zuoStahlbez_Analyse.Id_Analyse) ON tabStahlbez.Id_Stahlbez = zuoStahlbez_Analyse.Id_Stahlbez) INNER "
    "JOIN "
    "tabStahlbezVorkommen ON tabStahlbez.Id_Stahlbez = tabStahlbezVorkommen.Id_Stahlbez WHERE "
    "(tabStahlbezVorkommen.Id_StahlbezVorkommen=7);",
    "SELECT tabAnalyseWert.ID_Element, tabAnalyseFussnote.Text_D AS Fussnote, (SELECT count(*) FROM "
    "tabAnalyseFussnote f WHERE f.Id_Fussnote<zuoAnalyseWert_AnalyseFussnote.Id_Fussnote) AS Zeichen FROM "
    "tabElemente "
    "INNER JOIN ((tabAnalyse INNER JOIN tabAnalyseWert ON tabAnalyse.Id_Analyse = tabAnalyseWert.Id_Analyse) "
    "INNER "
    "JOIN (tabAnalyseFussnote INNER JOIN zuoAnalyseWert_AnalyseFussnote ON tabAnalyseFussnote.Id_Fussnote = "
    "zuoAnalyseWert_AnalyseFussnote.Id_Fussnote) ON tabAnalyseWert.Id_AnalyseWert = "
    "zuoAnalyseWert_AnalyseFussnote.Id_AnalyseWert) ON tabElemente.ID_Element = tabAnalyseWert.ID_Element "
    "WHERE "
    "tabAnalyse.Id_Analyse=7;",
    "SELECT TOP 1 tabAnalyse.Id_Analyse, tabStahlbez.Id_Stahlbez, tabStahlbez.Bezeichnung & ' "
    "('+tabAnalyse.Abmass+')' AS Bezeichnung FROM tabStahlbez INNER JOIN (tabAnalyse INNER JOIN "
    "zuoStahlbez_Analyse "
    "ON tabAnalyse.Id_Analyse = zuoStahlbez_Analyse.Id_Analyse) ON tabStahlbez.Id_Stahlbez = "
    "zuoStahlbez_Analyse.ID_Stahlbez WHERE (tabAnalyse.Id_Analyse=7)ORDER BY tabStahlbez.Prioritaet;",
    "SELECT tabFirma.ID_Firma, '('+[tabLand].[Landeskuerzel]+') ' + [tabFirmadresse].[Name1]AS Name1, "
    "tabFirma.Adresse FROM tabLand INNER JOIN (tabFirma INNER JOIN tabFirmadresse ON tabFirma.ID_Firma = "
    "tabFirmadresse.ID_Firma) ON tabLand.ID_Land = tabFirma.ID_Land Where (((tabFirmadresse.LfdNr) = "
    "1))ORDER BY "
    "tabFirma.Old_FirmaID;",
    "SELECT DISTINCT tabFirmadresse.ID_Firma, tabFirmadresse.Name1, tabFirmadresse.Name2, "
    "tabFirmadresse.Strasse, "
    "tabFirmadresse.PLZStrasse, tabFirmadresse.OrtStrasse, tabFirmadresse.PLZPostfach, "
    "tabFirmadresse.Postfach, "
    "tabFirmadresse.OrtPostfach, tabFirmadresse.Tel, tabFirmadresse.Fax, tabFirmadresse.EMail, "
    "tabFirmadresse.LfdNr, "
    "tabFirma.Old_FirmaID, tabLand.Landeskuerzel FROM (tabStahlbez INNER JOIN (tabFirma INNER JOIN "
    "(zuoStahlbez_Firma INNER JOIN tabFirmadresse ON zuoStahlbez_Firma.ID_Firma = tabFirmadresse.ID_Firma) "
    "ON "
    "tabFirma.ID_Firma = tabFirmadresse.ID_Firma) ON tabStahlbez.Id_Stahlbez = "
    "zuoStahlbez_Firma.Id_Stahlbez) INNER "
    "JOIN tabLand ON tabFirmadresse.ID_Land = tabLand.ID_Land WHERE (tabFirmadresse.LfdNr=1) AND "
    "(tabStahlbez.ID_Stahl=12) ORDER BY tabFirma.Old_FirmaID;",
    "SELECT tabFirmadresse.Name2 FROM tabFirmadresse WHERE (((tabFirmadresse.ID_Firma)=3) AND "
    "((tabFirmadresse.LfdNr)=1));",
    "SELECT DISTINCT tabFirma.Old_FirmaID, tabFirmadresse.ID_Firma, tabFirmadresse.Name1, "
    "zuoStahlgruppe_Firma_Lieferform.ID_Lieferform, tabLand.Landeskuerzel FROM (tabStahlbez INNER JOIN "
    "(((tabFirma "
    "INNER JOIN tabFirmadresse ON tabFirma.ID_Firma = tabFirmadresse.ID_Firma) INNER JOIN zuoStahlbez_Firma "
    "ON "
    "tabFirma.ID_Firma = zuoStahlbez_Firma.ID_Firma) INNER JOIN (tabStahl INNER JOIN "
    "zuoStahlgruppe_Firma_Lieferform "
    "ON tabStahl.ID_Stahlgruppe = zuoStahlgruppe_Firma_Lieferform.ID_Stahlgruppe) ON tabFirma.ID_Firma = "
    "zuoStahlgruppe_Firma_Lieferform.ID_Firma) ON (tabStahl.ID_Stahl = tabStahlbez.ID_Stahl) AND "
    "(tabStahlbez.Id_Stahlbez = zuoStahlbez_Firma.ID_Stahlbez)) INNER JOIN tabLand ON tabFirma.ID_Land = "
    "tabLand.ID_Land WHERE (tabFirmadresse.LfdNr=1) AND (tabStahl.ID_Stahl=12) AND "
    "(zuoStahlgruppe_Firma_Lieferform.ID_Lieferform=2) ORDER BY tabFirma.Old_FirmaID;",
    "SELECT DISTINCT tabLieferform.ID_Lieferform, tabLieferform.Lieferform_D AS Lieferform FROM "
    "tabLieferform INNER "
    "JOIN zuoStahlgruppe_Firma_Lieferform ON tabLieferform.ID_Lieferform = "
    "zuoStahlgruppe_Firma_Lieferform.ID_Lieferform "
    "WHERE (zuoStahlgruppe_Firma_Lieferform.ID_Stahlgruppe = 3) ORDER BY tabLieferform.Lieferform_D;",
    "SELECT tabFussnote.ID_Fussnote, tabFussnote.Text_D AS Info FROM zuoStahlbez_Fussnote INNER JOIN "
    "tabFussnote ON "
    "zuoStahlbez_Fussnote.ID_Fussnote = tabFussnote.ID_Fussnote WHERE (zuoStahlbez_Fussnote.ID_Stahlbez=4);",
    "SELECT tabInfotitel.Id_Infotitel, tabInfotitel.Titel_D AS Titel From tabInfotitel ORDER BY "
    "tabInfotitel.Id_Infotitel;",
    "SELECT tabNormvergleich.WSNr_Anzeige AS Bezeichnung FROM tabNormvergleich WHERE "
    "(tabNormvergleich.ID_Stahl=12);",
    "SELECT TOP 1 tabStahlbez.Bezeichnung FROM tabStahlbez INNER JOIN tabStahlbezVorkommen ON "
    "tabStahlbez.Id_Stahlbez "
    "= tabStahlbezVorkommen.Id_Stahlbez WHERE (tabStahlbezVorkommen.Id_Land=4) AND (tabStahlbez.Kennung='W') "
    "AND "
    "(tabStahlbez.ID_Stahl=12)ORDER BY tabStahlbez.Prioritaet;",
    "SELECT tabStahlbez.Id_Stahlbez, status.vor &  tabStahlbez.Bezeichnung &  status.nach AS Bezeichnung "
    "FROM "
    "tabBezeichnungStatus status INNER JOIN (tabStahlbez INNER JOIN tabStahlbezVorkommen ON "
    "tabStahlbez.Id_Stahlbez = "
    "tabStahlbezVorkommen.Id_Stahlbez) ON status.Id_BezeichnungStatus = tabStahlbez.ID_BezeichnungStatus "
    "WHERE "
    "(Id_Stahl=12) AND (Id_Land=4) AND (Kennung='K') ORDER BY Prioritaet;",
    "SELECT Status FROM tabBezeichnungStatus INNER JOIN tabStahlbez ON "
    "tabBezeichnungStatus.Id_BezeichnungStatus = "
    "tabStahlbez.ID_BezeichnungStatus WHERE (tabStahlbez.Id_Stahlbez=5 );",
    "SELECT Normliste.Id_Norm, Normliste.Id_Normtyp, Prefix+' ' & Dokumentnummer & ' ('+Stand+')' & ' ' & "
    "SufSuffix_D& ' ' & '(' & Landeskuerzel & ')' AS Name, iif(Dokumentnummer='-', '', iif(Normtyp_D <> '-', "
    " "
    "Normtyp_D + ' ', '')) & Prefix + ' ' & DokumentNummer & ' ('  + Stand + ')' + ' ' & SufSuffix_D AS "
    "Dokument, "
    "Titel_D, Titel_E, Titel_F, Land_D, Land_E, Land_F, Uebereinstimmung, Nachfolgedokument, "
    "Vorgaengerdokument From "
    "Normliste ORDER BY Normliste.Sortierung;",
    "SELECT DISTINCT tabStahlbez.Id_Stahlbez, tabStahlbez.ID_Stahl, "
    "tabStahlbezVorkommen.Id_StahlbezVorkommen,  "
    "tabBezeichnungStatus.Vor &  tabStahlbez.Bezeichnung &  tabBezeichnungStatus.Nach as Bezeichnung, "
    "tabNormVariante.Id_Norm, tabStahlbezVorkommen.Id_Land, tabNormVariante.Sortierung, "
    "tabNormStatus.Sortierung, "
    "tabStahlbez.Kennung, tabStahlbez.Prioritaet, tabNormvergleich.WSNr_Anzeige, tabLand.Land_D AS Land, "
    "[tabNormVariante].[Prefix]+' ' & [tabNormBasis].[Name] & ' ('+[tabNormVariante].[Stand]+') ' & "
    "[tabNormStatus].[SufSuffix_D]+' ' & "
    "IIf(IsNull(tabNormVariante.Id_Norm),'','('+[tabLand].[Landeskuerzel]+')') "
    "AS Name FROM ((((tabNormvergleich INNER JOIN tabStahlbez ON tabNormvergleich.ID_Stahl = "
    "tabStahlbez.ID_Stahl) "
    "INNER JOIN tabStahlbezVorkommen ON tabStahlbez.Id_Stahlbez = tabStahlbezVorkommen.Id_Stahlbez) LEFT "
    "JOIN "
    "((tabNormtyp RIGHT JOIN (tabNormStatus RIGHT JOIN (tabNormBasis RIGHT JOIN tabNormVariante ON "
    "tabNormBasis.Id_NormBasis = tabNormVariante.Id_NormBasis) ON tabNormStatus.Id_NormStatus = "
    "tabNormVariante.Id_NormStatus) ON tabNormtyp.ID_Normtyp = tabNormVariante.Id_Normtyp) RIGHT JOIN "
    "zuoStahlbezVorkommen_NormVariante ON tabNormVariante.Id_NormVariante = "
    "zuoStahlbezVorkommen_NormVariante.Id_NormVariante) ON tabStahlbezVorkommen.Id_StahlbezVorkommen = "
    "zuoStahlbezVorkommen_NormVariante.Id_StahlbezVorkommen) INNER JOIN tabLand ON "
    "tabStahlbezVorkommen.Id_Land = "
    "tabLand.ID_Land) INNER JOIN tabBezeichnungStatus ON tabStahlbez.ID_BezeichnungStatus = "
    "tabBezeichnungStatus.Id_BezeichnungStatus WHERE (tabStahlbez.Kennung='K') AND "
    "(tabNormvergleich.ID_WSNr='1') "
    "ORDER BY tabLand.Land_D, tabNormStatus.Sortierung, tabNormVariante.Sortierung;",
    "SELECT tabEigenschaftskennung.ID_Eigenschaftskennung AS ID, "
    "tabEigenschaftskennung.Eigenschaftskennung_D As Kennung FROM "
    "tabEigenschaftskennung ORDER BY tabEigenschaftskennung.Sortierung_D;",
    "SELECT DISTINCT tabEigenschaft.ID_Eigenschaft, tabEigenschaft.Eigenschaft_D AS Eigenschaft FROM "
    "zuoStahl_Eigenschaftsmatrix INNER JOIN (tabEigenschaft INNER JOIN tabEigenschaftswerte ON "
    "tabEigenschaft.ID_Eigenschaft = tabEigenschaftswerte.ID_Eigenschaft) ON "
    "zuoStahl_Eigenschaftsmatrix.ID_Eigenschaftswertmatrix = tabEigenschaftswerte.ID_Eigenschaftswertmatrix "
    "WHERE "
    "(zuoStahl_Eigenschaftsmatrix.ID_Stahl=12) AND (tabEigenschaft.ID_Eigenschaftskennung=1) AND "
    "(zuoStahl_Eigenschaftsmatrix.Id_Land=4) ORDER BY tabEigenschaft.Eigenschaft_D;",
    "SELECT tabEigenschaftswerte.ID_Eigenschaftswert FROM zuoStahl_Eigenschaftsmatrix INNER JOIN (tabZustand "
    "RIGHT "
    "JOIN (tabProbenlage RIGHT JOIN (tabKlassifizierung RIGHT JOIN (tabForm RIGHT JOIN (tabEigenschaft INNER "
    "JOIN "
    "(tabDauer RIGHT JOIN (tabAbkuehlung RIGHT JOIN tabEigenschaftswerte ON tabAbkuehlung.ID_Abkuehlung = "
    "tabEigenschaftswerte.ID_Abkuehlung) ON tabDauer.ID_Dauer = tabEigenschaftswerte.ID_Dauer) ON "
    "tabEigenschaft.ID_Eigenschaft = tabEigenschaftswerte.ID_Eigenschaft) ON tabForm.ID_Form = "
    "tabEigenschaftswerte.ID_Form) ON tabKlassifizierung.ID_Klassifizierung = "
    "tabEigenschaftswerte.ID_Klassifizierung) "
    "ON tabProbenlage.ID_Probenlage = tabEigenschaftswerte.ID_Probenlage) ON tabZustand.ID_Zustand = "
    "tabEigenschaftswerte.ID_Zustand) ON zuoStahl_Eigenschaftsmatrix.ID_Eigenschaftswertmatrix = "
    "tabEigenschaftswerte.ID_Eigenschaftswertmatrix WHERE (zuoStahl_Eigenschaftsmatrix.ID_Stahl = 12) AND "
    "(zuoStahl_Eigenschaftsmatrix.Id_Land=4) ORDER BY tabForm.Sortierung_D, tabZustand.Sortierung_D, "
    "iif(ZuTemp_max "
    "is null,ZuTemp_min, ZuTemp_Max), ZuTemp_Min, tabEigenschaft.Eigenschaft_D, iif(Abmasse_max is "
    "null,Abmasse_min, Abmasse_max), Abmasse_min, iif(Temp_max is null,Temp_min, Temp_max), Temp_min, "
    "tabProbenlage.ID_Probenlage, iif(Eigenschaft_max is null,Eigenschaft_min, Eigenschaft_max), "
    "Eigenschaft_min, "
    "tabAbkuehlung.Abkuelung_D",
    "select Eigenschaft_D as Eigenschaft from tabEigenschaftsMatrix WHERE Id_Eigenschaftsmatrix=3 AND "
    "Id_Eigenschaftskennung=1;",
    "SELECT * FROM tabEigenschaftssuche ORDER BY tabEigenschaftssuche.Spalte;",
    "SELECT tabZustand.ID_Zustand AS ID, tabZustand.SID_Zustand AS SID, tabZustand.Zustand_D AS Bezeichnung "
    "FROM "
    "tabZustand WHERE (((tabZustand.Suchbar) = True))ORDER BY tabZustand.Sortierung_D;",
    "SELECT ID_Klassifizierung AS ID, SID_Klassifizierung AS SID, tabKlassifizierung.Klassifizierung_D AS "
    "Bezeichnung "
    "FROM tabKlassifizierung WHERE (Suchbar=True) ORDER BY tabKlassifizierung.Sortierung_D;",
    "SELECT DISTINCT tabEigenschaftswerte.ID_Eigenschaftswertmatrix AS Id FROM tabEigenschaftswerte WHERE "
    "(ID_Eigenschaft=3 AND (Eigenschaft_min >= 200 OR Eigenschaft_max >= 200));",
};

/// The text SQLite refuses `sql` with, empty when it compiles.
std::string compileError(sqlitetest::Connection& db, const std::string& sql) {
    try {
        const platform::db::sqlite::Statement stmt(db, sql);
        return {};
    } catch (const platform::db::sqlite::Error& e) {
        return e.message();
    }
}

class SchemaStatements : public testing::TestWithParam<const char*> {
protected:
    static void SetUpTestSuite() {
        db = std::make_unique<sqlitetest::Connection>(sqlitetest::openWithJetExtensions());
        schemaError =
            sqlitetest::execNative(*db, test_support::readBytes(GK_SCHEMA_SOURCE_DIR "/graukant.sql"));
    }
    static void TearDownTestSuite() { db.reset(); }
    static std::unique_ptr<sqlitetest::Connection> db;
    static std::string schemaError;
};

std::unique_ptr<sqlitetest::Connection> SchemaStatements::db;
std::string SchemaStatements::schemaError;

TEST_P(SchemaStatements, TranslatesAndCompiles) {
    ASSERT_EQ(schemaError, "");
    std::string sql;
    try {
        sql = platform::db::translateStatement(GetParam());
    } catch (const platform::CallError& e) {
        FAIL() << e.number() << " " << e.description() << "\n" << GetParam();
    }
    EXPECT_EQ(compileError(*db, sql), "") << "\nJet:    " << GetParam() << "\nSQLite: " << sql;
}

INSTANTIATE_TEST_SUITE_P(DataService, SchemaStatements, testing::ValuesIn(kStatements));

TEST_F(SchemaStatements, DesignationSearchUsesTheSearchIndexDespiteTheSortIndex) {
    ASSERT_EQ(schemaError, "");
    // A symbol and a material number: with a digit first the range also keeps numbers for the matcher.
    for (const char* pattern : {"X5CR*", "1.43*"}) {
        const std::string sql = platform::db::translateStatement(
            std::string(
                "SELECT Id_Stahl, Id_Stahlbez, Id_StahlbezVorkommen, Bezeichnung, SuchBezeichnung, Kennung, "
                "IndexSort FROM Stahlbez_Gruppe_Land WHERE  (SuchBezeichnung  LIKE '") +
            pattern + "')  ORDER BY IndexSort;");
        const std::vector<std::string> plan = sqlitetest::queryPlan(*db, sql);
        bool searchesIndex = false;
        bool scans = false;
        for (const std::string& line : plan) {
            searchesIndex =
                searchesIndex || line.find("SEARCH b USING INDEX idxStahlbez_SuchBezeichnung") == 0;
            scans = scans || line.find("SCAN o") == 0 || line.find("SCAN b") == 0;
        }
        EXPECT_TRUE(searchesIndex && !scans) << sql << "\n" << testing::PrintToString(plan);
    }
}

// The outer-join groups of the standards comparison and of the property values: SQLite must reach
// every table through an index from the rows of the steel, never build a group as a temporary
// table or scan the large link tables behind it.
TEST_F(SchemaStatements, OuterJoinGroupsAreReachedByIndexFromTheSteel) {
    ASSERT_EQ(schemaError, "");
    int outerJoinStatements = 0;
    for (const char* statement : kStatements) {
        const std::string jet = statement;
        if (jet.find("RIGHT JOIN") == std::string::npos && jet.find("LEFT JOIN") == std::string::npos) {
            continue;
        }
        ++outerJoinStatements;
        const std::string sql = platform::db::translateStatement(jet);
        const std::vector<std::string> plan = sqlitetest::queryPlan(*db, sql);
        for (const std::string& line : plan) {
            const bool builtGroup = line.find("MATERIALIZE") != std::string::npos ||
                                    line.find("AUTOMATIC") != std::string::npos ||
                                    line.find("CO-ROUTINE") != std::string::npos;
            const bool scan = line.rfind("SCAN ", 0) == 0 && line.find("USING") == std::string::npos;
            EXPECT_FALSE(builtGroup || scan) << line << "\nSQLite: " << sql << "\n"
                                             << testing::PrintToString(plan);
        }
    }
    EXPECT_GE(outerJoinStatements, 2);
}

// A property-search condition as the property window builds it, a property with bounds on its
// values: its matrices, alone and as the subquery of the hit statement, come from one index without
// reading the value rows behind it, and in matrix order, so DISTINCT needs no temporary tree.
TEST_F(SchemaStatements, PropertySearchConditionIsAnsweredFromItsIndexAlone) {
    ASSERT_EQ(schemaError, "");
    const char* const conditions[] = {
        "(tabEigenschaftswerte.SID_Eigenschaft=102) and (tabEigenschaftswerte.Eigenschaft_min>=355)",
        "(tabEigenschaftswerte.SID_Eigenschaft=102) and (tabEigenschaftswerte.Eigenschaft_max<=700)",
        "(tabEigenschaftswerte.SID_Eigenschaft=102) and (tabEigenschaftswerte.Eigenschaft_min>=355) and "
        "(tabEigenschaftswerte.Eigenschaft_max<=700)",
        "(tabEigenschaftswerte.SID_Eigenschaft=102) and (((tabEigenschaftswerte.Eigenschaft_min<=400 or "
        "tabEigenschaftswerte.Eigenschaft_min Is Null) AND (tabEigenschaftswerte.Eigenschaft_max>=400 or "
        "tabEigenschaftswerte.Eigenschaft_max Is Null)) AND Not (tabEigenschaftswerte.Eigenschaft_min Is "
        "Null and tabEigenschaftswerte.Eigenschaft_max Is Null)) ",
    };
    for (const char* condition : conditions) {
        const std::string matrices =
            std::string("SELECT DISTINCT tabEigenschaftswerte.ID_Eigenschaftswertmatrix "
                        "AS Id FROM tabEigenschaftswerte WHERE ") +
            condition + ";";
        const std::string hits =
            std::string("SELECT zuoStahl_Eigenschaftsmatrix.ID_Stahl FROM zuoStahl_Eigenschaftsmatrix WHERE "
                        "(zuoStahl_Eigenschaftsmatrix.ID_Eigenschaftswertmatrix IN (SELECT "
                        "tabEigenschaftswerte.ID_Eigenschaftswertmatrix FROM tabEigenschaftswerte WHERE ") +
            condition + "));";
        for (const std::string& jet : {matrices, hits}) {
            const std::string sql = platform::db::translateStatement(jet);
            const std::vector<std::string> plan = sqlitetest::queryPlan(*db, sql);
            int covered = 0;
            for (const std::string& line : plan) {
                EXPECT_EQ(line.find("TEMP B-TREE"), std::string::npos) << line << "\nSQLite: " << sql;
                if (line.find("tabEigenschaftswerte") == std::string::npos) {
                    continue;
                }
                const bool fromIndex =
                    line.find(
                        "USING COVERING INDEX idxEigenschaftswerte_SIDEigenschaft (SID_Eigenschaft=?") !=
                    std::string::npos;
                EXPECT_TRUE(fromIndex) << line << "\nSQLite: " << sql << "\n" << testing::PrintToString(plan);
                covered += fromIndex ? 1 : 0;
            }
            EXPECT_EQ(covered, 1) << sql << "\n" << testing::PrintToString(plan);
        }
    }
}

} // namespace
