#pragma once

#include <QProgressBar>

namespace controls {

/// A progress bar from Min to Max. A step beyond Max is passed over, so the bar stays full. Owned by
/// its parent widget.
class ProgressBar : public QProgressBar {
    Q_OBJECT

public:
    explicit ProgressBar(QWidget* parent = nullptr);

    [[nodiscard]] int Min() const { return minimum(); }
    void setMin(int min) { setMinimum(min); }
    [[nodiscard]] int Max() const { return maximum(); }
    void setMax(int max) { setMaximum(max); }
    [[nodiscard]] int Value() const { return value(); }
    /// A value outside Min to Max is passed over.
    void setValueInRange(int value);
    /// One step on, unless the bar is full.
    void step() { setValueInRange(value() + 1); }
};

} // namespace controls
