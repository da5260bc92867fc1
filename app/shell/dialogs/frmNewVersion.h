#pragma once

#include "DialogSupport.h"

#include <QDialog>

class QLabel;

namespace platform::qt {
class MessageBoxes;
}

namespace shell::dialogs {

/// The notice that a newer edition exists, with the link to the page about it, in the user's
/// language (French users get the English page). Modal; made by the start counter when it is due.
class frmNewVersion : public QDialog {
    Q_OBJECT

public:
    /// `language` 0 German, 1 French, any other English.
    frmNewVersion(QWidget* parent, contract::DialogLanguage* language, std::int32_t languageNumber,
                  platform::qt::MessageBoxes& messages, UrlOpener open = {});

    [[nodiscard]] QString message() const;
    [[nodiscard]] QString link() const { return m_address; }

    void lblLink_Click();

private:
    platform::qt::MessageBoxes& m_messages;
    UrlOpener m_open;
    QLabel* m_message;
    QString m_address;
};

} // namespace shell::dialogs
