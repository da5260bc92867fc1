// A setting read again after its file changed gives the new value, however the file changed: in
// place with the same size, at once or long after it was first read, replaced, or removed; also when
// it changed by another path: through a link, another name of it, or a folder on the way replaced.

#include "platform/Profile.h"
#include "platform/UserSettings.h"
#include "test_support/TestEnvironment.h"

#include <chrono>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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

/// A file read by one path and changed by another.
struct Route {
    const char* name;
    std::function<fs::path(const fs::path&)> make; // writes Language=1 below the folder, gives the path read
    std::function<void(const fs::path&)> change;   // makes it read Language=2
};

void writeAged(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    writeInPlace(file, text);
    age(file);
}

const Route routes[] = {
    {"symbolic link to the file",
     [](const fs::path& d) {
         writeAged(d / "real" / "velmo2007.ini", "[Global]\nLanguage=1\n");
         fs::create_symlink(d / "real" / "velmo2007.ini", d / "velmo2007.ini");
         return d / "velmo2007.ini";
     },
     [](const fs::path& d) {
         writeInPlace(d / "real" / "velmo2007.ini", "[Global]\nLanguage=2\n");
     }},
    {"another name of the file",
     [](const fs::path& d) {
         writeAged(d / "a" / "velmo2007.ini", "[Global]\nLanguage=1\n");
         fs::create_directories(d / "b");
         fs::create_hard_link(d / "a" / "velmo2007.ini", d / "b" / "velmo2007.ini");
         return d / "a" / "velmo2007.ini";
     },
     [](const fs::path& d) {
         writeInPlace(d / "b" / "velmo2007.ini", "[Global]\nLanguage=2\n");
     }},
    {"its folder replaced",
     [](const fs::path& d) {
         writeAged(d / "sub" / "velmo2007.ini", "[Global]\nLanguage=1\n");
         return d / "sub" / "velmo2007.ini";
     },
     [](const fs::path& d) {
         fs::rename(d / "sub", d / "old");
         writeAged(d / "sub" / "velmo2007.ini", "[Global]\nLanguage=2\n");
     }},
    {"a linked folder on the way pointed elsewhere",
     [](const fs::path& d) {
         writeAged(d / "v1" / "velmo2007.ini", "[Global]\nLanguage=1\n");
         writeAged(d / "v2" / "velmo2007.ini", "[Global]\nLanguage=2\n");
         fs::create_directory_symlink(d / "v1", d / "current");
         return d / "current" / "velmo2007.ini";
     },
     [](const fs::path& d) {
         fs::remove(d / "current");
         fs::create_directory_symlink(d / "v2", d / "current");
     }},
};

TEST(ProfileReread, AChangeByAnotherPathIsSeen) {
    for (const Route& route : routes) {
        test_support::ScopedHome folder;
        const fs::path ini = route.make(folder.path());
        ASSERT_EQ(platform::readProfileString("Global", "Language", "dflt", ini), "1") << route.name;
        ASSERT_EQ(platform::readProfileString("Global", "Language", "dflt", ini), "1") << route.name;
        route.change(folder.path());
        EXPECT_EQ(platform::readProfileString("Global", "Language", "dflt", ini), "2") << route.name;
    }
}

TEST(ProfileReread, ChangesInQuickSuccessionAreEachSeen) {
    test_support::ScopedHome folder;
    const fs::path ini = folder.path() / "velmo2007.ini";
    for (int value = 0; value < 20; ++value) {
        writeInPlace(ini, "[Global]\nLanguage=" + std::to_string(value % 10) + "\n");
        ASSERT_EQ(platform::readProfileString("Global", "Language", "dflt", ini), std::to_string(value % 10));
        ASSERT_EQ(platform::readProfileString("Global", "Language", "dflt", ini), std::to_string(value % 10));
    }
}

TEST(ProfileReread, AChangeByAChildProcessThatReadsItIsSeen) {
    test_support::ScopedHome folder;
    const fs::path ini = folder.path() / "velmo2007.ini";
    writeInPlace(ini, "[Global]\nLanguage=1\n");
    ASSERT_EQ(platform::readProfileString("Global", "Language", "dflt", ini), "1");
    ASSERT_EQ(platform::readProfileString("Global", "Language", "dflt", ini), "1");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        writeInPlace(ini, "[Global]\nLanguage=2\n");
        const bool seen = platform::readProfileString("Global", "Language", "dflt", ini) == "2";
        _exit(seen ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(platform::readProfileString("Global", "Language", "dflt", ini), "2");
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
