// The expression half of JetTranslator: one function per level of Jet's operator precedence.

#include "JetDateLiteral.h"
#include "JetLikeMatcher.h"
#include "JetLikePrefix.h"
#include "JetTranslator.h"
#include "JetTranslatorSupport.h"

#include <memory>
#include <optional>

namespace platform::db::sql {

using Kind = JetToken::Kind;

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
    const NestingGuard guard(*this); // each bracket, argument list and subquery parses through here
    return impExpr();
}

void JetTranslator::countChainTerm(std::size_t& terms) const {
    // A chain longer than SQLite's expression depth could not run; the bound also keeps the chains
    // that still nest (their text is copied per term) from growing with the square of the text.
    if (++terms > kMaxChainTerms) {
        failClause(jet::TooComplex);
    }
}

Operand JetTranslator::flatChain(std::string_view word, Operand (JetTranslator::*operand)()) {
    Operand first = (this->*operand)();
    if (!peek().isWord(word)) {
        return first;
    }
    // AND and OR are associative in SQLite's three-valued logic as in Jet's: one flat list.
    std::string sql = "(" + first.sql;
    std::size_t terms = 1;
    while (acceptWord(word)) {
        countChainTerm(terms);
        const Operand right = (this->*operand)();
        sql += ' ';
        sql += word;
        sql += ' ';
        sql += right.sql;
    }
    sql += ')';
    return booleanOperand(std::move(sql));
}

Operand JetTranslator::impExpr() {
    Operand left = eqvExpr();
    std::size_t terms = 1;
    while (acceptWord("IMP")) {
        countChainTerm(terms);
        const Operand right = eqvExpr();
        left = booleanOperand("((NOT (" + left.sql + ")) OR (" + right.sql + "))");
    }
    return left;
}

Operand JetTranslator::eqvExpr() {
    Operand left = xorExpr();
    std::size_t terms = 1;
    while (acceptWord("EQV")) {
        countChainTerm(terms);
        const Operand right = xorExpr();
        left = booleanOperand("((" + left.sql + ") IS NOT 0) = ((" + right.sql + ") IS NOT 0)");
        left.sql = "(" + left.sql + ")";
    }
    return left;
}

Operand JetTranslator::xorExpr() {
    Operand left = orExpr();
    std::size_t terms = 1;
    while (acceptWord("XOR")) {
        countChainTerm(terms);
        const Operand right = orExpr();
        left = booleanOperand("(((" + left.sql + ") <> 0) <> ((" + right.sql + ") <> 0))");
    }
    return left;
}

Operand JetTranslator::orExpr() {
    return flatChain("OR", &JetTranslator::andExpr);
}

Operand JetTranslator::andExpr() {
    return flatChain("AND", &JetTranslator::notExpr);
}

Operand JetTranslator::notExpr() {
    if (acceptWord("NOT")) {
        const NestingGuard guard(*this);
        const Operand inner = notExpr();
        return booleanOperand("(NOT " + inner.sql + ")");
    }
    return comparison();
}

Operand JetTranslator::comparison() {
    Operand left = concatenation();
    std::size_t terms = 1;
    while (true) {
        countChainTerm(terms);
        const JetToken& t = peek();
        if (t.kind == Kind::Symbol && (t.text == "=" || t.text == "<>" || t.text == "<" || t.text == ">" ||
                                       t.text == "<=" || t.text == ">=")) {
            const std::string op = next().text;
            const Operand right = concatenation();
            left = booleanOperand("(" + comparedSql(left, right) + " " + op + " " + comparedSql(right, left) +
                                  ")");
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
            left = booleanOperand("(" + comparedSql(left, low) + (negated ? " NOT" : "") + " BETWEEN " +
                                  comparedSql(low, left) + " AND " + comparedSql(high, left) + ")");
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
                    list += comparedSql(expression(), left);
                    if (!acceptSymbol(",")) {
                        break;
                    }
                    list += ", ";
                }
                m_inList = wasInList;
            }
            expectSymbol(")");
            // SQLite compares an IN list by the collation of its left side alone: anything but a column
            // (which has its own) gets Jet's text comparison.
            const std::string tested = left.isColumn ? valueSql(left) : valueSql(left) + " COLLATE JETTEXT";
            left = booleanOperand("(" + tested + (negated ? " NOT IN (" : " IN (") + list + "))");
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
        return booleanOperand(withoutPrefix(value, pattern.literal, matcher));
    }
    // The range lets SQLite search the column's index; the matcher then decides within it.
    const std::string inRange = value.sql + " >= " + sqliteTextLiteral(range->low) + " COLLATE JETTEXT AND " +
                                value.sql + " < " + sqliteTextLiteral(range->high) + " COLLATE JETTEXT";
    if (!range->mayMatchNumbers) {
        return booleanOperand("(" + inRange + " AND " + matcher + ")");
    }
    // A number stored in a numeric column sorts before every text, and its text can begin with
    // these characters: the range from minus infinity up to the empty text keeps such values for the
    // matcher. Bounded on both sides it looks narrow to the planner, which then searches both ranges
    // of the index, also beside an equality on another indexed column, instead of scanning.
    return booleanOperand("(((" + inRange + ") OR (" + value.sql + " >= -9e999 AND " + value.sql +
                          " < '')) AND " + matcher + ")");
}

std::string JetTranslator::withoutPrefix(const Operand& value, std::string_view pattern,
                                         const std::string& matcher) {
    // Two characters that stand for themselves keep few rows; fewer (`#*`, `*[0-9]-*`) may keep half
    // the table, whose sort then costs more than walking the order's index: the planner's own choice.
    const std::unique_ptr<JetLikePattern> compiled = JetLikePattern::compile(pattern);
    if (!compiled || compiled->literalCount() < 2) {
        return matcher;
    }
    // Every value but Null and a blob lies below the empty blob, so the column's index can be read
    // whole. Weighed as a quarter of the rows, with a Like that keeps few, that read wins over
    // walking another index row by row for the order, and loses to an equality on a filter's own
    // index.
    return "(likelihood(" + value.sql + " < X'', 0.25) AND unlikely(" + matcher + "))";
}

Operand JetTranslator::concatenation() {
    Operand left = additive();
    if (!peek().isSymbol("&")) {
        return left;
    }
    Operand r;
    r.type = StaticType::Text;
    r.concatParts.push_back(valueSql(left));
    std::size_t terms = 1;
    while (acceptSymbol("&")) {
        countChainTerm(terms);
        const Operand right = additive();
        r.concatParts.push_back(valueSql(right));
    }
    // SQLite takes at most 127 arguments to a function: a long chain concatenates in groups, which
    // gives the same text, and Null exactly when every part is Null.
    constexpr std::size_t group = 100;
    std::string args;
    for (std::size_t i = 0; i < r.concatParts.size(); ++i) {
        if (i > 0 && i % group == 0) {
            args = "jet_concat(" + args + ")";
        }
        args += (args.empty() ? "" : ", ") + r.concatParts[i];
    }
    r.sql = "(jet_concat(" + args + ") COLLATE JETTEXT)";
    return r;
}

namespace {

/// How one `+` or `-` of a chain is computed; a run of steps of one kind is written as one flat list.
enum class AddKind { None, Numeric, Text, PerRow };

AddKind addKind(bool plus, const Operand& left, const Operand& right) {
    if (!plus || (isNumberLike(left.type) && isNumberLike(right.type))) {
        return AddKind::Numeric;
    }
    if (isTextLike(left.type) && isTextLike(right.type)) {
        return AddKind::Text; // concatenates, and is Null when a side is Null, as SQLite's || is
    }
    return AddKind::PerRow; // decided per row: numbers add, texts concatenate, Null wins
}

/// The text of a run of one kind: its terms and the operators between them.
class AddRun {
public:
    void start(AddKind kind, const Operand& first) {
        m_kind = kind;
        m_terms = 0;
        m_sql = kind == AddKind::Numeric ? "(" : kind == AddKind::Text ? "((" : "jet_add(";
        m_sql += kind == AddKind::Text ? first.sql : valueSql(first);
    }
    void add(bool plus, const Operand& term) {
        // SQLite takes at most 127 arguments to a function; jet_add folds from the left, so a
        // longer run continues in an outer call.
        if (m_kind == AddKind::PerRow && ++m_terms % 100 == 0) {
            m_sql = "jet_add(" + m_sql + ")";
        }
        m_sql += m_kind == AddKind::Numeric ? (plus ? " + " : " - ")
                 : m_kind == AddKind::Text  ? " || "
                                            : ", ";
        m_sql += m_kind == AddKind::Text ? term.sql : valueSql(term);
    }
    [[nodiscard]] AddKind kind() const noexcept { return m_kind; }
    [[nodiscard]] Operand finish() {
        Operand r;
        r.sql = std::move(m_sql);
        r.sql += m_kind == AddKind::Text ? ") COLLATE JETTEXT)" : ")";
        r.type = m_kind == AddKind::Numeric ? StaticType::Number
                 : m_kind == AddKind::Text  ? StaticType::Text
                                            : StaticType::Unknown;
        m_kind = AddKind::None;
        return r;
    }

private:
    AddKind m_kind = AddKind::None;
    std::size_t m_terms = 0;
    std::string m_sql;
};

} // namespace

Operand JetTranslator::additive() {
    Operand left = modulo();
    std::size_t terms = 1;
    AddRun run;
    while (peek().isSymbol("+") || peek().isSymbol("-")) {
        countChainTerm(terms);
        const bool plus = next().text == "+";
        const Operand right = modulo();
        const AddKind kind = addKind(plus, left, right);
        if (run.kind() != kind) {
            if (run.kind() != AddKind::None) {
                left = run.finish();
            }
            run.start(kind, left);
        }
        run.add(plus, right);
        // What the next step sees of its left side: the run's type.
        left.type = kind == AddKind::Numeric ? StaticType::Number
                    : kind == AddKind::Text  ? StaticType::Text
                                             : StaticType::Unknown;
    }
    return run.kind() == AddKind::None ? left : run.finish();
}

Operand JetTranslator::modulo() {
    Operand left = integerDivision();
    std::size_t terms = 1;
    while (acceptWord("MOD")) {
        countChainTerm(terms);
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
    std::size_t terms = 1;
    while (acceptSymbol("\\")) {
        countChainTerm(terms);
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
    std::size_t terms = 1;
    while (peek().isSymbol("*") || peek().isSymbol("/")) {
        countChainTerm(terms);
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
        const NestingGuard guard(*this);
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
        const NestingGuard guard(*this);
        return unary();
    }
    return power();
}

Operand JetTranslator::power() {
    Operand left = primary();
    std::size_t terms = 1;
    while (acceptSymbol("^")) {
        countChainTerm(terms);
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
            // A bracketed column is still the column to SQLite: its collation and index stay.
            inner.sql = "(" + inner.sql + ")";
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
        throw jet::makeError(jet::UndefinedFunction, kErrorSource, name);
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
