#pragma once

#include "objects/Footnotes.h"
#include "objects/Properties.h"

#include <cstdint>
#include <memory>
#include <string>

namespace orvik::objects {

/// The property table of one steel under one standard for one kind of property: the header naming
/// standard and kind, the values and the footnotes they point to. Filled once by a builder.
class PropertyBag {
public:
    std::string Matrix;
    std::int32_t PropertyType = 0;
    std::string PropertyTypeName;
    std::int32_t Standard_ID = 0;
    std::string StandardName;
    std::string StandardShortName;
    std::string StandardTitle;
    std::string StandardDate;
    std::string VariantId;
    std::shared_ptr<objects::Properties> Properties = std::make_shared<objects::Properties>();
    std::shared_ptr<objects::Footnotes> Footnotes = std::make_shared<objects::Footnotes>();
};

} // namespace orvik::objects
