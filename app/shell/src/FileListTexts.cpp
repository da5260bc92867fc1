#include "FileListTexts.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLocale>
#include <QTreeView>

namespace shell {

QVariant FileListTexts::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || files == nullptr || !index.isValid()) {
        return QIdentityProxyModel::data(index, role);
    }
    const QModelIndex source = mapToSource(index);
    switch (index.column()) {
    case Size:
        if (files->isDir(source)) {
            return QIdentityProxyModel::data(index, role);
        }
        return QLocale().formattedDataSize(files->size(source));
    case DateModified:
        return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
    default:
        return QIdentityProxyModel::data(index, role);
    }
}

void FileListTexts::use(QFileDialog& dialog) {
    // Only Qt's own dialog has a model to put the texts over.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setProxyModel(new FileListTexts(&dialog));
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        for (const int column : {Size, Type, DateModified}) {
            details->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
        }
    }
}

} // namespace shell
