#pragma once

#include "platform/CallError.h"
#include "platform/TextCase.h"
#include "platform/Variant.h"
#include "platform/VbConvert.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace platform {

/// The runtime's keyed collection: items in the order added, each with an optional text key;
/// reached by position from 1 or by key, keys compared without regard to case. A duplicate key
/// fails with 457, a position out of range with 9, an unknown key with 5. find() answers nullptr
/// instead, for callers that trap every failure.
template <typename T> class Collection {
public:
    void add(T item) {
        m_items.push_back(std::move(item));
        m_keys.emplace_back();
    }
    void add(T item, std::string_view key) {
        auto folded = foldCase(key);
        if (m_index.contains(folded)) {
            throw CallError(err::KeyAlreadyExists, "Collection",
                            "This key is already associated with an element of this collection");
        }
        m_index.emplace(folded, m_items.size());
        m_items.push_back(std::move(item));
        m_keys.emplace_back(std::move(folded));
    }

    /// Puts the item before the one at `before` (a position from 1, as the runtime's Add with
    /// Before:=); `before` one past the last adds it at the end, so an empty collection takes it
    /// before 1. Any other position fails with 9.
    void addBefore(std::int32_t before, T item, std::string_view key) {
        if (before < 1 || before > count() + 1) {
            throw err::error(err::SubscriptOutOfRange, "Collection");
        }
        auto folded = foldCase(key);
        if (m_index.contains(folded)) {
            throw CallError(err::KeyAlreadyExists, "Collection",
                            "This key is already associated with an element of this collection");
        }
        const auto at = static_cast<std::ptrdiff_t>(before - 1);
        m_items.insert(m_items.begin() + at, std::move(item));
        m_keys.insert(m_keys.begin() + at, std::move(folded));
        reindex();
    }

    [[nodiscard]] std::int32_t count() const noexcept { return static_cast<std::int32_t>(m_items.size()); }

    [[nodiscard]] const T& item(std::int32_t position) const { return m_items[offset(position)]; }
    [[nodiscard]] const T& item(std::string_view key) const { return m_items[offset(key)]; }
    /// A number is a position (rounded as CLng does), a text a key.
    [[nodiscard]] const T& item(const Variant& index) const { return m_items[offset(index)]; }
    [[nodiscard]] const T& item(const char* key) const { return item(std::string_view(key)); }

    [[nodiscard]] const T* find(std::int32_t position) const noexcept {
        return position >= 1 && position <= count() ? &m_items[static_cast<std::size_t>(position - 1)]
                                                    : nullptr;
    }
    [[nodiscard]] const T* find(std::string_view key) const {
        const auto it = m_index.find(foldCase(key));
        return it == m_index.end() ? nullptr : &m_items[it->second];
    }
    [[nodiscard]] const T* find(const char* key) const { return find(std::string_view(key)); }
    [[nodiscard]] const T* find(const Variant& index) const {
        // A miss is an everyday answer here (is the key there yet?), so a key is looked up without
        // throwing: a search adding thousands of entries asks once for each.
        if (index.type() == Variant::Type::Text) {
            return find(std::string_view(index.asText()));
        }
        try {
            return &m_items[offset(index)];
        } catch (const CallError&) {
            return nullptr;
        }
    }

    void remove(std::int32_t position) { erase(offset(position)); }
    void remove(std::string_view key) { erase(offset(key)); }
    void remove(const char* key) { erase(offset(std::string_view(key))); }

    [[nodiscard]] auto begin() const noexcept { return m_items.begin(); }
    [[nodiscard]] auto end() const noexcept { return m_items.end(); }

private:
    [[nodiscard]] std::size_t offset(std::int32_t position) const {
        if (position < 1 || position > count()) {
            throw err::error(err::SubscriptOutOfRange, "Collection");
        }
        return static_cast<std::size_t>(position - 1);
    }
    [[nodiscard]] std::size_t offset(std::string_view key) const {
        const auto it = m_index.find(foldCase(key));
        if (it == m_index.end()) {
            throw err::error(err::InvalidProcedureCall, "Collection");
        }
        return it->second;
    }
    [[nodiscard]] std::size_t offset(const Variant& index) const {
        if (index.type() == Variant::Type::Text) {
            return offset(std::string_view(index.asText()));
        }
        if (index.isNumeric()) {
            return offset(CLng(index));
        }
        throw err::error(err::TypeMismatch, "Collection");
    }
    void erase(std::size_t at) {
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(at));
        m_keys.erase(m_keys.begin() + static_cast<std::ptrdiff_t>(at));
        reindex();
    }
    void reindex() {
        m_index.clear();
        for (std::size_t i = 0; i < m_keys.size(); ++i) {
            if (m_keys[i]) {
                m_index.emplace(*m_keys[i], i);
            }
        }
    }

    std::vector<T> m_items;
    std::vector<std::optional<std::string>> m_keys;
    std::unordered_map<std::string, std::size_t> m_index;
};

} // namespace platform
