#include "objects/MaterialItems.h"

namespace orvik::objects {

std::shared_ptr<MaterialItem> MaterialItems::Item(const platform::Variant& index) const {
    const auto* found = m_items.find(index);
    return found == nullptr ? nullptr : *found;
}

void MaterialItems::Add(std::shared_ptr<MaterialItem> item) {
    if (!item || Exists(item->IdDesigCountry)) {
        return;
    }
    const auto key = item->IdDesigCountry;
    m_items.add(std::move(item), key);
}

} // namespace orvik::objects
