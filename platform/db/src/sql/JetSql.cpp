#include "platform/db/JetSql.h"

// Placeholder until the translator lands: passes text through unchanged.
namespace platform::db {
std::string translateStatement(std::string_view jetSql) { return std::string(jetSql); }
std::string translateCriteria(std::string_view jetExpression) { return std::string(jetExpression); }
} // namespace platform::db
