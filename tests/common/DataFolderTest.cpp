#include "common/DataFolder.h"

#include "test_support/TestEnvironment.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>

using orvik::common::DataFolder;
using test_support::ScopedEnv;
using test_support::ScopedHome;

namespace {

std::string withSeparator(const std::filesystem::path& path) {
    return path.string() + "/";
}

TEST(DataFolder, ChoosesTheProgramFolderOnlyWhenAFileCanBeCreatedInIt) {
    const ScopedHome temp;
    const ScopedEnv data("XDG_DATA_HOME", (temp.path() / "data").string());
    const auto program = temp.path() / "program";
    std::filesystem::create_directories(program);
    std::ofstream(temp.path() / "plainfile") << "x";
    const auto fallback = withSeparator(temp.path() / "data" / "graukant2007");

    struct Case {
        const char* name;
        std::string programFolder;
        std::string expected;
    };
    const Case cases[] = {
        {"writable folder", program.string(), withSeparator(program)},
        {"writable folder with separator", withSeparator(program), withSeparator(program)},
        {"missing folder", (temp.path() / "missing").string(), fallback},
        {"a file, not a folder", (temp.path() / "plainfile").string(), fallback},
        {"no folder at all", "", fallback},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DataFolder::WritableRoot(c.programFolder), c.expected) << c.name;
    }
    // The fallback exists once chosen, and the probe leaves nothing in the program folder.
    EXPECT_TRUE(std::filesystem::is_directory(temp.path() / "data" / "graukant2007"));
    EXPECT_TRUE(std::filesystem::is_empty(program));
}

TEST(DataFolder, UserDataFolderFollowsXdgDataHomeElseHome) {
    const ScopedHome temp;
    const ScopedEnv home("HOME", temp.path().string());
    {
        const ScopedEnv data("XDG_DATA_HOME", std::nullopt);
        EXPECT_EQ(DataFolder::UserDataFolder(), temp.path() / ".local" / "share" / "graukant2007");
    }
    {
        const ScopedEnv data("XDG_DATA_HOME", "");
        EXPECT_EQ(DataFolder::UserDataFolder(), temp.path() / ".local" / "share" / "graukant2007");
    }
    const ScopedEnv data("XDG_DATA_HOME", "/somewhere/else");
    EXPECT_EQ(DataFolder::UserDataFolder(), std::filesystem::path("/somewhere/else/graukant2007"));
}

TEST(DataFolder, WritablePathKeepsTheLayoutAndMakesItsFolders) {
    const ScopedHome temp;
    const ScopedEnv data("XDG_DATA_HOME", (temp.path() / "data").string());
    const auto program = temp.path() / "program";
    std::filesystem::create_directories(program);

    EXPECT_EQ(DataFolder::WritablePath(program.string(), "Daten/print.mdb"),
              (program / "Daten" / "print.mdb").string());
    EXPECT_TRUE(std::filesystem::is_directory(program / "Daten"));

    const auto readOnlyProgram = temp.path() / "not-there";
    EXPECT_EQ(DataFolder::WritablePath(readOnlyProgram.string(), "export/analysis.txt"),
              (temp.path() / "data" / "graukant2007" / "export" / "analysis.txt").string());
    EXPECT_TRUE(std::filesystem::is_directory(temp.path() / "data" / "graukant2007" / "export"));
    EXPECT_FALSE(std::filesystem::exists(readOnlyProgram));
}

} // namespace
