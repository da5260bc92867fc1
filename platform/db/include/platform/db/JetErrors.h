#pragma once

// The engine's error numbers and texts for the failures callers meet. Texts keep the engine's wording
// with its placeholders filled in; callers compare numbers, users read texts.

#include "platform/CallError.h"

#include <cstdint>
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
inline constexpr std::int32_t SyntaxErrorInExpression = 3075;
inline constexpr std::int32_t SyntaxErrorInCriteria = 3077; // raised by the translator
inline constexpr std::int32_t UndefinedFunction = 3085;     // raised by the translator
inline constexpr std::int32_t InputTableNotFound = 3078;
inline constexpr std::int32_t AmbiguousField = 3079;
inline constexpr std::int32_t InvalidSqlStatement = 3129; // raised by the translator
inline constexpr std::int32_t SyntaxErrorInFrom = 3131;
inline constexpr std::int32_t CharactersAfterEnd = 3142;
inline constexpr std::int32_t FieldCannotBeUpdated = 3164;
inline constexpr std::int32_t RecordDeleted = 3167;
inline constexpr std::int32_t ReadLocked = 3187;
inline constexpr std::int32_t CurrentlyLocked = 3218;
inline constexpr std::int32_t InvalidOperation = 3219;
inline constexpr std::int32_t ItemNotFound = 3265;
inline constexpr std::int32_t NotSupportedForObject = 3251;
inline constexpr std::int32_t FieldRequired = 3314;
inline constexpr std::int32_t UnrecognizedFormat = 3343;
inline constexpr std::int32_t TooComplex = 3360;
inline constexpr std::int32_t ObjectInvalid = 3420;
inline constexpr std::int32_t TypeMismatchInCriteria = 3464;
inline constexpr std::int32_t NotAnIndex = 3800;

/// The text of an error number; `argument` fills the engine's placeholder (a file, table, field or
/// expression). Unknown numbers give the engine's "reserved error" text.
[[nodiscard]] std::string errorText(std::int32_t number, std::string_view argument = {});

/// The error as thrown: number, source ("DAO.Database", "DAO.Recordset" ...) and text.
[[nodiscard]] CallError makeError(std::int32_t number, std::string_view source,
                                  std::string_view argument = {});

} // namespace platform::db::jet
