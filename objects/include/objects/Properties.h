#pragma once

#include "objects/PartCollection.h"
#include "objects/Property.h"

#include <memory>

namespace orvik::objects {

/// The values of one property bag, keyed "1", "2" ... in the order added; never shrinks. Item of a
/// position or key that is not there gives nullptr, not an error.
class Properties : public PartCollection<Property, MissingItem::GivesNothing> {
public:
    /// Library-internal: appends under the next running number.
    void Add(std::shared_ptr<Property> property) { append(std::move(property)); }
};

} // namespace orvik::objects
