#pragma once

#include <QObject>
#include <QString>

class QComboBox;

namespace display {

/// Type-ahead completion on a drop-down list: the characters typed are matched against the start of
/// the entries (without regard to case) and the first entry that matches is chosen, its not yet typed
/// tail shown selected, so that typing on narrows the match. A character that continues no entry changes
/// nothing but is remembered; the next one is appended to the part that matched. What was typed is forgotten
/// when the user picks an entry by mouse or arrow keys and when the list gets the focus. Delete is swallowed;
/// Enter repeats the last match, and does nothing when nothing was typed. Home and End choose the first
/// and the last entry.
///
/// Attached to one combo box, whose child it becomes (it lives as long as the combo). The combo gets
/// a read-only text field to show the selected tail; a click on it opens the list.
class SpecialCombo : public QObject {
    Q_OBJECT

public:
    explicit SpecialCombo(QComboBox& combo);

    [[nodiscard]] const QString& TypedText() const noexcept { return m_typed; }

signals:
    /// The completion chose an entry (as a user's pick would).
    void chosen(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool clickOnText(const QEvent& event);
    void findAndSelect(const QString& text);
    void chooseEnd(int index);
    void forget();

    QComboBox& m_combo;
    QString m_typed;
    int m_matched = 0; // characters of the current entry's text that the last match covered
    int m_chosen = -1; // the entry the last match chose
};

} // namespace display
