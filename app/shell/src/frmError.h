#pragma once

#include "QtPlatform.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>

class QLineEdit;
class QPlainTextEdit;

namespace shell::contract {
class FileDialogs;
}

namespace shell {

/// The error window: module, procedure, number and description of one failure, and a button that saves
/// them with the program's versions as a text report. Button captions follow the language (0 German,
/// 1 French, else English); the text service may replace them. Made per error and shown modally.
class frmError : public QDialog {
    Q_OBJECT

public:
    /// The versions of the object model and the data service, asked when the report is saved.
    using Versions = std::function<std::pair<QString, QString>()>;

    /// `messages` tells the user why a report could not be written (nothing is said without one).
    frmError(std::int32_t language, contract::FileDialogs* fileDialogs, MessageBoxes* messages,
             Versions versions, QWidget* parent = nullptr);

    void setModul(const QString& modul);
    /// The name as the system spells it.
    void setProdedure(const QString& procedure);
    void setNumber(std::int32_t number);
    void setDescription(const QString& description);
    [[nodiscard]] QString field(int index) const;

    /// Asks for the file, starting in the folder the program writes into, and writes the report; a
    /// cancelled dialog writes nothing, a file that cannot be written is reported with the reason.
    void saveReport();

private:
    std::int32_t m_language;
    std::array<QLineEdit*, 3> m_fields{};    // modul, procedure, number; owned by the dialog
    QPlainTextEdit* m_description = nullptr; // owned by the dialog
    contract::FileDialogs* m_fileDialogs;
    MessageBoxes* m_messages;
    Versions m_versions;
};

} // namespace shell
