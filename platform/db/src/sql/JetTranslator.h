#pragma once

#include "JetToken.h"
#include "platform/db/JetErrors.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::db::sql {

using jet::ExpressionFault;

/// What the translator knows of an expression's type without running it.
enum class StaticType { Unknown, Text, Number, Boolean, Null };

/// A translated expression: its SQLite text and what is known of it. Comparisons, Not, And and Or are
/// Boolean: SQLite gives them 1/0, so where their value is used they become Jet's -1/0.
struct Operand {
    std::string sql;
    StaticType type = StaticType::Unknown;
    bool isColumn = false;        // a plain, possibly qualified, column reference
    bool isTextLiteral = false;   // a quoted text; `literal` holds its value
    bool isNumberLiteral = false; // an unsigned or negated numeric literal
    std::string literal;
    std::vector<std::string> concatParts; // an `&` chain: its operands, flattened
};

/// A table reference of a FROM clause or a join of two of them.
struct FromNode {
    enum class Kind { Source, Join };
    Kind kind = Kind::Source;
    std::string sql;  // Source: the table or subquery with its alias
    std::string name; // Source: the name its columns are qualified with (alias or table)
    std::string join; // Join: "INNER JOIN", "LEFT JOIN" or "RIGHT JOIN"
    std::string on;
    std::optional<std::vector<std::string>> onTables; // Join: see plainJoinTables
    std::unique_ptr<FromNode> left;
    std::unique_ptr<FromNode> right;
};

/// Translates one Jet SQL statement, or one bare criteria expression, into SQLite SQL by a
/// recursive-descent parse with Jet's operator precedence. One object per text; throws CallError with
/// Jet's numbers and texts on a syntax error.
class JetTranslator {
public:
    JetTranslator(std::string_view source, bool bareExpression);

    [[nodiscard]] std::string statement();
    [[nodiscard]] std::string criteria();

private:
    // Statements and clauses.
    std::string selectStatement();
    std::string selectCore(bool& hasOrderBy, std::string& limit);
    std::string selectList();
    std::string fromClause();
    std::unique_ptr<FromNode> fromItem();
    std::unique_ptr<FromNode> tableReference();
    std::string orderByList();
    std::string expressionList(std::int32_t clauseError);
    std::string insertStatement();
    std::string updateStatement();
    std::string deleteStatement();
    std::string passThroughStatement();
    std::string tableName(std::int32_t clauseError);
    std::string optionalAlias(bool requireAs);

    // Expressions, from the loosest binding to the tightest.
    Operand condition(); // a whole expression, checked to end where a clause may end
    Operand expression();
    /// `operand (word operand)...` as one flat list; `word` is AND or OR.
    Operand flatChain(std::string_view word, Operand (JetTranslator::*operand)());
    /// Counts one more term of a chain of one operator; throws 3360 beyond kMaxChainTerms.
    void countChainTerm(std::size_t& terms) const;
    Operand impExpr();
    Operand eqvExpr();
    Operand xorExpr();
    Operand orExpr();
    Operand andExpr();
    Operand notExpr();
    Operand comparison();
    Operand concatenation();
    Operand additive();
    Operand modulo();
    Operand integerDivision();
    Operand multiplicative();
    Operand unary();
    Operand power();
    Operand primary();
    Operand nameOrCall();
    Operand functionCall(const std::string& name);
    Operand likeExpr(const Operand& value, bool negated);
    /// The condition of a Like on a column whose pattern has no literal prefix.
    static std::string withoutPrefix(const Operand& value, std::string_view pattern,
                                     const std::string& matcher);
    Operand subquery();

    // Tokens.
    [[nodiscard]] const JetToken& peek(std::size_t ahead = 0) const;
    const JetToken& next();
    bool acceptWord(std::string_view word);
    bool acceptSymbol(std::string_view symbol);
    void expectSymbol(std::string_view symbol);
    [[nodiscard]] bool atClauseEnd() const;
    [[nodiscard]] std::string nameText(const JetToken& token) const;

    /// Counts one level of nesting for as long as it lives; throws 3360 beyond kMaxNesting.
    class NestingGuard {
    public:
        explicit NestingGuard(JetTranslator& owner);
        ~NestingGuard();
        NestingGuard(const NestingGuard&) = delete;
        NestingGuard& operator=(const NestingGuard&) = delete;

    private:
        JetTranslator& m_owner;
    };

    // Errors.
    /// The translator's errors come from the database, as the engine's did.
    static constexpr std::string_view kErrorSource = "DAO.Database";
    [[noreturn]] void failExpression(ExpressionFault fault) const;
    [[noreturn]] void failExpression(ExpressionFault fault, std::string_view expressionText) const;
    [[noreturn]] void failClause(std::int32_t number) const;
    void checkExpressionEnd() const;

    std::string_view m_source;
    bool m_bare;
    std::vector<JetToken> m_tokens;
    std::size_t m_pos = 0;
    std::size_t m_exprStart = 0; // token where the current top-level expression began
    bool m_inList = false;       // a ',' ends the current expression's text in error messages
    int m_selectDepth = 0;
    int m_exprCounter = 0; // names Expr1000, Expr1001 ... of unnamed select items
    int m_nesting = 0;     // expressions open inside one another
    static constexpr int kMaxNesting = 200;
    static constexpr std::size_t kMaxChainTerms = 1000;
};

/// A Jet identifier as the translated statement writes it: bare when that is safe (a plain name that
/// is no SQLite keyword), otherwise in brackets as Jet wrote it.
[[nodiscard]] std::string bareOrBracketedIdentifier(std::string_view name);

/// A text as an SQLite literal: single quotes, inner ones doubled.
[[nodiscard]] std::string sqliteTextLiteral(std::string_view text);

} // namespace platform::db::sql
