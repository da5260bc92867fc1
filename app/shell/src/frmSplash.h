#pragma once

#include <QWidget>

namespace controls {
class ProgressBar;
}

namespace shell {

/// The window shown while the main window initialises: the product title, its version and a progress
/// bar from 0 to 155 that advances one step per initialisation step of the main window (a step beyond
/// the end leaves it full). Shown modelessly by the start-up and closed once the main window is shown.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    static constexpr int Steps = 155;

    explicit frmSplash(QWidget* parent = nullptr);
    [[nodiscard]] int progress() const;

public slots:
    /// One step on, and a repaint now.
    void InitializeStep();

private:
    controls::ProgressBar* m_progress; // owned by the window
};

} // namespace shell
