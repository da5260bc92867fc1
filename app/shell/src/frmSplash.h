#pragma once

#include "QtPlatform.h"

#include <QElapsedTimer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>

class QLabel;

namespace controls {
class ProgressBar;
}

namespace shell {

/// The window shown while the main window initialises: the product title, its version, the
/// publisher's address block and web address, and a progress bar from 0 to 155 that advances one step
/// per initialisation step of the main window (a step beyond the end leaves it full). Clicking the web
/// address opens it, also while the main window loads. Shown modelessly by the start-up; once the main
/// window is shown it stays for the rest of its time on screen, so that the address can be read and
/// clicked, and goes by itself.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    static constexpr int Steps = 155;
    /// How long the window stays on screen at least.
    static constexpr std::chrono::milliseconds ShownAtLeast{3000};
    /// Opens a web address with the desktop; true when it was opened. A test records the address.
    using UrlOpener = std::function<bool(const QString& address)>;

    /// `messages` tells the user when the address cannot be opened (without one it is not opened).
    explicit frmSplash(MessageBoxes* messages = nullptr, UrlOpener open = {}, QWidget* parent = nullptr);
    [[nodiscard]] int progress() const;
    [[nodiscard]] QString addressBlock() const;
    [[nodiscard]] QString webAddress() const;
    /// What a click on the web address does.
    void lblURL_Click();
    /// Leaves the window on screen for the rest of its time, then closes and deletes it; it is deleted
    /// with `owner` (the main window) at the latest.
    static void closeInTime(std::unique_ptr<frmSplash> splash, QObject& owner);

public slots:
    /// One step on, and a repaint now.
    void InitializeStep();

protected:
    void showEvent(QShowEvent* event) override;

private:
    controls::ProgressBar* m_progress; // owned by the window
    QLabel* m_address = nullptr;       // owned by the window
    MessageBoxes* m_messages;
    UrlOpener m_open;
    QElapsedTimer m_shown;
};

} // namespace shell
