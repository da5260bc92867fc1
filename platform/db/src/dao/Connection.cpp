#include "Connection.h"

#include "platform/db/JetErrors.h"

namespace platform::db {

sqlite3* Connection::handle(std::string_view source) const {
    if (!m_db) {
        throw jet::makeError(jet::ObjectInvalid, source);
    }
    return m_db.get();
}

void Connection::close() noexcept {
    m_prepared.clear();
    // Record sets may still hold statements; resetting them ends their reads, so the file is free for
    // other connections although SQLite keeps this one until the last statement is finalised.
    for (sqlite3_stmt* stmt = m_db ? sqlite3_next_stmt(m_db.get(), nullptr) : nullptr; stmt != nullptr;
         stmt = sqlite3_next_stmt(m_db.get(), stmt)) {
        sqlite3_reset(stmt);
    }
    if (m_db && m_transactionDepth > 0) {
        sqlite3_exec(m_db.get(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
    m_transactionDepth = 0;
    m_db.reset();
    m_lock.reset();
}

void execNative(sqlite3* db, const char* sql, std::string_view source) {
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        throwSqliteError(db, rc, source, SqlContext::Edit);
    }
}

} // namespace platform::db
