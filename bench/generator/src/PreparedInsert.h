#pragma once

#include "platform/db/sqlite/Statement.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform::db::sqlite {
class Connection;
}

namespace generator {

/// One INSERT statement prepared once and run for many rows. Values are bound by position; an
/// empty optional is NULL. Throws std::runtime_error naming the table when a row is refused.
class PreparedInsert {
public:
    PreparedInsert(platform::db::sqlite::Connection& db, std::string_view table, std::string_view columns);

    template <typename... Values> void row(const Values&... values) {
        int index = 0;
        (bind(++index, values), ...);
        step();
    }

private:
    template <typename Value> void bind(int index, const Value& value) { m_statement.bind(index, value); }
    void step();

    std::string m_table;
    platform::db::sqlite::Statement m_statement;
};

} // namespace generator
