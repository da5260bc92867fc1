#pragma once

#include "common/editor/LanguageEditorData.h"

#include <QAbstractTableModel>
#include <array>
#include <vector>

namespace orvik::common::editor {

/// The rows of the editor of user-defined texts: per caption or message the text in the language
/// shown and the user's own text, the two columns a view shows. The keys of each row and whether
/// the user opened it for editing stay with the row instead of in hidden columns. The headings are
/// the view's captions, set by the text service.
class LanguageEditorModel final : public QAbstractTableModel {
public:
    enum Column { Shown, SelfDefine, ColumnCount };

    explicit LanguageEditorModel(QObject* parent = nullptr);

    void clear();
    void append(const LanguageEditorRow& row);
    [[nodiscard]] const LanguageEditorRow& row(int row) const;
    [[nodiscard]] bool isOpened(int row) const;
    /// Marks the row as opened for editing: it is stored on saving, changed or not.
    void markOpened(int row);
    void setSelfDefine(int row, const QString& text);
    /// The rows opened for editing, in their order.
    [[nodiscard]] std::vector<LanguageEditorRow> openedRows() const;

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Entry {
        LanguageEditorRow row;
        bool opened = false;
    };

    [[nodiscard]] bool isRow(int row) const;

    std::vector<Entry> m_entries;
    std::array<QString, ColumnCount> m_headings;
};

} // namespace orvik::common::editor
