#include "RecordsTestSupport.h"

namespace objectstest {

LiteralRows::LiteralRows() {
    const platform::db::DBEngine engine;
    m_db = engine.createWorkspace("Rows", "Admin", "")->openDatabase(GK_SAMPLE_GRAUKANT_MDB, false, true);
}

std::shared_ptr<platform::db::Recordset> LiteralRows::rows(const std::vector<std::string>& selects,
                                                           const std::string& emptyColumns) const {
    // tabLand row 32 is the one row every SELECT reads its literals from.
    std::string sql;
    if (selects.empty()) {
        sql = "SELECT " + emptyColumns + " FROM tabLand WHERE ID_Land = -1";
    }
    for (const auto& select : selects) {
        sql += (sql.empty() ? "" : " UNION ALL ") + std::string("SELECT ") + select +
               " FROM tabLand WHERE ID_Land = 32";
    }
    return m_db->openRecordset(sql, platform::db::RecordsetType::Snapshot);
}

} // namespace objectstest
