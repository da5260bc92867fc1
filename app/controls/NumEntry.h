#pragma once

#include "NumEntryValidator.h"

#include <QColor>
#include <QLineEdit>
#include <optional>

namespace controls {

/// The entry field for numbers that the composition grid, the fuzzy search dialog and the property
/// search place on their windows, often over grid cells. It takes only what its settings allow (see
/// NumEntryValidator) with the user's decimal separator, so a typed or pasted character beyond them
/// is refused. The settings are fixed when the window is built; the value is read and written as
/// text. Owned by its parent widget.
///
/// Enter arrives as KeyDown for the owner to act on. Tab moves the focus as in any field, unless the
/// owner handles it (an editor over grid cells moves to the next cell): then it arrives as KeyDown.
class NumEntry : public QLineEdit {
    Q_OBJECT
    // The design-time settings under the names the windows give them.
    Q_PROPERTY(int frontnumbers READ frontNumbers WRITE setFrontNumbers)
    Q_PROPERTY(int backnumbers READ backNumbers WRITE setBackNumbers)
    Q_PROPERTY(double max READ max WRITE setMax)
    Q_PROPERTY(int alignment READ alignmentCode WRITE setAlignmentCode)
    Q_PROPERTY(bool formatenabled READ formatEnabled WRITE setFormatEnabled)
    Q_PROPERTY(bool allownegativ READ allowNegative WRITE setAllowNegative)

public:
    /// The decimal separator is the user's (platform::UserLocale) unless set.
    explicit NumEntry(QWidget* parent = nullptr);

    // Settings fixed when the window is built
    [[nodiscard]] int frontNumbers() const { return m_validator->settings().front; }
    void setFrontNumbers(int digits);
    [[nodiscard]] int backNumbers() const { return m_validator->settings().back; }
    void setBackNumbers(int digits);
    [[nodiscard]] double max() const { return m_validator->settings().max; }
    void setMax(double max);
    [[nodiscard]] bool allowNegative() const { return m_validator->settings().allowNegative; }
    void setAllowNegative(bool allow);
    /// 0 left, 1 right, 2 centre.
    [[nodiscard]] int alignmentCode() const { return m_alignment; }
    void setAlignmentCode(int code);
    /// When on, a number is tidied as the field is left: "007,50" shows as "7,50", "12," as "12",
    /// ",5" as "0,5".
    [[nodiscard]] bool formatEnabled() const { return m_formatEnabled; }
    void setFormatEnabled(bool enabled) { m_formatEnabled = enabled; }
    [[nodiscard]] QString decimalSeparator() const { return m_validator->settings().decimalSeparator; }
    void setDecimalSeparator(const QString& separator);
    [[nodiscard]] bool ownerHandlesTab() const { return m_ownerHandlesTab; }
    void setOwnerHandlesTab(bool handles) { m_ownerHandlesTab = handles; }

    // The value
    /// Writing a text the settings refuse empties the field; "" empties it too.
    void setEntryText(const QString& text);
    /// The number shown; none for an empty field or a lone "-".
    [[nodiscard]] std::optional<double> value() const;
    /// Shows the number with at most backNumbers decimals and the field's separator.
    void setValue(double value);

    [[nodiscard]] int SelStart() const;
    void setSelStart(int start);
    [[nodiscard]] int SelLength() const { return static_cast<int>(selectedText().size()); }
    void setSelLength(int length);

    [[nodiscard]] QColor BackColor() const;
    void setBackColor(const QColor& color);

signals:
    void GotFocus();
    void LostFocus();
    /// Key codes and shift states as in KeyCodes.h.
    void KeyDown(int keyCode, int shift);
    /// Before the focus leaves: setting cancel keeps it here, and LostFocus is not raised.
    void Validate(bool& cancel);
    /// The user changed the text.
    void Change();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void changeSettings(const std::function<void(NumEntryValidator::Settings&)>& change);
    [[nodiscard]] QString formatted(const QString& text) const;

    NumEntryValidator* m_validator = nullptr; // owned by this widget
    int m_alignment = 0;
    bool m_formatEnabled = false;
    bool m_ownerHandlesTab = false;
};

} // namespace controls
