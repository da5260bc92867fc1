#include "PropertyTestSupport.h"

#include "common/ProgrammSettings.h"
#include "objects/Application.h"
#include "test_support/FixtureDatabases.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QWidget>

namespace propertytest {

Program::Program(const std::string& materialsScript) {
    const QDir root(m_dir.path());
    root.mkpath(QStringLiteral("program/Daten"));
    root.mkpath(QStringLiteral("config"));
    root.mkpath(QStringLiteral("data"));
    qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("data")).toUtf8());
    QFile::copy(QStringLiteral(GK_WORKGROUP_FILE), root.filePath(QStringLiteral("program/GK2007.LG")));
    QFile::copy(QStringLiteral(GK_LANGUAGE_MDB), root.filePath(QStringLiteral("program/Daten/Language.mdb")));

    // The sample databases are opened where the build wrote them, read-only and shared, unless the
    // test changes a copy.
    QString materialsFolder = QFileInfo(QStringLiteral(GK_GRAUKANT_MDB)).absolutePath();
    if (!materialsScript.empty()) {
        materialsFolder = root.filePath(QStringLiteral("data"));
        const QString copy = root.filePath(QStringLiteral("data/Graukant.MDB"));
        QFile::copy(QStringLiteral(GK_GRAUKANT_MDB), copy);
        test_support::runScript(copy.toStdString(), materialsScript);
    }
    orvik::common::ProgrammSettings settings;
    settings.ApplicationPath(root.filePath(QStringLiteral("program")).toStdString());
    settings.Datenbankpfad(materialsFolder.toStdString());
    settings.FilterDbPath(QFileInfo(QStringLiteral(GK_FILTER_MDB)).absolutePath().toStdString());
    settings.InstallTyp(orvik::common::InstallType::ClientMin);
    settings.CurrentLanguage(orvik::common::Language::German);

    m_app = orvik::objects::Application::create();
    m_app->OpenConnection();
    m_language.setLanguageClass(m_app->LanguageObject());
}

Program::~Program() {
    if (m_app) {
        m_app->CloseConnection();
    }
}

void savePicture(QWidget& widget, const QString& name) {
    // Merged cells and layouts settle in the event loop.
    QCoreApplication::processEvents();
    widget.grab().save(QDir(QStringLiteral(GK_TEST_OUTPUT_DIR)).filePath(name));
}

} // namespace propertytest
