#pragma once

#include "common/Enums.h"

#include <cstdint>

namespace orvik::objects {

/// The kinds of property tables; the same numbers as the common library's PropertyTypes.
enum class PropertiesEnum : std::int32_t {
    eMechanischeEigenschaften = static_cast<std::int32_t>(common::PropertyTypes::Mechanical),
    ePhysikalischeEigenschaften = static_cast<std::int32_t>(common::PropertyTypes::Physical),
    eWaermebehandlung = static_cast<std::int32_t>(common::PropertyTypes::HeatTreatment),
    eBemerkung = static_cast<std::int32_t>(common::PropertyTypes::Notes),
    eSchweissen = static_cast<std::int32_t>(common::PropertyTypes::Welding),
};

} // namespace orvik::objects
