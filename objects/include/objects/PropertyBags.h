#pragma once

#include "common/Exception.h"
#include "objects/PartCollection.h"
#include "objects/PropertyBag.h"
#include "platform/Event.h"

#include <memory>

namespace orvik::objects {

class Connection;

/// The property tables of a steel (or of a property-search hit), keyed "1", "2" ... in the order
/// added. Item with an unknown position or key throws platform::CallError (9 or 5).
class PropertyBags : public PartCollection<PropertyBag> {
public:
    /// Library-internal: keeps the connection for the life of the collection.
    void Init(std::shared_ptr<Connection> connection) { m_connection = std::move(connection); }
    /// Library-internal: appends under the next running number.
    void Add(std::shared_ptr<PropertyBag> bag) { append(std::move(bag)); }

    /// Relays a property-footnote manager's failure; no part of the system gives the collection one.
    platform::Event<const std::shared_ptr<const common::Exception>&> ThrowException;

private:
    std::shared_ptr<Connection> m_connection;
};

} // namespace orvik::objects
