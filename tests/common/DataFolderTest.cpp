#include "common/DataFolder.h"

#include "platform/LockFile.h"
#include "test_support/ChildProcess.h"
#include "test_support/NoTmpfile.h"
#include "test_support/TestEnvironment.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <sched.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using orvik::common::DataFolder;
using test_support::ScopedEnv;
using test_support::ScopedHome;

namespace {

namespace fs = std::filesystem;

std::string withSeparator(const std::filesystem::path& path) {
    return path.string() + "/";
}

/// A pipe between the test and a child: the child tells a line, and waits until the test lets it go.
class Channel {
public:
    Channel() {
        if (::pipe(m_up) != 0 || ::pipe(m_down) != 0) {
            throw std::runtime_error("no pipe");
        }
    }
    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;
    ~Channel() {
        for (const int fd : {m_up[0], m_up[1], m_down[0], m_down[1]}) {
            ::close(fd);
        }
    }
    /// In the child: tells `text`, then waits for the test's word.
    void tellAndWait(const std::string& text) const {
        const std::string line = text + "\n";
        (void)::write(m_up[1], line.data(), line.size());
        char c = 0;
        (void)::read(m_down[0], &c, 1);
    }
    /// In the test: what the child told.
    [[nodiscard]] std::string heard() const {
        std::string text;
        char c = 0;
        while (::read(m_up[0], &c, 1) == 1 && c != '\n') {
            text += c;
        }
        return text;
    }
    void release() const { (void)::write(m_down[1], "g", 1); }

private:
    int m_up[2] = {-1, -1};
    int m_down[2] = {-1, -1};
};

/// A running copy elsewhere (another machine or pid namespace): it holds the lock of its print folder.
bool copyElsewhere(const fs::path& print, const std::string& id, const Channel& channel) {
    auto lock = platform::LockFile::take(print / (id + ".lock"), platform::LockFile::Mode::Exclusive,
                                         platform::LockFile::Create::Yes, std::chrono::seconds(5));
    fs::create_directories(print / id);
    std::ofstream(print / id / "print.mdb") << "a copy elsewhere";
    channel.tellAndWait(lock ? "held" : "no lock");
    return true;
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

TEST(DataFolder, EachRunningCopyHasAPrintFolderOfItsOwnThatAStartKeepsWhileTheCopyRuns) {
    const test_support::TempFolder program;
    const ScopedEnv data("XDG_DATA_HOME", (program.path() / "data").string());
    const std::string folder = withSeparator(program.path());
    const fs::path print = program.path() / "Daten" / "print";

    // Another copy on this machine, named by its host, process id and start time.
    const Channel other;
    test_support::ChildProcess otherCopy([&] {
        const std::string path = DataFolder::PrintDatabasePath(folder);
        std::ofstream(path) << "other copy";
        other.tellAndWait(path);
        return true;
    });
    const fs::path theirs = other.heard();
    const fs::path mine = DataFolder::PrintDatabasePath(folder);
    EXPECT_NE(mine.parent_path(), theirs.parent_path());
    EXPECT_EQ(theirs.parent_path().parent_path(), print);
    const std::string theirName = theirs.parent_path().filename().string();
    char host[256] = {};
    ASSERT_EQ(::gethostname(host, sizeof host - 1), 0);
    EXPECT_EQ(theirName.rfind(std::string(host) + "_" + std::to_string(otherCopy.pid()) + "_", 0), 0U)
        << theirName;
    std::ofstream(mine) << "this copy's";

    // A copy on another machine whose process id means nothing here, and a gone copy whose id is that
    // of a process that runs here now.
    const Channel elsewhere;
    const std::string remoteId = "otherhost_30001_123456_abcd1234";
    test_support::ChildProcess remoteCopy([&] { return copyElsewhere(print, remoteId, elsewhere); });
    ASSERT_EQ(elsewhere.heard(), "held");
    const std::string goneId = std::string(host) + "_1_42_zzzz9999";
    fs::create_directories(print / goneId);
    std::ofstream(print / goneId / "print.mdb") << "a gone copy's";
    std::ofstream(print / (goneId + ".lock"));
    const std::string cutShortId = "somehost_77_1_cut00000";
    fs::create_directories(print / cutShortId);
    // What is not a copy's: the user's and an earlier edition's database.
    fs::create_directories(print / "notes");
    std::ofstream(print / "readme.lock") << "the user's";
    std::ofstream(program.path() / "Daten" / "print.mdb") << "earlier edition";

    EXPECT_TRUE(DataFolder::RemoveAbandonedPrintDatabases(folder));
    EXPECT_TRUE(fs::exists(theirs)) << "the running copy's print database stays";
    EXPECT_FALSE(fs::exists(mine)) << "this copy's own is the start's to remove";
    EXPECT_TRUE(fs::exists(print / (mine.parent_path().filename().string() + ".lock"))) << "its lock stays";
    EXPECT_TRUE(fs::exists(print / remoteId / "print.mdb")) << "a copy elsewhere that holds its lock";
    EXPECT_FALSE(fs::exists(print / goneId)) << "a gone copy's, although its process id is taken";
    EXPECT_FALSE(fs::exists(print / (goneId + ".lock")));
    EXPECT_FALSE(fs::exists(print / cutShortId)) << "a copy's folder without its lock file";
    EXPECT_TRUE(fs::exists(print / "notes"));
    EXPECT_TRUE(fs::exists(print / "readme.lock"));
    EXPECT_FALSE(fs::exists(program.path() / "Daten" / "print.mdb"));

    other.release();
    EXPECT_TRUE(otherCopy.succeeded());
    elsewhere.release();
    EXPECT_TRUE(remoteCopy.succeeded());
    EXPECT_TRUE(DataFolder::RemoveAbandonedPrintDatabases(folder));
    EXPECT_FALSE(fs::exists(theirs.parent_path())) << "once that copy ended";
    EXPECT_FALSE(fs::exists(print / remoteId)) << "once the copy elsewhere let go of its lock";
    EXPECT_EQ(DataFolder::PrintDatabasePath(folder), mine.string()) << "the same for the whole run";
    EXPECT_TRUE(fs::is_directory(mine.parent_path()));
}

TEST(DataFolder, CopiesThatAreTheFirstProcessOfTheirNamespacesHaveFoldersOfTheirOwn) {
    const test_support::TempFolder program;
    const ScopedEnv data("XDG_DATA_HOME", (program.path() / "data").string());
    const std::string folder = withSeparator(program.path());
    std::vector<std::unique_ptr<Channel>> channels;
    std::vector<std::unique_ptr<test_support::ChildProcess>> copies;
    for (int i = 0; i < 2; ++i) {
        channels.push_back(std::make_unique<Channel>());
        const Channel& channel = *channels.back();
        copies.push_back(std::make_unique<test_support::ChildProcess>([&channel, &folder] {
            if (::unshare(CLONE_NEWPID) != 0) {
                channel.tellAndWait("no namespace");
                return true;
            }
            // The first process of the new namespace: process id 1 there.
            test_support::ChildProcess first([&] {
                const std::string path = DataFolder::PrintDatabasePath(folder);
                std::ofstream(path) << "copy " << ::getpid();
                channel.tellAndWait(::getpid() == 1 ? path : "not the first");
                return true;
            });
            return first.succeeded();
        }));
    }
    const std::string one = channels[0]->heard();
    const std::string two = channels[1]->heard();
    if (one == "no namespace" || two == "no namespace") {
        for (const auto& channel : channels) {
            channel->release();
        }
        GTEST_SKIP() << "no pid namespace can be made here";
    }
    ASSERT_NE(one, "not the first");
    ASSERT_NE(two, "not the first");
    EXPECT_NE(fs::path(one).parent_path(), fs::path(two).parent_path());
    EXPECT_TRUE(DataFolder::RemoveAbandonedPrintDatabases(folder));
    EXPECT_TRUE(fs::exists(one));
    EXPECT_TRUE(fs::exists(two));
    for (const auto& channel : channels) {
        channel->release();
    }
    for (const auto& copy : copies) {
        EXPECT_TRUE(copy->succeeded());
    }
    EXPECT_TRUE(DataFolder::RemoveAbandonedPrintDatabases(folder));
    EXPECT_FALSE(fs::exists(fs::path(one).parent_path()));
    EXPECT_FALSE(fs::exists(fs::path(two).parent_path()));
}

TEST(DataFolder, TheRootIsChosenByTheFolderThatIsWritten) {
    const ScopedHome temp;
    const ScopedEnv data("XDG_DATA_HOME", (temp.path() / "data").string());
    const auto user = temp.path() / "data" / "graukant2007";
    struct Case {
        const char* name;
        const char* made;     // under the program folder, before
        const char* readOnly; // under the program folder
        bool printInUsersFolder;
        bool exportInUsersFolder;
    };
    const Case cases[] = {
        {"all writable", "Daten/print", nullptr, false, false},
        {"nothing made yet", "", nullptr, false, false},
        {"Daten read-only", "Daten", "Daten", true, false},
        {"Daten/print read-only", "Daten/print", "Daten/print", true, false},
        {"export read-only", "export", "export", false, true},
    };
    for (const auto& c : cases) {
        const auto program = temp.path() / c.name;
        fs::create_directories(program / c.made);
        std::optional<test_support::ScopedReadOnlyFolder> readOnly;
        if (c.readOnly != nullptr) {
            readOnly.emplace(program / c.readOnly);
            if (!readOnly->effective()) {
                GTEST_SKIP() << "folders cannot be made read-only here";
            }
        }
        const fs::path printDatabase = DataFolder::PrintDatabasePath(program.string());
        EXPECT_EQ(printDatabase.parent_path().parent_path(),
                  (c.printInUsersFolder ? user : program) / "Daten" / "print")
            << c.name;
        EXPECT_TRUE(fs::is_directory(printDatabase.parent_path())) << c.name;
        EXPECT_EQ(fs::path(DataFolder::WritablePath(program.string(), "export/analysis.anl")),
                  (c.exportInUsersFolder ? user : program) / "export" / "analysis.anl")
            << c.name;
        EXPECT_EQ(DataFolder::WritableRoot(program.string()), withSeparator(program)) << c.name;
    }
}

TEST(DataFolder, WritabilityProbesLeaveNothingBehindWhenKilled) {
    const bool canRefuse = [] {
        test_support::ChildProcess probe([] { return test_support::refuseTmpfile(); });
        return probe.succeeded();
    }();
    for (const bool named : {false, true}) {
        if (named && !canRefuse) {
            continue;
        }
        const test_support::TempFolder program;
        std::ofstream(program.path() / ".gk-write-probe-123") << "not the program's";
        for (int kill = 0; kill < 100; ++kill) {
            test_support::ChildProcess prober([&] {
                if (named && !test_support::refuseTmpfile()) {
                    return false;
                }
                for (;;) {
                    (void)DataFolder::IsWritableFolder(program.path());
                }
            });
            usleep(static_cast<useconds_t>(300 + (kill * 137) % 2000));
            prober.kill();
        }
        EXPECT_TRUE(DataFolder::IsWritableFolder(program.path()));
        test_support::ChildProcess lastProbe([&] {
            return (!named || test_support::refuseTmpfile()) && DataFolder::IsWritableFolder(program.path());
        });
        EXPECT_TRUE(lastProbe.succeeded());
        EXPECT_EQ(test_support::fileNames(program.path()), std::vector<std::string>{".gk-write-probe-123"})
            << (named ? "with named probes" : "with probes without a name");
    }
}
