#include "objects/Standards.h"

#include "Rows.h"

namespace orvik::objects {

std::shared_ptr<objects::Standard> Standards::Add(const platform::db::Recordset& rs,
                                                  platform::db::Recordset* details) {
    auto entry = std::make_shared<objects::Standard>();
    entry->Standard_ID = rows::number(rs, "ID_Norm");
    entry->Standard = rows::text(rs, "Name");
    entry->StandardType = rows::text(rs, "Normtyp");
    entry->StandardDate = rows::text(rs, "Stand");
    entry->StandardTitle = rows::text(rs, "Titel");
    if (rows::hasRows(details)) {
        details->moveFirst();
        entry->StandardReplaces = rows::text(*details, "Vorgaengerdokument");
        entry->StandardReplacedBy = rows::text(*details, "Nachfolgedokument");
        entry->StandardIntConformity = rows::text(*details, "Uebereinstimmung");
    }
    append(entry);
    return entry;
}

} // namespace orvik::objects
