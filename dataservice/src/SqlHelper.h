#pragma once

#include "dataservice/Types.h"
#include "platform/db/Dao.h"

#include <string_view>

namespace orvik::dataservice::SqlHelper {

/// Opens `sql` on `db` as a record set of `type`. No trap of its own: a failure of the engine, or a
/// missing database, reaches the calling method's trap as a CallError.
[[nodiscard]] RecordsetPtr OpenRecordset(const DatabasePtr& db, std::string_view sql,
                                         platform::db::RecordsetType type);

/// True when a record set has a current row: not at its beginning and its end both at once.
[[nodiscard]] bool hasRows(const platform::db::Recordset& rs);

} // namespace orvik::dataservice::SqlHelper
