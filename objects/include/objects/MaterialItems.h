#pragma once

#include "objects/MaterialItem.h"
#include "platform/Collection.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace orvik::objects {

/// The hits of a property search, keyed by designation occurrence so that each is held once, in
/// the order found.
class MaterialItems {
public:
    /// The hit at a position from 1 or under its designation occurrence; nullptr when there is none.
    [[nodiscard]] std::shared_ptr<MaterialItem> Item(const platform::Variant& index) const;
    [[nodiscard]] std::int32_t Count() const noexcept { return m_items.count(); }
    [[nodiscard]] auto begin() const noexcept { return m_items.begin(); }
    [[nodiscard]] auto end() const noexcept { return m_items.end(); }

    /// Library-internal: adds the hit under its IdDesigCountry unless that key is present already.
    void Add(std::shared_ptr<MaterialItem> item);
    [[nodiscard]] bool Exists(std::string_view key) const { return m_items.find(key) != nullptr; }

private:
    platform::Collection<std::shared_ptr<MaterialItem>> m_items;
};

} // namespace orvik::objects
