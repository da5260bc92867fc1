#include "common/SqlHelper.h"

#include "common/Helper.h"
#include "platform/db/JetErrors.h"

namespace orvik::common {
namespace {

std::string passwordText(const platform::Variant& password) {
    switch (password.type()) {
    case platform::Variant::Type::Empty:
    case platform::Variant::Type::Null:
        return {};
    case platform::Variant::Type::Text:
        return password.asText(); // as given: blanks belong to a password
    default:
        return Helper::CVarStr(password); // as the engine took any other value: its text
    }
}

} // namespace

std::shared_ptr<platform::db::Workspace> SqlHelper::CreateWorkspace(platform::db::DBEngine& engine,
                                                                    const std::string& workspaceName,
                                                                    const std::string& userName,
                                                                    const platform::Variant& password,
                                                                    const std::string& workgroupFile) {
    if (!workgroupFile.empty()) {
        engine.setSystemDB(workgroupFile);
    }
    return engine.createWorkspace(workspaceName, userName, passwordText(password));
}

std::shared_ptr<platform::db::Database> SqlHelper::OpenDatabase(platform::db::Workspace& workspace,
                                                                const std::string& path, bool exclusive,
                                                                bool readOnly) {
    return workspace.openDatabase(path, exclusive, readOnly);
}

std::shared_ptr<platform::db::Recordset> SqlHelper::OpenRecordset(platform::db::Database& db,
                                                                  std::string_view sql, std::int32_t type) {
    using platform::db::RecordsetType;
    switch (type) {
    case static_cast<std::int32_t>(RecordsetType::Table):
    case static_cast<std::int32_t>(RecordsetType::Dynaset):
    case static_cast<std::int32_t>(RecordsetType::Snapshot):
    case static_cast<std::int32_t>(RecordsetType::ForwardOnly):
        return db.openRecordset(sql, static_cast<RecordsetType>(type));
    default:
        throw platform::db::jet::makeError(platform::db::jet::InvalidArgument, "DAO.Database");
    }
}

std::shared_ptr<platform::db::Recordset> SqlHelper::OpenTableRecordset(platform::db::Database& db,
                                                                       std::string_view tableName) {
    return db.openRecordset(tableName, platform::db::RecordsetType::Table);
}

} // namespace orvik::common
