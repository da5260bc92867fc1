#include "dlgOptionen.h"

#include "DialogSupport.h"
#include "common/Helper.h"
#include "common/ProgrammSettings.h"
#include "platform/qt/MessageBoxes.h"
#include "shell/contract/DialogLanguage.h"
#include "shell/contract/FileDialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <filesystem>

namespace shell::dialogs {

namespace {

using orvik::common::ProgrammSettings;

// The database files the connection opens from the folder.
constexpr const char* DatabaseFiles[] = {"Graukant.MDB", "Filter.mdb"};

QString missingText(std::int32_t language, const QString& folder, const QStringList& missing) {
    const auto files = missing.join(QStringLiteral(", "));
    switch (language) {
    case 0:
        return QStringLiteral("Im Ordner %1 liegt keine Datenbank. Es fehlen: %2").arg(folder, files);
    case 1:
        return QStringLiteral("Le dossier %1 ne contient pas de base de données. Il manque : %2")
            .arg(folder, files);
    default:
        return QStringLiteral("The folder %1 holds no database. Missing: %2").arg(folder, files);
    }
}

QStringList missingFiles(const QString& folder) {
    QStringList missing;
    for (const auto* file : DatabaseFiles) {
        if (!std::filesystem::is_regular_file(std::filesystem::path(folder.toStdString()) / file)) {
            missing.push_back(QString::fromLatin1(file));
        }
    }
    return missing;
}

QCheckBox* check(QWidget* parent, const char* name, const QString& text) {
    auto* box = new QCheckBox(text, parent);
    nameControl(*box, name);
    return box;
}

} // namespace

dlgOptionen::dlgOptionen(QWidget* parent, contract::DialogLanguage* language,
                         platform::qt::MessageBoxes* messages, contract::FileDialogs* files)
    : QDialog(parent), m_language(language), m_messages(messages), m_files(files) {
    setObjectName(QStringLiteral("dlgOptionen"));
    setWindowTitle(QStringLiteral("Einstellungen"));
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("SSTab1"));

    auto* general = new QWidget(tabs);
    auto* generalLayout = new QVBoxLayout(general);
    auto* start = new QGroupBox(QStringLiteral(" Beim Starten "), general);
    nameControl(*start, "fraStarten");
    m_activate =
        check(start, "chkLetztenStahlAktivieren", QStringLiteral("Zuletzt gewählten Stahl aktivieren"));
    m_adjust = check(start, "chkMaskenAnpassen", QStringLiteral("Masken an Bildschirmgröße anpassen"));
    auto* startLayout = new QVBoxLayout(start);
    startLayout->addWidget(m_activate);
    startLayout->addWidget(m_adjust);
    auto* end = new QGroupBox(QStringLiteral(" Beim Programmende "), general);
    nameControl(*end, "Frame2");
    m_exitQuery = check(end, "chkProgrammende", QStringLiteral("Beim Beenden nachfragen"));
    (new QVBoxLayout(end))->addWidget(m_exitQuery);
    auto* selection = new QGroupBox(QStringLiteral(" Auswahl "), general);
    nameControl(*selection, "fraAuswahl");
    m_directSearch =
        check(selection, "chkDirektsuche", QStringLiteral("Stahlbezeichnung direkt bei Eingabe suchen"));
    m_suppress = check(selection, "chkSuppressNationalEnDesignations",
                       QStringLiteral("Nationale EN-Bezeichnungen in der Auswahlliste unterdrücken"));
    auto* selectionLayout = new QVBoxLayout(selection);
    selectionLayout->addWidget(m_directSearch);
    selectionLayout->addWidget(m_suppress);
    auto* analysis = new QGroupBox(QStringLiteral("Analyse"), general);
    nameControl(*analysis, "fraAnalyseSuche");
    m_elementDirect = check(analysis, "chkElementDirekt", QStringLiteral("Direkte Eingabe"));
    (new QVBoxLayout(analysis))->addWidget(m_elementDirect);
    for (auto* frame : {start, end, selection, analysis}) {
        generalLayout->addWidget(frame);
    }
    tabs->addTab(general, QStringLiteral("Allgemein"));

    auto* installation = new QWidget(tabs);
    auto* paths = new QGroupBox(QStringLiteral(" Pfade "), installation);
    nameControl(*paths, "Frame1");
    auto* label = new QLabel(QStringLiteral("Datenbanken"), paths);
    nameControl(*label, "lblEinstellungen", 6);
    m_path = new QLineEdit(paths);
    nameControl(*m_path, "txtPfade", 0);
    auto* browse = new QPushButton(QStringLiteral("Suchen"), paths);
    nameControl(*browse, "cmdDBSuchen");
    auto* pathLayout = new QGridLayout(paths);
    pathLayout->addWidget(label, 0, 0);
    pathLayout->addWidget(m_path, 1, 0);
    pathLayout->addWidget(browse, 1, 1);
    auto* installationLayout = new QVBoxLayout(installation);
    installationLayout->addWidget(paths);
    installationLayout->addStretch();
    tabs->addTab(installation, QStringLiteral("Installation"));

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    nameControl(*ok, "cmdOk");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Abbrechen"), this);
    nameControl(*cancel, "cmdAbbrechen");
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);

    connect(ok, &QPushButton::clicked, this, &dlgOptionen::cmdOk_Click);
    connect(cancel, &QPushButton::clicked, this, &dlgOptionen::cmdAbbrechen_Click);
    connect(browse, &QPushButton::clicked, this, &dlgOptionen::cmdDBSuchen_Click);
    adjustCaptions(m_language, *this);
    load();
}

void dlgOptionen::load() {
    const ProgrammSettings settings;
    m_path->setText(QString::fromStdString(settings.Datenbankpfad()));
    m_activate->setChecked(settings.StahlAktivieren() != 0);
    m_adjust->setChecked(settings.AdjustFormSize());
    m_exitQuery->setChecked(settings.EndeBestaetigen() != 0);
    m_directSearch->setChecked(settings.DirektSuche() != 0);
    m_suppress->setChecked(settings.SuppressNationalEnDesignations());
    m_elementDirect->setChecked(settings.DirectElementInput());
    m_suppressAtLoad = settings.SuppressNationalEnDesignations();
}

bool dlgOptionen::HasEnSuppressChanged() const {
    return ProgrammSettings().SuppressNationalEnDesignations() != m_suppressAtLoad;
}

void dlgOptionen::cmdDBSuchen_Click() {
    if (m_files == nullptr) {
        return;
    }
    const auto chosen =
        m_files->folder(this, QStringLiteral("Graukant.MDB / Filter.mdb"), m_path->text().trimmed());
    if (!chosen.trimmed().isEmpty()) {
        m_path->setText(chosen.trimmed());
    }
}

void dlgOptionen::cmdOk_Click() {
    ProgrammSettings settings;
    // A stray blank would break the path; an empty field keeps the stored one.
    const auto path = m_path->text().trimmed();
    if (!path.isEmpty()) {
        const auto missing = missingFiles(path);
        if (!missing.isEmpty()) {
            if (m_messages != nullptr) {
                m_messages->show(this, missingText(m_language ? m_language->Language() : 0, path, missing),
                                 programTitle(), platform::qt::MessageBoxes::Icon::Exclamation,
                                 platform::qt::MessageBoxes::Buttons::Ok);
            }
            return;
        }
        const auto before = settings.Datenbankpfad();
        const auto folder = orvik::common::Helper::Backslash(path.toStdString());
        // The filter database lies beside the main one unless it was set elsewhere.
        if (settings.FilterDbPath().empty() || settings.FilterDbPath() == before) {
            settings.FilterDbPath(folder);
        }
        settings.Datenbankpfad(folder);
        m_pathChanged = settings.Datenbankpfad() != before;
    }
    settings.AdjustFormSize(m_adjust->isChecked());
    settings.StahlAktivieren(m_activate->isChecked() ? 1 : 0);
    settings.DirektSuche(m_directSearch->isChecked() ? 1 : 0);
    settings.SuppressNationalEnDesignations(m_suppress->isChecked());
    settings.EndeBestaetigen(m_exitQuery->isChecked() ? 1 : 0);
    const bool before = settings.DirectElementInput();
    settings.DirectElementInput(m_elementDirect->isChecked());
    if (settings.DirectElementInput() != before) {
        emit ElementInputVariantChanged();
    }
    accept();
}

void dlgOptionen::cmdAbbrechen_Click() {
    reject();
}

} // namespace shell::dialogs
