#pragma once

// Record sets made for one case: a Jet SELECT of literal values, one row per SELECT joined by
// UNION ALL, run on a database of its own.

#include "platform/db/Dao.h"

#include <memory>
#include <string>
#include <vector>

namespace objectstest {

class LiteralRows {
public:
    LiteralRows();
    /// Each entry is the column list of one row, e.g. "1 AS Id_Stahlbez, 'X5CrNi18-10' AS Bezeichnung";
    /// no entry gives an empty record set with the columns of `emptyColumns`. A snapshot, on its
    /// first row.
    [[nodiscard]] std::shared_ptr<platform::db::Recordset> rows(const std::vector<std::string>& selects,
                                                                const std::string& emptyColumns = "") const;

private:
    std::shared_ptr<platform::db::Database> m_db;
};

} // namespace objectstest
