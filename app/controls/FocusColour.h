#pragma once

#include <QColor>
#include <QObject>

class QWidget;

namespace controls {

/// Lights an editor light yellow while it has the focus, and while the list of a drop-down list is
/// open, and white again when the editor is left. Owned by the editor it watches.
class FocusColour : public QObject {
    Q_OBJECT

public:
    /// The colour of a focused editor.
    [[nodiscard]] static QColor lit();
    /// Watches the editor from now on.
    static void attach(QWidget& editor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FocusColour(QWidget& editor);
};

} // namespace controls
