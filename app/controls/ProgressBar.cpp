#include "ProgressBar.h"

namespace controls {

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(false);
    setValue(minimum());
}

void ProgressBar::setValueInRange(int value) {
    if (value >= minimum() && value <= maximum()) {
        setValue(value);
    }
}

} // namespace controls
