#include "platform/Profile.h"

#include "platform/AtomicFile.h"
#include "platform/LockFile.h"
#include "test_support/ChildProcess.h"
#include "test_support/Files.h"
#include "test_support/NoTmpfile.h"
#include "test_support/TestEnvironment.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

using platform::readProfileString;
using platform::writeProfileString;

namespace {

std::vector<std::string> sortedNames(const std::filesystem::path& folder) {
    auto names = test_support::fileNames(folder);
    std::sort(names.begin(), names.end());
    return names;
}

std::string readText(const std::filesystem::path& file) {
    std::string content;
    EXPECT_TRUE(platform::readWholeFile(file, content));
    return content;
}

class Profile : public ::testing::Test {
protected:
    test_support::ScopedHome folder;
    std::filesystem::path ini = folder.path() / "velmo2007.ini";
};

} // namespace

TEST_F(Profile, ReadsCaseInsensitiveTrimmedAndUnquoted) {
    test_support::writeBytes(
        ini, "\xEF\xBB\xBF; settings\r\n[Global]\r\n  DBPath =  /data/db  \r\nQuoted=\" a b \"\r\n"
             "Empty=\r\n[ AppStart ]\r\nCount=7\r\n");
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"global", "dbpath", "/data/db"}, {"GLOBAL", "Quoted", " a b "}, {"Global", "Empty", ""},
        {"appstart", "COUNT", "7"},       {"Global", "Count", "dflt"},   {"Missing", "DBPath", "dflt"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readProfileString(c.section, c.key, "dflt  ", ini), c.expected)
            << c.section << "/" << c.key;
    }
    EXPECT_EQ(readProfileString("Global", "DBPath", "x", folder.path() / "none.ini"), "x");
}

TEST_F(Profile, FirstWriteCreatesFileAndSection) {
    ASSERT_TRUE(writeProfileString("Global", "Language", "2", ini));
    ASSERT_TRUE(writeProfileString("AppStart", "Count", "1", ini));
    ASSERT_TRUE(writeProfileString("global", "TYPE", "3", ini));
    EXPECT_EQ(readText(ini), "[Global]\nLanguage=2\nTYPE=3\n\n[AppStart]\nCount=1\n");
}

TEST_F(Profile, RewritingKeepsCommentsOrderAndKeySpelling) {
    test_support::writeBytes(ini,
                             "; comment\r\n[Global]\r\nLanguage=0\r\n\r\n[Material]\r\nMaterialId=5\r\n");
    ASSERT_TRUE(writeProfileString("GLOBAL", "language", "1", ini));
    ASSERT_TRUE(writeProfileString("Global", "DBPath", "/srv", ini));
    EXPECT_EQ(readText(ini),
              "; comment\r\n[Global]\r\nLanguage=1\r\nDBPath=/srv\r\n\r\n[Material]\r\nMaterialId=5\r\n");
    ASSERT_TRUE(platform::deleteProfileKey("material", "materialid", ini));
    ASSERT_TRUE(platform::deleteProfileSection("Global", ini));
    EXPECT_EQ(readText(ini), "; comment\r\n[Material]\r\n");
}

TEST_F(Profile, ValuesHaveNoLengthLimit) {
    const std::string longPath = "/" + std::string(300, 'p') + "/";
    ASSERT_TRUE(writeProfileString("Global", "DBPath", longPath, ini));
    EXPECT_EQ(readProfileString("Global", "DBPath", "", ini), longPath);
}

TEST_F(Profile, RefusesWhatWouldNotReadBackAsWritten) {
    const std::string original = "[Global]\nLanguage=0\n";
    test_support::writeBytes(ini, original);
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"Global", "Language", "1\n[Evil]\nx=1"},
        {"Global", "Language", "1\r2"},
        {"Glo]bal", "Language", "1"},
        {"Global", "a=b", "1"},
        {"Global", "", "1"},
        {"Global", " \t", "1"},
        {"", "Language", "1"},
        {"Glo\nbal", "Language", "1"},
        {"Global", ";Language", "1"}, // would read as a comment
        {"Global", "  ;x", "1"},
        {"Global", "[Global]", "1"}, // would read as a section header and hide the keys below it
        {"Global", " [Other", "1"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(writeProfileString(c.section, c.key, c.value, ini)) << c.section << "/" << c.key;
    }
    EXPECT_EQ(readText(ini), original);
}

TEST_F(Profile, OddNamesThatReadBackAreWritten) {
    struct Case {
        const char* section;
        const char* key;
    };
    const Case cases[] = {
        {"Global", "a;b"}, {"Global", "x[1]"}, {"[Nested", "k"}, {";Section", "k"}, {"Global", "a]"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(writeProfileString(c.section, c.key, "v", ini)) << c.section << "/" << c.key;
        EXPECT_EQ(readProfileString(c.section, c.key, "missing", ini), "v") << c.section << "/" << c.key;
    }
}

TEST_F(Profile, RewriteKeepsByteOrderMarkAndEachLineEnding) {
    struct Case {
        const char* name;
        const char* before;
        const char* key;
        const char* after;
    };
    const Case cases[] = {
        {"mark and mixed endings, changed key", "\xEF\xBB\xBF[Global]\r\nA=1\nB=2\n", "A",
         "\xEF\xBB\xBF[Global]\r\nA=9\nB=2\n"},
        {"added key takes the usual ending", "\xEF\xBB\xBF[Global]\r\nA=1\nB=2\n", "C",
         "\xEF\xBB\xBF[Global]\r\nA=1\nB=2\nC=9\n"},
        {"mostly CRLF", "[Global]\r\nA=1\r\nB=2\n", "C", "[Global]\r\nA=1\r\nB=2\nC=9\r\n"},
        {"no final line break, changed", "[Global]\nA=1", "A", "[Global]\nA=9"},
        {"no final line break, added", "[Global]\nA=1", "B", "[Global]\nA=1\nB=9\n"},
        {"final carriage return, changed", "[Global]\nA=1\r", "A", "[Global]\nA=9\r"},
        {"final carriage return, added", "[Global]\nA=1\r", "B", "[Global]\nA=1\r\nB=9\n"},
    };
    for (const auto& c : cases) {
        test_support::writeBytes(ini, c.before);
        ASSERT_TRUE(writeProfileString("Global", c.key, "9", ini)) << c.name;
        EXPECT_EQ(readText(ini), c.after) << c.name;
    }
}

TEST_F(Profile, KeyOnAFinalLineEndingInACarriageReturnKeepsItsValueWhenKeysFollow) {
    // Found by fuzzing: the carriage return was part of the value until a key was added after it.
    test_support::writeBytes(ini, "[Global]\nA=1\r");
    EXPECT_EQ(readProfileString("Global", "A", "", ini), "1");
    ASSERT_TRUE(writeProfileString("Global", "B", "2", ini));
    EXPECT_EQ(readProfileString("Global", "A", "", ini), "1");
}

TEST_F(Profile, FailedWriteLeavesTheOldFileWhole) {
    // A full disk mid-write, made by a file-size limit below what the new content needs.
    const std::string original = "[Global]\nLanguage=0\n";
    test_support::writeBytes(ini, original);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = writeProfileString("Global", "DBPath", std::string(500, 'x'), ini);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &old), 0);
    EXPECT_FALSE(written);
    EXPECT_EQ(readText(ini), original);
    EXPECT_EQ(test_support::fileNames(folder.path()), (std::vector<std::string>{"config", "velmo2007.ini"}))
        << "temporary file left behind";
}

TEST_F(Profile, GarbageFileReadsAsDefaultsAndKeepsItsBytesOnWrite) {
    std::string garbage = "\x01\xff\xfe\x00[x\n=\n;;;\r\r\n\x80\xc3(\n";
    garbage += std::string("\0\0\0", 3);
    test_support::writeBytes(ini, garbage);
    EXPECT_EQ(readProfileString("Global", "DBPath", "dflt", ini), "dflt");
    ASSERT_TRUE(writeProfileString("Global", "DBPath", "/srv", ini));
    const std::string after = readText(ini);
    EXPECT_EQ(after.substr(0, garbage.size()), garbage);
    EXPECT_EQ(readProfileString("Global", "DBPath", "", ini), "/srv");
}

TEST_F(Profile, UnreadableFileReadsAsDefaultsAndIsNeverReplaced) {
    // A folder where the file should be cannot be read, as root too.
    std::filesystem::create_directory(ini);
    EXPECT_EQ(readProfileString("Global", "DBPath", "dflt", ini), "dflt");
    EXPECT_FALSE(writeProfileString("Global", "DBPath", "/srv", ini));
    EXPECT_TRUE(std::filesystem::is_directory(ini));
    EXPECT_EQ(test_support::fileNames(folder.path()), (std::vector<std::string>{"config", "velmo2007.ini"}));
}

TEST_F(Profile, WriteIntoAReadOnlyFolderFailsAndKeepsTheFile) {
    test_support::writeBytes(ini, "[Global]\nLanguage=0\n");
    const test_support::ScopedReadOnlyFolder readOnly(folder.path());
    if (!readOnly.effective()) {
        GTEST_SKIP() << "every folder is writable to this user";
    }
    EXPECT_FALSE(writeProfileString("Global", "Language", "1", ini));
    EXPECT_EQ(readText(ini), "[Global]\nLanguage=0\n");
}

TEST_F(Profile, WriteIntoAMissingFolderFailsCleanly) {
    EXPECT_FALSE(writeProfileString("Global", "Language", "1", folder.path() / "no" / "such.ini"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "no"));
}

TEST_F(Profile, WriteThroughASymbolicLinkReplacesTheTarget) {
    test_support::writeBytes(folder.path() / "real.ini", "[Global]\n");
    std::filesystem::create_symlink(folder.path() / "real.ini", ini);
    ASSERT_TRUE(writeProfileString("Global", "Language", "2", ini));
    EXPECT_TRUE(std::filesystem::is_symlink(ini));
    EXPECT_EQ(readText(folder.path() / "real.ini"), "[Global]\nLanguage=2\n");
}

TEST_F(Profile, RelativePathIsTheWorkingDirectory) {
    ASSERT_TRUE(writeProfileString("Global", "Language", "2", "velmo2007.ini"));
    EXPECT_EQ(readProfileString("Global", "Language", "", ini), "2");
}

TEST_F(Profile, TwoProcessesWritingDifferentKeysAtOnceKeepEveryKey) {
    constexpr int kKeys = 500;
    const auto writer = [&](const std::string& section) {
        return [&, section] {
            bool ok = true;
            for (int i = 0; i < kKeys; ++i) {
                ok = writeProfileString(section, "Key" + std::to_string(i), std::to_string(i), ini) && ok;
            }
            return ok;
        };
    };
    test_support::ChildProcess first(writer("First"));
    test_support::ChildProcess second(writer("Second"));
    EXPECT_TRUE(first.succeeded()) << "a write of the first process was refused";
    EXPECT_TRUE(second.succeeded()) << "a write of the second process was refused";
    int lost = 0;
    for (const char* section : {"First", "Second"}) {
        for (int i = 0; i < kKeys; ++i) {
            lost +=
                readProfileString(section, "Key" + std::to_string(i), "", ini) == std::to_string(i) ? 0 : 1;
        }
    }
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(sortedNames(folder.path()), (std::vector<std::string>{"config", "velmo2007.ini"}))
        << "no lock or temporary file is left";
}

TEST_F(Profile, AFileItsOwnerMadeReadOnlyIsNotWritten) {
    const std::string original = "[Global]\nLanguage=0\n";
    test_support::writeBytes(ini, original);
    std::filesystem::permissions(ini, std::filesystem::perms::owner_read |
                                          std::filesystem::perms::group_read |
                                          std::filesystem::perms::others_read);
    EXPECT_FALSE(writeProfileString("Global", "Language", "1", ini));
    EXPECT_FALSE(platform::deleteProfileKey("Global", "Language", ini));
    EXPECT_EQ(readText(ini), original);
    EXPECT_EQ(readProfileString("Global", "Language", "", ini), "0");
}

TEST_F(Profile, AFileWithTheLongestNameTheFolderTakesIsWritten) {
    const auto longest = folder.path() / (std::string(250, 'v') + ".ini");
    ASSERT_TRUE(writeProfileString("Global", "Language", "1", longest));
    ASSERT_TRUE(writeProfileString("Global", "Type", "3", longest));
    EXPECT_EQ(readText(longest), "[Global]\nLanguage=1\nType=3\n");
}

TEST_F(Profile, AKilledWriterLeavesOneWholeFileAndNothingElseOnceTheNextWriteRan) {
    constexpr std::size_t length = 200000;
    ASSERT_TRUE(writeProfileString("Global", "Value", std::string(length, 'a'), ini));
    const bool canRefuse = [] {
        test_support::ChildProcess probe([] { return test_support::refuseTmpfile(); });
        return probe.succeeded();
    }();
    for (int kill = 0; kill < 40; ++kill) {
        // Every second writer goes through named temporary files, as on a file system without O_TMPFILE.
        const bool named = canRefuse && kill % 2 == 1;
        test_support::ChildProcess writer([&] {
            if (named && !test_support::refuseTmpfile()) {
                return false;
            }
            for (int i = 0;; ++i) {
                (void)writeProfileString("Global", "Value",
                                         std::string(length, static_cast<char>('a' + i % 26)), ini);
            }
        });
        usleep(static_cast<useconds_t>(2000 + kill * 1500));
        writer.kill();
        const std::string value = readProfileString("Global", "Value", "", ini);
        ASSERT_EQ(value.size(), length) << "kill " << kill;
        EXPECT_EQ(value.find_first_not_of(value.front()), std::string::npos) << "kill " << kill;
        ASSERT_TRUE(writeProfileString("Global", "Other", std::to_string(kill), ini));
        EXPECT_EQ(sortedNames(folder.path()), (std::vector<std::string>{"config", "velmo2007.ini"}))
            << "kill " << kill << (named ? " of a writer with named temporary files" : "");
    }
}

TEST_F(Profile, AReaderWaitsForAnotherProcessesChangeRatherThanSeeingTheFileMissing) {
    ASSERT_TRUE(writeProfileString("Global", "Language", "2", ini));
    // Another process in the midst of a change, at the instant a file system such as FUSE shows the
    // file missing: it holds the lock of the change beside the file.
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const auto away = folder.path() / "velmo2007.ini.away";
    test_support::ChildProcess writer([&] {
        const auto lock = platform::LockFile::take(folder.path() / ".velmo2007.ini.gk2007lock",
                                                   platform::LockFile::Mode::Exclusive,
                                                   platform::LockFile::Create::Yes, std::chrono::seconds(5));
        std::filesystem::rename(ini, away);
        (void)::write(ready[1], "r", 1);
        usleep(300000);
        std::filesystem::rename(away, ini);
        return lock.has_value();
    });
    char r = 0;
    ASSERT_EQ(::read(ready[0], &r, 1), 1);
    EXPECT_EQ(readProfileString("Global", "Language", "missing", ini), "2");
    EXPECT_TRUE(writer.succeeded());
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST_F(Profile, TwoThreadsWritingDifferentKeysAtOnceKeepEveryKeyAndReadTheirOwn) {
    constexpr int kKeys = 200;
    std::atomic<int> wrong{0};
    const auto writer = [&](const std::string& section) {
        for (int i = 0; i < kKeys; ++i) {
            const std::string key = "Key" + std::to_string(i);
            if (!writeProfileString(section, key, std::to_string(i), ini) ||
                readProfileString(section, key, "", ini) != std::to_string(i)) {
                ++wrong;
            }
        }
    };
    std::thread first(writer, "First");
    std::thread second(writer, "Second");
    first.join();
    second.join();
    EXPECT_EQ(wrong.load(), 0);
    int lost = 0;
    for (const char* section : {"First", "Second"}) {
        for (int i = 0; i < kKeys; ++i) {
            lost +=
                readProfileString(section, "Key" + std::to_string(i), "", ini) == std::to_string(i) ? 0 : 1;
        }
    }
    EXPECT_EQ(lost, 0);
}
