#include "platform/AtomicFile.h"

#include "test_support/Files.h"
#include "test_support/TempFolder.h"
#include "test_support/TestEnvironment.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/file.h>
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

} // namespace

TEST_F(AtomicFile, AKilledWriterLeavesNoTemporaryFileOnceTheNextWriteRan) {
    constexpr std::size_t length = 1 << 20;
    ASSERT_TRUE(platform::AtomicFile::write(file, std::string(length, 'a')));
    // Fifteen kills spread over the writes, flushes and renames of a writer that is under way.
    for (int kill = 0; kill < 15; ++kill) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
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
        usleep(static_cast<useconds_t>(10000 + kill * 6000));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_EQ(test_support::readBytes(file).size(), length);
        // Whatever the killed writer left, the next write of the file removes.
        ASSERT_TRUE(platform::AtomicFile::write(file, std::string(length, 'c')));
        ASSERT_EQ(test_support::fileNames(folder.path()), std::vector<std::string>{"velmo2007.ini"})
            << "kill " << kill;
    }
}

TEST_F(AtomicFile, TheNextWriteRemovesWhatKilledWritersLeftAndNothingElse) {
    ASSERT_TRUE(platform::AtomicFile::write(file, "old"));
    for (const char* name : {".velmo2007.ini.a1B2c3", ".velmo2007.ini.ZZZZZZ", ".velmo2007.ini.q9W8e7",
                             ".other.ini.a1B2c3", ".velmo2007.ini.bak", "velmo2007.ini.a1B2c3"}) {
        test_support::writeBytes(folder.path() / name, "partial");
    }
    // One temporary file of a writer that is still at work: it holds the lock.
    const int live = ::open((folder.path() / ".velmo2007.ini.q9W8e7").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(live, 0);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);

    const bool written = platform::AtomicFile::write(file, "new");
    ::close(live);

    ASSERT_TRUE(written);
    std::vector<std::string> names = test_support::fileNames(folder.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{".other.ini.a1B2c3", ".velmo2007.ini.bak", ".velmo2007.ini.q9W8e7",
                                        "velmo2007.ini", "velmo2007.ini.a1B2c3"}));
    EXPECT_EQ(test_support::readBytes(file), "new");
}
