#include "QtServices.h"

#include "BusyCursor.h"
#include "FileListTexts.h"
#include "common/cls_Language.h"
#include "frmError.h"
#include "shell/contract/Captions.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>

namespace shell {

QString QtFileDialogs::saveFileName(QWidget* parent, const QString& title, const QString& folder,
                                    const QString& filter, const QString& defaultSuffix) {
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    return chosen(dialog);
}

QString QtFileDialogs::openFileName(QWidget* parent, const QString& title, const QString& folder,
                                    const QString& filter) {
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosen(dialog);
}

QString QtFileDialogs::folder(QWidget* parent, const QString& title, const QString& start) {
    QFileDialog dialog(parent, title, start);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    return chosen(dialog);
}

QString QtFileDialogs::chosen(QFileDialog& dialog) {
    FileListTexts::use(dialog);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
}

DesktopHelp::DesktopHelp(HelpFile helpFile, Open open)
    : m_helpFile(std::move(helpFile)), m_open(std::move(open)) {
    if (!m_open) {
        m_open = [](const QUrl& url) {
            return QDesktopServices::openUrl(url);
        };
    }
}

QUrl DesktopHelp::address(const QString& helpFile, int contextId) {
    QUrl url = QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath());
    url.setFragment(QString::number(contextId < 0 ? 0 : contextId));
    return url;
}

void DesktopHelp::showHelp(int contextId) {
    if (m_helpFile) {
        m_open(address(m_helpFile(), contextId));
    }
}

QtErrorWindow::QtErrorWindow(std::function<orvik::common::cls_Language*()> language,
                             contract::FileDialogs* fileDialogs, MessageBoxes* messages, Versions versions)
    : m_language(std::move(language)), m_fileDialogs(fileDialogs), m_messages(messages),
      m_versions(std::move(versions)) {}

void QtErrorWindow::ShowErrorForm(QWidget* parent, const QString& modul, const QString& procedure,
                                  std::int32_t number, const QString& description) {
    BusyCursor::restoreAll();
    orvik::common::cls_Language* language = m_language ? m_language() : nullptr;
    frmError window(language != nullptr ? language->Language() : 2, m_fileDialogs, m_messages, m_versions,
                    parent);
    contract::adjustCaptions(language, window);
    window.setModul(modul);
    window.setProdedure(procedure);
    window.setNumber(number);
    window.setDescription(description);
    window.exec();
}

} // namespace shell
