#pragma once

#include "QtPlatform.h"

#include <QWidget>
#include <functional>

class QLabel;

namespace controls {
class ProgressBar;
}

namespace shell {

/// The window shown while the main window initialises: the product title, its version, the
/// publisher's address block and web address, and a progress bar from 0 to 155 that advances one step
/// per initialisation step of the main window (a step beyond the end leaves it full). Clicking the web
/// address opens it. Shown modelessly by the start-up and closed once the main window is shown.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    static constexpr int Steps = 155;
    /// Opens a web address with the desktop; true when it was opened. A test records the address.
    using UrlOpener = std::function<bool(const QString& address)>;

    /// `messages` tells the user when the address cannot be opened (without one it is not opened).
    explicit frmSplash(MessageBoxes* messages = nullptr, UrlOpener open = {}, QWidget* parent = nullptr);
    [[nodiscard]] int progress() const;
    [[nodiscard]] QString addressBlock() const;
    [[nodiscard]] QString webAddress() const;
    /// What a click on the web address does.
    void lblURL_Click();

public slots:
    /// One step on, and a repaint now.
    void InitializeStep();

private:
    controls::ProgressBar* m_progress; // owned by the window
    QLabel* m_address = nullptr;       // owned by the window
    MessageBoxes* m_messages;
    UrlOpener m_open;
};

} // namespace shell
