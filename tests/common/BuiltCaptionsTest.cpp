// The text service over the text database the build delivers: windows and panels built with their
// German captions read the captions of each language, keyed as the service keys them.

#include "FakeLanguageForm.h"
#include "LanguageTestDatabase.h"
#include "common/cls_Language.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orvik::common::test {
namespace {

/// One caption in German, French and English, indexed by the language's number.
struct Caption {
    const char* text[3];
    [[nodiscard]] std::string in(std::int32_t language) const { return text[language]; }
};

class BuiltCaptions : public ::testing::Test {
protected:
    BuiltCaptions() : language(scratch.engine()) {
        language.setDbPath(std::filesystem::path(GK_BUILT_LANGUAGE_MDB).parent_path().string() + "/");
    }

    const LanguageTestDatabase scratch{""}; // only its workgroup file is used
    cls_Language language;
};

TEST_F(BuiltCaptions, MainWindowMenusListBarTabsAndToolbarFollowTheLanguage) {
    const Caption title{{"Graukant 2007", "Graukant 2007", "Graukant 2007"}};
    const Caption file{{"&Datei", "&Fichier", "&File"}};
    const Caption exit{{"&Beenden", "&Quitter", "E&xit"}};
    const Caption overview{{"Übersicht", "Vue d'ensemble", "Overview"}};
    const Caption comparison{{"Normenvergleich", "Comparaison des normes", "Standard comparison"}};
    const Caption advanced{
        {"Erweiterte Analysensuche", "Recherche par analyse avancée", "Advanced composition search"}};
    const Caption find{{"Suchen", "Rechercher", "Search"}};
    for (const std::int32_t l : {cls_Language::German, cls_Language::French, cls_Language::English}) {
        language.setLanguage(l);
        FakeForm main("frmMain", "Graukant 2007");
        auto& fileMenu = main.add<FakeCaption>(ControlKind::MenuItem, "mnuZeile", "&Datei", 0);
        auto& exitItem = main.add<FakeCaption>(ControlKind::MenuItem, "mnuDatei", "&Beenden", 11);
        auto& bar = main.add<FakeListBar>(
            "SSListBar1", std::vector<FakeListBar::Group>{{2, "Übersicht", {{10, "Normenvergleich"}}}});
        auto& tabs = main.add<FakeTabs>(
            ControlKind::TabControl, "tabCompositionSearch",
            std::vector<std::string>{"Standard-Analysensuche", "Erweiterte Analysensuche"});
        auto& toolbar =
            main.add<FakeToolbar>("Toolbar1", std::vector<FakeToolbar::Button>{{"FIND", "Suchen", {}}});
        // Set by the program: the steel shown must survive a language switch.
        auto& steel = main.add<FakeCaption>(ControlKind::Label, "lblAktuellerStahl", "X5CrNi18-10 ");
        language.adjustForm(main);
        EXPECT_EQ(main.caption(), title.in(l));
        EXPECT_EQ(fileMenu.text, file.in(l));
        EXPECT_EQ(exitItem.text, exit.in(l));
        EXPECT_EQ(bar.groups[0].caption, overview.in(l));
        EXPECT_EQ(bar.groups[0].items[0].second, comparison.in(l));
        EXPECT_EQ(tabs.tabs[1], advanced.in(l));
        EXPECT_EQ(toolbar.buttons[0].caption, find.in(l));
        EXPECT_EQ(steel.text, "X5CrNi18-10 ");
    }
}

TEST_F(BuiltCaptions, PanelsAndDialogsFollowTheLanguage) {
    struct Case {
        const char* form;
        ControlKind kind;
        const char* control;
        std::optional<std::int32_t> index;
        Caption caption;
    };
    const Case cases[] = {
        {"uctlSelection",
         ControlKind::CommandButton,
         "cmdAktualisieren",
         std::nullopt,
         {{"&Aktualisieren", "&Actualiser", "&Update list"}}},
        {"uctlSelection",
         ControlKind::CheckBox,
         "chkWerkstoffnr",
         std::nullopt,
         {{"Werkstoff-Nr.", "N° matière", "Material no."}}},
        {"uctlSelection", ControlKind::Label, "lblAuswahl", 3, {{"Land", "Pays", "Country"}}},
        {"uctlDescription",
         ControlKind::Frame,
         "fraBeschreibung",
         std::nullopt,
         {{" Beschreibung ", " Description ", " Description "}}},
        {"uctlAdvancedCompositionSearch",
         ControlKind::CommandButton,
         "cmdAnalyseSuchen",
         std::nullopt,
         {{"&Suchen", "Re&chercher", "&Search"}}},
        {"frmPrintSettings",
         ControlKind::CheckBox,
         "chkPrintoptions",
         11,
         {{"Lieferform", "Forme de livraison", "Product shape"}}},
        {"frmPropertyPrintRange",
         ControlKind::OptionButton,
         "optRange",
         1,
         {{"Nur markierte Eintrage", "Entrées marquées seulement", "Marked entries only"}}},
        {"frmErgebniskombination",
         ControlKind::CheckBox,
         "chkResult",
         2,
         {{"Erweiterte Suche", "Recherche avancée", "Advanced search"}}},
    };
    for (const std::int32_t l : {cls_Language::German, cls_Language::French, cls_Language::English}) {
        language.setLanguage(l);
        for (const Case& c : cases) {
            FakeForm form(c.form, "", false);
            auto& control =
                form.add<FakeCaption>(c.kind, c.control, c.caption.in(cls_Language::German), c.index);
            language.adjustForm(form);
            EXPECT_EQ(control.text, c.caption.in(l)) << c.form << " " << c.control << " in " << l;
        }
    }
}

TEST_F(BuiltCaptions, GridHeadingsComeByColumnAndDataRowsStay) {
    language.setLanguage(cls_Language::English);
    FakeForm search("uctlPropertySearch", "", false);
    auto& criteria = search.add<FakeGrid>(
        "grdMechSuchen",
        std::vector<std::vector<std::string>>{{"", "", "", ""}, {"", "", "", ""}, {"a", "b", "c", "d"}}, 2);
    language.adjustForm(search);
    EXPECT_EQ(criteria.cells[0], (std::vector<std::string>{" ", "Property", "Value", "Value"}));
    EXPECT_EQ(criteria.cells[1], (std::vector<std::string>{" ", " ", "Min", "Max"}));
    EXPECT_EQ(criteria.cells[2], (std::vector<std::string>{"a", "b", "c", "d"}));

    // A list without a heading row: its first row is a designation and must keep it.
    FakeForm list("uctlMaterialList", "", false);
    auto& designations =
        list.add<FakeGrid>("grdMaterials", std::vector<std::vector<std::string>>{{"1.4301", "7"}}, 0);
    language.adjustForm(list);
    EXPECT_EQ(designations.cells[0][0], "1.4301");
}

} // namespace
} // namespace orvik::common::test
