#pragma once

#include "common/PropertySearchItem.h"
#include "platform/Collection.h"
#include "platform/Variant.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace orvik::common {

/// A set of property-search conditions in the order added. Each item is keyed by the decimal text of
/// a running counter (1 for the first, 2 for the second, ...), which never decreases.
class PropertySearchItems {
public:
    using ItemPtr = std::shared_ptr<PropertySearchItem>;

    void Add(std::string_view Fieldname, bool IsSelection, std::int32_t SelectedId, std::string_view MinValue,
             std::string_view MaxValue);

    /// By position from 1, or by key (the counter's text); nullptr when there is no such item.
    [[nodiscard]] ItemPtr item(const platform::Variant& vIndex) const;
    [[nodiscard]] ItemPtr item(std::int32_t position) const { return item(platform::Variant(position)); }
    [[nodiscard]] ItemPtr item(const char* key) const { return item(platform::Variant(key)); }

    [[nodiscard]] std::int32_t Count() const noexcept { return m_items.count(); }

    [[nodiscard]] auto begin() const noexcept { return m_items.begin(); }
    [[nodiscard]] auto end() const noexcept { return m_items.end(); }

private:
    platform::Collection<ItemPtr> m_items;
    std::int32_t m_counter = 0;
};

} // namespace orvik::common
