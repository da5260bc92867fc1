#pragma once

#include "objects/Error.h"
#include "platform/Event.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orvik::objects {

class Connection;
class MaterialItems;
class PropertyBags;

/// Finds the steels whose property values meet every one of a set of conditions, and gives for one
/// hit the property tables reduced to the values that meet them. The user interface builds the
/// conditions: each as an SQL condition over the columns of `tabEigenschaftswerte` (addFilter) and
/// as an XPath predicate over the attributes of a `Wert` of the property matrix (AddXmlFilter); this
/// class only combines them. Made by the application, bound to its connection by Init.
class PropertySearch {
public:
    /// Appends an SQL condition; every "@" in it is dropped when it is used.
    void addFilter(std::string filter) { m_sqlFilters.push_back(std::move(filter)); }
    /// Appends an XPath predicate over the attributes of a `Wert` element.
    void AddXmlFilter(std::string filter) { m_xmlFilters.push_back(std::move(filter)); }

    /// One hit per designation occurrence whose value matrix meets every SQL condition, each
    /// possibly through another value; `country` 0 for all countries. Without a condition there
    /// is no hit; an unbound search reports 91 and has none. Never throws: a failing query or a
    /// malformed condition raises Error once and gives no hit.
    [[nodiscard]] std::shared_ptr<objects::MaterialItems> MaterialItems(std::int32_t country);
    /// The property tables of the steel in the country, each with the values that meet any XML
    /// condition (all values without one). Never throws: every failure raises Error, a matrix
    /// that cannot be read once with its name and the steel, and the other tables still load.
    [[nodiscard]] std::shared_ptr<objects::PropertyBags> PropertyBags(std::string_view steel,
                                                                      std::int32_t country);

    /// Library-internal: binds the search to the open connection.
    void Init(std::shared_ptr<Connection> connection) { m_connection = std::move(connection); }

    platform::Event<const ErrorPtr&> Error;

private:
    std::shared_ptr<Connection> m_connection;
    std::vector<std::string> m_sqlFilters;
    std::vector<std::string> m_xmlFilters;
};

} // namespace orvik::objects
