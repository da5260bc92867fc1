#include "common/LanguageDatabase.h"

#include "FakeLanguageForm.h"
#include "LanguageTestDatabase.h"
#include "TextServiceFakeSource.h"
#include "common/cls_Language.h"
#include "test_support/Files.h"
#include "test_support/InterruptedWrite.h"
#include "test_support/TestEnvironment.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace orvik::common::test {
namespace {

const char* const rows = R"sql(
INSERT INTO tab_text (id_text, german, france, english, selfdefine) VALUES
    (17, 'ja', 'oui', 'yes', NULL),
    (13, '', 'tous', 'all', '  '),
    (41, 'Beenden?', NULL, NULL, 'Schluss?');
INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('frmMain', 'frmMain', 'Hauptfenster', 'Fenêtre principale', 'Main window', NULL),
    ('frmMain', 'cmdOk(2)', '&OK', NULL, NULL, 'Los'),
    ('frmMain', 'Toolbar1_ButtonPRINT_ButtonMenueSETUP', 'Einrichten', NULL, 'Set up', NULL);
)sql";

struct Service {
    explicit Service(const LanguageTestDatabase& db, std::string system = "German")
        : systemLanguage(std::move(system)),
          language(
              std::make_unique<LanguageDatabase>(db.engine()), [this] { return systemLanguage; },
              [this](const platform::UserMessage& m) { notices.push_back(m.text); }) {
        language.setDbPath(db.folder());
    }
    std::string systemLanguage;
    std::vector<std::string> notices;
    cls_Language language;
};

TEST(LanguageDatabase, LooksUpTextsAndCaptionsBySeek) {
    const LanguageTestDatabase db(rows);
    Service s(db, "French");
    struct Case {
        std::int32_t language;
        bool self;
        TextID id;
        std::string expected;
    };
    const Case cases[] = {
        {0, false, TextID::ja, "ja"},
        {1, false, TextID::ja, "oui"},
        {2, false, TextID::ja, "yes"},
        {0, false, TextID::alle, "tous"},
        {0, true, TextID::alle, "tous"},
        {0, true, TextID::Programm_beenden, "Schluss?"},
        {2, false, TextID::Programm_beenden, ""},
        {0, false, TextID::Min, ""},
    };
    for (const Case& c : cases) {
        s.language.setLanguage(c.language);
        s.language.setUseSelfDefined(c.self);
        EXPECT_EQ(s.language.getTextFromDB(c.id), c.expected)
            << static_cast<int>(c.id) << " in " << c.language;
    }

    s.language.setLanguage(cls_Language::English);
    s.language.setUseSelfDefined(false);
    FakeForm form("FRMMAIN", "main");
    auto& ok = form.add<FakeCaption>(ControlKind::CommandButton, "cmdOK", "ok", 2);
    auto& toolbar = form.add<FakeToolbar>(
        "Toolbar1", std::vector<FakeToolbar::Button>{{"PRINT", "print", {{"SETUP", "setup"}}, false}});
    s.language.adjustForm(form);
    EXPECT_EQ(form.caption(), "Main window") << "ids compare without regard to case";
    EXPECT_EQ(ok.text, "") << "English null, French system column null";
    EXPECT_EQ(toolbar.buttons[0].caption, "print");
    EXPECT_EQ(toolbar.buttons[0].menu[0].second, "Set up");
    EXPECT_TRUE(s.notices.empty());
}

TEST(LanguageDatabase, MissingFileIsReportedOnceAndFoundLater) {
    const LanguageTestDatabase db(rows);
    const std::string moved = db.folder() + "elsewhere.mdb";
    std::filesystem::rename(db.file(), moved);
    Service s(db);
    EXPECT_EQ(s.language.getTextFromDB(TextID::ja), "");
    EXPECT_EQ(s.language.getTextFromDB(TextID::ja), "");
    ASSERT_EQ(s.notices.size(), 1U);
    EXPECT_NE(s.notices[0].find("Language.mdb"), std::string::npos) << s.notices[0];

    std::filesystem::rename(moved, db.file());
    EXPECT_EQ(s.language.getTextFromDB(TextID::ja), "ja");
    EXPECT_EQ(s.notices.size(), 1U);
}

TEST(LanguageDatabase, DamagedFileIsReportedOnceNamingItAndLeftAsItWas) {
    struct Case {
        const char* name;
        std::function<std::string(const std::string&)> damage;
    };
    const Case cases[] = {
        {"empty",
         [](const std::string&) {
             return std::string();
         }},
        {"truncated to a few bytes",
         [](const std::string& good) {
             return good.substr(0, 30);
         }},
        {"truncated to its first page",
         [](const std::string& good) {
             return good.substr(0, 4096);
         }},
        {"not SQLite",
         [](const std::string& good) {
             return std::string("\0\1\0\0Standard Jet DB", 20) + good.substr(20);
         }},
        {"header of garbage",
         [](const std::string& good) {
             return std::string(100, '\x5a') + good.substr(100);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LanguageTestDatabase db(rows);
        const std::string bytes = c.damage(test_support::readBytes(db.file()));
        std::ofstream(db.file(), std::ios::binary | std::ios::trunc) << bytes;
        Service s(db);
        EXPECT_EQ(s.language.getTextFromDB(TextID::ja), "");
        EXPECT_EQ(s.language.getTextFromDB(TextID::ja), "");
        ASSERT_EQ(s.notices.size(), 1U);
        EXPECT_NE(s.notices[0].find(db.file()), std::string::npos) << s.notices[0];
        EXPECT_EQ(test_support::readBytes(db.file()), bytes);
    }
}

TEST(LanguageDatabase, LeftOverJournalIsRolledBackAndTheTextsRead) {
    const LanguageTestDatabase db(rows);
    {
        // A change caught in the middle, its pages already in the file.
        const std::string copy = db.folder() + "copy.mdb";
        ASSERT_NO_THROW(test_support::copyMidWrite(db.file(), copy, "DELETE FROM tab_text;"));
        std::filesystem::rename(copy, db.file());
        std::filesystem::rename(copy + "-journal", db.file() + "-journal");
    }
    Service s(db);
    EXPECT_EQ(s.language.getTextFromDB(TextID::ja), "ja");
    EXPECT_TRUE(s.notices.empty());
}

TEST(LanguageDatabase, ServiceOfARunReadsTheTextDatabaseInItsFolder) {
    const LanguageTestDatabase db(rows);
    cls_Language language(db.engine());
    language.setDbPath(db.folder());
    language.setLanguage(Language::French);
    language.createRecordsetsImmediately();
    EXPECT_EQ(language.getTextFromDB(TextID::ja), "oui");
}

TEST(LanguageDatabase, SetFormToDBAddsNewControlsOnly) {
    const LanguageTestDatabase db(rows);
    Service s(db);
    FakeForm form("frmNew", "Neu");
    form.add<FakeCaption>(ControlKind::Label, "lblA", "A", std::nullopt, 1000);
    s.language.setFormToDB(form);
    s.language.setFormToDB(form);
    ASSERT_EQ(s.notices.size(), 2U);
    EXPECT_EQ(s.notices[1], "frmNew wurde in Language.mdb eingestellt");

    FakeForm again("frmNew", "x");
    auto& label = again.add<FakeCaption>(ControlKind::Label, "lblA", "y");
    s.language.adjustForm(again);
    EXPECT_EQ(again.caption(), "Neu");
    EXPECT_EQ(label.text, "A");
}

TEST(LanguageDatabase, EachLanguageNamesItsColumnOfTheTextTables) {
    const std::pair<std::int32_t, std::string_view> cases[] = {
        {0, "german"}, {1, "france"}, {2, "english"}, {3, "selfdefine"}, {-1, "german"}, {4, "german"}};
    for (const auto& [language, column] : cases) {
        EXPECT_EQ(languageTextColumn(language), column) << language;
    }
    EXPECT_EQ(SelfDefinedTextColumn, "selfdefine");
}

TEST(LanguageDatabase, ColumnValuesReadAsText) {
    const std::pair<platform::Variant, std::optional<std::string>> cases[] = {
        {platform::Variant("Name:"), "Name:"}, {platform::Variant(1200), "1200"},
        {platform::Variant(1200.0), "1200"},   {platform::Variant(-0.25), "-0.25"},
        {platform::Variant(true), "-1"},       {platform::Variant::null(), std::nullopt},
        {platform::Variant(), std::nullopt}};
    const test_support::ScopedLocale point(".", "en_GB.UTF-8");
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(textOf(value), text);
    }
}

TEST(LanguageDatabase, BuiltTextDatabaseHasEveryTextInThreeLanguages) {
    platform::db::DBEngine engine;
    const LanguageTestDatabase scratch("");
    engine.setSystemDB(scratch.workgroupFile());
    const auto workspace =
        engine.createWorkspace("Language", std::string(ProgramUser), std::string(ProgramPassword));
    const auto database = workspace->openDatabase(GK_BUILT_LANGUAGE_MDB, false, true);
    const auto texts = database->openRecordset("SELECT * FROM tab_text ORDER BY id_text");
    int count = 0;
    for (; !texts->eof(); texts->moveNext()) {
        ++count;
        for (const char* column : {"german", "france", "english"}) {
            const std::optional<std::string> text = textOf(texts->field(column));
            EXPECT_TRUE(text && !text->empty())
                << column << " of " << textOf(texts->field("id_text")).value_or("?");
        }
        EXPECT_FALSE(textOf(texts->field("selfdefine")).has_value());
    }
    EXPECT_EQ(count, 92);
}

} // namespace
} // namespace orvik::common::test
