#include "objects/Properties.h"

#include <string>

namespace orvik::objects {

std::shared_ptr<Property> Properties::Item(const platform::Variant& index) const {
    const auto* found = m_items.find(index);
    return found == nullptr ? nullptr : *found;
}

void Properties::Add(std::shared_ptr<Property> property) {
    m_items.add(std::move(property), std::to_string(m_counter));
    ++m_counter;
}

} // namespace orvik::objects
