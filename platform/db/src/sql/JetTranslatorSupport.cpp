#include "JetTranslatorSupport.h"

#include <array>
#include <sqlite3.h>

namespace platform::db::sql {
namespace {

// Words that end an operand or a clause: never taken as a bare column name.
constexpr std::array<std::string_view, 31> kReserved = {
    "SELECT",  "FROM",  "WHERE",  "GROUP", "ORDER", "HAVING",   "UNION",      "AND",
    "OR",      "NOT",   "XOR",    "EQV",   "IMP",   "MOD",      "LIKE",       "IS",
    "BETWEEN", "IN",    "ON",     "JOIN",  "INNER", "AS",       "BY",         "NULL",
    "TRUE",    "FALSE", "EXISTS", "ASC",   "DESC",  "DISTINCT", "DISTINCTROW"};

bool isPlainIdentifier(std::string_view name) {
    if (name.empty()) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !(digit && i > 0)) {
            return false;
        }
    }
    return true;
}

constexpr std::array<FunctionInfo, 26> kFunctions = {{
    {"Mid", "jet_mid", 2, 3, StaticType::Text},     {"Left", "jet_left", 2, 2, StaticType::Text},
    {"Right", "jet_right", 2, 2, StaticType::Text}, {"Len", "jet_len", 1, 1, StaticType::Number},
    {"UCase", "jet_ucase", 1, 1, StaticType::Text}, {"LCase", "jet_lcase", 1, 1, StaticType::Text},
    {"Trim", "jet_trim", 1, 1, StaticType::Text},   {"LTrim", "jet_ltrim", 1, 1, StaticType::Text},
    {"RTrim", "jet_rtrim", 1, 1, StaticType::Text}, {"InStr", "jet_instr", 2, 4, StaticType::Number},
    {"Val", "jet_val", 1, 1, StaticType::Number},   {"CStr", "jet_cstr", 1, 1, StaticType::Text},
    {"CLng", "jet_clng", 1, 1, StaticType::Number}, {"CInt", "jet_cint", 1, 1, StaticType::Number},
    {"CDbl", "jet_cdbl", 1, 1, StaticType::Number}, {"Format", "jet_format", 1, 2, StaticType::Text},
    {"Abs", "abs", 1, 1, StaticType::Number},       {"Int", "jet_int", 1, 1, StaticType::Number},
    {"Fix", "jet_fix", 1, 1, StaticType::Number},   {"Round", "jet_round", 1, 2, StaticType::Number},
    {"Count", "count", 1, 1, StaticType::Number},   {"Sum", "sum", 1, 1, StaticType::Number},
    {"Avg", "avg", 1, 1, StaticType::Number},       {"Min", "min", 1, 1, StaticType::Unknown},
    {"Max", "max", 1, 1, StaticType::Unknown},      {"Sgn", "jet_sgn", 1, 1, StaticType::Number},
}};

} // namespace

using Kind = JetToken::Kind;

bool isReserved(const JetToken& t) {
    if (t.kind != Kind::Word) {
        return false;
    }
    for (const std::string_view w : kReserved) {
        if (equalsIgnoringCase(t.text, w)) {
            return true;
        }
    }
    return false;
}

bool isClauseWord(const JetToken& t) {
    return t.isWord("FROM") || t.isWord("WHERE") || t.isWord("GROUP") || t.isWord("ORDER") ||
           t.isWord("HAVING") || t.isWord("UNION");
}

std::string valueSql(const Operand& op) {
    if (op.type == StaticType::Boolean) {
        return "(-(" + op.sql + "))";
    }
    return op.sql;
}

std::string comparedSql(const Operand& op, const Operand& other) {
    if (op.isTextLiteral && !other.isColumn) {
        return op.sql + " COLLATE JETTEXT";
    }
    return valueSql(op);
}

Operand booleanOperand(std::string sql) {
    Operand r;
    r.sql = std::move(sql);
    r.type = StaticType::Boolean;
    return r;
}

bool isTextLike(StaticType t) {
    return t == StaticType::Text || t == StaticType::Null;
}
bool isNumberLike(StaticType t) {
    return t == StaticType::Number || t == StaticType::Null;
}

const FunctionInfo* findFunction(std::string_view name) {
    if (!name.empty() && name.back() == '$') {
        name.remove_suffix(1);
    }
    for (const FunctionInfo& f : kFunctions) {
        if (equalsIgnoringCase(f.jetName, name)) {
            return &f;
        }
    }
    return nullptr;
}

std::string bareOrBracketedIdentifier(std::string_view name) {
    if (isPlainIdentifier(name) && sqlite3_keyword_check(name.data(), static_cast<int>(name.size())) == 0) {
        return std::string(name);
    }
    return "[" + std::string(name) + "]";
}

std::string sqliteTextLiteral(std::string_view text) {
    // SQLite's statement text ends at a NUL byte, so a NUL of the text is spliced in as char(0).
    const bool hasNul = text.find('\0') != std::string_view::npos;
    std::string out = hasNul ? "('" : "'";
    for (const char c : text) {
        if (c == '\0') {
            out += "' || char(0) || '";
            continue;
        }
        out += c;
        if (c == '\'') {
            out += '\'';
        }
    }
    out += hasNul ? "')" : "'";
    return out;
}

} // namespace platform::db::sql
