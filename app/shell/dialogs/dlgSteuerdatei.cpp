#include "dlgSteuerdatei.h"

#include "DialogSupport.h"
#include "objects/Material.h"
#include "platform/qt/MessageBoxes.h"
#include "shell/contract/DialogLanguage.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace shell::dialogs {

namespace {

constexpr auto Section = "SupplierExport";

QString missingText(std::int32_t language, bool file) {
    switch (language) {
    case 0:
        return file ? QStringLiteral("Bitte geben Sie eine Datei an.")
                    : QStringLiteral("Bitte geben Sie ein Trennzeichen an.");
    case 1:
        return file ? QStringLiteral("Veuillez indiquer un fichier.")
                    : QStringLiteral("Veuillez indiquer un séparateur.");
    default:
        return file ? QStringLiteral("Please give a file.") : QStringLiteral("Please give a separator.");
    }
}

} // namespace

dlgSteuerdatei::dlgSteuerdatei(QWidget* parent, contract::DialogLanguage* language,
                               platform::qt::MessageBoxes* messages,
                               std::shared_ptr<orvik::objects::Material> WerkstoffObject,
                               const QString& filename)
    : QDialog(parent), m_language(language), m_messages(messages), m_material(std::move(WerkstoffObject)) {
    setObjectName(QStringLiteral("dlgSteuerdatei"));
    setWindowTitle(QStringLiteral("Firmenadresse in Steuerdatei speichern"));
    auto* layout = new QGridLayout(this);
    const char* const labels[] = {"Datei", "Trennzeichen"};
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(QString::fromLatin1(labels[i]), this);
        nameControl(*label, "lblSteuerdatei", i);
        layout->addWidget(label, i, 0);
    }
    m_file = new QLineEdit(filename, this);
    nameControl(*m_file, "txtFile");
    m_file->setMinimumWidth(360);
    layout->addWidget(m_file, 0, 1, 1, 2);
    m_splitter = new QLineEdit(storedSetting(Section, "Separator", QStringLiteral(";")), this);
    nameControl(*m_splitter, "txtSplitter");
    layout->addWidget(m_splitter, 1, 1);
    // The box owns its text: a click on the text ticks it.
    m_header = new QCheckBox(QStringLiteral("Erste Zeile enthält Spaltenbezeichnung"), this);
    nameControl(*m_header, "chkHeader");
    m_header->setChecked(storedSetting(Section, "Header", QStringLiteral("0")) == QStringLiteral("1"));
    layout->addWidget(m_header, 2, 1, 1, 2);
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    nameControl(*ok, "cmdOk");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
    nameControl(*cancel, "cmdAbbrechen");
    // The desktop's order and sizes of the two buttons; Ok checks the fields before it closes.
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    layout->addWidget(buttons, 3, 0, 1, 3);
    connect(ok, &QPushButton::clicked, this, &dlgSteuerdatei::cmdOk_Click);
    connect(cancel, &QPushButton::clicked, this, &dlgSteuerdatei::cmdAbbrechen_Click);
    adjustCaptions(m_language, *this);
}

void dlgSteuerdatei::cmdOk_Click() {
    const auto file = m_file->text().trimmed();
    const auto separator = m_splitter->text();
    if (file.isEmpty() || separator.isEmpty()) {
        if (m_messages != nullptr) {
            m_messages->show(this, missingText(m_language ? m_language->Language() : 0, file.isEmpty()),
                             programTitle(), platform::qt::MessageBoxes::Icon::Exclamation,
                             platform::qt::MessageBoxes::Buttons::Ok);
        }
        return;
    }
    storeSetting(Section, "Separator", separator);
    storeSetting(Section, "Header", m_header->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    if (m_material) {
        // A failure reaches the user through the steel's Error event, which the main window shows.
        m_material->ExportSuppliers(file.toStdString(), separator.toStdString(), m_header->isChecked());
    }
    accept();
}

} // namespace shell::dialogs
