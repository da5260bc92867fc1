#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

class QPushButton;
class QTableView;

namespace platform {
class CallError;
}
namespace platform::qt {
class MessageBoxes;
}

namespace orvik::common::editor {

class LanguageEditorData;
class LanguageEditorModel;
class frmBigEdit;

/// The editor of user-defined texts: every caption and message of the text database in the language
/// shown, beside the user's own text, which the user edits row by row in frmBigEdit and stores with
/// "&Übernehmen". The data and the message boxes are passed in and must outlive the window.
class frmLanguageSetting : public QDialog {
public:
    frmLanguageSetting(LanguageEditorData& texts, platform::qt::MessageBoxes& messages,
                       QWidget* parent = nullptr);
    ~frmLanguageSetting() override;

    [[nodiscard]] std::int32_t Language() const { return m_language; }
    void setLanguage(std::int32_t language) { m_language = language; }
    void setDbPath(const std::string& folder);
    void setDbName(const std::string& name) { m_dbName = name; }
    void setBigEdit(frmBigEdit* bigEdit) { m_bigEdit = bigEdit; }
    /// Opens the data and fills the rows; call after the setters, before showing the window.
    void init_dlg();

    /// Entering a cell as a click or Enter does: column 0 moves on to column 1; any other cell marks
    /// its row and opens it in the edit window.
    void enterCell(int row, int column);
    /// "&Übernehmen": stores the user's text of every row that was opened, as one transaction.
    /// Returns true when it was stored and the window closed.
    bool save();

    [[nodiscard]] QTableView& grid() const { return *m_flx; }
    [[nodiscard]] LanguageEditorModel& rows() const { return *m_rows; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showFailure(const platform::CallError& error);
    void layOutColumns();
    void closeData() noexcept;

    LanguageEditorData& m_data;
    platform::qt::MessageBoxes& m_messages;
    LanguageEditorModel* m_rows;
    QTableView* m_flx;
    QPushButton* m_cmdUebernehmen;
    QPushButton* m_cmdAbbrechen;
    frmBigEdit* m_bigEdit = nullptr;
    std::int32_t m_language = 0;
    std::string m_dbPath;
    std::string m_dbName = "Language.mdb";
    bool m_open = false;
};

/// The text of a failure message of the editor.
[[nodiscard]] QString errorText(const std::string& description, std::int32_t number,
                                const std::string& source);

} // namespace orvik::common::editor
