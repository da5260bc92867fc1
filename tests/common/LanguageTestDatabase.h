#pragma once

#include "common/ProgramAccount.h"
#include "datatools/DatabaseBuilder.h"
#include "platform/db/Dao.h"
#include "platform/db/WorkgroupFile.h"
#include "test_support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace orvik::common::test {

/// A temporary Daten folder with a Language.mdb built from the real schema and the given rows, and a
/// workgroup file with the program's account; removed again on destruction.
class LanguageTestDatabase {
public:
    explicit LanguageTestDatabase(const std::string& rowsSql) {
        const std::filesystem::path rows = m_folder.path() / "rows.sql";
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
    LanguageTestDatabase(const LanguageTestDatabase&) = delete;
    LanguageTestDatabase& operator=(const LanguageTestDatabase&) = delete;

    [[nodiscard]] std::string folder() const { return m_folder.file(""); }
    [[nodiscard]] std::string file() const { return m_folder.file("Language.mdb"); }
    [[nodiscard]] std::string workgroupFile() const { return m_folder.file("GK2007.LG"); }
    [[nodiscard]] const platform::db::DBEngine& engine() const { return m_engine; }

private:
    test_support::TempFolder m_folder;
    platform::db::DBEngine m_engine;
};

} // namespace orvik::common::test
