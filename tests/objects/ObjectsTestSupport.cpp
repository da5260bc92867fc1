#include "ObjectsTestSupport.h"

#include <cstdlib>
#include <filesystem>

namespace objectstest {

std::string fixture(const std::string& name) {
    return readFile(std::filesystem::path(GK_OBJECTS_FIXTURE_DIR) / name);
}

ScratchDatabase::ScratchDatabase(const std::string& script) {
    const auto path = m_dir.file("scratch.mdb");
    servicetest::buildDatabase(path, {script});
    m_db = m_opener.open(path);
}

servicetest::RecordsetPtr ScratchDatabase::rows(const std::string& select) {
    return m_db->openRecordset(select, platform::db::RecordsetType::Snapshot);
}

ScopedEnv::ScopedEnv(std::string name, const std::string& value) : m_name(std::move(name)) {
    if (const char* old = std::getenv(m_name.c_str())) {
        m_old = old;
    }
    setenv(m_name.c_str(), value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
    if (m_old) {
        setenv(m_name.c_str(), m_old->c_str(), 1);
    } else {
        unsetenv(m_name.c_str());
    }
}

} // namespace objectstest
