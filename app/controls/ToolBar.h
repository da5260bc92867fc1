#pragma once

#include <QToolBar>

class QAction;

namespace controls {

/// The main window's toolbar: buttons by key ("NEW", "FIND", ...), each optionally with a drop-down
/// menu of keyed entries. A button's key is its action's property "key", as the text service reads
/// it. Owned by its parent widget.
class ToolBar : public QToolBar {
    Q_OBJECT

public:
    explicit ToolBar(QWidget* parent = nullptr);

    /// A key already in use is refused (nullptr).
    QAction* addButton(const QString& key, const QString& caption, const QIcon& icon = {},
                       const QString& toolTip = {});
    /// Adds an entry to the button's drop-down menu (made on first use); nullptr for an unknown button.
    QAction* addButtonMenu(const QString& buttonKey, const QString& entryKey, const QString& caption);
    /// nullptr when there is no button with the key.
    [[nodiscard]] QAction* Button(const QString& key) const;
    [[nodiscard]] bool buttonEnabled(const QString& key) const;
    void setButtonEnabled(const QString& key, bool enabled);

signals:
    void ButtonClick(const QString& key);
    void ButtonMenuClick(const QString& buttonKey, const QString& entryKey);
};

} // namespace controls
