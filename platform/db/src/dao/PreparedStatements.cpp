#include "PreparedStatements.h"

namespace platform::db {

PreparedStatements::Kept PreparedStatements::take(const std::string& sql) {
    const auto found = m_index.find(sql);
    if (found == m_index.end()) {
        return {};
    }
    // The key is a view into the entry: it goes first.
    const auto entry = found->second;
    m_index.erase(found);
    Kept kept = std::move(entry->kept);
    m_entries.erase(entry);
    return kept;
}

int PreparedStatements::timesPrepared(sqlite3_stmt* stmt) {
    return sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_REPREPARE, 0);
}

void PreparedStatements::give(const std::string& sql, StatementPtr stmt, std::vector<ColumnInfo> columns,
                              int prepared) noexcept {
    if (!stmt || m_capacity == 0) {
        return;
    }
    sqlite3_reset(stmt.get());
    sqlite3_clear_bindings(stmt.get());
    try {
        if (m_index.contains(sql)) {
            return; // one kept per text is enough; this one is finalised
        }
        std::optional<std::vector<ColumnInfo>> described;
        if (timesPrepared(stmt.get()) == prepared) {
            described = std::move(columns);
        }
        m_entries.push_front(Entry{sql, Kept{std::move(stmt), std::move(described)}});
        m_index.emplace(m_entries.front().sql, m_entries.begin());
        if (m_entries.size() > m_capacity) {
            m_index.erase(m_entries.back().sql);
            m_entries.pop_back();
        }
    } catch (...) {
        // Out of memory: the statement is simply finalised.
    }
}

void PreparedStatements::clear() noexcept {
    m_index.clear();
    m_entries.clear();
}

} // namespace platform::db
