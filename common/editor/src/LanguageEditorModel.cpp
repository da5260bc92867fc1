#include "common/editor/LanguageEditorModel.h"

#include <stdexcept>

namespace orvik::common::editor {

LanguageEditorModel::LanguageEditorModel(QObject* parent)
    : QAbstractTableModel(parent), m_headings{QStringLiteral("Standardtext"),
                                              QStringLiteral("Selbstdefinierter Text")} {}

void LanguageEditorModel::clear() {
    if (m_entries.empty()) {
        return;
    }
    beginResetModel();
    m_entries.clear();
    endResetModel();
}

void LanguageEditorModel::append(const LanguageEditorRow& row) {
    const int at = static_cast<int>(m_entries.size());
    beginInsertRows({}, at, at);
    m_entries.push_back(Entry{row, false});
    endInsertRows();
}

bool LanguageEditorModel::isRow(int row) const {
    return row >= 0 && row < static_cast<int>(m_entries.size());
}

const LanguageEditorRow& LanguageEditorModel::row(int row) const {
    if (!isRow(row)) {
        throw std::out_of_range("no row " + std::to_string(row) + " in the editor's rows");
    }
    return m_entries[static_cast<std::size_t>(row)].row;
}

bool LanguageEditorModel::isOpened(int row) const {
    return isRow(row) && m_entries[static_cast<std::size_t>(row)].opened;
}

void LanguageEditorModel::markOpened(int row) {
    if (isRow(row)) {
        m_entries[static_cast<std::size_t>(row)].opened = true;
    }
}

void LanguageEditorModel::setSelfDefine(int row, const QString& text) {
    if (!isRow(row)) {
        return;
    }
    m_entries[static_cast<std::size_t>(row)].row.selfdefine = text.toStdString();
    const QModelIndex changed = index(row, SelfDefine);
    emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
}

std::vector<LanguageEditorRow> LanguageEditorModel::openedRows() const {
    std::vector<LanguageEditorRow> rows;
    for (const Entry& entry : m_entries) {
        if (entry.opened) {
            rows.push_back(entry.row);
        }
    }
    return rows;
}

int LanguageEditorModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

int LanguageEditorModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant LanguageEditorModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    const LanguageEditorRow& entry = m_entries[static_cast<std::size_t>(index.row())].row;
    return QString::fromStdString(index.column() == Shown ? entry.shown : entry.selfdefine);
}

QVariant LanguageEditorModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return m_headings[static_cast<std::size_t>(section)];
}

bool LanguageEditorModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                                        int role) {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return false;
    }
    m_headings[static_cast<std::size_t>(section)] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

Qt::ItemFlags LanguageEditorModel::flags(const QModelIndex& index) const {
    // The user edits a text in the edit window, never in the cell.
    return checkIndex(index, CheckIndexOption::IndexIsValid) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                                                             : Qt::NoItemFlags;
}

} // namespace orvik::common::editor
