#pragma once

#include "common/Exception.h"
#include "objects/Error.h"
#include "objects/PartCollection.h"
#include "objects/PropertyBag.h"
#include "platform/Event.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace orvik::objects {

class Connection;

/// A table left out because its matrix could not be read: its header (standard and kind, no
/// values), the report of the failure, and how many tables were read before it, so that the data
/// sheet can say so in its place.
struct UnreadableTable {
    std::shared_ptr<const PropertyBag> header;
    ErrorPtr error;
    std::int32_t position = 0;
};

/// The property tables of a steel (or of a property-search hit), keyed "1", "2" ... in the order
/// added. Item with an unknown position or key throws platform::CallError (9 or 5).
class PropertyBags : public PartCollection<PropertyBag> {
public:
    /// Library-internal: keeps the connection for the life of the collection.
    void Init(std::shared_ptr<Connection> connection) { m_connection = std::move(connection); }
    /// Library-internal: appends under the next running number.
    void Add(std::shared_ptr<PropertyBag> bag) { append(std::move(bag)); }
    /// Library-internal: notes a table whose matrix could not be read, after the tables added so far.
    void AddUnreadable(std::shared_ptr<const PropertyBag> header, ErrorPtr error) {
        m_unreadable.push_back({std::move(header), std::move(error), Count()});
    }
    /// The tables left out because their matrices could not be read, in the order met.
    [[nodiscard]] const std::vector<UnreadableTable>& Unreadable() const noexcept { return m_unreadable; }
    /// Library-internal: notes the failure that ended the reading; the tables read before it stay.
    void setFailure(ErrorPtr failure) { m_failure = std::move(failure); }
    /// The failure that ended the reading, as it was reported; nullptr when every table was read or
    /// noted unreadable. The tables are then incomplete, and which of them lack is not known.
    [[nodiscard]] const ErrorPtr& Failure() const noexcept { return m_failure; }

    /// Relays a property-footnote manager's failure; no part of the system gives the collection one.
    platform::Event<const std::shared_ptr<const common::Exception>&> ThrowException;

private:
    std::shared_ptr<Connection> m_connection;
    std::vector<UnreadableTable> m_unreadable;
    ErrorPtr m_failure;
};

} // namespace orvik::objects
