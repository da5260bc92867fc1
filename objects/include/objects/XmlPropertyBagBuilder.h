#pragma once

#include "common/Enums.h"

#include <memory>
#include <string_view>

namespace platform::db {
class Recordset;
}

namespace orvik::objects {

class PropertyBag;

/// Turns one XML property matrix into a property bag, optionally keeping only the values that
/// meet an XPath predicate over the attributes of a `Wert` element. Holds no state between calls.
class XmlPropertyBagBuilder {
public:
    /// The bag of the matrix, or nullptr when no value is selected (a blank matrix text selects
    /// none). `kindRow` and `standardRow` are positioned on one row each (columns as the property
    /// manager returns them). Throws platform::CallError naming the matrix for a text that is not
    /// well-formed XML or a filter that is no valid predicate; a missing header column throws 3265.
    /// A footnote element lacking its mark or text is left out.
    [[nodiscard]] std::shared_ptr<PropertyBag> CreatePropertyBag(common::Language language,
                                                                 const platform::db::Recordset& kindRow,
                                                                 const platform::db::Recordset& standardRow,
                                                                 std::string_view matrixText,
                                                                 std::string_view filter) const;
};

} // namespace orvik::objects
