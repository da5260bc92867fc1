#include "common/ProgrammSettings.h"

#include "common/RunningProgram.h"
#include "platform/AtomicFile.h"
#include "platform/Profile.h"
#include "platform/UserNotifier.h"
#include "platform/UserSettings.h"
#include "test_support/TestEnvironment.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using orvik::common::InstallType;
using orvik::common::Language;
using orvik::common::ProgrammSettings;

namespace {

/// One setting as the table describes it: where it lives, how it reads on a fresh file, and how
/// stored texts read. Reads are compared as text so that one table covers every type.
struct SettingCase {
    const char* name;
    const char* section;
    const char* key;
    std::function<std::string(const ProgrammSettings&)> read;
    std::string fresh;
    std::vector<std::pair<std::string, std::string>> stored; // INI text -> read result
    std::function<void(ProgrammSettings&)> write;
    std::string written;
};

std::string text(bool value) {
    return value ? "true" : "false";
}
template <typename T> std::string text(T value) {
    return std::to_string(static_cast<long long>(value));
}

std::vector<SettingCase> settingCases() {
    return {
        {"AppCounter",
         "AppStart",
         "Count",
         [](auto& s) { return text(s.AppCounter()); },
         "0",
         {{"12", "12"},
          {"12.5", "12"},
          {"13.5", "14"},
          {"7 starts", "7"},
          {"abc", "0"},
          {"99999999999", "0"}},
         [](auto& s) { s.AppCounter(-42); },
         "-42"},
        {"AdjustFormSize",
         "AppStart",
         "AdjustSize",
         [](auto& s) { return text(s.AdjustFormSize()); },
         "false",
         {{"1", "true"},
          {"1.0", "true"},
          {"0.6", "true"},
          {"1.5", "false"},
          {"2", "false"},
          {"99999", "false"}},
         [](auto& s) { s.AdjustFormSize(true); },
         "1"},
        {"StahlAktivieren",
         "AppStart",
         "ActivateMaterial",
         [](auto& s) { return text(s.StahlAktivieren()); },
         "1",
         {{"0", "0"}, {"3x", "3"}, {"99999", "0"}, {"-2.5", "-2"}},
         [](auto& s) { s.StahlAktivieren(0); },
         "0"},
        {"Symbols",
         "Global",
         "SymbolSize",
         [](auto& s) { return text(s.Symbols()); },
         "1",
         {{"2", "2"}, {"40000", "40000"}},
         [](auto& s) { s.Symbols(3); },
         "3"},
        {"DirectElementInput",
         "Global",
         "DirectElementInput",
         [](auto& s) { return text(s.DirectElementInput()); },
         "false",
         {{"1", "true"}, {"  1  ", "true"}, {"1.0", "false"}, {"2", "false"}},
         [](auto& s) { s.DirectElementInput(true); },
         "1"},
        {"SuppressNationalEnDesignations",
         "Global",
         "SuppressNationalEnDesignations",
         [](auto& s) { return text(s.SuppressNationalEnDesignations()); },
         "false",
         {{"1", "true"}, {"01", "false"}},
         [](auto& s) { s.SuppressNationalEnDesignations(false); },
         "0"},
        {"CurrentLanguage",
         "Global",
         "Language",
         [](auto& s) { return text(s.CurrentLanguage()); },
         "0",
         {{"2", "2"}, {"1.5", "2"}, {"3", "3"}, {"7", "7"}},
         [](auto& s) { s.CurrentLanguage(Language::French); },
         "1"},
        {"SelfDefined",
         "Global",
         "LanguageSelfdefined",
         [](auto& s) { return text(s.SelfDefined()); },
         "false",
         {{"1", "true"}, {"1.0", "false"}},
         [](auto& s) { s.SelfDefined(true); },
         "1"},
        {"DirektSuche",
         "Global",
         "DirectSearch",
         [](auto& s) { return text(s.DirektSuche()); },
         "1",
         {{"0", "0"}, {"2", "2"}},
         [](auto& s) { s.DirektSuche(0); },
         "0"},
        {"EndeBestaetigen",
         "Global",
         "ExitQuery",
         [](auto& s) { return text(s.EndeBestaetigen()); },
         "0",
         {{"1", "1"}, {"yes", "0"}, {"1x", "0"}, {"2.5", "2"}, {"99999", "0"}},
         [](auto& s) { s.EndeBestaetigen(1); },
         "1"},
        {"Datenbankpfad",
         "Global",
         "DBPath",
         [](auto& s) { return s.Datenbankpfad(); },
         "",
         {{"/srv/data", "/srv/data/"}, {"/srv/data/", "/srv/data/"}},
         [](auto& s) { s.Datenbankpfad("/srv/db"); },
         "/srv/db"},
        {"FilterDbPath",
         "Global",
         "FilterDbPath",
         [](auto& s) { return s.FilterDbPath(); },
         "",
         {{"/srv/filter", "/srv/filter/"}},
         [](auto& s) { s.FilterDbPath("/srv/filter/"); },
         "/srv/filter/"},
        {"InstallTyp",
         "Global",
         "Type",
         [](auto& s) { return text(s.InstallTyp()); },
         "3",
         {{"1", "1"}, {"4", "4"}},
         [](auto& s) { s.InstallTyp(InstallType::Max); },
         "2"},
        {"IdDesignationCountry",
         "Material",
         "DesignationCountryId",
         [](auto& s) { return s.IdDesignationCountry(); },
         "",
         {{"1234", "1234"}},
         [](auto& s) { s.IdDesignationCountry("77"); },
         "77"},
        {"DesignationType",
         "Material",
         "DesignationType",
         [](auto& s) { return s.DesignationType(); },
         "",
         {{"W", "W"}},
         [](auto& s) { s.DesignationType("K"); },
         "K"},
        {"Designation",
         "Material",
         "Designation",
         [](auto& s) { return s.Designation(); },
         "",
         {{"X5CrNi18-10", "X5CrNi18-10"}},
         [](auto& s) { s.Designation("1.4301"); },
         "1.4301"},
        {"ID_Stahl",
         "Material",
         "MaterialId",
         [](auto& s) { return s.ID_Stahl(); },
         "",
         {{"815", "815"}},
         [](auto& s) { s.ID_Stahl("816"); },
         "816"},
        {"ID_Bez",
         "Material",
         "DesignationId",
         [](auto& s) { return s.ID_Bez(); },
         "",
         {{"9", "9"}},
         [](auto& s) { s.ID_Bez("10"); },
         "10"},
    };
}

class Settings : public ::testing::Test {
protected:
    test_support::ScopedHome folder;
    test_support::ScopedLocale locale{".", "en_US.UTF-8"};
    std::filesystem::path ini = folder.path() / "velmo2007.ini";

    void store(const char* section, const char* key, const std::string& value) {
        ASSERT_TRUE(platform::writeProfileString(section, key, value, ini));
    }
};

class RecordingNotifier final : public platform::UserNotifier {
public:
    void show(const platform::UserMessage& message) override { messages.push_back(message.text); }
    std::vector<std::string> messages;
};

} // namespace

TEST_F(Settings, EveryKeyReadsAndWritesAsTheTableSays) {
    ProgrammSettings settings;
    EXPECT_EQ(settings.LocalIniFile(), std::filesystem::path("velmo2007.ini"));
    for (const auto& c : settingCases()) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(ini);
        EXPECT_EQ(c.read(settings), c.fresh) << "fresh file";
        store(c.section, c.key, "");
        EXPECT_EQ(c.read(settings), c.fresh) << "empty value";
        store(c.section, c.key, "   ");
        EXPECT_EQ(c.read(settings), c.fresh) << "blank value";
        for (const auto& [stored, expected] : c.stored) {
            store(c.section, c.key, stored);
            EXPECT_EQ(c.read(settings), expected) << "stored \"" << stored << "\"";
        }
        c.write(settings);
        EXPECT_EQ(platform::readProfileString(c.section, c.key, "<absent>", ini), c.written);
    }
}

TEST_F(Settings, BooleansAreWrittenAsOneAndZero) {
    ProgrammSettings settings;
    settings.SelfDefined(true);
    EXPECT_EQ(platform::readProfileString("Global", "LanguageSelfdefined", "", ini), "1");
    settings.SelfDefined(false);
    EXPECT_EQ(platform::readProfileString("Global", "LanguageSelfdefined", "", ini), "0");
}

TEST_F(Settings, StrictExitQueryFollowsTheUsersSeparator) {
    const test_support::ScopedLocale comma(",", "de_DE.UTF-8");
    ProgrammSettings settings;
    store("Global", "ExitQuery", "1,5");
    EXPECT_EQ(settings.EndeBestaetigen(), 2);
    store("Global", "ExitQuery", "1.5");
    EXPECT_EQ(settings.EndeBestaetigen(), 0);
}

TEST_F(Settings, IniFileLiesInTheProgramFolderFromThePerUserStore) {
    const auto programFolder = folder.path() / "program";
    std::filesystem::create_directories(programFolder);
    ProgrammSettings writer;
    writer.ApplicationPath(programFolder.string());
    EXPECT_EQ(platform::GetSetting("Graukant2007", "Path", "App"), programFolder.string());
    EXPECT_EQ(writer.ApplicationPath(), programFolder.string() + "/");
    EXPECT_EQ(writer.LocalIniFile(), programFolder / "velmo2007.ini");

    writer.CurrentLanguage(Language::English);
    const ProgrammSettings reader; // another object sees the value at once
    EXPECT_EQ(reader.CurrentLanguage(), Language::English);
    EXPECT_TRUE(std::filesystem::exists(programFolder / "velmo2007.ini"));
    EXPECT_FALSE(std::filesystem::exists(ini));
}

TEST_F(Settings, LongPathsAreReadWhole) {
    const std::string longPath = "/" + std::string(300, 'd');
    ProgrammSettings settings;
    settings.Datenbankpfad(longPath);
    EXPECT_EQ(settings.Datenbankpfad(), longPath + "/");
}

TEST_F(Settings, FailedWriteTellsTheUserAndGoesOn) {
    const auto notifier = std::make_shared<RecordingNotifier>();
    const platform::ScopedUserNotifier scope(notifier);
    ProgrammSettings settings;
    settings.ApplicationPath((folder.path() / "missing").string());
    settings.Symbols(0);
    EXPECT_EQ(settings.Symbols(), 1);
    ASSERT_EQ(notifier->messages.size(), 1U);
    EXPECT_EQ(notifier->messages[0],
              "Fehler beim Schreiben der Datei: " + (folder.path() / "missing" / "velmo2007.ini").string());
}

TEST_F(Settings, TheStartCounterGoesOnInThePerUserStoreWhileTheIniCannotBeWritten) {
    const platform::ScopedUserNotifier quiet(std::make_shared<RecordingNotifier>());
    ProgrammSettings settings;
    const auto programFolder = folder.path() / "program";
    std::filesystem::create_directories(programFolder);
    settings.ApplicationPath(programFolder.string());
    settings.AppCounter(4);
    {
        const test_support::ScopedReadOnlyFolder readOnly(programFolder);
        if (!readOnly.effective()) {
            GTEST_SKIP() << "the folder cannot be made read-only here";
        }
        settings.AppCounter(5);
        EXPECT_EQ(settings.AppCounter(), 5);
        settings.AppCounter(6);
        EXPECT_EQ(settings.AppCounter(), 6);
        EXPECT_EQ(platform::readProfileString("AppStart", "Count", "", programFolder / "velmo2007.ini"), "4");
    }
    // The INI file takes the count again, and the per-user copy is dropped.
    settings.AppCounter(7);
    EXPECT_EQ(platform::readProfileString("AppStart", "Count", "", programFolder / "velmo2007.ini"), "7");
    EXPECT_EQ(platform::GetSetting("Graukant2007", "AppStart", "Count", "none"), "none");
    EXPECT_EQ(settings.AppCounter(), 7);
}

TEST_F(Settings, TheLanguageChosenWhileTheIniCannotBeWrittenIsKeptForTheNextStart) {
    const platform::ScopedUserNotifier quiet(std::make_shared<RecordingNotifier>());
    ProgrammSettings settings;
    const auto programFolder = folder.path() / "program";
    std::filesystem::create_directories(programFolder);
    settings.ApplicationPath(programFolder.string());
    settings.CurrentLanguage(Language::German);
    {
        const test_support::ScopedReadOnlyFolder readOnly(programFolder);
        if (!readOnly.effective()) {
            GTEST_SKIP() << "the folder cannot be made read-only here";
        }
        settings.CurrentLanguage(Language::French);
        EXPECT_EQ(platform::readProfileString("Global", "Language", "", programFolder / "velmo2007.ini"),
                  "0");
        EXPECT_EQ(ProgrammSettings().CurrentLanguage(), Language::French)
            << "the next start reads the choice";
        settings.CurrentLanguage(Language::English);
        EXPECT_EQ(ProgrammSettings().CurrentLanguage(), Language::English);
    }
    // The INI file takes the language again, and the per-user copy is dropped.
    settings.CurrentLanguage(Language::French);
    EXPECT_EQ(platform::readProfileString("Global", "Language", "", programFolder / "velmo2007.ini"), "1");
    EXPECT_EQ(platform::GetSetting("Graukant2007", "Global", "Language", "none"), "none");
    EXPECT_EQ(settings.CurrentLanguage(), Language::French);
}

TEST_F(Settings, ARunningCopyKeepsToTheIniBesideItselfWhateverCopyStartedLast) {
    const auto copyA = folder.path() / "a";
    const auto copyB = folder.path() / "b";
    for (const auto& copy : {copyA, copyB}) {
        std::filesystem::create_directories(copy);
    }
    ASSERT_TRUE(platform::writeProfileString("Global", "DBPath", "/srv/a", copyA / "velmo2007.ini"));
    ASSERT_TRUE(platform::writeProfileString("Global", "DBPath", "/srv/b", copyB / "velmo2007.ini"));
    const orvik::common::RunningProgram running(copyA.string());
    ProgrammSettings settings;
    settings.ApplicationPath(copyA.string());
    // Copy B starts while A runs, and names itself in the per-user store.
    platform::SaveSetting("Graukant2007", "Path", "App", copyB.string());

    EXPECT_EQ(settings.ApplicationPath(), copyA.string() + "/");
    EXPECT_EQ(settings.LocalIniFile(), copyA / "velmo2007.ini");
    EXPECT_EQ(settings.Datenbankpfad(), "/srv/a/");
    settings.EndeBestaetigen(1);
    EXPECT_EQ(platform::readProfileString("Global", "ExitQuery", "", copyA / "velmo2007.ini"), "1");
    EXPECT_EQ(platform::readProfileString("Global", "ExitQuery", "<absent>", copyB / "velmo2007.ini"),
              "<absent>");
    // The store still names the copy started last, for the tools that look it up.
    EXPECT_EQ(platform::GetSetting("Graukant2007", "Path", "App"), copyB.string());
}

TEST_F(Settings, WithoutARunningProgramTheIniFollowsThePerUserStore) {
    const auto copyA = folder.path() / "a";
    const auto copyB = folder.path() / "b";
    {
        const orvik::common::RunningProgram running(copyA.string());
        EXPECT_EQ(ProgrammSettings::LocalIniFile(), copyA / "velmo2007.ini");
        {
            const orvik::common::RunningProgram inner(copyB.string());
            EXPECT_EQ(ProgrammSettings::LocalIniFile(), copyB / "velmo2007.ini");
        }
        EXPECT_EQ(ProgrammSettings::LocalIniFile(), copyA / "velmo2007.ini");
    }
    platform::SaveSetting("Graukant2007", "Path", "App", copyB.string());
    EXPECT_EQ(ProgrammSettings::LocalIniFile(), copyB / "velmo2007.ini");
}
