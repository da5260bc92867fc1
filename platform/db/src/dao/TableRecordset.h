#pragma once

// A table-type record set: one table in the order of its current index (rowid order without one),
// with Seek on the index's leading columns. It keeps only the current row and its key; a move runs
// a short statement that is reset at once, so no read transaction stays open between calls. Only a
// walk from the first record of a read-only database keeps one statement open along the index
// (one step per MoveNext), until it ends, the record set moves otherwise or the connection writes.
// On the walk a row's fields are read from the statement itself, copied only when the walk is
// dropped while the row is still current.

#include "RecordsetImpl.h"

#include <map>

namespace platform::db {

class TableRecordset final : public Recordset::Impl {
public:
    TableRecordset(std::shared_ptr<Database> owner, std::shared_ptr<Connection> connection,
                   std::string table);

    [[nodiscard]] bool bof() const override;
    [[nodiscard]] bool eof() const override;
    void moveFirst() override;
    void moveNext() override;
    void movePrevious() override;
    void moveLast() override;
    [[nodiscard]] std::int32_t recordCount() override;
    [[nodiscard]] std::int32_t absolutePosition() override;
    void setAbsolutePosition(std::int32_t position) override;
    void setIndex(std::string_view indexName) override;
    void seek(std::string_view comparison, const std::vector<Variant>& keys) override;

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
    struct Current {
        std::int64_t rowid = 0;
        std::vector<Variant> keys; // the index columns as stored
        Row values;                // empty while the row is the walk's (m_onWalk)
    };
    enum class WalkStep { Landed, Ended, Unavailable };

    /// One row of the table in index order: WHERE `condition` ORDER BY the index, forwards or
    /// backwards, after skipping `offset` rows.
    [[nodiscard]] std::optional<Current> selectRow(const std::string& condition,
                                                   const std::vector<Variant>& binds, bool backwards,
                                                   std::int64_t offset = 0);
    [[nodiscard]] std::int64_t countWhere(const std::string& condition, const std::vector<Variant>& binds);
    /// One part of a range of rows: an equality prefix on the order columns and a bound on the next.
    struct Term {
        std::string condition;
        std::vector<Variant> binds;
    };
    /// The rows that sort after (or before) the given values of the leading order columns, as
    /// disjoint terms nearest first. Each term is a range an index answers at once; a single
    /// condition with OR between them would make SQLite scan the table.
    [[nodiscard]] std::vector<Term> beyond(const std::vector<Variant>& values, bool after, bool inclusive,
                                           bool withRowid) const;
    /// The nearest row beyond the values: the first row of the first term that has one.
    [[nodiscard]] std::optional<Current> nearest(const std::vector<Variant>& values, bool after,
                                                 bool inclusive, bool withRowid);
    [[nodiscard]] std::vector<Variant> anchorKey(const Current& row) const;
    [[nodiscard]] Current readCurrent(sqlite3_stmt* stmt) const;
    void readKeys(sqlite3_stmt* stmt, std::vector<Variant>& keys) const;
    /// Where field `index` is in a statement of orderedSelect (after the rowid and the keys).
    [[nodiscard]] int valueColumn(std::size_t index) const {
        return 1 + static_cast<int>(m_keyColumns.size() + index);
    }
    [[nodiscard]] std::string orderedSelect(const std::string& condition, bool backwards) const;
    /// Lands on the first row in index order, on a read-only database by a walk that stays open;
    /// false (and still where it was) when the table is empty.
    bool landFirst();
    /// Lands on the next row of the open walk; Unavailable when there is no usable walk.
    [[nodiscard]] WalkStep stepWalk();
    /// Makes the row the walk stands on the current one, keeping its rowid and keys.
    void landOnWalk();
    /// Ends the walk; a current row that was the walk's keeps a copy of its values.
    void dropWalk();
    [[nodiscard]] sqlite3_stmt* statement(const std::string& sql);
    void land(std::optional<Current> row);
    [[nodiscard]] std::vector<std::string> indexColumns(std::string_view indexName);

    std::string m_table;
    std::vector<std::string> m_keyColumns; // quoted names of the current index's columns
    std::optional<Current> m_current;      // also kept after a delete, as the place to move on from
    bool m_deleted = false;
    bool m_bof = true;
    bool m_eof = true;
    std::map<std::string, StatementPtr> m_statements;
    StatementPtr m_walk;            // open along the index, positioned at the current row
    std::int64_t m_walkChanges = 0; // the connection's change count when the walk started
    bool m_onWalk = false;          // the current row's values are the walk's current row
    std::int64_t m_walkRows = 0;    // rows the walk landed on, to know m_walkValues' row
    mutable std::int64_t m_walkValuesOf = -1;
    mutable Row m_walkValues; // the walk's current row as currentRow() gives it, read when asked
};

} // namespace platform::db
