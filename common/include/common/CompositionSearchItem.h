#pragma once

#include "common/CompositionSearchMethod.h"

#include <string>
#include <string_view>

namespace orvik::common {

/// One condition of a composition search: the content of one chemical element, as the user typed it
/// (texts in the user's notation; converting them is the reader's business). Every text is stored
/// without blanks at both ends. Shared by std::shared_ptr between the set and its readers.
class CompositionSearchItem {
public:
    void Element(std::string_view value);
    /// The element's symbol, also its key in the set.
    [[nodiscard]] const std::string& Element() const noexcept { return m_element; }
    void MinValue(std::string_view value);
    [[nodiscard]] const std::string& MinValue() const noexcept { return m_minValue; }
    void MaxValue(std::string_view value);
    [[nodiscard]] const std::string& MaxValue() const noexcept { return m_maxValue; }
    /// Used instead of a range.
    void SingleValue(std::string_view value);
    [[nodiscard]] const std::string& SingleValue() const noexcept { return m_singleValue; }
    void ToleranceMin(std::string_view value);
    [[nodiscard]] const std::string& ToleranceMin() const noexcept { return m_toleranceMin; }
    void ToleranceMax(std::string_view value);
    [[nodiscard]] const std::string& ToleranceMax() const noexcept { return m_toleranceMax; }
    /// The row's position in the user's grid.
    void Order(std::string_view value);
    [[nodiscard]] const std::string& Order() const noexcept { return m_order; }
    void SearchMethod(CompositionSearchMethod value) noexcept { m_searchMethod = value; }
    [[nodiscard]] CompositionSearchMethod SearchMethod() const noexcept { return m_searchMethod; }

private:
    std::string m_element;
    std::string m_minValue;
    std::string m_maxValue;
    std::string m_singleValue;
    std::string m_toleranceMin;
    std::string m_toleranceMax;
    std::string m_order;
    CompositionSearchMethod m_searchMethod = CompositionSearchMethod::Outside;
};

} // namespace orvik::common
