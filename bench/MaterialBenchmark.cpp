// The parts of loading a material that the data service reads for one steel, its property tables
// included, on the generated materials database. The floor is the same final queries hand-written on
// SQLite, prepared once, and the same matrices parsed with pugixml.

#include "BenchSupport.h"
#include "ObjectModelBench.h"
#include "dataservice/StandardManager.h"
#include "objects/Application.h"
#include "objects/ChemicalCompostions.h"
#include "objects/Designations.h"
#include "objects/Material.h"
#include "objects/ProductShapes.h"
#include "objects/PropertyBags.h"
#include "objects/StandardComparisons.h"
#include "objects/Standards.h"
#include "objects/Suppliers.h"
#include "platform/TextCase.h"
#include "platform/db/Dao.h"

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <optional>
#include <pugixml.hpp>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bench {
namespace {

// Another steel at every call, as a user looks at one after the other: a statement that carries the
// steel's id in its text is new at every call.
std::string steelOfCall(std::int64_t call) {
    return std::to_string(1000 + (call % 997) * 97);
}

void standardComparison(benchmark::State& state) {
    const auto db = openGenerated(state, "Graukant.MDB");
    if (!db) {
        return;
    }
    orvik::dataservice::StandardManager manager;
    std::int64_t rows = 0;
    std::int64_t call = 0;
    for (auto _ : state) {
        const auto rs = manager.GetStandardComparisonsForSteel(db, steelOfCall(call++), -1, 0);
        rows = 0;
        for (; rs && !rs->eof(); rs->moveNext()) {
            benchmark::DoNotOptimize(rs->field(3));
            ++rows;
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// Steels the other material cases do not open (ids 13 modulo 97, steelOfCall's are 30), spread over
// the database. Every material case reads a steel once: the even
// places go to the object model, the odd ones to its floor, so that neither finds a steel in any
// cache of the process.
constexpr std::int64_t kColdCandidates = 1030;
constexpr std::int64_t kColdStride = 97;
constexpr std::int64_t kColdFirst = 13;
// Runs per repetition: five repetitions take 500 of the 515 steels of each side.
constexpr int kColdRuns = 100;
// Every generated steel has three property tables of four values and one footnote each.
constexpr std::int64_t kTableRowsPerSteel = 3 * (4 + 1);

enum class Side { Ours, Floor };

/// The cold steels of one side, found at the first call; next() hands out each once.
class ColdSteels {
public:
    explicit ColdSteels(Side side) : m_side(side) {}

    /// Finds the side's steels unless found; false (the case skipped) when none has a designation.
    bool find(benchmark::State& state) {
        if (!m_picks.empty()) {
            return true;
        }
        const auto db = openGenerated(state, "Graukant.MDB");
        if (!db) {
            return false;
        }
        const std::int64_t first = m_side == Side::Ours ? 0 : 1;
        for (std::int64_t place = first; place < kColdCandidates; place += 2) {
            if (auto pick = firstOccurrence(*db, std::to_string(kColdFirst + place * kColdStride))) {
                m_mostKeys = std::max(m_mostKeys, comparisonKeyCount(*db, pick->steel));
                m_picks.push_back(std::move(*pick));
            }
        }
        if (m_picks.empty()) {
            state.SkipWithError("no steel with a designation");
        }
        return !m_picks.empty();
    }

    /// True when `runs` more steels are left; skips the case otherwise (more repetitions than the
    /// steels allow would read warm steels).
    bool left(benchmark::State& state, std::int64_t runs) const {
        if (m_next + static_cast<std::size_t>(runs) <= m_picks.size()) {
            return true;
        }
        state.SkipWithError("every cold steel has been read: fewer repetitions");
        return false;
    }

    const MaterialPick& next() { return m_picks[m_next++]; }
    /// The most comparison keys a steel of the side has.
    [[nodiscard]] std::size_t mostComparisonKeys() const { return m_mostKeys; }

private:
    // Counted on the connection that finds the steels, not on the one that reads them.
    static std::size_t comparisonKeyCount(platform::db::Database& db, const std::string& steel) {
        const auto rs = db.openRecordset("SELECT count(*) FROM tabNormvergleich WHERE Id_Stahl = " + steel,
                                         platform::db::RecordsetType::Snapshot);
        return static_cast<std::size_t>(rs->field(0).asInteger());
    }

    Side m_side;
    std::size_t m_mostKeys = 0;
    std::vector<MaterialPick> m_picks;
    std::size_t m_next = 0;
};

// Every value and footnote of every property table, as the properties view and the data sheet read
// them; returns how many.
std::int64_t readTables(const orvik::objects::PropertyBags& bags) {
    std::int64_t rows = 0;
    for (const auto& bag : bags) {
        for (const auto& property : *bag->Properties) {
            benchmark::DoNotOptimize(property->Value_min);
            ++rows;
        }
        for (const auto& footnote : *bag->Footnotes) {
            benchmark::DoNotOptimize(footnote->Footnote);
            ++rows;
        }
    }
    return rows;
}

// Opening a material as the display window does and reading every part of it, the property tables
// included, a steel never read before at each run (its first designation and occurrence, found
// before the clock runs).
void everyPart(benchmark::State& state, ColdSteels& steels) {
    const auto app = application(state);
    if (!app || !steels.find(state) || !steels.left(state, state.max_iterations)) {
        return;
    }
    std::int64_t rows = 0;
    for (auto _ : state) {
        const MaterialPick& pick = steels.next();
        const auto material = app->Material(pick.steel, pick.designation, platform::Variant(pick.occurrence));
        benchmark::DoNotOptimize(material->Symbols());
        benchmark::DoNotOptimize(material->MaterialNumbers());
        benchmark::DoNotOptimize(material->Tradenames());
        benchmark::DoNotOptimize(material->Suppliers());
        benchmark::DoNotOptimize(material->Standards());
        benchmark::DoNotOptimize(material->ChemicalCompositions());
        benchmark::DoNotOptimize(material->ProductShapes());
        benchmark::DoNotOptimize(material->StandardComparisons());
        benchmark::DoNotOptimize(material->Info());
        benchmark::DoNotOptimize(material->RangeOfApplication());
        rows += readTables(*material->PropertyBags());
    }
    state.counters["rows"] = static_cast<double>(rows);
}

// The statements that opening a material and reading every part of it runs, in their final form,
// with the ids of a steel bound instead of written into the text.
namespace sql {
constexpr std::string_view kKind = "SELECT Kennung FROM tabStahlbez WHERE ((Id_Stahlbez = ?1))";

constexpr std::string_view kSteelgroup =
    "SELECT tabStahlgruppe.ID_Stahlgruppe, Gruppe_D AS Gruppe, Detail_D AS Detail FROM "
    "tabStahlgruppe INNER JOIN tabStahl ON (tabStahlgruppe.ID_Stahlgruppe = "
    "tabStahl.ID_Stahlgruppe) WHERE ((tabStahl.ID_Stahl = ?1))";

constexpr std::string_view kSteelCountry =
    "SELECT tabStahl.ID_Stahl, Land_D AS Land, tabLand.Id_Land, tabLand.EuLand FROM tabLand INNER "
    "JOIN tabStahl ON (tabLand.ID_Land = tabStahl.ID_Land) WHERE ((tabStahl.ID_Stahl = ?1))";

constexpr std::string_view kOccurrenceCountry =
    "SELECT tabLand.ID_Land, tabLand.Landeskuerzel, tabLand.Land_D AS Land, tabLand.EuLand FROM "
    "tabLand INNER JOIN tabStahlbezVorkommen ON (tabLand.ID_Land = tabStahlbezVorkommen.Id_Land) "
    "WHERE ((tabStahlbezVorkommen.Id_StahlbezVorkommen = ?1))";

constexpr std::string_view kSupplierOfDesignation =
    "SELECT tabFirma.ID_Firma, tabFirma.Adresse FROM tabFirma INNER JOIN zuoStahlbez_Firma ON "
    "(tabFirma.ID_Firma = zuoStahlbez_Firma.ID_Firma) WHERE ((zuoStahlbez_Firma.ID_Stahlbez = ?1))";

constexpr std::string_view kFootnote =
    "SELECT tabFussnote.ID_Fussnote, tabFussnote.Text_D AS Info FROM zuoStahlbez_Fussnote INNER "
    "JOIN tabFussnote ON (zuoStahlbez_Fussnote.ID_Fussnote = tabFussnote.ID_Fussnote) WHERE "
    "((zuoStahlbez_Fussnote.ID_Stahlbez = ?1))";

constexpr std::string_view kMaterialNumbers =
    "SELECT tabStahlbez.Id_Stahlbez, (jet_concat(status.vor, tabStahlbez.Bezeichnung, status.nach) "
    "COLLATE JETTEXT) AS Bezeichnung FROM tabBezeichnungStatus AS status INNER JOIN tabStahlbez ON "
    "(status.Id_BezeichnungStatus = tabStahlbez.ID_BezeichnungStatus) INNER JOIN "
    "tabStahlbezVorkommen ON (tabStahlbez.Id_Stahlbez = tabStahlbezVorkommen.Id_Stahlbez) WHERE "
    "(((Id_Stahl = ?1)) AND ((Id_Land = ?2)) AND ((Kennung = 'W'))) ORDER BY Prioritaet";

constexpr std::string_view kSymbols =
    "SELECT tabStahlbez.Id_Stahlbez, (jet_concat(status.vor, tabStahlbez.Bezeichnung, status.nach) "
    "COLLATE JETTEXT) AS Bezeichnung FROM tabBezeichnungStatus AS status INNER JOIN tabStahlbez ON "
    "(status.Id_BezeichnungStatus = tabStahlbez.ID_BezeichnungStatus) INNER JOIN "
    "tabStahlbezVorkommen ON (tabStahlbez.Id_Stahlbez = tabStahlbezVorkommen.Id_Stahlbez) WHERE "
    "(((Id_Stahl = ?1)) AND ((Id_Land = ?2)) AND ((Kennung = 'K'))) ORDER BY Prioritaet";

// The symbols of a country that shares its designations with two others.
constexpr std::string_view kSymbolsOfGroup =
    "SELECT tabStahlbez.Id_Stahlbez, (jet_concat(status.vor, tabStahlbez.Bezeichnung, status.nach) "
    "COLLATE JETTEXT) AS Bezeichnung FROM tabBezeichnungStatus AS status INNER JOIN tabStahlbez ON "
    "(status.Id_BezeichnungStatus = tabStahlbez.ID_BezeichnungStatus) INNER JOIN "
    "tabStahlbezVorkommen ON (tabStahlbez.Id_Stahlbez = tabStahlbezVorkommen.Id_Stahlbez) WHERE "
    "(((Id_Stahl = ?1)) AND (((Id_Land = ?2) OR (Id_Land = ?3) OR (Id_Land = ?4))) AND "
    "((Kennung = 'K'))) ORDER BY Prioritaet";

constexpr std::string_view kTradenames =
    "SELECT tabStahlbez.Id_Stahlbez, tabStahlbez.Bezeichnung FROM tabStahlbez INNER JOIN "
    "zuoStahlbez_Firma ON (tabStahlbez.Id_Stahlbez = zuoStahlbez_Firma.ID_Stahlbez) WHERE "
    "(((tabStahlbez.ID_Stahl = ?1)) AND ((zuoStahlbez_Firma.ID_Firma = ?2))) ORDER BY "
    "tabStahlbez.Prioritaet";

constexpr std::string_view kSuppliers =
    "SELECT DISTINCT tabFirmadresse.ID_Firma AS ID_Firma, tabFirmadresse.Name1, "
    "tabFirmadresse.Name2, tabFirmadresse.Strasse, tabFirmadresse.PLZStrasse, "
    "tabFirmadresse.OrtStrasse, tabFirmadresse.PLZPostfach, tabFirmadresse.Postfach, "
    "tabFirmadresse.OrtPostfach, tabFirmadresse.Tel, tabFirmadresse.Fax, tabFirmadresse.EMail, "
    "tabFirmadresse.LfdNr, tabFirma.Old_FirmaID, tabLand.Landeskuerzel FROM tabStahlbez INNER JOIN "
    "tabFirma INNER JOIN zuoStahlbez_Firma ON (tabStahlbez.Id_Stahlbez = "
    "zuoStahlbez_Firma.Id_Stahlbez) INNER JOIN tabFirmadresse ON ((zuoStahlbez_Firma.ID_Firma = "
    "tabFirmadresse.ID_Firma)) AND ((tabFirma.ID_Firma = tabFirmadresse.ID_Firma)) INNER JOIN "
    "tabLand ON (tabFirmadresse.ID_Land = tabLand.ID_Land) WHERE (((tabFirmadresse.LfdNr = 1)) AND "
    "((tabStahlbez.ID_Stahl = ?1))) ORDER BY tabFirma.Old_FirmaID";

constexpr std::string_view kAddress = "SELECT Adresse FROM tabFirma WHERE (Id_Firma = ?1)";

constexpr std::string_view kName2 =
    "SELECT tabFirmadresse.Name2 FROM tabFirmadresse WHERE (((((tabFirmadresse.ID_Firma) = ?1)) AND "
    "(((tabFirmadresse.LfdNr) = 1))))";

constexpr std::string_view kStandards =
    "SELECT DISTINCT tabStahlbez.ID_Stahl, tabNormVariante.Id_Norm, "
    "tabNormVariante.Id_NormVariante, tabNormtyp.Normtyp_D AS Normtyp, (jet_concat((CASE WHEN "
    "(tabNormBasis.Name = '-') THEN '' ELSE (CASE WHEN (tabNormtyp.Normtyp_D <> '-') THEN "
    "jet_add(tabNormtyp.Normtyp_D, ' ') ELSE '' END) END), jet_add(tabNormVariante.Prefix, ' '), "
    "tabNormBasis.Name, jet_add(' (', tabNormVariante.Stand, ')'), jet_add(' ', SufSuffix_D)) "
    "COLLATE JETTEXT) AS Name, tabNormBasis.Titel_D AS Titel, tabNormVariante.Stand, "
    "tabNormStatus.SufSuffix_D AS Status, tabNormBasis.Name AS Name2, tabNormVariante.Sortierung, "
    "tabNormStatus.Sortierung FROM tabNormStatus INNER JOIN tabNormtyp INNER JOIN tabNormBasis "
    "INNER JOIN tabNormVariante ON (((tabNormBasis.Id_NormBasis = tabNormVariante.Id_NormBasis)) "
    "AND ((tabNormtyp.ID_Normtyp = tabNormVariante.Id_Normtyp))) AND ((tabNormStatus.Id_NormStatus "
    "= tabNormVariante.Id_NormStatus)) INNER JOIN tabStahlbez INNER JOIN tabStahlbezVorkommen ON "
    "(tabStahlbez.Id_Stahlbez = tabStahlbezVorkommen.Id_Stahlbez) INNER JOIN "
    "zuoStahlbezVorkommen_NormVariante ON ((tabStahlbezVorkommen.Id_StahlbezVorkommen = "
    "zuoStahlbezVorkommen_NormVariante.Id_StahlbezVorkommen)) AND ((tabNormVariante.Id_NormVariante "
    "= zuoStahlbezVorkommen_NormVariante.Id_NormVariante)) WHERE (((tabStahlbez.ID_Stahl = ?1)) AND "
    "((tabNormtyp.ID_Land = ?2))) ORDER BY tabNormtyp.Normtyp_D, tabNormStatus.Sortierung, "
    "tabNormVariante.Sortierung";

constexpr std::string_view kDocuments =
    "SELECT tabNormVariante.Id_Norm, tabNormVariante.Uebereinstimmung, "
    "tabNormVariante.Nachfolgedokument, tabNormVariante.Vorgaengerdokument FROM tabNormVariante "
    "WHERE ((tabNormVariante.Id_Norm = ?1))";

constexpr std::string_view kCompositions =
    "SELECT tabAnalyse.Id_Analyse, tabStahlbez.Id_Stahlbez, (jet_concat(tabStahlbez.Bezeichnung, "
    "jet_add(' (', tabAnalyse.Abmass, ')')) COLLATE JETTEXT) AS Bezeichnung FROM tabStahlbez INNER "
    "JOIN tabAnalyse INNER JOIN zuoStahlbez_Analyse ON ((tabAnalyse.Id_Analyse = "
    "zuoStahlbez_Analyse.Id_Analyse)) AND ((tabStahlbez.Id_Stahlbez = "
    "zuoStahlbez_Analyse.Id_Stahlbez)) INNER JOIN tabStahlbezVorkommen ON (tabStahlbez.Id_Stahlbez "
    "= tabStahlbezVorkommen.Id_Stahlbez) WHERE (((tabStahlbez.ID_Stahl = ?1)) AND "
    "((tabStahlbezVorkommen.Id_Land = ?2))) ORDER BY tabStahlbez.Prioritaet";

// The compositions of a country that shares its designations with two others.
constexpr std::string_view kCompositionsOfGroup =
    "SELECT tabAnalyse.Id_Analyse, tabStahlbez.Id_Stahlbez, (jet_concat(tabStahlbez.Bezeichnung, "
    "jet_add(' (', tabAnalyse.Abmass, ')')) COLLATE JETTEXT) AS Bezeichnung FROM tabStahlbez INNER "
    "JOIN tabAnalyse INNER JOIN zuoStahlbez_Analyse ON ((tabAnalyse.Id_Analyse = "
    "zuoStahlbez_Analyse.Id_Analyse)) AND ((tabStahlbez.Id_Stahlbez = "
    "zuoStahlbez_Analyse.Id_Stahlbez)) INNER JOIN tabStahlbezVorkommen ON (tabStahlbez.Id_Stahlbez "
    "= tabStahlbezVorkommen.Id_Stahlbez) WHERE (((tabStahlbez.ID_Stahl = ?1)) AND "
    "(((tabStahlbezVorkommen.Id_Land = ?2) OR (tabStahlbezVorkommen.Id_Land = ?3) OR "
    "(tabStahlbezVorkommen.Id_Land = ?4)))) ORDER BY tabStahlbez.Prioritaet";

constexpr std::string_view kValues =
    "SELECT tabElemente.ID_Element, tabAnalyseWert.MinWert, tabAnalyseWert.MaxWert, "
    "tabAnalyseWert.Sonstiges, tabAnalyseWert.NurSuchen, tabAnalyseWert.KannWert, "
    "tabAnalyseWert.Rest, tabElemente.Anzahl_NK, tabElemente.Sortierung FROM tabElemente INNER JOIN "
    "tabAnalyseWert ON (tabElemente.ID_Element = tabAnalyseWert.ID_Element) WHERE "
    "((tabAnalyseWert.Id_Analyse = ?1)) ORDER BY tabElemente.Sortierung";

constexpr std::string_view kCompositionFootnotes =
    "SELECT tabAnalyseWert.ID_Element, tabAnalyseFussnote.Text_D AS Fussnote, (SELECT count(*) AS "
    "Expr1000 FROM tabAnalyseFussnote AS f WHERE (f.Id_Fussnote < "
    "zuoAnalyseWert_AnalyseFussnote.Id_Fussnote)) AS Zeichen FROM tabElemente INNER JOIN tabAnalyse "
    "INNER JOIN tabAnalyseWert ON ((tabAnalyse.Id_Analyse = tabAnalyseWert.Id_Analyse)) AND "
    "((tabElemente.ID_Element = tabAnalyseWert.ID_Element)) INNER JOIN tabAnalyseFussnote INNER "
    "JOIN zuoAnalyseWert_AnalyseFussnote ON ((tabAnalyseFussnote.Id_Fussnote = "
    "zuoAnalyseWert_AnalyseFussnote.Id_Fussnote)) AND ((tabAnalyseWert.Id_AnalyseWert = "
    "zuoAnalyseWert_AnalyseFussnote.Id_AnalyseWert)) WHERE (tabAnalyse.Id_Analyse = ?1)";

constexpr std::string_view kShapes =
    "SELECT DISTINCT tabLieferform.ID_Lieferform, tabLieferform.Lieferform_D AS Lieferform FROM "
    "tabLieferform INNER JOIN zuoStahlgruppe_Firma_Lieferform ON (tabLieferform.ID_Lieferform = "
    "zuoStahlgruppe_Firma_Lieferform.ID_Lieferform) WHERE "
    "((zuoStahlgruppe_Firma_Lieferform.ID_Stahlgruppe = ?1)) ORDER BY tabLieferform.Lieferform_D";

constexpr std::string_view kDelivering =
    "SELECT DISTINCT tabFirma.Old_FirmaID, tabFirmadresse.ID_Firma AS ID_Firma, "
    "tabFirmadresse.Name1, zuoStahlgruppe_Firma_Lieferform.ID_Lieferform, tabLand.Landeskuerzel "
    "FROM tabStahlbez INNER JOIN tabFirma INNER JOIN tabFirmadresse ON (tabFirma.ID_Firma = "
    "tabFirmadresse.ID_Firma) INNER JOIN zuoStahlbez_Firma ON (tabFirma.ID_Firma = "
    "zuoStahlbez_Firma.ID_Firma) INNER JOIN tabStahl ON (((tabStahl.ID_Stahl = "
    "tabStahlbez.ID_Stahl)) AND ((tabStahlbez.Id_Stahlbez = zuoStahlbez_Firma.ID_Stahlbez))) INNER "
    "JOIN zuoStahlgruppe_Firma_Lieferform ON ((tabStahl.ID_Stahlgruppe = "
    "zuoStahlgruppe_Firma_Lieferform.ID_Stahlgruppe)) AND ((tabFirma.ID_Firma = "
    "zuoStahlgruppe_Firma_Lieferform.ID_Firma)) INNER JOIN tabLand ON (tabFirma.ID_Land = "
    "tabLand.ID_Land) WHERE (((tabFirmadresse.LfdNr = 1)) AND ((tabStahl.ID_Stahl = ?1)) AND "
    "((zuoStahlgruppe_Firma_Lieferform.ID_Lieferform = ?2))) ORDER BY tabFirma.Old_FirmaID";

constexpr std::string_view kComparisonKeys = "SELECT ID_WSNr FROM tabNormvergleich WHERE (Id_Stahl = ?1)";

constexpr std::string_view kComparisons =
    "SELECT DISTINCT tabStahlbez.Id_Stahlbez, tabStahlbez.ID_Stahl, "
    "tabStahlbezVorkommen.Id_StahlbezVorkommen, (jet_concat(tabBezeichnungStatus.Vor, "
    "tabStahlbez.Bezeichnung, tabBezeichnungStatus.Nach) COLLATE JETTEXT) AS Bezeichnung, "
    "tabNormVariante.Id_Norm, tabStahlbezVorkommen.Id_Land, tabNormVariante.Sortierung AS "
    "Sortierung, tabNormStatus.Sortierung AS Sortierung, tabStahlbez.Kennung, "
    "tabStahlbez.Prioritaet, tabNormvergleich.WSNr_Anzeige, tabLand.Land_D AS Land, "
    "(jet_concat(jet_add(tabNormVariante.Prefix, ' '), tabNormBasis.Name, jet_add(' (', "
    "tabNormVariante.Stand, ') '), jet_add(tabNormStatus.SufSuffix_D, ' '), (CASE WHEN "
    "(tabNormVariante.Id_Norm IS NULL) THEN '' ELSE jet_add('(', tabLand.Landeskuerzel, ')') END)) "
    "COLLATE JETTEXT) AS Name FROM tabNormvergleich INNER JOIN tabStahlbez ON "
    "(tabNormvergleich.ID_Stahl = tabStahlbez.ID_Stahl) INNER JOIN tabStahlbezVorkommen ON "
    "(tabStahlbez.Id_Stahlbez = tabStahlbezVorkommen.Id_Stahlbez) LEFT JOIN "
    "zuoStahlbezVorkommen_NormVariante ON (tabStahlbezVorkommen.Id_StahlbezVorkommen = "
    "zuoStahlbezVorkommen_NormVariante.Id_StahlbezVorkommen) LEFT JOIN tabNormVariante ON "
    "(tabNormVariante.Id_NormVariante = zuoStahlbezVorkommen_NormVariante.Id_NormVariante) LEFT "
    "JOIN tabNormBasis ON (tabNormBasis.Id_NormBasis = tabNormVariante.Id_NormBasis) LEFT JOIN "
    "tabNormStatus ON (tabNormStatus.Id_NormStatus = tabNormVariante.Id_NormStatus) LEFT JOIN "
    "tabNormtyp ON (tabNormtyp.ID_Normtyp = tabNormVariante.Id_Normtyp) INNER JOIN tabLand ON "
    "(tabStahlbezVorkommen.Id_Land = tabLand.ID_Land) INNER JOIN tabBezeichnungStatus ON "
    "(tabStahlbez.ID_BezeichnungStatus = tabBezeichnungStatus.Id_BezeichnungStatus) WHERE "
    "(((tabStahlbez.Kennung = 'K')) AND (";

constexpr std::string_view kInfoTitles =
    "SELECT tabInfotitel.Id_Infotitel, tabInfotitel.Titel_D AS Titel FROM tabInfotitel ORDER BY "
    "tabInfotitel.Id_Infotitel";

constexpr std::string_view kInfos =
    "SELECT tabInfotitel.ID_Infotitel, tabInfotitel.Titel_D AS Titel, tabInfotext.Info_D AS "
    "Infotext FROM tabInfotitel INNER JOIN tabInfotext ON (tabInfotitel.ID_Infotitel = "
    "tabInfotext.Id_Infotitel) WHERE ((tabInfotext.ID_Stahl = ?1)) ORDER BY "
    "tabInfotitel.ID_Infotitel";

constexpr std::string_view kInfoOfTitle =
    "SELECT tabInfotitel.ID_Infotitel, tabInfotitel.Titel_D AS Titel, tabInfotext.Info_D AS Info "
    "FROM tabInfotitel INNER JOIN tabInfotext ON (tabInfotitel.ID_Infotitel = "
    "tabInfotext.Id_Infotitel) WHERE (((tabInfotext.ID_Stahl = ?1)) AND ((tabInfotext.ID_Infotitel "
    "= 5))) ORDER BY tabInfotitel.ID_Infotitel";

constexpr std::string_view kAllNumbers =
    "SELECT tabNormvergleich.WSNr_Anzeige AS Bezeichnung FROM tabNormvergleich WHERE "
    "((tabNormvergleich.ID_Stahl = ?1))";

constexpr std::string_view kPropertyKinds =
    "SELECT tabEigenschaftskennung.ID_Eigenschaftskennung AS ID, "
    "tabEigenschaftskennung.Eigenschaftskennung_D AS Kennung FROM tabEigenschaftskennung ORDER BY "
    "tabEigenschaftskennung.Sortierung_D";

constexpr std::string_view kPropertyStandards =
    "SELECT zuoStahl_Eigenschaftsmatrix.Id_Stahl, tabNormVariante.Id_Norm, "
    "tabNormVariante.Id_NormVariante, zuoStahl_Eigenschaftsmatrix.ID_Eigenschaftswertmatrix AS Matrix, "
    "(jet_concat(jet_add(tabNormtyp.Normtyp_D, ' '), jet_add(tabNormVariante.Prefix, ' '), "
    "tabNormBasis.Name, jet_add(' (', tabNormVariante.Stand, ')'), jet_add(' ', "
    "tabNormStatus.SufSuffix_D)) COLLATE JETTEXT) AS Name, (jet_concat(jet_add(tabNormtyp.Normtyp_D, ' "
    "'), jet_add(tabNormVariante.Prefix, ' '), tabNormBasis.Name) COLLATE JETTEXT) AS NameKurz, "
    "tabNormtyp.Normtyp_D AS Normtyp, tabNormBasis.Titel_D AS Title, tabNormVariante.Stand, "
    "tabNormVariante.NichtAnzeigen FROM tabNormtyp INNER JOIN tabNormStatus INNER JOIN tabNormBasis "
    "INNER JOIN tabNormVariante ON (((tabNormBasis.Id_NormBasis = tabNormVariante.Id_NormBasis)) AND "
    "((tabNormStatus.Id_NormStatus = tabNormVariante.Id_NormStatus))) AND ((tabNormtyp.ID_Normtyp = "
    "tabNormVariante.Id_Normtyp)) INNER JOIN zuoStahl_Eigenschaftsmatrix ON "
    "(tabNormVariante.Id_NormVariante = zuoStahl_Eigenschaftsmatrix.Id_NormVariante) WHERE "
    "(((zuoStahl_Eigenschaftsmatrix.Id_Stahl = ?1)) AND ((zuoStahl_Eigenschaftsmatrix.Id_Land = ?2))) "
    "ORDER BY tabNormVariante.Sortierung";

constexpr std::string_view kPropertyMatrix =
    "SELECT Eigenschaft_D AS Eigenschaft FROM tabEigenschaftsMatrix WHERE ((Id_Eigenschaftsmatrix = ?1) "
    "AND (Id_Eigenschaftskennung = ?2))";

} // namespace sql

/// The ids of a steel's designation and occurrence as numbers, as the statements take them.
struct PickIds {
    std::int64_t steel = 0;
    std::int64_t designation = 0;
    std::int64_t occurrence = 0;
};

sqlite3_stmt* bound(sqlite3_stmt* stmt, std::initializer_list<std::int64_t> ids) {
    int index = 1;
    for (const std::int64_t id : ids) {
        sqlite3_bind_int64(stmt, index++, id);
    }
    return stmt;
}

std::string columnText(sqlite3_stmt* stmt, int column) {
    const unsigned char* text = sqlite3_column_text(stmt, column);
    return text != nullptr ? std::string(reinterpret_cast<const char*>(text)) : std::string();
}

/// The comparison statement of a steel with `keys` keys (?1 ...), as the standard manager writes it.
std::string comparisonsSql(std::size_t keys) {
    std::string sql(sql::kComparisons);
    for (std::size_t key = 1; key <= keys; ++key) {
        sql += (key > 1 ? " OR " : "") + std::string("((tabNormVergleich.Id_WsNr = ?") + std::to_string(key) +
               "))";
    }
    return sql + ")) ORDER BY tabLand.Land_D, tabNormStatus.Sortierung, tabNormVariante.Sortierung";
}

/// The keys of the steel's comparison, read by `keys` (its ?1 bound to the steel).
std::vector<std::string> comparisonKeys(NativeDatabase& db, sqlite3_stmt* keys, std::int64_t steel) {
    std::vector<std::string> found;
    db.readEach(bound(keys, {steel}), [&] { found.push_back(columnText(keys, 0)); });
    return found;
}

void bindTexts(sqlite3_stmt* stmt, const std::vector<std::string>& texts) {
    for (std::size_t k = 0; k < texts.size(); ++k) {
        sqlite3_bind_text(stmt, static_cast<int>(k + 1), texts[k].c_str(), -1, SQLITE_TRANSIENT);
    }
}

/// Countries whose steels are shown in the country of the designation occurrence instead: 30
/// always, 16 when the occurrence's country belongs to the EU.
constexpr std::int64_t kAlwaysOccurrenceCountry = 30;
constexpr std::int64_t kEuOccurrenceCountry = 16;

/// The countries whose symbols or compositions include those of two others.
struct CountryGroup {
    std::int64_t country;
    std::int64_t second;
    std::int64_t third;
};
constexpr CountryGroup kSymbolGroups[] = {{34, 32, 18}};
constexpr CountryGroup kCompositionGroups[] = {{34, 32, 18}, {30, 52, 53}};

template <std::size_t N> const CountryGroup* groupOf(const CountryGroup (&groups)[N], std::int64_t country) {
    for (const CountryGroup& group : groups) {
        if (group.country == country) {
            return &group;
        }
    }
    return nullptr;
}

/// The attributes of a matrix value that hold numbers; the others hold texts.
bool numericAttribute(std::string_view name) {
    static constexpr std::string_view numeric[] = {"E", "ZTn", "ZTx", "An", "Ax", "n",
                                                   "x", "Tn",  "Tx",  "Dn", "Dx"};
    return std::find(std::begin(numeric), std::end(numeric), name) != std::end(numeric);
}

/// Parses a property matrix and reads every attribute of its values, the numbers as numbers, and
/// its footnotes; returns the values and the footnotes with a mark or a text.
std::int64_t matrixRows(const std::string& text) {
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        return 0;
    }
    pugi::xml_document document;
    if (!document.load_buffer(text.data(), text.size())) {
        return 0;
    }
    const pugi::xml_node root = document.child("Eigenschaften");
    std::int64_t rows = 0;
    for (const pugi::xml_node value : root.children("Wert")) {
        for (const pugi::xml_attribute attribute : value.attributes()) {
            if (numericAttribute(attribute.name())) {
                benchmark::DoNotOptimize(attribute.as_double());
            } else {
                benchmark::DoNotOptimize(std::string(attribute.value()));
            }
        }
        ++rows;
    }
    if (rows == 0) {
        return 0;
    }
    for (const pugi::xml_node note : root.child("Fussnoten").children("Fussnote")) {
        const std::string mark = note.attribute("FZ").value();
        const std::string footnote = note.attribute("B").value();
        rows += mark.empty() && footnote.empty() ? 0 : 1;
    }
    return rows;
}

/// Every statement prepared once; load() runs them in the order the material does, each id taken
/// from the row that the material takes it from.
class MaterialChain {
public:
    MaterialChain(NativeDatabase& db, std::size_t mostComparisonKeys) : m_db(db) {
        m_ready = prepareAll() && prepareComparisons(mostComparisonKeys);
    }

    [[nodiscard]] bool ready() const { return m_ready; }

    /// Returns the values and footnotes of the steel's property tables.
    std::int64_t load(const PickIds& pick) {
        const std::int64_t steel = pick.steel;
        // Opening: the designation's kind, the steel group, the country, supplier and footnote of
        // the designation, the material numbers.
        std::string kind;
        m_db.readEach(bound(m_kind, {pick.designation}), [&] { kind = columnText(m_kind, 0); });
        std::int64_t steelgroup = 0;
        m_db.readEach(bound(m_steelgroup, {steel}),
                      [&] { steelgroup = sqlite3_column_int64(m_steelgroup, 0); });
        const std::int64_t country = countryOf(pick);
        m_db.readAll(bound(m_supplierOfDesignation, {pick.designation}));
        m_db.readAll(bound(m_footnote, {pick.designation}));
        const std::int64_t numbers = m_db.readAll(bound(m_materialNumbers, {steel, country}));
        if (numbers == 0) {
            m_db.readAll(bound(m_allNumbers, {steel}));
        }
        // The parts.
        const std::int64_t symbols = m_db.readAll(symbolsOf(steel, country));
        tradenames(pick, kind);
        m_db.readEach(bound(m_suppliers, {steel}), [&] {
            const std::int64_t company = sqlite3_column_int64(m_suppliers, 0);
            m_db.readAll(bound(m_tradenames, {steel, company}));
            m_db.readAll(bound(m_address, {company}));
            m_db.readAll(bound(m_name2, {company}));
        });
        m_db.readEach(bound(m_standards, {steel, country}),
                      [&] { m_db.readAll(bound(m_documents, {sqlite3_column_int64(m_standards, 1)})); });
        sqlite3_stmt* compositions = compositionsOf(steel, country);
        m_db.readEach(compositions, [&] {
            const std::int64_t analysis = sqlite3_column_int64(compositions, 0);
            m_db.readAll(bound(m_values, {analysis}));
            m_db.readAll(bound(m_compositionFootnotes, {analysis}));
        });
        m_db.readEach(bound(m_shapes, {steelgroup}), [&] {
            m_db.readAll(bound(m_delivering, {steel, sqlite3_column_int64(m_shapes, 0)}));
        });
        comparisons(steel);
        // The info text joins the designations again; the standards are the loaded ones.
        m_db.readAll(m_infoTitles);
        if (numbers > 0) {
            m_db.readAll(bound(m_materialNumbers, {steel, country}));
        }
        if (symbols > 0) {
            m_db.readAll(symbolsOf(steel, country));
        }
        m_db.readAll(bound(m_infos, {steel}));
        m_db.readAll(bound(m_infoOfTitle, {steel}));
        return propertyTables(steel, country);
    }

private:
    bool prepareAll() {
        const std::pair<sqlite3_stmt**, std::string_view> statements[] = {
            {&m_kind, sql::kKind},
            {&m_steelgroup, sql::kSteelgroup},
            {&m_steelCountry, sql::kSteelCountry},
            {&m_occurrenceCountry, sql::kOccurrenceCountry},
            {&m_supplierOfDesignation, sql::kSupplierOfDesignation},
            {&m_footnote, sql::kFootnote},
            {&m_materialNumbers, sql::kMaterialNumbers},
            {&m_allNumbers, sql::kAllNumbers},
            {&m_symbols, sql::kSymbols},
            {&m_symbolsOfGroup, sql::kSymbolsOfGroup},
            {&m_tradenames, sql::kTradenames},
            {&m_suppliers, sql::kSuppliers},
            {&m_address, sql::kAddress},
            {&m_name2, sql::kName2},
            {&m_standards, sql::kStandards},
            {&m_documents, sql::kDocuments},
            {&m_compositions, sql::kCompositions},
            {&m_compositionsOfGroup, sql::kCompositionsOfGroup},
            {&m_values, sql::kValues},
            {&m_compositionFootnotes, sql::kCompositionFootnotes},
            {&m_shapes, sql::kShapes},
            {&m_delivering, sql::kDelivering},
            {&m_comparisonKeys, sql::kComparisonKeys},
            {&m_infoTitles, sql::kInfoTitles},
            {&m_infos, sql::kInfos},
            {&m_infoOfTitle, sql::kInfoOfTitle},
            {&m_propertyKinds, sql::kPropertyKinds},
            {&m_propertyStandards, sql::kPropertyStandards},
            {&m_propertyMatrix, sql::kPropertyMatrix},
        };
        for (const auto& [stmt, text] : statements) {
            *stmt = m_db.prepare(std::string(text));
            if (*stmt == nullptr) {
                return false;
            }
        }
        return true;
    }

    // The comparison names each key of the steel: one text per count of keys, for every count
    // that the steels read have.
    bool prepareComparisons(std::size_t most) {
        for (std::size_t keys = 1; keys <= most; ++keys) {
            m_comparisons.push_back(m_db.prepare(comparisonsSql(keys)));
            if (m_comparisons.back() == nullptr) {
                return false;
            }
        }
        return true;
    }

    // The steel's own country, or the occurrence's where the steel is shown there.
    std::int64_t countryOf(const PickIds& pick) {
        std::optional<std::pair<std::int64_t, bool>> own;
        m_db.readEach(bound(m_steelCountry, {pick.steel}), [&] {
            if (!own) {
                own.emplace(sqlite3_column_int64(m_steelCountry, 2),
                            sqlite3_column_int64(m_steelCountry, 3) != 0);
            }
        });
        std::optional<std::pair<std::int64_t, bool>> occurrence;
        m_db.readEach(bound(m_occurrenceCountry, {pick.occurrence}), [&] {
            if (!occurrence) {
                occurrence.emplace(sqlite3_column_int64(m_occurrenceCountry, 0),
                                   sqlite3_column_int64(m_occurrenceCountry, 3) != 0);
            }
        });
        if (!own) {
            return occurrence ? occurrence->first : 0;
        }
        const bool shownThere = occurrence && (own->first == kAlwaysOccurrenceCountry ||
                                               (own->first == kEuOccurrenceCountry && occurrence->second));
        return shownThere ? occurrence->first : own->first;
    }

    sqlite3_stmt* symbolsOf(std::int64_t steel, std::int64_t country) {
        const CountryGroup* group = groupOf(kSymbolGroups, country);
        return group != nullptr
                   ? bound(m_symbolsOfGroup, {steel, group->country, group->second, group->third})
                   : bound(m_symbols, {steel, country});
    }

    sqlite3_stmt* compositionsOf(std::int64_t steel, std::int64_t country) {
        const CountryGroup* group = groupOf(kCompositionGroups, country);
        return group != nullptr
                   ? bound(m_compositionsOfGroup, {steel, group->country, group->second, group->third})
                   : bound(m_compositions, {steel, country});
    }

    // A trade name is seen with the other trade names of its supplier.
    void tradenames(const PickIds& pick, const std::string& kind) {
        if (platform::foldCase(kind) != "f") {
            return;
        }
        std::optional<std::int64_t> owner;
        m_db.readEach(bound(m_supplierOfDesignation, {pick.designation}), [&] {
            if (!owner) {
                owner = sqlite3_column_int64(m_supplierOfDesignation, 0);
            }
        });
        if (owner) {
            m_db.readAll(bound(m_tradenames, {pick.steel, *owner}));
        }
    }

    void comparisons(std::int64_t steel) {
        const std::vector<std::string> keys = comparisonKeys(m_db, m_comparisonKeys, steel);
        if (keys.empty()) {
            return;
        }
        if (keys.size() > m_comparisons.size()) {
            return; // not one of the cold steels, whose keys were counted before the clock
        }
        sqlite3_stmt* stmt = m_comparisons[keys.size() - 1];
        bindTexts(stmt, keys);
        m_db.readAll(stmt);
    }

    // The kinds of tables, the steel's standards with their matrices, then each matrix's text of
    // each kind, parsed.
    std::int64_t propertyTables(std::int64_t steel, std::int64_t country) {
        std::vector<std::int64_t> kinds;
        m_db.readEach(m_propertyKinds, [&] { kinds.push_back(sqlite3_column_int64(m_propertyKinds, 0)); });
        std::int64_t rows = 0;
        m_db.readEach(bound(m_propertyStandards, {steel, country}), [&] {
            const std::int64_t matrix = sqlite3_column_int64(m_propertyStandards, 3);
            for (const std::int64_t kind : kinds) {
                std::string text;
                m_db.readEach(bound(m_propertyMatrix, {matrix, kind}),
                              [&] { text = columnText(m_propertyMatrix, 0); });
                rows += matrixRows(text);
            }
        });
        return rows;
    }

    NativeDatabase& m_db;
    bool m_ready = false;
    sqlite3_stmt* m_kind = nullptr;
    sqlite3_stmt* m_steelgroup = nullptr;
    sqlite3_stmt* m_steelCountry = nullptr;
    sqlite3_stmt* m_occurrenceCountry = nullptr;
    sqlite3_stmt* m_supplierOfDesignation = nullptr;
    sqlite3_stmt* m_footnote = nullptr;
    sqlite3_stmt* m_materialNumbers = nullptr;
    sqlite3_stmt* m_allNumbers = nullptr;
    sqlite3_stmt* m_symbols = nullptr;
    sqlite3_stmt* m_symbolsOfGroup = nullptr;
    sqlite3_stmt* m_tradenames = nullptr;
    sqlite3_stmt* m_suppliers = nullptr;
    sqlite3_stmt* m_address = nullptr;
    sqlite3_stmt* m_name2 = nullptr;
    sqlite3_stmt* m_standards = nullptr;
    sqlite3_stmt* m_documents = nullptr;
    sqlite3_stmt* m_compositions = nullptr;
    sqlite3_stmt* m_compositionsOfGroup = nullptr;
    sqlite3_stmt* m_values = nullptr;
    sqlite3_stmt* m_compositionFootnotes = nullptr;
    sqlite3_stmt* m_shapes = nullptr;
    sqlite3_stmt* m_delivering = nullptr;
    sqlite3_stmt* m_comparisonKeys = nullptr;
    std::vector<sqlite3_stmt*> m_comparisons;
    sqlite3_stmt* m_infoTitles = nullptr;
    sqlite3_stmt* m_infos = nullptr;
    sqlite3_stmt* m_infoOfTitle = nullptr;
    sqlite3_stmt* m_propertyKinds = nullptr;
    sqlite3_stmt* m_propertyStandards = nullptr;
    sqlite3_stmt* m_propertyMatrix = nullptr;
};

// The ids of a steel as numbers.
PickIds idsOf(const MaterialPick& pick) {
    return {std::stoll(pick.steel), std::stoll(pick.designation), pick.occurrence};
}

// The two statements the standard manager runs: the steel's keys, then the comparison of a text
// with that many keys, each text prepared once.
void standardComparisonFloor(benchmark::State& state) {
    NativeDatabase db(state, "Graukant.MDB");
    if (!db) {
        return;
    }
    sqlite3_stmt* keys = db.prepare(std::string(sql::kComparisonKeys));
    if (keys == nullptr) {
        return;
    }
    std::vector<sqlite3_stmt*> byCount; // [n - 1]: the statement of n keys
    std::int64_t rows = 0;
    std::int64_t call = 0;
    for (auto _ : state) {
        const std::vector<std::string> found = comparisonKeys(db, keys, std::stoll(steelOfCall(call++)));
        rows = 0;
        if (found.empty()) {
            continue;
        }
        while (byCount.size() < found.size()) {
            byCount.push_back(db.prepare(comparisonsSql(byCount.size() + 1)));
            if (byCount.back() == nullptr) {
                return;
            }
        }
        sqlite3_stmt* stmt = byCount[found.size() - 1];
        bindTexts(stmt, found);
        rows = db.readAll(stmt);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

void everyPartFloor(benchmark::State& state, ColdSteels& steels) {
    if (!steels.find(state) || !steels.left(state, state.max_iterations)) {
        return;
    }
    NativeDatabase db(state, "Graukant.MDB");
    if (!db) {
        return;
    }
    MaterialChain chain(db, steels.mostComparisonKeys());
    if (!chain.ready()) {
        return;
    }
    std::int64_t rows = 0;
    for (auto _ : state) {
        rows += chain.load(idsOf(steels.next()));
    }
    state.counters["rows"] = static_cast<double>(rows);
}

} // namespace

void addMaterialCases() {
    // Each side keeps its own steels for all its repetitions.
    const auto ours = std::make_shared<ColdSteels>(Side::Ours);
    const auto floor = std::make_shared<ColdSteels>(Side::Floor);
    constexpr std::int64_t kRows = kColdRuns * kTableRowsPerSteel;
    addCase(
        "material_every_part", [ours](benchmark::State& s) { everyPart(s, *ours); },
        Target{5, std::nullopt, true, kColdRuns}, kRows);
    addCase(
        "material_every_part_floor", [floor](benchmark::State& s) { everyPartFloor(s, *floor); },
        std::nullopt, kRows, kColdRuns);
    // Part of the 5 ms a material with every part may take.
    addCase("material_standard_comparison", standardComparison, Target{5, std::nullopt});
    addCase("material_standard_comparison_floor", standardComparisonFloor);
}

} // namespace bench
