// The databases of the object model damaged in the ways a disk or an interrupted write damages them:
// each open fails once with an error that names the file, and leaves the file as it was.

#include "ObjectsTestSupport.h"
#include "objects/Application.h"
#include "objects/Connection.h"
#include "platform/db/JetErrors.h"
#include "test_support/Files.h"
#include "test_support/InterruptedWrite.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

using objectstest::ErrorLog;
using objectstest::TestProgram;
using orvik::objects::Application;

namespace {

namespace fs = std::filesystem;

using test_support::randomBytes;
using test_support::writeBytes;
// The noise these cases were written with.
constexpr std::uint32_t kNoise = 13;

/// Leaves `file` as a write caught in the middle leaves it: changed pages in the file, the journal
/// that undoes them beside it.
void interruptAWrite(const fs::path& file, const fs::path& scratch) {
    const fs::path copy = scratch / "interrupted.db";
    ASSERT_NO_THROW(test_support::copyMidWrite(file, copy,
                                               "CREATE TABLE gk_interrupted(x); "
                                               "INSERT INTO gk_interrupted VALUES (randomblob(100000));"));
    fs::rename(copy, file);
    fs::rename(copy.string() + "-journal", file.string() + "-journal");
}

} // namespace

TEST(DamagedFiles, MainAndFilterDatabaseFailTheOpenNamingTheFile) {
    struct Case {
        const char* name;
        std::function<void(const fs::path&, const fs::path&)> damage;
        std::int32_t number;
    };
    const Case cases[] = {
        {"truncated", [](const fs::path& p, const fs::path&) { fs::resize_file(p, 4096); },
         platform::db::jet::UnrecognizedFormat},
        {"truncated within the header", [](const fs::path& p, const fs::path&) { fs::resize_file(p, 40); },
         platform::db::jet::UnrecognizedFormat},
        {"random bytes over the schema",
         [](const fs::path& p, const fs::path&) {
             std::fstream f(p, std::ios::binary | std::ios::in | std::ios::out);
             f.seekp(100);
             f << randomBytes(4000, kNoise);
         },
         platform::db::jet::UnrecognizedFormat},
        {"beside a left-over journal", interruptAWrite, platform::db::jet::CannotOpenDatabase},
    };
    for (const char* file : {"Graukant.MDB", "Filter.mdb"}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(file) + " " + c.name);
            const TestProgram program;
            const auto damaged = program.databaseFolder() / file;
            c.damage(damaged, program.file(""));
            const std::string bytes = test_support::readBytes(damaged);

            const auto app = Application::create();
            ErrorLog errors(app->Error);
            app->OpenConnection();

            EXPECT_FALSE(app->LoggedIn());
            ASSERT_EQ(errors.count(), 1U);
            EXPECT_EQ(errors.errors()[0].Number(), c.number) << errors.errors()[0].Description();
            EXPECT_NE(errors.errors()[0].Description().find(damaged.string()), std::string::npos)
                << errors.errors()[0].Description();
            EXPECT_EQ(test_support::readBytes(damaged), bytes);
        }
    }
}

TEST(DamagedFiles, PrintDatabaseBesideALeftOverJournalIsRolledBackAndOpens) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    const auto folder = program.file("print");
    fs::create_directories(folder);
    const auto print = folder / "print.mdb";
    fs::copy_file(program.databaseFolder() / "Filter.mdb", print);
    interruptAWrite(print, program.file(""));

    const auto db = app->Connection()->OpenPrintDatabase(folder.string() + "/");
    ASSERT_NE(db, nullptr);
    const auto rs = db->openRecordset("SELECT count(*) AS n FROM sqlite_master WHERE name = 'gk_interrupted'",
                                      platform::db::RecordsetType::Snapshot);
    EXPECT_EQ(rs->field("n"), platform::Variant(std::int64_t{0}));
    EXPECT_FALSE(fs::exists(print.string() + "-journal"));
}

TEST(DamagedFiles, DamagedPrintDatabaseFailsNamingTheFile) {
    const TestProgram program;
    const auto app = objectstest::connectedApplication();
    const auto folder = program.file("print");
    fs::create_directories(folder);
    const auto print = folder / "print.mdb";
    for (const std::string& content :
         {std::string(), std::string("SQLite format 3\0", 16), randomBytes(8192, kNoise)}) {
        writeBytes(print, content);
        try {
            (void)app->Connection()->OpenPrintDatabase(folder.string() + "/");
            ADD_FAILURE() << "opened";
        } catch (const platform::CallError& e) {
            EXPECT_NE(e.description().find(print.string()), std::string::npos) << e.description();
        }
        EXPECT_EQ(test_support::readBytes(print), content);
    }
}
