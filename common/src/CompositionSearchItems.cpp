#include "common/CompositionSearchItems.h"

#include "platform/TextCase.h"

namespace orvik::common {

CompositionSearchItems::ItemPtr
CompositionSearchItems::Add(std::string_view Element, std::string_view MinValue, std::string_view MaxValue,
                            std::string_view SingleValue, std::string_view ToleranceMin,
                            std::string_view ToleranceMax, CompositionSearchMethod SearchMethod,
                            std::string_view Order) {
    // A condition is a single value or a range, never both. A blank single value is no value: it
    // must not throw away the range the user typed.
    const bool single = !platform::trimBlanks(SingleValue).empty();
    auto entry = std::make_shared<CompositionSearchItem>();
    entry->Element(Element);
    entry->MinValue(single ? std::string_view{} : MinValue);
    entry->MaxValue(single ? std::string_view{} : MaxValue);
    entry->SingleValue(SingleValue);
    entry->ToleranceMin(ToleranceMin);
    entry->ToleranceMax(ToleranceMax);
    entry->SearchMethod(SearchMethod);
    entry->Order(Order);
    // Keyed by the trimmed symbol, so " Cr" and "Cr" are one element and item("Cr") finds it.
    const std::string key = entry->Element();
    m_items.add(entry, key);
    return entry;
}

CompositionSearchItems::ItemPtr CompositionSearchItems::item(const platform::Variant& vIndex) const {
    if (vIndex.type() == platform::Variant::Type::Text) {
        return item(std::string_view(vIndex.asText()));
    }
    const auto* found = m_items.find(vIndex);
    return found ? *found : nullptr;
}

CompositionSearchItems::ItemPtr CompositionSearchItems::item(std::int32_t position) const {
    const auto* found = m_items.find(position);
    return found ? *found : nullptr;
}

CompositionSearchItems::ItemPtr CompositionSearchItems::item(std::string_view element) const {
    const auto* found = m_items.find(platform::trimBlanks(element));
    return found ? *found : nullptr;
}

std::shared_ptr<CompositionSearchItems> CompositionSearchItems::Copy() const {
    auto copy = std::make_shared<CompositionSearchItems>();
    for (const auto& entry : m_items) {
        copy->Add(entry->Element(), entry->MinValue(), entry->MaxValue(), entry->SingleValue(),
                  entry->ToleranceMin(), entry->ToleranceMax(), entry->SearchMethod(), {});
    }
    return copy;
}

} // namespace orvik::common
