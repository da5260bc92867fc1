#include "ImageCombo.h"

namespace controls {

namespace {
constexpr int KeyRole = Qt::UserRole + 1;
}

ImageCombo::ImageCombo(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, [this](int index) { emit ItemChosen(itemKey(index)); });
}

bool ImageCombo::addKeyedItem(const QString& key, const QString& text, const QIcon& icon) {
    if (findKey(key) >= 0) {
        return false;
    }
    addItem(icon, text);
    setItemData(count() - 1, key, KeyRole);
    return true;
}

int ImageCombo::findKey(const QString& key) const {
    return findData(key, KeyRole);
}

QString ImageCombo::itemKey(int index) const {
    return index >= 0 && index < count() ? itemData(index, KeyRole).toString() : QString();
}

QIcon ImageCombo::selectedIcon() const {
    return currentIndex() >= 0 ? itemIcon(currentIndex()) : QIcon();
}

} // namespace controls
