#include "objects/PropertyBags.h"

#include <string>

namespace orvik::objects {

void PropertyBags::Add(std::shared_ptr<PropertyBag> bag) {
    m_items.add(std::move(bag), std::to_string(m_counter));
    ++m_counter;
}

} // namespace orvik::objects
