#include "QueryRecordset.h"

#include "CriteriaMatcher.h"
#include "platform/db/JetErrors.h"
#include "sql/JetLikePrefix.h"

#include <algorithm>
#include <limits>

namespace platform::db {

QueryRecordset::QueryRecordset(std::shared_ptr<Database> owner, std::shared_ptr<Connection> connection,
                               RecordsetType type, StatementPtr stmt, bool rowidFirst, std::string sql,
                               std::optional<std::vector<ColumnInfo>> columns,
                               std::vector<Variant> parameters)
    : Impl(std::move(owner), std::move(connection), type), m_stmt(std::move(stmt)), m_sql(std::move(sql)),
      m_timesPrepared(PreparedStatements::timesPrepared(m_stmt.get())), m_parameters(std::move(parameters)),
      m_rowidFirst(rowidFirst) {
    start(columns ? std::move(*columns) : describeColumns(m_stmt.get(), m_rowidFirst ? 1 : 0));
    if (PreparedStatements::timesPrepared(m_stmt.get()) != m_timesPrepared) {
        // SQLite prepared the statement again at its first step, after another connection changed
        // the schema: its columns may have changed with it.
        sqlite3_reset(m_stmt.get());
        m_rowids.clear();
        m_deleted.clear();
        m_done = false;
        m_offset = 0;
        m_pos = -1;
        m_bof = true;
        m_eof = true;
        m_visited = 0;
        m_decodedOrdinal = -1;
        m_timesPrepared = PreparedStatements::timesPrepared(m_stmt.get());
        start(describeColumns(m_stmt.get(), m_rowidFirst ? 1 : 0));
    }
}

void QueryRecordset::start(std::vector<ColumnInfo> columns) {
    m_columns = std::move(columns);
    m_values = PackedRows(m_columns.size());
    m_baseTable.clear();
    if (type() == RecordsetType::Dynaset && !connection()->readOnly()) {
        for (const ColumnInfo& c : m_columns) {
            if (!c.originTable.empty()) {
                m_baseTable = c.originTable;
                break;
            }
        }
    }
    if (type() == RecordsetType::Dynaset) {
        fetchAll();
    }
    if (fetch(0)) {
        moveTo(0);
    }
}

QueryRecordset::~QueryRecordset() {
    dropKeys();
    returnStatement();
}

void QueryRecordset::returnStatement() noexcept {
    if (m_stmt && !m_sql.empty() && connection()->isOpen()) {
        // Nothing reads the columns once the statement goes: the record set is closed or gone.
        connection()->prepared().give(m_sql, std::move(m_stmt), std::move(m_columns), m_timesPrepared);
    }
    m_stmt.reset();
}

bool QueryRecordset::fetch(std::int64_t ordinal) {
    while (!m_done && readEnd() <= ordinal) {
        sqlite3* handle = db();
        const int rc = sqlite3_step(m_stmt.get());
        if (rc == SQLITE_DONE) {
            m_done = true;
            sqlite3_reset(m_stmt.get()); // ends the statement's read transaction
            break;
        }
        if (rc != SQLITE_ROW) {
            m_done = true;
            sqlite3_reset(m_stmt.get());
            throwSqliteError(handle, rc, recordsetSource, SqlContext::Statement);
        }
        if (type() == RecordsetType::ForwardOnly) {
            m_offset = readEnd();
            m_values.clear();
            m_rowids.clear();
            m_deleted.clear();
            m_decodedOrdinal = -1;
        }
        if (m_rowidFirst) {
            m_rowids.emplace_back(sqlite3_column_int64(m_stmt.get(), 0));
        }
        m_values.appendFrom(m_stmt.get(), m_rowidFirst ? 1 : 0, m_columns);
    }
    return ordinal >= m_offset && ordinal < readEnd();
}

bool QueryRecordset::has(std::int64_t ordinal) {
    if (const KeyedRows* keys = counted(); keys && ordinal >= readEnd()) {
        return ordinal < keys->size();
    }
    return fetch(ordinal);
}

KeyedRows* QueryRecordset::keyed() {
    if (!m_keyed) {
        m_keyed.emplace(type() == RecordsetType::Snapshot && !m_rowidFirst
                            ? KeyedRows::of(db(), m_stmt.get(), m_columns, m_parameters)
                            : nullptr);
    }
    return m_keyed->get();
}

bool QueryRecordset::readKeys() {
    KeyedRows* keys = keyed();
    if (keys == nullptr) {
        return false;
    }
    // Run while this statement is between rows, the second run sees the rows this one reads.
    if (!keys->read(db())) {
        m_keyed->reset(); // read in order from now on
        return false;
    }
    return true;
}

void QueryRecordset::dropKeys() noexcept {
    if (m_keyed) {
        m_keyed->reset();
    }
}

void QueryRecordset::readByKey(std::int64_t ordinal) {
    const bool wasHeld = (*m_keyed)->holds(ordinal);
    static_cast<void>((*m_keyed)->row(db(), ordinal));
    if (!wasHeld && m_decodedOrdinal == ordinal) {
        m_decodedOrdinal = -1;
    }
}

bool QueryRecordset::countInBackground() {
    // A connection that may write could hold rows another connection does not see yet.
    if (type() != RecordsetType::Snapshot || m_done || counted() != nullptr || !connection()->readOnly() ||
        !connection()->isOpen()) {
        return false;
    }
    KeyedRows* keys = keyed();
    return keys != nullptr && keys->readInBackground(db(), connection()->path());
}

bool QueryRecordset::countReady() const {
    return !m_keyed || !*m_keyed || (*m_keyed)->ready();
}

std::optional<std::int64_t> QueryRecordset::findByKeys(std::int64_t start, const std::string& translated,
                                                       CriteriaMatcher& matcher) {
    if (counted() == nullptr && (m_done || !readKeys())) {
        return std::nullopt;
    }
    return (*m_keyed)->findFirst(db(), translated, start, [&](std::int64_t ordinal) {
        if (ordinal < readEnd()) {
            return matcher.matches(m_values.row(slot(ordinal)));
        }
        readByKey(ordinal);
        return matcher.matches(farRow().row(0));
    });
}

void QueryRecordset::fetchAll() {
    if (type() == RecordsetType::ForwardOnly) {
        while (fetch(readEnd())) {
        }
        return;
    }
    fetch(std::numeric_limits<std::int64_t>::max());
}

std::optional<std::int64_t> QueryRecordset::knownRowid(std::int64_t ordinal) const {
    const std::size_t i = slot(ordinal);
    return i < m_rowids.size() ? m_rowids[i] : std::nullopt;
}

void QueryRecordset::setRowid(std::int64_t ordinal, std::optional<std::int64_t> rowid) {
    const std::size_t i = slot(ordinal);
    if (i >= m_rowids.size()) {
        m_rowids.resize(i + 1);
    }
    m_rowids[i] = rowid;
}

std::optional<std::int64_t> QueryRecordset::liveFrom(std::int64_t ordinal, int step) {
    for (std::int64_t i = ordinal; i >= m_offset && has(i); i += step) {
        if (!deleted(i)) {
            return i;
        }
    }
    return std::nullopt;
}

void QueryRecordset::moveTo(std::int64_t ordinal) {
    m_pos = ordinal;
    m_bof = false;
    m_eof = false;
    m_visited = std::max(m_visited, ordinal + 1);
}

void QueryRecordset::requireScrollable() const {
    if (type() == RecordsetType::ForwardOnly) {
        throw jet::makeError(jet::NotSupportedForObject, recordsetSource);
    }
}

bool QueryRecordset::bof() const {
    checkOpen();
    return m_bof;
}

bool QueryRecordset::eof() const {
    checkOpen();
    return m_eof;
}

void QueryRecordset::moveFirst() {
    checkOpen();
    dropEdit();
    if (type() == RecordsetType::ForwardOnly && m_pos > 0) {
        requireScrollable();
    }
    const auto first = liveFrom(m_offset, 1);
    if (!first) {
        throw jet::makeError(jet::NoCurrentRecord, recordsetSource);
    }
    moveTo(*first);
}

void QueryRecordset::moveNext() {
    checkOpen();
    dropEdit();
    if (m_eof) {
        throw jet::makeError(jet::NoCurrentRecord, recordsetSource);
    }
    const auto next = liveFrom(m_bof ? m_offset : m_pos + 1, 1);
    if (next) {
        moveTo(*next);
        return;
    }
    if (const KeyedRows* keys = counted()) {
        m_pos = keys->size();
    } else {
        fetchAll();
        m_pos = readEnd();
    }
    m_visited = m_pos;
    m_eof = true;
}

void QueryRecordset::movePrevious() {
    checkOpen();
    requireScrollable();
    dropEdit();
    if (m_bof) {
        throw jet::makeError(jet::NoCurrentRecord, recordsetSource);
    }
    const auto previous = m_pos > 0 ? liveFrom(m_pos - 1, -1) : std::nullopt;
    if (previous) {
        moveTo(*previous);
        return;
    }
    m_pos = -1;
    m_bof = true;
}

void QueryRecordset::moveLast() {
    checkOpen();
    requireScrollable();
    dropEdit();
    if (const auto total = countUnread()) {
        // The rows up to the last are read when one of them is wanted; RecordCount counts them all.
        moveTo(*total - 1);
        m_visited = *total;
        return;
    }
    fetchAll();
    const std::int64_t end = readEnd();
    const auto last = end > m_offset ? liveFrom(end - 1, -1) : std::nullopt;
    if (!last) {
        throw jet::makeError(jet::NoCurrentRecord, recordsetSource);
    }
    moveTo(*last);
    m_visited = end;
}

std::int32_t QueryRecordset::liveBefore(std::int64_t ordinal) {
    // Rows not read yet (counted by MoveLast) are live: only read rows can have been deleted.
    auto count = static_cast<std::int32_t>(ordinal - m_offset);
    if (m_deleted.empty()) {
        return count;
    }
    for (std::int64_t i = m_offset; i < ordinal && i < readEnd(); ++i) {
        count -= deleted(i) ? 1 : 0;
    }
    return count;
}

std::optional<std::int64_t> QueryRecordset::countUnread() {
    // A few thousand rows are cheaper read than counted by reading their keys.
    constexpr std::int64_t readAhead = 4096;
    if (type() != RecordsetType::Snapshot || m_done) {
        return std::nullopt;
    }
    fetch(m_offset + readAhead);
    if (m_done) {
        return std::nullopt;
    }
    if (!readKeys()) {
        return std::nullopt;
    }
    const std::int64_t total = counted()->size();
    return total > readEnd() ? std::optional(total) : std::nullopt;
}

void QueryRecordset::readCurrent() const {
    if (m_bof || m_eof || m_pos < readEnd()) {
        return;
    }
    // MoveLast counted this row without reading it, or a move went to it by its key. Reading it changes
    // no value a caller sees, and a record set is never const itself: only its accessors are.
    auto* self = const_cast<QueryRecordset*>(this);
    if (const KeyedRows* keys = counted(); keys && m_pos < keys->size()) {
        self->readByKey(m_pos);
        return;
    }
    if (!self->fetch(m_pos)) {
        throw jet::makeError(jet::NoCurrentRecord, recordsetSource);
    }
}

std::int32_t QueryRecordset::recordCount() {
    checkOpen();
    if (type() == RecordsetType::ForwardOnly) {
        return static_cast<std::int32_t>(m_visited);
    }
    return liveBefore(m_visited);
}

std::int32_t QueryRecordset::absolutePosition() {
    checkOpen();
    requireScrollable();
    if (m_bof || m_eof) {
        return -1;
    }
    return liveBefore(m_pos);
}

void QueryRecordset::setAbsolutePosition(std::int32_t position) {
    checkOpen();
    requireScrollable();
    dropEdit();
    if (position < 0) {
        throw jet::makeError(jet::InvalidArgument, recordsetSource);
    }
    if (m_deleted.empty()) {
        // Every row counts: the position is the row's ordinal.
        if (!has(m_offset + position)) {
            throw jet::makeError(jet::InvalidArgument, recordsetSource);
        }
        moveTo(m_offset + position);
        return;
    }
    std::int32_t seen = 0;
    for (std::int64_t i = 0; fetch(i); ++i) {
        if (deleted(i)) {
            continue;
        }
        if (seen == position) {
            moveTo(i);
            return;
        }
        ++seen;
    }
    throw jet::makeError(jet::InvalidArgument, recordsetSource);
}

void QueryRecordset::find(FindDirection direction, std::string_view criteria) {
    sqlite3* handle = db();
    requireScrollable();
    dropEdit();
    const std::string translated = connection()->translations().criteria(criteria);
    if (const auto terms = parseEqualities(translated, m_columns); terms && findByIndex(direction, *terms)) {
        return;
    }
    CriteriaMatcher matcher(handle, translated, m_columns);
    // A Like with a literal start searches the field's index; a pattern that starts with a wildcard
    // reads every row either way, and a find from the current row mostly finds soon.
    const std::optional<LikeTerm> like =
        direction == FindDirection::First ? parseLike(criteria, m_columns) : std::nullopt;
    if (like && sql::likePrefixRange(like->pattern)) {
        if (const std::optional<std::int64_t> found = findByKeys(0, translated, matcher)) {
            if (*found >= 0) {
                moveTo(*found);
            }
            setNoMatch(*found < 0);
            return;
        }
    }
    std::int64_t start = 0;
    int step = 1;
    switch (direction) {
    case FindDirection::First:
        break;
    case FindDirection::Next:
        start = m_bof ? 0 : m_pos + 1;
        break;
    case FindDirection::Previous:
        start = m_eof ? std::numeric_limits<std::int64_t>::max() : m_pos - 1;
        step = -1;
        break;
    case FindDirection::Last:
        start = std::numeric_limits<std::int64_t>::max();
        step = -1;
        break;
    }
    if (step < 0) {
        fetchAll();
        start = std::min(start, readEnd() - 1);
    }
    for (std::int64_t i = start; i >= 0 && fetch(i); i += step) {
        if (!deleted(i) && matcher.matches(m_values.row(slot(i)))) {
            moveTo(i);
            setNoMatch(false);
            return;
        }
    }
    setNoMatch(true);
}

const std::vector<std::pair<std::string, std::int64_t>>* QueryRecordset::indexOn(std::size_t column) {
    if (const auto it = m_indexes.find(column); it != m_indexes.end()) {
        return &it->second;
    }
    int& finds = m_equalityFinds[column];
    if (finds < 0 || ++finds < 2) {
        return nullptr;
    }
    fetchAll();
    std::vector<std::pair<std::string, std::int64_t>> index;
    index.reserve(m_values.size());
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        EqualityKeys::Result key = m_keys->key(m_values.value(i, column));
        if (key.outcome == EqualityKeys::Outcome::Unknown) {
            finds = -1;
            return nullptr;
        }
        if (key.outcome == EqualityKeys::Outcome::Key) {
            index.emplace_back(std::move(key.key), m_offset + static_cast<std::int64_t>(i));
        }
    }
    std::sort(index.begin(), index.end());
    return &m_indexes.emplace(column, std::move(index)).first->second;
}

bool QueryRecordset::findByIndex(FindDirection direction, const std::vector<EqualityTerm>& terms) {
    if (!m_keys) {
        m_keys = std::make_unique<EqualityKeys>();
    }
    std::vector<std::string> wanted;
    for (const EqualityTerm& term : terms) {
        EqualityKeys::Result key = m_keys->key(term.literal);
        if (key.outcome != EqualityKeys::Outcome::Key) {
            return false;
        }
        wanted.push_back(std::move(key.key));
    }
    const auto* index = indexOn(terms.front().column);
    if (index == nullptr) {
        return false;
    }
    auto matchesRest = [&](std::int64_t ordinal) {
        if (deleted(ordinal)) {
            return false;
        }
        for (std::size_t t = 1; t < terms.size(); ++t) {
            const EqualityKeys::Result key = m_keys->key(m_values.value(slot(ordinal), terms[t].column));
            if (key.outcome != EqualityKeys::Outcome::Key || key.key != wanted[t]) {
                return false;
            }
        }
        return true;
    };
    // The rows whose key is the wanted one, in row order.
    std::vector<std::int64_t> candidates;
    for (auto c = std::lower_bound(index->begin(), index->end(), wanted.front(),
                                   [](const auto&entry, const std::string&key) { return entry.first < key; });
         c != index->end() && c->first == wanted.front(); ++c) {
        candidates.push_back(c->second);
    }
    std::optional<std::int64_t> found;
    switch (direction) {
    case FindDirection::First:
    case FindDirection::Next: {
        const std::int64_t start = direction == FindDirection::Next && !m_bof ? m_pos + 1 : 0;
        for (auto c = std::lower_bound(candidates.begin(), candidates.end(), start);
             c != candidates.end() && !found; ++c) {
            if (matchesRest(*c)) {
                found = *c;
            }
        }
        break;
    }
    case FindDirection::Previous:
    case FindDirection::Last: {
        const std::int64_t limit =
            direction == FindDirection::Previous && !m_eof ? m_pos : std::numeric_limits<std::int64_t>::max();
        for (auto c = std::lower_bound(candidates.begin(), candidates.end(), limit);
             c != candidates.begin() && !found;) {
            --c;
            if (matchesRest(*c)) {
                found = *c;
            }
        }
        break;
    }
    }
    if (found) {
        moveTo(*found);
    }
    setNoMatch(!found);
    return true;
}

const Row* QueryRecordset::currentRow() const {
    if (m_bof || m_eof) {
        return nullptr;
    }
    readCurrent();
    if (m_decodedOrdinal != m_pos) {
        m_decoded = isFar(m_pos) ? farRow().row(0) : m_values.row(slot(m_pos));
        m_decodedOrdinal = m_pos;
    }
    return &m_decoded;
}

FieldView QueryRecordset::currentView(std::size_t index) const {
    if (m_bof || m_eof) {
        return Impl::currentView(index); // fails as every field access without a record does
    }
    readCurrent();
    if (deleted(m_pos)) {
        throw jet::makeError(jet::RecordDeleted, recordsetSource);
    }
    return isFar(m_pos) ? farRow().view(0, index) : m_values.view(slot(m_pos), index);
}

bool QueryRecordset::currentDeleted() const {
    if (m_bof || m_eof) {
        return false;
    }
    readCurrent();
    return deleted(m_pos);
}

bool QueryRecordset::updatable() const {
    return type() == RecordsetType::Dynaset && !m_baseTable.empty() && !connection()->readOnly();
}

std::optional<std::int64_t> QueryRecordset::findRowid(std::int64_t ordinal) {
    if (const std::optional<std::int64_t> known = knownRowid(ordinal)) {
        return known;
    }
    sqlite3* handle = db();
    // The primary key's columns when the record set has them all, else every base-table column it has.
    std::vector<std::size_t> keys;
    {
        const StatementPtr info =
            prepareOne(handle, "SELECT name FROM pragma_table_info(?) WHERE pk > 0 ORDER BY pk",
                       recordsetSource, SqlContext::Edit);
        sqlite3_bind_text(info.get(), 1, m_baseTable.c_str(), -1, SQLITE_TRANSIENT);
        bool complete = true;
        while (sqlite3_step(info.get()) == SQLITE_ROW) {
            const std::string pk = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 0));
            bool found = false;
            for (std::size_t i = 0; i < m_columns.size() && !found; ++i) {
                if (equalsNoCase(m_columns[i].originTable, m_baseTable) &&
                    equalsNoCase(m_columns[i].originColumn, pk)) {
                    keys.push_back(i);
                    found = true;
                }
            }
            complete = complete && found;
        }
        if (!complete) {
            keys.clear();
        }
    }
    if (keys.empty()) {
        for (std::size_t i = 0; i < m_columns.size(); ++i) {
            if (equalsNoCase(m_columns[i].originTable, m_baseTable) && !m_columns[i].originColumn.empty()) {
                keys.push_back(i);
            }
        }
    }
    const Row values = m_values.row(slot(ordinal));
    std::string sql = "SELECT rowid FROM " + doubleQuotedIdentifier(m_baseTable) + " WHERE 1";
    std::vector<const Variant*> binds;
    for (const std::size_t key : keys) {
        const Variant& v = values[key];
        const std::string column = doubleQuotedIdentifier(m_columns[key].originColumn);
        if (v.type() == Variant::Type::Boolean) {
            // Read as a truth value; the stored form may be any non-zero number.
            sql += " AND (" + column + (v.asBoolean() ? " <> 0)" : " = 0)");
        } else {
            sql += " AND " + column + " IS ? COLLATE BINARY";
            binds.push_back(&v);
        }
    }
    sql += " LIMIT 1";
    const StatementPtr stmt = prepareOne(handle, sql, recordsetSource, SqlContext::Edit);
    for (std::size_t k = 0; k < binds.size(); ++k) {
        bindVariant(stmt.get(), static_cast<int>(k) + 1, *binds[k]);
    }
    const int rc = sqlite3_step(stmt.get());
    if (rc == SQLITE_ROW) {
        return sqlite3_column_int64(stmt.get(), 0);
    }
    if (rc != SQLITE_DONE) {
        throwSqliteError(handle, rc, recordsetSource, SqlContext::Edit);
    }
    return std::nullopt;
}

std::optional<std::int64_t> QueryRecordset::currentRowid() {
    if (m_bof || m_eof) {
        return std::nullopt;
    }
    readCurrent();
    const std::optional<std::int64_t> found = findRowid(m_pos);
    setRowid(m_pos, found);
    return found;
}

void QueryRecordset::afterUpdate(EditMode mode, std::int64_t rowid, Row row) {
    m_indexes.clear();
    m_equalityFinds.clear();
    m_decodedOrdinal = -1;
    if (mode == EditMode::Edit) {
        m_values.replace(slot(m_pos), row);
        setRowid(m_pos, rowid);
        return;
    }
    fetchAll();
    m_values.append(row);
    setRowid(readEnd() - 1, rowid);
    ++m_visited;
    if (m_eof) {
        m_pos = readEnd();
    }
}

void QueryRecordset::afterDelete() {
    const std::size_t i = slot(m_pos);
    if (i >= m_deleted.size()) {
        m_deleted.resize(i + 1);
    }
    m_deleted[i] = true;
}

void QueryRecordset::release() {
    dropKeys();
    returnStatement();
    m_values = PackedRows();
    m_rowids = {};
    m_deleted = {};
    m_decodedOrdinal = -1;
    m_done = true;
}

} // namespace platform::db
