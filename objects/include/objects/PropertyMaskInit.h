#pragma once

#include "objects/Error.h"
#include "platform/Dictionary.h"
#include "platform/Event.h"

#include <cstdint>
#include <memory>
#include <string>

namespace orvik::objects {

class Connection;
class PropertySearchFields;

/// What the property-search panel needs to build its criteria grid: the column layout, the pick
/// lists of each kind of criterion with their search ids, and the per-property unit and tendency
/// look-ups, each asked of the data service on the connection's main database. Made by the
/// application and bound by Init. Data-service failures and its own are raised as Error; the
/// operation then answers its empty value. An unbound instance reports 91 and touches nothing.
class PropertyMaskInit {
public:
    using SearchItems = platform::Dictionary<std::string>;

    /// The grid layout, loaded on the first read after Init and the same object afterwards.
    [[nodiscard]] std::shared_ptr<objects::PropertySearchFields> PropertySearchFields();
    /// The drop-down items of one kind ("Eigenschaft", "Zustand", "Abkuehlung", "Dauer", "Form",
    /// "Probenlage", "Klassifizierung", compared exactly): key the item's id as text, value its
    /// text. Empty for another kind.
    [[nodiscard]] std::shared_ptr<SearchItems> GetSearchItems(const std::string& sTable);
    /// The search id of item `id` of the kind; 0 for another kind.
    [[nodiscard]] std::int32_t GetSearchId(const std::string& table, std::int32_t id);
    [[nodiscard]] std::string GetPropteryUnitByID(std::int32_t idProperty);
    [[nodiscard]] std::int32_t GetTemperatureTendencyByID(std::int32_t idProperty);
    [[nodiscard]] std::int32_t GetDRMTendencyByID(std::int32_t idProperty);
    /// The last error this object raised; nullptr before the first.
    [[nodiscard]] const ErrorPtr& LastError() const noexcept { return m_lastError; }

    /// Library-internal: binds the mask to the open connection; the next layout read loads afresh.
    void Init(std::shared_ptr<Connection> connection);

    platform::Event<const ErrorPtr&> Error;

private:
    void raise(const ErrorPtr& error);
    /// True with an open connection; false after reporting 91 for `procedure`.
    [[nodiscard]] bool bound(const char* procedure);

    std::shared_ptr<Connection> m_connection;
    bool m_loaded = false;
    std::shared_ptr<objects::PropertySearchFields> m_fields;
    ErrorPtr m_lastError;
};

} // namespace orvik::objects
