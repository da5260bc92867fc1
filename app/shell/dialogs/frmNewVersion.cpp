#include "frmNewVersion.h"

#include "common/editor/WindowHelper.h"
#include "platform/qt/MessageBoxes.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell::dialogs {

frmNewVersion::frmNewVersion(QWidget* parent, contract::DialogLanguage* language, std::int32_t languageNumber,
                             platform::qt::MessageBoxes& messages, UrlOpener open)
    : QDialog(parent), m_messages(messages), m_open(std::move(open)) {
    setObjectName(QStringLiteral("frmNewVersion"));
    auto* layout = new QVBoxLayout(this);
    m_message = new QLabel(this);
    nameControl(*m_message, "lblMeldung");
    m_message->setWordWrap(true);
    layout->addWidget(m_message);
    auto* linkLabel = new QLabel(this);
    nameControl(*linkLabel, "lblLink");
    layout->addWidget(linkLabel);
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    nameControl(*ok, "cmdOk");
    ok->setDefault(true);
    layout->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(linkLabel, &QLabel::linkActivated, this, &frmNewVersion::lblLink_Click);
    adjustCaptions(language, *this);

    setWindowTitle(programTitle());
    switch (languageNumber) {
    case 0:
        m_message->setText(QStringLiteral("Sie arbeiten nicht mit der aktuellsten Version des Graukants. "
                                          "Informationen zur aktuellen Auflage erhalten Sie unter:"));
        break;
    case 1:
        m_message->setText(
            QStringLiteral("Vous ne travaillez pas avec l'édition du Graukant la plus récente. "
                           "Informations de l'édition actuelle vous recevez à:"));
        break;
    default:
        m_message->setText(
            QStringLiteral("You are not working with the latest edition of Graukant. Information "
                           "on the actual edition you receive at:"));
        break;
    }
    m_address = QString::fromLatin1(PublisherSite) +
                (languageNumber == 0 ? QStringLiteral("/Update_g.htm") : QStringLiteral("/Update_e.htm"));
    linkLabel->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(m_address));
}

QString frmNewVersion::message() const {
    return m_message->text();
}

void frmNewVersion::lblLink_Click() {
    orvik::common::editor::WindowHelper::StartHTML(m_address, m_messages, m_open);
}

} // namespace shell::dialogs
