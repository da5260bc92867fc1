#pragma once

// The fixture materials and filter databases opened as the program opens them, and small readers of
// the record sets the managers return.

#include "common/Exception.h"
#include "dataservice/Manager.h"
#include "platform/Event.h"
#include "platform/Variant.h"
#include "platform/db/Dao.h"
#include "test_support/TempFolder.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace servicetest {

using orvik::dataservice::DatabasePtr;
using orvik::dataservice::ExceptionPtr;
using orvik::dataservice::RecordsetPtr;

using test_support::TempFolder;

/// Opens database files read-only, as the program does.
class Opener {
public:
    [[nodiscard]] DatabasePtr open(const std::string& path);

private:
    platform::db::DBEngine m_engine;
    std::shared_ptr<platform::db::Workspace> m_workspace;
};

/// Every ManagerException a manager raises while the log lives.
class EventLog {
public:
    explicit EventLog(orvik::dataservice::Manager& manager);
    [[nodiscard]] const std::vector<ExceptionPtr>& events() const { return m_events; }
    [[nodiscard]] std::size_t count() const { return m_events.size(); }

private:
    std::vector<ExceptionPtr> m_events;
    platform::Subscription m_subscription;
};

/// The values of one column over the remaining rows, read as whole numbers (null as -1).
[[nodiscard]] std::vector<std::int64_t> integers(const RecordsetPtr& rs, const std::string& column);
/// The values of one column over the remaining rows, as text (null as "<null>").
[[nodiscard]] std::vector<std::string> texts(const RecordsetPtr& rs, const std::string& column);
/// The column names of the record set.
[[nodiscard]] std::vector<std::string> columnNames(const RecordsetPtr& rs);

/// A test on the fixture database, built once for the test process.
class FixtureTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    [[nodiscard]] static const DatabasePtr& db() { return s_db; }
    /// The filter database made from it, on which the material list and the standards list run.
    [[nodiscard]] static const DatabasePtr& filterDb() { return s_filterDb; }

private:
    static inline std::unique_ptr<TempFolder> s_dir;
    static inline std::unique_ptr<Opener> s_opener;
    static inline DatabasePtr s_db;
    static inline DatabasePtr s_filterDb;
};

} // namespace servicetest
