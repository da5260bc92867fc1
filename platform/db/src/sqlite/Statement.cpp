#include "platform/db/sqlite/Statement.h"

#include "platform/db/sqlite/Connection.h"
#include "platform/db/sqlite/Error.h"

#include <sqlite3.h>

namespace platform::db::sqlite {
namespace {

// The offset of the first character after blanks, semicolons and comments.
std::size_t skipFiller(std::string_view text, std::size_t pos) {
    while (pos < text.size()) {
        if (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\r' || text[pos] == '\n' ||
            text[pos] == ';') {
            ++pos;
        } else if (text.substr(pos, 2) == "--") {
            const std::size_t end = text.find('\n', pos);
            pos = end == std::string_view::npos ? text.size() : end + 1;
        } else if (text.substr(pos, 2) == "/*") {
            const std::size_t end = text.find("*/", pos + 2);
            pos = end == std::string_view::npos ? text.size() : end + 2;
        } else {
            break;
        }
    }
    return pos;
}

struct Prepared {
    StatementHandle stmt;
    std::size_t used = 0; // characters of the text the statement took
};

Prepared prepare(sqlite3* db, std::string_view sql) {
    if (sql.empty()) {
        return {};
    }
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &raw, &tail);
    StatementHandle stmt(raw);
    if (rc != SQLITE_OK) {
        throw Error(sqlite3_extended_errcode(db), sqlite3_errmsg(db), std::string(sql));
    }
    return {std::move(stmt), static_cast<std::size_t>(tail - sql.data())};
}

} // namespace

void StatementFinalizer::operator()(sqlite3_stmt* stmt) const noexcept {
    sqlite3_finalize(stmt);
}

Statement::Statement(sqlite3* db, StatementHandle stmt, std::string sql)
    : m_db(db), m_stmt(std::move(stmt)), m_sql(std::move(sql)) {}

Statement::Statement(Connection& connection, std::string_view sql) : m_db(connection.handle()), m_sql(sql) {
    Prepared prepared = prepare(m_db, sql);
    if (!prepared.stmt) {
        throw Error(SQLITE_MISUSE, "no statement to prepare", m_sql);
    }
    if (skipFiller(sql, prepared.used) != sql.size()) {
        throw Error(SQLITE_MISUSE, "more than one statement", m_sql);
    }
    m_stmt = std::move(prepared.stmt);
}

std::optional<Statement> Statement::prepareNext(Connection& connection, std::string_view& script) {
    // SQLite would skip them too, but then count them to the statement's text.
    script.remove_prefix(skipFiller(script, 0));
    Prepared prepared = prepare(connection.handle(), script);
    const std::string_view text = script.substr(0, prepared.used);
    if (!prepared.stmt) {
        script = {};
        return std::nullopt;
    }
    script.remove_prefix(prepared.used);
    return Statement(connection.handle(), std::move(prepared.stmt), std::string(text));
}

void Statement::fail(int rc) const {
    // A step reports the primary code only; the connection knows the extended one.
    const int code = sqlite3_extended_errcode(m_db);
    throw Error((code & 0xff) == (rc & 0xff) ? code : rc, sqlite3_errmsg(m_db), m_sql);
}

void Statement::check(int rc) const {
    if (rc != SQLITE_OK) {
        fail(rc);
    }
}

void Statement::bindNull(int index) {
    check(sqlite3_bind_null(m_stmt.get(), index));
}

void Statement::bind(int index, std::int64_t value) {
    check(sqlite3_bind_int64(m_stmt.get(), index, value));
}

void Statement::bind(int index, double value) {
    check(sqlite3_bind_double(m_stmt.get(), index, value));
}

void Statement::bind(int index, std::string_view text) {
    // An empty view may have no data: SQLite would take a null pointer for NULL.
    check(sqlite3_bind_text64(m_stmt.get(), index, text.empty() ? "" : text.data(), text.size(),
                              SQLITE_TRANSIENT, SQLITE_UTF8));
}

void Statement::bindBlob(int index, std::string_view bytes) {
    check(sqlite3_bind_blob64(m_stmt.get(), index, bytes.empty() ? "" : bytes.data(), bytes.size(),
                              SQLITE_TRANSIENT));
}

int Statement::parameterIndex(std::string_view name) const {
    const int index = sqlite3_bind_parameter_index(m_stmt.get(), std::string(name).c_str());
    if (index == 0) {
        throw Error(SQLITE_RANGE, "no parameter named " + std::string(name), m_sql);
    }
    return index;
}

bool Statement::step() {
    const int rc = sqlite3_step(m_stmt.get());
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_DONE) {
        return false;
    }
    fail(rc);
}

void Statement::run() {
    while (step()) {
    }
}

void Statement::reset() noexcept {
    sqlite3_reset(m_stmt.get());
}

void Statement::clearBindings() noexcept {
    sqlite3_clear_bindings(m_stmt.get());
}

int Statement::columnCount() const noexcept {
    return sqlite3_column_count(m_stmt.get());
}

std::string Statement::columnName(int column) const {
    const char* name = sqlite3_column_name(m_stmt.get(), column);
    if (name == nullptr) {
        throw Error(SQLITE_RANGE, "no column " + std::to_string(column), m_sql);
    }
    return name;
}

ColumnType Statement::columnType(int column) const noexcept {
    switch (sqlite3_column_type(m_stmt.get(), column)) {
    case SQLITE_INTEGER:
        return ColumnType::Integer;
    case SQLITE_FLOAT:
        return ColumnType::Float;
    case SQLITE_TEXT:
        return ColumnType::Text;
    case SQLITE_BLOB:
        return ColumnType::Blob;
    default:
        return ColumnType::Null;
    }
}

std::int64_t Statement::columnInt64(int column) const noexcept {
    return sqlite3_column_int64(m_stmt.get(), column);
}

double Statement::columnDouble(int column) const noexcept {
    return sqlite3_column_double(m_stmt.get(), column);
}

std::string Statement::columnText(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt.get(), column));
    if (text == nullptr) {
        return {};
    }
    return {text, static_cast<std::size_t>(sqlite3_column_bytes(m_stmt.get(), column))};
}

std::string Statement::columnBlob(int column) const {
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(m_stmt.get(), column));
    if (bytes == nullptr) {
        return {};
    }
    return {bytes, static_cast<std::size_t>(sqlite3_column_bytes(m_stmt.get(), column))};
}

bool Statement::readOnly() const noexcept {
    return sqlite3_stmt_readonly(m_stmt.get()) != 0;
}

} // namespace platform::db::sqlite
