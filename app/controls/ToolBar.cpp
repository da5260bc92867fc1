#include "ToolBar.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace controls {

namespace {
constexpr const char* KeyProperty = "key";
}

ToolBar::ToolBar(QWidget* parent) : QToolBar(parent) {
    setMovable(false);
    setFloatable(false);
}

QAction* ToolBar::addButton(const QString& key, const QString& caption, const QIcon& icon,
                            const QString& toolTip) {
    if (key.isEmpty() || Button(key) != nullptr) {
        return nullptr;
    }
    QAction* action = addAction(icon, caption);
    action->setProperty(KeyProperty, key);
    if (!toolTip.isEmpty()) {
        action->setToolTip(toolTip);
    }
    connect(action, &QAction::triggered, this, [this, key] { emit ButtonClick(key); });
    return action;
}

QAction* ToolBar::addButtonMenu(const QString& buttonKey, const QString& entryKey, const QString& caption) {
    QAction* button = Button(buttonKey);
    if (button == nullptr) {
        return nullptr;
    }
    auto* menu = button->menu<QMenu*>();
    if (menu == nullptr) {
        menu = new QMenu(this); // owned by the toolbar
        button->setMenu(menu);
        if (auto* tool = qobject_cast<QToolButton*>(widgetForAction(button))) {
            tool->setPopupMode(QToolButton::MenuButtonPopup);
        }
    }
    QAction* entry = menu->addAction(caption);
    entry->setProperty(KeyProperty, entryKey);
    connect(entry, &QAction::triggered, this,
            [this, buttonKey, entryKey] { emit ButtonMenuClick(buttonKey, entryKey); });
    return entry;
}

QAction* ToolBar::Button(const QString& key) const {
    for (QAction* action : actions()) {
        if (action->property(KeyProperty).toString() == key) {
            return action;
        }
    }
    return nullptr;
}

bool ToolBar::buttonEnabled(const QString& key) const {
    const QAction* button = Button(key);
    return button != nullptr && button->isEnabled();
}

void ToolBar::setButtonEnabled(const QString& key, bool enabled) {
    if (QAction* button = Button(key)) {
        button->setEnabled(enabled);
    }
}

} // namespace controls
