#pragma once

#include <QString>

class QWidget;

namespace shell::contract {

/// The file dialogs, passed in so that a test chooses the file. `filter` is in Qt's form
/// ("Text files (*.txt);;All files (*)"). Every call returns the chosen path, or an empty text when
/// the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    /// Asks before replacing an existing file; `defaultSuffix` (without dot) is added to a name that has
    /// none.
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter, const QString& defaultSuffix) = 0;
    /// Only an existing file can be chosen.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString folder(QWidget* parent, const QString& title, const QString& start) = 0;
};

} // namespace shell::contract
