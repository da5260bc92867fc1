#pragma once

#include "objects/Footnote.h"
#include "platform/Collection.h"

#include <cstdint>
#include <memory>

namespace orvik::objects {

/// The footnotes of an element or of a property bag, keyed "1", "2" ... in the order added.
/// Item with an unknown position or key throws platform::CallError (9 or 5).
class Footnotes {
public:
    [[nodiscard]] const std::shared_ptr<Footnote>& Item(const platform::Variant& vIndex) const {
        return m_items.item(vIndex);
    }
    [[nodiscard]] std::int32_t Count() const noexcept { return m_items.count(); }
    [[nodiscard]] auto begin() const noexcept { return m_items.begin(); }
    [[nodiscard]] auto end() const noexcept { return m_items.end(); }

    /// Library-internal loader: appends under the next running number.
    void Add(std::shared_ptr<Footnote> footnote);

private:
    platform::Collection<std::shared_ptr<Footnote>> m_items;
    std::int16_t m_counter = 1;
};

} // namespace orvik::objects
