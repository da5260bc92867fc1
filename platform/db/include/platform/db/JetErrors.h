#pragma once

// The engine's error numbers and texts for the failures callers meet. Texts keep the engine's wording
// with its placeholders filled in; callers compare numbers, users read texts.

#include "platform/CallError.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace platform::db::jet {

inline constexpr std::int32_t ReservedError = 3000;
inline constexpr std::int32_t InvalidArgument = 3001;
inline constexpr std::int32_t OperationInvalidWithoutIndex = 3019;
inline constexpr std::int32_t UpdateWithoutAddNewOrEdit = 3020;
inline constexpr std::int32_t NoCurrentRecord = 3021;
inline constexpr std::int32_t DuplicateKey = 3022;
inline constexpr std::int32_t FileNotFound = 3024;
inline constexpr std::int32_t DiskFull = 3026;
inline constexpr std::int32_t ReadOnly = 3027;
inline constexpr std::int32_t WorkgroupFileMissing = 3028;
inline constexpr std::int32_t BadAccount = 3029;
inline constexpr std::int32_t TransactionNotBegun = 3034;
inline constexpr std::int32_t DiskOrNetworkError = 3043;
inline constexpr std::int32_t FileInUse = 3045;
inline constexpr std::int32_t CannotOpenDatabase = 3049;
inline constexpr std::int32_t CannotOpenFile = 3051;
inline constexpr std::int32_t TooFewParameters = 3061;
inline constexpr std::int32_t CannotExecuteSelect = 3065;
inline constexpr std::int32_t UnknownFieldInExpression = 3070;
inline constexpr std::int32_t SyntaxErrorInExpression = 3075; // an expression of a statement
inline constexpr std::int32_t SyntaxErrorInCriteria = 3077;   // a bare criteria expression
inline constexpr std::int32_t InputTableNotFound = 3078;
inline constexpr std::int32_t AmbiguousField = 3079;
inline constexpr std::int32_t UndefinedFunction = 3085;
inline constexpr std::int32_t InvalidSqlStatement = 3129;
inline constexpr std::int32_t SyntaxErrorInDelete = 3130;
inline constexpr std::int32_t SyntaxErrorInFrom = 3131;
inline constexpr std::int32_t SyntaxErrorInGroupBy = 3132;
inline constexpr std::int32_t SyntaxErrorInHaving = 3133;
inline constexpr std::int32_t SyntaxErrorInInsert = 3134;
inline constexpr std::int32_t SyntaxErrorInJoin = 3135;
inline constexpr std::int32_t SyntaxErrorInOrderBy = 3138;
inline constexpr std::int32_t SyntaxErrorInSelect = 3141;
inline constexpr std::int32_t CharactersAfterEnd = 3142;
inline constexpr std::int32_t SyntaxErrorInUpdate = 3144;
inline constexpr std::int32_t SyntaxErrorInWhere = 3145;
inline constexpr std::int32_t FieldCannotBeUpdated = 3164;
inline constexpr std::int32_t RecordDeleted = 3167;
inline constexpr std::int32_t ReadLocked = 3187;
inline constexpr std::int32_t CurrentlyLocked = 3218;
inline constexpr std::int32_t InvalidOperation = 3219;
inline constexpr std::int32_t NotSupportedForObject = 3251;
inline constexpr std::int32_t ItemNotFound = 3265;
inline constexpr std::int32_t FieldRequired = 3314;
inline constexpr std::int32_t SyntaxErrorInUnion = 3319;
inline constexpr std::int32_t UnrecognizedFormat = 3343;
inline constexpr std::int32_t TooComplex = 3360;
inline constexpr std::int32_t ObjectInvalid = 3420;
inline constexpr std::int32_t TypeMismatchInCriteria = 3464;
inline constexpr std::int32_t NotAnIndex = 3800;

/// One error of the catalogue: its number, the name the code gives it and the engine's text, where
/// each '|' marks an argument, filled in order.
struct CatalogueEntry {
    std::int32_t number;
    std::string_view name;
    std::string_view text;
};

/// Every error of the engine that this layer raises, in number order: the one home of their texts.
[[nodiscard]] std::span<const CatalogueEntry> catalogue();

/// How an expression failed to parse; each fault has its own wording in 3075 and 3077.
enum class ExpressionFault {
    MissingOperator,
    StringSyntax,
    DateSyntax,
    MissingParenthesis,
    ExtraParenthesis,
    Comma
};

/// The text of an error number; `argument` fills the engine's placeholder (a file, table, field or
/// expression). A runtime number (platform::err) gives the runtime's text, any other unknown number the
/// engine's "reserved error" text.
[[nodiscard]] std::string errorText(std::int32_t number, std::string_view argument = {});

/// The text of an error number with several arguments, filled in order; missing ones stay empty.
[[nodiscard]] std::string errorText(std::int32_t number, std::initializer_list<std::string_view> arguments);

/// The error as thrown: number, source ("DAO.Database", "DAO.Recordset" ...) and text.
[[nodiscard]] CallError makeError(std::int32_t number, std::string_view source,
                                  std::string_view argument = {});

/// 3075: an expression of a statement failed to parse; the text quotes `expressionText`.
[[nodiscard]] CallError makeExpressionError(ExpressionFault fault, std::string_view source,
                                            std::string_view expressionText);

/// 3077: a bare criteria expression failed to parse; Jet's text then quotes nothing.
[[nodiscard]] CallError makeCriteriaError(ExpressionFault fault, std::string_view source);
/// 3027 naming the database file that cannot be written, so the user knows where to look; Jet's bare
/// text when `file` is empty.
[[nodiscard]] CallError makeReadOnlyError(std::string_view source, std::string_view file);
/// 3078 naming the database file in which the table or query was looked for; Jet's bare text when
/// `file` is empty.
[[nodiscard]] CallError makeMissingTableError(std::string_view source, std::string_view table,
                                              std::string_view file);

} // namespace platform::db::jet
