#include "ServiceTestSupport.h"

#include "platform/db/sqlite/Connection.h"
#include "platform/db/sqlite/Error.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace servicetest {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void buildDatabase(const std::string& path, const std::vector<std::string>& scripts) {
    try {
        platform::db::sqlite::Connection connection(path, platform::db::sqlite::OpenMode::Create,
                                                    platform::db::sqlite::Extensions::Jet);
        for (const auto& script : scripts) {
            connection.exec(script);
        }
    } catch (const platform::db::sqlite::Error& e) {
        throw std::runtime_error("building " + path + ": " + e.message());
    }
}

std::vector<std::string> fixtureScripts() {
    const std::filesystem::path schema = GK_SCHEMA_DIR;
    return {readFile(schema / "graukant.sql"), readFile(GK_FIXTURE_SQL),
            readFile(schema / "graukant-derive.sql")};
}

std::vector<std::string> filterScripts(const std::string& materialsPath) {
    const std::filesystem::path schema = GK_SCHEMA_DIR;
    std::string attach = "ATTACH DATABASE '";
    for (const char c : materialsPath) {
        attach += c;
        if (c == '\'') {
            attach += c;
        }
    }
    attach += "' AS graukant;";
    return {attach, readFile(schema / "filter.sql"), readFile(schema / "filter-derive.sql"),
            "DETACH DATABASE graukant;"};
}

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
    const auto path = s_dir->file("Graukant.MDB");
    buildDatabase(path, fixtureScripts());
    const auto filterPath = s_dir->file("Filter.mdb");
    buildDatabase(filterPath, filterScripts(path));
    s_opener = std::make_unique<Opener>();
    s_db = s_opener->open(path);
    s_filterDb = s_opener->open(filterPath);
}

void FixtureTest::TearDownTestSuite() {
    s_filterDb.reset();
    s_db.reset();
    s_opener.reset();
    s_dir.reset();
}

} // namespace servicetest
