#pragma once

#include "shell/contract/DialogLanguage.h"
#include "shell/contract/Panels.h"

class QPlainTextEdit;

namespace display {

/// The free descriptive text of the steel shown, in one read-only box (`txtInfo`) that fills the
/// panel; the main window puts the text in.
class uctlInfo : public shell::contract::InfoPanel {
    Q_OBJECT

public:
    explicit uctlInfo(QWidget* parent = nullptr);
    ~uctlInfo() override;

    /// Replaces the whole text; CR LF line ends show as line breaks.
    void setText(const QString& text) override;
    [[nodiscard]] QString shownText() const;

private:
    QPlainTextEdit* m_text = nullptr; // owned by this panel
};

} // namespace display
