#include "ServiceTestSupport.h"

#include "test_support/FixtureDatabases.h"

namespace servicetest {

DatabasePtr Opener::open(const std::string& path) {
    if (!m_workspace) {
        m_workspace = m_engine.createWorkspace("Test", "Admin", "");
    }
    return m_workspace->openDatabase(path, false, true);
}

EventLog::EventLog(orvik::dataservice::Manager& manager)
    : m_subscription(
          manager.ManagerException.subscribe([this](const ExceptionPtr& ex) { m_events.push_back(ex); })) {}

std::vector<std::int64_t> integers(const RecordsetPtr& rs, const std::string& column) {
    std::vector<std::int64_t> values;
    for (; !rs->eof(); rs->moveNext()) {
        const auto value = rs->field(column);
        values.push_back(value.isNull() ? -1 : value.asInteger());
    }
    return values;
}

std::vector<std::string> texts(const RecordsetPtr& rs, const std::string& column) {
    std::vector<std::string> values;
    for (; !rs->eof(); rs->moveNext()) {
        const auto value = rs->field(column);
        values.push_back(value.isNull() ? "<null>" : value.asText());
    }
    return values;
}

std::vector<std::string> columnNames(const RecordsetPtr& rs) {
    std::vector<std::string> names;
    for (std::int32_t i = 0; i < rs->fieldCount(); ++i) {
        names.push_back(rs->fieldName(i));
    }
    return names;
}

void FixtureTest::SetUpTestSuite() {
    s_dir = std::make_unique<TempFolder>();
    const auto pair = test_support::buildFixtureDatabases(s_dir->path());
    s_opener = std::make_unique<Opener>();
    s_db = s_opener->open(pair.main.string());
    s_filterDb = s_opener->open(pair.filter.string());
}

void FixtureTest::TearDownTestSuite() {
    s_filterDb.reset();
    s_db.reset();
    s_opener.reset();
    s_dir.reset();
}

} // namespace servicetest
