#pragma once

// The prepared statements of one connection that record sets have finished with, by their SQLite
// text, so that a query run again is not parsed and planned again nor its columns described again.
// Holds a bounded number and finalises the least recently used; a statement being used is never
// here. Not for use from several threads at once.

#include "ColumnInfo.h"
#include "Sqlite.h"

#include <cstddef>
#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform::db {

class PreparedStatements {
public:
    explicit PreparedStatements(std::size_t capacity = 64) : m_capacity(capacity) {}

    /// A kept statement with the description of its columns made when it was prepared.
    struct Kept {
        StatementPtr stmt;
        std::optional<std::vector<ColumnInfo>> columns; // nothing: describe the statement again
    };

    /// A statement of exactly this text, reset and without bindings; nullptr when none is kept.
    [[nodiscard]] Kept take(const std::string& sql);
    /// Keeps a statement for the next take of its text; it is reset here. `columns` describe it as
    /// it was when SQLite had prepared it `prepared` times (SQLITE_STMTSTATUS_REPREPARE): prepared
    /// again since, after a change of the schema, it is described again at its next use.
    void give(const std::string& sql, StatementPtr stmt, std::vector<ColumnInfo> columns,
              int prepared) noexcept;
    /// How many times SQLite has prepared `stmt`, counting the automatic re-preparations.
    [[nodiscard]] static int timesPrepared(sqlite3_stmt* stmt);
    /// Finalises every statement (before the schema changes or the connection closes).
    void clear() noexcept;

private:
    struct Entry {
        std::string sql;
        Kept kept;
    };
    std::size_t m_capacity;
    std::list<Entry> m_entries;                                               // most recently given first
    std::unordered_map<std::string_view, std::list<Entry>::iterator> m_index; // views into Entry::sql
};

} // namespace platform::db
