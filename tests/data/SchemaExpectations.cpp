#include "SchemaExpectations.h"

namespace datachecks {
namespace {

Reference ref(std::string table, std::string column, std::string parentTable, std::string parentColumn) {
    return {std::move(table), {std::move(column)}, std::move(parentTable), {std::move(parentColumn)}};
}

// A condition of a property value: its id and its search id must both be those of one row.
Reference condition(const std::string& vocabulary, const std::string& key) {
    return {"tabEigenschaftswerte", {"ID_" + key, "SID_" + key}, vocabulary, {"ID_" + key, "SID_" + key}};
}

const std::vector<std::string> materialListColumns{"Id_Stahl",
                                                   "Id_Stahlbez",
                                                   "Id_StahlbezVorkommen",
                                                   "Bezeichnung",
                                                   "SuchBezeichnung",
                                                   "Kennung",
                                                   "IndexSort",
                                                   "Id_Land",
                                                   "IntGruppe",
                                                   "Id_Stahlgruppe",
                                                   "SupW",
                                                   "SupK",
                                                   "SupEur"};

std::vector<std::string> materialListWith(const std::vector<std::string>& extra) {
    std::vector<std::string> columns = materialListColumns;
    columns.insert(columns.end(), extra.begin(), extra.end());
    return columns;
}

std::vector<ViewColumns> views() {
    return {{"Stahlbez_Gruppe_Land", materialListColumns},
            {"Stahlbez_Gruppe_Land_Norm", materialListWith({"Id_Norm", "Id_Normtyp"})},
            {"Stahlbez_Gruppe_Land_Firma", materialListWith({"Id_Firma"})},
            {"Stahlbez_Gruppe_Land_Norm_Firma", materialListWith({"Id_Norm", "Id_Normtyp", "Id_Firma"})},
            {"Normliste",
             {"Id_Norm",
              "Id_Normtyp",
              "Prefix",
              "Dokumentnummer",
              "Stand",
              "SufSuffix_D",
              "SufSuffix_F",
              "SufSuffix_E",
              "Landeskuerzel",
              "Normtyp_D",
              "Titel_D",
              "Titel_F",
              "Titel_E",
              "Land_D",
              "Land_F",
              "Land_E",
              "Uebereinstimmung",
              "Nachfolgedokument",
              "Vorgaengerdokument",
              "Sortierung"}}};
}

} // namespace

const std::vector<Reference>& mainDatabaseReferences() {
    static const std::vector<Reference> references{
        ref("tabStahl", "ID_Land", "tabLand", "ID_Land"),
        ref("tabStahl", "ID_Stahlgruppe", "tabStahlgruppe", "ID_Stahlgruppe"),
        ref("tabStahlbez", "ID_Stahl", "tabStahl", "ID_Stahl"),
        ref("tabStahlbez", "ID_BezeichnungStatus", "tabBezeichnungStatus", "Id_BezeichnungStatus"),
        ref("tabStahlbezVorkommen", "Id_Stahlbez", "tabStahlbez", "Id_Stahlbez"),
        ref("tabStahlbezVorkommen", "Id_Land", "tabLand", "ID_Land"),
        ref("tabFirma", "ID_Land", "tabLand", "ID_Land"),
        ref("tabFirmadresse", "ID_Firma", "tabFirma", "ID_Firma"),
        ref("tabFirmadresse", "ID_Land", "tabLand", "ID_Land"),
        ref("zuoStahlbez_Firma", "ID_Stahlbez", "tabStahlbez", "Id_Stahlbez"),
        ref("zuoStahlbez_Firma", "ID_Firma", "tabFirma", "ID_Firma"),
        ref("zuoStahlgruppe_Firma_Lieferform", "ID_Stahlgruppe", "tabStahlgruppe", "ID_Stahlgruppe"),
        ref("zuoStahlgruppe_Firma_Lieferform", "ID_Firma", "tabFirma", "ID_Firma"),
        ref("zuoStahlgruppe_Firma_Lieferform", "ID_Lieferform", "tabLieferform", "ID_Lieferform"),
        ref("zuoStahlbez_Fussnote", "ID_Stahlbez", "tabStahlbez", "Id_Stahlbez"),
        ref("zuoStahlbez_Fussnote", "ID_Fussnote", "tabFussnote", "ID_Fussnote"),
        ref("tabInfotext", "ID_Stahl", "tabStahl", "ID_Stahl"),
        ref("tabInfotext", "ID_Infotitel", "tabInfotitel", "ID_Infotitel"),
        ref("zuoStahlbez_Analyse", "Id_Stahlbez", "tabStahlbez", "Id_Stahlbez"),
        ref("zuoStahlbez_Analyse", "Id_Analyse", "tabAnalyse", "Id_Analyse"),
        ref("tabAnalyseWert", "Id_Analyse", "tabAnalyse", "Id_Analyse"),
        ref("tabAnalyseWert", "ID_Element", "tabElemente", "ID_Element"),
        ref("zuoAnalyseWert_AnalyseFussnote", "Id_AnalyseWert", "tabAnalyseWert", "Id_AnalyseWert"),
        ref("zuoAnalyseWert_AnalyseFussnote", "Id_Fussnote", "tabAnalyseFussnote", "Id_Fussnote"),
        // Every composition can be searched, and the search table holds nothing else.
        ref("tabAnalyse", "Id_Analyse", "tabAnalyseSuchen", "Id_Analyse"),
        ref("tabAnalyseSuchen", "Id_Analyse", "tabAnalyse", "Id_Analyse"),
        ref("tabNormVariante", "Id_NormBasis", "tabNormBasis", "Id_NormBasis"),
        ref("tabNormVariante", "Id_NormStatus", "tabNormStatus", "Id_NormStatus"),
        ref("tabNormVariante", "Id_Normtyp", "tabNormtyp", "ID_Normtyp"),
        ref("tabNormtyp", "ID_Land", "tabLand", "ID_Land"),
        ref("zuoStahlbezVorkommen_NormVariante", "Id_StahlbezVorkommen", "tabStahlbezVorkommen",
            "Id_StahlbezVorkommen"),
        ref("zuoStahlbezVorkommen_NormVariante", "Id_NormVariante", "tabNormVariante", "Id_NormVariante"),
        ref("tabNormvergleich", "ID_Stahl", "tabStahl", "ID_Stahl"),
        ref("tabEigenschaft", "ID_Eigenschaftskennung", "tabEigenschaftskennung", "ID_Eigenschaftskennung"),
        {"tabEigenschaftswerte",
         {"ID_Eigenschaft", "SID_Eigenschaft"},
         "tabEigenschaft",
         {"ID_Eigenschaft", "SID_Eigenschaft"}},
        condition("tabZustand", "Zustand"),
        condition("tabForm", "Form"),
        condition("tabProbenlage", "Probenlage"),
        condition("tabKlassifizierung", "Klassifizierung"),
        condition("tabDauer", "Dauer"),
        condition("tabAbkuehlung", "Abkuehlung"),
        ref("tabEigenschaftswerte", "ID_Eigenschaftswertmatrix", "zuoStahl_Eigenschaftsmatrix",
            "ID_Eigenschaftswertmatrix"),
        ref("tabEigenschaftsMatrix", "Id_Eigenschaftskennung", "tabEigenschaftskennung",
            "ID_Eigenschaftskennung"),
        ref("tabEigenschaftsMatrix", "Id_Eigenschaftsmatrix", "zuoStahl_Eigenschaftsmatrix",
            "ID_Eigenschaftswertmatrix"),
        ref("zuoStahl_Eigenschaftsmatrix", "ID_Stahl", "tabStahl", "ID_Stahl"),
        ref("zuoStahl_Eigenschaftsmatrix", "Id_Land", "tabLand", "ID_Land"),
        ref("zuoStahl_Eigenschaftsmatrix", "ID_NormVariante", "tabNormVariante", "Id_NormVariante"),
        ref("zuoStahl_Eigenschaftsmatrix", "ID_Eigenschaftswertmatrix", "tabEigenschaftswerte",
            "ID_Eigenschaftswertmatrix"),
        ref("zuoStahl_Eigenschaftsmatrix", "ID_Eigenschaftswertmatrix", "tabEigenschaftsMatrix",
            "Id_Eigenschaftsmatrix"),
        // The occurrence a property table is shown under lies in the table's country.
        {"zuoStahl_Eigenschaftsmatrix",
         {"Id_StahlbezVorkommen", "Id_Land"},
         "tabStahlbezVorkommen",
         {"Id_StahlbezVorkommen", "Id_Land"}},
        ref("zuoEigenschaftswert_Bemerkung", "ID_Eigenschaftswert", "tabEigenschaftswerte",
            "ID_Eigenschaftswert"),
        ref("zuoEigenschaftswert_Bemerkung", "ID_Bemerkung", "tabBemerkung", "ID_Bemerkung"),
    };
    return references;
}

const std::vector<Reference>& filterDatabaseReferences() {
    static const std::vector<Reference> references{
        ref("tabFilterNorm", "Id_StahlbezVorkommen", "tabFilterStahlbez", "Id_StahlbezVorkommen"),
        ref("tabFilterFirma", "Id_Stahlbez", "tabFilterStahlbez", "Id_Stahlbez"),
    };
    return references;
}

const std::vector<ViewColumns>& mainDatabaseViews() {
    static const std::vector<ViewColumns> expected = views();
    return expected;
}

const std::vector<ViewColumns>& filterDatabaseViews() {
    static const std::vector<ViewColumns> expected = views();
    return expected;
}

} // namespace datachecks
