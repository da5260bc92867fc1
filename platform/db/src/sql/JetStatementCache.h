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
    /// without values. A text seen before is answered from the text itself, before it is tokenized.
    /// The reference holds until the next call on this cache.
    using Select = Parameterized;
    [[nodiscard]] const Select& select(std::string_view jetSql);

    [[nodiscard]] std::size_t size() const noexcept { return m_entries.size(); }
    [[nodiscard]] std::size_t capacity() const noexcept { return m_capacity; }
    /// How many lookups were answered without translating (for tests and diagnostics).
    [[nodiscard]] std::size_t hits() const noexcept { return m_hits; }
    void clear();

private:
    // A statement, a criteria, a statement with its literals replaced by markers, a SELECT as written.
    enum class Kind { Statement, Criteria, Parameterized, Select };
    struct Entry {
        Kind kind;
        std::string key; // the text of that kind
        Select value;    // the translation; values only for a SELECT whose literals were lifted
    };
    using Index = std::unordered_map<std::string_view, std::list<Entry>::iterator>; // views into Entry::key

    /// The remembered entry of that kind and text, made the most recent; nullptr when there is none.
    Entry* find(Kind kind, std::string_view text);
    Entry& remember(Kind kind, std::string key, Select value);
    std::string lookup(Kind kind, std::string_view text);

    std::size_t m_capacity;
    std::size_t m_hits = 0;
    std::list<Entry> m_entries; // most recently used first
    Index m_index[4];           // by Kind
};

} // namespace platform::db
