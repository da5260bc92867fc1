#include "platform/AtomicFile.h"

#include "test_support/ChildProcess.h"
#include "test_support/Files.h"
#include "test_support/NoTmpfile.h"
#include "test_support/TempFolder.h"
#include "test_support/TestEnvironment.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

class AtomicFile : public ::testing::Test {
protected:
    test_support::TempFolder folder;
    fs::path file = folder.path() / "velmo2007.ini";
};

/// Whether a child can be made to see a file system without O_TMPFILE.
bool tmpfileCanBeRefused() {
    test_support::ChildProcess probe([] { return test_support::refuseTmpfile(); });
    return probe.succeeded();
}

std::vector<std::string> sortedNames(const fs::path& folder) {
    auto names = test_support::fileNames(folder);
    std::sort(names.begin(), names.end());
    return names;
}

/// The names in `folder` that are none of `known`: what a writer left.
std::vector<std::string> strayNames(const fs::path& folder, const std::vector<std::string>& known) {
    std::vector<std::string> stray;
    for (const auto& name : test_support::fileNames(folder)) {
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            stray.push_back(name);
        }
    }
    return stray;
}

/// Waits until a file that none of `known` names appears in `folder`; empty after ten seconds.
std::string awaitStrayName(const fs::path& folder, const std::vector<std::string>& known) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < until) {
        if (auto stray = strayNames(folder, known); !stray.empty()) {
            return stray.front();
        }
        usleep(100);
    }
    return {};
}

/// Whether another process holds the lock of `file`.
bool lockedElsewhere(const fs::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return locked;
}

std::string nameOfLength(std::size_t bytes, const std::string& unit = "n") {
    std::string name;
    while (name.size() + unit.size() <= bytes) {
        name += unit;
    }
    return name + std::string(bytes - name.size(), 'x');
}

} // namespace

TEST_F(AtomicFile, AKilledWriterLeavesNoTemporaryFileOnceTheNextWriteRan) {
    constexpr std::size_t length = 1 << 20;
    ASSERT_TRUE(platform::AtomicFile::write(file, std::string(length, 'a')));
    // Twenty kills spread over the writes, flushes and renames of a writer that is under way; every
    // second writer goes through named temporary files, as on a file system without O_TMPFILE.
    const bool canRefuse = tmpfileCanBeRefused();
    for (int kill = 0; kill < 20; ++kill) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (canRefuse && kill % 2 == 1) {
                (void)test_support::refuseTmpfile();
            }
            (void)platform::AtomicFile::write(file, std::string(length, 'b'));
            (void)::write(ready[1], "r", 1);
            for (int i = 0;; ++i) {
                (void)platform::AtomicFile::write(file, std::string(length, static_cast<char>('a' + i % 26)));
            }
        }
        char r = 0;
        ASSERT_EQ(::read(ready[0], &r, 1), 1);
        ::close(ready[0]);
        ::close(ready[1]);
        usleep(static_cast<useconds_t>(10000 + kill * 4500));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        const std::string content = test_support::readBytes(file);
        ASSERT_EQ(content.size(), length) << "kill " << kill;
        EXPECT_EQ(content.find_first_not_of(content.front()), std::string::npos) << "one write's content";
        // Whatever the killed writer left, the next write of the file removes.
        ASSERT_TRUE(platform::AtomicFile::write(file, std::string(length, 'c')));
        ASSERT_EQ(test_support::fileNames(folder.path()), std::vector<std::string>{"velmo2007.ini"})
            << "kill " << kill;
    }
}

TEST_F(AtomicFile, AWriteRemovesOnlyTheTemporaryFilesItsOwnKilledWritersLeft) {
    if (!tmpfileCanBeRefused()) {
        GTEST_SKIP() << "O_TMPFILE cannot be refused here";
    }
    // Files of the user and of other tools whose names look like temporary files, beside each file
    // the program writes; rsync's temporary file takes no lock.
    struct Case {
        std::string target;
        std::vector<std::string> others;
    };
    const Case cases[] = {
        {"velmo2007.ini",
         {".velmo2007.ini.backup", ".velmo2007.ini.a1B2c3", ".velmo2007.ini.ZZZZZZ",
          ".velmo2007.ini.gk2007tmp-AbCdEfGh-ZZZZZZ"}}, // the program's form without its check
        {"settings.ini", {".settings.ini.backup", ".settings.ini.tmp"}},
        {"saved.anl", {".saved.anl.2024v1", ".saved.anl.bak"}},
        {"target.txt", {".target.txt.AbC123", "target.txt.AbC123"}},
        {nameOfLength(255), {"." + nameOfLength(254), "." + nameOfLength(240) + ".AbC123"}},
    };
    for (const auto& c : cases) {
        const test_support::TempFolder here;
        const fs::path target = here.path() / c.target;
        ASSERT_TRUE(platform::AtomicFile::write(target, "old")) << c.target;
        for (const auto& other : c.others) {
            test_support::writeBytes(here.path() / other, "the user's " + other);
        }
        std::vector<std::string> known = c.others;
        known.push_back(c.target);

        // A writer without files that have no name, stopped and then killed while its named
        // temporary file is being filled (tried again where it was done before it could be stopped).
        std::unique_ptr<test_support::ChildProcess> writer;
        std::string temporary;
        for (int attempt = 0; attempt < 20 && temporary.empty(); ++attempt) {
            writer = std::make_unique<test_support::ChildProcess>([&] {
                return test_support::refuseTmpfile() &&
                       platform::AtomicFile::write(target, std::string(std::size_t{64} << 20, 'w'));
            });
            temporary = awaitStrayName(here.path(), known);
            // Stopped once it holds the lock of its file: stopped in the instant between creating
            // the file and locking it, it would find its file taken and start again with another.
            for (int stop = 0; stop < 100; ++stop) {
                ::kill(writer->pid(), SIGSTOP);
                siginfo_t state{};
                (void)::waitid(P_PID, static_cast<id_t>(writer->pid()), &state, WSTOPPED | WEXITED | WNOWAIT);
                if (temporary.empty() || !fs::exists(here.path() / temporary) ||
                    lockedElsewhere(here.path() / temporary)) {
                    break;
                }
                ::kill(writer->pid(), SIGCONT);
                usleep(50);
            }
            if (!temporary.empty() &&
                (!fs::exists(here.path() / temporary) || !lockedElsewhere(here.path() / temporary))) {
                temporary.clear();
            }
            if (temporary.empty()) {
                writer->kill();
                ASSERT_TRUE(platform::AtomicFile::write(target, "old")) << c.target;
            }
        }
        ASSERT_FALSE(temporary.empty()) << c.target << ": the writer made no temporary file";
        ASSERT_TRUE(platform::AtomicFile::write(target, "while the other writer is at work")) << c.target;
        EXPECT_TRUE(fs::exists(here.path() / temporary)) << c.target << ": a live writer's file is kept";
        writer->kill();

        ASSERT_TRUE(platform::AtomicFile::write(target, "new")) << c.target;
        std::sort(known.begin(), known.end());
        EXPECT_EQ(sortedNames(here.path()), known) << c.target << ": only the killed writer's file is gone";
        for (const auto& other : c.others) {
            EXPECT_EQ(test_support::readBytes(here.path() / other), "the user's " + other);
        }
        EXPECT_EQ(test_support::readBytes(target), "new");
    }
}

TEST_F(AtomicFile, TwoWritersWithoutFilesThatHaveNoNameNeverBreakEachOther) {
    if (!tmpfileCanBeRefused()) {
        GTEST_SKIP() << "O_TMPFILE cannot be refused here";
    }
    constexpr int kWrites = 2000;
    const auto content = [](char writer, int i) {
        return std::string(100 + i % 50, writer);
    };
    const auto writes = [&](char writer) {
        return [&, writer] {
            if (!test_support::refuseTmpfile()) {
                return false;
            }
            int failed = 0;
            for (int i = 0; i < kWrites; ++i) {
                failed += platform::AtomicFile::write(file, content(writer, i)) ? 0 : 1;
            }
            return failed == 0;
        };
    };
    test_support::ChildProcess first(writes('a'));
    test_support::ChildProcess second(writes('b'));
    EXPECT_TRUE(first.succeeded()) << "a write of the first writer failed";
    EXPECT_TRUE(second.succeeded()) << "a write of the second writer failed";
    const std::string last = test_support::readBytes(file);
    ASSERT_FALSE(last.empty());
    EXPECT_EQ(last, std::string(last.size(), last.front())) << "one writer's whole content";
    EXPECT_EQ(test_support::fileNames(folder.path()), std::vector<std::string>{"velmo2007.ini"});
}

TEST_F(AtomicFile, AFileItsOwnerMadeReadOnlyIsNotReplaced) {
    // Root passes every permission check: the mode bits themselves must be looked at.
    const auto link = folder.path() / "link.ini";
    ASSERT_TRUE(platform::AtomicFile::write(file, "kept"));
    fs::create_symlink(file.filename(), link);
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto refused = [&](const fs::path& path) {
        return !platform::AtomicFile::write(path, "replaced");
    };
    EXPECT_TRUE(refused(file));
    EXPECT_TRUE(refused(link)) << "through a symbolic link";
    if (tmpfileCanBeRefused()) {
        test_support::ChildProcess fallback([&] { return test_support::refuseTmpfile() && refused(file); });
        EXPECT_TRUE(fallback.succeeded()) << "with a named temporary file";
    }
    EXPECT_EQ(test_support::readBytes(file), "kept");
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(sortedNames(folder.path()), (std::vector<std::string>{"link.ini", "velmo2007.ini"}));

    // Once its owner allows writing again, the file is written.
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_TRUE(platform::AtomicFile::write(file, "replaced"));
    EXPECT_EQ(test_support::readBytes(file), "replaced");
}

TEST_F(AtomicFile, NamesUpToTheLongestTheFolderTakesAreWritten) {
    std::vector<std::string> names;
    for (std::size_t length = 248; length <= 255; ++length) {
        names.push_back(nameOfLength(length));
    }
    names.push_back(nameOfLength(255, "\xc3\xa4"));     // two-byte letters, cut nowhere inside one
    names.push_back(nameOfLength(255, "\xe2\x82\xac")); // three-byte letters
    const auto writeAll = [&](const std::string& content) {
        for (const auto& name : names) {
            if (!platform::AtomicFile::write(folder.path() / name, content + name)) {
                return false;
            }
        }
        return true;
    };
    EXPECT_TRUE(writeAll("first "));
    EXPECT_TRUE(writeAll("second ")) << "a file that is there is replaced";
    if (tmpfileCanBeRefused()) {
        test_support::ChildProcess fallback(
            [&] { return test_support::refuseTmpfile() && writeAll("third "); });
        EXPECT_TRUE(fallback.succeeded()) << "with a named temporary file";
    }
    for (const auto& name : names) {
        const std::string content = test_support::readBytes(folder.path() / name);
        EXPECT_TRUE(content == "second " + name || content == "third " + name) << name.size();
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(sortedNames(folder.path()), names) << "no temporary file is left";
}
