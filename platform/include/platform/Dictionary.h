#pragma once

#include "platform/CallError.h"
#include "platform/Variant.h"
#include "platform/VbConvert.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace platform {

/// The scripting runtime's keyed dictionary: entries keep the order they were added in, keys are
/// Variants compared by value and kind (the number 1 and the text "1" are different keys, 1 and 1.0
/// the same one), texts compared exactly. Adding an existing key fails with 457; reading, replacing
/// or removing a missing key fails with 32811, and never adds an entry behind the caller's back.
template <typename T = Variant> class Dictionary {
public:
    struct Entry {
        Variant key;
        T item;
    };

    void add(const Variant& key, T item) {
        const auto id = identity(key);
        if (m_index.contains(id)) {
            throw CallError(err::KeyAlreadyExists, "Dictionary",
                            "This key is already associated with an element of this collection");
        }
        m_index.emplace(id, m_entries.size());
        m_entries.push_back({key, std::move(item)});
    }

    [[nodiscard]] bool exists(const Variant& key) const { return m_index.contains(identity(key)); }
    [[nodiscard]] std::int32_t count() const noexcept { return static_cast<std::int32_t>(m_entries.size()); }

    [[nodiscard]] const T& item(const Variant& key) const { return m_entries[position(key)].item; }
    [[nodiscard]] T& item(const Variant& key) { return m_entries[position(key)].item; }
    /// The entry's item, or nullptr.
    [[nodiscard]] const T* find(const Variant& key) const {
        const auto it = m_index.find(identity(key));
        return it == m_index.end() ? nullptr : &m_entries[it->second].item;
    }
    /// Replaces the item of an existing key in place, or adds the key at the end.
    void setItem(const Variant& key, T item) {
        const auto it = m_index.find(identity(key));
        if (it == m_index.end()) {
            add(key, std::move(item));
            return;
        }
        m_entries[it->second].item = std::move(item);
    }

    [[nodiscard]] std::vector<Variant> keys() const {
        std::vector<Variant> result;
        result.reserve(m_entries.size());
        for (const auto& entry : m_entries) {
            result.push_back(entry.key);
        }
        return result;
    }
    [[nodiscard]] std::vector<T> items() const {
        std::vector<T> result;
        result.reserve(m_entries.size());
        for (const auto& entry : m_entries) {
            result.push_back(entry.item);
        }
        return result;
    }

    void remove(const Variant& key) {
        const auto at = position(key);
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(at));
        reindex();
    }
    void removeAll() noexcept {
        m_entries.clear();
        m_index.clear();
    }

    [[nodiscard]] auto begin() const noexcept { return m_entries.begin(); }
    [[nodiscard]] auto end() const noexcept { return m_entries.end(); }

private:
    /// One text per distinct key: its kind and its value.
    [[nodiscard]] static std::string identity(const Variant& key) {
        switch (key.type()) {
        case Variant::Type::Empty:
            return "e";
        case Variant::Type::Null:
            return "z";
        case Variant::Type::Integer:
            return "n" + std::to_string(key.asInteger());
        case Variant::Type::Double:
            return "n" + numberText(key.asDouble());
        case Variant::Type::Text:
            return "t" + key.asText();
        case Variant::Type::Boolean:
            return key.asBoolean() ? "b1" : "b0";
        case Variant::Type::Date:
            return "d" + numberText(dateSerial(key.asDate()));
        }
        return {};
    }
    [[nodiscard]] static std::string numberText(double value) {
        // Whole numbers read as the integer keys they equal.
        if (std::trunc(value) == value && std::fabs(value) < 9.0e15) {
            return std::to_string(static_cast<std::int64_t>(value));
        }
        std::array<char, 64> buffer{};
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
        return std::string(buffer.data(), result.ptr);
    }
    [[nodiscard]] std::size_t position(const Variant& key) const {
        const auto it = m_index.find(identity(key));
        if (it == m_index.end()) {
            throw err::error(err::ElementNotFound, "Dictionary");
        }
        return it->second;
    }
    void reindex() {
        m_index.clear();
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            m_index.emplace(identity(m_entries[i].key), i);
        }
    }

    std::vector<Entry> m_entries;
    std::unordered_map<std::string, std::size_t> m_index;
};

} // namespace platform
