#pragma once

#include <stdexcept>
#include <string>

namespace platform::db::sqlite {

/// A failed SQLite call on the native interface: SQLite's extended result code and message, and the
/// statement it concerned where there was one. what() gives the message followed by the start of the
/// statement; a failed open puts the file name in front of the message.
class Error : public std::runtime_error {
public:
    Error(int code, std::string message, std::string sql = {});

    /// SQLite's extended result code (SQLITE_CONSTRAINT_UNIQUE, SQLITE_READONLY_DBMOVED, ...).
    [[nodiscard]] int code() const noexcept { return m_code; }
    /// The primary result code (SQLITE_CONSTRAINT, SQLITE_READONLY, ...).
    [[nodiscard]] int primaryCode() const noexcept { return m_code & 0xff; }
    [[nodiscard]] const std::string& message() const noexcept { return m_message; }
    /// The statement text; empty when the call ran none.
    [[nodiscard]] const std::string& sql() const noexcept { return m_sql; }

private:
    int m_code;
    std::string m_message;
    std::string m_sql;
};

} // namespace platform::db::sqlite
