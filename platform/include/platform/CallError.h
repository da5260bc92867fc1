#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace platform {

/// A failed call across a library boundary: the error number, the component or module that raised it
/// and its text, as the caller's error handler sees them. Thrown by value, caught by reference.
class CallError : public std::runtime_error {
public:
    CallError(std::int32_t number, std::string source, std::string description)
        : std::runtime_error(description), m_number(number), m_source(std::move(source)),
          m_description(std::move(description)) {}

    [[nodiscard]] std::int32_t number() const noexcept { return m_number; }
    [[nodiscard]] const std::string& source() const noexcept { return m_source; }
    [[nodiscard]] const std::string& description() const noexcept { return m_description; }

private:
    std::int32_t m_number;
    std::string m_source;
    std::string m_description;
};

/// Error numbers of the runtime that the libraries raise themselves.
namespace err {
inline constexpr std::int32_t TypeMismatch = 13;
inline constexpr std::int32_t Overflow = 6;
inline constexpr std::int32_t InvalidProcedureCall = 5;
inline constexpr std::int32_t SubscriptOutOfRange = 9;
inline constexpr std::int32_t FileNotFound = 53;
inline constexpr std::int32_t KeyAlreadyExists = 457;
inline constexpr std::int32_t InvalidUseOfNull = 94;
inline constexpr std::int32_t PathFileAccessError = 75;
inline constexpr std::int32_t ElementNotFound = 32811;
} // namespace err

} // namespace platform
