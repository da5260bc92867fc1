#include "PrintTestSupport.h"

#include "test_support/FixtureDatabases.h"

#include <filesystem>

namespace propstest {

std::string fixture(const std::string& name) {
    return readBytes(std::filesystem::path(GK_OBJECTS_FIXTURE_DIR) / name);
}

ScratchDatabase::ScratchDatabase(const std::string& script) {
    const auto path = m_dir.file("scratch.mdb");
    test_support::buildScratchDatabase(path, {script});
    m_db = m_opener.open(path);
}

servicetest::RecordsetPtr ScratchDatabase::rows(const std::string& select) {
    return m_db->openRecordset(select, platform::db::RecordsetType::Snapshot);
}

} // namespace propstest
