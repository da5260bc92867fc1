#pragma once

#include "common/CompositionSearchItem.h"
#include "platform/Collection.h"
#include "platform/Variant.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace orvik::common {

/// The conditions of a composition search, one per element, in the order added and keyed by element
/// symbol without regard to case. Filled by the composition grid, read by the composition-search
/// query; the fuzzy search works on a Copy. Items are shared with whoever reads them.
class CompositionSearchItems {
public:
    using ItemPtr = std::shared_ptr<CompositionSearchItem>;

    /// A non-blank SingleValue replaces the range: MinValue and MaxValue are then stored empty.
    /// Fails with 457 (platform::CallError) when the element is already in the set, which then stays
    /// unchanged. Returns the item added.
    ItemPtr Add(std::string_view Element, std::string_view MinValue, std::string_view MaxValue,
                std::string_view SingleValue, std::string_view ToleranceMin, std::string_view ToleranceMax,
                CompositionSearchMethod SearchMethod, std::string_view Order);

    /// By position from 1 or by element symbol; nullptr when there is no such item, never an error.
    [[nodiscard]] ItemPtr item(const platform::Variant& vIndex) const;
    [[nodiscard]] ItemPtr item(std::int32_t position) const;
    [[nodiscard]] ItemPtr item(std::string_view element) const;
    [[nodiscard]] ItemPtr item(const char* element) const { return item(std::string_view(element)); }

    [[nodiscard]] std::int32_t Count() const noexcept { return m_items.count(); }

    /// The items in the order added (the for-each enumeration).
    [[nodiscard]] auto begin() const noexcept { return m_items.begin(); }
    [[nodiscard]] auto end() const noexcept { return m_items.end(); }

    /// A new set with new items equal to these but with empty Order; changing it leaves this set alone.
    [[nodiscard]] std::shared_ptr<CompositionSearchItems> Copy() const;

private:
    platform::Collection<ItemPtr> m_items;
};

} // namespace orvik::common
