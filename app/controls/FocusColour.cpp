#include "FocusColour.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QPalette>
#include <QWidget>

namespace controls {

namespace {

/// A text field paints with the base colour, a drop-down list without text field with the button one;
/// left, the list gets its button colour back.
void paint(QWidget& editor, bool lit) {
    QPalette p = editor.palette();
    p.setColor(QPalette::Base, lit ? FocusColour::lit() : QColor(Qt::white));
    p.setColor(QPalette::Button,
               lit ? FocusColour::lit() : QApplication::palette(&editor).color(QPalette::Button));
    editor.setPalette(p);
}

/// An open drop-down list takes the focus without the editor being left.
bool listOpen(const QWidget& editor, const QFocusEvent& event) {
    if (event.reason() == Qt::PopupFocusReason) {
        return true;
    }
    const auto* list = qobject_cast<const QComboBox*>(&editor);
    return list != nullptr && list->view() != nullptr && list->view()->isVisible();
}

} // namespace

QColor FocusColour::lit() {
    return {255, 255, 192};
}

void FocusColour::attach(QWidget& editor) {
    // Owned by the editor through Qt's parent.
    auto* watcher = new FocusColour(editor);
    editor.installEventFilter(watcher);
}

FocusColour::FocusColour(QWidget& editor) : QObject(&editor) {}

bool FocusColour::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(watched);
    if (editor == nullptr) {
        return false;
    }
    if (event->type() == QEvent::FocusIn) {
        paint(*editor, true);
    } else if (event->type() == QEvent::FocusOut && !listOpen(*editor, *static_cast<QFocusEvent*>(event))) {
        paint(*editor, false);
    }
    return false;
}

} // namespace controls
