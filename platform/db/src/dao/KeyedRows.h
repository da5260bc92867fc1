#pragma once

// The rows of a long snapshot known by their table's key: once the keys of all rows are read, a row
// beyond those read in order is read by its key, so that a jump to the end reads one row instead of
// every row before it, and the keys give the count. A key stands for a row only where that gives
// exactly the rows and the order of the statement: the statement reads one table once (no join, union
// or subquery, as SQLite plans it), every column is a column of that table with its integer key among
// them, and the keys are read in the statement's own order from the same file. Every other statement
// is read in order.

#include "ColumnInfo.h"
#include "PackedRows.h"
#include "Sqlite.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::db {

/// A statement that gives the key of every row of a record set in the record set's order: the plan
/// SQLite runs it by, and the values bound to it.
struct KeysQuery {
    std::string sql;
    int column = 0; // the key among its columns
    std::vector<std::string> plan;
    std::vector<Variant> parameters;
};

class KeyedRows {
public:
    /// The keyed rows of `stmt` (prepared on `db`, its columns `columns`, bound to `parameters`);
    /// nothing when a key cannot stand for a row of it.
    [[nodiscard]] static std::unique_ptr<KeyedRows> of(sqlite3* db, sqlite3_stmt* stmt,
                                                       const std::vector<ColumnInfo>& columns,
                                                       const std::vector<Variant>& parameters);
    KeyedRows(std::vector<ColumnInfo> columns, std::string statement, std::string keyName,
              std::string byKeySql, KeysQuery keys);
    ~KeyedRows();
    KeyedRows(const KeyedRows&) = delete;
    KeyedRows& operator=(const KeyedRows&) = delete;

    /// True once the keys of all rows are read.
    [[nodiscard]] bool known() const noexcept { return m_keys.has_value(); }
    /// The number of rows; only once known.
    [[nodiscard]] std::int64_t size() const noexcept { return static_cast<std::int64_t>(m_keys->size()); }
    /// Reads the keys on `db`, the record set's connection, while its statement is between rows, so
    /// that they are the keys of the rows it reads; takes them from the other thread where they are
    /// read there. False when they cannot be read so: the record set then reads its rows in order.
    bool read(sqlite3* db);
    /// Starts reading the keys in another thread, on a connection of its own to the file `db` has
    /// open at `path`; false where that cannot give the same rows (another file there now, a sort
    /// whose ties another connection may order otherwise) or they are read or being read already.
    bool readInBackground(sqlite3* db, const std::string& path);
    /// True unless the keys are still being read in the other thread.
    [[nodiscard]] bool ready() const;
    /// Stops a read in the other thread and waits for it.
    void stop() noexcept;
    /// The row at `ordinal` (below size()), read by its key; valid until another row is read so.
    [[nodiscard]] const PackedRows& row(sqlite3* db, std::int64_t ordinal);
    /// The row last read by its key.
    [[nodiscard]] const PackedRows& heldRow() const noexcept { return m_row; }
    /// True when the row last read by its key is the one at `ordinal`.
    [[nodiscard]] bool holds(std::int64_t ordinal) const noexcept { return ordinal == m_rowOrdinal; }
    /// The first row from `start` on that meets `condition` (the criteria in SQLite's SQL over the
    /// statement's columns) and that `accepts` takes as well: its ordinal, -1 for none. The statement
    /// is run again with the criteria as its condition (through the index of a field where it has
    /// one) for the keys of the rows that meet it. Nothing when the keys are not known or the
    /// statement cannot be run so; the caller then evaluates the criteria row by row.
    [[nodiscard]] std::optional<std::int64_t> findFirst(sqlite3* db, const std::string& condition,
                                                        std::int64_t start,
                                                        const std::function<bool(std::int64_t)>& accepts);

private:
    std::vector<ColumnInfo> m_columns;
    std::string m_statement; // without its closing semicolon
    std::string m_keyName;   // the key's column name, empty when another column has it too
    std::string m_byKeySql;
    KeysQuery m_query;
    std::optional<std::vector<std::int64_t>> m_keys; // by ordinal
    StatementPtr m_byKey;
    PackedRows m_row; // the row read by its key
    std::int64_t m_rowOrdinal = -1;
    // The keys being read in another thread, and the flag that stops it there.
    std::shared_ptr<std::atomic<bool>> m_stop;
    std::future<std::optional<std::vector<std::int64_t>>> m_pending;
};

} // namespace platform::db
