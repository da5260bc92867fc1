#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace platform::db::sqlite {

class Connection;

/// Finalises a statement handle.
struct StatementFinalizer {
    void operator()(sqlite3_stmt* stmt) const noexcept;
};
using StatementHandle = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

enum class ColumnType { Integer, Float, Text, Blob, Null };

/// One prepared statement: a movable, non-copyable owner of the handle, valid while its connection
/// is. Parameters are numbered from 1 (or named: ":name", "@name", "$name", "?NNN"), columns from 0.
/// Texts and blobs are copied when bound. Every failure throws sqlite::Error with the statement's text.
class Statement {
public:
    /// Prepares exactly one statement; text after it other than blanks, semicolons and comments fails.
    Statement(Connection& connection, std::string_view sql);

    /// Prepares the first statement of `script` (its text starts after leading blanks, semicolons and
    /// comments) and leaves in `script` what follows it. Empty when nothing but those was left.
    [[nodiscard]] static std::optional<Statement> prepareNext(Connection& connection,
                                                              std::string_view& script);

    void bindNull(int index);
    void bind(int index, std::nullptr_t) { bindNull(index); }
    void bind(int index, std::int64_t value);
    void bind(int index, int value) { bind(index, static_cast<std::int64_t>(value)); }
    void bind(int index, double value);
    void bind(int index, std::string_view text);
    void bind(int index, const std::string& text) { bind(index, std::string_view(text)); }
    void bind(int index, const char* text) { bind(index, std::string_view(text)); }
    /// Bytes as a blob; they may hold zeros.
    void bindBlob(int index, std::string_view bytes);
    /// An empty optional is NULL.
    template <typename T> void bind(int index, const std::optional<T>& value) {
        if (value) {
            bind(index, *value);
        } else {
            bindNull(index);
        }
    }
    /// By name; a name the statement does not have fails.
    template <typename T> void bind(std::string_view name, const T& value) {
        bind(parameterIndex(name), value);
    }
    void bindNull(std::string_view name) { bindNull(parameterIndex(name)); }
    void bindBlob(std::string_view name, std::string_view bytes) { bindBlob(parameterIndex(name), bytes); }
    [[nodiscard]] int parameterIndex(std::string_view name) const;

    /// Runs to the next row: true when there is one, false when the statement is done.
    [[nodiscard]] bool step();
    /// Runs to the end, reading past any rows.
    void run();
    /// Back to the start for another run; the bound values stay.
    void reset() noexcept;
    /// Every parameter back to NULL.
    void clearBindings() noexcept;

    [[nodiscard]] int columnCount() const noexcept;
    [[nodiscard]] std::string columnName(int column) const;
    /// The type of the column's value in the current row.
    [[nodiscard]] ColumnType columnType(int column) const noexcept;
    [[nodiscard]] bool isNull(int column) const noexcept { return columnType(column) == ColumnType::Null; }
    [[nodiscard]] std::int64_t columnInt64(int column) const noexcept;
    [[nodiscard]] double columnDouble(int column) const noexcept;
    /// The value as text ("" for NULL), with every byte, zeros included.
    [[nodiscard]] std::string columnText(int column) const;
    /// The value's bytes ("" for NULL).
    [[nodiscard]] std::string columnBlob(int column) const;

    /// True when the statement writes nothing (SELECT, most PRAGMAs).
    [[nodiscard]] bool readOnly() const noexcept;
    [[nodiscard]] const std::string& sql() const noexcept { return m_sql; }
    /// The raw handle, for what this interface does not cover; the statement still owns it.
    [[nodiscard]] sqlite3_stmt* handle() const noexcept { return m_stmt.get(); }

private:
    Statement(sqlite3* db, StatementHandle stmt, std::string sql);
    [[noreturn]] void fail(int rc) const;
    void check(int rc) const;

    sqlite3* m_db;
    StatementHandle m_stmt;
    std::string m_sql;
};

} // namespace platform::db::sqlite
