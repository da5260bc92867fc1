#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace platform::qt {
class MessageBoxes;
}

namespace shell::contract {
class DialogLanguage;
class FileDialogs;
} // namespace shell::contract

namespace shell::dialogs {

/// The options: the user's settings as check boxes and the database folder, read from the settings
/// when the dialog is made and written back by "Ok". A folder that holds no database is refused with
/// a message naming the missing files, and the dialog stays open. The main window makes one per
/// opening, shows it modally and reads what changed.
class dlgOptionen : public QDialog {
    Q_OBJECT

public:
    dlgOptionen(QWidget* parent, contract::DialogLanguage* language, platform::qt::MessageBoxes* messages,
                contract::FileDialogs* files);

    /// True when the stored suppression of national EN designations differs from its value at load.
    [[nodiscard]] bool HasEnSuppressChanged() const;
    /// True when "Ok" stored another database folder.
    [[nodiscard]] bool DatabasePathChanged() const noexcept { return m_pathChanged; }

    void cmdOk_Click();
    void cmdAbbrechen_Click();
    void cmdDBSuchen_Click();

signals:
    /// Raised by "Ok" when the kind of element entry changed.
    void ElementInputVariantChanged();

private:
    void load();

    contract::DialogLanguage* m_language;
    platform::qt::MessageBoxes* m_messages;
    contract::FileDialogs* m_files;
    QCheckBox* m_activate;
    QCheckBox* m_adjust;
    QCheckBox* m_exitQuery;
    QCheckBox* m_directSearch;
    QCheckBox* m_suppress;
    QCheckBox* m_elementDirect;
    QLineEdit* m_path;
    bool m_suppressAtLoad = false;
    bool m_pathChanged = false;
};

} // namespace shell::dialogs
