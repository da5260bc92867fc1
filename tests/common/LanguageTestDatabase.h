#pragma once

#include "common/ProgramAccount.h"
#include "datatools/DatabaseBuilder.h"
#include "platform/db/Dao.h"
#include "platform/db/WorkgroupFile.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace orvik::common::test {

/// A temporary Daten folder with a Language.mdb built from the real schema and the given rows, and a
/// workgroup file with the program's account; removed again on destruction.
class LanguageTestDatabase {
public:
    explicit LanguageTestDatabase(const std::string& rowsSql) {
        static std::atomic<int> counter{0};
        m_folder = std::filesystem::temp_directory_path() /
                   ("gk-language-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(m_folder);
        const std::filesystem::path rows = m_folder / "rows.sql";
        std::ofstream(rows) << rowsSql;
        datatools::DatabaseBuilder builder(file());
        builder.addScript(GK_LANGUAGE_SCHEMA_SQL);
        builder.addScript(rows);
        builder.build();
        std::filesystem::remove(rows);
        platform::db::WorkgroupFile::write(workgroupFile(),
                                           {{std::string(ProgramUser), std::string(ProgramPassword)}}, 1);
        m_engine.setSystemDB(workgroupFile());
    }
    ~LanguageTestDatabase() {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    LanguageTestDatabase(const LanguageTestDatabase&) = delete;
    LanguageTestDatabase& operator=(const LanguageTestDatabase&) = delete;

    [[nodiscard]] std::string folder() const { return m_folder.string() + "/"; }
    [[nodiscard]] std::string file() const { return (m_folder / "Language.mdb").string(); }
    [[nodiscard]] std::string workgroupFile() const { return (m_folder / "GK2007.LG").string(); }
    [[nodiscard]] const platform::db::DBEngine& engine() const { return m_engine; }

private:
    std::filesystem::path m_folder;
    platform::db::DBEngine m_engine;
};

} // namespace orvik::common::test
