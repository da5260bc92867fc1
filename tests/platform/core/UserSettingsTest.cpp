#include "platform/UserSettings.h"

#include "platform/CallError.h"
#include "test_support/Errors.h"
#include "test_support/TestEnvironment.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using test_support::ScopedEnv;

namespace {
class UserSettings : public ::testing::Test {
protected:
    test_support::ScopedHome folder;
};
} // namespace

TEST_F(UserSettings, LivesUnderXdgConfigHomeOrHomeConfig) {
    EXPECT_EQ(platform::userSettingsFile("Graukant2007"),
              folder.configHome() / "graukant2007" / "settings.ini");
    {
        const ScopedEnv relative("XDG_CONFIG_HOME", "relative/dir");
        const ScopedEnv home("HOME", folder.path().string());
        EXPECT_EQ(platform::userSettingsFile("App"), folder.path() / ".config" / "app" / "settings.ini");
    }
    {
        const ScopedEnv unset("XDG_CONFIG_HOME", std::nullopt);
        const ScopedEnv noHome("HOME", std::nullopt);
        EXPECT_FALSE(platform::userSettingsFile("App"));
        EXPECT_EQ(platform::GetSetting("App", "Path", "App", "fallback"), "fallback");
        EXPECT_THROW(platform::SaveSetting("App", "Path", "App", "/x"), platform::CallError);
    }
}

TEST_F(UserSettings, SavedValuesComeBackExactly) {
    EXPECT_EQ(platform::GetSetting("Graukant2007", "Path", "App", "none"), "none");
    platform::SaveSetting("Graukant2007", "Path", "App", "/opt/graukant/");
    platform::SaveSetting("Graukant2007", "Favorites", "Fav01", "0");
    platform::SaveSetting("Graukant2007", "Favorites", "Fav02", "  padded \"text\"  ");
    platform::SaveSetting("Graukant2007", "Favorites", "Fav03", "");
    EXPECT_EQ(platform::GetSetting("graukant2007", "path", "app"), "/opt/graukant/");
    EXPECT_EQ(platform::GetSetting("Graukant2007", "Favorites", "Fav02"), "  padded \"text\"  ");
    EXPECT_EQ(platform::GetSetting("Graukant2007", "Favorites", "Fav03", "1"), "");
    platform::SaveSetting("Graukant2007", "Favorites", "FAV01", "4");
    const auto all = platform::GetAllSettings("Graukant2007", "Favorites");
    ASSERT_EQ(all.size(), 3U);
    EXPECT_EQ(all[0], (std::pair<std::string, std::string>{"Fav01", "4"}));
    EXPECT_EQ(all[2].first, "Fav03");
}

TEST_F(UserSettings, DeleteRemovesKeysOrSections) {
    platform::SaveSetting("App", "A", "one", "1");
    platform::SaveSetting("App", "A", "two", "2");
    platform::SaveSetting("App", "B", "three", "3");
    platform::DeleteSetting("App", "A", "one");
    EXPECT_EQ(platform::GetSetting("App", "A", "one", "gone"), "gone");
    EXPECT_EQ(platform::GetSetting("App", "A", "two"), "2");
    platform::DeleteSetting("App", "B");
    EXPECT_TRUE(platform::GetAllSettings("App", "B").empty());
    platform::DeleteSetting("App", "Never", "there"); // no error
    platform::DeleteSetting("Unknown", "Never");
}

TEST_F(UserSettings, RejectsInvalidArguments) {
    struct Case {
        const char* application;
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"", "A", "k", "v"},     {"App", "A", "k", "two\nlines"}, {"App", "A]", "k", "v"},
        {"App", "A", "k=", "v"}, {"App", "A", ";k", "v"},         {"App", "A", "[k]", "v"},
        {"App", "", "k", "v"},   {"App", "A", "", "v"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(
            test_support::failsWith([&] { platform::SaveSetting(c.application, c.section, c.key, c.value); },
                                    platform::err::InvalidProcedureCall))
            << c.section << "/" << c.key;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.configHome() / "app"));
}

namespace {
std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
} // namespace

TEST_F(UserSettings, FailedWriteLeavesTheOldFileAndNamesIt) {
    platform::SaveSetting("App", "Path", "App", "/old");
    const auto file = *platform::userSettingsFile("App");
    const std::string before = fileText(file);
    const auto expectRefused = [&](const char* why) {
        EXPECT_TRUE(test_support::failsWith(
            [] { platform::SaveSetting("App", "Path", "App", std::string(500, 'x')); },
            platform::err::PathFileAccessError, file.string()))
            << why;
    };
    {
        const test_support::ScopedFileSizeLimit diskFull(64);
        expectRefused("disk full");
    }
    {
        const test_support::ScopedReadOnlyFolder readOnly(file.parent_path());
        if (readOnly.effective()) { // not where the folder cannot be made read-only
            expectRefused("read-only folder");
        }
    }
    {
        // Made read-only by its owner: refused as root too, with the same message.
        const auto mode = std::filesystem::status(file).permissions();
        std::filesystem::permissions(file,
                                     std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_write |
                                         std::filesystem::perms::others_write,
                                     std::filesystem::perm_options::remove);
        expectRefused("read-only file");
        std::filesystem::permissions(file, mode);
    }
    EXPECT_EQ(fileText(file), before);
    EXPECT_EQ(test_support::fileNames(file.parent_path()), std::vector<std::string>{"settings.ini"});
    EXPECT_EQ(platform::GetSetting("App", "Path", "App"), "/old");
}

TEST_F(UserSettings, KilledMidWriteLeavesOneWholeVersion) {
    constexpr std::size_t length = 300000;
    platform::SaveSetting("App", "S", "k", std::string(length, 'a'));
    for (const int delayMs : {1, 5, 20, 50}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                platform::SaveSetting("App", "S", "k", std::string(length, static_cast<char>('a' + i % 26)));
            }
        }
        usleep(static_cast<useconds_t>(delayMs) * 1000);
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        const std::string value = platform::GetSetting("App", "S", "k");
        ASSERT_EQ(value.size(), length) << "after " << delayMs << " ms";
        EXPECT_EQ(value.find_first_not_of(value.front()), std::string::npos) << "a torn value";
    }
}
