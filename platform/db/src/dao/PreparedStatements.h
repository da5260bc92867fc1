#pragma once

// The prepared statements of one connection that record sets have finished with, by their SQLite
// text, so that a query run again is not parsed and planned again. Holds a bounded number and
// finalises the least recently used; a statement being used is never here. Not for use from
// several threads at once.

#include "Sqlite.h"

#include <cstddef>
#include <list>
#include <string>
#include <unordered_map>

namespace platform::db {

class PreparedStatements {
public:
    explicit PreparedStatements(std::size_t capacity = 64) : m_capacity(capacity) {}

    /// A statement of exactly this text, reset and without bindings, or nullptr.
    [[nodiscard]] StatementPtr take(const std::string& sql);
    /// Keeps a statement for the next take of its text; it is reset here.
    void give(const std::string& sql, StatementPtr stmt) noexcept;
    /// Finalises every statement (before the schema changes or the connection closes).
    void clear() noexcept;

private:
    struct Entry {
        std::string sql;
        StatementPtr stmt;
    };
    std::size_t m_capacity;
    std::list<Entry> m_entries; // most recently given first
    std::unordered_map<std::string, std::list<Entry>::iterator> m_index;
};

} // namespace platform::db
