#pragma once

#include "shell/contract/ActivatedMaterial.h"

#include <QAbstractTableModel>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QTimer;

namespace platform::db {
class Recordset;
}

namespace display {

/// The rows of a material list over the result set of a designation or composition search: one row
/// per record, in record order, read from the record set only when a view asks for it and then kept,
/// so that a list of a million designations shows at once and only the rows in sight are read.
///
/// A long list first shows its first rows; the rest of them are counted in another thread where the
/// record set can (otherwise once the event loop runs on), or at the first search in the list, and
/// the rows grow to the whole count.
///
/// The record set belongs to the caller; the model keeps a reference and moves its cursor. A missing
/// record set is an empty list. A record set that cannot be read (a damaged database) is reported by
/// readFailed; reading a single row never throws: a record that cannot be read shows empty.
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
    /// Counts the rows that a long list did not count when it was shown, and adds them; nothing when
    /// they are counted already.
    void completeCount();
    /// True while the rows of a long list are still to be counted.
    [[nodiscard]] bool countPending() const noexcept { return m_countPending; }
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
    /// Counts the list first when its count is still pending.
    [[nodiscard]] int findFirst(const std::string& criteria);

signals:
    /// The record set could not be read: the error's number and description.
    void readFailed(std::int32_t number, const QString& description);

private:
    using Row = std::array<QString, ColumnCount>;
    /// Counts the first rows up to a screenful and more; the rest is left to completeCount.
    [[nodiscard]] int countFirstRows();
    [[nodiscard]] const Row* row(int index) const;
    [[nodiscard]] Row readRow(int index) const;

    std::shared_ptr<platform::db::Recordset> m_records;
    QTimer* m_countPoll; // owned as a child; runs while another thread counts
    MaterialNumberLookup m_lookup;
    int m_count = 0;
    bool m_countPending = false;
    mutable std::vector<std::unique_ptr<Row>> m_rows;
    mutable int m_rowsRead = 0;
};

} // namespace display
