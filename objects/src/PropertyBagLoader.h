#pragma once

#include "objects/Error.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace orvik::objects {

class Connection;
class PropertyBags;

/// Loads the property tables of a steel in a country from its XML property matrices: one bag per
/// standard and kind that keeps at least one value meeting `xmlFilter` (every value when blank).
/// Never throws: every failure goes to `report` (Procedure `procedure`, Modul `modul`); a matrix
/// that cannot be read is reported once with its name and the steel, and the other tables still
/// load. A data-service failure is handed on with the manager's own values.
[[nodiscard]] std::shared_ptr<PropertyBags>
loadPropertyBags(const std::shared_ptr<Connection>& connection, std::string_view steel, std::int32_t country,
                 const std::string& xmlFilter, const std::string& modul, const std::string& procedure,
                 const std::function<void(const ErrorPtr&)>& report);

} // namespace orvik::objects
