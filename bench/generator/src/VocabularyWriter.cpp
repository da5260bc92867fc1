#include "VocabularyWriter.h"

#include "PreparedInsert.h"

namespace generator {

void VocabularyWriter::write() {
    writeCountriesAndGroups();
    writeStandards();
    writeSuppliers();
    writeTextTables();
    writeCompositionVocabulary();
    writePropertyVocabulary();
    writeSearchMask();
}

void VocabularyWriter::writeCountriesAndGroups() {
    PreparedInsert land(m_db, "tabLand", "ID_Land, Landeskuerzel, Land_D, Land_F, Land_E, EuLand, Filter");
    for (const Country& c : countries) {
        const Texts name = texts("Land", "Pays", "Country", c.id);
        land.row(c.id, std::string("L").append(padded(c.id, 2)), name.d, name.f, name.e, c.european ? -1 : 0,
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

void VocabularyWriter::writeStandards() {
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

void VocabularyWriter::writeSuppliers() {
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

void VocabularyWriter::writeTextTables() {
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

void VocabularyWriter::writeCompositionVocabulary() {
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

void VocabularyWriter::writePropertyVocabulary() {
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
                     p % 4 == 0 ? OptionalText{} : OptionalText("MPa"),
                     std::string("R").append(std::to_string(p)),
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

void VocabularyWriter::writeSearchMask() {
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

} // namespace generator
