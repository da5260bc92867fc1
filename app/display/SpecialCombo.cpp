#include "SpecialCombo.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace display {

SpecialCombo::SpecialCombo(QComboBox& combo) : QObject(&combo), m_combo(combo) {
    // Only a line edit shows the completed tail selected; read-only, it takes no text of its own.
    combo.setEditable(true);
    combo.setInsertPolicy(QComboBox::NoInsert);
    combo.setCompleter(nullptr);
    combo.lineEdit()->setReadOnly(true);
    combo.lineEdit()->installEventFilter(this);
    combo.installEventFilter(this);
    // A pick of another entry by mouse or arrow keys starts a new prefix. Enter reports the entry
    // the completion chose, which is no new pick.
    connect(&combo, &QComboBox::activated, this, [this](int index) {
        if (index != m_chosen) {
            forget();
        }
    });
}

bool SpecialCombo::eventFilter(QObject* watched, QEvent* event) {
    // Asked by its type, not through the combo: while a combo box is destroyed, its last events (the
    // focus leaving it, its children going) reach this filter from a widget that is no longer one.
    if (watched->parent() == &m_combo && qobject_cast<QLineEdit*>(watched) != nullptr) {
        return clickOnText(*event);
    }
    if (qobject_cast<QComboBox*>(watched) != &m_combo) {
        return false;
    }
    if (event->type() == QEvent::FocusIn) {
        forget();
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Delete:
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!m_typed.isEmpty()) {
            findAndSelect(m_typed);
        }
        return false;
    case Qt::Key_Backspace:
        return false;
    case Qt::Key_Home:
    case Qt::Key_End:
        // The text field would take them for its cursor; on the list they choose its first or last entry.
        chooseEnd(key->key() == Qt::Key_Home ? 0 : m_combo.count() - 1);
        return true;
    default:
        break;
    }
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint() ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        return false;
    }
    m_typed = m_combo.currentText().left(m_matched) + text;
    findAndSelect(m_typed);
    return true;
}

// A click on the text opens the list, as on a drop-down list without a text field. The list opens
// at the release: opened at the press, the release that follows would close it again.
bool SpecialCombo::clickOnText(const QEvent& event) {
    const auto type = event.type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick) {
        return false;
    }
    if (static_cast<const QMouseEvent&>(event).button() != Qt::LeftButton) {
        return false;
    }
    if (type == QEvent::MouseButtonRelease) {
        m_combo.setFocus(Qt::MouseFocusReason);
        m_combo.showPopup();
    }
    return true;
}

void SpecialCombo::findAndSelect(const QString& text) {
    const int index = m_combo.findText(text, Qt::MatchStartsWith);
    if (index < 0) {
        return;
    }
    m_matched = static_cast<int>(text.size());
    m_chosen = index;
    if (index != m_combo.currentIndex()) {
        m_combo.setCurrentIndex(index);
    }
    m_combo.lineEdit()->setSelection(m_matched, static_cast<int>(m_combo.currentText().size()) - m_matched);
    emit chosen(index);
}

void SpecialCombo::chooseEnd(int index) {
    if (index < 0) {
        return;
    }
    forget();
    m_combo.setCurrentIndex(index);
    // A pick by key, as the arrow keys make it.
    emit m_combo.activated(index);
}

void SpecialCombo::forget() {
    m_typed.clear();
    m_matched = 0;
    m_chosen = -1;
}

} // namespace display
