#include "dlgInfo.h"

#include "common/VersionText.h"
#include "common/editor/WindowHelper.h"
#include "platform/qt/MessageBoxes.h"
#include "shell/contract/DialogLanguage.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell::dialogs {

namespace {

// The product lines of the box, the last one the publisher's address (index 10).
const char* const ProductLines[] = {"Graukant 2007", "Le référentiel des aciers 2007",
                                    "The steel reference 2007", "Der Stahlschlüssel 2007"};
constexpr int AddressIndex = 10;

} // namespace

dlgInfo::dlgInfo(QWidget* parent, contract::DialogLanguage* language, platform::qt::MessageBoxes& messages,
                 Version version, UrlOpener open)
    : QDialog(parent), m_language(language), m_messages(messages), m_open(std::move(open)) {
    setObjectName(QStringLiteral("dlgInfo"));
    setWindowTitle(QStringLiteral("Info"));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(programTitle(), this);
    nameControl(*name, "lblName");
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    layout->addWidget(name);
    m_version =
        new QLabel(QStringLiteral("Version ") + QString::fromStdString(orvik::common::VersionText::format(
                                                    version.major, version.minor, version.revision)),
                   this);
    nameControl(*m_version, "lblVersion");
    layout->addWidget(m_version);
    int index = 0;
    for (const auto* line : ProductLines) {
        auto* label = new QLabel(QString::fromUtf8(line), this);
        nameControl(*label, "lblAnzeige", index++);
        layout->addWidget(label);
    }
    m_address = new QLabel(QString::fromLatin1(PublisherSite), this);
    nameControl(*m_address, "lblAnzeige", AddressIndex);
    m_address->setTextFormat(Qt::RichText);
    m_address->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(QString::fromLatin1(PublisherSite)));
    connect(m_address, &QLabel::linkActivated, this, [this] { lblAnzeige_Click(AddressIndex); });
    layout->addWidget(m_address);
    auto* sysinfo = new QPushButton(QStringLiteral("&Systeminfo"), this);
    nameControl(*sysinfo, "cmdSysinfo");
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    nameControl(*ok, "cmdOk");
    ok->setDefault(true);
    layout->addWidget(sysinfo);
    layout->addWidget(ok);
    connect(sysinfo, &QPushButton::clicked, this, &dlgInfo::cmdSysinfo_Click);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    adjustCaptions(m_language, *this);
}

QString dlgInfo::versionText() const {
    return m_version->text();
}

QString dlgInfo::address() const {
    return QString::fromLatin1(PublisherSite);
}

void dlgInfo::lblAnzeige_Click(int index) {
    if (index == AddressIndex) {
        orvik::common::editor::WindowHelper::StartHTML(address(), m_messages, m_open);
    }
}

// The system-information tool of the old platform does not exist here: the user is offered the
// publisher's page about it, in German for German users and in English for everyone else.
void dlgInfo::cmdSysinfo_Click() {
    const bool german = m_language != nullptr && m_language->Language() == 0;
    const auto page =
        address() + (german ? QStringLiteral("/r_sysinfo_g.htm") : QStringLiteral("/r_sysinfo_e.htm"));
    const auto text =
        german ? QStringLiteral(
                     "Das Sysinfo Tool steht nicht zur Verfügung. Es kann jedoch unter %1 downgeloadet "
                     "werden!\n\nJetzt downloaden?")
                     .arg(page)
               : QStringLiteral(
                     "The Sysinfo tool isn't available. You can download it from %1!\n\nDownload now?")
                     .arg(page);
    using Messages = platform::qt::MessageBoxes;
    // No is the default: Enter does not send the user to the browser.
    if (m_messages.show(this, text, programTitle(), Messages::Icon::Information, Messages::Buttons::YesNo,
                        Messages::Answer::No) == Messages::Answer::Yes) {
        orvik::common::editor::WindowHelper::StartHTML(page, m_messages, m_open);
    }
}

} // namespace shell::dialogs
