#include "datatools/SqliteConnection.h"

#include "platform/db/SqliteExtensions.h"

#include <sqlite3.h>
#include <stdexcept>

namespace datatools {

void SqliteConnection::Closer::operator()(sqlite3* db) const noexcept {
    sqlite3_close_v2(db);
}

SqliteConnection::SqliteConnection(const std::filesystem::path& path, bool create) {
    sqlite3* raw = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
    m_db.reset(raw);
    if (rc != SQLITE_OK) {
        throw std::runtime_error(path.string() + ": cannot open database: " +
                                 (raw != nullptr ? sqlite3_errmsg(raw) : sqlite3_errstr(rc)));
    }
    sqlite3_extended_result_codes(raw, 1);
    platform::db::registerJetExtensions(raw);
}

void SqliteConnection::execute(const std::string& sql) {
    char* message = nullptr;
    const int rc = sqlite3_exec(m_db.get(), sql.c_str(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        const std::string text = message != nullptr ? message : sqlite3_errstr(rc);
        sqlite3_free(message);
        throw std::runtime_error(text);
    }
}

void SqliteConnection::attach(const std::filesystem::path& path, const std::string& schemaName) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(m_db.get(), "ATTACH DATABASE ?1 AS ?2", -1, &raw, nullptr) != SQLITE_OK) {
        throw std::runtime_error(sqlite3_errmsg(m_db.get()));
    }
    const std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> statement(raw, &sqlite3_finalize);
    const std::string file = path.string();
    sqlite3_bind_text(raw, 1, file.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(raw, 2, schemaName.c_str(), -1, SQLITE_TRANSIENT);
    if (sqlite3_step(raw) != SQLITE_DONE) {
        throw std::runtime_error(file + ": cannot attach: " + sqlite3_errmsg(m_db.get()));
    }
}

long long SqliteConnection::queryInteger(const std::string& sql) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(m_db.get(), sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
        throw std::runtime_error(sqlite3_errmsg(m_db.get()));
    }
    const std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> statement(raw, &sqlite3_finalize);
    const int rc = sqlite3_step(raw);
    if (rc == SQLITE_ROW) {
        return sqlite3_column_int64(raw, 0);
    }
    if (rc != SQLITE_DONE) {
        throw std::runtime_error(sqlite3_errmsg(m_db.get()));
    }
    return 0;
}

} // namespace datatools
