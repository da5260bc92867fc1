#include "ErrorReport.h"

#include "ProgramVersion.h"

#include <QSaveFile>

namespace shell {

QString ErrorReport::programVersion(int major, int minor, int revision) {
    return QStringLiteral("%1.%2.%3")
        .arg(major)
        .arg(minor, 4, 10, QLatin1Char('0'))
        .arg(revision, 4, 10, QLatin1Char('0'));
}

QString ErrorReport::text() const {
    const QStringList lines{
        QStringLiteral("Graukant 2007"),
        QStringLiteral("==================="),
        QString(),
        QString(),
        QStringLiteral("Programm Version:  ") +
            programVersion(ProgramVersion::Major, ProgramVersion::Minor, ProgramVersion::Revision),
        QStringLiteral("Objects Version:  ") + objectsVersion,
        QStringLiteral("Service Version: ") + serviceVersion,
        QString(),
        QStringLiteral("Modul:             ") + modul,
        QStringLiteral("Procedure:         ") + procedure,
        QStringLiteral("Number:            ") + number,
        QStringLiteral("Description:       ") + description,
    };
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString ErrorReport::save(const QString& file) const {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return out.errorString();
    }
    out.write(text().toUtf8());
    return out.commit() ? QString() : out.errorString();
}

} // namespace shell
