#include "PreparedInsert.h"

#include "platform/db/sqlite/Error.h"

#include <algorithm>
#include <stdexcept>

namespace generator {
namespace {

std::string insertStatement(std::string_view table, std::string_view columns) {
    const auto count = std::count(columns.begin(), columns.end(), ',') + 1;
    std::string placeholders;
    for (std::ptrdiff_t i = 0; i < count; ++i) {
        placeholders += i == 0 ? "?" : ", ?";
    }
    return "INSERT INTO " + std::string(table) + " (" + std::string(columns) + ") VALUES (" + placeholders +
           ")";
}

platform::db::sqlite::Statement prepare(platform::db::sqlite::Connection& db, std::string_view table,
                                        std::string_view columns) {
    try {
        return platform::db::sqlite::Statement(db, insertStatement(table, columns));
    } catch (const platform::db::sqlite::Error& e) {
        throw std::runtime_error(std::string(table) + ": " + e.message());
    }
}

} // namespace

PreparedInsert::PreparedInsert(platform::db::sqlite::Connection& db, std::string_view table,
                               std::string_view columns)
    : m_table(table), m_statement(prepare(db, table, columns)) {}

void PreparedInsert::step() {
    try {
        m_statement.run();
    } catch (const platform::db::sqlite::Error& e) {
        m_statement.reset();
        m_statement.clearBindings();
        throw std::runtime_error(m_table + ": " + e.message());
    }
    m_statement.reset();
    m_statement.clearBindings();
}

} // namespace generator
