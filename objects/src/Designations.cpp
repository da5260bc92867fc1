#include "objects/Designations.h"

#include "Rows.h"

namespace orvik::objects {

std::shared_ptr<objects::Designation> Designations::Add(const platform::db::Recordset& rs, bool front) {
    auto entry = std::make_shared<objects::Designation>();
    entry->Designation_ID = platform::CStr(rs.field("Id_Stahlbez")); // a Null id fails here
    entry->Designation = rows::text(rs, "Bezeichnung");
    add(entry, front);
    return entry;
}

} // namespace orvik::objects
