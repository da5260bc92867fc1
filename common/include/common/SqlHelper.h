#pragma once

#include "platform/Variant.h"
#include "platform/db/Dao.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace orvik::common {

/// The database helpers of the text service and its editor: a workspace under a workgroup user, a
/// database opened in it, record sets from SQL or from a table. Stateless; the engine is passed in
/// (the program holds one). None of them traps a failure: the engine's CallError (3029 bad account,
/// 3024 missing file, 3045 file in use, 3078 unknown table ...) reaches the caller.
class SqlHelper {
public:
    /// When `workgroupFile` is not empty it first becomes the engine's workgroup file (SystemDB);
    /// an empty one leaves the engine's as it was. A Null or Empty password is the empty password.
    [[nodiscard]] static std::shared_ptr<platform::db::Workspace>
    CreateWorkspace(platform::db::DBEngine& engine, const std::string& workspaceName,
                    const std::string& userName, const platform::Variant& password,
                    const std::string& workgroupFile);

    /// Opens the file in the workspace with the given options and no connection string.
    [[nodiscard]] static std::shared_ptr<platform::db::Database>
    OpenDatabase(platform::db::Workspace& workspace, const std::string& path, bool exclusive, bool readOnly);

    /// `type` is the engine's record-set type: 1 table, 2 dynaset, 4 snapshot, 8 forward-only; any
    /// other value fails with 3001.
    [[nodiscard]] static std::shared_ptr<platform::db::Recordset>
    OpenRecordset(platform::db::Database& db, std::string_view sql, std::int32_t type);

    /// The table as a table-type record set (Index and Seek); a stored query fails with 3219.
    [[nodiscard]] static std::shared_ptr<platform::db::Recordset>
    OpenTableRecordset(platform::db::Database& db, std::string_view tableName);
};

} // namespace orvik::common
