#pragma once

#include "DialogSupport.h"

#include <QDialog>

class QLabel;

namespace platform::qt {
class MessageBoxes;
}

namespace shell::dialogs {

/// The about box: product name and version, the publisher's web address that opens in the browser
/// when clicked, and the system information, which on this platform is the publisher's page about
/// it. Modal; made per opening.
class dlgInfo : public QDialog {
    Q_OBJECT

public:
    struct Version {
        int major = 0;
        int minor = 0;
        int revision = 0;
    };

    dlgInfo(QWidget* parent, contract::DialogLanguage* language, platform::qt::MessageBoxes& messages,
            Version version, UrlOpener open = {});

    /// "Version " and the version as "5.01.0000".
    [[nodiscard]] QString versionText() const;
    [[nodiscard]] QString address() const;

    void lblAnzeige_Click(int index);
    void cmdSysinfo_Click();

private:
    contract::DialogLanguage* m_language;
    platform::qt::MessageBoxes& m_messages;
    UrlOpener m_open;
    QLabel* m_version;
    QLabel* m_address;
};

} // namespace shell::dialogs
