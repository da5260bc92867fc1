#pragma once

// Dynaset, snapshot and forward-only record sets over a SELECT statement. Rows are read as the caller
// moves and kept (forward-only keeps only the current one); a dynaset reads all rows at once so that
// its statement ends before the caller starts editing. Edits go to the table the first field comes
// from; a row is found again by its rowid, its primary key or, failing both, all its values.

#include "CriteriaMatcher.h"
#include "EqualityKeys.h"
#include "KeyedRows.h"
#include "PackedRows.h"
#include "RecordsetImpl.h"

#include <unordered_map>

namespace platform::db {

class QueryRecordset final : public Recordset::Impl {
public:
    /// `rowidFirst`: the statement's first column is the base table's rowid (hidden from the fields).
    /// `sql`: the statement's text, under which the connection keeps it when the record set is done
    /// with it (empty: finalised instead). `columns`: its description when it was kept with one.
    /// `parameters`: the values bound to it, for reading its rows' keys with a second statement.
    QueryRecordset(std::shared_ptr<Database> owner, std::shared_ptr<Connection> connection,
                   RecordsetType type, StatementPtr stmt, bool rowidFirst, std::string sql,
                   std::optional<std::vector<ColumnInfo>> columns = std::nullopt,
                   std::vector<Variant> parameters = {});
    ~QueryRecordset() override;
    QueryRecordset(const QueryRecordset&) = delete;
    QueryRecordset& operator=(const QueryRecordset&) = delete;

    [[nodiscard]] bool bof() const override;
    [[nodiscard]] bool eof() const override;
    void moveFirst() override;
    void moveNext() override;
    void movePrevious() override;
    void moveLast() override;
    [[nodiscard]] std::int32_t recordCount() override;
    [[nodiscard]] std::int32_t absolutePosition() override;
    void setAbsolutePosition(std::int32_t position) override;
    bool countInBackground() override;
    [[nodiscard]] bool countReady() const override;
    void find(FindDirection direction, std::string_view criteria) override;

protected:
    [[nodiscard]] const Row* currentRow() const override;
    [[nodiscard]] FieldView currentView(std::size_t index) const override;
    [[nodiscard]] bool currentDeleted() const override;
    [[nodiscard]] std::optional<std::int64_t> currentRowid() override;
    [[nodiscard]] bool updatable() const override;
    void afterUpdate(EditMode mode, std::int64_t rowid, Row row) override;
    void afterDelete() override;
    void release() override;

private:
    /// Takes the columns and reads as far as the record set's kind reads at its opening.
    void start(std::vector<ColumnInfo> columns);
    /// True when the row at `ordinal` exists, reading on as far as needed.
    bool fetch(std::int64_t ordinal);
    /// True when the row at `ordinal` exists: read already, known by its key, or read on to it.
    bool has(std::int64_t ordinal);
    /// The keyed rows of a snapshot where a key may stand for a row, looked for at the first call;
    /// nullptr otherwise.
    [[nodiscard]] KeyedRows* keyed();
    /// The keyed rows once their keys are read; nullptr before or without them.
    [[nodiscard]] const KeyedRows* counted() const noexcept {
        return m_keyed && *m_keyed && (*m_keyed)->known() ? m_keyed->get() : nullptr;
    }
    /// Reads the keys of every row (or takes them from the count in another thread); false when the
    /// rows have none that stand for them, and the rows are then read in order.
    bool readKeys();
    /// Stops a count in another thread and forgets the keys.
    void dropKeys() noexcept;
    /// Reads the row at `ordinal` (beyond the rows read in order) by its key.
    void readByKey(std::int64_t ordinal);
    /// The row read by its key last.
    [[nodiscard]] const PackedRows& farRow() const noexcept { return (*m_keyed)->heldRow(); }
    /// Answers a forward find of a Like on one field from the rows' keys (see KeyedRows::findFirst):
    /// the row found, -1 for none; nothing when the keys cannot answer it.
    [[nodiscard]] std::optional<std::int64_t> findByKeys(std::int64_t start, const std::string& translated,
                                                         CriteriaMatcher& matcher);
    /// True when the row at `ordinal` is the one read by its key rather than in order.
    [[nodiscard]] bool isFar(std::int64_t ordinal) const noexcept {
        return ordinal >= readEnd() && m_keyed && *m_keyed && (*m_keyed)->holds(ordinal);
    }
    void fetchAll();
    /// One past the last row read.
    [[nodiscard]] std::int64_t readEnd() const noexcept {
        return m_offset + static_cast<std::int64_t>(m_values.size());
    }
    [[nodiscard]] bool deleted(std::int64_t ordinal) const {
        const std::size_t i = slot(ordinal);
        return i < m_deleted.size() && m_deleted[i];
    }
    /// The row's rowid in the base table, when known.
    [[nodiscard]] std::optional<std::int64_t> knownRowid(std::int64_t ordinal) const;
    void setRowid(std::int64_t ordinal, std::optional<std::int64_t> rowid);
    [[nodiscard]] std::optional<std::int64_t> liveFrom(std::int64_t ordinal, int step);
    void moveTo(std::int64_t ordinal);
    void requireScrollable() const;
    [[nodiscard]] std::int32_t liveBefore(std::int64_t ordinal);
    /// A snapshot's number of rows, from the keys of its rows when many are still unread and a key
    /// stands for each; nothing when they are read already, few enough to read now, or are to be read
    /// to the end (a count would run the statement a second time, and the caller mostly reads the
    /// rows it counted).
    [[nodiscard]] std::optional<std::int64_t> countUnread();
    /// Reads up to the current row when MoveLast went there without reading it.
    void readCurrent() const;
    [[nodiscard]] std::optional<std::int64_t> findRowid(std::int64_t ordinal);
    [[nodiscard]] std::size_t slot(std::int64_t ordinal) const {
        return static_cast<std::size_t>(ordinal - m_offset);
    }
    /// Answers a `field = literal [AND ...]` find from a hash index on the first field; false when
    /// the values have no keys, so that the caller evaluates the criteria row by row.
    bool findByIndex(FindDirection direction, const std::vector<EqualityTerm>& terms);
    /// (key, ordinal) of every row with a key in `column`, sorted; nullptr when some value has no
    /// key. Built at the second equality find on the column: one find alone is cheaper as a scan.
    [[nodiscard]] const std::vector<std::pair<std::string, std::int64_t>>* indexOn(std::size_t column);

    void returnStatement() noexcept;

    StatementPtr m_stmt;
    std::string m_sql;
    int m_timesPrepared = 0; // of m_stmt when m_columns described it
    std::vector<Variant> m_parameters;
    bool m_rowidFirst;
    bool m_done = false;
    PackedRows m_values; // row i is m_values.row(i - m_offset)
    // By row as m_values; shorter when no later row has a rowid known or is deleted.
    std::vector<std::optional<std::int64_t>> m_rowids;
    std::vector<bool> m_deleted;
    mutable std::int64_t m_decodedOrdinal = -1; // the row in m_decoded, -1 for none
    mutable Row m_decoded;
    std::int64_t m_offset = 0; // ordinal of m_values' first row (forward-only drops rows behind it)
    std::int64_t m_pos = -1;   // ordinal of the current row; -1 before the first
    bool m_bof = true;
    bool m_eof = true;
    std::int64_t m_visited = 0; // rows up to here count in RecordCount
    // A long snapshot whose rows' keys stand for them keeps, once counted, only the keys of the rows
    // beyond those read in order. Outer: looked for yet.
    std::optional<std::unique_ptr<KeyedRows>> m_keyed;
    std::unique_ptr<EqualityKeys> m_keys;
    // Dropped whenever rows change.
    std::unordered_map<std::size_t, std::vector<std::pair<std::string, std::int64_t>>> m_indexes;
    std::unordered_map<std::size_t, int> m_equalityFinds; // per column; -1: no index possible
};

} // namespace platform::db
