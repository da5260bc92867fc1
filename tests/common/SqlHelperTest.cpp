#include "common/SqlHelper.h"

#include "platform/db/JetErrors.h"
#include "platform/db/WorkgroupFile.h"
#include "test_support/Errors.h"
#include "test_support/FixtureDatabases.h"
#include "test_support/TestEnvironment.h"

#include <gtest/gtest.h>

using orvik::common::SqlHelper;
using platform::Variant;
using namespace platform::db;

namespace {

using test_support::errorNumber;

constexpr const char* password = "Nineteen-Characters";

class SqlHelperTest : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::buildScratchDatabase(m_dbPath,
                                           {"CREATE TABLE tab_text(id_text INTEGER PRIMARY KEY, "
                                            "german TEXT COLLATE JETTEXT);"
                                            "CREATE UNIQUE INDEX idx_text ON tab_text(id_text);"
                                            "INSERT INTO tab_text VALUES(1, 'Datei'), (2, 'Bearbeiten');"
                                            "CREATE VIEW texts AS SELECT * FROM tab_text;"});
        WorkgroupFile::write(m_workgroup, {{"GK2007PRG", password}}, 16);
    }

    test_support::ScopedHome m_folder;
    std::string m_dbPath = (m_folder.path() / "Language.mdb").string();
    std::string m_workgroup = (m_folder.path() / "GK2007.LG").string();
    DBEngine m_engine;
};

} // namespace

TEST_F(SqlHelperTest, WorkgroupFileIsSetOnlyWhenGiven) {
    const auto ws =
        SqlHelper::CreateWorkspace(m_engine, "Language", "GK2007PRG", Variant(password), m_workgroup);
    EXPECT_EQ(m_engine.systemDB(), m_workgroup);
    EXPECT_EQ(ws->name(), "Language");
    EXPECT_EQ(ws->userName(), "GK2007PRG");
    // An empty workgroup file leaves the engine's as it was.
    static_cast<void>(SqlHelper::CreateWorkspace(m_engine, "User", "GK2007PRG", Variant(password), ""));
    EXPECT_EQ(m_engine.systemDB(), m_workgroup);
}

TEST_F(SqlHelperTest, EngineFailuresReachTheCaller) {
    EXPECT_EQ(errorNumber([&] {
                  static_cast<void>(
                      SqlHelper::CreateWorkspace(m_engine, "w", "GK2007PRG", Variant("wrong"), m_workgroup));
              }),
              jet::BadAccount);
    EXPECT_EQ(errorNumber([&] {
                  static_cast<void>(
                      SqlHelper::CreateWorkspace(m_engine, "w", "GK2007PRG", Variant::null(), ""));
              }),
              jet::BadAccount);
    DBEngine noWorkgroup;
    EXPECT_EQ(errorNumber([&] {
                  static_cast<void>(SqlHelper::CreateWorkspace(noWorkgroup, "w", "x", Variant(),
                                                               (m_folder.path() / "none.LG").string()));
              }),
              jet::WorkgroupFileMissing);

    const auto ws = SqlHelper::CreateWorkspace(m_engine, "w", "GK2007PRG", Variant(password), m_workgroup);
    EXPECT_EQ(errorNumber([&] {
                  static_cast<void>(
                      SqlHelper::OpenDatabase(*ws, (m_folder.path() / "none.mdb").string(), false, false));
              }),
              jet::FileNotFound);
    const auto db = SqlHelper::OpenDatabase(*ws, m_dbPath, false, false);
    EXPECT_EQ(
        errorNumber([&] { static_cast<void>(SqlHelper::OpenRecordset(*db, "SELECT * FROM nosuch", 2)); }),
        jet::InputTableNotFound);
    EXPECT_EQ(errorNumber([&] { static_cast<void>(SqlHelper::OpenTableRecordset(*db, "nosuch")); }),
              jet::InputTableNotFound);
}

TEST_F(SqlHelperTest, OpenDatabasePassesItsOptions) {
    const auto ws = SqlHelper::CreateWorkspace(m_engine, "w", "GK2007PRG", Variant(password), m_workgroup);
    const auto readOnly = SqlHelper::OpenDatabase(*ws, m_dbPath, false, true);
    EXPECT_TRUE(readOnly->readOnly());
    EXPECT_FALSE(readOnly->exclusive());
    readOnly->close();
    const auto exclusive = SqlHelper::OpenDatabase(*ws, m_dbPath, true, false);
    EXPECT_TRUE(exclusive->exclusive());
    EXPECT_FALSE(exclusive->readOnly());
    EXPECT_EQ(errorNumber([&] { static_cast<void>(SqlHelper::OpenDatabase(*ws, m_dbPath, false, true)); }),
              jet::FileInUse);
}

TEST_F(SqlHelperTest, RecordSetsOfTheGivenTypeAndTablesForSeek) {
    const auto ws = SqlHelper::CreateWorkspace(m_engine, "w", "GK2007PRG", Variant(password), m_workgroup);
    const auto db = SqlHelper::OpenDatabase(*ws, m_dbPath, false, false);
    const auto dynaset = SqlHelper::OpenRecordset(*db, "SELECT * FROM tab_text ORDER BY id_text", 2);
    EXPECT_EQ(dynaset->type(), RecordsetType::Dynaset);
    dynaset->findFirst("id_text = 2");
    EXPECT_EQ(dynaset->field("german"), Variant("Bearbeiten"));
    EXPECT_EQ(SqlHelper::OpenRecordset(*db, "SELECT * FROM tab_text", 4)->type(), RecordsetType::Snapshot);
    for (const std::int32_t bad : {0, 3, 16, -1}) {
        EXPECT_EQ(errorNumber([&] {
                      static_cast<void>(SqlHelper::OpenRecordset(*db, "SELECT * FROM tab_text", bad));
                  }),
                  jet::InvalidArgument)
            << bad;
    }

    const auto table = SqlHelper::OpenTableRecordset(*db, "tab_text");
    EXPECT_EQ(table->type(), RecordsetType::Table);
    table->setIndex("idx_text");
    table->seek("=", {Variant(1)});
    EXPECT_FALSE(table->noMatch());
    EXPECT_EQ(table->field("german"), Variant("Datei"));
    // A stored query is no table.
    EXPECT_EQ(errorNumber([&] { static_cast<void>(SqlHelper::OpenTableRecordset(*db, "texts")); }),
              jet::InvalidOperation);
}
