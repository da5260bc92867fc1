#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace platform {

/// A calendar date with time of day, as the database and the runtime's variant carry it.
struct Date {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const Date&, const Date&) = default;
    friend auto operator<=>(const Date&, const Date&) = default;
};

/// The runtime's variant: Empty (never assigned), Null (no value, as a database field without one),
/// an integer, a double, a text, a truth value or a date. Null and Empty are kept apart on purpose:
/// nothing converts one into a value without the caller saying so.
class Variant {
public:
    enum class Type { Empty, Null, Integer, Double, Text, Boolean, Date };

    Variant() = default;
    static Variant null() {
        Variant v;
        v.m_value = NullTag{};
        return v;
    }
    Variant(std::int64_t value) : m_value(value) {}
    Variant(int value) : m_value(static_cast<std::int64_t>(value)) {}
    Variant(double value) : m_value(value) {}
    Variant(std::string value) : m_value(std::move(value)) {}
    Variant(std::string_view value) : m_value(std::string(value)) {}
    Variant(const char* value) : m_value(std::string(value)) {}
    Variant(bool value) : m_value(value) {}
    Variant(Date value) : m_value(value) {}

    [[nodiscard]] Type type() const noexcept { return static_cast<Type>(m_value.index()); }
    [[nodiscard]] bool isEmpty() const noexcept { return type() == Type::Empty; }
    [[nodiscard]] bool isNull() const noexcept { return type() == Type::Null; }
    [[nodiscard]] bool isNumeric() const noexcept {
        return type() == Type::Integer || type() == Type::Double || type() == Type::Boolean;
    }

    /// Direct access; each requires the matching type (checked by std::get).
    [[nodiscard]] std::int64_t asInteger() const { return std::get<std::int64_t>(m_value); }
    [[nodiscard]] double asDouble() const { return std::get<double>(m_value); }
    [[nodiscard]] const std::string& asText() const { return std::get<std::string>(m_value); }
    [[nodiscard]] bool asBoolean() const { return std::get<bool>(m_value); }
    [[nodiscard]] const Date& asDate() const { return std::get<Date>(m_value); }

    friend bool operator==(const Variant&, const Variant&) = default;

private:
    struct EmptyTag {
        friend bool operator==(EmptyTag, EmptyTag) = default;
    };
    struct NullTag {
        friend bool operator==(NullTag, NullTag) = default;
    };
    // The order of the alternatives matches Type.
    std::variant<EmptyTag, NullTag, std::int64_t, double, std::string, bool, Date> m_value;
};

} // namespace platform
