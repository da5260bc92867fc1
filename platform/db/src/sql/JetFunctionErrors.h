#pragma once

namespace platform::db::sql {

// The texts with which the registered functions fail a statement; jetFunctionErrorNumber maps them
// back to Jet's numbers.
inline constexpr const char* kTypeMismatchText = "Data type mismatch in criteria expression.";
inline constexpr const char* kInvalidUseOfNullText = "Invalid use of Null";
inline constexpr const char* kInvalidProcedureCallText = "Invalid procedure call or argument";
inline constexpr const char* kOverflowText = "Overflow";
inline constexpr const char* kDivisionByZeroText = "Division by zero";
inline constexpr const char* kInvalidPatternText = "Invalid pattern string";

} // namespace platform::db::sql
