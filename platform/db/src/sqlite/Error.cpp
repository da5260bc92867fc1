#include "platform/db/sqlite/Error.h"

namespace platform::db::sqlite {
namespace {

// Enough of the statement to recognise it; a whole script would drown the message.
constexpr std::size_t shownSqlLength = 200;

std::string describe(const std::string& message, const std::string& sql) {
    if (sql.empty()) {
        return message;
    }
    if (sql.size() <= shownSqlLength) {
        return message + " (in: " + sql + ")";
    }
    return message + " (in: " + sql.substr(0, shownSqlLength) + "...)";
}

} // namespace

Error::Error(int code, std::string message, std::string sql)
    : std::runtime_error(describe(message, sql)), m_code(code), m_message(std::move(message)),
      m_sql(std::move(sql)) {}

} // namespace platform::db::sqlite
