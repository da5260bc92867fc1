#pragma once

#include <cstdint>
#include <string>

namespace orvik::common {

class Helper;

/// One error as it crossed a component boundary: the event argument of every ManagerException and
/// what the object model copies into its own error record. Made only by Helper::CreateExceptionObject
/// and never changed afterwards; held by std::shared_ptr<const Exception>.
class Exception {
public:
    /// Only Helper can make one, so only Helper can construct an Exception.
    class Key {
        friend class Helper;
        Key() = default;
    };

    Exception(Key, std::int32_t number, std::string modul, std::string procedure, std::string description)
        : m_number(number), m_modul(std::move(modul)), m_procedure(std::move(procedure)),
          m_description(std::move(description)) {}

    [[nodiscard]] std::int32_t Number() const noexcept { return m_number; }
    /// The class or module in which the error arose.
    [[nodiscard]] const std::string& Modul() const noexcept { return m_modul; }
    [[nodiscard]] const std::string& Procedure() const noexcept { return m_procedure; }
    [[nodiscard]] const std::string& Description() const noexcept { return m_description; }

private:
    std::int32_t m_number = 0;
    std::string m_modul;
    std::string m_procedure;
    std::string m_description;
};

} // namespace orvik::common
