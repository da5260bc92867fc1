#pragma once

#include "platform/Collection.h"
#include "platform/Variant.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace orvik::objects {

/// What Item answers for a position out of range or an unknown key.
enum class MissingItem {
    Fails,       ///< throws platform::CallError (9 position, 5 key, 13 neither number nor text)
    GivesNothing ///< nullptr
};

/// The read-only collection design every part of a steel shares: records in the order built, each
/// under the key that is the decimal text of a running counter from 1 ("1", "2" ...), reached by
/// position from 1 or by that key and walked with a range for. Only the object model fills one.
/// Entries put at the front keep their own order among themselves (the first one put there stays
/// first), so the selected designation's rows lead in query order.
template <class T, MissingItem Missing = MissingItem::Fails> class PartCollection {
public:
    using Entry = std::shared_ptr<T>;

    /// A number is a position from 1, a text a key.
    [[nodiscard]] Entry Item(const platform::Variant& vIndex) const {
        if constexpr (Missing == MissingItem::GivesNothing) {
            const auto* found = m_entries.find(vIndex);
            return found != nullptr ? *found : nullptr;
        } else {
            return m_entries.item(vIndex);
        }
    }
    [[nodiscard]] Entry Item(std::int32_t position) const { return Item(platform::Variant(position)); }
    [[nodiscard]] Entry Item(std::string_view key) const { return Item(platform::Variant(key)); }
    [[nodiscard]] Entry Item(const char* key) const { return Item(platform::Variant(key)); }
    [[nodiscard]] std::int32_t Count() const noexcept { return m_entries.count(); }
    [[nodiscard]] auto begin() const noexcept { return m_entries.begin(); }
    [[nodiscard]] auto end() const noexcept { return m_entries.end(); }

    // Filling, for the object model's own loaders.

    /// At the end, under the next counter key.
    void append(Entry entry) { m_entries.add(std::move(entry), nextKey()); }
    /// After the entries put at the front before it, under the next counter key.
    void putFront(Entry entry) {
        m_entries.addBefore(m_front + 1, std::move(entry), nextKey());
        ++m_front;
    }
    /// putFront when `front` is set, else append.
    void add(Entry entry, bool front) {
        if (front) {
            putFront(std::move(entry));
        } else {
            append(std::move(entry));
        }
    }
    /// At the end under a key of its own; the counter stays. Throws 457 for a key already present.
    void appendUnder(Entry entry, std::string_view key) { m_entries.add(std::move(entry), key); }

private:
    [[nodiscard]] std::string nextKey() { return std::to_string(m_counter++); }

    platform::Collection<Entry> m_entries;
    std::int32_t m_counter = 1;
    std::int32_t m_front = 0;
};

} // namespace orvik::objects
