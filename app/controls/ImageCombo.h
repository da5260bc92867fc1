#pragma once

#include <QComboBox>

namespace controls {

/// A drop-down list whose items have a key and a picture (the search method: "inside", "outside").
/// Owned by its parent widget.
class ImageCombo : public QComboBox {
    Q_OBJECT

public:
    explicit ImageCombo(QWidget* parent = nullptr);

    /// A key already in use is refused (false).
    bool addKeyedItem(const QString& key, const QString& text, const QIcon& icon);
    /// -1 when no item has the key.
    [[nodiscard]] int findKey(const QString& key) const;
    [[nodiscard]] QString itemKey(int index) const;
    /// "" when nothing is selected.
    [[nodiscard]] QString selectedKey() const { return itemKey(currentIndex()); }
    /// An unknown key selects nothing.
    void setSelectedKey(const QString& key) { setCurrentIndex(findKey(key)); }
    [[nodiscard]] QIcon selectedIcon() const;

signals:
    /// The user chose an item.
    void ItemChosen(const QString& key);
};

} // namespace controls
