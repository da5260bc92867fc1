#include "SteelWriter.h"

#include <algorithm>
#include <array>

namespace generator {

SteelWriter::SteelWriter(platform::db::sqlite::Connection& db, Random& random,
                         const std::vector<Id>& variants, const std::vector<Id>& groups)
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
      m_matrix(db, "tabEigenschaftsMatrix",
               "Id_Eigenschaftsmatrix, Id_Eigenschaftskennung, Eigenschaft_D, Eigenschaft_F, Eigenschaft_E"),
      m_propertyValue(
          db, "tabEigenschaftswerte",
          "ID_Eigenschaftswert, ID_Eigenschaftswertmatrix, ID_Eigenschaft, SID_Eigenschaft, ID_Zustand, "
          "SID_Zustand, ID_Form, SID_Form, ID_Probenlage, SID_Probenlage, ID_Klassifizierung, "
          "SID_Klassifizierung, ID_Dauer, SID_Dauer, ID_Abkuehlung, SID_Abkuehlung, Eigenschaft_min, "
          "Eigenschaft_max, Abmasse_min, Abmasse_max, Temp_min, Temp_max, ZuTemp_Min, ZuTemp_Max, "
          "Dauer_min, Dauer_max, Such_Temp_min, Such_Temp_max"),
      m_remark(db, "zuoEigenschaftswert_Bemerkung", "ID_Eigenschaftswert, ID_Bemerkung") {}

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

} // namespace generator
