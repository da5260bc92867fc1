#include "ObjectsTestSupport.h"
#include "RecordsTestSupport.h"
#include "common/ProgrammSettings.h"
#include "objects/ChemicalCompostions.h"
#include "objects/Designations.h"
#include "objects/Elements.h"
#include "objects/Footnotes.h"
#include "objects/GlobalFunctions.h"
#include "objects/PartCollection.h"
#include "objects/ProductShapes.h"
#include "objects/References.h"
#include "objects/StandardComparisons.h"
#include "objects/Standards.h"
#include "objects/Suppliers.h"
#include "platform/CallError.h"
#include "test_support/Errors.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace orvik::objects;
using objectstest::LiteralRows;
using platform::Variant;

namespace {

struct Tag {
    std::string name;
};

template <MissingItem Missing> std::vector<std::string> names(const PartCollection<Tag, Missing>& c) {
    std::vector<std::string> result;
    for (const auto& entry : c) {
        result.push_back(entry->name);
    }
    return result;
}

std::shared_ptr<Tag> tag(const char* name) {
    return std::make_shared<Tag>(Tag{name});
}

// The shared design, through both answers to a missing item: keys follow the order of adding,
// entries put at the front lead in the order they were put there.
TEST(PartCollection, KeysFollowTheOrderOfAddingAndFrontEntriesKeepTheirOrder) {
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, bool>> adds; // name, front
        std::vector<std::string> order;
        std::vector<std::pair<const char*, const char*>> byKey;
    };
    const Case cases[] = {
        {"empty", {}, {}, {}},
        {"appended", {{"a", false}, {"b", false}}, {"a", "b"}, {{"1", "a"}, {"2", "b"}}},
        {"second at the front", {{"a", false}, {"b", true}}, {"b", "a"}, {{"1", "a"}, {"2", "b"}}},
        {"front into an empty collection", {{"a", true}, {"b", false}}, {"a", "b"}, {{"1", "a"}, {"2", "b"}}},
        {"two at the front keep their order",
         {{"a", false}, {"b", true}, {"c", false}, {"d", true}},
         {"b", "d", "a", "c"},
         {{"1", "a"}, {"2", "b"}, {"3", "c"}, {"4", "d"}}},
    };
    for (const auto& c : cases) {
        PartCollection<Tag, MissingItem::GivesNothing> lenient;
        PartCollection<Tag, MissingItem::Fails> strict;
        for (const auto& [name, front] : c.adds) {
            if (front) {
                lenient.putFront(tag(name));
                strict.putFront(tag(name));
            } else {
                lenient.append(tag(name));
                strict.append(tag(name));
            }
        }
        EXPECT_EQ(names(lenient), c.order) << c.name;
        EXPECT_EQ(names(strict), c.order) << c.name;
        EXPECT_EQ(lenient.Count(), static_cast<std::int32_t>(c.order.size())) << c.name;
        for (const auto& [key, name] : c.byKey) {
            EXPECT_EQ(lenient.Item(key)->name, name) << c.name << " key " << key;
            EXPECT_EQ(strict.Item(Variant(key))->name, name) << c.name << " key " << key;
        }
        if (!c.order.empty()) {
            EXPECT_EQ(strict.Item(1)->name, c.order.front()) << c.name;
            EXPECT_EQ(lenient.Item(Variant(1.0))->name, c.order.front()) << c.name;
        }
        const auto beyond = static_cast<std::int32_t>(c.order.size()) + 1;
        EXPECT_EQ(lenient.Item(beyond), nullptr) << c.name;
        EXPECT_EQ(lenient.Item("99"), nullptr) << c.name;
        EXPECT_EQ(lenient.Item(0), nullptr) << c.name;
        EXPECT_THROW(static_cast<void>(strict.Item(beyond)), platform::CallError) << c.name;
        EXPECT_THROW(static_cast<void>(strict.Item("99")), platform::CallError) << c.name;
    }
}

TEST(PartCollection, HoldsMoreThanASixteenBitCounterCould) {
    References references;
    for (int i = 0; i < 40000; ++i) {
        references.Add(std::make_shared<FootnoteReference>());
    }
    EXPECT_EQ(references.Count(), 40000);
    EXPECT_EQ(references.Item("40000"), references.Item(40000));
}

class Records : public ::testing::Test {
protected:
    LiteralRows m_rows;
};

TEST_F(Records, DesignationsPutTheSelectedOnesFirstInQueryOrder) {
    const auto rs =
        m_rows.rows({"11 AS Id_Stahlbez, ' X5CrNi18-10 ' AS Bezeichnung",
                     "12 AS Id_Stahlbez, 'X5CrNi1810' AS Bezeichnung",
                     "13 AS Id_Stahlbez, Null AS Bezeichnung", "12 AS Id_Stahlbez, 'again' AS Bezeichnung"});
    Designations designations;
    for (; !rs->eof(); rs->moveNext()) {
        const bool selected = platform::CStr(rs->field("Id_Stahlbez")) == "12";
        designations.Add(*rs, selected && designations.Count() > 0);
    }
    std::vector<std::string> texts;
    for (const auto& d : designations) {
        texts.push_back(d->Designation_ID + ":" + d->Designation);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"12:X5CrNi1810", "12:again", "11:X5CrNi18-10", "13:"}));
    EXPECT_EQ(designations.Item("1")->Designation_ID, "11");

    const auto nullId = m_rows.rows({"Null AS Id_Stahlbez, 'x' AS Bezeichnung"});
    EXPECT_THROW(designations.Add(*nullId, false), platform::CallError);
    EXPECT_EQ(designations.Count(), 4);
}

TEST_F(Records, ElementsReadTheirValuesAndFindTheirOwnFootnotes) {
    const auto footnotes = m_rows.rows({"'Cr' AS ID_Element, 1 AS Zeichen, 'for bars' AS Fussnote",
                                        "'Ni' AS ID_Element, 2 AS Zeichen, 'nickel note' AS Fussnote",
                                        "'cr' AS ID_Element, 3 AS Zeichen, 'for sheet' AS Fussnote"});
    const auto values = m_rows.rows(
        {"'C' AS ID_Element, Null AS MinWert, 0.07 AS MaxWert, Null AS Sonstiges, Null AS Anzahl_NK, "
         "Null AS Sortierung, 0 AS NurSuchen, 0 AS KannWert, 0 AS Rest",
         "'Cr' AS ID_Element, 17.5 AS MinWert, 19.5 AS MaxWert, ' max. ' AS Sonstiges, 1 AS Anzahl_NK, "
         "5 AS Sortierung, -1 AS NurSuchen, Null AS KannWert, 0 AS Rest",
         "'Fe' AS ID_Element, Null AS MinWert, Null AS MaxWert, '' AS Sonstiges, 0 AS Anzahl_NK, "
         "99 AS Sortierung, 0 AS NurSuchen, -1 AS KannWert, -1 AS Rest"});
    Elements elements;
    for (; !values->eof(); values->moveNext()) {
        elements.Add(*values, footnotes.get());
    }
    ASSERT_EQ(elements.Count(), 3);
    struct Expected {
        const char* symbol;
        bool minNull;
        std::int16_t backnumbers;
        std::int16_t order;
        bool onlySearch, optional, rest;
        std::vector<std::string> footnotes;
        const char* others;
    };
    const Expected expected[] = {
        {"C", true, 2, 99, false, false, false, {}, ""},
        {"Cr", false, 1, 5, true, false, false, {"1 for bars", "3 for sheet"}, "max."},
        {"Fe", true, 0, 99, false, true, true, {}, ""},
    };
    for (int i = 0; i < 3; ++i) {
        const auto& e = *elements.Item(i + 1);
        const auto& x = expected[i];
        EXPECT_EQ(e.Element, x.symbol);
        EXPECT_EQ(e.MinValue.isNull(), x.minNull) << x.symbol;
        EXPECT_EQ(e.Backnumbers, x.backnumbers) << x.symbol;
        EXPECT_EQ(e.Order, x.order) << x.symbol;
        EXPECT_EQ(e.OnlySearch, x.onlySearch) << x.symbol;
        EXPECT_EQ(e.OptionalValue, x.optional) << x.symbol;
        EXPECT_EQ(e.Rest, x.rest) << x.symbol;
        EXPECT_EQ(e.Others, x.others) << x.symbol;
        std::vector<std::string> notes;
        for (const auto& f : *e.Footnotes) {
            notes.push_back(f->Symbol + " " + f->Footnote);
            EXPECT_TRUE(f->Footnote_ID.empty());
        }
        EXPECT_EQ(notes, x.footnotes) << x.symbol;
    }
    EXPECT_DOUBLE_EQ(platform::CDbl(elements.Item(2)->MinValue), 17.5);
    EXPECT_EQ(elements.Item("1")->Element, "C");
}

TEST_F(Records, TheElementListIsKeyedBySymbolOnce) {
    const auto rs = m_rows.rows({"'C' AS ID_Element, 2 AS Anzahl_NK, 1 AS Sortierung",
                                 "'Cr' AS ID_Element, Null AS Anzahl_NK, Null AS Sortierung",
                                 "'c' AS ID_Element, 3 AS Anzahl_NK, 3 AS Sortierung"});
    Elements list;
    list.AddListElement(*rs);
    rs->moveNext();
    list.AddListElement(*rs);
    rs->moveNext();
    EXPECT_TRUE(test_support::failsWith([&] { list.AddListElement(*rs); }, platform::err::KeyAlreadyExists))
        << "a symbol twice was added";
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item("Cr")->Backnumbers, 2);
    EXPECT_EQ(list.Item("Cr")->Order, 99);
    EXPECT_EQ(list.Item(1)->Element, "C");
    EXPECT_TRUE(list.Item("Cr")->MinValue.isNull());
}

TEST_F(Records, FootnotesFillOncePerRemarkAndAreFoundById) {
    const auto rs = m_rows.rows(
        {"7 AS ID_Bemerkung, ' gilt für Blech ' AS Bemerkung", "9 AS ID_Bemerkung, Null AS Bemerkung"});
    Footnotes notes;
    const auto first = notes.Fill(*rs, 3);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Symbol, "3.1)");
    EXPECT_EQ(first->Footnote, "gilt für Blech");
    EXPECT_EQ(first->Footnote_ID, "7");
    EXPECT_EQ(notes.Fill(*rs, 3), nullptr);
    rs->moveNext();
    EXPECT_EQ(notes.Fill(*rs, 4)->Symbol, "4.2)");
    EXPECT_EQ(notes.Count(), 2);

    EXPECT_EQ(notes.FindById(Variant(7)), first);
    EXPECT_EQ(notes.FindById(Variant("7")), first);
    EXPECT_EQ(notes.FindById(Variant(7.0)), first);
    EXPECT_EQ(notes.FindById(Variant::null()), nullptr);
    EXPECT_EQ(notes.FindById(Variant(8)), nullptr);
}

TEST_F(Records, SuppliersReadWhatTheirQueryHas) {
    const auto list = m_rows.rows({"2 AS ID_Firma, '(A) Exempel' AS Name1, ' Musterweg 5 ' AS Adresse"});
    const auto ofSteel = m_rows.rows({"3 AS ID_Firma, 2 AS LfdNr, Null AS Name1, 'F' AS Landeskuerzel"});
    const auto tradenames = m_rows.rows(
        {"351 AS Id_Stahlbez, 'V2A' AS Bezeichnung", "352 AS Id_Stahlbez, 'SAMPLINOX 18-10' AS Bezeichnung"});
    Suppliers suppliers;
    const auto a = suppliers.Add(*list, nullptr);
    const auto b = suppliers.Add(*ofSteel, tradenames.get());
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(a->Supplier_ID, 2);
    EXPECT_EQ(a->Name, "(A) Exempel");
    EXPECT_EQ(a->Address, "Musterweg 5");
    EXPECT_EQ(a->Number, 0);
    EXPECT_EQ(a->CountrySymbol, "");
    EXPECT_EQ(b->Supplier_ID, 3);
    EXPECT_EQ(b->Number, 2);
    EXPECT_EQ(b->Name, "");
    EXPECT_EQ(b->Address, "");
    EXPECT_EQ(b->CountrySymbol, "F");
    ASSERT_EQ(b->Tradenames->Count(), 2);
    EXPECT_EQ(b->Tradenames->Item(2)->Designation, "SAMPLINOX 18-10");
    EXPECT_TRUE(tradenames->eof());
    EXPECT_EQ(suppliers.Item("2"), suppliers.Item(2));
    EXPECT_EQ(suppliers.Item(2), b);
}

TEST_F(Records, ProductShapesTakeTheirSuppliers) {
    const auto shape = m_rows.rows({"4 AS ID_Lieferform, ' Stabstahl ' AS Lieferform"});
    const auto none = m_rows.rows({}, "1 AS ID_Firma, 'x' AS Name1");
    const auto two =
        m_rows.rows({"1 AS ID_Firma, 'Musterstahl' AS Name1", "2 AS ID_Firma, 'Exempel' AS Name1"});
    ProductShapes shapes;
    const auto empty = shapes.Add(*shape, *none);
    const auto full = shapes.Add(*shape, *two);
    EXPECT_EQ(empty->ShapeID, 4);
    EXPECT_EQ(empty->Shape, "Stabstahl");
    EXPECT_EQ(empty->Suppliers->Count(), 0);
    ASSERT_EQ(full->Suppliers->Count(), 2);
    EXPECT_EQ(full->Suppliers->Item(2)->Name, "Exempel");
    EXPECT_EQ(shapes.Count(), 2);
}

TEST_F(Records, StandardsTakeTheirDocumentsFromTheFirstDetailsRow) {
    const auto standard = m_rows.rows({"20 AS ID_Norm, 'DIN 17100' AS Name, 'DIN' AS Normtyp, '1980-01' AS "
                                       "Stand, 'Allgemeine Baustähle' AS Titel"});
    const auto details =
        m_rows.rows({"'EN 10025:1990' AS Vorgaengerdokument, 'DIN EN 10025' AS Nachfolgedokument, "
                     "Null AS Uebereinstimmung",
                     "'later' AS Vorgaengerdokument, 'later' AS Nachfolgedokument, "
                     "'later' AS Uebereinstimmung"});
    details->moveLast();
    const auto noDetails =
        m_rows.rows({}, "'a' AS Vorgaengerdokument, 'b' AS Nachfolgedokument, 'c' AS Uebereinstimmung");
    Standards standards;
    const auto with = standards.Add(*standard, details.get());
    const auto emptyDetails = standards.Add(*standard, noDetails.get());
    const auto without = standards.Add(*standard, nullptr);
    EXPECT_EQ(with->Standard_ID, 20);
    EXPECT_EQ(with->Standard, "DIN 17100");
    EXPECT_EQ(with->StandardType, "DIN");
    EXPECT_EQ(with->StandardDate, "1980-01");
    EXPECT_EQ(with->StandardTitle, "Allgemeine Baustähle");
    EXPECT_EQ(with->StandardReplaces, "EN 10025:1990");
    EXPECT_EQ(with->StandardReplacedBy, "DIN EN 10025");
    EXPECT_EQ(with->StandardIntConformity, "");
    for (const auto& s : {emptyDetails, without}) {
        EXPECT_EQ(s->StandardReplaces, "");
        EXPECT_EQ(s->StandardReplacedBy, "");
        EXPECT_EQ(s->StandardIntConformity, "");
    }
    EXPECT_EQ(standards.Count(), 3);
}

TEST_F(Records, CompositionsWithAndWithoutValues) {
    const auto composition = m_rows.rows({"Null AS ID_Analyse, ' EN 10088-2 ' AS Bezeichnung"});
    const auto noValues = m_rows.rows({}, "'C' AS ID_Element");
    ChemicalCompostions compositions;
    const auto empty = compositions.Add(composition.get(), *noValues, nullptr, false);
    EXPECT_EQ(empty->ID_Composition, "0");
    EXPECT_EQ(empty->CompositonDesignation, "EN 10088-2");
    EXPECT_EQ(empty->Elements->Count(), 0);
    const auto bare = compositions.Add(nullptr, *noValues, nullptr, true);
    EXPECT_EQ(bare->ID_Composition, "");
    EXPECT_EQ(compositions.Item(1), bare);
    EXPECT_EQ(compositions.Item(3), nullptr);
}

// The display name of the standards in a comparison: the steels of no standard get the group text
// of the current language.
TEST(StandardComparisonsGrouping, TheStandardOfNoStandardShowsTheGroupTextOfTheLanguage) {
    struct Case {
        const char* name;
        std::int32_t language;
        const char* expected;
    };
    const Case cases[] = {
        {"-", 0, "Nicht genormte Stähle "},
        {"-", 1, "Aciers non normalisés "},
        {"-", 2, "Non standardized steels "},
        {"-", 3, "-"},
        {"- (D)", 0, "Nicht genormte Stähle  (D)"},
        {"- (D) ", 2, "Non standardized steels  (D)"},
        {"-2004-05", 0, "Nicht genormte Stähle 2004-05"},
        {"  -", 0, "-"},
        {" EN 10088-2 ", 0, "EN 10088-2"},
        {"EN 10088-2", 2, "EN 10088-2"},
        {"", 0, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StandardComparisons::StandardDesignation(c.name, c.language), c.expected)
            << "'" << c.name << "' in " << c.language;
    }
}

TEST_F(Records, StandardComparisonRowsWithNullIdsAndTheCurrentLanguage) {
    const objectstest::TestProgram program; // the settings the language is read from
    orvik::common::ProgrammSettings().CurrentLanguage(orvik::common::Language::French);
    const auto rs =
        m_rows.rows({"Null AS Id_Stahlbez, Null AS ID_Stahl, Null AS Id_StahlbezVorkommen, Null AS ID_Norm, "
                     "Null AS WSNr_Anzeige, Null AS Bezeichnung, Null AS Kennung, Null AS Land, Null AS Name",
                     "341 AS Id_Stahlbez, 69 AS ID_Stahl, 483 AS Id_StahlbezVorkommen, 8 AS ID_Norm, ' "
                     "1.4301 ' AS WSNr_Anzeige, "
                     "'X5CrNi18-10' AS Bezeichnung, 'K' AS Kennung, 'Europe' AS Land, '- (EU)' AS Name"});
    StandardComparisons comparisons;
    const auto nulls = comparisons.Add(*rs);
    rs->moveNext();
    const auto full = comparisons.Add(*rs);
    EXPECT_EQ(nulls->Desig_ID, "0");
    EXPECT_EQ(nulls->Steel_ID, "0");
    EXPECT_EQ(nulls->DesigCountryId, "");
    EXPECT_EQ(nulls->Standard_ID, 0);
    EXPECT_EQ(nulls->DesignationType, "");
    EXPECT_EQ(nulls->StandardDesignation, "");
    EXPECT_EQ(full->Desig_ID, "341");
    EXPECT_EQ(full->Steel_ID, "69");
    EXPECT_EQ(full->DesigCountryId, "483");
    EXPECT_EQ(full->Standard_ID, 8);
    EXPECT_EQ(full->MaterialDesignation, "1.4301");
    EXPECT_EQ(full->DesignationType, "K");
    EXPECT_EQ(full->Country, "Europe");
    EXPECT_EQ(full->StandardDesignation, "Aciers non normalisés  (EU)");
    EXPECT_THROW(static_cast<void>(comparisons.Item(3)), platform::CallError);
}

TEST(GlobalFunctions, CVarStrTrimsAndReadsNullAsEmpty) {
    EXPECT_EQ(GlobalFunctions::CVarStr(Variant::null()), "");
    EXPECT_EQ(GlobalFunctions::CVarStr(Variant("  1.4301 ")), "1.4301");
    EXPECT_EQ(GlobalFunctions::CVarStr(Variant(5)), "5");
}

} // namespace
