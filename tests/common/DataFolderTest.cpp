#include "common/DataFolder.h"

#include "test_support/TestEnvironment.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

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

TEST(DataFolder, EachRunningCopyHasItsPrintDatabaseAndAStartRemovesOnlyThoseOfNoRunningCopy) {
    const test_support::TempFolder program;
    const std::string folder = program.path().string() + "/";
    const std::filesystem::path daten = program.path() / "Daten";
    // Another running copy prepares its print database and keeps running until told.
    int ready[2];
    int finish[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(finish), 0);
    const pid_t other = fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        std::ofstream(DataFolder::PrintDatabasePath(folder)) << "other copy";
        char c = 'r';
        (void)::write(ready[1], &c, 1);
        (void)::read(finish[0], &c, 1);
        std::_Exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    const std::filesystem::path theirs = daten / "print" / std::to_string(other) / "print.mdb";
    const std::filesystem::path mine = DataFolder::PrintDatabasePath(folder);
    EXPECT_NE(mine, theirs);
    std::ofstream(mine) << "left by a copy before this one with the same process id";
    std::ofstream(daten / "print.mdb") << "earlier edition";
    // A copy that is gone: a process that ran and ended.
    const pid_t gone = fork();
    ASSERT_GE(gone, 0);
    if (gone == 0) {
        std::_Exit(0);
    }
    ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
    const std::filesystem::path dead = daten / "print" / std::to_string(gone) / "print.mdb";
    std::filesystem::create_directories(dead.parent_path());
    std::ofstream(dead) << "crashed copy";
    std::filesystem::create_directories(daten / "print" / "notes");

    EXPECT_TRUE(DataFolder::RemoveAbandonedPrintDatabases(folder));
    EXPECT_TRUE(std::filesystem::exists(theirs)) << "the running copy's print database stays";
    EXPECT_FALSE(std::filesystem::exists(mine));
    EXPECT_FALSE(std::filesystem::exists(dead.parent_path()));
    EXPECT_FALSE(std::filesystem::exists(daten / "print.mdb"));
    EXPECT_TRUE(std::filesystem::exists(daten / "print" / "notes")) << "no folder of a copy";

    (void)::write(finish[1], &c, 1);
    ASSERT_EQ(waitpid(other, nullptr, 0), other);
    EXPECT_TRUE(DataFolder::RemoveAbandonedPrintDatabases(folder));
    EXPECT_FALSE(std::filesystem::exists(theirs.parent_path())) << "once that copy ended";
    for (const int fd : {ready[0], ready[1], finish[0], finish[1]}) {
        ::close(fd);
    }
}
