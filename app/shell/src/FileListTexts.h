#pragma once

#include <QIdentityProxyModel>

class QFileDialog;

namespace shell {

/// The file list of Qt's file dialog with its sizes and dates written in the program's language (Qt's
/// default locale): Qt's own model writes them in the system's locale, which the program's language
/// switch does not change. Everything else passes through unchanged. Made by `use`, owned by the
/// dialog.
class FileListTexts final : public QIdentityProxyModel {
    Q_OBJECT

public:
    /// The columns of Qt's file system model.
    enum Column { Name, Size, Type, DateModified };

    using QIdentityProxyModel::QIdentityProxyModel;

    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    /// Puts the texts over the dialog's list and fits the columns of sizes, types and dates to what
    /// they show, so that no text is cut.
    static void use(QFileDialog& dialog);
};

} // namespace shell
