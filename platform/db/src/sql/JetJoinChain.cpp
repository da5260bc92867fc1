#include "JetJoinChain.h"

#include <algorithm>

namespace platform::db::sql {
namespace {

using Kind = JetToken::Kind;

struct Link {
    std::string join; // empty for the first source
    const FromNode* source = nullptr;
    std::string on;
    const std::vector<std::string>* onTables = nullptr; // nullptr: not a plain condition
};
using Chain = std::vector<Link>;

bool isComparison(const JetToken& t) {
    return t.isSymbol("=") || t.isSymbol("<>") || t.isSymbol("<") || t.isSymbol(">") || t.isSymbol("<=") ||
           t.isSymbol(">=");
}

/// Index of the link whose source is called `table`; nothing when no link is.
std::optional<std::size_t> linkOf(const Chain& chain, const std::string& table) {
    for (std::size_t i = 0; i < chain.size(); ++i) {
        if (equalsIgnoringCase(chain[i].source->name, table)) {
            return i;
        }
    }
    return std::nullopt;
}

bool refersToAnyOf(const std::vector<std::string>& tables, const Chain& chain, std::size_t count) {
    return std::any_of(tables.begin(), tables.end(), [&](const std::string& table) {
        const std::optional<std::size_t> at = linkOf(chain, table);
        return at && *at < count;
    });
}

std::optional<Chain> chainOf(const FromNode& node);

/// `outer <join> (inner) ON condition` as one chain, or nothing when that could change the rows.
std::optional<Chain> joinChains(Chain outer, Chain inner, const std::string& join, const FromNode& node) {
    if (inner.size() == 1) {
        outer.push_back(Link{join, inner.front().source, node.on, node.onTables ? &*node.onTables : nullptr});
        return outer;
    }
    if (!node.onTables) {
        return std::nullopt;
    }
    // The deepest link of the group the condition reaches; every table it names must be known.
    std::size_t deepest = 0;
    for (const std::string& table : *node.onTables) {
        const std::optional<std::size_t> at = linkOf(inner, table);
        if (!at && !linkOf(outer, table)) {
            return std::nullopt;
        }
        deepest = std::max(deepest, at.value_or(0));
    }
    if (join == "LEFT JOIN") {
        // (A LEFT JOIN X ON q) LEFT JOIN Y ON p keeps the rows of A LEFT JOIN (X LEFT JOIN Y ON p) ON q
        // when q does not look into Y and p is false on X's Nulls: a row of A without X gets no Y.
        if (deepest > 0) {
            return std::nullopt;
        }
        for (std::size_t i = 1; i < inner.size(); ++i) {
            const Link& link = inner[i];
            if (link.join != "LEFT JOIN" || link.onTables == nullptr ||
                !refersToAnyOf(*link.onTables, inner, i) ||
                std::any_of(link.onTables->begin(), link.onTables->end(),
                            [&](const std::string& table) { return !linkOf(inner, table); })) {
                return std::nullopt;
            }
        }
    } else {
        // An inner join may take its condition to the deepest inner link it names.
        for (std::size_t i = 1; i <= deepest; ++i) {
            if (inner[i].join != "INNER JOIN") {
                return std::nullopt;
            }
        }
    }
    Link head{join, inner.front().source, node.on, &*node.onTables};
    if (deepest > 0) {
        head.on.clear();
        head.onTables = nullptr;
        Link& target = inner[deepest];
        target.on = target.on.empty() ? node.on : "(" + target.on + ") AND (" + node.on + ")";
        target.onTables = nullptr;
    }
    outer.push_back(std::move(head));
    outer.insert(outer.end(), std::make_move_iterator(inner.begin() + 1),
                 std::make_move_iterator(inner.end()));
    return outer;
}

std::optional<Chain> chainOf(const FromNode& node) {
    if (node.kind == FromNode::Kind::Source) {
        return Chain{Link{{}, &node, {}, nullptr}};
    }
    // a RIGHT JOIN b is b LEFT JOIN a with the same condition.
    const bool right = node.join == "RIGHT JOIN";
    std::optional<Chain> outer = chainOf(right ? *node.right : *node.left);
    if (!outer) {
        return std::nullopt;
    }
    std::optional<Chain> inner = chainOf(right ? *node.left : *node.right);
    if (!inner) {
        return std::nullopt;
    }
    return joinChains(std::move(*outer), std::move(*inner), right ? std::string("LEFT JOIN") : node.join,
                      node);
}

std::string nestedSql(const FromNode& node, bool asRightOperand) {
    if (node.kind == FromNode::Kind::Source) {
        return node.sql;
    }
    const bool right = node.join == "RIGHT JOIN";
    const FromNode& first = right ? *node.right : *node.left;
    const FromNode& second = right ? *node.left : *node.right;
    std::string sql = joinSql(first, false) + " " + (right ? std::string("LEFT JOIN") : node.join) + " " +
                      joinSql(second, true) + " ON " + node.on;
    return asRightOperand ? "(" + sql + ")" : sql;
}

} // namespace

std::optional<std::vector<std::string>> plainJoinTables(const std::vector<JetToken>& tokens,
                                                        std::size_t first, std::size_t end) {
    // Brackets change nothing in a conjunction, so they are skipped.
    std::vector<const JetToken*> items;
    for (std::size_t i = first; i < end && i < tokens.size(); ++i) {
        if (!tokens[i].isSymbol("(") && !tokens[i].isSymbol(")")) {
            items.push_back(&tokens[i]);
        }
    }
    std::vector<std::string> tables;
    std::size_t i = 0;
    // One side: a qualified column (its table noted) or a literal. True when a column was read.
    const auto side = [&](bool& column) {
        if (i + 2 < items.size() && items[i]->isName() && items[i + 1]->isSymbol(".") &&
            items[i + 2]->isName()) {
            tables.push_back(items[i]->text);
            column = true;
            i += 3;
            return true;
        }
        if (i < items.size() && (items[i]->kind == Kind::Number || items[i]->kind == Kind::Text)) {
            ++i;
            return true;
        }
        return false;
    };
    while (true) {
        bool column = false;
        if (!side(column) || i >= items.size() || !isComparison(*items[i])) {
            return std::nullopt;
        }
        ++i;
        if (!side(column) || !column) {
            return std::nullopt;
        }
        if (i == items.size()) {
            return tables;
        }
        if (!items[i]->isWord("AND")) {
            return std::nullopt;
        }
        ++i;
    }
}

std::string joinSql(const FromNode& node, bool asRightOperand) {
    if (node.kind == FromNode::Kind::Source) {
        return node.sql;
    }
    const std::optional<Chain> chain = chainOf(node);
    if (!chain) {
        return nestedSql(node, asRightOperand);
    }
    std::string sql = chain->front().source->sql;
    for (std::size_t i = 1; i < chain->size(); ++i) {
        const Link& link = (*chain)[i];
        sql += " " + link.join + " " + link.source->sql;
        if (!link.on.empty()) {
            sql += " ON " + link.on;
        }
    }
    return asRightOperand ? "(" + sql + ")" : sql;
}

} // namespace platform::db::sql
