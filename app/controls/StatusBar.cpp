#include "StatusBar.h"

#include <QLabel>

namespace controls {

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(true);
}

bool StatusBar::addPanel(const QString& key, int stretch) {
    if (key.isEmpty() || panel(key) != nullptr) {
        return false;
    }
    auto* label = new QLabel(this);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(80);
    addPermanentWidget(label, stretch);
    m_panels.emplace_back(key, label);
    return true;
}

QString StatusBar::PanelText(const QString& key) const {
    const QLabel* label = panel(key);
    return label != nullptr ? label->text() : QString();
}

void StatusBar::setPanelText(const QString& key, const QString& text) {
    if (QLabel* label = panel(key)) {
        label->setText(text);
    }
}

QLabel* StatusBar::panel(const QString& key) const {
    for (const auto& [name, label] : m_panels) {
        if (name == key) {
            return label;
        }
    }
    return nullptr;
}

} // namespace controls
