#include "objects/Footnotes.h"

#include <string>

namespace orvik::objects {

void Footnotes::Add(std::shared_ptr<Footnote> footnote) {
    m_items.add(std::move(footnote), std::to_string(m_counter));
    ++m_counter;
}

} // namespace orvik::objects
