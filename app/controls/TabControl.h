#pragma once

#include <QTabWidget>

namespace controls {

/// A tab control whose tabs are addressed by position from 0. Click tells the window which tab was
/// shown before, whether the user or the window changed it. The text service sets the tab captions
/// by position. Owned by its parent widget.
class TabControl : public QTabWidget {
    Q_OBJECT

public:
    explicit TabControl(QWidget* parent = nullptr);

    [[nodiscard]] int Tab() const { return currentIndex(); }
    void setTab(int tab) { setCurrentIndex(tab); }
    [[nodiscard]] int Tabs() const { return count(); }
    [[nodiscard]] QString TabCaption(int tab) const { return tabText(tab); }
    void setTabCaption(int tab, const QString& caption) { setTabText(tab, caption); }

signals:
    void Click(int previousTab);

private:
    int m_previous = -1;
};

} // namespace controls
