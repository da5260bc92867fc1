#include "common/CompositionSearchItem.h"

#include "platform/TextCase.h"

namespace orvik::common {
namespace {
std::string trimmed(std::string_view value) {
    return std::string(platform::trimBlanks(value));
}
} // namespace

void CompositionSearchItem::Element(std::string_view value) {
    m_element = trimmed(value);
}
void CompositionSearchItem::MinValue(std::string_view value) {
    m_minValue = trimmed(value);
}
void CompositionSearchItem::MaxValue(std::string_view value) {
    m_maxValue = trimmed(value);
}
void CompositionSearchItem::SingleValue(std::string_view value) {
    m_singleValue = trimmed(value);
}
void CompositionSearchItem::ToleranceMin(std::string_view value) {
    m_toleranceMin = trimmed(value);
}
void CompositionSearchItem::ToleranceMax(std::string_view value) {
    m_toleranceMax = trimmed(value);
}
void CompositionSearchItem::Order(std::string_view value) {
    m_order = trimmed(value);
}

} // namespace orvik::common
