#pragma once

#include "common/Enums.h"

#include <memory>

namespace platform::db {
class Recordset;
}

namespace orvik::dataservice {
class PropertyFootnoteManager;
}

namespace orvik::objects {

class Connection;
class PropertyBag;

/// Builds a property bag from rows of the property-value table instead of an XML matrix, with the
/// remarks of each value as footnotes of the bag and references at the value. Traps nothing: a
/// failing query or a missing column throws platform::CallError to the caller.
class DaoPropertyBagBuilder {
public:
    DaoPropertyBagBuilder();
    ~DaoPropertyBagBuilder();
    DaoPropertyBagBuilder(const DaoPropertyBagBuilder&) = delete;
    DaoPropertyBagBuilder& operator=(const DaoPropertyBagBuilder&) = delete;

    /// Keeps the connection for every later call; required before CreatePropertyBag.
    void Initialize(std::shared_ptr<Connection> connection);

    /// The bag of the value rows (from their first row to their end), or nullptr when there are no
    /// rows at all (`valueRows` null). `kindRow` and `standardRow` are read at their current row.
    [[nodiscard]] std::shared_ptr<PropertyBag>
    CreatePropertyBag(common::Language language, const platform::db::Recordset& kindRow,
                      const platform::db::Recordset& standardRow,
                      const std::shared_ptr<platform::db::Recordset>& valueRows);

private:
    std::shared_ptr<Connection> m_connection;
    std::unique_ptr<dataservice::PropertyFootnoteManager> m_footnotes;
};

} // namespace orvik::objects
