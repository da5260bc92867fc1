#pragma once

#include <QPixmap>
#include <QString>
#include <vector>

namespace controls {

/// Pictures by key, for the controls that show them (list bar items, the search-method combo and its
/// grid column). A plain value.
class ImageList {
public:
    /// Replaces a picture under a key already in use.
    void add(const QString& key, const QPixmap& picture);
    [[nodiscard]] bool contains(const QString& key) const;
    /// A null pixmap for an unknown key.
    [[nodiscard]] QPixmap picture(const QString& key) const;
    [[nodiscard]] int count() const { return static_cast<int>(m_pictures.size()); }

private:
    std::vector<std::pair<QString, QPixmap>> m_pictures;
};

} // namespace controls
