#pragma once

// RAII owners of SQLite handles and the translation of SQLite failures into the engine's errors.
// Private to the database layer: sqlite3.h goes no further than this folder.

#include "platform/Variant.h"
#include "platform/db/Dao.h"
#include "platform/db/sqlite/Connection.h"
#include "platform/db/sqlite/Statement.h"

#include <memory>
#include <sqlite3.h>
#include <string>
#include <string_view>

namespace platform::db {

// The owners of the native interface: one closer and one finaliser for the whole layer.
using ConnectionPtr = sqlite::ConnectionHandle;
using StatementPtr = sqlite::StatementHandle;

/// Resets a statement when it leaves scope, so that no read transaction outlives the call that
/// stepped it.
class StatementReset {
public:
    explicit StatementReset(sqlite3_stmt* stmt) : m_stmt(stmt) {}
    ~StatementReset() {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
    StatementReset(const StatementReset&) = delete;
    StatementReset& operator=(const StatementReset&) = delete;

private:
    sqlite3_stmt* m_stmt;
};

/// What a statement was doing when SQLite failed, for choosing the engine's error: reading
/// (Statement, Criteria) or writing (Edit, action statements and transactions included).
enum class SqlContext { Statement, Criteria, Edit };

/// Throws the engine's error for a failed SQLite call on `db`. Its text never quotes the statement,
/// at most the token a syntax error stopped at: the message may reach the user.
[[noreturn]] void throwSqliteError(sqlite3* db, int rc, std::string_view source, SqlContext context);

/// Prepares exactly one statement; characters after it (other than blanks and ';') fail with 3142.
[[nodiscard]] StatementPtr prepareOne(sqlite3* db, std::string_view sql, std::string_view source,
                                      SqlContext context);

/// Binds a variant as the engine stores it: booleans as -1/0, dates as ISO text, Empty as Null.
void bindVariant(sqlite3_stmt* stmt, int index, const Variant& value);

/// How a column's declared type reads back.
enum class ValueKind { Plain, Boolean, Date };
[[nodiscard]] ValueKind kindOfDeclaredType(const char* declaredType);
/// A column of the statement's current row as a record set field reads it; a text stays SQLite's
/// (valid until the statement steps, is reset or finalised).
[[nodiscard]] FieldView columnView(sqlite3_stmt* stmt, int column, ValueKind kind);
[[nodiscard]] Variant columnVariant(sqlite3_stmt* stmt, int column, ValueKind kind);

/// Any name as an SQLite identifier in double quotes, inner double quotes doubled: for names that come
/// from the schema, whatever characters they hold.
[[nodiscard]] std::string doubleQuotedIdentifier(std::string_view name);

/// ASCII comparison without regard to case (the engine's names are ASCII).
[[nodiscard]] bool equalsNoCase(std::string_view a, std::string_view b);

} // namespace platform::db
