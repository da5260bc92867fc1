#pragma once

#include "common/qt/LanguageCaptions.h"

#include <QIcon>
#include <QVariant>
#include <QWidget>
#include <optional>
#include <vector>

class QListWidget;
class QListWidgetItem;
class QToolButton;
class QVBoxLayout;

namespace controls {

/// The page chooser on the left of the main window: groups, each a header button over a list of
/// keyed items with a large and a small picture. One group is open at a time. Groups are numbered
/// from 1 in the order they were added and found by key; item keys are unique across all groups.
///
/// A group opened by the user raises GroupChange, in whose handler the window may set CurrentGroup
/// back; setting CurrentGroup from code raises nothing. An item clicked by the user, or by
/// clickItem for the menus and favourites, raises ItemClick. Owned by its parent widget.
class ListBar : public QWidget, public orvik::common::qt::ListBarCaptions {
    Q_OBJECT

public:
    enum class IconSize { Large = 0, Small = 1 };

    /// Where an item is: its group (from 1) and its place in the group (from 1).
    struct ItemPlace {
        int group = 0;
        int item = 0;
    };

    explicit ListBar(QWidget* parent = nullptr);
    ~ListBar() override;
    ListBar(const ListBar&) = delete;
    ListBar& operator=(const ListBar&) = delete;

    /// Returns the new group's number.
    int addGroup(const QString& key, const QString& caption);
    [[nodiscard]] int groupCount() const { return static_cast<int>(m_groups.size()); }
    /// 0 when there is no group with the key.
    [[nodiscard]] int groupByKey(const QString& key) const;
    [[nodiscard]] QString groupKey(int group) const;
    [[nodiscard]] QString groupCaption(int group) const;
    void setGroupCaption(int group, const QString& caption);
    [[nodiscard]] IconSize groupIconSize(int group) const;
    void setGroupIconSize(int group, IconSize size);
    /// 0 when there are no groups.
    [[nodiscard]] int CurrentGroup() const { return m_current; }
    void setCurrentGroup(int group);

    /// Adds an item at the end of a group; a key already in use anywhere is refused (false).
    bool addItem(int group, const QString& key, const QString& text, const QIcon& largeIcon,
                 const QIcon& smallIcon);
    void removeItem(const QString& key);
    void clearItems(int group);
    [[nodiscard]] std::optional<ItemPlace> findItem(const QString& key) const;
    [[nodiscard]] int itemCount(int group) const;
    [[nodiscard]] QString itemKey(int group, int item) const;
    /// Every item's key, group by group.
    [[nodiscard]] std::vector<QString> itemKeys() const;
    [[nodiscard]] QString itemText(const QString& key) const;
    void setItemText(const QString& key, const QString& text);
    /// A value the window keeps with the item (the pages keep their shown flag there).
    [[nodiscard]] QVariant itemTag(const QString& key) const;
    void setItemTag(const QString& key, const QVariant& tag);
    [[nodiscard]] QIcon itemIcon(const QString& key, IconSize size) const;
    /// The item's place counted through all groups from 1; 0 when there is no such item.
    [[nodiscard]] int itemPosition(const QString& key) const;
    /// Runs the same notification as a click of the user on the item.
    void clickItem(const QString& key);

    // What the text service sets: group and item captions.
    [[nodiscard]] int captionGroupCount() const override { return groupCount(); }
    [[nodiscard]] int captionGroupIndex(int group) const override { return group + 1; }
    [[nodiscard]] QString captionGroupText(int group) const override { return groupCaption(group + 1); }
    void setCaptionGroupText(int group, const QString& text) override { setGroupCaption(group + 1, text); }
    [[nodiscard]] int captionItemCount(int group) const override { return itemCount(group + 1); }
    /// Items are numbered through the whole list bar, group after group, from 1.
    [[nodiscard]] int captionItemIndex(int group, int item) const override;
    [[nodiscard]] QString captionItemText(int group, int item) const override;
    void setCaptionItemText(int group, int item, const QString& text) override;

signals:
    void ItemClick(const QString& key);
    void GroupChange(int newGroup, int previousGroup);
    /// Button and shift codes as in KeyCodes.h; x and y in twips within the list bar.
    void MouseMove(int button, int shift, int x, int y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Group {
        QString key;
        QToolButton* header = nullptr; // owned by this widget
        QListWidget* list = nullptr;   // owned by this widget
        IconSize iconSize = IconSize::Large;
    };

    [[nodiscard]] QListWidgetItem* item(const QString& key) const;
    [[nodiscard]] QListWidgetItem* item(int group, int item) const;
    [[nodiscard]] bool validGroup(int group) const { return group >= 1 && group <= groupCount(); }
    void showGroup(int group);
    void applyIconSize(Group& group);
    void userOpened(int group);

    std::vector<Group> m_groups;
    QVBoxLayout* m_layout = nullptr; // owned by this widget
    int m_current = 0;
};

} // namespace controls
