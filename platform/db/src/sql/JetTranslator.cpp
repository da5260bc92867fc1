#include "JetTranslator.h"

#include "JetDateLiteral.h"
#include "JetJoinChain.h"
#include "JetTranslatorSupport.h"

#include <algorithm>
#include <optional>

namespace platform::db::sql {

using Kind = JetToken::Kind;

JetTranslator::JetTranslator(std::string_view source, bool bareExpression)
    : m_source(source), m_bare(bareExpression), m_tokens(tokenizeJet(source)) {}

JetTranslator::NestingGuard::NestingGuard(JetTranslator& owner) : m_owner(owner) {
    // A bound on the nesting keeps a pathological text from exhausting the stack.
    if (m_owner.m_nesting >= kMaxNesting) {
        m_owner.failClause(jet::TooComplex);
    }
    ++m_owner.m_nesting;
}

JetTranslator::NestingGuard::~NestingGuard() {
    --m_owner.m_nesting;
}

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
    return bareOrBracketedIdentifier(token.text);
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
    failExpression(fault, m_source.substr(first.offset, endOffset - first.offset));
}

void JetTranslator::failExpression(ExpressionFault fault, std::string_view expressionText) const {
    if (m_bare) {
        throw jet::makeCriteriaError(fault, kErrorSource);
    }
    throw jet::makeExpressionError(fault, kErrorSource, expressionText);
}

void JetTranslator::failClause(std::int32_t number) const {
    throw jet::makeError(number, kErrorSource);
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
        failClause(jet::InvalidSqlStatement);
    }
    acceptSymbol(";");
    if (peek().kind != Kind::End) {
        if (peek().isSymbol(")")) {
            m_exprStart = m_pos;
            failExpression(ExpressionFault::ExtraParenthesis);
        }
        failClause(jet::CharactersAfterEnd);
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
    while (peek().isWord("UNION")) {
        if (hasOrderBy) {
            failClause(jet::SyntaxErrorInUnion);
        }
        if (!limit.empty()) { // a TOP inside a union applies to its own SELECT only
            sql = "SELECT * FROM (" + sql + " LIMIT " + limit + ")";
            limit.clear();
        }
        next();
        const bool all = acceptWord("ALL");
        if (!peek().isWord("SELECT")) {
            failClause(jet::SyntaxErrorInUnion);
        }
        std::string limitOfPart;
        std::string part = selectCore(hasOrderBy, limitOfPart);
        if (!limitOfPart.empty()) {
            part = "SELECT * FROM (" + part + " LIMIT " + limitOfPart + ")";
        }
        sql += all ? " UNION ALL " : " UNION ";
        sql += part;
    }
    if (!limit.empty()) {
        sql += " LIMIT " + limit;
    }
    --m_selectDepth;
    return sql;
}

std::string JetTranslator::selectCore(bool& hasOrderBy, std::string& limit) {
    if (!acceptWord("SELECT")) {
        failClause(jet::SyntaxErrorInSelect);
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
            failClause(jet::SyntaxErrorInSelect);
        }
        limit = next().text;
        if (peek().isWord("PERCENT")) {
            failClause(jet::SyntaxErrorInSelect);
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
            failClause(jet::SyntaxErrorInGroupBy);
        }
        sql += " GROUP BY " + expressionList(jet::SyntaxErrorInGroupBy);
    }
    if (acceptWord("HAVING")) {
        m_inList = false;
        sql += " HAVING " + condition().sql;
    }
    hasOrderBy = false;
    if (peek().isWord("ORDER")) {
        next();
        if (!acceptWord("BY")) {
            failClause(jet::SyntaxErrorInOrderBy);
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
        failClause(jet::SyntaxErrorInSelect);
    }
    return sql;
}

std::string JetTranslator::selectList() {
    if (peek().isWord("FROM") || peek().kind == Kind::End) {
        failClause(jet::SyntaxErrorInSelect);
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
                    failClause(jet::SyntaxErrorInSelect);
                }
                sql += " AS " + bareOrBracketedIdentifier(next().text);
            } else if ((!item.isColumn || item.sql.front() == '(') &&
                       item.sql.find(".*") == std::string::npos) {
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
        sql += joinSql(*item, false);
        if (!acceptSymbol(",")) {
            break;
        }
        sql += ", ";
    }
    if (!atClauseEnd()) {
        failClause(jet::SyntaxErrorInFrom);
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
            failClause(jet::SyntaxErrorInJoin);
        } else {
            return left;
        }
        auto node = std::make_unique<FromNode>();
        node->kind = FromNode::Kind::Join;
        node->join = std::move(join);
        node->left = std::move(left);
        node->right = tableReference();
        if (!acceptWord("ON")) {
            failClause(jet::SyntaxErrorInJoin);
        }
        const bool wasInList = m_inList;
        m_inList = false;
        m_exprStart = m_pos;
        const std::size_t onStart = m_pos;
        node->on = expression().sql;
        node->onTables = plainJoinTables(m_tokens, onStart, m_pos);
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
                failClause(jet::SyntaxErrorInFrom);
            }
            const std::string alias = optionalAlias(false);
            sql += alias;
            auto node = std::make_unique<FromNode>();
            node->sql = std::move(sql);
            if (!alias.empty()) {
                node->name = m_tokens[m_pos - 1].text;
            }
            return node;
        }
        next();
        const NestingGuard guard(*this);
        std::unique_ptr<FromNode> inner = fromItem();
        if (!acceptSymbol(")")) {
            failClause(jet::SyntaxErrorInJoin);
        }
        return inner;
    }
    auto node = std::make_unique<FromNode>();
    node->sql = tableName(jet::SyntaxErrorInFrom);
    node->name = m_tokens[m_pos - 1].text;
    const std::string alias = optionalAlias(false);
    if (!alias.empty()) {
        node->sql += alias;
        node->name = m_tokens[m_pos - 1].text;
    }
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
        failClause(jet::SyntaxErrorInFrom);
    }
    return {};
}

std::string JetTranslator::orderByList() {
    std::string sql;
    while (true) {
        m_inList = true;
        m_exprStart = m_pos;
        if (atClauseEnd()) {
            failClause(jet::SyntaxErrorInOrderBy);
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
        failClause(jet::SyntaxErrorInInsert);
    }
    std::string sql = "INSERT INTO " + tableName(jet::SyntaxErrorInInsert);
    if (acceptSymbol("(")) {
        sql += " (";
        while (true) {
            if (!peek().isName()) {
                failClause(jet::SyntaxErrorInInsert);
            }
            std::string column = nameText(next());
            if (acceptSymbol(".")) { // a qualified target column names the table again
                if (!peek().isName()) {
                    failClause(jet::SyntaxErrorInInsert);
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
            failClause(jet::SyntaxErrorInInsert);
        }
        sql += ")";
    }
    if (acceptWord("VALUES")) {
        if (!acceptSymbol("(")) {
            failClause(jet::SyntaxErrorInInsert);
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
            failClause(jet::SyntaxErrorInInsert);
        }
        sql += ")";
    } else if (peek().isWord("SELECT")) {
        sql += " " + selectStatement();
    } else {
        failClause(jet::SyntaxErrorInInsert);
    }
    return sql;
}

std::string JetTranslator::updateStatement() {
    next();
    std::string sql = "UPDATE " + tableName(jet::SyntaxErrorInUpdate);
    if (!acceptWord("SET")) {
        failClause(jet::SyntaxErrorInUpdate);
    }
    sql += " SET ";
    ++m_selectDepth;
    while (true) {
        if (!peek().isName()) {
            failClause(jet::SyntaxErrorInUpdate);
        }
        std::string column = nameText(next());
        while (acceptSymbol(".")) { // SQLite wants the bare column name on the left of SET
            if (!peek().isName()) {
                failClause(jet::SyntaxErrorInUpdate);
            }
            column = nameText(next());
        }
        if (!acceptSymbol("=")) {
            failClause(jet::SyntaxErrorInUpdate);
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
        failClause(jet::SyntaxErrorInUpdate);
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
        failClause(jet::SyntaxErrorInDelete);
    }
    std::string sql = "DELETE FROM " + tableName(jet::SyntaxErrorInDelete);
    if (acceptWord("WHERE")) {
        sql += " WHERE " + condition().sql;
    }
    if (!atClauseEnd() || isClauseWord(peek())) {
        failClause(jet::SyntaxErrorInDelete);
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
            sql += bareOrBracketedIdentifier(t.text);
            break;
        case Kind::Text:
            sql += sqliteTextLiteral(t.text);
            break;
        case Kind::Date: {
            const std::optional<std::string> iso = isoFromJetDate(t.text);
            if (!iso) {
                failExpression(ExpressionFault::DateSyntax, "#" + t.text + "#");
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
        failClause(jet::CharactersAfterEnd);
    }
    return sql;
}

} // namespace platform::db::sql
