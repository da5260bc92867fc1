#pragma once

#include "JetTranslator.h"

#include <string>
#include <string_view>

// Pieces that the statement and the expression halves of JetTranslator share.
namespace platform::db::sql {

/// A word that ends an operand or a clause: never taken as a bare column name.
[[nodiscard]] bool isReserved(const JetToken& t);
/// FROM, WHERE, GROUP, ORDER, HAVING or UNION.
[[nodiscard]] bool isClauseWord(const JetToken& t);

/// A value where Jet uses the value of a truth: SQLite's 1 becomes Jet's -1.
[[nodiscard]] std::string valueSql(const Operand& op);
/// A side of a comparison with `other`: a text literal compares without regard to case as Jet does.
/// Against a column the column's own collation decides (JETTEXT on text columns): naming it again
/// would keep SQLite from using the index of a column of another collation, such as a number.
[[nodiscard]] std::string comparedSql(const Operand& op, const Operand& other);
[[nodiscard]] Operand booleanOperand(std::string sql);
[[nodiscard]] bool isTextLike(StaticType t);
[[nodiscard]] bool isNumberLike(StaticType t);

/// A Jet function that maps to one SQLite function of the same arguments.
struct FunctionInfo {
    std::string_view jetName;
    std::string_view sqlName;
    int minArgs;
    int maxArgs;
    StaticType result;
};

/// The function of that name (a trailing `$` ignored), nothing for one Jet does not know.
[[nodiscard]] const FunctionInfo* findFunction(std::string_view name);

} // namespace platform::db::sql
