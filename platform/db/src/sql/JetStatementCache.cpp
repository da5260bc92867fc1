#include "JetStatementCache.h"

#include "JetSql.h"
#include "JetToken.h"
#include "JetTranslatorSupport.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace platform::db {
namespace {

using sql::JetToken;
using TokenKind = JetToken::Kind;

// Stand-ins for lifted literals in the text the translator sees; chosen so that no statement holds them.
std::string numberMarker(std::size_t k) {
    return std::to_string(7318046259000000000LL + static_cast<long long>(k));
}

std::string textMarker(std::size_t k) {
    return "\x1Fgk" + std::to_string(k) + "\x1F";
}

/// A column name on its own, or one in parentheses as Access writes it: `name` or `(t.name)` ending
/// just before tokens[end].
bool columnBefore(const std::vector<JetToken>& tokens, std::size_t end) {
    const auto isColumn = [&](std::size_t k) {
        return tokens[k].isName() && !sql::isReserved(tokens[k]);
    };
    if (end >= 1 && isColumn(end - 1)) {
        return true;
    }
    if (end < 3 || !tokens[end - 1].isSymbol(")") || !isColumn(end - 2)) {
        return false;
    }
    std::size_t first = end - 2; // the first token of the qualified name
    while (first >= 2 && tokens[first - 1].isSymbol(".") && tokens[first - 2].isName()) {
        first -= 2;
    }
    // An opening parenthesis that does not call a function: f(x) = 1 is no column.
    return first >= 1 && tokens[first - 1].isSymbol("(") && (first == 1 || !isColumn(first - 2));
}

/// A literal that is the whole right side of `name = literal`: nothing else binds it.
bool liftable(const std::vector<JetToken>& tokens, std::size_t i) {
    const JetToken& t = tokens[i];
    const bool number = t.kind == TokenKind::Number && !t.text.empty() && t.text.size() <= 15 &&
                        t.text.find_first_not_of("0123456789") == std::string::npos;
    if (!number && t.kind != TokenKind::Text) {
        return false;
    }
    if (i < 2 || !tokens[i - 1].isSymbol("=") || !columnBefore(tokens, i - 1)) {
        return false;
    }
    const JetToken& after = tokens[i + 1]; // the last token is always End
    return after.kind == TokenKind::End || after.isSymbol(")") || after.isSymbol(";") ||
           after.isWord("AND") || after.isWord("OR") || sql::isClauseWord(after);
}

bool partOfWord(const std::string& sql, std::size_t at) {
    if (at >= sql.size()) {
        return false;
    }
    const auto c = static_cast<unsigned char>(sql[at]);
    return std::isalnum(c) != 0 || c == '_' || c == '.' || c >= 0x80;
}

/// Replaces `marker` in `sql` by `parameter`, when it occurs exactly once and on its own.
bool substitute(std::string& sql, const std::string& marker, const std::string& parameter) {
    const std::size_t at = sql.find(marker);
    if (at == std::string::npos || sql.find(marker, at + 1) != std::string::npos ||
        (at > 0 && partOfWord(sql, at - 1)) || partOfWord(sql, at + marker.size())) {
        return false;
    }
    sql.replace(at, marker.size(), parameter);
    return true;
}

} // namespace

JetStatementCache::JetStatementCache(std::size_t capacity) : m_capacity(std::max<std::size_t>(capacity, 1)) {}

std::string JetStatementCache::statement(std::string_view jetSql) {
    return lookup(Kind::Statement, jetSql);
}

std::string JetStatementCache::criteria(std::string_view jetExpression) {
    return lookup(Kind::Criteria, jetExpression);
}

std::optional<JetStatementCache::Parameterized> JetStatementCache::parameterized(std::string_view jetSql) {
    const std::vector<JetToken> tokens = sql::tokenizeJet(jetSql);
    if (tokens.empty() || !tokens.front().isWord("SELECT")) {
        return std::nullopt;
    }
    std::string normalized;
    std::vector<Variant> values;
    std::vector<bool> isText;
    std::size_t copied = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind == TokenKind::Invalid) {
            return std::nullopt; // the plain path reports the fault
        }
        if (tokens[i].kind == TokenKind::End || !liftable(tokens, i)) {
            continue;
        }
        const std::size_t k = values.size() + 1;
        normalized.append(jetSql.substr(copied, tokens[i].offset - copied));
        if (tokens[i].kind == TokenKind::Text) {
            normalized += "'" + textMarker(k) + "'";
            values.emplace_back(tokens[i].text);
            isText.push_back(true);
        } else {
            normalized += numberMarker(k);
            std::int64_t value = 0;
            std::from_chars(tokens[i].text.data(), tokens[i].text.data() + tokens[i].text.size(), value);
            values.emplace_back(value);
            isText.push_back(false);
        }
        copied = tokens[i].end;
    }
    if (values.empty()) {
        return std::nullopt;
    }
    normalized.append(jetSql.substr(copied));
    if (const Entry* found = find(Kind::Parameterized, normalized)) {
        if (found->value.sql.empty()) {
            return std::nullopt;
        }
        return Parameterized{found->value.sql, std::move(values)};
    }
    std::string sql = translateStatement(normalized);
    for (std::size_t k = 1; k <= values.size() && !sql.empty(); ++k) {
        const std::string marker = isText[k - 1] ? sql::sqliteTextLiteral(textMarker(k)) : numberMarker(k);
        if (!substitute(sql, marker, "?" + std::to_string(k))) {
            sql.clear(); // remembered as not liftable
        }
    }
    remember(Kind::Parameterized, std::move(normalized), Select{sql, {}});
    if (sql.empty()) {
        return std::nullopt;
    }
    return Parameterized{std::move(sql), std::move(values)};
}

const JetStatementCache::Select& JetStatementCache::select(std::string_view jetSql) {
    if (const Entry* found = find(Kind::Select, jetSql)) {
        return found->value;
    }
    std::optional<Parameterized> lifted = parameterized(jetSql);
    Select value = lifted ? std::move(*lifted) : Select{lookup(Kind::Statement, jetSql), {}};
    return remember(Kind::Select, std::string(jetSql), std::move(value)).value;
}

void JetStatementCache::clear() {
    for (Index& index : m_index) {
        index.clear();
    }
    m_entries.clear();
}

JetStatementCache::Entry* JetStatementCache::find(Kind kind, std::string_view text) {
    Index& index = m_index[static_cast<std::size_t>(kind)];
    const auto found = index.find(text);
    if (found == index.end()) {
        return nullptr;
    }
    m_entries.splice(m_entries.begin(), m_entries, found->second);
    ++m_hits;
    return &*found->second;
}

JetStatementCache::Entry& JetStatementCache::remember(Kind kind, std::string key, Select value) {
    m_entries.push_front(Entry{kind, std::move(key), std::move(value)});
    m_index[static_cast<std::size_t>(kind)].emplace(m_entries.front().key, m_entries.begin());
    if (m_entries.size() > m_capacity) {
        const Entry& last = m_entries.back();
        m_index[static_cast<std::size_t>(last.kind)].erase(last.key);
        m_entries.pop_back();
    }
    return m_entries.front();
}

std::string JetStatementCache::lookup(Kind kind, std::string_view text) {
    if (const Entry* found = find(kind, text)) {
        return found->value.sql;
    }
    std::string sql = kind == Kind::Statement ? translateStatement(text) : translateCriteria(text);
    remember(kind, std::string(text), Select{sql, {}});
    return sql;
}

} // namespace platform::db
