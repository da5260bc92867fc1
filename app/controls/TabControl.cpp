#include "TabControl.h"

namespace controls {

TabControl::TabControl(QWidget* parent) : QTabWidget(parent) {
    connect(this, &QTabWidget::currentChanged, this, [this](int tab) {
        const int previous = m_previous;
        m_previous = tab;
        if (previous >= 0 && tab >= 0) {
            emit Click(previous);
        }
    });
}

} // namespace controls
