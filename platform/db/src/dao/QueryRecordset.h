#pragma once

// Dynaset, snapshot and forward-only record sets over a SELECT statement. Rows are read as the caller
// moves and kept (forward-only keeps only the current one); a dynaset reads all rows at once so that
// its statement ends before the caller starts editing. Edits go to the table the first field comes
// from; a row is found again by its rowid, its primary key or, failing both, all its values.

#include "CriteriaMatcher.h"
#include "EqualityKeys.h"
#include "PackedRows.h"
#include "RecordsetImpl.h"

#include <atomic>
#include <future>
#include <unordered_map>

namespace platform::db {

/// The statements that read the key of every row of a record set, in the record set's order: one
/// that asks only for the key (empty when the key's name is not its own among the columns), and the
/// record set's own with the key at `column`, where the first cannot run; with the values bound to them.
struct KeysQuery {
    std::string keysOnly;
    std::string whole;
    int column = 0;
    std::vector<Variant> parameters;
};

class QueryRecordset final : public Recordset::Impl {
public:
    /// `rowidFirst`: the statement's first column is the base table's rowid (hidden from the fields).
    /// `sql`: the statement's text, under which the connection keeps it when the record set is done
    /// with it (empty: finalised instead). `columns`: its description when it was kept with one.
    /// `parameters`: the values bound to it, for counting its rows with a second statement.
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
    /// The column that holds the integer key of the one table every column comes from, found at
    /// the first call; nothing when the columns come from elsewhere (expressions, several tables).
    [[nodiscard]] std::optional<std::size_t> keyColumn();
    /// Counts the rows by reading the keys of them all with a second run of the statement (or takes
    /// them from the count in another thread); false when the statement cannot run again.
    bool readKeys();
    /// What reading the keys of every row runs; nothing when the rows have no key.
    [[nodiscard]] std::optional<KeysQuery> keysQuery();
    /// Stops a count in another thread and waits for it.
    void dropBackgroundCount() noexcept;
    /// Reads the row at `ordinal` (beyond the rows read in order) by its key into m_far.
    void readByKey(std::int64_t ordinal);
    /// The statement's text without its closing semicolon.
    [[nodiscard]] std::string statementText() const;
    /// Answers a forward find of a Like on one field from the rows' keys: the statement run again
    /// with the criteria as its condition (through the field's index, where it has one) gives the
    /// keys of the rows that meet it; the first of them in order from `start` that the matcher also
    /// takes is the row found (-1: none). Nothing when the rows' keys are not known or the statement
    /// cannot be run so; the caller then evaluates the criteria row by row.
    [[nodiscard]] std::optional<std::int64_t> findByKeys(std::int64_t start, const std::string& translated,
                                                         CriteriaMatcher& matcher);
    /// True when the row at `ordinal` is the one read by its key rather than in order.
    [[nodiscard]] bool isFar(std::int64_t ordinal) const noexcept {
        return ordinal >= readEnd() && ordinal == m_farOrdinal;
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
    /// A snapshot's number of rows, counted with one SQL count when many are still unread; nothing
    /// when they are read already or few enough to read now.
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
    std::optional<std::int64_t> m_total; // the rows counted by SQL
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
    // A snapshot whose columns all come from one table with its integer key among them keeps, once
    // counted, only the keys of its rows; a row beyond those read in order is read by its key, so that
    // a jump to the end reads one row instead of every row before it.
    std::optional<std::optional<std::size_t>> m_keyColumn; // outer: looked for yet
    std::string m_byKeySql;
    StatementPtr m_byKey;
    std::optional<std::vector<std::int64_t>> m_rowKeys; // by ordinal
    // The keys being read in another thread (countInBackground), and the flag that stops it there.
    std::shared_ptr<std::atomic<bool>> m_stopKeys;
    std::future<std::optional<std::vector<std::int64_t>>> m_pendingKeys;
    PackedRows m_far; // the row read by its key
    std::int64_t m_farOrdinal = -1;
    std::unique_ptr<EqualityKeys> m_keys;
    // Dropped whenever rows change.
    std::unordered_map<std::size_t, std::vector<std::pair<std::string, std::int64_t>>> m_indexes;
    std::unordered_map<std::size_t, int> m_equalityFinds; // per column; -1: no index possible
};

} // namespace platform::db
