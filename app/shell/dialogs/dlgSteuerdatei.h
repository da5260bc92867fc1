#pragma once

#include <QDialog>
#include <memory>

class QCheckBox;
class QLineEdit;

namespace orvik::objects {
class Material;
}

namespace platform::qt {
class MessageBoxes;
}

namespace shell::contract {
class DialogLanguage;
}

namespace shell::dialogs {

/// Asks how the supplier addresses of the current steel go into a delimited file: the file (chosen
/// by the main window beforehand), the separator and whether the first line names the columns; "Ok"
/// has the steel write the file (quoted where needed, UTF-8, replaced only when complete). The
/// separator and the header choice are kept for the next export. "Abbrechen" writes nothing.
class dlgSteuerdatei : public QDialog {
    Q_OBJECT

public:
    dlgSteuerdatei(QWidget* parent, contract::DialogLanguage* language, platform::qt::MessageBoxes* messages,
                   std::shared_ptr<orvik::objects::Material> WerkstoffObject, const QString& filename);

    [[nodiscard]] QLineEdit& file() const { return *m_file; }
    [[nodiscard]] QLineEdit& splitter() const { return *m_splitter; }
    [[nodiscard]] QCheckBox& header() const { return *m_header; }

    void cmdOk_Click();
    void cmdAbbrechen_Click() { reject(); }

private:
    contract::DialogLanguage* m_language;
    platform::qt::MessageBoxes* m_messages;
    std::shared_ptr<orvik::objects::Material> m_material;
    QLineEdit* m_file;
    QLineEdit* m_splitter;
    QCheckBox* m_header;
};

} // namespace shell::dialogs
