#include "HelpKey.h"

#include <QKeyEvent>
#include <QWidget>

namespace orvik::common::editor {

HelpKey::HelpKey(QWidget& window, std::function<void()> open) : QObject(&window), m_open(std::move(open)) {
    window.installEventFilter(this);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    // A key the focused control leaves alone reaches the window, and so this filter.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::HelpContents)) {
        m_open();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orvik::common::editor
