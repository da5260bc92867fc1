#pragma once

#include "objects/CombinationResultItem.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace orvik::objects {

/// The combined search result: items in the order of the driving result, and a cursor that is -1
/// when no item is current and 1 .. Count otherwise. Moves that would leave the list do nothing.
class CombinationResultList {
public:
    void Clear();
    [[nodiscard]] std::int32_t Count() const noexcept { return static_cast<std::int32_t>(m_items.size()); }
    /// Appends; nothing happens for no item.
    void add(std::shared_ptr<CombinationResultItem> item);
    /// The item at the cursor, or nullptr.
    [[nodiscard]] std::shared_ptr<CombinationResultItem> Current() const;
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    void Move(std::int32_t position);
    [[nodiscard]] std::int32_t position() const noexcept { return m_cursor; }

private:
    std::vector<std::shared_ptr<CombinationResultItem>> m_items;
    std::int32_t m_cursor = -1;
};

} // namespace orvik::objects
