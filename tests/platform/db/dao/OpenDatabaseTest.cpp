#include "DaoTestSupport.h"

#include <fstream>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using daotest::errorNumber;
using namespace platform::db;
using platform::Variant;

namespace {

using daotest::randomBytes;
using daotest::writeBytes;

class OpenDatabase : public daotest::DatabaseFixture {};

} // namespace

TEST_F(OpenDatabase, BadFilesFailWithTheEngineErrorAndAreLeftAsTheyWere) {
    const std::string jetHeader = std::string("\0\1\0\0Standard Jet DB\0", 20) + randomBytes(2028);
    struct Case {
        const char* name;
        std::function<void(const std::string&)> make; // nullptr: no file at all
        int number;
        bool exists;
    };
    const Case cases[] = {
        {"missing", nullptr, jet::FileNotFound, false},
        {"empty", [](const std::string& p) { writeBytes(p, ""); }, jet::UnrecognizedFormat, true},
        {"random", [](const std::string& p) { writeBytes(p, randomBytes(4096)); }, jet::UnrecognizedFormat,
         true},
        {"jet", [&](const std::string& p) { writeBytes(p, jetHeader); }, jet::UnrecognizedFormat, true},
        {"short sqlite header", [](const std::string& p) { writeBytes(p, "SQLite format 3"); },
         jet::UnrecognizedFormat, true},
        {"sqlite header then garbage",
         [](const std::string& p) {
             writeBytes(p, std::string("SQLite format 3\0", 16) + randomBytes(4080));
         },
         jet::UnrecognizedFormat, true},
        {"folder", [](const std::string& p) { std::filesystem::create_directory(p); }, jet::FileNotFound,
         true},
    };
    for (const Case& c : cases) {
        for (const bool readOnly : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (readOnly ? " read-only" : " read-write"));
            const std::string path = m_dir.file(std::string(c.name) + (readOnly ? ".ro" : ".rw") + ".mdb");
            if (c.make) {
                c.make(path);
            }
            const auto size = std::filesystem::is_regular_file(path) ? std::filesystem::file_size(path) : 0;
            EXPECT_TRUE(test_support::failsWith(
                [&] { static_cast<void>(workspace()->openDatabase(path, false, readOnly)); }, c.number,
                path));
            EXPECT_EQ(std::filesystem::exists(path), c.exists);
            if (std::filesystem::is_regular_file(path)) {
                EXPECT_EQ(std::filesystem::file_size(path), size);
            }
        }
    }
}

TEST_F(OpenDatabase, MissingFileTextNamesTheFile) {
    const std::string path = m_dir.file("nowhere.mdb");
    try {
        static_cast<void>(workspace()->openDatabase(path, false, true));
        FAIL();
    } catch (const platform::CallError& e) {
        EXPECT_EQ(e.description(), "Could not find file '" + path + "'.");
        EXPECT_EQ(e.source(), "DAO.Workspace");
    }
}

TEST_F(OpenDatabase, ReadOnlyDatabaseRefusesEveryEdit) {
    build("CREATE TABLE t(id INTEGER PRIMARY KEY, name TEXT); INSERT INTO t VALUES(1, 'a');");
    const auto db = open(true);
    EXPECT_TRUE(db->readOnly());
    EXPECT_EQ(errorNumber([&] { db->execute("INSERT INTO t VALUES(2, 'b')"); }), jet::ReadOnly);
    EXPECT_EQ(errorNumber([&] { db->execute("DELETE FROM t"); }), jet::ReadOnly);
    for (const RecordsetType type : {RecordsetType::Table, RecordsetType::Dynaset}) {
        const auto rs = db->openRecordset("t", type);
        EXPECT_EQ(errorNumber([&] { rs->edit(); }), jet::ReadOnly);
        EXPECT_EQ(errorNumber([&] { rs->addNew(); }), jet::ReadOnly);
        EXPECT_EQ(errorNumber([&] { rs->deleteCurrent(); }), jet::ReadOnly);
    }
    const auto rs = db->openRecordset("SELECT name FROM t", RecordsetType::Snapshot);
    EXPECT_EQ(rs->field("name"), Variant("a"));
}

TEST_F(OpenDatabase, ExclusiveOpenKeepsOthersOutUntilClosed) {
    build("CREATE TABLE t(id INTEGER);");
    const auto first = open(true, true);
    EXPECT_TRUE(first->exclusive());
    EXPECT_EQ(errorNumber([&] { static_cast<void>(open(true, false)); }), jet::FileInUse);
    EXPECT_EQ(errorNumber([&] { static_cast<void>(open(false, true)); }), jet::FileInUse);

    // Another process is kept out as well.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        DBEngine engine;
        int code = 0;
        try {
            static_cast<void>(
                engine.createWorkspace("Child", "Admin", "")->openDatabase(m_path, false, true));
        } catch (const platform::CallError& e) {
            code = e.number() == jet::FileInUse ? 45 : 1;
        }
        _exit(code);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 45);

    first->close();
    const auto second = open(true, false);
    EXPECT_TRUE(second->isOpen());
}

TEST_F(OpenDatabase, SharedOpenersShareAndKeepAnExclusiveOpenerOut) {
    build("CREATE TABLE t(id INTEGER);");
    const auto a = open(true);
    const auto b = open(false);
    EXPECT_EQ(errorNumber([&] { static_cast<void>(open(true, true)); }), jet::FileInUse);
    a->close();
    b->close();
    EXPECT_TRUE(open(true, true)->isOpen());
}

TEST_F(OpenDatabase, ClosedDatabaseAndItsRecordSetsRefuseUse) {
    build("CREATE TABLE t(id INTEGER); INSERT INTO t VALUES(1);");
    const auto db = open();
    const auto rs = db->openRecordset("SELECT id FROM t", RecordsetType::Snapshot);
    db->close();
    EXPECT_FALSE(db->isOpen());
    EXPECT_FALSE(rs->isOpen());
    EXPECT_EQ(errorNumber([&] { db->execute("DELETE FROM t"); }), jet::ObjectInvalid);
    EXPECT_EQ(errorNumber([&] { static_cast<void>(rs->field(0)); }), jet::ObjectInvalid);
}

TEST_F(OpenDatabase, ClosingTheWorkspaceClosesItsDatabases) {
    build("CREATE TABLE t(id INTEGER);");
    const auto db = open();
    workspace()->close();
    EXPECT_FALSE(db->isOpen());
    EXPECT_EQ(errorNumber([&] { static_cast<void>(open()); }), jet::ObjectInvalid);
}

TEST_F(OpenDatabase, ClosingEndsTheReadsOfItsRecordSets) {
    std::string sql = "CREATE TABLE t(id INTEGER);";
    for (int i = 0; i < 50; ++i) {
        sql += "INSERT INTO t VALUES(" + std::to_string(i) + ");";
    }
    build(sql);
    const auto reader = open(true);
    const auto rs = reader->openRecordset("SELECT id FROM t", RecordsetType::Snapshot);
    rs->moveNext(); // the snapshot reads on as it moves: its statement is still running
    const auto writer = open(false);
    reader->close();
    writer->execute("DELETE FROM t WHERE id < 10");
    EXPECT_EQ(writer->recordsAffected(), 10);
}
