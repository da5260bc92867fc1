#include "SqlHelper.h"

#include "platform/CallError.h"

namespace orvik::dataservice::SqlHelper {

using platform::err::ObjectNotSet;

RecordsetPtr OpenRecordset(const DatabasePtr& db, std::string_view sql, platform::db::RecordsetType type) {
    if (!db) {
        throw platform::CallError(ObjectNotSet, "OrvikServiceVers5", "No open database was given");
    }
    auto rs = db->openRecordset(sql, type);
    if (!rs) {
        throw platform::CallError(ObjectNotSet, "OrvikServiceVers5", "The database returned no record set");
    }
    return rs;
}

bool hasRows(const platform::db::Recordset& rs) {
    return !(rs.bof() && rs.eof());
}

} // namespace orvik::dataservice::SqlHelper
