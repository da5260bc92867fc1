#include "CriteriaMatcher.h"

#include "platform/db/JetErrors.h"

#include <array>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <optional>

namespace platform::db {
namespace {

enum class TokenKind { Space, Name, QuotedName, Text, Blob, Number, Other };

struct Token {
    TokenKind kind;
    std::string_view text;
};

bool nameStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || (c & 0x80) != 0;
}
bool namePart(char c) {
    return nameStart(c) || std::isdigit(static_cast<unsigned char>(c)) || c == '$';
}

std::size_t quotedEnd(std::string_view s, std::size_t at, char close) {
    std::size_t i = at + 1;
    while (i < s.size()) {
        if (s[i] == close) {
            if (close != ']' && i + 1 < s.size() && s[i + 1] == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return s.size();
}

std::vector<Token> tokenize(std::string_view s) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        std::size_t end = i + 1;
        TokenKind kind = TokenKind::Other;
        if (std::isspace(static_cast<unsigned char>(c))) {
            while (end < s.size() && std::isspace(static_cast<unsigned char>(s[end]))) {
                ++end;
            }
            kind = TokenKind::Space;
        } else if (c == '\'') {
            end = quotedEnd(s, i, '\'');
            kind = TokenKind::Text;
        } else if ((c == 'x' || c == 'X') && i + 1 < s.size() && s[i + 1] == '\'') {
            end = quotedEnd(s, i + 1, '\''); // a blob literal, not the name x before a text
            kind = TokenKind::Blob;
        } else if (c == '"' || c == '`' || c == '[') {
            end = quotedEnd(s, i, c == '[' ? ']' : c);
            kind = TokenKind::QuotedName;
        } else if (std::isdigit(static_cast<unsigned char>(c)) ||
                   (c == '.' && i + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1])))) {
            while (end < s.size() &&
                   (std::isalnum(static_cast<unsigned char>(s[end])) || s[end] == '.' ||
                    ((s[end] == '+' || s[end] == '-') && (s[end - 1] == 'e' || s[end - 1] == 'E')))) {
                ++end;
            }
            kind = TokenKind::Number;
        } else if (c == '?' || c == ':' || c == '@' || c == '$') {
            while (end < s.size() && namePart(s[end])) {
                ++end;
            }
        } else if (nameStart(c)) {
            while (end < s.size() && namePart(s[end])) {
                ++end;
            }
            kind = TokenKind::Name;
        }
        tokens.push_back({kind, s.substr(i, end - i)});
        i = end;
    }
    return tokens;
}

constexpr std::array keywords{"AND",     "OR",      "NOT",     "IS",     "NULL",     "LIKE",  "GLOB", "IN",
                              "BETWEEN", "ESCAPE",  "COLLATE", "CASE",   "WHEN",     "THEN",  "ELSE", "END",
                              "TRUE",    "FALSE",   "EXISTS",  "SELECT", "FROM",     "WHERE", "CAST", "AS",
                              "ISNULL",  "NOTNULL", "REGEXP",  "MATCH",  "DISTINCT", "ALL"};

bool isKeyword(std::string_view name) {
    for (const char* k : keywords) {
        if (equalsNoCase(name, k)) {
            return true;
        }
    }
    return false;
}

std::string unquote(const Token& t) {
    if (t.kind != TokenKind::QuotedName) {
        return std::string(t.text);
    }
    const char close = t.text.front() == '[' ? ']' : t.text.front();
    const bool closed = t.text.size() >= 2 && t.text.back() == close;
    const std::string_view inner = t.text.substr(1, t.text.size() - (closed ? 2 : 1));
    std::string out;
    for (std::size_t i = 0; i < inner.size(); ++i) {
        out += inner[i];
        if (close != ']' && inner[i] == close && i + 1 < inner.size() && inner[i + 1] == close) {
            ++i;
        }
    }
    return out;
}

std::optional<std::size_t> nextSignificant(const std::vector<Token>& tokens, std::size_t from) {
    for (std::size_t i = from; i < tokens.size(); ++i) {
        if (tokens[i].kind != TokenKind::Space) {
            return i;
        }
    }
    return std::nullopt;
}

bool isName(const Token& t) {
    return t.kind == TokenKind::Name || t.kind == TokenKind::QuotedName;
}

int findColumn(const std::vector<ColumnInfo>& columns, std::string_view table, std::string_view name) {
    if (!table.empty()) {
        for (std::size_t i = 0; i < columns.size(); ++i) {
            if (equalsNoCase(columns[i].originTable, table) &&
                (equalsNoCase(columns[i].originColumn, name) || equalsNoCase(columns[i].name, name))) {
                return static_cast<int>(i);
            }
        }
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (equalsNoCase(columns[i].name, name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

std::string bindFieldNames(std::string_view sqliteExpression, const std::vector<ColumnInfo>& columns) {
    const std::vector<Token> tokens = tokenize(sqliteExpression);
    std::string out;
    // The name after COLLATE is a collation, the one after AS (in a cast) a type: neither is a field.
    bool namesNoField = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (!isName(t)) {
            out += t.text;
            if (t.kind != TokenKind::Space) {
                namesNoField = false;
            }
            continue;
        }
        const bool plain = t.kind == TokenKind::Name;
        const auto next = nextSignificant(tokens, i + 1);
        if (namesNoField || (plain && isKeyword(t.text)) || (plain && next && tokens[*next].text == "(")) {
            namesNoField = plain && (equalsNoCase(t.text, "COLLATE") || equalsNoCase(t.text, "AS"));
            out += t.text;
            continue;
        }
        std::string table;
        std::string name = unquote(t);
        std::size_t last = i;
        if (next && tokens[*next].text == ".") {
            const auto member = nextSignificant(tokens, *next + 1);
            if (member && isName(tokens[*member])) {
                table = name;
                name = unquote(tokens[*member]);
                last = *member;
            }
        }
        const int column = findColumn(columns, table, name);
        if (column < 0) {
            out +=
                sqliteExpression.substr(static_cast<std::size_t>(t.text.data() - sqliteExpression.data()),
                                        static_cast<std::size_t>(tokens[last].text.data() +
                                                                 tokens[last].text.size() - t.text.data()));
        } else {
            out += "(?" + std::to_string(column + 1) + " COLLATE JETTEXT)";
        }
        i = last;
    }
    return out;
}

namespace {

std::optional<Variant> numberLiteral(std::string_view text, bool negative) {
    std::string digits(text);
    if (negative) {
        digits.insert(digits.begin(), '-');
    }
    if (digits.find_first_of(".eE") == std::string::npos) {
        errno = 0;
        char* end = nullptr;
        const long long value = std::strtoll(digits.c_str(), &end, 10);
        if (errno != 0 || end != digits.c_str() + digits.size()) {
            return std::nullopt;
        }
        return Variant(static_cast<std::int64_t>(value));
    }
    char* end = nullptr;
    const double value = std::strtod(digits.c_str(), &end);
    if (end != digits.c_str() + digits.size()) {
        return std::nullopt;
    }
    return Variant(value);
}

std::string textLiteral(std::string_view quoted) {
    std::string out;
    for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
        out += quoted[i];
        if (quoted[i] == '\'' && quoted[i + 1] == '\'') {
            ++i;
        }
    }
    return out;
}

// Reads a literal at tokens[i...]; advances i past it.
std::optional<Variant> literalAt(const std::vector<Token>& tokens, std::size_t& i) {
    if (i < tokens.size() && tokens[i].kind == TokenKind::Text) {
        std::string text = textLiteral(tokens[i].text);
        ++i;
        if (i + 1 < tokens.size() && equalsNoCase(tokens[i].text, "COLLATE") &&
            equalsNoCase(tokens[i + 1].text, "JETTEXT")) {
            i += 2;
        }
        return Variant(std::move(text));
    }
    const bool negative = i < tokens.size() && tokens[i].text == "-";
    const std::size_t at = negative ? i + 1 : i;
    if (at < tokens.size() && tokens[at].kind == TokenKind::Number) {
        i = at + 1;
        return numberLiteral(tokens[at].text, negative);
    }
    return std::nullopt;
}

// Reads a field name (optionally qualified) at tokens[i...]; advances i past it.
std::optional<std::size_t> fieldAt(const std::vector<Token>& tokens, std::size_t& i,
                                   const std::vector<ColumnInfo>& columns) {
    if (i >= tokens.size() || !isName(tokens[i]) ||
        (tokens[i].kind == TokenKind::Name && isKeyword(tokens[i].text))) {
        return std::nullopt;
    }
    std::string table;
    std::string name = unquote(tokens[i]);
    ++i;
    if (i + 1 < tokens.size() && tokens[i].text == "." && isName(tokens[i + 1])) {
        table = name;
        name = unquote(tokens[i + 1]);
        i += 2;
    }
    const int column = findColumn(columns, table, name);
    if (column < 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(column);
}

} // namespace

std::optional<std::vector<EqualityTerm>> parseEqualities(std::string_view sqliteExpression,
                                                         const std::vector<ColumnInfo>& columns) {
    // Without OR and NOT, parentheses around AND-joined terms change nothing: drop them.
    std::vector<Token> tokens;
    for (const Token& t : tokenize(sqliteExpression)) {
        if (t.kind != TokenKind::Space && t.text != "(" && t.text != ")") {
            tokens.push_back(t);
        }
    }
    std::vector<EqualityTerm> terms;
    std::size_t i = 0;
    while (true) {
        std::size_t start = i;
        std::optional<std::size_t> column = fieldAt(tokens, i, columns);
        std::optional<Variant> literal;
        if (column) {
            if (i >= tokens.size() || tokens[i].text != "=") {
                return std::nullopt;
            }
            ++i;
            literal = literalAt(tokens, i);
        } else {
            i = start;
            literal = literalAt(tokens, i);
            if (!literal || i >= tokens.size() || tokens[i].text != "=") {
                return std::nullopt;
            }
            ++i;
            column = fieldAt(tokens, i, columns);
        }
        if (!column || !literal || columns[*column].kind != ValueKind::Plain) {
            return std::nullopt;
        }
        terms.push_back({*column, std::move(*literal)});
        if (i == tokens.size()) {
            return terms;
        }
        if (!equalsNoCase(tokens[i].text, "AND")) {
            return std::nullopt;
        }
        ++i;
    }
}

std::optional<LikeTerm> parseLike(std::string_view jetCriteria, const std::vector<ColumnInfo>& columns) {
    std::vector<Token> tokens;
    for (const Token& t : tokenize(jetCriteria)) {
        if (t.kind != TokenKind::Space && t.text != "(" && t.text != ")") {
            tokens.push_back(t);
        }
    }
    std::size_t i = 0;
    const std::optional<std::size_t> column = fieldAt(tokens, i, columns);
    if (!column || i != 1 || tokens.size() != 3 || !equalsNoCase(tokens[1].text, "LIKE") ||
        tokens[2].kind != TokenKind::Text || columns[*column].kind != ValueKind::Plain) {
        return std::nullopt;
    }
    return LikeTerm{*column, textLiteral(tokens[2].text)};
}

CriteriaMatcher::CriteriaMatcher(sqlite3* db, std::string_view sqliteCriteria,
                                 const std::vector<ColumnInfo>& columns)
    : m_db(db) {
    const std::string sql = "SELECT (" + bindFieldNames(sqliteCriteria, columns) + ")";
    m_stmt = prepareOne(db, sql, recordsetSource, SqlContext::Criteria);
}

bool CriteriaMatcher::matches(const Row& row) {
    const StatementReset reset(m_stmt.get());
    const int parameters = sqlite3_bind_parameter_count(m_stmt.get());
    for (int i = 1; i <= parameters && static_cast<std::size_t>(i) <= row.size(); ++i) {
        bindVariant(m_stmt.get(), i, row[static_cast<std::size_t>(i - 1)]);
    }
    const int rc = sqlite3_step(m_stmt.get());
    if (rc != SQLITE_ROW) {
        throwSqliteError(m_db, rc, recordsetSource, SqlContext::Criteria);
    }
    switch (sqlite3_column_type(m_stmt.get(), 0)) {
    case SQLITE_INTEGER:
        return sqlite3_column_int64(m_stmt.get(), 0) != 0;
    case SQLITE_FLOAT:
        return sqlite3_column_double(m_stmt.get(), 0) != 0.0;
    case SQLITE_NULL:
        return false;
    default:
        return sqlite3_column_double(m_stmt.get(), 0) != 0.0;
    }
}

} // namespace platform::db
