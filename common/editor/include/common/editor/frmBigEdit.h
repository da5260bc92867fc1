#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace orvik::common::editor {

/// Edits one user text beside the standard text it replaces. At most 150 characters, no double quote
/// (the text database's texts are spliced into messages and files that quote with it).
class frmBigEdit : public QDialog {
public:
    static constexpr int MaxLength = 150;

    explicit frmBigEdit(QWidget* parent = nullptr);

    void setStandardText(const QString& text);
    [[nodiscard]] QString SelfDefineText() const;
    void setSelfDefineText(const QString& text);
    /// True when the user closed the window with OK.
    [[nodiscard]] bool Take() const { return m_take; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_lblStandard;
    QLabel* m_lblSelfDefine;
    QPlainTextEdit* m_txtStandard;
    QLineEdit* m_txtSelfDefine;
    QPushButton* m_cmdOk;
    QPushButton* m_cmdAbbrechen;
    bool m_take = false;
};

} // namespace orvik::common::editor
