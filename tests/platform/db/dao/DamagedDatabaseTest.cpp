#include "DaoTestSupport.h"
#include "platform/db/sqlite/Connection.h"
#include "test_support/InterruptedWrite.h"
#include "test_support/TestEnvironment.h"

using namespace platform::db;

namespace {

using daotest::randomBytes;
using daotest::readBytes;
using daotest::writeBytes;

using test_support::raisedError;

/// A database of several pages of 4096 bytes: the schema on the first, the rows after it.
class DamagedDatabase : public daotest::DatabaseFixture {
protected:
    void SetUp() override {
        std::string sql = "PRAGMA page_size = 4096; CREATE TABLE t(id INTEGER PRIMARY KEY, name TEXT);";
        for (int i = 0; i < 200; ++i) {
            sql +=
                "INSERT INTO t VALUES(" + std::to_string(i) + ", '" + std::string(100, 'a' + i % 26) + "');";
        }
        build(sql);
        m_good = readBytes(m_path);
        ASSERT_GE(m_good.size(), 5U * 4096U);
    }
    /// Every row read, as the first query after an open would.
    void readAll(const std::shared_ptr<Database>& db) {
        const auto rs = db->openRecordset("SELECT id, name FROM t ORDER BY name", RecordsetType::Snapshot);
        while (!rs->eof()) {
            (void)rs->field("name");
            rs->moveNext();
        }
    }
    std::string m_good;
};

} // namespace

TEST_F(DamagedDatabase, DamageIsReportedAtTheOpenNamingTheFile) {
    struct Case {
        const char* name;
        std::function<std::string(const std::string&)> damage;
    };
    const Case cases[] = {
        {"truncated to a few bytes",
         [](const std::string& good) {
             return good.substr(0, 20);
         }},
        {"truncated within the header",
         [](const std::string& good) {
             return good.substr(0, 60);
         }},
        {"truncated to its first page",
         [](const std::string& good) {
             return good.substr(0, 4096);
         }},
        {"truncated within a page",
         [](const std::string& good) {
             return good.substr(0, 3 * 4096 + 100);
         }},
        {"schema page overwritten",
         [](const std::string& good) {
             return good.substr(0, 100) + randomBytes(3996) + good.substr(4096);
         }},
        {"bad page size",
         [](const std::string& good) {
             return good.substr(0, 16) + "\x03\x00" + good.substr(18);
         }},
    };
    for (const Case& c : cases) {
        const std::string bytes = c.damage(m_good);
        writeBytes(m_path, bytes);
        for (const bool readOnly : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (readOnly ? " read-only" : " read-write"));
            const auto error = raisedError([&] { (void)open(readOnly); });
            EXPECT_EQ(error.number(), jet::UnrecognizedFormat);
            EXPECT_NE(error.description().find(m_path), std::string::npos) << error.description();
            EXPECT_EQ(readBytes(m_path), bytes) << "the damaged file was changed";
        }
    }
}

TEST_F(DamagedDatabase, GarbageAmongTheRowsFailsTheReadNamingTheFile) {
    const std::string bytes = m_good.substr(0, 2 * 4096) + randomBytes(4096) + m_good.substr(3 * 4096);
    writeBytes(m_path, bytes);
    for (const bool readOnly : {true, false}) {
        SCOPED_TRACE(readOnly ? "read-only" : "read-write");
        // The schema is whole, so the open may pass; the first read of the damaged rows may not.
        const auto error = raisedError([&] { readAll(open(readOnly)); });
        EXPECT_EQ(error.number(), jet::UnrecognizedFormat) << error.description();
        EXPECT_NE(error.description().find(m_path), std::string::npos) << error.description();
        EXPECT_EQ(readBytes(m_path), bytes);
    }
}

TEST_F(DamagedDatabase, LeftOverJournalIsReportedAsAnInterruptedWrite) {
    // A write caught in the middle: pages of the change already in the file (a cache of one page
    // spills them), the journal that undoes them beside it.
    const std::string copy = m_dir.file("copy.mdb");
    ASSERT_NO_THROW(test_support::copyMidWrite(m_path, copy, "UPDATE t SET name = 'changed';"));
    const std::string file = readBytes(copy);
    const std::string journal = readBytes(copy + "-journal");
    ASSERT_FALSE(journal.empty());

    const auto error = raisedError([&] { (void)workspace()->openDatabase(copy, false, true); });
    EXPECT_EQ(error.number(), jet::CannotOpenDatabase);
    EXPECT_NE(error.description().find("'" + copy + "'"), std::string::npos) << error.description();
    EXPECT_NE(error.description().find(copy + "-journal"), std::string::npos) << error.description();
    EXPECT_NE(error.description().find("interrupted"), std::string::npos) << error.description();
    EXPECT_EQ(readBytes(copy), file);
    EXPECT_EQ(readBytes(copy + "-journal"), journal);

    // Opened for writing, the interrupted change is rolled back and the rows are as they were.
    const auto db = workspace()->openDatabase(copy, false, false);
    const auto rs =
        db->openRecordset("SELECT count(*) AS n FROM t WHERE name = 'changed'", RecordsetType::Snapshot);
    EXPECT_EQ(rs->field("n"), platform::Variant(std::int64_t{0}));
}

TEST_F(DamagedDatabase, GarbageJournalBesideTheDatabaseSaysWhatTheUserCanDo) {
    writeBytes(m_path + "-journal", randomBytes(3000));
    const auto error = raisedError([&] { (void)open(true); });
    EXPECT_EQ(error.number(), jet::CannotOpenDatabase);
    const std::string& text = error.description();
    // The program opens its databases read-only: it offers no "open with write access".
    EXPECT_EQ(text.find("write access"), std::string::npos) << text;
    EXPECT_NE(text.find("remove the file '" + m_path + "-journal'"), std::string::npos) << text;
    EXPECT_NE(text.find("installed the databases"), std::string::npos) << text;
    EXPECT_EQ(readBytes(m_path), m_good);
}

TEST_F(DamagedDatabase, ReadBlockedByAnotherWriterSaysSoAndNamesTheFile) {
    const auto db = open(true);
    sqlite::Connection writer(m_path, sqlite::OpenMode::ReadWrite);
    ASSERT_NO_THROW(writer.exec("BEGIN EXCLUSIVE"));
    const auto error = raisedError([&] { readAll(db); });
    EXPECT_EQ(error.number(), jet::ReadLocked);
    EXPECT_EQ(error.description(), "Could not read '" + m_path + "'; currently locked by another user.");
    writer.exec("ROLLBACK");
    EXPECT_NO_THROW(readAll(db));
}

TEST_F(DamagedDatabase, WriteTheDiskRefusesKeepsTheOldRowsAndNamesTheFile) {
    const auto db = open(false);
    const auto count = [&] {
        const auto rs = db->openRecordset("SELECT count(*) AS n FROM t", RecordsetType::Snapshot);
        return rs->field("n");
    };
    const auto before = count();
    const std::string bytes = readBytes(m_path);
    platform::CallError error(0, "", "");
    {
        const test_support::ScopedFileSizeLimit diskFull(bytes.size());
        error = raisedError([&] {
            db->execute("INSERT INTO t (name) SELECT name & name & name & name FROM t");
            db->execute("INSERT INTO t (name) SELECT name & name & name & name FROM t");
        });
    }
    // A full file system gives the first, a file-size limit (as here) the second.
    EXPECT_TRUE(error.number() == jet::DiskFull || error.number() == jet::DiskOrNetworkError)
        << error.number();
    EXPECT_NE(error.description().find("'" + m_path + "'"), std::string::npos) << error.description();
    EXPECT_EQ(count(), before);
    EXPECT_EQ(readBytes(m_path), bytes);
}

TEST_F(DamagedDatabase, WriteBlockedByAnotherProcessNamesTheFile) {
    const auto db = open(false);
    sqlite::Connection other(m_path, sqlite::OpenMode::ReadWrite);
    ASSERT_NO_THROW(other.exec("BEGIN IMMEDIATE"));
    const auto error = raisedError([&] { db->execute("DELETE FROM t"); });
    EXPECT_EQ(error.number(), jet::CurrentlyLocked);
    EXPECT_EQ(error.description(), "Could not update '" + m_path + "'; currently locked.");
    other.exec("ROLLBACK");
}
