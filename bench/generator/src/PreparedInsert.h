#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace generator {

/// One INSERT statement prepared once and run for many rows. Values are bound by position; an
/// empty optional is NULL. Throws std::runtime_error naming the table when a row is refused.
class PreparedInsert {
public:
    PreparedInsert(sqlite3* db, std::string_view table, std::string_view columns);

    template <typename... Values> void row(const Values&... values) {
        int index = 0;
        (bind(++index, values), ...);
        step();
    }

private:
    void bind(int index, std::int64_t value);
    void bind(int index, int value) { bind(index, static_cast<std::int64_t>(value)); }
    void bind(int index, double value);
    void bind(int index, const std::string& value);
    void bind(int index, const char* value);
    void bind(int index, const std::optional<double>& value);
    void bind(int index, const std::optional<std::int64_t>& value);
    void bind(int index, const std::optional<std::string>& value);
    void step();

    struct Finalizer {
        void operator()(sqlite3_stmt* statement) const noexcept;
    };
    sqlite3* m_db;
    std::string m_table;
    std::unique_ptr<sqlite3_stmt, Finalizer> m_statement;
};

} // namespace generator
