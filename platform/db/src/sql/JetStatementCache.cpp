#include "platform/db/JetStatementCache.h"

#include "platform/db/JetSql.h"

#include <algorithm>

namespace platform::db {

JetStatementCache::JetStatementCache(std::size_t capacity) : m_capacity(std::max<std::size_t>(capacity, 1)) {}

std::string JetStatementCache::statement(std::string_view jetSql) {
    return lookup('S', jetSql);
}

std::string JetStatementCache::criteria(std::string_view jetExpression) {
    return lookup('C', jetExpression);
}

void JetStatementCache::clear() {
    m_index.clear();
    m_entries.clear();
}

std::string JetStatementCache::lookup(char kind, std::string_view text) {
    std::string key;
    key.reserve(text.size() + 1);
    key += kind;
    key += text;
    if (const auto found = m_index.find(key); found != m_index.end()) {
        m_entries.splice(m_entries.begin(), m_entries, found->second);
        ++m_hits;
        return found->second->sql;
    }
    std::string sql = kind == 'S' ? translateStatement(text) : translateCriteria(text);
    m_entries.push_front(Entry{std::move(key), sql});
    m_index.emplace(m_entries.front().key, m_entries.begin());
    if (m_entries.size() > m_capacity) {
        m_index.erase(m_entries.back().key);
        m_entries.pop_back();
    }
    return sql;
}

} // namespace platform::db
