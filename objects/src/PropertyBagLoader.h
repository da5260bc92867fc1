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
/// Never throws. A failure that may pass (no connection, a failed query) goes to `report` once, the
/// data service's with the manager's own values, others with Procedure `procedure` and Modul
/// `modul`; the tables are then incomplete. A matrix that cannot be read is left out and noted in
/// the collection's Unreadable with its header and an error naming the matrix and the steel, for
/// the caller to tell; the other tables still load.
[[nodiscard]] std::shared_ptr<PropertyBags>
loadPropertyBags(const std::shared_ptr<Connection>& connection, std::string_view steel, std::int32_t country,
                 const std::string& xmlFilter, const std::string& modul, const std::string& procedure,
                 const std::function<void(const ErrorPtr&)>& report);

} // namespace orvik::objects
