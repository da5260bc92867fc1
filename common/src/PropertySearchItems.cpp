#include "common/PropertySearchItems.h"

#include <string>

namespace orvik::common {

void PropertySearchItems::Add(std::string_view Fieldname, bool IsSelection, std::int32_t SelectedId,
                              std::string_view MinValue, std::string_view MaxValue) {
    auto entry = std::make_shared<PropertySearchItem>();
    entry->Fieldname(Fieldname);
    entry->IsSelection(IsSelection);
    entry->MaxValue(MaxValue);
    entry->MinValue(MinValue);
    entry->SelectedId(SelectedId);
    const auto key = std::to_string(m_counter + 1);
    m_items.add(std::move(entry), key);
    ++m_counter;
}

PropertySearchItems::ItemPtr PropertySearchItems::item(const platform::Variant& vIndex) const {
    const auto* found = m_items.find(vIndex);
    return found ? *found : nullptr;
}

} // namespace orvik::common
