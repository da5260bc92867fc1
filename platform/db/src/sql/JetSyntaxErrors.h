#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform::db::sql {

/// Jet's syntax error numbers, raised by the translator with Jet's own texts.
namespace jeterr {
inline constexpr std::int32_t QueryExpression = 3075;   // "... in query expression '...'."
inline constexpr std::int32_t BareExpression = 3077;    // "... in expression." (criteria texts)
inline constexpr std::int32_t UndefinedFunction = 3085; // "Undefined function '...' in expression."
inline constexpr std::int32_t InvalidStatement = 3129;
inline constexpr std::int32_t DeleteSyntax = 3130;
inline constexpr std::int32_t FromSyntax = 3131;
inline constexpr std::int32_t GroupBySyntax = 3132;
inline constexpr std::int32_t HavingSyntax = 3133;
inline constexpr std::int32_t InsertSyntax = 3134;
inline constexpr std::int32_t JoinSyntax = 3135;
inline constexpr std::int32_t OrderBySyntax = 3138;
inline constexpr std::int32_t SelectSyntax = 3141;
inline constexpr std::int32_t TrailingCharacters = 3142;
inline constexpr std::int32_t UpdateSyntax = 3144;
inline constexpr std::int32_t WhereSyntax = 3145;
inline constexpr std::int32_t UnionSyntax = 3319;
inline constexpr std::int32_t TooComplex = 3360;
} // namespace jeterr

/// How an expression failed; each has its own Jet text.
enum class ExpressionFault {
    MissingOperator,
    StringSyntax,
    DateSyntax,
    MissingParenthesis,
    ExtraParenthesis,
    Comma
};

/// Throws CallError 3075 (in a statement) or 3077 (a bare expression) with Jet's text for `fault`.
[[noreturn]] void throwExpressionError(ExpressionFault fault, std::string_view expressionText,
                                       bool bareExpression);

/// Throws CallError `number` with the fixed Jet text of that clause error.
[[noreturn]] void throwClauseError(std::int32_t number);

/// Throws CallError 3085 for a function Jet does not know.
[[noreturn]] void throwUndefinedFunction(std::string_view name);

} // namespace platform::db::sql
