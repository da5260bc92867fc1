#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace orvik::common::editor {

/// Calls `open` when the user presses the help key (F1) anywhere in the window; owned by the window.
class HelpKey final : public QObject {
public:
    HelpKey(QWidget& window, std::function<void()> open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_open;
};

} // namespace orvik::common::editor
