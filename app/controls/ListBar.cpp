#include "ListBar.h"

#include "KeyCodes.h"
#include "Twips.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace controls {

namespace {

enum ItemRole { KeyRole = Qt::UserRole + 1, TagRole, LargeIconRole, SmallIconRole };

constexpr int LargeIcon = 32;
constexpr int SmallIcon = 16;

} // namespace

ListBar::ListBar(QWidget* parent) : QWidget(parent) {
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(1);
    setMouseTracking(true);
    installEventFilter(this);
}

ListBar::~ListBar() = default;

int ListBar::addGroup(const QString& key, const QString& caption) {
    Group group;
    group.key = key;
    group.header = new QToolButton(this);
    group.header->setText(caption);
    group.header->setToolButtonStyle(Qt::ToolButtonTextOnly);
    group.header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    group.header->setMouseTracking(true);
    group.header->installEventFilter(this);
    group.list = new QListWidget(this);
    group.list->setFrameShape(QFrame::NoFrame);
    group.list->setMouseTracking(true);
    group.list->viewport()->installEventFilter(this);
    group.list->installEventFilter(this); // Enter or Space on an item opens it like a click
    group.list->setSelectionMode(QAbstractItemView::SingleSelection);
    group.list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    group.list->setDragEnabled(false);
    m_layout->addWidget(group.header);
    m_layout->addWidget(group.list, 1);
    applyIconSize(group);
    m_groups.push_back(group);
    const int number = groupCount();
    connect(group.header, &QToolButton::clicked, this, [this, number] { userOpened(number); });
    connect(group.list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* clicked) { emit ItemClick(clicked->data(KeyRole).toString()); });
    showGroup(m_current == 0 ? number : m_current);
    return number;
}

int ListBar::groupByKey(const QString& key) const {
    for (int g = 1; g <= groupCount(); ++g) {
        if (m_groups[static_cast<std::size_t>(g - 1)].key == key) {
            return g;
        }
    }
    return 0;
}

QString ListBar::groupKey(int group) const {
    return validGroup(group) ? m_groups[static_cast<std::size_t>(group - 1)].key : QString();
}

QString ListBar::groupCaption(int group) const {
    return validGroup(group) ? m_groups[static_cast<std::size_t>(group - 1)].header->text() : QString();
}

void ListBar::setGroupCaption(int group, const QString& caption) {
    if (validGroup(group)) {
        m_groups[static_cast<std::size_t>(group - 1)].header->setText(caption);
    }
}

ListBar::IconSize ListBar::groupIconSize(int group) const {
    return validGroup(group) ? m_groups[static_cast<std::size_t>(group - 1)].iconSize : IconSize::Large;
}

void ListBar::setGroupIconSize(int group, IconSize size) {
    if (!validGroup(group)) {
        return;
    }
    Group& g = m_groups[static_cast<std::size_t>(group - 1)];
    g.iconSize = size;
    applyIconSize(g);
}

void ListBar::setCurrentGroup(int group) {
    if (validGroup(group)) {
        showGroup(group);
    }
}

bool ListBar::addItem(int group, const QString& key, const QString& text, const QIcon& largeIcon,
                      const QIcon& smallIcon) {
    if (!validGroup(group) || item(key) != nullptr) {
        return false;
    }
    const Group& g = m_groups[static_cast<std::size_t>(group - 1)];
    auto* entry = new QListWidgetItem(text, g.list); // owned by the list
    entry->setData(KeyRole, key);
    entry->setData(LargeIconRole, largeIcon);
    entry->setData(SmallIconRole, smallIcon);
    entry->setIcon(g.iconSize == IconSize::Large ? largeIcon : smallIcon);
    entry->setTextAlignment(g.iconSize == IconSize::Large ? Qt::AlignHCenter
                                                          : Qt::AlignLeft | Qt::AlignVCenter);
    return true;
}

void ListBar::removeItem(const QString& key) {
    delete item(key); // a QListWidgetItem leaves its list when deleted
}

void ListBar::clearItems(int group) {
    if (validGroup(group)) {
        m_groups[static_cast<std::size_t>(group - 1)].list->clear();
    }
}

std::optional<ListBar::ItemPlace> ListBar::findItem(const QString& key) const {
    for (int g = 1; g <= groupCount(); ++g) {
        for (int i = 1; i <= itemCount(g); ++i) {
            if (itemKey(g, i) == key) {
                return ItemPlace{g, i};
            }
        }
    }
    return std::nullopt;
}

int ListBar::itemCount(int group) const {
    return validGroup(group) ? m_groups[static_cast<std::size_t>(group - 1)].list->count() : 0;
}

QString ListBar::itemKey(int group, int item) const {
    const QListWidgetItem* entry = this->item(group, item);
    return entry != nullptr ? entry->data(KeyRole).toString() : QString();
}

std::vector<QString> ListBar::itemKeys() const {
    std::vector<QString> keys;
    for (int g = 1; g <= groupCount(); ++g) {
        for (int i = 1; i <= itemCount(g); ++i) {
            keys.push_back(itemKey(g, i));
        }
    }
    return keys;
}

QString ListBar::itemText(const QString& key) const {
    const QListWidgetItem* entry = item(key);
    return entry != nullptr ? entry->text() : QString();
}

void ListBar::setItemText(const QString& key, const QString& text) {
    if (QListWidgetItem* entry = item(key)) {
        entry->setText(text);
    }
}

QVariant ListBar::itemTag(const QString& key) const {
    const QListWidgetItem* entry = item(key);
    return entry != nullptr ? entry->data(TagRole) : QVariant();
}

void ListBar::setItemTag(const QString& key, const QVariant& tag) {
    if (QListWidgetItem* entry = item(key)) {
        entry->setData(TagRole, tag);
    }
}

QIcon ListBar::itemIcon(const QString& key, IconSize size) const {
    const QListWidgetItem* entry = item(key);
    if (entry == nullptr) {
        return {};
    }
    return entry->data(size == IconSize::Large ? LargeIconRole : SmallIconRole).value<QIcon>();
}

int ListBar::itemPosition(const QString& key) const {
    int position = 0;
    for (int g = 1; g <= groupCount(); ++g) {
        for (int i = 1; i <= itemCount(g); ++i) {
            ++position;
            if (itemKey(g, i) == key) {
                return position;
            }
        }
    }
    return 0;
}

void ListBar::clickItem(const QString& key) {
    if (item(key) != nullptr) {
        emit ItemClick(key);
    }
}

int ListBar::captionItemIndex(int group, int item) const {
    int before = 0;
    for (int earlier = 1; earlier <= group; ++earlier) {
        before += itemCount(earlier);
    }
    return before + item + 1;
}

QString ListBar::captionItemText(int group, int item) const {
    const QListWidgetItem* entry = this->item(group + 1, item + 1);
    return entry != nullptr ? entry->text() : QString();
}

void ListBar::setCaptionItemText(int group, int item, const QString& text) {
    if (QListWidgetItem* entry = this->item(group + 1, item + 1)) {
        entry->setText(text);
    }
}

bool ListBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* list = qobject_cast<QListWidget*>(watched);
        const bool opens =
            key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space;
        if (list != nullptr && opens && list->currentItem() != nullptr) {
            emit ItemClick(list->currentItem()->data(KeyRole).toString());
            return true;
        }
    }
    if (event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* source = qobject_cast<QWidget*>(watched);
        const QPoint at = source != nullptr ? source->mapTo(this, mouse->position().toPoint())
                                            : mouse->position().toPoint();
        emit MouseMove(mouseButtonsOf(mouse->buttons()), shiftStateOf(mouse->modifiers()),
                       pixelsToTwips(at.x()), pixelsToTwips(at.y()));
    }
    return QWidget::eventFilter(watched, event);
}

QListWidgetItem* ListBar::item(const QString& key) const {
    const auto place = findItem(key);
    return place ? item(place->group, place->item) : nullptr;
}

QListWidgetItem* ListBar::item(int group, int item) const {
    if (!validGroup(group)) {
        return nullptr;
    }
    return m_groups[static_cast<std::size_t>(group - 1)].list->item(item - 1);
}

void ListBar::showGroup(int group) {
    m_current = group;
    for (int g = 1; g <= groupCount(); ++g) {
        const Group& entry = m_groups[static_cast<std::size_t>(g - 1)];
        entry.list->setVisible(g == group);
        entry.header->setCheckable(true);
        entry.header->setChecked(g == group);
    }
    // With the open group's list taking the height, the later headers sit at the bottom.
    if (m_layout->count() > 0) {
        m_layout->invalidate();
    }
}

void ListBar::applyIconSize(Group& group) {
    const bool large = group.iconSize == IconSize::Large;
    group.list->setViewMode(large ? QListView::IconMode : QListView::ListMode);
    group.list->setFlow(QListView::TopToBottom);
    group.list->setWrapping(false);
    group.list->setMovement(QListView::Static);
    group.list->setResizeMode(QListView::Adjust);
    group.list->setIconSize(QSize(large ? LargeIcon : SmallIcon, large ? LargeIcon : SmallIcon));
    group.list->setSpacing(large ? 6 : 2);
    for (int i = 0; i < group.list->count(); ++i) {
        QListWidgetItem* entry = group.list->item(i);
        entry->setIcon(entry->data(large ? LargeIconRole : SmallIconRole).value<QIcon>());
        entry->setTextAlignment(large ? Qt::AlignHCenter : Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void ListBar::userOpened(int group) {
    const int previous = m_current;
    showGroup(group);
    if (group != previous) {
        emit GroupChange(group, previous);
    }
}

} // namespace controls
