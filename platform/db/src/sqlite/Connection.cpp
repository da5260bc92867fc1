#include "platform/db/sqlite/Connection.h"

#include "sql/SqliteExtensions.h"
#include "platform/db/sqlite/Error.h"

#include <sqlite3.h>
#include <string>

namespace platform::db::sqlite {
namespace {

int openFlags(OpenMode mode) {
    switch (mode) {
    case OpenMode::ReadOnly:
        return SQLITE_OPEN_READONLY;
    case OpenMode::ReadWrite:
        return SQLITE_OPEN_READWRITE;
    case OpenMode::Create:
        return SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    }
    return SQLITE_OPEN_READONLY;
}

} // namespace

void ConnectionCloser::operator()(sqlite3* db) const noexcept {
    sqlite3_close_v2(db);
}

Connection::Connection(const std::filesystem::path& file, OpenMode mode, Extensions extensions) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(file.c_str(), &raw, openFlags(mode) | SQLITE_OPEN_EXRESCODE, nullptr);
    m_db.reset(raw);
    if (rc != SQLITE_OK) {
        // Without memory for a handle SQLite hands back none, and then only the code says why.
        throw Error(rc, file.string() + ": " + (raw != nullptr ? sqlite3_errmsg(raw) : sqlite3_errstr(rc)));
    }
    if (extensions == Extensions::Jet) {
        registerJetExtensions(raw);
    }
}

void Connection::exec(std::string_view sql) {
    const std::string text(sql);
    char* message = nullptr;
    const int rc = sqlite3_exec(m_db.get(), text.c_str(), nullptr, nullptr, &message);
    if (rc == SQLITE_OK) {
        return;
    }
    std::string what = message != nullptr ? message : sqlite3_errstr(rc);
    sqlite3_free(message);
    throw Error(sqlite3_extended_errcode(m_db.get()), std::move(what), text);
}

std::int64_t Connection::lastInsertId() const noexcept {
    return sqlite3_last_insert_rowid(m_db.get());
}

std::int64_t Connection::changes() const noexcept {
    return sqlite3_changes64(m_db.get());
}

bool Connection::readOnly() const noexcept {
    return sqlite3_db_readonly(m_db.get(), "main") == 1;
}

bool Connection::inTransaction() const noexcept {
    return sqlite3_get_autocommit(m_db.get()) == 0;
}

void Connection::setDoubleQuotedStrings(bool allowed) {
    const int on = allowed ? 1 : 0;
    sqlite3_db_config(m_db.get(), SQLITE_DBCONFIG_DQS_DML, on, nullptr);
    sqlite3_db_config(m_db.get(), SQLITE_DBCONFIG_DQS_DDL, on, nullptr);
}

void beginTransaction(Connection& connection) {
    connection.exec("BEGIN");
}

void commitTransaction(Connection& connection) {
    connection.exec("COMMIT");
}

void rollbackTransaction(Connection& connection) {
    // A failed write may have made SQLite roll back already; a second ROLLBACK would only fail.
    if (connection.inTransaction()) {
        connection.exec("ROLLBACK");
    }
}

} // namespace platform::db::sqlite
