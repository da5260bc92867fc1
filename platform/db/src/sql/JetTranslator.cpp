#include "JetTranslator.h"

#include "JetDateLiteral.h"
#include "JetLikePrefix.h"
#include "JetSyntaxErrors.h"

#include <algorithm>
#include <array>
#include <optional>
#include <sqlite3.h>

namespace platform::db::sql {
namespace {

using Kind = JetToken::Kind;

// Words that end an operand or a clause: never taken as a bare column name.
constexpr std::array<std::string_view, 31> kReserved = {
    "SELECT",  "FROM",  "WHERE",  "GROUP", "ORDER", "HAVING",   "UNION",      "AND",
    "OR",      "NOT",   "XOR",    "EQV",   "IMP",   "MOD",      "LIKE",       "IS",
    "BETWEEN", "IN",    "ON",     "JOIN",  "INNER", "AS",       "BY",         "NULL",
    "TRUE",    "FALSE", "EXISTS", "ASC",   "DESC",  "DISTINCT", "DISTINCTROW"};

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

/// A value where Jet uses the value of a truth: SQLite's 1 becomes Jet's -1.
std::string valueSql(const Operand& op) {
    if (op.type == StaticType::Boolean) {
        return "(-(" + op.sql + "))";
    }
    return op.sql;
}

/// A side of a comparison: a text literal compares as Jet does, without regard to case.
std::string comparedSql(const Operand& op) {
    if (op.isTextLiteral) {
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

struct FunctionInfo {
    std::string_view jetName;
    std::string_view sqlName;
    int minArgs;
    int maxArgs;
    StaticType result;
};

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

} // namespace

std::string quoteIdentifier(std::string_view name) {
    if (isPlainIdentifier(name) && sqlite3_keyword_check(name.data(), static_cast<int>(name.size())) == 0) {
        return std::string(name);
    }
    return "[" + std::string(name) + "]";
}

std::string sqliteTextLiteral(std::string_view text) {
    std::string out = "'";
    for (const char c : text) {
        out += c;
        if (c == '\'') {
            out += '\'';
        }
    }
    out += '\'';
    return out;
}

JetTranslator::JetTranslator(std::string_view source, bool bareExpression)
    : m_source(source), m_bare(bareExpression), m_tokens(tokenizeJet(source)) {}

// ---------------------------------------------------------------------------------------------
// Tokens

const JetToken& JetTranslator::peek(std::size_t ahead) const {
    const std::size_t i = std::min(m_pos + ahead, m_tokens.size() - 1);
    return m_tokens[i];
}

const JetToken& JetTranslator::next() {
    const JetToken& t = m_tokens[m_pos];
    if (m_pos + 1 < m_tokens.size()) {
        ++m_pos;
    }
    return t;
}

bool JetTranslator::acceptWord(std::string_view word) {
    if (peek().isWord(word)) {
        next();
        return true;
    }
    return false;
}

bool JetTranslator::acceptSymbol(std::string_view symbol) {
    if (peek().isSymbol(symbol)) {
        next();
        return true;
    }
    return false;
}

void JetTranslator::expectSymbol(std::string_view symbol) {
    if (!acceptSymbol(symbol)) {
        failExpression(symbol == ")" ? ExpressionFault::MissingParenthesis
                                     : ExpressionFault::MissingOperator);
    }
}

bool JetTranslator::atClauseEnd() const {
    const JetToken& t = peek();
    return t.kind == Kind::End || t.isSymbol(";") || isClauseWord(t) ||
           (m_selectDepth > 1 && t.isSymbol(")"));
}

std::string JetTranslator::nameText(const JetToken& token) const {
    return quoteIdentifier(token.text);
}

// ---------------------------------------------------------------------------------------------
// Errors

void JetTranslator::failExpression(ExpressionFault fault) const {
    // Jet quotes the expression from its start to where its clause or list item ends; an unclosed
    // bracket does not hide the next clause, a subquery's own clauses belong to the expression.
    const JetToken& first = m_tokens[std::min(m_exprStart, m_tokens.size() - 1)];
    std::size_t endOffset = first.offset;
    std::vector<bool> openSubquery; // one entry per open bracket: does a SELECT follow it?
    const auto insideSubquery = [&] {
        return std::find(openSubquery.begin(), openSubquery.end(), true) != openSubquery.end();
    };
    for (std::size_t i = m_exprStart; i < m_tokens.size(); ++i) {
        const JetToken& t = m_tokens[i];
        if (t.kind == Kind::End || t.isSymbol(";")) {
            break;
        }
        if (i > m_exprStart && !insideSubquery() &&
            (isClauseWord(t) || (openSubquery.empty() && m_inList && t.isSymbol(",")))) {
            break;
        }
        if (t.isSymbol("(")) {
            openSubquery.push_back(i + 1 < m_tokens.size() && m_tokens[i + 1].isWord("SELECT"));
        } else if (t.isSymbol(")")) {
            if (openSubquery.empty() && m_selectDepth > 1) {
                break;
            }
            if (!openSubquery.empty()) {
                openSubquery.pop_back();
            }
        }
        endOffset = t.end;
    }
    throwExpressionError(fault, m_source.substr(first.offset, endOffset - first.offset), m_bare);
}

void JetTranslator::failClause(std::int32_t number) const {
    throwClauseError(number);
}

void JetTranslator::checkExpressionEnd() const {
    if (atClauseEnd()) {
        return;
    }
    if (peek().isSymbol(")")) {
        failExpression(ExpressionFault::ExtraParenthesis);
    }
    failExpression(ExpressionFault::MissingOperator);
}

// ---------------------------------------------------------------------------------------------
// Statements

std::string JetTranslator::statement() {
    std::string sql;
    const JetToken& first = peek();
    if (first.isWord("SELECT") || first.isSymbol("(")) {
        sql = selectStatement();
    } else if (first.isWord("INSERT")) {
        sql = insertStatement();
    } else if (first.isWord("UPDATE")) {
        sql = updateStatement();
    } else if (first.isWord("DELETE")) {
        sql = deleteStatement();
    } else if (first.isWord("CREATE") || first.isWord("DROP") || first.isWord("ALTER")) {
        return passThroughStatement();
    } else {
        failClause(jeterr::InvalidStatement);
    }
    acceptSymbol(";");
    if (peek().kind != Kind::End) {
        if (peek().isSymbol(")")) {
            m_exprStart = m_pos;
            failExpression(ExpressionFault::ExtraParenthesis);
        }
        failClause(jeterr::TrailingCharacters);
    }
    return sql;
}

std::string JetTranslator::criteria() {
    m_selectDepth = 1;
    m_exprStart = m_pos;
    if (peek().kind == Kind::End) {
        failExpression(ExpressionFault::MissingOperator);
    }
    Operand c = expression();
    if (peek().kind != Kind::End) {
        failExpression(peek().isSymbol(")") ? ExpressionFault::ExtraParenthesis
                                            : ExpressionFault::MissingOperator);
    }
    return c.sql;
}

std::string JetTranslator::selectStatement() {
    ++m_selectDepth;
    bool hasOrderBy = false;
    std::string limit;
    std::string sql = selectCore(hasOrderBy, limit);
    bool compound = false;
    while (peek().isWord("UNION")) {
        if (hasOrderBy) {
            failClause(jeterr::UnionSyntax);
        }
        if (!limit.empty()) { // a TOP inside a union applies to its own SELECT only
            sql = "SELECT * FROM (" + sql + " LIMIT " + limit + ")";
            limit.clear();
        }
        next();
        const bool all = acceptWord("ALL");
        if (!peek().isWord("SELECT")) {
            failClause(jeterr::UnionSyntax);
        }
        std::string limitOfPart;
        std::string part = selectCore(hasOrderBy, limitOfPart);
        if (!limitOfPart.empty()) {
            part = "SELECT * FROM (" + part + " LIMIT " + limitOfPart + ")";
        }
        sql += all ? " UNION ALL " : " UNION ";
        sql += part;
        compound = true;
    }
    (void)compound;
    if (!limit.empty()) {
        sql += " LIMIT " + limit;
    }
    --m_selectDepth;
    return sql;
}

std::string JetTranslator::selectCore(bool& hasOrderBy, std::string& limit) {
    if (!acceptWord("SELECT")) {
        failClause(jeterr::SelectSyntax);
    }
    std::string sql = "SELECT ";
    if (acceptWord("DISTINCT")) {
        sql += "DISTINCT ";
    } else if (acceptWord("DISTINCTROW") || acceptWord("ALL")) {
        // DISTINCTROW removes rows that repeat in every table field: over the tables the statements
        // join on keys that never happens, so it changes nothing.
    }
    if (acceptWord("TOP")) {
        if (peek().kind != Kind::Number || peek().text.find_first_not_of("0123456789") != std::string::npos) {
            failClause(jeterr::SelectSyntax);
        }
        limit = next().text;
        if (peek().isWord("PERCENT")) {
            failClause(jeterr::SelectSyntax);
        }
    }
    sql += selectList();
    if (acceptWord("FROM")) {
        sql += " FROM " + fromClause();
    }
    if (acceptWord("WHERE")) {
        m_inList = false;
        sql += " WHERE " + condition().sql;
    }
    if (peek().isWord("GROUP")) {
        next();
        if (!acceptWord("BY")) {
            failClause(jeterr::GroupBySyntax);
        }
        sql += " GROUP BY " + expressionList(jeterr::GroupBySyntax);
    }
    if (acceptWord("HAVING")) {
        m_inList = false;
        sql += " HAVING " + condition().sql;
    }
    hasOrderBy = false;
    if (peek().isWord("ORDER")) {
        next();
        if (!acceptWord("BY")) {
            failClause(jeterr::OrderBySyntax);
        }
        sql += " ORDER BY " + orderByList();
        hasOrderBy = true;
    }
    const JetToken& t = peek();
    const bool ends =
        t.kind == Kind::End || t.isSymbol(";") || t.isWord("UNION") || (m_selectDepth > 1 && t.isSymbol(")"));
    if (!ends) {
        if (t.isSymbol(")")) {
            m_exprStart = m_pos;
            failExpression(ExpressionFault::ExtraParenthesis);
        }
        failClause(jeterr::SelectSyntax);
    }
    return sql;
}

std::string JetTranslator::selectList() {
    if (peek().isWord("FROM") || peek().kind == Kind::End) {
        failClause(jeterr::SelectSyntax);
    }
    std::string sql;
    while (true) {
        m_inList = true;
        m_exprStart = m_pos;
        if (acceptSymbol("*")) {
            sql += "*";
        } else {
            const Operand item = expression();
            sql += valueSql(item);
            if (acceptWord("AS")) {
                if (!peek().isName()) {
                    failClause(jeterr::SelectSyntax);
                }
                sql += " AS " + quoteIdentifier(next().text);
            } else if (!item.isColumn && item.sql.find(".*") == std::string::npos) {
                // Jet names an unnamed computed column Expr1000, Expr1001, ...
                sql += " AS Expr" + std::to_string(1000 + m_exprCounter);
                ++m_exprCounter;
            }
        }
        if (!acceptSymbol(",")) {
            break;
        }
        sql += ", ";
    }
    checkExpressionEnd();
    m_inList = false;
    return sql;
}

std::string JetTranslator::fromClause() {
    std::string sql;
    while (true) {
        const std::unique_ptr<FromNode> item = fromItem();
        sql += emitFrom(*item, false);
        if (!acceptSymbol(",")) {
            break;
        }
        sql += ", ";
    }
    if (!atClauseEnd()) {
        failClause(jeterr::FromSyntax);
    }
    return sql;
}

std::unique_ptr<FromNode> JetTranslator::fromItem() {
    std::unique_ptr<FromNode> left = tableReference();
    while (true) {
        std::string join;
        if (peek().isWord("INNER") && peek(1).isWord("JOIN")) {
            join = "INNER JOIN";
            m_pos += 2;
        } else if ((peek().isWord("LEFT") || peek().isWord("RIGHT")) &&
                   (peek(1).isWord("JOIN") || (peek(1).isWord("OUTER") && peek(2).isWord("JOIN")))) {
            join = peek().isWord("LEFT") ? "LEFT JOIN" : "RIGHT JOIN";
            m_pos += peek(1).isWord("OUTER") ? 3 : 2;
        } else if (peek().isWord("JOIN") || peek().isWord("INNER") || peek().isWord("LEFT") ||
                   peek().isWord("RIGHT") || peek().isWord("OUTER") || peek().isWord("FULL")) {
            failClause(jeterr::JoinSyntax);
        } else {
            return left;
        }
        auto node = std::make_unique<FromNode>();
        node->kind = FromNode::Kind::Join;
        node->join = std::move(join);
        node->left = std::move(left);
        node->right = tableReference();
        if (!acceptWord("ON")) {
            failClause(jeterr::JoinSyntax);
        }
        const bool wasInList = m_inList;
        m_inList = false;
        m_exprStart = m_pos;
        node->on = expression().sql;
        m_inList = wasInList;
        left = std::move(node);
    }
}

std::unique_ptr<FromNode> JetTranslator::tableReference() {
    if (peek().isSymbol("(")) {
        if (peek(1).isWord("SELECT")) {
            next();
            std::string sql = "(" + selectStatement() + ")";
            if (!acceptSymbol(")")) {
                failClause(jeterr::FromSyntax);
            }
            sql += optionalAlias(false);
            auto node = std::make_unique<FromNode>();
            node->sql = std::move(sql);
            return node;
        }
        next();
        std::unique_ptr<FromNode> inner = fromItem();
        if (!acceptSymbol(")")) {
            failClause(jeterr::JoinSyntax);
        }
        return inner;
    }
    auto node = std::make_unique<FromNode>();
    node->sql = tableName(jeterr::FromSyntax);
    node->sql += optionalAlias(false);
    return node;
}

std::string JetTranslator::tableName(std::int32_t clauseError) {
    if (!peek().isName() || isReserved(peek())) {
        failClause(clauseError);
    }
    std::string sql = nameText(next());
    while (peek().isSymbol(".") && peek(1).isName()) {
        next();
        sql += "." + nameText(next());
    }
    return sql;
}

std::string JetTranslator::optionalAlias(bool requireAs) {
    const bool hasAs = acceptWord("AS");
    const JetToken& t = peek();
    const bool aliasWord =
        t.kind == Kind::BracketName ||
        (t.kind == Kind::Word && !isReserved(t) && !t.isWord("LEFT") && !t.isWord("RIGHT") &&
         !t.isWord("OUTER") && !t.isWord("FULL") && !t.isWord("CROSS"));
    if (aliasWord && (hasAs || !requireAs)) {
        return " AS " + nameText(next());
    }
    if (hasAs) {
        failClause(jeterr::FromSyntax);
    }
    return {};
}

std::string JetTranslator::emitFrom(const FromNode& node, bool asRightOperand) const {
    if (node.kind == FromNode::Kind::Source) {
        return node.sql;
    }
    // SQLite before 3.39 has no RIGHT JOIN: a RIGHT JOIN b is b LEFT JOIN a with the same condition.
    const bool right = node.join == "RIGHT JOIN";
    const FromNode& first = right ? *node.right : *node.left;
    const FromNode& second = right ? *node.left : *node.right;
    std::string sql = emitFrom(first, false) + " " + (right ? std::string("LEFT JOIN") : node.join) + " " +
                      emitFrom(second, true) + " ON " + node.on;
    return asRightOperand ? "(" + sql + ")" : sql;
}

std::string JetTranslator::orderByList() {
    std::string sql;
    while (true) {
        m_inList = true;
        m_exprStart = m_pos;
        if (atClauseEnd()) {
            failClause(jeterr::OrderBySyntax);
        }
        const Operand term = expression();
        sql += valueSql(term);
        // Text sorts without regard to case: columns carry the collation, computed terms get it here.
        if (!term.isColumn && !term.isNumberLiteral) {
            sql += " COLLATE JETTEXT";
        }
        if (acceptWord("DESC")) {
            sql += " DESC";
        } else if (acceptWord("ASC")) {
            sql += " ASC";
        }
        if (!acceptSymbol(",")) {
            break;
        }
        sql += ", ";
    }
    checkExpressionEnd();
    m_inList = false;
    return sql;
}

std::string JetTranslator::expressionList(std::int32_t clauseError) {
    std::string sql;
    while (true) {
        m_inList = true;
        m_exprStart = m_pos;
        if (atClauseEnd()) {
            failClause(clauseError);
        }
        sql += valueSql(expression());
        if (!acceptSymbol(",")) {
            break;
        }
        sql += ", ";
    }
    checkExpressionEnd();
    m_inList = false;
    return sql;
}

std::string JetTranslator::insertStatement() {
    next();
    if (!acceptWord("INTO")) {
        failClause(jeterr::InsertSyntax);
    }
    std::string sql = "INSERT INTO " + tableName(jeterr::InsertSyntax);
    if (acceptSymbol("(")) {
        sql += " (";
        while (true) {
            if (!peek().isName()) {
                failClause(jeterr::InsertSyntax);
            }
            std::string column = nameText(next());
            if (acceptSymbol(".")) { // a qualified target column names the table again
                if (!peek().isName()) {
                    failClause(jeterr::InsertSyntax);
                }
                column = nameText(next());
            }
            sql += column;
            if (!acceptSymbol(",")) {
                break;
            }
            sql += ", ";
        }
        if (!acceptSymbol(")")) {
            failClause(jeterr::InsertSyntax);
        }
        sql += ")";
    }
    if (acceptWord("VALUES")) {
        if (!acceptSymbol("(")) {
            failClause(jeterr::InsertSyntax);
        }
        sql += " VALUES (";
        ++m_selectDepth;
        while (true) {
            m_inList = true;
            m_exprStart = m_pos;
            sql += valueSql(expression());
            if (!acceptSymbol(",")) {
                break;
            }
            sql += ", ";
        }
        --m_selectDepth;
        m_inList = false;
        if (!acceptSymbol(")")) {
            failClause(jeterr::InsertSyntax);
        }
        sql += ")";
    } else if (peek().isWord("SELECT")) {
        sql += " " + selectStatement();
    } else {
        failClause(jeterr::InsertSyntax);
    }
    return sql;
}

std::string JetTranslator::updateStatement() {
    next();
    std::string sql = "UPDATE " + tableName(jeterr::UpdateSyntax);
    if (!acceptWord("SET")) {
        failClause(jeterr::UpdateSyntax);
    }
    sql += " SET ";
    ++m_selectDepth;
    while (true) {
        if (!peek().isName()) {
            failClause(jeterr::UpdateSyntax);
        }
        std::string column = nameText(next());
        while (acceptSymbol(".")) { // SQLite wants the bare column name on the left of SET
            if (!peek().isName()) {
                failClause(jeterr::UpdateSyntax);
            }
            column = nameText(next());
        }
        if (!acceptSymbol("=")) {
            failClause(jeterr::UpdateSyntax);
        }
        m_inList = true;
        m_exprStart = m_pos;
        sql += column + " = " + valueSql(expression());
        if (!acceptSymbol(",")) {
            break;
        }
        sql += ", ";
    }
    --m_selectDepth;
    m_inList = false;
    if (acceptWord("WHERE")) {
        sql += " WHERE " + condition().sql;
    }
    if (!atClauseEnd() || isClauseWord(peek())) {
        failClause(jeterr::UpdateSyntax);
    }
    return sql;
}

std::string JetTranslator::deleteStatement() {
    next();
    // DELETE * FROM t and DELETE t.* FROM t mean DELETE FROM t.
    if (acceptSymbol("*")) {
    } else if (peek().isName() && peek(1).isSymbol(".") && peek(2).isSymbol("*")) {
        m_pos += 3;
    }
    if (!acceptWord("FROM")) {
        failClause(jeterr::DeleteSyntax);
    }
    std::string sql = "DELETE FROM " + tableName(jeterr::DeleteSyntax);
    if (acceptWord("WHERE")) {
        sql += " WHERE " + condition().sql;
    }
    if (!atClauseEnd() || isClauseWord(peek())) {
        failClause(jeterr::DeleteSyntax);
    }
    return sql;
}

std::string JetTranslator::passThroughStatement() {
    // Data definition: names and literals in SQLite's spelling, everything else as written.
    std::string sql;
    while (peek().kind != Kind::End && !peek().isSymbol(";")) {
        const JetToken& t = next();
        if (!sql.empty() && !t.isSymbol(",") && !t.isSymbol(")") && !t.isSymbol(".") && sql.back() != '(' &&
            sql.back() != '.') {
            sql += ' ';
        }
        switch (t.kind) {
        case Kind::BracketName:
            sql += quoteIdentifier(t.text);
            break;
        case Kind::Text:
            sql += sqliteTextLiteral(t.text);
            break;
        case Kind::Date: {
            const std::optional<std::string> iso = isoFromJetDate(t.text);
            if (!iso) {
                throwExpressionError(ExpressionFault::DateSyntax, "#" + t.text + "#", m_bare);
            }
            sql += sqliteTextLiteral(*iso);
            break;
        }
        default:
            sql += t.text;
            break;
        }
    }
    acceptSymbol(";");
    if (peek().kind != Kind::End) {
        failClause(jeterr::TrailingCharacters);
    }
    return sql;
}

// ---------------------------------------------------------------------------------------------
// Expressions

Operand JetTranslator::condition() {
    m_exprStart = m_pos;
    if (atClauseEnd()) {
        failExpression(ExpressionFault::MissingOperator);
    }
    Operand c = expression();
    checkExpressionEnd();
    return c;
}

Operand JetTranslator::expression() {
    return impExpr();
}

Operand JetTranslator::impExpr() {
    Operand left = eqvExpr();
    while (acceptWord("IMP")) {
        const Operand right = eqvExpr();
        left = booleanOperand("((NOT (" + left.sql + ")) OR (" + right.sql + "))");
    }
    return left;
}

Operand JetTranslator::eqvExpr() {
    Operand left = xorExpr();
    while (acceptWord("EQV")) {
        const Operand right = xorExpr();
        left = booleanOperand("((" + left.sql + ") IS NOT 0) = ((" + right.sql + ") IS NOT 0)");
        left.sql = "(" + left.sql + ")";
    }
    return left;
}

Operand JetTranslator::xorExpr() {
    Operand left = orExpr();
    while (acceptWord("XOR")) {
        const Operand right = orExpr();
        left = booleanOperand("(((" + left.sql + ") <> 0) <> ((" + right.sql + ") <> 0))");
    }
    return left;
}

Operand JetTranslator::orExpr() {
    Operand left = andExpr();
    while (acceptWord("OR")) {
        const Operand right = andExpr();
        left = booleanOperand("(" + left.sql + " OR " + right.sql + ")");
    }
    return left;
}

Operand JetTranslator::andExpr() {
    Operand left = notExpr();
    while (acceptWord("AND")) {
        const Operand right = notExpr();
        left = booleanOperand("(" + left.sql + " AND " + right.sql + ")");
    }
    return left;
}

Operand JetTranslator::notExpr() {
    if (acceptWord("NOT")) {
        const Operand inner = notExpr();
        return booleanOperand("(NOT " + inner.sql + ")");
    }
    return comparison();
}

Operand JetTranslator::comparison() {
    Operand left = concatenation();
    while (true) {
        const JetToken& t = peek();
        if (t.kind == Kind::Symbol && (t.text == "=" || t.text == "<>" || t.text == "<" || t.text == ">" ||
                                       t.text == "<=" || t.text == ">=")) {
            const std::string op = next().text;
            const Operand right = concatenation();
            left = booleanOperand("(" + comparedSql(left) + " " + op + " " + comparedSql(right) + ")");
            continue;
        }
        bool negated = false;
        if (t.isWord("NOT") &&
            (peek(1).isWord("LIKE") || peek(1).isWord("BETWEEN") || peek(1).isWord("IN"))) {
            next();
            negated = true;
        }
        if (acceptWord("LIKE")) {
            left = likeExpr(left, negated);
        } else if (acceptWord("BETWEEN")) {
            const Operand low = concatenation();
            if (!acceptWord("AND")) {
                failExpression(ExpressionFault::MissingOperator);
            }
            const Operand high = concatenation();
            left = booleanOperand("(" + comparedSql(left) + (negated ? " NOT" : "") + " BETWEEN " +
                                  comparedSql(low) + " AND " + comparedSql(high) + ")");
        } else if (acceptWord("IN")) {
            if (!acceptSymbol("(")) {
                failExpression(ExpressionFault::MissingOperator);
            }
            std::string list;
            if (peek().isWord("SELECT")) {
                list = selectStatement();
            } else {
                const bool wasInList = m_inList;
                while (true) {
                    list += comparedSql(expression());
                    if (!acceptSymbol(",")) {
                        break;
                    }
                    list += ", ";
                }
                m_inList = wasInList;
            }
            expectSymbol(")");
            left = booleanOperand("(" + valueSql(left) + (negated ? " NOT IN (" : " IN (") + list + "))");
        } else if (!negated && acceptWord("IS")) {
            const bool isNot = acceptWord("NOT");
            if (!acceptWord("NULL")) {
                failExpression(ExpressionFault::MissingOperator);
            }
            left = booleanOperand("(" + valueSql(left) + (isNot ? " IS NOT NULL)" : " IS NULL)"));
        } else {
            return left;
        }
    }
}

Operand JetTranslator::likeExpr(const Operand& value, bool negated) {
    const Operand pattern = concatenation();
    const std::string matcher = "jet_like(" + valueSql(value) + ", " + valueSql(pattern) + ")";
    if (negated) {
        return booleanOperand("(NOT " + matcher + ")");
    }
    if (!pattern.isTextLiteral || !value.isColumn) {
        return booleanOperand(matcher);
    }
    const std::optional<LikePrefixRange> range = likePrefixRange(pattern.literal);
    if (!range) {
        return booleanOperand(matcher);
    }
    // The range lets SQLite search the column's index; the matcher then decides within it.
    const std::string inRange = value.sql + " >= " + sqliteTextLiteral(range->low) + " COLLATE JETTEXT AND " +
                                value.sql + " < " + sqliteTextLiteral(range->high) + " COLLATE JETTEXT";
    if (!range->mayMatchNumbers) {
        return booleanOperand("(" + inRange + " AND " + matcher + ")");
    }
    // A number stored in a numeric column sorts before every text, and its text can begin with
    // these characters: `< ''` keeps such values for the matcher. Told that numbers are rare, the
    // planner searches both ranges of the index instead of scanning in another order.
    return booleanOperand("(((" + inRange + ") OR likelihood(" + value.sql + " < '', 0.001)) AND " + matcher +
                          ")");
}

Operand JetTranslator::concatenation() {
    Operand left = additive();
    if (!peek().isSymbol("&")) {
        return left;
    }
    Operand r;
    r.type = StaticType::Text;
    r.concatParts.push_back(valueSql(left));
    while (acceptSymbol("&")) {
        const Operand right = additive();
        r.concatParts.push_back(valueSql(right));
    }
    std::string args;
    for (const std::string& part : r.concatParts) {
        args += (args.empty() ? "" : ", ") + part;
    }
    r.sql = "(jet_concat(" + args + ") COLLATE JETTEXT)";
    return r;
}

Operand JetTranslator::additive() {
    Operand left = modulo();
    while (peek().isSymbol("+") || peek().isSymbol("-")) {
        const bool plus = next().text == "+";
        const Operand right = modulo();
        Operand r;
        if (!plus) {
            r.sql = "(" + valueSql(left) + " - " + valueSql(right) + ")";
            r.type = StaticType::Number;
        } else if (isNumberLike(left.type) && isNumberLike(right.type)) {
            r.sql = "(" + valueSql(left) + " + " + valueSql(right) + ")";
            r.type = StaticType::Number;
        } else if (isTextLike(left.type) && isTextLike(right.type)) {
            // Text + text concatenates and is Null when a side is Null, as SQLite's || is.
            r.sql = "((" + left.sql + " || " + right.sql + ") COLLATE JETTEXT)";
            r.type = StaticType::Text;
        } else {
            // Decided per row: numbers add, texts concatenate, Null wins.
            r.sql = "jet_add(" + valueSql(left) + ", " + valueSql(right) + ")";
        }
        left = std::move(r);
    }
    return left;
}

Operand JetTranslator::modulo() {
    Operand left = integerDivision();
    while (acceptWord("MOD")) {
        const Operand right = integerDivision();
        Operand r;
        r.sql = "jet_mod(" + valueSql(left) + ", " + valueSql(right) + ")";
        r.type = StaticType::Number;
        left = std::move(r);
    }
    return left;
}

Operand JetTranslator::integerDivision() {
    Operand left = multiplicative();
    while (acceptSymbol("\\")) {
        const Operand right = multiplicative();
        Operand r;
        r.sql = "jet_intdiv(" + valueSql(left) + ", " + valueSql(right) + ")";
        r.type = StaticType::Number;
        left = std::move(r);
    }
    return left;
}

Operand JetTranslator::multiplicative() {
    Operand left = unary();
    while (peek().isSymbol("*") || peek().isSymbol("/")) {
        const bool times = next().text == "*";
        const Operand right = unary();
        Operand r;
        // Jet's / always divides as floating point.
        r.sql = times ? "(" + valueSql(left) + " * " + valueSql(right) + ")"
                      : "(CAST(" + valueSql(left) + " AS REAL) / " + valueSql(right) + ")";
        r.type = StaticType::Number;
        left = std::move(r);
    }
    return left;
}

Operand JetTranslator::unary() {
    if (acceptSymbol("-")) {
        Operand inner = unary();
        if (inner.isNumberLiteral && inner.sql.front() != '-') {
            inner.sql = "-" + inner.sql;
            return inner;
        }
        Operand r;
        r.sql = "(-(" + valueSql(inner) + "))";
        r.type = StaticType::Number;
        return r;
    }
    if (acceptSymbol("+")) {
        return unary();
    }
    return power();
}

Operand JetTranslator::power() {
    Operand left = primary();
    while (acceptSymbol("^")) {
        Operand right;
        if (acceptSymbol("-")) {
            const Operand inner = primary();
            right.sql = inner.isNumberLiteral ? "-" + inner.sql : "(-(" + valueSql(inner) + "))";
        } else {
            right = primary();
        }
        Operand r;
        r.sql = "jet_pow(" + valueSql(left) + ", " + valueSql(right) + ")";
        r.type = StaticType::Number;
        left = std::move(r);
    }
    return left;
}

Operand JetTranslator::primary() {
    const JetToken& t = peek();
    Operand r;
    switch (t.kind) {
    case Kind::Number:
        r.sql = next().text;
        r.type = StaticType::Number;
        r.isNumberLiteral = true;
        return r;
    case Kind::Text:
        r.literal = next().text;
        r.sql = sqliteTextLiteral(r.literal);
        r.type = StaticType::Text;
        r.isTextLiteral = true;
        return r;
    case Kind::Date: {
        const std::optional<std::string> iso = isoFromJetDate(t.text);
        if (!iso) {
            failExpression(ExpressionFault::DateSyntax);
        }
        next();
        r.sql = sqliteTextLiteral(*iso);
        r.type = StaticType::Text;
        return r;
    }
    case Kind::Word:
        if (acceptWord("TRUE")) {
            r.sql = "-1";
            r.type = StaticType::Number;
            return r;
        }
        if (acceptWord("FALSE")) {
            r.sql = "0";
            r.type = StaticType::Number;
            return r;
        }
        if (acceptWord("NULL")) {
            r.sql = "NULL";
            r.type = StaticType::Null;
            return r;
        }
        if (t.isWord("EXISTS") && peek(1).isSymbol("(")) {
            next();
            return booleanOperand("EXISTS " + subquery().sql);
        }
        if (isReserved(t)) {
            failExpression(ExpressionFault::MissingOperator);
        }
        return nameOrCall();
    case Kind::BracketName:
        return nameOrCall();
    case Kind::Symbol:
        if (t.isSymbol("(")) {
            if (peek(1).isWord("SELECT")) {
                return subquery();
            }
            next();
            const bool wasInList = m_inList;
            Operand inner = expression();
            m_inList = wasInList;
            expectSymbol(")");
            inner.sql = "(" + inner.sql + ")";
            inner.isColumn = false;
            inner.isTextLiteral = false;
            return inner;
        }
        if (t.isSymbol(")")) {
            failExpression(ExpressionFault::ExtraParenthesis);
        }
        if (t.isSymbol(",")) {
            failExpression(ExpressionFault::Comma);
        }
        failExpression(ExpressionFault::MissingOperator);
    case Kind::Invalid:
        failExpression(static_cast<ExpressionFault>(t.fault));
    case Kind::End:
        failExpression(ExpressionFault::MissingOperator);
    }
    failExpression(ExpressionFault::MissingOperator);
}

Operand JetTranslator::subquery() {
    expectSymbol("(");
    Operand r;
    const std::size_t exprStart = m_exprStart;
    const bool wasInList = m_inList;
    const int counter = m_exprCounter;
    m_exprCounter = 0;
    r.sql = "(" + selectStatement() + ")";
    m_exprCounter = counter;
    m_inList = wasInList;
    m_exprStart = exprStart;
    expectSymbol(")");
    return r;
}

Operand JetTranslator::nameOrCall() {
    const JetToken& first = next();
    if (first.kind == Kind::Word && peek().isSymbol("(")) {
        return functionCall(first.text);
    }
    Operand r;
    r.sql = nameText(first);
    r.isColumn = true;
    while (peek().isSymbol(".") || peek().isSymbol("!")) {
        next();
        if (peek().isSymbol("*")) {
            next();
            r.sql += ".*";
            r.isColumn = false;
            return r;
        }
        if (!peek().isName()) {
            failExpression(ExpressionFault::MissingOperator);
        }
        // After a point every word is a name, keywords such as `order` included.
        r.sql += "." + nameText(next());
    }
    return r;
}

Operand JetTranslator::functionCall(const std::string& name) {
    expectSymbol("(");
    const bool wasInList = m_inList;
    std::vector<Operand> args;
    bool star = false;
    if (!peek().isSymbol(")")) {
        while (true) {
            if (peek().isSymbol("*") && peek(1).isSymbol(")")) {
                next();
                star = true;
                break;
            }
            args.push_back(expression());
            if (!acceptSymbol(",")) {
                break;
            }
        }
    }
    m_inList = wasInList;
    expectSymbol(")");
    const int count = static_cast<int>(args.size()) + (star ? 1 : 0);

    if (equalsIgnoringCase(name, "IIf")) {
        if (count != 3 || star) {
            failExpression(ExpressionFault::MissingOperator);
        }
        Operand r;
        r.sql = "(CASE WHEN " + args[0].sql + " THEN " + valueSql(args[1]) + " ELSE " + valueSql(args[2]) +
                " END)";
        r.type =
            (isTextLike(args[1].type) && isTextLike(args[2].type)) ? StaticType::Text : StaticType::Unknown;
        return r;
    }
    if (equalsIgnoringCase(name, "Nz")) {
        if (count < 1 || count > 2 || star) {
            failExpression(ExpressionFault::MissingOperator);
        }
        // In a query Nz without a replacement gives the zero-length text.
        Operand r;
        r.sql = "COALESCE(" + valueSql(args[0]) + ", " +
                (count == 2 ? valueSql(args[1]) : std::string("''")) + ")";
        return r;
    }
    if (equalsIgnoringCase(name, "IsNull")) {
        if (count != 1 || star) {
            failExpression(ExpressionFault::MissingOperator);
        }
        return booleanOperand("(" + valueSql(args[0]) + " IS NULL)");
    }
    const FunctionInfo* f = findFunction(name);
    if (f == nullptr) {
        throwUndefinedFunction(name);
    }
    if (count < f->minArgs || count > f->maxArgs || (star && f->sqlName != "count")) {
        failExpression(ExpressionFault::MissingOperator);
    }
    Operand r;
    r.type = f->result;
    r.sql = std::string(f->sqlName) + "(";
    if (star) {
        r.sql += "*";
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        r.sql += (i == 0 ? "" : ", ") + valueSql(args[i]);
    }
    r.sql += ")";
    return r;
}

} // namespace platform::db::sql
