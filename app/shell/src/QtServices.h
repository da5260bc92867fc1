#pragma once

#include "QtPlatform.h"
#include "shell/contract/ErrorWindow.h"
#include "shell/contract/FileDialogs.h"
#include "shell/contract/HelpViewer.h"

#include <QUrl>
#include <functional>
#include <memory>

class QFileDialog;

namespace orvik::common {
class cls_Language;
}

namespace shell {

/// The real file dialogs of Qt.
class QtFileDialogs final : public contract::FileDialogs {
public:
    QString saveFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter,
                         const QString& defaultSuffix) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) override;
    QString folder(QWidget* parent, const QString& title, const QString& start) override;

private:
    /// Shows the dialog with its list in the program's language; the file chosen, empty when none.
    static QString chosen(QFileDialog& dialog);
};

/// The help pages of the current language in the desktop's browser, at the section of the context
/// number. `helpFile` gives the page at each call (it follows the language); `open` opens an address (by
/// default the desktop's handler; a test records it).
class DesktopHelp final : public contract::HelpViewer {
public:
    using HelpFile = std::function<QString()>;
    using Open = std::function<bool(const QUrl&)>;

    explicit DesktopHelp(HelpFile helpFile, Open open = {});
    void showHelp(int contextId) override;
    /// The address of a context: the page with the number as its anchor; the contents for 0.
    [[nodiscard]] static QUrl address(const QString& helpFile, int contextId);

private:
    HelpFile m_helpFile;
    Open m_open;
};

/// The error window shown modally over the main window, its captions from the text service.
class QtErrorWindow final : public contract::ErrorWindow {
public:
    using Versions = std::function<std::pair<QString, QString>()>;

    QtErrorWindow(std::function<orvik::common::cls_Language*()> language, contract::FileDialogs* fileDialogs,
                  MessageBoxes* messages, Versions versions);
    void ShowErrorForm(QWidget* parent, const QString& modul, const QString& procedure, std::int32_t number,
                       const QString& description) override;

private:
    std::function<orvik::common::cls_Language*()> m_language;
    contract::FileDialogs* m_fileDialogs;
    MessageBoxes* m_messages;
    Versions m_versions;
};

} // namespace shell
