#include "SpecialCombo.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>

namespace display {

SpecialCombo::SpecialCombo(QComboBox& combo) : QObject(&combo), m_combo(combo) {
    combo.installEventFilter(this);
    // A pick by mouse or arrow keys starts a new prefix; our own choices do not come this way.
    connect(&combo, &QComboBox::activated, this, [this] { forget(); });
}

bool SpecialCombo::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_combo) {
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

void SpecialCombo::findAndSelect(const QString& text) {
    const int index = m_combo.findText(text, Qt::MatchStartsWith);
    if (index < 0) {
        return;
    }
    m_matched = static_cast<int>(text.size());
    if (index != m_combo.currentIndex()) {
        m_combo.setCurrentIndex(index);
    }
    emit chosen(index);
}

void SpecialCombo::forget() {
    m_typed.clear();
    m_matched = 0;
}

} // namespace display
