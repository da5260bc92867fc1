#include "FakeLanguageForm.h"
#include "SystemLanguage.h"
#include "TextServiceFakeSource.h"
#include "common/cls_Language.h"

#include <gtest/gtest.h>

namespace orvik::common::test {
namespace {

using Text = std::optional<std::string>;
const Text null = std::nullopt;

struct Notices {
    std::vector<std::string> texts;
    std::vector<std::string> titles;
};

/// A service over a fake database whose system language and notifier the test controls.
struct Service {
    explicit Service(std::string systemLanguage = "German")
        : system(std::move(systemLanguage)),
          language(
              std::make_unique<FakeTextSource>(db), [this] { return system; },
              [this](const platform::UserMessage& m) {
                  notices.texts.push_back(m.text);
                  notices.titles.push_back(m.title);
              }) {}

    FakeTextSource::State db;
    std::string system;
    Notices notices;
    cls_Language language;
};

struct ChainCase {
    const char* what;
    std::int32_t language;
    bool useSelfDefined;
    const char* system;
    Text german;
    Text france;
    Text english;
    Text selfdefine;
    std::string expected;
};

// The record's columns hold distinct texts, so the result names the column it came from.
const ChainCase chainCases[] = {
    {"German column", 0, false, "German", "de", "fr", "en", "self", "de"},
    {"French column", 1, false, "German", "de", "fr", "en", "self", "fr"},
    {"English column", 2, false, "German", "de", "fr", "en", "self", "en"},
    {"switch off ignores the user's text", 0, false, "German", "de", "fr", "en", "self", "de"},
    {"switch on takes the user's text", 0, true, "German", "de", "fr", "en", "self", "self"},
    {"switch on, blank user's text falls back", 1, true, "German", "de", "fr", "en", "   ", "fr"},
    {"switch on, null user's text falls back", 2, true, "German", "de", "fr", "en", null, "en"},
    {"null German on a French system", 0, false, "French", null, "fr", "en", "self", "fr"},
    {"blank German on an English system", 0, false, "English", "  ", "fr", "en", "self", "en"},
    {"null German on another system reads English", 0, false, "Italian", null, "fr", "en", null, "en"},
    {"empty system language counts as other", 1, false, "", "de", "", "en", null, "en"},
    {"blank French on a German system", 1, false, "german", "de", " ", "en", null, "de"},
    {"null language and system columns", 0, false, "German", null, "fr", "en", null, ""},
    {"all null", 2, true, "English", null, null, null, null, ""},
    {"blank user's text stays when nothing else", 0, true, "German", null, null, null, "  ", "  "},
    {"result is not trimmed", 0, false, "German", " de ", null, null, null, " de "},
    {"user-defined prefers the user's text without the switch", 3, false, "German", "de", "fr", "en", "self",
     "self"},
    {"user-defined, blank user's text reads English", 3, true, "German", "de", "fr", "en", " ", "en"},
    {"user-defined, no English on a French system", 3, false, "French", "de", "fr", null, null, "fr"},
    {"user-defined, blank English on a German system", 3, false, "German", "de", "fr", "  ", null, "de"},
    {"user-defined, no English on another system", 3, false, "Spanish", "de", "fr", null, null, ""},
    {"unknown language falls to the system column", 7, false, "German", "de", "fr", "en", "self", "de"},
    {"unknown language on an English system", 9, true, "English", "de", "fr", "en", null, "en"},
};

TEST(LanguageLookup, FallbackChainByLanguageSwitchColumnsAndSystemLanguage) {
    for (const ChainCase& c : chainCases) {
        SCOPED_TRACE(c.what);
        Service s(c.system);
        s.db.texts[12] = TextRecord{c.german, c.france, c.english, c.selfdefine};
        s.db.controls[{"frmtest", "lbltest"}] = TextRecord{c.german, c.france, c.english, c.selfdefine};
        s.language.setLanguage(c.language);
        s.language.setUseSelfDefined(c.useSelfDefined);

        EXPECT_EQ(s.language.getTextFromDB(TextID::Undokumentierter_Fehler), c.expected);

        FakeForm form("frmTest", "Test");
        auto& label = form.add<FakeCaption>(ControlKind::Label, "lblTest", "Vorgabe");
        s.language.adjustForm(form);
        EXPECT_EQ(label.text, c.expected) << "the same chain for a control caption";
    }
}

TEST(LanguageLookup, MissingRecordGivesEmptyTextAndKeepsTheCaption) {
    Service s;
    s.db.texts[3] = TextRecord{"da", null, null, null};
    EXPECT_EQ(s.language.getTextFromDB(TextID::Kein_Datensatz_gefunden), "");
    EXPECT_EQ(s.language.getTextFromDB(TextID::Fehlerhafter_Suchstring), "da");

    FakeForm form("frmTest", "Titel");
    auto& label = form.add<FakeCaption>(ControlKind::Label, "lblUnknown", "bleibt");
    s.language.adjustForm(form);
    EXPECT_EQ(label.text, "bleibt");
    EXPECT_EQ(form.caption(), "Titel");
}

TEST(LanguageLookup, SystemLanguageTests) {
    struct Case {
        const char* system;
        bool english, france, german, other;
    };
    const Case cases[] = {
        {"English", true, false, false, false}, {"FRENCH", false, true, false, false},
        {"german", false, false, true, false},  {"Italian", false, false, false, true},
        {"", false, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.system);
        Service s(c.system);
        EXPECT_EQ(s.language.isSysLangEnglish(), c.english);
        EXPECT_EQ(s.language.isSysLangFrance(), c.france);
        EXPECT_EQ(s.language.isSysLangGerman(), c.german);
        EXPECT_EQ(s.language.isSysLangOther(), c.other);
    }
}

TEST(LanguageDatabaseFailure, ReportedOnceThenRetriedSilently) {
    Service s;
    s.db.failOpen = true;
    s.db.texts[17] = TextRecord{"ja", null, null, null};
    s.db.controls[{"frmtest", "lbltest"}] = TextRecord{"neu", null, null, null};

    FakeForm form("frmTest", "Titel");
    auto& label = form.add<FakeCaption>(ControlKind::Label, "lblTest", "alt");
    EXPECT_EQ(s.language.getTextFromDB(TextID::ja), "");
    s.language.adjustForm(form);
    EXPECT_EQ(s.language.getTextFromDB(TextID::ja), "");
    s.language.createRecordsetsImmediately();

    EXPECT_EQ(label.text, "alt");
    EXPECT_EQ(form.caption(), "Titel");
    ASSERT_EQ(s.notices.texts.size(), 1U);
    EXPECT_NE(s.notices.texts.front().find("Language.mdb"), std::string::npos);
    EXPECT_EQ(s.notices.titles.front(), "OrvikCommonVers5");
    EXPECT_EQ(s.db.openAttempts, 5) << "each request tries to open again";

    s.db.failOpen = false;
    EXPECT_EQ(s.language.getTextFromDB(TextID::ja), "ja");
    s.language.adjustForm(form);
    EXPECT_EQ(label.text, "neu");
    EXPECT_EQ(s.notices.texts.size(), 1U);
}

TEST(LanguageDatabaseFailure, FailedSeeksKeepTextsAndCaptionsWithoutReport) {
    Service s;
    s.db.texts[17] = TextRecord{"ja", null, null, null};
    s.db.controls[{"frmtest", "frmtest"}] = TextRecord{"Neu", null, null, null};
    s.db.controls[{"frmtest", "lbltest"}] = TextRecord{"neu", null, null, null};
    FakeForm form("frmTest", "Titel");
    auto& label = form.add<FakeCaption>(ControlKind::Label, "lblTest", "alt");
    auto& tabs = form.add<FakeTabs>(ControlKind::TabControl, "SSTab", std::vector<std::string>{"a", "b"});
    s.language.createRecordsetsImmediately();

    s.db.failSeek = true;
    EXPECT_EQ(s.language.getTextFromDB(TextID::ja), "");
    s.language.adjustForm(form);
    EXPECT_EQ(form.caption(), "Titel");
    EXPECT_EQ(label.text, "alt");
    EXPECT_EQ(tabs.tabs, (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(s.notices.texts.empty()) << "a failed step is no message box";

    s.db.failSeek = false;
    EXPECT_EQ(s.language.getTextFromDB(TextID::ja), "ja");
    s.language.adjustForm(form);
    EXPECT_EQ(label.text, "neu");
    EXPECT_EQ(form.caption(), "Neu");
}

TEST(LanguageDatabaseFailure, OneFailedCaptionLeavesTheOthersOfItsControlToBeSet) {
    Service s;
    s.db.controls[{"frmtest", "sstab(0)"}] = TextRecord{"Null", null, null, null};
    s.db.controls[{"frmtest", "sstab(1)"}] = TextRecord{"Eins", null, null, null};
    s.db.controls[{"frmtest", "sstab(2)"}] = TextRecord{"Zwei", null, null, null};
    s.db.brokenControls = {"sstab(1)"};
    FakeForm form("frmTest", "Titel");
    auto& tabs =
        form.add<FakeTabs>(ControlKind::TabControl, "SSTab", std::vector<std::string>{"zero", "one", "two"});
    s.language.adjustForm(form);
    EXPECT_EQ(tabs.tabs, (std::vector<std::string>{"Null", "one", "Zwei"}));
    EXPECT_TRUE(s.notices.texts.empty());
}

TEST(LanguageDatabasePath, FolderGetsSeparatorAndIsFixedOnceOpen) {
    Service s;
    s.language.setDbPath("/opt/graukant/Daten");
    EXPECT_EQ(s.language.dbPath(), "/opt/graukant/Daten/");
    static_cast<void>(s.language.getTextFromDB(TextID::ja));
    s.language.setDbPath("/elsewhere");
    static_cast<void>(s.language.getTextFromDB(TextID::ja));
    s.language.createRecordsetsImmediately();
    EXPECT_EQ(s.db.openedFile, "/opt/graukant/Daten/Language.mdb");
    EXPECT_EQ(s.language.dbPath(), "/opt/graukant/Daten/");
}

TEST(LanguageDatabasePath, DefaultsToTheLibraryFolder) {
    Service s;
    EXPECT_FALSE(s.language.dbPath().empty());
    EXPECT_EQ(s.language.dbPath().back(), '/');
}

class AdjustForm : public ::testing::Test {
protected:
    void record(const std::string& form, const std::string& control, Text german) {
        s.db.controls[{FakeTextSource::lower(form), FakeTextSource::lower(control)}] =
            TextRecord{std::move(german), null, null, null};
    }
    Service s;
};

TEST_F(AdjustForm, SetsCaptionsOfEveryControlKind) {
    record("frmMain", "frmMain", "Hauptfenster");
    record("frmMain", "lblName", "Name:");
    record("frmMain", "cmdOk(2)", "&OK");
    record("frmMain", "fraRahmen", "Rahmen");
    record("frmMain", "chkAlle", "Alle");
    record("frmMain", "optA(0)", "A");
    record("frmMain", "mnuDatei(3)", "&Speichern");
    record("frmMain", "tabStrip(1)", "Erste");
    record("frmMain", "tabStrip(2)", "Zweite");
    record("frmMain", "sstab(0)", "Null");
    record("frmMain", "sstab(1)", "Eins");
    record("frmMain", "flx_Col(0)", "Spalte 0");
    record("frmMain", "flx_Col(1)", "Spalte 1");
    record("frmMain", "flx_Col(2001)", "Zeile 2, Spalte 1");
    record("frmMain", "SSListBar1_Group1", "Suchen");
    record("frmMain", "SSListBar1_Group1_ListItem3", "Analyse");
    record("frmMain", "Toolbar1_ButtonPRINT", "Drucken");
    record("frmMain", "Toolbar1_ButtonPRINT_ButtonMenuePRINT_SETUP", "Einrichten");
    record("frmMain", "txtOther", "nie");

    FakeForm form("frmMain", "main");
    auto& label = form.add<FakeCaption>(ControlKind::Label, "lblName", "name");
    auto& button = form.add<FakeCaption>(ControlKind::CommandButton, "cmdOk", "ok", 2);
    auto& frame = form.add<FakeCaption>(ControlKind::Frame, "fraRahmen", "frame");
    auto& check = form.add<FakeCaption>(ControlKind::CheckBox, "chkAlle", "all");
    auto& option = form.add<FakeCaption>(ControlKind::OptionButton, "optA", "a", 0);
    auto& menu = form.add<FakeCaption>(ControlKind::MenuItem, "mnuDatei", "save", 3);
    auto& strip =
        form.add<FakeTabs>(ControlKind::TabStrip, "tabStrip", std::vector<std::string>{"one", "two"});
    auto& tabs =
        form.add<FakeTabs>(ControlKind::TabControl, "SSTab", std::vector<std::string>{"zero", "one", "x"});
    auto& grid = form.add<FakeGrid>(
        "flx", std::vector<std::vector<std::string>>{{"c0", "c1"}, {"r1", "r1c1"}, {"a", "b"}}, 2);
    auto& bar = form.add<FakeListBar>(
        "SSListBar1", std::vector<FakeListBar::Group>{{1, "search", {{3, "analysis"}, {4, "stays"}}}});
    auto& toolbar = form.add<FakeToolbar>(
        "Toolbar1", std::vector<FakeToolbar::Button>{{"PRINT", "print", {{"PRINT_SETUP", "setup"}}, false}});
    auto& other = form.add<FakeCaption>(ControlKind::Other, "txtOther", "typed");

    s.language.adjustForm(form);

    EXPECT_EQ(form.caption(), "Hauptfenster");
    EXPECT_EQ(label.text, "Name:");
    EXPECT_EQ(button.text, "&OK");
    EXPECT_EQ(frame.text, "Rahmen");
    EXPECT_EQ(check.text, "Alle");
    EXPECT_EQ(option.text, "A");
    EXPECT_EQ(menu.text, "&Speichern");
    EXPECT_EQ(strip.tabs, (std::vector<std::string>{"Erste", "Zweite"})) << "tab strip counts from 1";
    EXPECT_EQ(tabs.tabs, (std::vector<std::string>{"Null", "Eins", "x"})) << "tab control counts from 0";
    EXPECT_EQ(grid.cells[0], (std::vector<std::string>{"Spalte 0", "Spalte 1"}));
    EXPECT_EQ(grid.cells[1], (std::vector<std::string>{"r1", "Zeile 2, Spalte 1"}));
    EXPECT_EQ(grid.cells[2], (std::vector<std::string>{"a", "b"})) << "data rows are not headings";
    EXPECT_EQ(bar.groups[0].caption, "Suchen");
    EXPECT_EQ(bar.groups[0].items[0].second, "Analyse");
    EXPECT_EQ(bar.groups[0].items[1].second, "stays");
    EXPECT_EQ(toolbar.buttons[0].caption, "Drucken");
    EXPECT_EQ(toolbar.buttons[0].menu[0].second, "Einrichten") << "ids compare without regard to case";
    EXPECT_EQ(other.text, "typed");
}

TEST_F(AdjustForm, LeavesUnknownAndEmptyCaptionsAlone) {
    record("frmMain", "lblEmpty", "gefüllt");
    record("frmMain", "lblAllNull", null);
    record("frmMain", "mnuTop", "Datei");
    record("frmMain", "cmdOk", "ohne Index");

    FakeForm form("frmMain", "");
    auto& empty = form.add<FakeCaption>(ControlKind::Label, "lblEmpty", "");
    auto& unknown = form.add<FakeCaption>(ControlKind::Label, "lblUnknown", "unknown");
    auto& allNull = form.add<FakeCaption>(ControlKind::Label, "lblAllNull", "was here");
    auto& topMenu = form.add<FakeCaption>(ControlKind::MenuItem, "mnuTop", "&File");
    auto& indexed = form.add<FakeCaption>(ControlKind::CommandButton, "cmdOk", "ok", 1);
    auto& grid = form.add<FakeGrid>("grd", std::vector<std::vector<std::string>>{{"", "  ", "kept"}}, 1);
    auto& noRows = form.add<FakeGrid>("grdEmpty", std::vector<std::vector<std::string>>{}, 1);

    s.language.adjustForm(form);

    EXPECT_EQ(form.caption(), "");
    EXPECT_EQ(empty.text, "") << "an empty caption is never looked up";
    EXPECT_EQ(unknown.text, "unknown");
    EXPECT_EQ(allNull.text, "") << "a record without any text empties the caption";
    EXPECT_EQ(topMenu.text, "&File") << "a menu item outside a group keeps its caption";
    EXPECT_EQ(indexed.text, "ok") << "cmdOk(1) has no record";
    EXPECT_EQ(grid.cells[0], (std::vector<std::string>{" ", " ", "kept"}));
    EXPECT_TRUE(noRows.cells.empty());
}

TEST_F(AdjustForm, FormWithoutControlsKeepsItsCaption) {
    record("frmEmpty", "frmEmpty", "Neu");
    FakeForm form("frmEmpty", "Alt");
    s.language.adjustForm(form);
    EXPECT_EQ(form.caption(), "Alt");
}

TEST_F(AdjustForm, UserControlIsLookedUpByItsName) {
    record("uctlDescription", "fraBeschreibung", " Description ");
    FakeForm panel("uctlDescription", "", false);
    auto& frame = panel.add<FakeCaption>(ControlKind::Frame, "fraBeschreibung", " Beschreibung ");
    s.language.setLanguage(cls_Language::English);
    s.language.adjustForm(panel);
    EXPECT_EQ(frame.text, " Description ") << "English column empty: the German system column";
}

TEST(LanguageSettingsDialog, UserDefinedBecomesTheSystemLanguage) {
    struct Case {
        const char* system;
        std::int32_t before;
        std::int32_t after;
    };
    const Case cases[] = {
        {"German", 3, 0}, {"French", 3, 1}, {"English", 3, 2}, {"Italian", 3, 2}, {"German", 1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.system);
        Service s(c.system);
        s.language.setLanguage(c.before);
        std::int32_t seen = -1;
        s.language.setSettingsDialog([&](cls_Language& l) { seen = l.Language(); });
        s.language.showSettingsDialog();
        EXPECT_EQ(seen, c.after);
        EXPECT_EQ(s.language.Language(), c.after);
    }
}

TEST(LanguageSetFormToDB, WritesEveryControlOnceWithItsWidth) {
    Service s;
    FakeForm form("frmNew", "Neu");
    form.add<FakeCaption>(ControlKind::CommandButton, "cmdOk", "&Ok", 2, 1200);
    form.add<FakeCaption>(ControlKind::Label, "lblSmall", "klein", std::nullopt, 100);
    form.add<FakeCaption>(ControlKind::MenuItem, "mnuDatei", "-", 1);
    form.add<FakeCaption>(ControlKind::MenuItem, "mnuTop", "&Datei");
    form.add<FakeToolbar>(
        "Toolbar1", std::vector<FakeToolbar::Button>{
                        {"SEP", "", {}, true}, {"PRINT", "Drucken", {{"P1", "Seite"}, {"P2", "-"}}, false}});

    s.language.setFormToDB(form);
    s.language.setFormToDB(form);

    using W = std::pair<std::string, std::int32_t>;
    EXPECT_EQ(s.db.widths, (std::vector<W>{{"frmNew", 5820},
                                           {"cmdOk(2)", 1020},
                                           {"lblSmall", 100},
                                           {"mnuTop", 0},
                                           {"Toolbar1_ButtonPRINT", 0},
                                           {"Toolbar1_ButtonPRINT_ButtonMenueP1", 0}}));
    EXPECT_EQ(s.db.controls.at({"frmnew", "cmdok(2)"}).german, Text("&Ok"));
    ASSERT_EQ(s.notices.texts.size(), 2U);
    EXPECT_EQ(s.notices.texts[0], "frmNew wurde in Language.mdb eingestellt");
}

} // namespace
} // namespace orvik::common::test

namespace orvik::common::test {
namespace {

TEST(LanguageSystemName, FromLocaleName) {
    const std::pair<const char*, const char*> cases[] = {
        {"de_DE.UTF-8", "German"},
        {"fr_CA", "French"},
        {"en_GB.UTF-8@euro", "English"},
        {"fr", "French"},
        {"it_IT", "Italian"},
        {"pt_BR", "pt"},
        {"C", ""},
        {"POSIX", ""},
        {"C.UTF-8", ""},
        {"", ""},
    };
    for (const auto& [locale, name] : cases) {
        EXPECT_EQ(languageNameOfLocale(locale), name) << locale;
    }
}

} // namespace
} // namespace orvik::common::test
