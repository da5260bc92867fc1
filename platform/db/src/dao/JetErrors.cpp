#include "platform/db/JetErrors.h"

#include <array>
#include <utility>

namespace platform::db::jet {
namespace {

#define GK_JET_ERROR(name, text)                                                                             \
    CatalogueEntry {                                                                                         \
        name, #name, text                                                                                    \
    }

// In number order; a test holds the numbers, names and texts unique.
constexpr std::array entries{
    GK_JET_ERROR(ReservedError, "Reserved error (|); there is no message for this error."),
    GK_JET_ERROR(InvalidArgument, "Invalid argument."),
    GK_JET_ERROR(OperationInvalidWithoutIndex, "Operation invalid without a current index."),
    GK_JET_ERROR(UpdateWithoutAddNewOrEdit, "Update or CancelUpdate without AddNew or Edit."),
    GK_JET_ERROR(NoCurrentRecord, "No current record."),
    GK_JET_ERROR(DuplicateKey,
                 "The changes you requested to the table were not successful because they would create "
                 "duplicate values in the index, primary key, or relationship. Change the data in the "
                 "field or fields that contain duplicate data, remove the index, or redefine the index to "
                 "permit duplicate entries and try again."),
    GK_JET_ERROR(FileNotFound, "Could not find file '|'."),
    GK_JET_ERROR(DiskFull, "Not enough space on disk to write '|'."),
    GK_JET_ERROR(ReadOnly, "Cannot update. Database or object is read-only."),
    GK_JET_ERROR(WorkgroupFileMissing, "Cannot start your application. The workgroup information file is "
                                       "missing or opened exclusively by another user."),
    GK_JET_ERROR(BadAccount, "Not a valid account name or password."),
    GK_JET_ERROR(TransactionNotBegun,
                 "You tried to commit or roll back a transaction without first beginning a transaction."),
    GK_JET_ERROR(DiskOrNetworkError, "Disk or network error reading or writing '|'."),
    GK_JET_ERROR(FileInUse, "Could not use '|'; file already in use."),
    GK_JET_ERROR(CannotOpenDatabase, "Cannot open database '|'. It may not be a database that your "
                                     "application recognizes, or the file may be corrupt."),
    GK_JET_ERROR(CannotOpenFile, "The database engine cannot open the file '|'. It is already opened "
                                 "exclusively by another user, or you need permission to view its data."),
    GK_JET_ERROR(TooFewParameters, "Too few parameters. Expected 1."),
    GK_JET_ERROR(CannotExecuteSelect, "Cannot execute a select query."),
    GK_JET_ERROR(UnknownFieldInExpression,
                 "The database engine does not recognize '|' as a valid field name or expression."),
    // The first argument says what is wrong (see faultText), the second quotes the expression.
    GK_JET_ERROR(SyntaxErrorInExpression, "| in query expression '|'."),
    GK_JET_ERROR(SyntaxErrorInCriteria, "| in expression."),
    GK_JET_ERROR(InputTableNotFound, "The database engine cannot find the input table or query '|'. Make "
                                     "sure it exists and that its name is spelled correctly."),
    GK_JET_ERROR(AmbiguousField, "The specified field '|' could refer to more than one table listed in the "
                                 "FROM clause of your SQL statement."),
    GK_JET_ERROR(UndefinedFunction, "Undefined function '|' in expression."),
    GK_JET_ERROR(InvalidSqlStatement,
                 "Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or 'UPDATE'."),
    GK_JET_ERROR(SyntaxErrorInDelete, "Syntax error in DELETE statement."),
    GK_JET_ERROR(SyntaxErrorInFrom, "Syntax error in FROM clause."),
    GK_JET_ERROR(SyntaxErrorInGroupBy, "Syntax error in GROUP BY clause."),
    GK_JET_ERROR(SyntaxErrorInHaving, "Syntax error in HAVING clause."),
    GK_JET_ERROR(SyntaxErrorInInsert, "Syntax error in INSERT INTO statement."),
    GK_JET_ERROR(SyntaxErrorInJoin, "Syntax error in JOIN operation."),
    GK_JET_ERROR(SyntaxErrorInOrderBy, "Syntax error in ORDER BY clause."),
    GK_JET_ERROR(SyntaxErrorInSelect, "The SELECT statement includes a reserved word or an argument name "
                                      "that is misspelled or missing, or the punctuation is incorrect."),
    GK_JET_ERROR(CharactersAfterEnd, "Characters found after end of SQL statement."),
    GK_JET_ERROR(SyntaxErrorInUpdate, "Syntax error in UPDATE statement."),
    GK_JET_ERROR(SyntaxErrorInWhere, "Syntax error in WHERE clause."),
    GK_JET_ERROR(FieldCannotBeUpdated, "Field cannot be updated."),
    GK_JET_ERROR(RecordDeleted, "Record is deleted."),
    GK_JET_ERROR(ReadLocked, "Could not read '|'; currently locked by another user."),
    GK_JET_ERROR(CurrentlyLocked, "Could not update '|'; currently locked."),
    GK_JET_ERROR(InvalidOperation, "Invalid operation."),
    GK_JET_ERROR(NotSupportedForObject, "Operation is not supported for this type of object."),
    GK_JET_ERROR(ItemNotFound, "Item not found in this collection."),
    GK_JET_ERROR(FieldRequired,
                 "The field '|' cannot contain a Null value because the Required property for this field "
                 "is set to True. Enter a value in this field."),
    GK_JET_ERROR(SyntaxErrorInUnion, "Syntax error in union query."),
    GK_JET_ERROR(UnrecognizedFormat, "Unrecognized database format '|'."),
    GK_JET_ERROR(TooComplex, "Query is too complex."),
    GK_JET_ERROR(ObjectInvalid, "Object invalid or no longer set."),
    GK_JET_ERROR(TypeMismatchInCriteria, "Data type mismatch in criteria expression."),
    GK_JET_ERROR(NotAnIndex, "'|' is not an index in this table."),
};

#undef GK_JET_ERROR

/// What is wrong with an expression, the first argument of 3075 and 3077.
std::string_view faultText(ExpressionFault fault) {
    switch (fault) {
    case ExpressionFault::MissingOperator:
        return "Syntax error (missing operator)";
    case ExpressionFault::StringSyntax:
        return "Syntax error in string";
    case ExpressionFault::DateSyntax:
        return "Syntax error in date";
    case ExpressionFault::MissingParenthesis:
        return "Missing ), ], or Item";
    case ExpressionFault::ExtraParenthesis:
        return "Extra )";
    case ExpressionFault::Comma:
        return "Syntax error (comma)";
    }
    return "Syntax error";
}

std::string fill(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string out;
    const auto* next = arguments.begin();
    for (const char c : pattern) {
        if (c != '|') {
            out += c;
            continue;
        }
        if (next != arguments.end()) {
            out += *next++;
        }
    }
    return out;
}

const CatalogueEntry* find(std::int32_t number) {
    for (const CatalogueEntry& e : entries) {
        if (e.number == number) {
            return &e;
        }
    }
    return nullptr;
}

} // namespace

std::span<const CatalogueEntry> catalogue() {
    return entries;
}

std::string errorText(std::int32_t number, std::string_view argument) {
    return errorText(number, {argument});
}

std::string errorText(std::int32_t number, std::initializer_list<std::string_view> arguments) {
    if (const CatalogueEntry* e = find(number)) {
        return fill(e->text, arguments);
    }
    // The runtime's errors, such as those the SQL functions raise, keep the runtime's texts.
    if (const std::string_view runtimeText = err::text(number); !runtimeText.empty()) {
        return std::string(runtimeText);
    }
    return fill(entries.front().text, {std::to_string(number)});
}

CallError makeError(std::int32_t number, std::string_view source, std::string_view argument) {
    return CallError(number, std::string(source), errorText(number, argument));
}

CallError makeExpressionError(ExpressionFault fault, std::string_view source,
                              std::string_view expressionText) {
    return CallError(SyntaxErrorInExpression, std::string(source),
                     errorText(SyntaxErrorInExpression, {faultText(fault), expressionText}));
}

CallError makeReadOnlyError(std::string_view source, std::string_view file) {
    CallError bare = makeError(ReadOnly, source);
    if (file.empty()) {
        return bare;
    }
    std::string text = bare.description();
    text.pop_back(); // the full stop
    return CallError(ReadOnly, std::string(source), text + ": '" + std::string(file) + "'.");
}

CallError makeMissingTableError(std::string_view source, std::string_view table, std::string_view file) {
    std::string text = errorText(InputTableNotFound, table);
    const std::string quoted = "'" + std::string(table) + "'.";
    if (const auto at = text.find(quoted); !file.empty() && at != std::string::npos) {
        text.insert(at + quoted.size() - 1, " in the database '" + std::string(file) + "'");
    }
    return CallError(InputTableNotFound, std::string(source), text);
}

CallError makeCriteriaError(ExpressionFault fault, std::string_view source) {
    return CallError(SyntaxErrorInCriteria, std::string(source),
                     errorText(SyntaxErrorInCriteria, {faultText(fault)}));
}

} // namespace platform::db::jet
