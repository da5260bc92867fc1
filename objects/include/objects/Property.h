#pragma once

#include "objects/References.h"
#include "platform/Variant.h"

#include <cstdint>
#include <memory>
#include <string>

namespace orvik::objects {

/// One property value of a property table with the conditions it holds under. A record of public
/// values filled once by a property-bag builder. The Variant members are Empty when the source gave
/// no value, Null when it gave a blank one, else a number.
class Property {
public:
    std::int32_t propertyId = 0;
    std::string Name;
    std::string Status;
    std::string FORM;
    platform::Variant StatusTemp_min;
    platform::Variant StatusTemp_max;
    platform::Variant Metrics_min;
    platform::Variant Metrics_max;
    platform::Variant Value_min;
    platform::Variant Value_max;
    std::string unit;
    std::string Specimen;
    platform::Variant Temp_min;
    platform::Variant Temp_max;
    platform::Variant Duration_min;
    platform::Variant Duration_max;
    std::string DurationUnit;
    std::string Cooling;
    platform::Variant Formula_Sign;
    std::string Classification;
    /// The footnote marks written at the value, one per line (CR LF between them).
    std::string Footnote_Symbol;
    /// The footnotes of this value in its bag (filled by the builder from rows only).
    std::shared_ptr<References> FootnoteReferences = std::make_shared<References>();
};

} // namespace orvik::objects
