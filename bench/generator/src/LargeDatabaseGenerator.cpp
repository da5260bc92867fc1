#include "generator/LargeDatabaseGenerator.h"

#include "PreparedInsert.h"
#include "Random.h"
#include "datatools/SqlScript.h"
#include "datatools/SqliteConnection.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <sqlite3.h>
#include <stdexcept>
#include <string>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace generator {
namespace {

using Id = std::int64_t;
using OptionalId = std::optional<Id>;
using OptionalReal = std::optional<double>;
using OptionalText = std::optional<std::string>;

struct Country {
    Id id;
    bool european;
    bool offered;
};

// The ids the program's country rules name (34 and its members 32 and 18; 30 with 52 and 53;
// 16) and a few more; one is not offered in the country filter.
constexpr std::array<Country, 12> countries{{{5, true, true},
                                             {16, true, true},
                                             {17, true, true},
                                             {18, true, true},
                                             {30, false, true},
                                             {32, true, true},
                                             {34, true, true},
                                             {52, false, true},
                                             {53, false, true},
                                             {60, false, true},
                                             {61, false, true},
                                             {62, false, false}}};

struct ElementSpec {
    const char* symbol;
    int decimals;
};

constexpr std::array<ElementSpec, 33> elements{
    {{"C", 2},  {"Si", 2}, {"Mn", 2}, {"P", 3},  {"S", 3},  {"N", 3},  {"Al", 3}, {"As", 3}, {"B", 4},
     {"Bi", 3}, {"Ca", 3}, {"Ce", 3}, {"Co", 2}, {"Cr", 2}, {"Cu", 2}, {"Fe", 0}, {"H", 4},  {"Mg", 3},
     {"Mo", 2}, {"Nb", 2}, {"Ni", 2}, {"O", 4},  {"Pb", 2}, {"Sb", 3}, {"Se", 2}, {"Sn", 3}, {"Ta", 2},
     {"Te", 3}, {"Ti", 2}, {"V", 2},  {"W", 2},  {"Zn", 3}, {"Zr", 2}}};

// Alloying elements a generated composition picks from, with their usual ranges in percent.
struct AlloySpec {
    const char* symbol;
    double low;
    double high;
};
constexpr std::array<AlloySpec, 10> alloys{{{"Cr", 0.3, 26.0},
                                            {"Ni", 0.3, 30.0},
                                            {"Mo", 0.1, 5.0},
                                            {"V", 0.05, 2.0},
                                            {"W", 0.1, 18.0},
                                            {"Co", 0.5, 10.0},
                                            {"Ti", 0.05, 0.8},
                                            {"Nb", 0.05, 1.0},
                                            {"Cu", 0.1, 3.0},
                                            {"Al", 0.02, 1.5}}};

constexpr int groupsPerMain = 3;
constexpr int mainGroups = 10;
constexpr int standardCount = 2000;
constexpr int supplierCount = 300;
constexpr int productShapeCount = 8;
constexpr int footnoteCount = 200;
constexpr int compositionFootnoteCount = 100;
constexpr int remarkCount = 50;
constexpr int infoTitleCount = 6;
constexpr int propertyCount = 30;
constexpr int vocabularySize = 5;
constexpr int statusCount = 3;
constexpr int steelsPerComparisonGroup = 5;

Id groupId(int mainGroup, int detail) {
    return 10000 + mainGroup * 100 + detail;
}

std::string padded(Id value, int width) {
    std::string text = std::to_string(value);
    return std::string(static_cast<std::size_t>(std::max(0, width - static_cast<int>(text.size()))), '0') +
           text;
}

// Always with a decimal point, whatever the locale: the XML matrices are written so.
std::string decimal(double value) {
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 2);
    return std::string(buffer.data(), result.ptr);
}

// The three language variants of a generated text: German, French, English.
struct Texts {
    std::string d;
    std::string f;
    std::string e;
};
Texts texts(const std::string& german, const std::string& french, const std::string& english, Id number) {
    const std::string n = " " + std::to_string(number);
    return {german + n, french + n, english + n};
}

class Writer {
public:
    Writer(datatools::SqliteConnection& connection, std::uint64_t seed)
        : m_db(connection.handle()), m_random(seed) {}

    void writeVocabulary();
    void writeSteels(Id steelCount);

private:
    void writeCountriesAndGroups();
    void writeStandards();
    void writeSuppliers();
    void writeTextTables();
    void writeCompositionVocabulary();
    void writePropertyVocabulary();
    void writeSearchMask();

    sqlite3* m_db;
    Random m_random;
    std::vector<Id> m_variants;
    std::vector<Id> m_groups;
};

void Writer::writeVocabulary() {
    writeCountriesAndGroups();
    writeStandards();
    writeSuppliers();
    writeTextTables();
    writeCompositionVocabulary();
    writePropertyVocabulary();
    writeSearchMask();
}

void Writer::writeCountriesAndGroups() {
    PreparedInsert land(m_db, "tabLand", "ID_Land, Landeskuerzel, Land_D, Land_F, Land_E, EuLand, Filter");
    for (const Country& c : countries) {
        const Texts name = texts("Land", "Pays", "Country", c.id);
        land.row(c.id, "L" + padded(c.id, 2), name.d, name.f, name.e, c.european ? -1 : 0,
                 c.offered ? -1 : 0);
    }
    PreparedInsert group(
        m_db, "tabStahlgruppe",
        "ID_Stahlgruppe, IntGruppe, ID_Gruppe, Sichtbar, Gruppe_D, Gruppe_F, Gruppe_E, Detail_D, "
        "Detail_F, Detail_E");
    for (int g = 1; g <= mainGroups; ++g) {
        for (int d = 0; d < groupsPerMain; ++d) {
            const Id id = groupId(g, d);
            const Texts name = texts("Stahlgruppe", "Groupe d'aciers", "Steel group", id);
            const Texts detail =
                texts("Beschreibung der Gruppe", "Description du groupe", "Group description", id);
            group.row(id, g, g, id % 7 == 0 ? 0 : -1, name.d, name.f, name.e, detail.d, detail.f, detail.e);
            m_groups.push_back(id);
        }
    }
    PreparedInsert status(m_db, "tabBezeichnungStatus", "Id_BezeichnungStatus, vor, nach, Status");
    status.row(1, OptionalText{}, OptionalText{}, OptionalText{});
    status.row(2, "(", ")", "zurückgezogen");
    status.row(3, OptionalText{}, "*", "vorläufig");
}

void Writer::writeStandards() {
    PreparedInsert type(m_db, "tabNormtyp", "ID_Normtyp, ID_Land, Normtyp_D, Normtyp_F, Normtyp_E");
    Id typeId = 0;
    for (const Country& c : countries) {
        for (int t = 0; t < 2; ++t) {
            ++typeId;
            const Texts name = t == 0 ? texts("Norm", "Norme", "Standard", c.id) : Texts{"-", "-", "-"};
            type.row(typeId, c.id, name.d, name.f, name.e);
        }
    }
    PreparedInsert status(m_db, "tabNormStatus",
                          "Id_NormStatus, Sortierung, SufSuffix_D, SufSuffix_F, SufSuffix_E");
    status.row(1, 1, "", "", "");
    status.row(2, 2, "zurückgezogen", "annulée", "withdrawn");
    status.row(3, 3, "Entwurf", "projet", "draft");
    PreparedInsert basis(m_db, "tabNormBasis", "Id_NormBasis, Name, Titel_D, Titel_F, Titel_E");
    PreparedInsert variant(
        m_db, "tabNormVariante",
        "Id_NormVariante, Id_Norm, Id_NormBasis, Id_NormStatus, Id_Normtyp, Prefix, Stand, "
        "Sortierung, Uebereinstimmung, Nachfolgedokument, Vorgaengerdokument, NichtAnzeigen");
    Id variantId = 0;
    for (Id norm = 1; norm <= standardCount; ++norm) {
        const Texts title = texts("Stähle für allgemeine Verwendung, Teil", "Aciers d'usage général, partie",
                                  "Steels for general use, part", norm);
        basis.row(norm, norm % 50 == 0 ? std::string("-") : "GK " + padded(norm, 4), title.d, title.f,
                  title.e);
        const Id normtyp = 1 + m_random.below(typeId);
        const int editions = norm % 5 == 0 ? 2 : 1;
        for (int edition = 0; edition < editions; ++edition) {
            ++variantId;
            const OptionalText successor =
                edition + 1 < editions ? OptionalText("GK " + padded(norm, 4) + ":2010") : OptionalText{};
            variant.row(variantId, norm, norm, 1 + m_random.below(statusCount), normtyp,
                        norm % 3 == 0 ? OptionalText{} : OptionalText("EN"),
                        std::to_string(1995 + edition * 10), variantId,
                        norm % 4 == 0 ? OptionalText("ISO " + std::to_string(norm)) : OptionalText{},
                        successor, OptionalText{}, norm % 11 == 0 ? -1 : 0);
            m_variants.push_back(variantId);
        }
    }
}

void Writer::writeSuppliers() {
    PreparedInsert firm(m_db, "tabFirma", "ID_Firma, ID_Land, Adresse, Old_FirmaID");
    PreparedInsert address(
        m_db, "tabFirmadresse",
        "ID_Firma, LfdNr, Name1, Name2, Strasse, PLZStrasse, OrtStrasse, Postfach, PLZPostfach, "
        "OrtPostfach, Tel, Fax, EMail, ID_Land");
    PreparedInsert shape(m_db, "tabLieferform", "ID_Lieferform, Lieferform_D, Lieferform_F, Lieferform_E");
    PreparedInsert delivers(m_db, "zuoStahlgruppe_Firma_Lieferform",
                            "ID_Stahlgruppe, ID_Firma, ID_Lieferform");
    for (Id s = 1; s <= productShapeCount; ++s) {
        const Texts name = texts("Lieferform", "Forme de livraison", "Product shape", s);
        shape.row(s, name.d, name.f, name.e);
    }
    for (Id f = 1; f <= supplierCount; ++f) {
        const Id country = countries[static_cast<std::size_t>(m_random.below(countries.size()))].id;
        const std::string name = "Musterfirma " + std::to_string(f) + " (Beispiel)";
        firm.row(f, country,
                 name + "\r\nHauptstraße " + std::to_string(f) + "\r\n" + padded(f, 5) + " Musterstadt",
                 "F" + padded((f * 37) % 1000, 4));
        for (int branch = 1; branch <= (f % 4 == 0 ? 2 : 1); ++branch) {
            address.row(f, branch, name,
                        branch == 1 ? OptionalText{} : OptionalText("Werk " + std::to_string(branch)),
                        "Hauptstraße " + std::to_string(f), padded(f, 5), "Musterstadt", OptionalText{},
                        OptionalText{}, OptionalText{}, "+00 " + std::to_string(1000 + f), OptionalText{},
                        "info@firma" + std::to_string(f) + ".example", country);
        }
        for (Id k = 0; k < 3; ++k) {
            const Id group =
                m_groups[static_cast<std::size_t>((f * 7 + k * 11) % static_cast<Id>(m_groups.size()))];
            for (Id s = 0; s < 2; ++s) {
                delivers.row(group, f, 1 + (f + s * 3) % productShapeCount);
            }
        }
    }
}

void Writer::writeTextTables() {
    PreparedInsert footnote(m_db, "tabFussnote", "ID_Fussnote, Text_D, Text_F, Text_E");
    for (Id i = 1; i <= footnoteCount; ++i) {
        const Texts t =
            texts("Fußnote zur Bezeichnung", "Note sur la désignation", "Note on the designation", i);
        footnote.row(i, t.d, t.f, t.e);
    }
    PreparedInsert title(m_db, "tabInfotitel", "ID_Infotitel, Titel_D, Titel_F, Titel_E");
    for (Id i = 1; i <= infoTitleCount; ++i) {
        const Texts t = texts("Information", "Information", "Information", i);
        title.row(i, t.d, t.f, t.e);
    }
}

void Writer::writeCompositionVocabulary() {
    PreparedInsert element(m_db, "tabElemente", "ID_Element, Anzahl_NK, Sortierung");
    int order = 0;
    for (const ElementSpec& e : elements) {
        element.row(e.symbol, e.decimals, ++order);
    }
    PreparedInsert footnote(m_db, "tabAnalyseFussnote", "Id_Fussnote, Text_D, Text_F, Text_E");
    for (Id i = 1; i <= compositionFootnoteCount; ++i) {
        const Texts t = texts("Fußnote zum Element", "Note sur l'élément", "Note on the element", i * 3);
        footnote.row(i * 3, t.d, t.f, t.e); // ids with gaps, as in real data
    }
}

void Writer::writePropertyVocabulary() {
    PreparedInsert kind(
        m_db, "tabEigenschaftskennung",
        "ID_Eigenschaftskennung, Eigenschaftskennung_D, Eigenschaftskennung_F, Eigenschaftskennung_E, "
        "Sortierung_D, Sortierung_F, Sortierung_E");
    const std::array<Texts, 5> kinds{
        {{"Mechanische Eigenschaften", "Propriétés mécaniques", "Mechanical properties"},
         {"Physikalische Eigenschaften", "Propriétés physiques", "Physical properties"},
         {"Wärmebehandlung", "Traitement thermique", "Heat treatment"},
         {"Hinweise", "Remarques", "Notes"},
         {"Schweißen", "Soudage", "Welding"}}};
    for (Id k = 1; k <= 5; ++k) {
        const Texts& t = kinds[static_cast<std::size_t>(k - 1)];
        kind.row(k, t.d, t.f, t.e, k, 6 - k, k);
    }
    PreparedInsert property(
        m_db, "tabEigenschaft",
        "ID_Eigenschaft, ID_Eigenschaftskennung, SID_Eigenschaft, Suchbar, Eigenschaft_D, "
        "Eigenschaft_F, Eigenschaft_E, Einheit, Formelzeichen, Temp_Tendenz, DRM_Tendenz");
    for (Id p = 1; p <= propertyCount; ++p) {
        const Texts t = texts("Eigenschaft", "Propriété", "Property", p);
        property.row(p, 1 + (p - 1) % 5, 100 + p, p % 6 == 0 ? 0 : -1, t.d, t.f, t.e,
                     p % 4 == 0 ? OptionalText{} : OptionalText("MPa"), "R" + std::to_string(p),
                     p % 3 == 0 ? OptionalId{} : OptionalId(p % 2 == 0 ? 1 : -1), OptionalId{});
    }
    struct Vocabulary {
        const char* table;
        const char* columns;
        Texts name;
    };
    const std::array<Vocabulary, 5> vocabularies{
        {{"tabZustand",
          "ID_Zustand, SID_Zustand, Zustand_D, Zustand_F, Zustand_E",
          {"Zustand", "État", "Condition"}},
         {"tabAbkuehlung",
          "ID_Abkuehlung, SID_Abkuehlung, Abkuelung_D, Abkuelung_F, Abkuelung_E",
          {"Abkühlung", "Refroidissement", "Cooling"}},
         {"tabForm", "ID_Form, SID_Form, Form_D, Form_F, Form_E", {"Form", "Forme", "Form"}},
         {"tabProbenlage",
          "ID_Probenlage, SID_Probenlage, Probenlage_D, Probenlage_F, Probenlage_E",
          {"Probenlage", "Position", "Specimen position"}},
         {"tabKlassifizierung",
          "ID_Klassifizierung, SID_Klassifizierung, Klassifizierung_D, Klassifizierung_F, Klassifizierung_E",
          {"Klasse", "Classe", "Class"}}}};
    for (const Vocabulary& v : vocabularies) {
        PreparedInsert insert(m_db, v.table,
                              std::string(v.columns) + ", Suchbar, Sortierung_D, Sortierung_F, Sortierung_E");
        for (Id i = 1; i <= vocabularySize; ++i) {
            const Texts t = texts(v.name.d, v.name.f, v.name.e, i);
            insert.row(i, 200 + i, t.d, t.f, t.e, i == vocabularySize ? 0 : -1, i, vocabularySize + 1 - i, i);
        }
    }
    PreparedInsert duration(
        m_db, "tabDauer",
        "ID_Dauer, SID_Dauer, SID_Faktor, Dauer_D, Dauer_F, Dauer_E, Suchbar, Sortierung_D, "
        "Sortierung_F, Sortierung_E");
    for (Id i = 1; i <= vocabularySize; ++i) {
        const Texts t = texts("Dauer", "Durée", "Duration", i);
        duration.row(i, 300 + i, 10 * i, t.d, t.f, t.e, -1, i, i, vocabularySize + 1 - i);
    }
    PreparedInsert remark(m_db, "tabBemerkung", "ID_Bemerkung, Bemerkung_D, Bemerkung_F, Bemerkung_E");
    for (Id i = 1; i <= remarkCount; ++i) {
        const Texts t = texts("Bemerkung", "Remarque", "Remark", i);
        remark.row(i, t.d, t.f, t.e);
    }
}

void Writer::writeSearchMask() {
    struct Column {
        const char* field;
        int width;
        bool combo;
        const char* content;
        const char* symbol;
        const char* comparison;
    };
    const std::array<Column, 18> columns{{
        {"tabEigenschaftswerte.SID_Eigenschaft", 20, true, "Eigenschaft", "E", nullptr},
        {"tabEigenschaftswerte.Eigenschaft_min", 8, false, nullptr, "n", ">="},
        {"tabEigenschaftswerte.Eigenschaft_max", 8, false, nullptr, "x", "<="},
        {"tabEigenschaftswerte.SID_Zustand", 12, true, "Zustand", "Z", nullptr},
        {"tabEigenschaftswerte.ZuTemp_Min", 6, false, nullptr, "ZTn", ">="},
        {"tabEigenschaftswerte.ZuTemp_Max", 6, false, nullptr, "ZTx", "<="},
        {"tabEigenschaftswerte.SID_Form", 8, true, "Form", "F", nullptr},
        {"tabEigenschaftswerte.Abmasse_min", 6, false, nullptr, "An", ">="},
        {"tabEigenschaftswerte.Abmasse_max", 6, false, nullptr, "Ax", "<="},
        {"tabEigenschaftswerte.SID_Probenlage", 8, true, "Probenlage", "P", nullptr},
        {"tabEigenschaftswerte.Such_Temp_min", 6, false, nullptr, "Tn", ">="},
        {"tabEigenschaftswerte.Such_Temp_max", 6, false, nullptr, "Tx", "<="},
        {"tabEigenschaftswerte.Dauer_min", 6, false, nullptr, "Dn", ">="},
        {"tabEigenschaftswerte.Dauer_max", 6, false, nullptr, "Dx", "<="},
        {"tabEigenschaftswerte.SID_Dauer", 6, true, "Dauer", "D", nullptr},
        {"tabEigenschaftswerte.SID_Abkuehlung", 6, true, "Abkuehlung", "A", nullptr},
        {"tabEigenschaftswerte.SID_Klassifizierung", 6, true, "Klassifizierung", "K", nullptr},
        {"tabEigenschaftswerte.ID_Eigenschaftswert", 0, false, nullptr, "Id", nullptr},
    }};
    PreparedInsert mask(
        m_db, "tabEigenschaftssuche",
        "Spalte, Feldname, Breite, Ausrichtung, Combo, Comboinhalt, ControlIndex, Negierbar, Symbol, "
        "Vergleich");
    int spalte = 0;
    for (const Column& c : columns) {
        ++spalte;
        mask.row(spalte, c.field, c.width, c.combo ? 0 : 1, c.combo ? -1 : 0,
                 c.content != nullptr ? OptionalText(c.content) : OptionalText{}, spalte - 1,
                 c.combo ? -1 : 0, c.symbol,
                 c.comparison != nullptr ? OptionalText(c.comparison) : OptionalText{});
    }
}

// One steel's rows. Ids are handed out in order, so they follow from the steel count alone.
class SteelWriter {
public:
    SteelWriter(sqlite3* db, Random& random, const std::vector<Id>& variants, const std::vector<Id>& groups)
        : m_random(random), m_variants(variants), m_groups(groups),
          m_steel(db, "tabStahl", "ID_Stahl, ID_Land, ID_Stahlgruppe"),
          m_designation(db, "tabStahlbez",
                        "Id_Stahlbez, ID_Stahl, Bezeichnung, SuchBezeichnung, Kennung, Prioritaet, "
                        "ID_BezeichnungStatus"),
          m_occurrence(db, "tabStahlbezVorkommen",
                       "Id_StahlbezVorkommen, Id_Stahlbez, Id_Land, IndexSort, SupW, SupK, SupEur"),
          m_listedIn(db, "zuoStahlbezVorkommen_NormVariante", "Id_StahlbezVorkommen, Id_NormVariante"),
          m_supplier(db, "zuoStahlbez_Firma", "ID_Stahlbez, ID_Firma"),
          m_footnote(db, "zuoStahlbez_Fussnote", "ID_Stahlbez, ID_Fussnote"),
          m_info(db, "tabInfotext", "ID_Stahl, ID_Infotitel, Info_D, Info_F, Info_E"),
          m_comparison(db, "tabNormvergleich", "ID_Stahl, Id_WsNr, WSNr_Anzeige"),
          m_composition(db, "tabAnalyse", "Id_Analyse, Abmass"),
          m_hasComposition(db, "zuoStahlbez_Analyse", "Id_Stahlbez, Id_Analyse"),
          m_value(db, "tabAnalyseWert",
                  "Id_AnalyseWert, Id_Analyse, ID_Element, MinWert, MaxWert, Sonstiges, NurSuchen, KannWert, "
                  "Rest"),
          m_valueFootnote(db, "zuoAnalyseWert_AnalyseFussnote", "Id_AnalyseWert, Id_Fussnote"),
          m_matrixLink(db, "zuoStahl_Eigenschaftsmatrix",
                       "ID_Stahl, Id_Land, ID_NormVariante, ID_Eigenschaftswertmatrix, Id_StahlbezVorkommen, "
                       "Bezeichnung, Werkstoffnummer"),
          m_matrix(
              db, "tabEigenschaftsMatrix",
              "Id_Eigenschaftsmatrix, Id_Eigenschaftskennung, Eigenschaft_D, Eigenschaft_F, Eigenschaft_E"),
          m_propertyValue(
              db, "tabEigenschaftswerte",
              "ID_Eigenschaftswert, ID_Eigenschaftswertmatrix, ID_Eigenschaft, SID_Eigenschaft, ID_Zustand, "
              "SID_Zustand, ID_Form, SID_Form, ID_Probenlage, SID_Probenlage, ID_Klassifizierung, "
              "SID_Klassifizierung, ID_Dauer, SID_Dauer, ID_Abkuehlung, SID_Abkuehlung, Eigenschaft_min, "
              "Eigenschaft_max, Abmasse_min, Abmasse_max, Temp_min, Temp_max, ZuTemp_Min, ZuTemp_Max, "
              "Dauer_min, Dauer_max, Such_Temp_min, Such_Temp_max"),
          m_remark(db, "zuoEigenschaftswert_Bemerkung", "ID_Eigenschaftswert, ID_Bemerkung") {}

    void write(Id steel);

private:
    struct Designation {
        Id id;
        std::string text;
        std::vector<Id> occurrences;
    };

    Designation designation(Id steel, const std::string& text, const char* kind, int priority,
                            int countryCount, Id ownCountry);
    void composition(const std::vector<Id>& designations);
    void propertyMatrix(Id steel, Id kind, const Designation& materialNumber, Id country);
    Id randomCountry() { return countries[static_cast<std::size_t>(m_random.below(countries.size()))].id; }
    Id randomVariant() {
        return m_variants[static_cast<std::size_t>(m_random.below(static_cast<Id>(m_variants.size())))];
    }

    Random& m_random;
    const std::vector<Id>& m_variants;
    const std::vector<Id>& m_groups;
    Id m_nextDesignation = 0;
    Id m_nextOccurrence = 0;
    Id m_nextComposition = 0;
    Id m_nextValue = 0;
    Id m_nextMatrix = 0;
    Id m_nextPropertyValue = 0;
    PreparedInsert m_steel;
    PreparedInsert m_designation;
    PreparedInsert m_occurrence;
    PreparedInsert m_listedIn;
    PreparedInsert m_supplier;
    PreparedInsert m_footnote;
    PreparedInsert m_info;
    PreparedInsert m_comparison;
    PreparedInsert m_composition;
    PreparedInsert m_hasComposition;
    PreparedInsert m_value;
    PreparedInsert m_valueFootnote;
    PreparedInsert m_matrixLink;
    PreparedInsert m_matrix;
    PreparedInsert m_propertyValue;
    PreparedInsert m_remark;
};

SteelWriter::Designation SteelWriter::designation(Id steel, const std::string& text, const char* kind,
                                                  int priority, int countryCount, Id ownCountry) {
    Designation d{++m_nextDesignation, text, {}};
    const Id status = m_random.percent(90) ? 1 : 2 + m_random.below(2);
    // SuchBezeichnung is left to the build, which removes the blanks.
    m_designation.row(d.id, steel, text, OptionalText{}, kind, priority, status);
    std::vector<Id> used;
    for (int c = 0; c < countryCount; ++c) {
        Id country = c == 0 ? ownCountry : randomCountry();
        while (std::find(used.begin(), used.end(), country) != used.end()) {
            country = randomCountry();
        }
        used.push_back(country);
        const Id occurrence = ++m_nextOccurrence;
        m_occurrence.row(occurrence, d.id, country, occurrence, m_random.percent(10) ? -1 : 0,
                         m_random.percent(10) ? -1 : 0, m_random.percent(5) ? -1 : 0);
        d.occurrences.push_back(occurrence);
        if (kind[0] != 'F') {
            m_listedIn.row(occurrence, randomVariant());
        }
    }
    if (m_random.percent(10)) {
        m_footnote.row(d.id, 1 + m_random.below(footnoteCount));
    }
    return d;
}

void SteelWriter::write(Id steel) {
    const Id country = randomCountry();
    m_steel.row(steel, country,
                m_groups[static_cast<std::size_t>(m_random.below(static_cast<Id>(m_groups.size())))]);

    const std::string number = std::to_string(1 + (steel - 1) / 10000) + "." + padded((steel - 1) % 10000, 4);
    const Designation w = designation(steel, number, "W", 1, 3, country);
    static constexpr std::array<const char*, 4> prefixes{"X", "", "G", "GX"};
    std::vector<Designation> symbols;
    for (int k = 0; k < 3; ++k) {
        const AlloySpec& a = alloys[static_cast<std::size_t>(m_random.below(alloys.size()))];
        std::string symbol =
            std::string(prefixes[static_cast<std::size_t>(m_random.below(prefixes.size()))]) +
            std::to_string(2 + m_random.below(100)) + a.symbol + std::to_string(1 + m_random.below(30)) +
            "-" + std::to_string(steel);
        if (k == 2) {
            symbol += " +QT"; // a blank inside: the search form drops it
        }
        symbols.push_back(designation(steel, symbol, "K", 2 + k, 2, country));
    }
    const Designation f = designation(steel, "Sample Nova " + std::to_string(steel), "F", 5, 1, country);
    m_supplier.row(f.id, 1 + (steel % supplierCount));
    if (m_random.percent(30)) {
        m_supplier.row(f.id, 1 + ((steel * 7 + 3) % supplierCount));
    }
    if (m_random.percent(10)) {
        m_supplier.row(symbols[0].id, 1 + ((steel * 13) % supplierCount));
    }

    const Texts info = texts("Verwendung: Bauteile", "Utilisation : pièces", "Use: components", steel);
    m_info.row(steel, 5, info.d, info.f, info.e);
    if (m_random.percent(50)) {
        const Texts more =
            texts("Hinweis zur Verarbeitung", "Remarque sur la mise en œuvre", "Note on processing", steel);
        m_info.row(steel, 6, more.d, more.f, more.e);
    }

    const Id group = 1 + (steel - 1) / steelsPerComparisonGroup;
    const Id first = (group - 1) * steelsPerComparisonGroup + 1;
    m_comparison.row(steel, "WS" + padded(group, 6),
                     std::to_string(1 + (first - 1) / 10000) + "." + padded((first - 1) % 10000, 4));

    composition({w.id, symbols[0].id});
    composition({symbols[1].id, symbols[2].id});
    for (Id kind = 1; kind <= 3; ++kind) {
        propertyMatrix(steel, kind, w, country);
    }
}

void SteelWriter::composition(const std::vector<Id>& designations) {
    const Id id = ++m_nextComposition;
    m_composition.row(id, m_random.percent(50)
                              ? OptionalText{}
                              : OptionalText("<= " + std::to_string(10 * (1 + m_random.below(25))) + " mm"));
    for (const Id d : designations) {
        m_hasComposition.row(d, id);
    }
    const auto value = [&](const char* element, OptionalReal low, OptionalReal high) {
        const Id valueId = ++m_nextValue;
        m_value.row(valueId, id, element, low, high, OptionalText{}, 0, m_random.percent(3) ? -1 : 0, 0);
        if (m_random.percent(5)) {
            m_valueFootnote.row(valueId, 3 * (1 + m_random.below(compositionFootnoteCount)));
        }
    };
    const double carbon = m_random.between(0.02, 1.2);
    value("C", carbon, carbon + 0.08);
    value("Si", OptionalReal{}, m_random.between(0.3, 1.0));
    value("Mn", m_random.between(0.3, 1.0), m_random.between(1.0, 2.0));
    value("P", OptionalReal{}, 0.025 + 0.01 * static_cast<double>(m_random.below(3)));
    value("S", OptionalReal{}, 0.015 + 0.01 * static_cast<double>(m_random.below(3)));
    std::vector<std::size_t> chosen;
    const auto count = static_cast<std::size_t>(2 + m_random.below(3));
    while (chosen.size() < count) {
        const auto pick = static_cast<std::size_t>(m_random.below(alloys.size()));
        if (std::find(chosen.begin(), chosen.end(), pick) == chosen.end()) {
            chosen.push_back(pick);
        }
    }
    for (const std::size_t pick : chosen) {
        const AlloySpec& a = alloys[pick];
        const double low = m_random.between(a.low, a.high);
        value(a.symbol, low, low + m_random.between(0.1, 2.0));
    }
    const Id rest = ++m_nextValue;
    m_value.row(rest, id, "Fe", OptionalReal{}, OptionalReal{}, OptionalText{}, 0, 0, -1);
}

void SteelWriter::propertyMatrix(Id steel, Id kind, const Designation& materialNumber, Id country) {
    const Id matrix = ++m_nextMatrix;
    m_matrixLink.row(steel, country, randomVariant(), matrix, materialNumber.occurrences.front(),
                     materialNumber.text, materialNumber.text);
    std::array<std::string, 3> xml{"<Eigenschaften>", "<Eigenschaften>", "<Eigenschaften>"};
    const std::array<const char*, 3> propertyWord{"Eigenschaft", "Propriété", "Property"};
    for (int v = 0; v < 4; ++v) {
        const Id value = ++m_nextPropertyValue;
        const Id property = kind + 5 * m_random.below(propertyCount / 5);
        const auto condition = [&]() {
            return m_random.percent(20) ? OptionalId{} : OptionalId(1 + m_random.below(vocabularySize));
        };
        const auto sid = [](const OptionalId& id, Id base) {
            return id ? OptionalId(base + *id) : OptionalId{};
        };
        const OptionalId state = condition();
        const OptionalId form = condition();
        const OptionalId specimen = condition();
        const OptionalId classification = condition();
        const OptionalId duration = kind == 3 ? condition() : OptionalId{};
        const OptionalId cooling = kind == 3 ? condition() : OptionalId{};
        const double low = static_cast<double>(200 + 10 * m_random.below(80));
        const OptionalReal high = m_random.percent(60) ? OptionalReal(low + 150.0) : OptionalReal{};
        const double thickness = static_cast<double>(16 * (1 + v));
        const double temperature =
            m_random.percent(70) ? 20.0 : static_cast<double>(100 * (1 + m_random.below(6)));
        m_propertyValue.row(
            value, matrix, property, 100 + property, state, sid(state, 200), form, sid(form, 200), specimen,
            sid(specimen, 200), classification, sid(classification, 200), duration,
            duration ? OptionalId(300 + *duration) : OptionalId{}, cooling, sid(cooling, 200), low, high,
            v == 0 ? OptionalReal{} : OptionalReal(thickness / 2), thickness, temperature, OptionalReal{},
            OptionalReal{}, OptionalReal{}, OptionalReal{}, OptionalReal{}, temperature, OptionalReal{});
        if (m_random.percent(2)) {
            m_remark.row(value, 1 + m_random.below(remarkCount));
        }
        for (std::size_t language = 0; language < xml.size(); ++language) {
            xml[language] += "<Wert E=\"" + std::to_string(property) + "\" NE=\"" + propertyWord[language] +
                             " " + std::to_string(property) + "\" n=\"" + decimal(low) + "\"" +
                             (high ? " x=\"" + decimal(*high) + "\"" : std::string()) + " U=\"MPa\" Ax=\"" +
                             decimal(thickness) + "\" Tn=\"" + decimal(temperature) + "\"" +
                             (v == 0 ? " FZ=\"1)\"" : "") + "/>";
        }
    }
    const std::array<const char*, 3> footnoteText{"Längsproben", "Éprouvettes longitudinales",
                                                  "Longitudinal specimens"};
    for (std::size_t language = 0; language < xml.size(); ++language) {
        xml[language] += std::string("<Fussnoten><Fussnote FZ=\"1)\" B=\"") + footnoteText[language] +
                         "\"/></Fussnoten></Eigenschaften>";
    }
    m_matrix.row(matrix, kind, xml[0], xml[1], xml[2]);
}

void Writer::writeSteels(Id steelCount) {
    SteelWriter steels(m_db, m_random, m_variants, m_groups);
    for (Id steel = 1; steel <= steelCount; ++steel) {
        steels.write(steel);
    }
}

// A database file written under a temporary name, renamed over the target when complete.
class PendingFile {
public:
    explicit PendingFile(std::filesystem::path target)
        : m_target(std::move(target)),
          m_path(m_target.string() + ".generating-" + std::to_string(::getpid())) {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    ~PendingFile() {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const noexcept { return m_path; }
    void complete() const { std::filesystem::rename(m_path, m_target); }

private:
    std::filesystem::path m_target;
    std::filesystem::path m_path;
};

// Runs a schema file with its indexes held back; returns them to be created once the rows are in.
std::vector<std::string> createTables(datatools::SqliteConnection& connection,
                                      const std::filesystem::path& script) {
    return datatools::SqlScript(script).run(connection, [](const std::string& statement) {
        return !datatools::SqlScript::isCreateIndex(statement);
    });
}

void createIndexes(datatools::SqliteConnection& connection, const std::vector<std::string>& indexes) {
    for (const std::string& statement : indexes) {
        connection.execute(statement);
    }
}

void openForBulkWriting(datatools::SqliteConnection& connection) {
    connection.execute("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; PRAGMA cache_size = -200000;");
}

} // namespace

LargeDatabaseGenerator::LargeDatabaseGenerator(GeneratorOptions options) : m_options(std::move(options)) {
    if (m_options.steelCount < 1) {
        throw std::runtime_error("the number of steels must be at least 1");
    }
}

void LargeDatabaseGenerator::generate() const {
    std::filesystem::create_directories(m_options.outputDir);
    const std::filesystem::path& schema = m_options.schemaDir;

    PendingFile mainFile(m_options.outputDir / "Graukant.MDB");
    {
        datatools::SqliteConnection main(mainFile.path(), true);
        openForBulkWriting(main);
        main.execute("BEGIN");
        const std::vector<std::string> indexes = createTables(main, schema / "graukant.sql");
        Writer writer(main, m_options.seed);
        writer.writeVocabulary();
        writer.writeSteels(m_options.steelCount);
        createIndexes(main, indexes);
        datatools::SqlScript(schema / "graukant-derive.sql").run(main);
        main.execute("COMMIT");
        main.execute("ANALYZE");
    }

    PendingFile filterFile(m_options.outputDir / "Filter.mdb");
    {
        datatools::SqliteConnection filter(filterFile.path(), true);
        openForBulkWriting(filter);
        filter.attach(mainFile.path(), "graukant");
        filter.execute("BEGIN");
        const std::vector<std::string> indexes = createTables(filter, schema / "filter.sql");
        datatools::SqlScript(schema / "filter-derive.sql").run(filter);
        createIndexes(filter, indexes);
        filter.execute("COMMIT");
        filter.execute("DETACH DATABASE graukant");
        filter.execute("ANALYZE");
    }
    mainFile.complete();
    filterFile.complete();
}

} // namespace generator
