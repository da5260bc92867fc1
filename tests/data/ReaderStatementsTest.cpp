// The statements the program's readers run, in the shape they build them (German columns, ids of
// the fixture's rows; Jet-only syntax such as TOP, IsNull and & written the SQLite way, LIKE
// patterns in Jet's form, which the connection's like function takes), run on the fixture
// databases: every table and column they name exists, and each finds the fixture's rows.

#include "datatools/SqliteConnection.h"
#include "platform/db/sqlite/Error.h"
#include "platform/db/sqlite/Statement.h"
#include "test_support/FixtureDatabases.h"
#include "test_support/TempFolder.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace datachecks {
namespace {

using test_support::buildFixtureDatabases;
using test_support::DatabasePair;
using test_support::TempFolder;

struct ReaderStatement {
    const char* reader;
    const char* sql;
};

// Counts the rows of `sql`; fails the test with the reader's name when SQLite refuses it.
long long rowsOf(datatools::SqliteConnection& db, const ReaderStatement& s) {
    long long rows = 0;
    try {
        platform::db::sqlite::Statement statement(db.native(), s.sql);
        while (statement.step()) {
            ++rows;
        }
    } catch (const platform::db::sqlite::Error& e) {
        ADD_FAILURE() << s.reader << ": " << e.message();
        return -1;
    }
    return rows;
}

const ReaderStatement mainStatements[] = {
    {"CompositionManager.GetElementList",
     "SELECT tabElemente.ID_Element, tabElemente.Anzahl_NK, tabElemente.Sortierung FROM tabElemente "
     "WHERE (tabElemente.Anzahl_NK > 0) ORDER BY tabElemente.Sortierung;"},
    {"CompositionManager.GetCompostionsForMaterialAndCountry",
     "SELECT tabAnalyse.Id_Analyse, tabStahlbez.Id_Stahlbez, tabStahlbez.Bezeichnung || ' "
     "('||tabAnalyse.Abmass||')' "
     "AS Bezeichnung FROM (tabStahlbez INNER JOIN (tabAnalyse INNER JOIN zuoStahlbez_Analyse ON "
     "tabAnalyse.Id_Analyse "
     "= zuoStahlbez_Analyse.Id_Analyse) ON tabStahlbez.Id_Stahlbez = zuoStahlbez_Analyse.Id_Stahlbez) INNER "
     "JOIN "
     "tabStahlbezVorkommen ON tabStahlbez.Id_Stahlbez = tabStahlbezVorkommen.Id_Stahlbez WHERE "
     "(tabStahlbez.ID_Stahl=1) "
     "AND (tabStahlbezVorkommen.Id_Land=34 or tabStahlbezVorkommen.Id_Land = 32 or "
     "tabStahlbezVorkommen.Id_Land = 18) "
     "ORDER BY tabStahlbez.Prioritaet; "},
    {"CompositionManager.GetValuesForComposition",
     "SELECT tabElemente.ID_Element, tabAnalyseWert.MinWert, tabAnalyseWert.MaxWert, "
     "tabAnalyseWert.Sonstiges, "
     "tabAnalyseWert.NurSuchen, tabAnalyseWert.KannWert, tabAnalyseWert.Rest, tabElemente.Anzahl_NK, "
     "tabElemente.Sortierung FROM tabElemente INNER JOIN tabAnalyseWert ON tabElemente.ID_Element = "
     "tabAnalyseWert.ID_Element WHERE (tabAnalyseWert.Id_Analyse=1) ORDER BY tabElemente.Sortierung; "},
    {"CompositionManager.GetFootnotesForComposition",
     "SELECT tabAnalyseWert.ID_Element, tabAnalyseFussnote.Text_D AS Fussnote, (SELECT count(*) FROM "
     "tabAnalyseFussnote f WHERE f.Id_Fussnote<zuoAnalyseWert_AnalyseFussnote.Id_Fussnote) AS Zeichen FROM "
     "tabElemente INNER JOIN ((tabAnalyse INNER JOIN tabAnalyseWert ON tabAnalyse.Id_Analyse = "
     "tabAnalyseWert.Id_Analyse) INNER JOIN (tabAnalyseFussnote INNER JOIN zuoAnalyseWert_AnalyseFussnote ON "
     "tabAnalyseFussnote.Id_Fussnote = zuoAnalyseWert_AnalyseFussnote.Id_Fussnote) ON "
     "tabAnalyseWert.Id_AnalyseWert = "
     "zuoAnalyseWert_AnalyseFussnote.Id_AnalyseWert) ON tabElemente.ID_Element = tabAnalyseWert.ID_Element "
     "WHERE "
     "tabAnalyse.Id_Analyse=1;"},
    {"CompSearchSqlBuilder.GetSearchSql",
     "SELECT DISTINCT tabAnalyseSuchen.Id_Analyse, tabStahlbez.Id_Stahlbez, tabStahlbez.Id_Stahl, "
     "tabStahlbezVorkommen.Id_StahlbezVorkommen, tabStahlbez.Bezeichnung||' ('||tabLand.Landeskuerzel||')' "
     "AS "
     "Bezeichnung, tabStahlbez.Kennung, tabStahlbezVorkommen.Id_Land, tabStahlbezVorkommen.IndexSort FROM "
     "(tabStahlbez INNER JOIN (tabLand INNER JOIN tabStahlbezVorkommen ON tabLand.ID_Land = "
     "tabStahlbezVorkommen.Id_Land) ON tabStahlbez.Id_Stahlbez = tabStahlbezVorkommen.Id_Stahlbez) INNER "
     "JOIN "
     "(tabAnalyseSuchen INNER JOIN zuoStahlbez_Analyse ON tabAnalyseSuchen.Id_Analyse = "
     "zuoStahlbez_Analyse.Id_Analyse) "
     "ON tabStahlbez.Id_Stahlbez = zuoStahlbez_Analyse.Id_Stahlbez WHERE ((Cr_min >= 16) AND (Cr_max <= 20)) "
     "AND "
     "((Mo_min IS NULL ) AND (Mo_max IS NULL )) ORDER BY tabStahlbezVorkommen.IndexSort;"},
    {"CountryManager.GetList",
     "SELECT ID_Land, Land_D As Land, Landeskuerzel FROM tabLand WHERE (Filter = -1) ORDER BY Land_D;"},
    {"CountryManager.GetForSteel", "SELECT tabStahl.ID_Stahl, Land_D AS Land, tabLand.Id_Land, "
                                   "tabLand.EuLand FROM tabLand INNER JOIN tabStahl ON "
                                   "tabLand.ID_Land = tabStahl.ID_Land WHERE (tabStahl.ID_Stahl=1);"},
    {"CountryManager.GetForProperties",
     "SELECT tabLand.ID_Land, tabLand.Landeskuerzel, tabLand.Land_D AS Land FROM tabLand WHERE EXISTS "
     "(SELECT * FROM zuoStahl_Eigenschaftsmatrix WHERE zuoStahl_Eigenschaftsmatrix.Id_Land = "
     "tabLand.ID_Land) "
     "ORDER BY tabLand.Land_D;"},
    {"CountryManager.GetForDesignationCountry",
     "SELECT tabLand.ID_Land, tabLand.Landeskuerzel, tabLand.Land_D AS Land, tabLand.EuLand FROM tabLand "
     "INNER JOIN "
     "tabStahlbezVorkommen ON tabLand.ID_Land = tabStahlbezVorkommen.Id_Land WHERE "
     "(tabStahlbezVorkommen.Id_StahlbezVorkommen=101);"},
    {"SteelgroupManager.GetList", "SELECT ID_Stahlgruppe, IntGruppe, ID_Gruppe, Gruppe_D As Gruppe FROM "
                                  "tabStahlgruppe WHERE (Sichtbar=-1) "
                                  "ORDER BY Gruppe_D;"},
    {"SteelgroupManager.GetForSteel",
     "SELECT tabStahlgruppe.ID_Stahlgruppe, Gruppe_D As Gruppe, Detail_D AS Detail FROM tabStahlgruppe INNER "
     "JOIN "
     "tabStahl ON tabStahlgruppe.ID_Stahlgruppe = tabStahl.ID_Stahlgruppe WHERE (tabStahl.ID_Stahl=1);"},
    {"SupplierManager.GetList",
     "SELECT tabFirma.ID_Firma, '('||[tabLand].[Landeskuerzel]||') ' || [tabFirmadresse].[Name1]AS Name1, "
     "tabFirma.Adresse FROM tabLand INNER JOIN (tabFirma INNER JOIN tabFirmadresse ON tabFirma.ID_Firma = "
     "tabFirmadresse.ID_Firma) ON tabLand.ID_Land = tabFirma.ID_Land Where (((tabFirmadresse.LfdNr) = "
     "1))ORDER BY "
     "tabFirma.Old_FirmaID;"},
    {"SupplierManager.GetForSteelExport",
     "SELECT DISTINCT tabFirma.Old_FirmaID AS Code, tabFirmadresse.Name1, tabFirmadresse.Name2, "
     "tabFirmadresse.Strasse, "
     "tabFirmadresse.PLZStrasse, tabFirmadresse.OrtStrasse, tabFirmadresse.PLZPostfach, "
     "tabFirmadresse.Postfach, "
     "tabFirmadresse.OrtPostfach, tabFirmadresse.Tel, tabFirmadresse.Fax, tabFirmadresse.EMail, "
     "tabLand.Land_D AS Land, "
     "tabFirmadresse.LfdNr FROM (tabStahlbez INNER JOIN (tabFirma INNER JOIN (zuoStahlbez_Firma INNER JOIN "
     "tabFirmadresse ON zuoStahlbez_Firma.ID_Firma = tabFirmadresse.ID_Firma) ON tabFirma.ID_Firma = "
     "tabFirmadresse.ID_Firma) ON tabStahlbez.Id_Stahlbez = zuoStahlbez_Firma.Id_Stahlbez) INNER JOIN "
     "tabLand ON "
     "tabFirmadresse.ID_Land = tabLand.ID_Land WHERE (tabStahlbez.ID_Stahl=1) ORDER BY "
     "tabFirma.Old_FirmaID;"},
    {"SupplierManager.GetForSteelAndProductShape",
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
     "tabLand.ID_Land WHERE (tabFirmadresse.LfdNr=1) AND (tabStahl.ID_Stahl=1) AND "
     "(zuoStahlgruppe_Firma_Lieferform.ID_Lieferform=1) ORDER BY tabFirma.Old_FirmaID;"},
    {"ProductShapeManager.GetForSteelgroup",
     "SELECT DISTINCT tabLieferform.ID_Lieferform, tabLieferform.Lieferform_D AS Lieferform FROM "
     "tabLieferform INNER "
     "JOIN zuoStahlgruppe_Firma_Lieferform ON tabLieferform.ID_Lieferform = "
     "zuoStahlgruppe_Firma_Lieferform.ID_Lieferform "
     "WHERE (zuoStahlgruppe_Firma_Lieferform.ID_Stahlgruppe = 2) ORDER BY tabLieferform.Lieferform_D;"},
    {"FootnoteManager.GetForDesignation", "SELECT tabFussnote.ID_Fussnote, tabFussnote.Text_D AS Info FROM "
                                          "zuoStahlbez_Fussnote INNER JOIN tabFussnote ON "
                                          "zuoStahlbez_Fussnote.ID_Fussnote = tabFussnote.ID_Fussnote WHERE "
                                          "(zuoStahlbez_Fussnote.ID_Stahlbez=11);"},
    {"InfoManager.GetInfoForSteelAndTitle",
     "SELECT tabInfotitel.ID_Infotitel, tabInfotitel.Titel_D AS Titel, tabInfotext.Info_D AS Info FROM "
     "tabInfotitel "
     "INNER JOIN tabInfotext ON tabInfotitel.ID_Infotitel = tabInfotext.Id_Infotitel WHERE "
     "(tabInfotext.ID_Stahl=1) "
     "AND (tabInfotext.ID_Infotitel=5) ORDER BY tabInfotitel.ID_Infotitel; "},
    {"DesignationManager.GetSymbolsForSteelAndCountry",
     "SELECT tabStahlbez.Id_Stahlbez, status.vor ||  tabStahlbez.Bezeichnung ||  status.nach AS Bezeichnung "
     "FROM "
     "tabBezeichnungStatus status INNER JOIN (tabStahlbez INNER JOIN tabStahlbezVorkommen ON "
     "tabStahlbez.Id_Stahlbez = "
     "tabStahlbezVorkommen.Id_Stahlbez) ON status.Id_BezeichnungStatus = tabStahlbez.ID_BezeichnungStatus "
     "WHERE "
     "(Id_Stahl=1) AND (Id_Land=34 or Id_Land = 32 or Id_Land = 18) AND (Kennung='K') ORDER BY Prioritaet;"},
    {"DesignationManager.GetStatusForDesignation",
     "SELECT Status FROM tabBezeichnungStatus INNER JOIN tabStahlbez ON "
     "tabBezeichnungStatus.Id_BezeichnungStatus = "
     "tabStahlbez.ID_BezeichnungStatus WHERE (tabStahlbez.Id_Stahlbez=13 );"},
    {"StandardManager.GetDetailsById",
     "SELECT tabNormtyp.Normtyp_D AS Normtyp, tabNormVariante.Prefix || ' ' || tabNormBasis.Name AS Name, "
     "tabNormBasis.Titel_D AS Titel, tabNormVariante.Stand, tabNormVariante.Uebereinstimmung, "
     "tabNormVariante.Nachfolgedokument, tabNormVariante.Vorgaengerdokument, tabNormStatus.SufSuffix_D AS "
     "Status, "
     "tabLand.Land_D AS Land FROM (tabLand INNER JOIN tabNormtyp ON tabLand.ID_Land = tabNormtyp.ID_Land) "
     "INNER JOIN "
     "(tabNormStatus INNER JOIN (tabNormBasis INNER JOIN tabNormVariante ON tabNormBasis.Id_NormBasis = "
     "tabNormVariante.Id_NormBasis) ON tabNormStatus.Id_NormStatus = tabNormVariante.Id_NormStatus) ON "
     "tabNormtyp.ID_Normtyp = tabNormVariante.Id_Normtyp WHERE (tabNormVariante.Id_Norm=100);"},
    {"StandardManager.GetForSteelAndCountry",
     "SELECT DISTINCT tabStahlbez.ID_Stahl, tabNormVariante.Id_Norm, tabNormVariante.Id_NormVariante, "
     "tabNormtyp.Normtyp_D AS Normtyp, tabNormBasis.Titel_D AS Titel, tabNormVariante.Stand, "
     "tabNormStatus.SufSuffix_D "
     "AS Status, tabNormBasis.Name AS Name2, tabNormVariante.Sortierung, tabNormStatus.Sortierung FROM "
     "tabNormStatus "
     "INNER JOIN (tabNormtyp INNER JOIN (tabNormBasis INNER JOIN (tabNormVariante INNER JOIN ((tabStahlbez "
     "INNER JOIN "
     "tabStahlbezVorkommen ON tabStahlbez.Id_Stahlbez = tabStahlbezVorkommen.Id_Stahlbez) INNER JOIN "
     "zuoStahlbezVorkommen_NormVariante ON tabStahlbezVorkommen.Id_StahlbezVorkommen = "
     "zuoStahlbezVorkommen_NormVariante.Id_StahlbezVorkommen) ON tabNormVariante.Id_NormVariante = "
     "zuoStahlbezVorkommen_NormVariante.Id_NormVariante) ON tabNormBasis.Id_NormBasis = "
     "tabNormVariante.Id_NormBasis) ON "
     "tabNormtyp.ID_Normtyp = tabNormVariante.Id_Normtyp) ON tabNormStatus.Id_NormStatus = "
     "tabNormVariante.Id_NormStatus "
     "WHERE (tabStahlbez.ID_Stahl=1) AND (tabNormtyp.ID_Land=34) ORDER BY tabNormtyp.Normtyp_D, "
     "tabNormStatus.Sortierung, tabNormVariante.Sortierung; "},
    {"StandardManager.GetStandardComparisonsForSteel",
     "SELECT DISTINCT tabStahlbez.Id_Stahlbez, tabStahlbez.ID_Stahl, "
     "tabStahlbezVorkommen.Id_StahlbezVorkommen, "
     "tabBezeichnungStatus.Vor ||  tabStahlbez.Bezeichnung ||  tabBezeichnungStatus.Nach as Bezeichnung, "
     "tabNormVariante.Id_Norm, tabStahlbezVorkommen.Id_Land, tabNormVariante.Sortierung, "
     "tabNormStatus.Sortierung, "
     "tabStahlbez.Kennung, tabStahlbez.Prioritaet, tabNormvergleich.WSNr_Anzeige, tabLand.Land_D AS Land, "
     "[tabNormVariante].[Prefix]||' ' || [tabNormBasis].[Name] || ' ('||[tabNormVariante].[Stand]||') ' || "
     "[tabNormStatus].[SufSuffix_D]||' ' || IIf(tabNormVariante.Id_Norm IS "
     "NULL,'','('||[tabLand].[Landeskuerzel]||')') "
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
     "((tabNormVergleich.Id_WsNr='K1') "
     ") ORDER BY tabLand.Land_D, tabNormStatus.Sortierung, tabNormVariante.Sortierung;"},
    {"PropertyManager.GetPropertyStandardBySteelId",
     "SELECT zuoStahl_Eigenschaftsmatrix.Id_Stahl, tabNormVariante.Id_Norm, tabNormVariante.Id_NormVariante, "
     "zuoStahl_Eigenschaftsmatrix.ID_Eigenschaftswertmatrix AS Matrix, tabNormtyp.Normtyp_D||' ' || "
     "tabNormVariante.Prefix AS Name, tabNormtyp.Normtyp_D As Normtyp, tabNormBasis.Titel_D AS Title, "
     "tabNormVariante.Stand, tabNormVariante.NichtAnzeigen FROM tabNormtyp INNER JOIN (tabNormStatus INNER "
     "JOIN "
     "(tabNormBasis INNER JOIN (tabNormVariante INNER JOIN zuoStahl_Eigenschaftsmatrix ON "
     "tabNormVariante.Id_NormVariante "
     "= zuoStahl_Eigenschaftsmatrix.Id_NormVariante) ON tabNormBasis.Id_NormBasis = "
     "tabNormVariante.Id_NormBasis) ON "
     "tabNormStatus.Id_NormStatus = tabNormVariante.Id_NormStatus) ON tabNormtyp.ID_Normtyp = "
     "tabNormVariante.Id_Normtyp "
     "WHERE (zuoStahl_Eigenschaftsmatrix.Id_Stahl=1) AND (zuoStahl_Eigenschaftsmatrix.Id_Land=34) ORDER BY "
     "tabNormVariante.Sortierung;"},
    {"PropertyManager.GetPropertiesBySteelAndCountry",
     "SELECT tabEigenschaftswerte.ID_Eigenschaftswertmatrix, tabEigenschaftswerte.ID_Eigenschaft, "
     "tabEigenschaftswerte.ID_Eigenschaftswert, tabEigenschaftswerte.ID_Form, "
     "tabEigenschaftswerte.ID_Zustand, "
     "tabEigenschaftswerte.ID_Probenlage, tabEigenschaftswerte.ID_Klassifizierung, "
     "tabEigenschaftswerte.ID_Dauer, "
     "tabEigenschaftswerte.ID_Abkuehlung, tabEigenschaftswerte.Such_Temp_min, "
     "tabEigenschaftswerte.Such_Temp_max, "
     "tabEigenschaftswerte.Eigenschaft_min, tabEigenschaftswerte.Eigenschaft_max, "
     "tabEigenschaftswerte.ZuTemp_Min, "
     "tabEigenschaftswerte.ZuTemp_Max, tabZustand.Zustand_D As Zustand, tabEigenschaftswerte.Temp_min, "
     "tabEigenschaftswerte.Temp_max, tabDauer.Dauer_D AS Dauer, tabEigenschaftswerte.Abmasse_min, "
     "tabEigenschaftswerte.Abmasse_max, tabEigenschaftswerte.Dauer_min, tabEigenschaftswerte.Dauer_max, "
     "tabEigenschaft.Eigenschaft_D AS Eigenschaft, tabEigenschaft.Einheit, tabEigenschaft.Formelzeichen, "
     "tabEigenschaft.ID_Eigenschaftskennung, tabForm.Form_D AS Form, tabKlassifizierung.Klassifizierung_D AS "
     "Klassifizierung, tabProbenlage.Probenlage_D AS Probenlage, tabAbkuehlung.Abkuelung_D AS Abkuehlung, "
     "tabEigenschaft.sID_Eigenschaft, tabZustand.sID_Zustand, tabProbenlage.sID_Probenlage, "
     "tabForm.sID_Form, "
     "tabAbkuehlung.sID_Abkuehlung, tabDauer.sID_Dauer, tabKlassifizierung.sID_Klassifizierung FROM "
     "zuoStahl_Eigenschaftsmatrix INNER JOIN (tabZustand RIGHT JOIN (tabProbenlage RIGHT JOIN "
     "(tabKlassifizierung RIGHT "
     "JOIN (tabForm RIGHT JOIN (tabEigenschaft INNER JOIN (tabDauer RIGHT JOIN (tabAbkuehlung RIGHT JOIN "
     "tabEigenschaftswerte ON tabAbkuehlung.ID_Abkuehlung = tabEigenschaftswerte.ID_Abkuehlung) ON "
     "tabDauer.ID_Dauer = "
     "tabEigenschaftswerte.ID_Dauer) ON tabEigenschaft.ID_Eigenschaft = tabEigenschaftswerte.ID_Eigenschaft) "
     "ON "
     "tabForm.ID_Form = tabEigenschaftswerte.ID_Form) ON tabKlassifizierung.ID_Klassifizierung = "
     "tabEigenschaftswerte.ID_Klassifizierung) ON tabProbenlage.ID_Probenlage = "
     "tabEigenschaftswerte.ID_Probenlage) ON "
     "tabZustand.ID_Zustand = tabEigenschaftswerte.ID_Zustand) ON "
     "zuoStahl_Eigenschaftsmatrix.ID_Eigenschaftswertmatrix "
     "= tabEigenschaftswerte.ID_Eigenschaftswertmatrix WHERE (zuoStahl_Eigenschaftsmatrix.ID_Stahl = 1) AND "
     "(zuoStahl_Eigenschaftsmatrix.Id_Land=5) ORDER BY tabForm.Sortierung_D, tabZustand.Sortierung_D, "
     "iif(ZuTemp_max is null,ZuTemp_min, ZuTemp_Max), ZuTemp_Min, tabEigenschaft.Eigenschaft_D, "
     "iif(Abmasse_max is "
     "null,Abmasse_min, Abmasse_max), Abmasse_min, iif(Temp_max is null,Temp_min, Temp_max), Temp_min, "
     "tabProbenlage.ID_Probenlage, iif(Eigenschaft_max is null,Eigenschaft_min, Eigenschaft_max), "
     "Eigenschaft_min, "
     "tabAbkuehlung.Abkuelung_D"},
    {"PropertyManager.GetPropertiesForMatrixAndType",
     "select Eigenschaft_D as Eigenschaft from tabEigenschaftsMatrix WHERE Id_Eigenschaftsmatrix=900 AND "
     "Id_Eigenschaftskennung=1;"},
    {"PropertyFootnoteManager.GetFootnoteByPropertyValueId",
     "SELECT DISTINCT zuoEigenschaftswert_Bemerkung.ID_Bemerkung, "
     "zuoEigenschaftswert_Bemerkung.ID_Eigenschaftswert, "
     "tabBemerkung.Bemerkung_D AS Bemerkung FROM zuoEigenschaftswert_Bemerkung INNER JOIN tabBemerkung ON "
     "zuoEigenschaftswert_Bemerkung.ID_Bemerkung = tabBemerkung.ID_Bemerkung WHERE "
     "(zuoEigenschaftswert_Bemerkung.ID_Eigenschaftswert=1);"},
    {"PropertySearchManager.GetSearchFields",
     "SELECT * FROM tabEigenschaftssuche ORDER BY tabEigenschaftssuche.Spalte;"},
    {"PropertySearchManager.GetStatesForSearch",
     "SELECT tabZustand.ID_Zustand AS ID, tabZustand.SID_Zustand AS SID, tabZustand.Zustand_D AS Bezeichnung "
     "FROM "
     "tabZustand WHERE (((tabZustand.Suchbar) = -1))ORDER BY tabZustand.Sortierung_D;"},
    {"PropertySearchManager.GetPropertyUnitStringById",
     "SELECT Einheit FROM tabEigenschaft WHERE (tabEigenschaft.ID_Eigenschaft=1);"},
    {"PropertySearch.MaterialItems (filter)",
     "SELECT DISTINCT tabEigenschaftswerte.ID_Eigenschaftswertmatrix AS Id FROM tabEigenschaftswerte WHERE "
     "(tabEigenschaftswerte.SID_Eigenschaft = 101) AND (tabEigenschaftswerte.Eigenschaft_min >= 500);"},
    {"PropertySearch.MaterialItems (hits)",
     "SELECT zuoStahl_Eigenschaftsmatrix.ID_Stahl, zuoStahl_Eigenschaftsmatrix.Id_StahlbezVorkommen, "
     "zuoStahl_Eigenschaftsmatrix.Id_Land, zuoStahl_Eigenschaftsmatrix.Bezeichnung, "
     "zuoStahl_Eigenschaftsmatrix.Werkstoffnummer, tabStahlbez.Id_Stahlbez, tabStahlbezVorkommen.IndexSort, "
     "tabStahlbez.Kennung FROM tabStahlbez INNER JOIN (zuoStahl_Eigenschaftsmatrix INNER JOIN "
     "tabStahlbezVorkommen ON "
     "zuoStahl_Eigenschaftsmatrix.Id_StahlbezVorkommen = tabStahlbezVorkommen.Id_StahlbezVorkommen) ON "
     "tabStahlbez.Id_Stahlbez = tabStahlbezVorkommen.Id_Stahlbez WHERE "
     "(zuoStahl_Eigenschaftsmatrix.ID_Eigenschaftswertmatrix=900) AND (zuoStahl_Eigenschaftsmatrix.ID_Land = "
     "5);"},
};

const ReaderStatement filterStatements[] = {
    {"MaterialManager.GetMaterialList (all filters)",
     "SELECT Id_Stahl, Id_Stahlbez, Id_StahlbezVorkommen, "
     "Bezeichnung, SuchBezeichnung, Kennung, IndexSort FROM "
     "Stahlbez_Gruppe_Land_Norm_Firma WHERE (Id_Norm = 100) "
     "AND (Id_Normtyp = 3) AND (Id_Stahlgruppe=2) AND "
     "(Id_Firma = 1) AND  (Id_Land = 34)  AND  ((Kennung='K' "
     "OR Kennung='F')  AND SupK=0 AND (SuchBezeichnung LIKE "
     "'X5*'))  ORDER BY IndexSort;"},
    {"MaterialManager.GetMaterialList (no filter)",
     "SELECT Id_Stahl, Id_Stahlbez, Id_StahlbezVorkommen, Bezeichnung, SuchBezeichnung, Kennung, IndexSort "
     "FROM "
     "Stahlbez_Gruppe_Land WHERE  (SupK=0 AND SupW=0) AND (SuchBezeichnung LIKE '1.4*')  AND (SupEur=0)   "
     "ORDER BY "
     "IndexSort;"},
    {"StandardManager.GetList", "SELECT Normliste.Id_Norm, Normliste.Id_Normtyp, Prefix||' ' || "
                                "Dokumentnummer || ' ('||Stand||')' || ' ' || "
                                "SufSuffix_D|| ' ' || '(' || Landeskuerzel || ')' AS Name, "
                                "iif(Dokumentnummer='-', '', iif(Normtyp_D <> '-',  "
                                "Normtyp_D || ' ', '')) || Prefix || ' ' || DokumentNummer AS Dokument, "
                                "Titel_D, Titel_E, Titel_F, Land_D, Land_E, "
                                "Land_F, Uebereinstimmung, Nachfolgedokument, Vorgaengerdokument From "
                                "Normliste ORDER BY Normliste.Sortierung;"},
};

class ReaderStatements : public ::testing::Test {
protected:
    void SetUp() override {
        const DatabasePair pair = buildFixtureDatabases(m_dir.path());
        m_main.emplace(pair.main, false);
        m_filter.emplace(pair.filter, false);
    }

    TempFolder m_dir;
    std::optional<datatools::SqliteConnection> m_main;
    std::optional<datatools::SqliteConnection> m_filter;
};

TEST_F(ReaderStatements, RunOnTheMaterialsDatabaseAndFindTheFixtureRows) {
    for (const ReaderStatement& s : mainStatements) {
        EXPECT_GT(rowsOf(*m_main, s), 0) << s.reader;
    }
}

TEST_F(ReaderStatements, RunOnTheFilterDatabaseAndFindTheFixtureRows) {
    for (const ReaderStatement& s : filterStatements) {
        EXPECT_GT(rowsOf(*m_filter, s), 0) << s.reader;
    }
}

} // namespace
} // namespace datachecks
