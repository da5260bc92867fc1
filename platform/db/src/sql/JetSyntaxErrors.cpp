#include "JetSyntaxErrors.h"

#include "platform/CallError.h"

namespace platform::db::sql {
namespace {

constexpr const char* kSource = "DAO.Database";

std::string faultPrefix(ExpressionFault fault) {
    switch (fault) {
    case ExpressionFault::MissingOperator:
        return "Syntax error (missing operator) in ";
    case ExpressionFault::StringSyntax:
        return "Syntax error in string in ";
    case ExpressionFault::DateSyntax:
        return "Syntax error in date in ";
    case ExpressionFault::MissingParenthesis:
        return "Missing ), ], or Item in ";
    case ExpressionFault::ExtraParenthesis:
        return "Extra ) in ";
    case ExpressionFault::Comma:
        return "Syntax error (comma) in ";
    }
    return "Syntax error in ";
}

} // namespace

void throwExpressionError(ExpressionFault fault, std::string_view expressionText, bool bareExpression) {
    if (bareExpression) {
        throw CallError(jeterr::BareExpression, kSource, faultPrefix(fault) + "expression.");
    }
    throw CallError(jeterr::QueryExpression, kSource,
                    faultPrefix(fault) + "query expression '" + std::string(expressionText) + "'.");
}

void throwClauseError(std::int32_t number) {
    const char* text = "Syntax error.";
    switch (number) {
    case jeterr::InvalidStatement:
        text = "Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or 'UPDATE'.";
        break;
    case jeterr::DeleteSyntax:
        text = "Syntax error in DELETE statement.";
        break;
    case jeterr::FromSyntax:
        text = "Syntax error in FROM clause.";
        break;
    case jeterr::GroupBySyntax:
        text = "Syntax error in GROUP BY clause.";
        break;
    case jeterr::HavingSyntax:
        text = "Syntax error in HAVING clause.";
        break;
    case jeterr::InsertSyntax:
        text = "Syntax error in INSERT INTO statement.";
        break;
    case jeterr::JoinSyntax:
        text = "Syntax error in JOIN operation.";
        break;
    case jeterr::OrderBySyntax:
        text = "Syntax error in ORDER BY clause.";
        break;
    case jeterr::SelectSyntax:
        text = "The SELECT statement includes a reserved word or an argument name that is misspelled or "
               "missing, or the punctuation is incorrect.";
        break;
    case jeterr::TrailingCharacters:
        text = "Characters found after end of SQL statement.";
        break;
    case jeterr::UpdateSyntax:
        text = "Syntax error in UPDATE statement.";
        break;
    case jeterr::WhereSyntax:
        text = "Syntax error in WHERE clause.";
        break;
    case jeterr::TooComplex:
        text = "Query is too complex.";
        break;
    case jeterr::UnionSyntax:
        text = "Syntax error in union query.";
        break;
    default:
        break;
    }
    throw CallError(number, kSource, text);
}

void throwUndefinedFunction(std::string_view name) {
    throw CallError(jeterr::UndefinedFunction, kSource,
                    "Undefined function '" + std::string(name) + "' in expression.");
}

} // namespace platform::db::sql
