#pragma once

#include "objects/PartCollection.h"
#include "objects/Suppliers.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform::db {
class Recordset;
} // namespace platform::db

namespace orvik::objects {

/// A product shape in which suppliers deliver the steel, with those suppliers.
struct ProductShape {
    std::int32_t ShapeID = 0;
    std::string Shape;
    std::shared_ptr<objects::Suppliers> Suppliers = std::make_shared<objects::Suppliers>();
};

/// The product shapes of a steel. Item fails for what is not there.
class ProductShapes : public PartCollection<ProductShape> {
public:
    /// Appends the shape of the current row (`ID_Lieferform`, `Lieferform`) with one supplier per
    /// remaining row of `suppliers`, which is left at its end. Throws for a missing column.
    std::shared_ptr<ProductShape> Add(const platform::db::Recordset& rs, platform::db::Recordset& suppliers);
};

} // namespace orvik::objects
