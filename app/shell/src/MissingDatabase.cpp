#include "MissingDatabase.h"

#include "common/ProgrammSettings.h"

namespace shell {
namespace {

using orvik::common::ProgrammSettings;

QString folderOr(const std::string& folder, const QString& none) {
    return folder.empty() ? none : QString::fromStdString(folder);
}

} // namespace

QString MissingDatabaseText(std::int32_t language) {
    const ProgrammSettings settings;
    const std::string main = settings.Datenbankpfad();
    const std::string filter = settings.FilterDbPath();
    const QString ini = QString::fromStdString(ProgrammSettings::LocalIniFile().string());
    switch (language) {
    case 0:
        return QStringLiteral("Die Werkstoffdatenbank ist nicht geöffnet.\n\nGesucht: Graukant.MDB in %1 und "
                              "Filter.mdb in %2 (Einstellungen DBPath und FilterDbPath in %3).\n\n"
                              "Möchten Sie den Datenbankpfad jetzt in den Einstellungen festlegen?")
            .arg(folderOr(main, QStringLiteral("(kein Ordner eingestellt)")),
                 folderOr(filter, QStringLiteral("(kein Ordner eingestellt)")), ini);
    case 1:
        return QStringLiteral(
                   "La base de données des aciers n'est pas ouverte.\n\nRecherché : Graukant.MDB dans %1 "
                   "et Filter.mdb dans %2 (paramètres DBPath et FilterDbPath dans %3).\n\n"
                   "Voulez-vous définir le chemin de la base de données dans les paramètres ?")
            .arg(folderOr(main, QStringLiteral("(aucun dossier défini)")),
                 folderOr(filter, QStringLiteral("(aucun dossier défini)")), ini);
    default:
        return QStringLiteral("The materials database is not open.\n\nLooked for: Graukant.MDB in %1 and "
                              "Filter.mdb in %2 (settings DBPath and FilterDbPath in %3).\n\n"
                              "Do you want to set the database folder in the settings now?")
            .arg(folderOr(main, QStringLiteral("(no folder set)")),
                 folderOr(filter, QStringLiteral("(no folder set)")), ini);
    }
}

} // namespace shell
