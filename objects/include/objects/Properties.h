#pragma once

#include "objects/Property.h"
#include "platform/Collection.h"

#include <cstdint>
#include <memory>

namespace orvik::objects {

/// The values of one property bag, keyed "1", "2" ... in the order added; never shrinks.
class Properties {
public:
    /// The value at a position from 1 or under a key; nullptr when there is none (not an error).
    [[nodiscard]] std::shared_ptr<Property> Item(const platform::Variant& index) const;
    [[nodiscard]] std::int32_t Count() const noexcept { return m_items.count(); }
    [[nodiscard]] auto begin() const noexcept { return m_items.begin(); }
    [[nodiscard]] auto end() const noexcept { return m_items.end(); }

    /// Library-internal: appends under the next running number.
    void Add(std::shared_ptr<Property> property);

private:
    platform::Collection<std::shared_ptr<Property>> m_items;
    std::int16_t m_counter = 1;
};

} // namespace orvik::objects
