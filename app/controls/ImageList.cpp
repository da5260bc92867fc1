#include "ImageList.h"

#include <algorithm>

namespace controls {

void ImageList::add(const QString& key, const QPixmap& picture) {
    auto found =
        std::find_if(m_pictures.begin(), m_pictures.end(), [&](const auto& p) { return p.first == key; });
    if (found != m_pictures.end()) {
        found->second = picture;
        return;
    }
    m_pictures.emplace_back(key, picture);
}

bool ImageList::contains(const QString& key) const {
    return std::any_of(m_pictures.begin(), m_pictures.end(), [&](const auto& p) { return p.first == key; });
}

QPixmap ImageList::picture(const QString& key) const {
    auto found =
        std::find_if(m_pictures.begin(), m_pictures.end(), [&](const auto& p) { return p.first == key; });
    return found != m_pictures.end() ? found->second : QPixmap();
}

} // namespace controls
