#pragma once

#include "platform/Variant.h"

#include <cstddef>
#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform::db {

/// Remembers the SQLite text of the Jet statements and criteria translated last, so that a statement
/// run again is not parsed again. Holds at most `capacity` entries and forgets the least recently used.
/// One per database; not for use from several threads at once. Failures are not remembered: a bad
/// statement throws the translator's CallError every time.
class JetStatementCache {
public:
    explicit JetStatementCache(std::size_t capacity = 256);

    /// translateStatement(jetSql), from the cache when it was translated before.
    [[nodiscard]] std::string statement(std::string_view jetSql);
    /// translateCriteria(jetExpression), from the cache when it was translated before.
    [[nodiscard]] std::string criteria(std::string_view jetExpression);

    /// A statement whose whole numbers and texts that a column is compared with by `=` are bound
    /// parameters (?1, ?2 ...) with their values, so that one translation and one prepared statement
    /// serve every id. Nothing when the text has no such literal or they cannot be lifted; the caller
    /// then runs statement(jetSql). Throws the translator's CallError as statement() does.
    struct Parameterized {
        std::string sql;
        std::vector<Variant> values;
    };
    [[nodiscard]] std::optional<Parameterized> parameterized(std::string_view jetSql);

    /// What a SELECT runs as: parameterized(jetSql) when its literals lift, else statement(jetSql)
    /// without values. A text seen before is answered from the text itself, before it is tokenized;
    /// so is a text that differs from one seen before only in the ids it lifted. The reference holds
    /// until the next call on this cache.
    using Select = Parameterized;
    [[nodiscard]] const Select& select(std::string_view jetSql);

    [[nodiscard]] std::size_t size() const noexcept { return m_entries.size(); }
    [[nodiscard]] std::size_t capacity() const noexcept { return m_capacity; }
    /// How many lookups were answered without translating (for tests and diagnostics).
    [[nodiscard]] std::size_t hits() const noexcept { return m_hits; }
    void clear();

private:
    // A statement, a criteria, a statement with its literals replaced by markers, a SELECT as written,
    // a SELECT with its whole numbers replaced by markers (see Shape).
    enum class Kind { Statement, Criteria, Parameterized, Select, Shape };
    struct Entry {
        Kind kind;
        std::string key; // the text of that kind
        Select value;    // the translation; values only for a SELECT whose literals were lifted
        /// Shape: the number each value takes, by its place among the shape's numbers; nothing for a
        /// text, whose value is the one kept.
        std::vector<std::optional<std::size_t>> numberOfValue;
    };
    /// A text with every whole number that stands on its own outside quotes, brackets and dates
    /// replaced by a marker: texts of one shape differ in those numbers only, so they tokenize alike.
    struct Shape {
        std::string key;
        std::vector<std::string_view> numbers; // into the text, in order
    };
    /// A parameterized text with where each value's number starts in the text (npos for a text).
    struct Lifted {
        Parameterized parameterized;
        std::vector<std::size_t> offsets;
    };

    /// Nothing for a text that holds the marker itself or no number to replace.
    [[nodiscard]] static std::optional<Shape> shapeOf(std::string_view jetSql);
    [[nodiscard]] std::optional<Lifted> lift(std::string_view jetSql);
    /// Remembers the shape of `jetSql` when every number of it was lifted, so that its texts skip
    /// the tokenizer.
    void learn(std::string_view jetSql, const Shape& shape, const Lifted& lifted);
    using Index = std::unordered_map<std::string_view, std::list<Entry>::iterator>; // views into Entry::key

    /// The remembered entry of that kind and text, made the most recent; nullptr when there is none.
    Entry* find(Kind kind, std::string_view text);
    Entry& remember(Kind kind, std::string key, Select value);
    std::string lookup(Kind kind, std::string_view text);

    std::size_t m_capacity;
    std::size_t m_hits = 0;
    std::list<Entry> m_entries; // most recently used first
    Index m_index[5];           // by Kind
    Select m_fromShape;         // the last answer made from a shape
};

} // namespace platform::db
