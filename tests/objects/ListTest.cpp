#include "objects/List.h"

#include "ObjectsTestSupport.h"
#include "common/Exception.h"
#include "common/TextID.h"
#include "common/cls_Language.h"
#include "objects/Application.h"
#include "objects/Connection.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using objectstest::TestProgram;
using orvik::common::Language;
using orvik::objects::List;

namespace {

/// The events of a list in the order they came: "ManagerException <procedure>" or the list's event.
class EventOrder {
public:
    explicit EventOrder(List& list) {
        m_subs.push_back(list.ManagerException.subscribe(
            [this](const auto& ex) { m_events.push_back("ManagerException " + ex->Procedure()); }));
        m_subs.push_back(
            list.CountriesAvailable.subscribe([this](const auto&) { m_events.emplace_back("Countries"); }));
        m_subs.push_back(list.PropertyCountriesAvailable.subscribe(
            [this](const auto&) { m_events.emplace_back("PropertyCountries"); }));
        m_subs.push_back(
            list.StandardsAvailable.subscribe([this](const auto&) { m_events.emplace_back("Standards"); }));
        m_subs.push_back(
            list.SuppliersAvailable.subscribe([this](const auto&) { m_events.emplace_back("Suppliers"); }));
        m_subs.push_back(list.SteelgroupsAvailable.subscribe(
            [this](const auto&) { m_events.emplace_back("Steelgroups"); }));
        m_subs.push_back(
            list.ElementsAvailable.subscribe([this](const auto&) { m_events.emplace_back("Elements"); }));
        m_subs.push_back(
            list.MaterialsAvailable.subscribe([this](const auto& rs, const std::string& pattern) {
                m_events.push_back("Materials " + std::string(rs ? "rows" : "nothing") + " " + pattern);
            }));
    }
    [[nodiscard]] std::vector<std::string> take() { return std::exchange(m_events, {}); }

private:
    std::vector<std::string> m_events;
    std::vector<platform::Subscription> m_subs;
};

TEST(List, EachListComesWithItsEventAndTheSameObject) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    const auto list = app->List();
    std::shared_ptr<List::Countries_t> announced;
    const auto sub =
        list->CountriesAvailable.subscribe([&](const auto& countries) { announced = countries; });

    const auto countries = list->Countries();
    EXPECT_EQ(announced, countries);
    ASSERT_TRUE(countries->exists(platform::Variant(32)));
    EXPECT_EQ(countries->item(platform::Variant(32)), "Deutschland (D)");
    EXPECT_FALSE(countries->exists(platform::Variant("32"))); // keyed by the number as read
    // Sorted by name as the user reads it: Österreich comes among the O, not after the Z.
    std::vector<std::string> names;
    for (const auto& entry : *countries) {
        names.push_back(entry.item);
    }
    EXPECT_LT(std::find(names.begin(), names.end(), "Österreich (A)"),
              std::find(names.begin(), names.end(), "Russland (RUS)"));

    const auto again = list->Countries();
    EXPECT_NE(again, countries);
    EXPECT_EQ(again->count(), countries->count());
}

TEST(List, SteelGroupsAndCountriesFollowTheirKeyRules) {
    const TestProgram program;
    objectstest::changeDatabase(
        program.databaseFolder() / "Graukant.MDB",
        {"INSERT INTO tabStahlgruppe (ID_Stahlgruppe, IntGruppe, Sichtbar, Gruppe_D) VALUES (12000, 9, -1, "
         "'Sonderstähle')",
         "INSERT INTO tabStahlgruppe (ID_Stahlgruppe, IntGruppe, Sichtbar, Gruppe_D) VALUES (11500, 4, -1, "
         "'Zweite 4')",
         "INSERT INTO tabStahlgruppe (ID_Stahlgruppe, IntGruppe, Sichtbar, Gruppe_D) VALUES (10999, 4, -1, "
         "'Knapp D')",
         "INSERT INTO tabLand (ID_Land, Landeskuerzel, Land_D, Land_F, Land_E, EuLand, Filter) "
         "VALUES (77, Null, 'Ohnekürzel', 'Sans', 'Without', 0, -1)"});
    const auto app = objectstest::connectedApplication();
    const auto list = app->List();
    const auto groups = list->Steelgroups();
    struct Case {
        const char* key;
        const char* text;
    };
    const Case cases[] = {
        {"12000", "Sonderstähle"},
        {"10999", "Knapp D (D)"},
        {"10090", "Austenitische nichtrostende Stähle (D)"},
        {"4", "Nichtrostende Stähle (Int)"}, // 11004 and 11500 share IntGruppe 4: the first stays
        {"1", "Baustähle (Int)"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(groups->exists(platform::Variant(c.key))) << c.key;
        EXPECT_EQ(groups->item(platform::Variant(c.key)), c.text) << c.key;
    }
    EXPECT_FALSE(groups->exists(platform::Variant("11004")));
    EXPECT_FALSE(groups->exists(platform::Variant("11500")));

    const auto countries = list->Countries();
    EXPECT_EQ(countries->item(platform::Variant(77)), "Ohnekürzel");
}

TEST(List, StandardsAreNumberedFromZeroAndTheStandardOfNoStandardIsNamed) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    const auto list = app->List();
    for (const auto language : {Language::German, Language::English, Language::UserDefined}) {
        app->LanguageObject()->setLanguage(language); // as the program switches
        const auto standards = list->Standards();
        ASSERT_GT(standards->count(), 0);
        std::int32_t expectedKey = 0;
        bool sawPseudo = false;
        for (const auto& entry : *standards) {
            EXPECT_EQ(entry.key, platform::Variant(expectedKey));
            ++expectedKey;
            EXPECT_EQ(entry.item->Name.find("  "), std::string::npos) << entry.item->Name;
            if (entry.item->Name.starts_with(language == Language::German ? "Nicht genormte Stähle"
                                                                          : "Non standardized steels")) {
                sawPseudo = true;
                EXPECT_NE(entry.item->Name.find(" ("), std::string::npos) << entry.item->Name;
                EXPECT_EQ(entry.item->Dokument, entry.item->Name);
            }
        }
        EXPECT_TRUE(sawPseudo) << static_cast<int>(language);
    }
    app->LanguageObject()->setLanguage(Language::German);
    const auto standards = list->Standards();
    const orvik::objects::StandardListEntry* din17100 = nullptr;
    for (const auto& entry : *standards) {
        if (entry.item->StandardId == 20) {
            din17100 = entry.item.get();
        }
    }
    ASSERT_NE(din17100, nullptr);
    EXPECT_EQ(din17100->ReplacedBy, "DIN EN 10025");
    const auto info = din17100->GetInfo(*app);
    EXPECT_EQ(info, din17100->CountryDe + "\r\n" + din17100->Dokument + "\r\n" + din17100->TitleDe +
                        "\r\n\r\n" +
                        app->LanguageObject()->getTextFromDB(orvik::common::TextID::Nachfolgedokument) +
                        "\r\nDIN EN 10025");
    app->LanguageObject()->setLanguage(Language::UserDefined);
    EXPECT_TRUE(din17100->GetInfo(*app).starts_with(din17100->CountryEn + "\r\n"));
}

TEST(List, SuppliersAndElements) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    const auto list = app->List();
    const auto suppliers = list->Suppliers();
    ASSERT_EQ(suppliers->Count(), 6);
    for (const auto& supplier : *suppliers) {
        EXPECT_GT(supplier->Supplier_ID, 0);
        EXPECT_FALSE(supplier->Name.empty());
        EXPECT_FALSE(supplier->Address.empty());
        EXPECT_EQ(supplier->Number, 0);
    }
    EXPECT_EQ(suppliers->Item("2"), suppliers->Item(2));

    const auto elements = list->Elements();
    ASSERT_GT(elements->Count(), 0);
    EXPECT_EQ(elements->Item("cr")->Element, "Cr");
    EXPECT_EQ(elements->Item("C")->Element, "C");
}

TEST(List, WithoutConnectionEveryListReportsOnceThenAnnouncesItsEmptyList) {
    const TestProgram program;
    const auto app = orvik::objects::Application::create();
    const auto list = app->List();
    EventOrder order(*list);
    struct Case {
        const char* name;
        std::function<bool()> emptyResult;
    };
    const Case cases[] = {
        {"Countries",
         [&] {
             return list->Countries()->count() == 0;
         }},
        {"PropertyCountries",
         [&] {
             return list->PropertyCountries()->count() == 0;
         }},
        {"Standards",
         [&] {
             return list->Standards()->count() == 0;
         }},
        {"Suppliers",
         [&] {
             return list->Suppliers()->Count() == 0;
         }},
        {"Steelgroups",
         [&] {
             return list->Steelgroups()->count() == 0;
         }},
        {"Elements",
         [&] {
             return list->Elements()->Count() == 0;
         }},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(c.emptyResult()) << c.name;
        EXPECT_EQ(order.take(),
                  (std::vector<std::string>{std::string("ManagerException ") + c.name, c.name}));
    }
    EXPECT_EQ(list->Materials(-1, -1, -1, -1, -1, true, true, true, "SuchBezeichnung Like '1.4301*'"),
              nullptr);
    EXPECT_EQ(order.take(), (std::vector<std::string>{"ManagerException GetMaterialList",
                                                      "Materials nothing SuchBezeichnung Like '1.4301*'"}));
}

TEST(List, AFailingQueryIsReportedBeforeTheListsEvent) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    const auto list = app->List();
    EventOrder order(*list);
    // A language with no columns makes every language-dependent query fail.
    app->LanguageObject()->setLanguage(4);
    EXPECT_EQ(list->Countries()->count(), 0);
    EXPECT_EQ(order.take(), (std::vector<std::string>{"ManagerException GetList", "Countries"}));
    EXPECT_EQ(list->Materials(-1, -1, -1, -1, -1, true, true, true, "Nonsense Like"), nullptr);
    EXPECT_EQ(order.take(), (std::vector<std::string>{"ManagerException GetMaterialList",
                                                      "Materials nothing Nonsense Like"}));
}

} // namespace
