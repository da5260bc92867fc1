#pragma once

#include "shell/contract/ActivatedMaterial.h"

#include <QAbstractTableModel>
#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace platform::db {
class Recordset;
}

namespace display {

/// The rows of a material list over the result set of a designation or composition search: one row
/// per record, in record order, read from the record set only when a view asks for it and then kept,
/// so that a list of a million designations shows at once and only the rows in sight are read.
///
/// The record set belongs to the caller; the model keeps a reference and moves its cursor. A missing
/// record set is an empty list. Reading a row never throws: a record that cannot be read shows empty.
class MaterialListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        Designation,
        MaterialNumber,
        SteelId,
        DesignationId,
        DesignationCountryId,
        Kind,
        ColumnCount
    };

    /// The material number shown beside a designation: steel id and country id.
    using MaterialNumberLookup = std::function<QString(const QString& steelId, std::int32_t countryId)>;

    explicit MaterialListModel(QObject* parent = nullptr);
    ~MaterialListModel() override;

    /// Shows the record set from its first record; with a lookup the material number column is
    /// filled too (one lookup per row read).
    void setRecords(std::shared_ptr<platform::db::Recordset> records, MaterialNumberLookup lookup = {});
    /// No rows.
    void clear();
    [[nodiscard]] const std::shared_ptr<platform::db::Recordset>& records() const noexcept {
        return m_records;
    }

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    /// The text of a cell; reads the row if it was not read yet. Empty out of range.
    [[nodiscard]] QString text(int row, Column column) const;
    /// The record of the row as a chosen steel; empty fields out of range.
    [[nodiscard]] shell::contract::ActivatedMaterial activatedMaterial(int row) const;
    /// Rows read from the record set so far.
    [[nodiscard]] int rowsRead() const noexcept { return m_rowsRead; }
    /// The row of the first record that meets the Jet criteria; -1 when none does or the criteria
    /// cannot be evaluated on these records (a column the record set lacks).
    [[nodiscard]] int findFirst(const std::string& criteria) const;

private:
    using Row = std::array<QString, ColumnCount>;
    [[nodiscard]] const Row* row(int index) const;
    [[nodiscard]] Row readRow(int index) const;

    std::shared_ptr<platform::db::Recordset> m_records;
    MaterialNumberLookup m_lookup;
    int m_count = 0;
    mutable std::vector<std::unique_ptr<Row>> m_rows;
    mutable int m_rowsRead = 0;
};

} // namespace display
