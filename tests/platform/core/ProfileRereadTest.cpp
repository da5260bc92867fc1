// A setting read again after its file changed gives the new value, however the file changed: in
// place with the same size, at once or long after it was first read, replaced, or removed.

#include "platform/Profile.h"
#include "platform/UserSettings.h"
#include "test_support/TestEnvironment.h"

#include <chrono>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

void writeInPlace(const fs::path& file, const std::string& text) {
    // Truncating and writing keeps the file's inode, as many editors do.
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

/// Makes the file look written an hour ago, long settled.
void age(const fs::path& file) {
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(1));
}

struct Change {
    const char* name;
    bool settled; // the first read sees a file written long before
    std::function<void(const fs::path&)> apply;
    const char* expected;
};

const Change changes[] = {
    {"in place at once", false, [](const fs::path& f) { writeInPlace(f, "[Global]\nLanguage=2\n"); }, "2"},
    {"in place later", true, [](const fs::path& f) { writeInPlace(f, "[Global]\nLanguage=2\n"); }, "2"},
    {"in place, dated a second after the first version", true,
     [](const fs::path& f) {
         const auto before = fs::last_write_time(f);
         writeInPlace(f, "[Global]\nLanguage=2\n");
         fs::last_write_time(f, before + std::chrono::seconds(1));
     },
     "2"},
    {"replaced by the writer", true,
     [](const fs::path& f) { ASSERT_TRUE(platform::writeProfileString("Global", "Language", "2", f)); }, "2"},
    {"key removed", true, [](const fs::path& f) { writeInPlace(f, "[Global]\nLanguagf=1\n"); }, "dflt"},
    {"file removed", true, [](const fs::path& f) { fs::remove(f); }, "dflt"},
};

TEST(ProfileReread, EveryReadSeesTheFileAsItIsThen) {
    for (const Change& change : changes) {
        test_support::ScopedHome folder;
        const fs::path ini = folder.path() / "velmo2007.ini";
        writeInPlace(ini, "[Global]\nLanguage=1\n");
        if (change.settled) {
            age(ini);
        }
        // Twice, so that a second read may come from what the first one parsed.
        ASSERT_EQ(platform::readProfileString("Global", "Language", "dflt", ini), "1") << change.name;
        ASSERT_EQ(platform::readProfileString("Global", "Language", "dflt", ini), "1") << change.name;
        change.apply(ini);
        EXPECT_EQ(platform::readProfileString("Global", "Language", "dflt", ini), change.expected)
            << change.name;
        EXPECT_EQ(platform::readProfileSection("Global", ini).empty(), !fs::exists(ini)) << change.name;
    }
}

TEST(ProfileReread, UserSettingsSeeAChangedFile) {
    test_support::ScopedHome folder;
    platform::SaveSetting("Graukant2007", "Path", "App", "/opt/a/");
    const auto file = platform::userSettingsFile("Graukant2007");
    ASSERT_TRUE(file);
    age(*file);
    ASSERT_EQ(platform::GetSetting("Graukant2007", "Path", "App"), "/opt/a/");
    ASSERT_EQ(platform::GetSetting("Graukant2007", "Path", "App"), "/opt/a/");
    writeInPlace(*file, "[Path]\nApp=/opt/b/\n");
    EXPECT_EQ(platform::GetSetting("Graukant2007", "Path", "App"), "/opt/b/");
    platform::SaveSetting("Graukant2007", "Path", "App", "/opt/c/");
    EXPECT_EQ(platform::GetSetting("Graukant2007", "Path", "App"), "/opt/c/");
}

} // namespace
