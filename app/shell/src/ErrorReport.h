#pragma once

#include <QString>
#include <cstdint>

namespace shell {

/// The text report of one error as the error window saves it: the program's title, its version and the
/// versions of the object model and data service, then module, procedure, number and description, the
/// values starting in one column.
struct ErrorReport {
    QString objectsVersion;
    QString serviceVersion;
    QString modul;
    QString procedure;
    QString number;
    QString description;

    /// The program's version as major "####" . minor "0000" . revision "0000".
    [[nodiscard]] static QString programVersion(int major, int minor, int revision);
    [[nodiscard]] QString text() const;
    /// Writes text() to the file, replacing it. Empty when written, else why it could not be (a partly
    /// written file is not left behind).
    [[nodiscard]] QString save(const QString& file) const;
};

} // namespace shell
