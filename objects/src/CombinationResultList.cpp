#include "objects/CombinationResultList.h"

namespace orvik::objects {

void CombinationResultList::Clear() {
    m_items.clear();
    m_cursor = -1;
}

void CombinationResultList::add(std::shared_ptr<CombinationResultItem> item) {
    if (item) {
        m_items.push_back(std::move(item));
    }
}

std::shared_ptr<CombinationResultItem> CombinationResultList::Current() const {
    if (m_cursor < 1 || m_cursor > Count()) {
        return nullptr;
    }
    return m_items[static_cast<std::size_t>(m_cursor - 1)];
}

void CombinationResultList::MoveFirst() {
    if (Count() > 0) {
        m_cursor = 1;
    }
}

void CombinationResultList::MoveLast() {
    if (Count() > 0) {
        m_cursor = Count();
    }
}

// From -1 the first step lands on 0, which is no item; callers start with MoveFirst.
void CombinationResultList::MoveNext() {
    if (Count() > 0 && m_cursor + 1 <= Count()) {
        ++m_cursor;
    }
}

void CombinationResultList::MovePrevious() {
    if (Count() > 0 && m_cursor > 1) {
        --m_cursor;
    }
}

void CombinationResultList::Move(std::int32_t position) {
    if (position >= 1 && position <= Count()) {
        m_cursor = position;
    }
}

} // namespace orvik::objects
