#pragma once

namespace platform::db {
class Recordset;
}

namespace orvik::objects {

class PropertyBag;

/// Fills a bag's header from the current rows of the kind list and of the steel's property
/// standards; both builders share it. `withShortName` also takes `NameKurz` (the XML builder).
/// A missing column throws platform::CallError (3265).
void fillPropertyBagHeader(PropertyBag& bag, const platform::db::Recordset& kindRow,
                           const platform::db::Recordset& standardRow, bool withShortName);

} // namespace orvik::objects
