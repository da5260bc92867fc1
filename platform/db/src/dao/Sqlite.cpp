#include "Sqlite.h"

#include "platform/db/JetErrors.h"
#include "sql/JetToken.h"
#include "sql/SqliteExtensions.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace platform::db {
namespace {

std::string afterPrefix(std::string_view message, std::string_view prefix) {
    const auto at = message.find(prefix);
    if (at == std::string_view::npos) {
        return {};
    }
    return std::string(message.substr(at + prefix.size()));
}

/// The token SQLite's syntax message names (`near "X": syntax error`, `unrecognized token: "X"`), cut
/// short: the rest of the statement may follow it, and the message may reach the user.
std::string syntaxErrorToken(std::string_view message) {
    constexpr std::size_t kLongest = 40;
    std::string token = afterPrefix(message, "near \"");
    if (token.empty()) {
        token = afterPrefix(message, "unrecognized token: \"");
    }
    token = token.substr(0, token.rfind('"'));
    if (token.size() > kLongest) {
        std::size_t end = kLongest;
        while (end > 0 && (static_cast<unsigned char>(token[end]) & 0xC0) == 0x80) {
            --end; // not inside a UTF-8 sequence
        }
        token = token.substr(0, end) + "...";
    }
    return token;
}

std::string upper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return out;
}

// A date without time of day is stored as the date alone, as the translator writes #date# literals.
std::string isoDate(const Date& d) {
    char buffer[64];
    if (d.hour == 0 && d.minute == 0 && d.second == 0) {
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", d.year, d.month, d.day);
    } else {
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day, d.hour,
                      d.minute, d.second);
    }
    return buffer;
}

bool parseDigits(std::string_view text, std::size_t at, std::size_t count, int& out) {
    if (at + count > text.size()) {
        return false;
    }
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        value = value * 10 + (text[i] - '0');
    }
    out = value;
    return true;
}

// "YYYY-MM-DD", optionally followed by " HH:MM[:SS]" or "THH:MM[:SS]" (fractions ignored).
bool parseIsoDate(std::string_view text, Date& out) {
    Date d{};
    d.hour = d.minute = d.second = 0;
    if (!parseDigits(text, 0, 4, d.year) || text.size() < 10 || text[4] != '-' ||
        !parseDigits(text, 5, 2, d.month) || text[7] != '-' || !parseDigits(text, 8, 2, d.day)) {
        return false;
    }
    if (d.month < 1 || d.month > 12 || d.day < 1 || d.day > 31) {
        return false;
    }
    if (text.size() > 10) {
        if ((text[10] != ' ' && text[10] != 'T') || !parseDigits(text, 11, 2, d.hour) || text.size() < 16 ||
            text[13] != ':' || !parseDigits(text, 14, 2, d.minute)) {
            return false;
        }
        if (text.size() > 16 && (text[16] != ':' || !parseDigits(text, 17, 2, d.second))) {
            return false;
        }
    }
    out = d;
    return true;
}

} // namespace

bool equalsNoCase(std::string_view a, std::string_view b) {
    // Field names are looked up at every read: no call into the C locale per character.
    return sql::equalsIgnoringCase(a, b);
}

std::string doubleQuotedIdentifier(std::string_view name) {
    std::string out = "\"";
    for (const char c : name) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
    return out;
}

void throwSqliteError(sqlite3* db, int rc, std::string_view source, SqlContext context) {
    const std::string message = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    // A failure one of the Jet functions raised carries its number in the result code, its text in
    // the message (the connections report extended codes).
    if (const std::int32_t number = jetFunctionErrorNumber(rc); number != 0) {
        throw CallError(number, std::string(source), message);
    }
    const int primary = rc & 0xff;
    if (primary == SQLITE_CONSTRAINT) {
        if (rc == SQLITE_CONSTRAINT_UNIQUE || rc == SQLITE_CONSTRAINT_PRIMARYKEY) {
            throw jet::makeError(jet::DuplicateKey, source);
        }
        if (rc == SQLITE_CONSTRAINT_NOTNULL) {
            throw jet::makeError(jet::FieldRequired, source, afterPrefix(message, "failed: "));
        }
    }
    const char* file = db != nullptr ? sqlite3_db_filename(db, "main") : nullptr;
    if (primary == SQLITE_READONLY) {
        throw jet::makeReadOnlyError(source, file != nullptr ? file : "");
    }
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED) {
        // A read blocked by another process's write is no failed update: say whose file it is.
        if (context != SqlContext::Edit) {
            throw jet::makeError(jet::ReadLocked, source, file != nullptr ? file : "");
        }
        throw jet::makeError(jet::CurrentlyLocked, source, file != nullptr ? file : "");
    }
    // A write that the disk refused: the caller's old data stay, the user learns which file it was.
    if (primary == SQLITE_FULL) {
        throw jet::makeError(jet::DiskFull, source, file != nullptr ? file : "");
    }
    if (primary == SQLITE_IOERR || primary == SQLITE_CANTOPEN) {
        throw jet::makeError(jet::DiskOrNetworkError, source, file != nullptr ? file : "");
    }
    if (primary == SQLITE_MISMATCH) {
        throw jet::makeError(jet::TypeMismatchInCriteria, source);
    }
    if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT) {
        throw jet::makeError(jet::UnrecognizedFormat, source, file != nullptr ? file : "");
    }
    if (primary == SQLITE_ERROR) {
        // Beyond SQLite's limits on depth, arguments, terms or joins: a statement too big to run.
        if (message.find("parser stack overflow") != std::string::npos ||
            message.find("Expression tree is too large") != std::string::npos ||
            message.find("too many ") != std::string::npos ||
            message.find("at most 64 tables") != std::string::npos) {
            throw jet::makeError(jet::TooComplex, source);
        }
        if (std::string table = afterPrefix(message, "no such table: "); !table.empty()) {
            if (const auto dot = table.find('.'); dot != std::string::npos) {
                table.erase(0, dot + 1);
            }
            throw jet::makeMissingTableError(source, table, file != nullptr ? file : "");
        }
        if (std::string column = afterPrefix(message, "ambiguous column name: "); !column.empty()) {
            throw jet::makeError(jet::AmbiguousField, source, column);
        }
        if (std::string column = afterPrefix(message, "no such column: "); !column.empty()) {
            if (context == SqlContext::Criteria) {
                throw jet::makeError(jet::UnknownFieldInExpression, source, column);
            }
            throw jet::makeError(jet::TooFewParameters, source);
        }
        if (message.find("syntax error") != std::string::npos ||
            message.find("incomplete input") != std::string::npos ||
            message.find("unrecognized token") != std::string::npos) {
            throw jet::makeExpressionError(jet::ExpressionFault::MissingOperator, source,
                                           syntaxErrorToken(message));
        }
    }
    throw CallError(jet::ReservedError, std::string(source), message);
}

StatementPtr prepareOne(sqlite3* db, std::string_view sql, std::string_view source, SqlContext context) {
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &raw, &tail);
    StatementPtr stmt(raw);
    if (rc != SQLITE_OK) {
        throwSqliteError(db, rc, source, context);
    }
    if (!stmt) {
        throw jet::makeError(jet::InvalidOperation, source); // nothing but blanks or comments
    }
    const std::string_view rest(tail, static_cast<std::size_t>(sql.data() + sql.size() - tail));
    if (rest.find_first_not_of(" \t\r\n;") != std::string_view::npos) {
        throw jet::makeError(jet::CharactersAfterEnd, source);
    }
    return stmt;
}

void bindVariant(sqlite3_stmt* stmt, int index, const Variant& value) {
    switch (value.type()) {
    case Variant::Type::Empty:
    case Variant::Type::Null:
        sqlite3_bind_null(stmt, index);
        return;
    case Variant::Type::Integer:
        sqlite3_bind_int64(stmt, index, value.asInteger());
        return;
    case Variant::Type::Double:
        sqlite3_bind_double(stmt, index, value.asDouble());
        return;
    case Variant::Type::Text:
        sqlite3_bind_text(stmt, index, value.asText().data(), static_cast<int>(value.asText().size()),
                          SQLITE_TRANSIENT);
        return;
    case Variant::Type::Boolean:
        sqlite3_bind_int64(stmt, index, value.asBoolean() ? -1 : 0);
        return;
    case Variant::Type::Date: {
        const std::string text = isoDate(value.asDate());
        sqlite3_bind_text(stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        return;
    }
    }
}

ValueKind kindOfDeclaredType(const char* declaredType) {
    if (declaredType == nullptr) {
        return ValueKind::Plain;
    }
    const std::string type = upper(declaredType);
    if (type.find("BOOL") != std::string::npos || type == "YESNO" || type == "BIT" || type == "LOGICAL") {
        return ValueKind::Boolean;
    }
    if (type.find("DATE") != std::string::npos || type == "TIMESTAMP") {
        return ValueKind::Date;
    }
    return ValueKind::Plain;
}

FieldView columnView(sqlite3_stmt* stmt, int column, ValueKind kind) {
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_NULL:
        return FieldView::null();
    case SQLITE_INTEGER: {
        const std::int64_t v = sqlite3_column_int64(stmt, column);
        return kind == ValueKind::Boolean ? FieldView(v != 0) : FieldView(v);
    }
    case SQLITE_FLOAT: {
        const double v = sqlite3_column_double(stmt, column);
        return kind == ValueKind::Boolean ? FieldView(v != 0.0) : FieldView(v);
    }
    default: {
        // Text first, then its length: the order in which SQLite keeps the pointer valid.
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        const std::string_view view(text != nullptr ? text : "",
                                    static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)));
        Date date;
        if (kind == ValueKind::Date && parseIsoDate(view, date)) {
            return FieldView(date);
        }
        return FieldView(view);
    }
    }
}

Variant columnVariant(sqlite3_stmt* stmt, int column, ValueKind kind) {
    return columnView(stmt, column, kind).toVariant();
}

} // namespace platform::db
