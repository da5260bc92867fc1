#include "PreparedInsert.h"

#include <algorithm>
#include <sqlite3.h>
#include <stdexcept>

namespace generator {

void PreparedInsert::Finalizer::operator()(sqlite3_stmt* statement) const noexcept {
    sqlite3_finalize(statement);
}

PreparedInsert::PreparedInsert(sqlite3* db, std::string_view table, std::string_view columns)
    : m_db(db), m_table(table) {
    const auto count = std::count(columns.begin(), columns.end(), ',') + 1;
    std::string placeholders;
    for (std::ptrdiff_t i = 0; i < count; ++i) {
        placeholders += i == 0 ? "?" : ", ?";
    }
    const std::string sql =
        "INSERT INTO " + m_table + " (" + std::string(columns) + ") VALUES (" + placeholders + ")";
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
        throw std::runtime_error(m_table + ": " + sqlite3_errmsg(db));
    }
    m_statement.reset(raw);
}

void PreparedInsert::bind(int index, std::int64_t value) {
    sqlite3_bind_int64(m_statement.get(), index, value);
}

void PreparedInsert::bind(int index, double value) {
    sqlite3_bind_double(m_statement.get(), index, value);
}

void PreparedInsert::bind(int index, const std::string& value) {
    sqlite3_bind_text(m_statement.get(), index, value.data(), static_cast<int>(value.size()),
                      SQLITE_TRANSIENT);
}

void PreparedInsert::bind(int index, const char* value) {
    sqlite3_bind_text(m_statement.get(), index, value, -1, SQLITE_TRANSIENT);
}

void PreparedInsert::bind(int index, const std::optional<double>& value) {
    if (value) {
        bind(index, *value);
    } else {
        sqlite3_bind_null(m_statement.get(), index);
    }
}

void PreparedInsert::bind(int index, const std::optional<std::int64_t>& value) {
    if (value) {
        bind(index, *value);
    } else {
        sqlite3_bind_null(m_statement.get(), index);
    }
}

void PreparedInsert::bind(int index, const std::optional<std::string>& value) {
    if (value) {
        bind(index, *value);
    } else {
        sqlite3_bind_null(m_statement.get(), index);
    }
}

void PreparedInsert::step() {
    const int rc = sqlite3_step(m_statement.get());
    sqlite3_reset(m_statement.get());
    sqlite3_clear_bindings(m_statement.get());
    if (rc != SQLITE_DONE) {
        throw std::runtime_error(m_table + ": " + sqlite3_errmsg(m_db));
    }
}

} // namespace generator
