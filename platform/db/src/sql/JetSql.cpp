#include "JetSql.h"

#include "JetTranslator.h"

namespace platform::db {

std::string translateStatement(std::string_view jetSql) {
    return sql::JetTranslator(jetSql, false).statement();
}

std::string translateCriteria(std::string_view jetExpression) {
    return sql::JetTranslator(jetExpression, true).criteria();
}

} // namespace platform::db
