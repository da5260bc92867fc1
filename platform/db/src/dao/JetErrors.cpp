#include "platform/db/JetErrors.h"

#include <array>
#include <utility>

namespace platform::db::jet {
namespace {

struct Entry {
    std::int32_t number;
    std::string_view text; // '|' marks where the argument goes
};

constexpr std::array entries{
    Entry{ReservedError, "Reserved error (|); there is no message for this error."},
    Entry{InvalidArgument, "Invalid argument."},
    Entry{OperationInvalidWithoutIndex, "Operation invalid without a current index."},
    Entry{UpdateWithoutAddNewOrEdit, "Update or CancelUpdate without AddNew or Edit."},
    Entry{NoCurrentRecord, "No current record."},
    Entry{DuplicateKey,
          "The changes you requested to the table were not successful because they would create "
          "duplicate values in the index, primary key, or relationship. Change the data in the "
          "field or fields that contain duplicate data, remove the index, or redefine the index to "
          "permit duplicate entries and try again."},
    Entry{FileNotFound, "Could not find file '|'."},
    Entry{DiskFull, "Not enough space on disk to write '|'."},
    Entry{ReadOnly, "Cannot update. Database or object is read-only."},
    Entry{WorkgroupFileMissing, "Cannot start your application. The workgroup information file is missing or "
                                "opened exclusively by another user."},
    Entry{BadAccount, "Not a valid account name or password."},
    Entry{TransactionNotBegun,
          "You tried to commit or roll back a transaction without first beginning a transaction."},
    Entry{DiskOrNetworkError, "Disk or network error reading or writing '|'."},
    Entry{FileInUse, "Could not use '|'; file already in use."},
    Entry{CannotOpenDatabase, "Cannot open database '|'. It may not be a database that your application "
                              "recognizes, or the file may be corrupt."},
    Entry{CannotOpenFile, "The database engine cannot open the file '|'. It is already opened exclusively by "
                          "another user, or you need permission to view its data."},
    Entry{TooFewParameters, "Too few parameters. Expected 1."},
    Entry{CannotExecuteSelect, "Cannot execute a select query."},
    Entry{UnknownFieldInExpression,
          "The database engine does not recognize '|' as a valid field name or expression."},
    Entry{SyntaxErrorInExpression, "Syntax error (missing operator) in query expression '|'."},
    Entry{InputTableNotFound,
          "The database engine cannot find the input table or query '|'. Make sure it exists "
          "and that its name is spelled correctly."},
    Entry{AmbiguousField,
          "The specified field '|' could refer to more than one table listed in the FROM clause "
          "of your SQL statement."},
    Entry{SyntaxErrorInFrom, "Syntax error in FROM clause."},
    Entry{CharactersAfterEnd, "Characters found after end of SQL statement."},
    Entry{FieldCannotBeUpdated, "Field cannot be updated."},
    Entry{RecordDeleted, "Record is deleted."},
    Entry{CurrentlyLocked, "Could not update '|'; currently locked."},
    Entry{ReadLocked, "Could not read '|'; currently locked by another user."},
    Entry{InvalidOperation, "Invalid operation."},
    Entry{ItemNotFound, "Item not found in this collection."},
    Entry{NotSupportedForObject, "Operation is not supported for this type of object."},
    Entry{FieldRequired,
          "The field '|' cannot contain a Null value because the Required property for this field "
          "is set to True. Enter a value in this field."},
    Entry{UnrecognizedFormat, "Unrecognized database format '|'."},
    Entry{TooComplex, "Query is too complex."},
    Entry{ObjectInvalid, "Object invalid or no longer set."},
    Entry{TypeMismatchInCriteria, "Data type mismatch in criteria expression."},
    Entry{NotAnIndex, "'|' is not an index in this table."},
};

std::string fill(std::string_view pattern, std::string_view argument) {
    const auto mark = pattern.find('|');
    if (mark == std::string_view::npos) {
        return std::string(pattern);
    }
    std::string out(pattern.substr(0, mark));
    out += argument;
    out += pattern.substr(mark + 1);
    return out;
}

} // namespace

std::string errorText(std::int32_t number, std::string_view argument) {
    for (const Entry& e : entries) {
        if (e.number == number) {
            return fill(e.text, argument);
        }
    }
    return fill(entries.front().text, std::to_string(number));
}

CallError makeError(std::int32_t number, std::string_view source, std::string_view argument) {
    return CallError(number, std::string(source), errorText(number, argument));
}

} // namespace platform::db::jet
