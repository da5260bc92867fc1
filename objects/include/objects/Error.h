#pragma once

#include "platform/CallError.h"

#include <cstdint>
#include <memory>
#include <string>

namespace orvik::objects {

class Application;

/// The error record of the object model: the four values of one failure, as the `Error` events
/// carry it. Read-only to its users; the object model makes a new record per report, except the
/// application's own record (`comError`), which each report overwrites.
class Error {
public:
    Error() = default;
    Error(std::int32_t number, std::string modul, std::string procedure, std::string description)
        : m_number(number), m_modul(std::move(modul)), m_procedure(std::move(procedure)),
          m_description(std::move(description)) {}

    [[nodiscard]] std::int32_t Number() const noexcept { return m_number; }
    [[nodiscard]] const std::string& Modul() const noexcept { return m_modul; }
    [[nodiscard]] const std::string& Procedure() const noexcept { return m_procedure; }
    [[nodiscard]] const std::string& Description() const noexcept { return m_description; }

private:
    friend class Application;
    void assign(const Error& other) { *this = other; }

    std::int32_t m_number = 0;
    std::string m_modul;
    std::string m_procedure;
    std::string m_description;
};

/// A call that needs the database while no connection is open fails with this number and text.
inline constexpr std::int32_t NoConnectionNumber = platform::err::ObjectNotSet;
inline constexpr const char* NoConnectionText = "No database connection is open.";

/// What the `Error` events hand to their handlers.
using ErrorPtr = std::shared_ptr<const Error>;

} // namespace orvik::objects
