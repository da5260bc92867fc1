#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace controls {
class NumEntry;
}
namespace shell::contract {
class DialogLanguage;
}

namespace composition {

/// The small modal window in which the user gives the two parameters of a fuzzy composition search:
/// the wanted number of analyses and the largest tolerance in per cent. The composition search panel
/// makes one per fuzzy search, puts its kept texts in, shows it and reads them back when Confirmed.
/// Closing it any other way than by OK leaves Confirmed false.
class DlgFuzzyPara : public QDialog {
    Q_OBJECT

public:
    /// The captions come from the relay's text service when it is given.
    explicit DlgFuzzyPara(shell::contract::DialogLanguage* language = nullptr, QWidget* parent = nullptr);

    /// True when the window was closed with OK.
    bool Confirmed = false;

    [[nodiscard]] QString countText() const;
    void setCountText(const QString& text);
    [[nodiscard]] QString maxToleranceText() const;
    void setMaxToleranceText(const QString& text);

private:
    void layoutDialog(QLabel& hits, QLabel& maxTol);

    controls::NumEntry* m_count = nullptr;  // owned by this window
    controls::NumEntry* m_maxTol = nullptr; // owned by this window
    QPushButton* m_ok = nullptr;            // owned by this window
    QPushButton* m_cancel = nullptr;        // owned by this window
};

} // namespace composition
