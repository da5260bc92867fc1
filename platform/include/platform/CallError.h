#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

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

/// Error numbers of the runtime that the libraries raise themselves; the engine's own numbers are
/// in platform/db/JetErrors.h.
namespace err {
inline constexpr std::int32_t InvalidProcedureCall = 5;
inline constexpr std::int32_t Overflow = 6;
inline constexpr std::int32_t OutOfMemory = 7;
inline constexpr std::int32_t SubscriptOutOfRange = 9;
inline constexpr std::int32_t DivisionByZero = 11;
inline constexpr std::int32_t TypeMismatch = 13;
inline constexpr std::int32_t FileNotFound = 53;
inline constexpr std::int32_t PathFileAccessError = 75;
inline constexpr std::int32_t ObjectNotSet = 91;
inline constexpr std::int32_t InvalidPatternString = 93;
inline constexpr std::int32_t InvalidUseOfNull = 94;
inline constexpr std::int32_t KeyAlreadyExists = 457;
inline constexpr std::int32_t PrinterError = 482;
inline constexpr std::int32_t ElementNotFound = 32811;

/// One runtime error: its number, the name the code gives it and the runtime's text.
struct CatalogueEntry {
    std::int32_t number;
    std::string_view name;
    std::string_view text;
};

/// Every runtime error above, in number order: the one home of their texts.
[[nodiscard]] std::span<const CatalogueEntry> catalogue();

/// The runtime's text of `number`; empty when it is not one of the catalogue's.
[[nodiscard]] std::string_view text(std::int32_t number);

/// The error as thrown: `number` from `source` with the runtime's text.
[[nodiscard]] CallError error(std::int32_t number, std::string source);
} // namespace err

} // namespace platform
