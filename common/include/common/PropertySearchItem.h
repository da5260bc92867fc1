#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvik::common {

/// One condition of a search by property values: a property's field with a lower and an upper bound,
/// or a choice from a list. Texts are kept exactly as given.
class PropertySearchItem {
public:
    [[nodiscard]] const std::string& Fieldname() const noexcept { return m_fieldname; }
    void Fieldname(std::string_view value) { m_fieldname = value; }
    [[nodiscard]] const std::string& MinValue() const noexcept { return m_minValue; }
    void MinValue(std::string_view value) { m_minValue = value; }
    [[nodiscard]] const std::string& MaxValue() const noexcept { return m_maxValue; }
    void MaxValue(std::string_view value) { m_maxValue = value; }
    /// True when the condition is a choice from a list rather than a range.
    [[nodiscard]] bool IsSelection() const noexcept { return m_isSelection; }
    void IsSelection(bool value) noexcept { m_isSelection = value; }
    /// The chosen list entry's id when IsSelection is true.
    [[nodiscard]] std::int32_t SelectedId() const noexcept { return m_selectedId; }
    void SelectedId(std::int32_t value) noexcept { m_selectedId = value; }

private:
    std::string m_fieldname;
    std::string m_minValue;
    std::string m_maxValue;
    bool m_isSelection = false;
    std::int32_t m_selectedId = 0;
};

} // namespace orvik::common
