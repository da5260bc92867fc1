#include "objects/ProductShapes.h"

#include "Rows.h"

namespace orvik::objects {

std::shared_ptr<ProductShape> ProductShapes::Add(const platform::db::Recordset& rs,
                                                 platform::db::Recordset& suppliers) {
    auto entry = std::make_shared<ProductShape>();
    entry->ShapeID = rows::number(rs, "ID_Lieferform");
    entry->Shape = rows::text(rs, "Lieferform");
    append(entry);
    if (rows::hasRows(&suppliers)) {
        for (; !suppliers.eof(); suppliers.moveNext()) {
            entry->Suppliers->Add(suppliers, nullptr);
        }
    }
    return entry;
}

} // namespace orvik::objects
