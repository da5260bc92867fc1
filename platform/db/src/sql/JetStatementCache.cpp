#include "JetStatementCache.h"

#include "JetSql.h"
#include "JetToken.h"
#include "JetTranslatorSupport.h"

#include <algorithm>
#include <array>
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

// Stands for a number in a shape; a text that holds it has no shape.
constexpr char kShapeMarker = '\x1E';
// Longer numbers are not lifted (see liftable); they stay in the shape.
constexpr std::size_t kLongestLifted = 15;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// What may stand before and after a number that is a token of its own: the number's digits then
// never change how the text around them tokenizes.
bool separatesBefore(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '=' || c == '(' || c == ',';
}

// The characters that shape a text: digits, and the quotes, date marks and brackets around what is
// passed over whole.
constexpr std::array<bool, 256> kShaping = [] {
    std::array<bool, 256> shaping{};
    for (const char c : std::string_view("0123456789'\"#[")) {
        shaping[static_cast<unsigned char>(c)] = true;
    }
    return shaping;
}();

// Where the next digit, quote, date or bracketed name starts, from `from` on.
std::size_t nextShaping(std::string_view text, std::size_t from) {
    for (std::size_t i = from; i < text.size(); ++i) {
        if (kShaping[static_cast<unsigned char>(text[i])]) {
            return i;
        }
    }
    return std::string_view::npos;
}

bool separatesAfter(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ')' || c == ';' || c == ',';
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
    std::optional<Lifted> lifted = lift(jetSql);
    if (!lifted) {
        return std::nullopt;
    }
    return std::move(lifted->parameterized);
}

std::optional<JetStatementCache::Lifted> JetStatementCache::lift(std::string_view jetSql) {
    const std::vector<JetToken> tokens = sql::tokenizeJet(jetSql);
    if (tokens.empty() || !tokens.front().isWord("SELECT")) {
        return std::nullopt;
    }
    std::string normalized;
    std::vector<Variant> values;
    std::vector<bool> isText;
    std::vector<std::size_t> offsets;
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
            normalized += '\'';
            normalized += textMarker(k);
            normalized += '\'';
            values.emplace_back(tokens[i].text);
            isText.push_back(true);
            offsets.push_back(std::string_view::npos);
        } else {
            normalized += numberMarker(k);
            std::int64_t value = 0;
            std::from_chars(tokens[i].text.data(), tokens[i].text.data() + tokens[i].text.size(), value);
            values.emplace_back(value);
            isText.push_back(false);
            offsets.push_back(tokens[i].offset);
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
        return Lifted{Parameterized{found->value.sql, std::move(values)}, std::move(offsets)};
    }
    std::string sql = translateStatement(normalized);
    for (std::size_t k = 1; k <= values.size() && !sql.empty(); ++k) {
        const std::string marker = isText[k - 1] ? sql::sqliteTextLiteral(textMarker(k)) : numberMarker(k);
        if (!substitute(sql, marker, std::string(1, '?').append(std::to_string(k)))) {
            sql.clear(); // remembered as not liftable
        }
    }
    remember(Kind::Parameterized, std::move(normalized), Select{sql, {}});
    if (sql.empty()) {
        return std::nullopt;
    }
    return Lifted{Parameterized{std::move(sql), std::move(values)}, std::move(offsets)};
}

const JetStatementCache::Select& JetStatementCache::select(std::string_view jetSql) {
    if (const Entry* found = find(Kind::Select, jetSql)) {
        return found->value;
    }
    // Another id in a statement seen before: its values come from the text, without tokenizing it,
    // and the text itself is not kept (the next id will be another one).
    const std::optional<Shape> shape = shapeOf(jetSql);
    if (shape) {
        if (const Entry* found = find(Kind::Shape, shape->key)) {
            m_fromShape = found->value;
            for (std::size_t k = 0; k < found->numberOfValue.size(); ++k) {
                if (const auto number = found->numberOfValue[k]) {
                    const std::string_view digits = shape->numbers[*number];
                    std::int64_t value = 0;
                    std::from_chars(digits.data(), digits.data() + digits.size(), value);
                    m_fromShape.values[k] = Variant(value);
                }
            }
            return m_fromShape;
        }
    }
    std::optional<Lifted> lifted = lift(jetSql);
    if (lifted && shape) {
        learn(jetSql, *shape, *lifted);
    }
    Select value = lifted ? std::move(lifted->parameterized) : Select{lookup(Kind::Statement, jetSql), {}};
    return remember(Kind::Select, std::string(jetSql), std::move(value)).value;
}

std::optional<JetStatementCache::Shape> JetStatementCache::shapeOf(std::string_view jetSql) {
    if (jetSql.find(kShapeMarker) != std::string_view::npos) {
        return std::nullopt;
    }
    Shape shape;
    shape.key.reserve(jetSql.size());
    std::size_t copied = 0; // what is before is in the key
    std::size_t i = 0;
    while ((i = nextShaping(jetSql, i)) != std::string_view::npos) {
        const char c = jetSql[i];
        if (!isDigit(c)) {
            // A quoted text, bracketed name or date: passed over whole (a doubled quote closes
            // and opens again).
            const std::size_t closing = jetSql.find(c == '[' ? ']' : c, i + 1);
            if (closing == std::string_view::npos) {
                break;
            }
            i = closing + 1;
            continue;
        }
        std::size_t end = i;
        while (end < jetSql.size() && isDigit(jetSql[end])) {
            ++end;
        }
        const bool alone = i > 0 && separatesBefore(jetSql[i - 1]) &&
                           (end == jetSql.size() || separatesAfter(jetSql[end])) && end - i <= kLongestLifted;
        if (alone) {
            shape.key.append(jetSql.substr(copied, i - copied));
            shape.key += kShapeMarker;
            shape.numbers.push_back(jetSql.substr(i, end - i));
            copied = end;
        }
        i = end;
    }
    shape.key.append(jetSql.substr(copied));
    if (shape.numbers.empty()) {
        return std::nullopt;
    }
    return shape;
}

void JetStatementCache::learn(std::string_view jetSql, const Shape& shape, const Lifted& lifted) {
    // Every number of the shape must be a lifted value, in its place: one left in the statement
    // would be taken from this text for all the others.
    std::vector<std::optional<std::size_t>> numberOfValue;
    std::size_t numbers = 0;
    for (const std::size_t offset : lifted.offsets) {
        if (offset == std::string_view::npos) {
            numberOfValue.emplace_back();
            continue;
        }
        if (numbers == shape.numbers.size() || shape.numbers[numbers].data() != jetSql.data() + offset) {
            return;
        }
        numberOfValue.emplace_back(numbers++);
    }
    if (numbers != shape.numbers.size() ||
        m_index[static_cast<std::size_t>(Kind::Shape)].contains(shape.key)) {
        return;
    }
    remember(Kind::Shape, shape.key, Select{lifted.parameterized.sql, lifted.parameterized.values})
        .numberOfValue = std::move(numberOfValue);
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
    m_entries.push_front(Entry{kind, std::move(key), std::move(value), {}});
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
