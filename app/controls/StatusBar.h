#pragma once

#include <QStatusBar>
#include <vector>

class QLabel;

namespace controls {

/// The status bar with panels by key ("LINKS", "RECHTS"), each a text. Owned by its parent widget.
class StatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit StatusBar(QWidget* parent = nullptr);

    /// Adds a panel at the right end; stretch shares out the width left over. A key already in use is
    /// refused (false).
    bool addPanel(const QString& key, int stretch = 0);
    [[nodiscard]] bool hasPanel(const QString& key) const { return panel(key) != nullptr; }
    /// "" for an unknown panel.
    [[nodiscard]] QString PanelText(const QString& key) const;
    void setPanelText(const QString& key, const QString& text);

private:
    [[nodiscard]] QLabel* panel(const QString& key) const;

    std::vector<std::pair<QString, QLabel*>> m_panels; // the labels are owned by this widget
};

} // namespace controls
