#include "TableRecordset.h"

#include "platform/db/JetErrors.h"

namespace platform::db {

TableRecordset::TableRecordset(std::shared_ptr<Database> owner, std::shared_ptr<Connection> connection,
                               std::string table)
    : Impl(std::move(owner), std::move(connection), RecordsetType::Table), m_table(std::move(table)) {
    sqlite3_stmt* stmt = statement("SELECT * FROM " + doubleQuotedIdentifier(m_table) + " LIMIT 0");
    m_columns = describeColumns(stmt, 0);
    m_baseTable = m_table;
    land(first());
}

sqlite3_stmt* TableRecordset::statement(const std::string& sql) {
    sqlite3* handle = db();
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        it = m_statements.emplace(sql, prepareOne(handle, sql, recordsetSource, SqlContext::Statement)).first;
    }
    return it->second.get();
}

std::string TableRecordset::orderedSelect(const std::string& condition, bool backwards) const {
    std::string sql = "SELECT rowid";
    for (const std::string& key : m_keyColumns) {
        sql += ", " + key;
    }
    sql += ", * FROM " + doubleQuotedIdentifier(m_table) + " WHERE " + condition + " ORDER BY ";
    for (const std::string& key : m_keyColumns) {
        sql += key + (backwards ? " DESC, " : ", ");
    }
    sql += backwards ? "rowid DESC" : "rowid";
    return sql;
}

TableRecordset::Current TableRecordset::readCurrent(sqlite3_stmt* stmt) const {
    Current row;
    row.rowid = sqlite3_column_int64(stmt, 0);
    const int keyCount = static_cast<int>(m_keyColumns.size());
    for (int k = 0; k < keyCount; ++k) {
        row.keys.push_back(columnVariant(stmt, 1 + k, ValueKind::Plain));
    }
    row.values = readRow(stmt, 1 + keyCount);
    return row;
}

std::optional<TableRecordset::Current> TableRecordset::selectRow(const std::string& condition,
                                                                 const std::vector<Variant>& binds,
                                                                 bool backwards, std::int64_t offset) {
    sqlite3_stmt* stmt = statement(orderedSelect(condition, backwards) + " LIMIT 1 OFFSET ?");
    const StatementReset reset(stmt);
    int param = 1;
    for (const Variant& v : binds) {
        bindVariant(stmt, param++, v);
    }
    sqlite3_bind_int64(stmt, param, offset);
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE) {
        return std::nullopt;
    }
    if (rc != SQLITE_ROW) {
        throwSqliteError(db(), rc, recordsetSource, SqlContext::Statement);
    }
    return readCurrent(stmt);
}

std::optional<TableRecordset::Current> TableRecordset::first() {
    dropWalk();
    // A statement held between calls keeps a read lock on the file, which would stop other writers
    // of a shared database: only read-only databases are walked this way.
    if (!connection()->readOnly()) {
        return selectRow("1", {}, false);
    }
    sqlite3* handle = db();
    m_walk = prepareOne(handle, orderedSelect("1", false), recordsetSource, SqlContext::Statement);
    m_walkChanges = sqlite3_total_changes64(handle);
    const int rc = sqlite3_step(m_walk.get());
    if (rc == SQLITE_ROW) {
        return readCurrent(m_walk.get());
    }
    dropWalk();
    if (rc != SQLITE_DONE) {
        throwSqliteError(handle, rc, recordsetSource, SqlContext::Statement);
    }
    return std::nullopt;
}

std::optional<TableRecordset::Current> TableRecordset::stepWalk(bool& ended) {
    ended = false;
    if (!m_walk || m_deleted || !m_current) {
        return std::nullopt;
    }
    sqlite3* handle = db();
    if (sqlite3_total_changes64(handle) != m_walkChanges) {
        dropWalk(); // the rows changed under the statement: find the next one afresh
        return std::nullopt;
    }
    const int rc = sqlite3_step(m_walk.get());
    if (rc == SQLITE_ROW) {
        return readCurrent(m_walk.get());
    }
    dropWalk();
    ended = rc == SQLITE_DONE; // any failure (a rollback aborts the statement) finds the next row afresh
    return std::nullopt;
}

void TableRecordset::dropWalk() noexcept {
    m_walk.reset();
}

std::int64_t TableRecordset::countWhere(const std::string& condition, const std::vector<Variant>& binds) {
    sqlite3_stmt* stmt =
        statement("SELECT count(*) FROM " + doubleQuotedIdentifier(m_table) + " WHERE " + condition);
    const StatementReset reset(stmt);
    int param = 1;
    for (const Variant& v : binds) {
        bindVariant(stmt, param++, v);
    }
    const int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW) {
        throwSqliteError(db(), rc, recordsetSource, SqlContext::Statement);
    }
    return sqlite3_column_int64(stmt, 0);
}

// Index order puts Null first, as SQLite and the engine both sort. For the order columns c1..cn and
// values v1..vn, a row lies after them when, for some i, c1..c(i-1) equal v1..v(i-1) and ci sorts
// after vi; the larger i, the nearer the row.
std::vector<TableRecordset::Term> TableRecordset::beyond(const std::vector<Variant>& values, bool after,
                                                         bool inclusive, bool withRowid) const {
    std::vector<std::string> columns(
        m_keyColumns.begin(),
        m_keyColumns.begin() + static_cast<std::ptrdiff_t>(std::min(values.size(), m_keyColumns.size())));
    if (withRowid) {
        columns.emplace_back("rowid");
    }
    auto isNull = [&](std::size_t i) {
        return values[i].isNull() || values[i].isEmpty();
    };
    auto prefix = [&](std::size_t count) {
        Term term{"1", {}};
        for (std::size_t j = 0; j < count; ++j) {
            if (isNull(j)) {
                term.condition += " AND " + columns[j] + " IS NULL";
            } else {
                term.condition += " AND " + columns[j] + " = ?";
                term.binds.push_back(values[j]);
            }
        }
        return term;
    };
    std::vector<Term> terms;
    if (inclusive) {
        terms.push_back(prefix(columns.size()));
    }
    for (std::size_t i = columns.size(); i-- > 0;) {
        if (after) {
            Term term = prefix(i);
            if (isNull(i)) {
                term.condition += " AND " + columns[i] + " IS NOT NULL";
            } else {
                term.condition += " AND " + columns[i] + " > ?";
                term.binds.push_back(values[i]);
            }
            terms.push_back(std::move(term));
            continue;
        }
        if (isNull(i)) {
            continue; // nothing sorts before Null
        }
        Term lower = prefix(i);
        lower.condition += " AND " + columns[i] + " < ?";
        lower.binds.push_back(values[i]);
        terms.push_back(std::move(lower));
        Term nulls = prefix(i); // Null sorts before every value, so these rows are farther back
        nulls.condition += " AND " + columns[i] + " IS NULL";
        terms.push_back(std::move(nulls));
    }
    return terms;
}

std::optional<TableRecordset::Current> TableRecordset::nearest(const std::vector<Variant>& values, bool after,
                                                               bool inclusive, bool withRowid) {
    for (const Term& term : beyond(values, after, inclusive, withRowid)) {
        if (auto row = selectRow(term.condition, term.binds, !after)) {
            return row;
        }
    }
    return std::nullopt;
}

std::vector<Variant> TableRecordset::anchorKey(const Current& row) const {
    std::vector<Variant> key = row.keys;
    key.emplace_back(row.rowid);
    return key;
}

void TableRecordset::land(std::optional<Current> row) {
    m_deleted = false;
    if (row) {
        m_current = std::move(row);
        m_bof = false;
        m_eof = false;
    }
}

bool TableRecordset::bof() const {
    checkOpen();
    return m_bof;
}

bool TableRecordset::eof() const {
    checkOpen();
    return m_eof;
}

void TableRecordset::moveFirst() {
    checkOpen();
    dropEdit();
    auto row = first();
    if (!row) {
        throw jet::makeError(jet::NoCurrentRecord, recordsetSource);
    }
    land(std::move(row));
}

void TableRecordset::moveLast() {
    checkOpen();
    dropEdit();
    dropWalk();
    auto row = selectRow("1", {}, true);
    if (!row) {
        throw jet::makeError(jet::NoCurrentRecord, recordsetSource);
    }
    land(std::move(row));
}

void TableRecordset::moveNext() {
    checkOpen();
    dropEdit();
    if (m_eof) {
        throw jet::makeError(jet::NoCurrentRecord, recordsetSource);
    }
    bool ended = false;
    std::optional<Current> row = stepWalk(ended);
    if (!row && !ended) {
        row = m_bof || !m_current ? selectRow("1", {}, false)
                                  : nearest(anchorKey(*m_current), true, false, true);
    }
    if (!row) {
        m_eof = true;
        m_bof = false;
        m_current.reset();
        m_deleted = false;
        return;
    }
    land(std::move(row));
}

void TableRecordset::movePrevious() {
    checkOpen();
    dropEdit();
    dropWalk();
    if (m_bof) {
        throw jet::makeError(jet::NoCurrentRecord, recordsetSource);
    }
    std::optional<Current> row;
    if (m_eof || !m_current) {
        row = selectRow("1", {}, true);
    } else {
        row = nearest(anchorKey(*m_current), false, false, true);
    }
    if (!row) {
        m_bof = true;
        m_eof = false;
        m_current.reset();
        m_deleted = false;
        return;
    }
    land(std::move(row));
}

std::int32_t TableRecordset::recordCount() {
    checkOpen();
    return static_cast<std::int32_t>(countWhere("1", {}));
}

std::int32_t TableRecordset::absolutePosition() {
    checkOpen();
    if (m_bof || m_eof || !m_current || m_deleted) {
        return -1;
    }
    std::int64_t before = 0;
    for (const Term& term : beyond(anchorKey(*m_current), false, false, true)) {
        before += countWhere(term.condition, term.binds);
    }
    return static_cast<std::int32_t>(before);
}

void TableRecordset::setAbsolutePosition(std::int32_t position) {
    checkOpen();
    dropEdit();
    dropWalk();
    if (position < 0) {
        throw jet::makeError(jet::InvalidArgument, recordsetSource);
    }
    auto row = selectRow("1", {}, false, position);
    if (!row) {
        throw jet::makeError(jet::InvalidArgument, recordsetSource);
    }
    land(std::move(row));
}

std::vector<std::string> TableRecordset::indexColumns(std::string_view indexName) {
    sqlite3* handle = db();
    std::vector<std::string> columns;
    if (equalsNoCase(indexName, "PrimaryKey")) {
        const StatementPtr stmt =
            prepareOne(handle, "SELECT name FROM pragma_table_info(?) WHERE pk > 0 ORDER BY pk",
                       recordsetSource, SqlContext::Statement);
        sqlite3_bind_text(stmt.get(), 1, m_table.c_str(), -1, SQLITE_TRANSIENT);
        while (sqlite3_step(stmt.get()) == SQLITE_ROW) {
            columns.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0)));
        }
        return columns;
    }
    const StatementPtr list =
        prepareOne(handle, "SELECT name FROM pragma_index_list(?)", recordsetSource, SqlContext::Statement);
    sqlite3_bind_text(list.get(), 1, m_table.c_str(), -1, SQLITE_TRANSIENT);
    std::string found;
    while (sqlite3_step(list.get()) == SQLITE_ROW) {
        const std::string name = reinterpret_cast<const char*>(sqlite3_column_text(list.get(), 0));
        if (equalsNoCase(name, indexName)) {
            found = name;
            break;
        }
    }
    if (found.empty()) {
        return columns;
    }
    const StatementPtr info = prepareOne(handle, "SELECT name FROM pragma_index_info(?) ORDER BY seqno",
                                         recordsetSource, SqlContext::Statement);
    sqlite3_bind_text(info.get(), 1, found.c_str(), -1, SQLITE_TRANSIENT);
    while (sqlite3_step(info.get()) == SQLITE_ROW) {
        const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 0));
        if (name == nullptr) {
            return {}; // an index on an expression cannot be sought by column values
        }
        columns.emplace_back(name);
    }
    return columns;
}

void TableRecordset::setIndex(std::string_view indexName) {
    checkOpen();
    dropEdit();
    const std::vector<std::string> columns = indexColumns(indexName);
    if (columns.empty()) {
        throw jet::makeError(jet::NotAnIndex, recordsetSource, indexName);
    }
    m_keyColumns.clear();
    for (const std::string& c : columns) {
        m_keyColumns.push_back(doubleQuotedIdentifier(c));
    }
    m_current.reset();
    m_deleted = false;
    m_bof = m_eof = true;
    land(first());
}

void TableRecordset::seek(std::string_view comparison, const std::vector<Variant>& keys) {
    checkOpen();
    dropEdit();
    dropWalk();
    if (m_keyColumns.empty()) {
        throw jet::makeError(jet::OperationInvalidWithoutIndex, recordsetSource);
    }
    if (keys.empty() || keys.size() > m_keyColumns.size()) {
        throw jet::makeError(jet::InvalidArgument, recordsetSource);
    }
    std::optional<Current> row;
    if (comparison == "=") {
        const Term equal = beyond(keys, true, true, false).front();
        row = selectRow(equal.condition, equal.binds, false);
    } else if (comparison == ">=" || comparison == ">") {
        row = nearest(keys, true, comparison == ">=", false);
    } else if (comparison == "<=" || comparison == "<") {
        row = nearest(keys, false, comparison == "<=", false);
    } else {
        throw jet::makeError(jet::InvalidArgument, recordsetSource);
    }
    setNoMatch(!row);
    if (!row) {
        // No current record after a failed seek.
        m_current.reset();
        m_deleted = false;
        m_bof = false;
        m_eof = true;
        return;
    }
    land(std::move(row));
}

const Row* TableRecordset::currentRow() const {
    if (m_bof || m_eof || !m_current) {
        return nullptr;
    }
    return &m_current->values;
}

bool TableRecordset::currentDeleted() const {
    return m_deleted;
}

std::optional<std::int64_t> TableRecordset::currentRowid() {
    if (!m_current || m_deleted) {
        return std::nullopt;
    }
    return m_current->rowid;
}

bool TableRecordset::updatable() const {
    return !connection()->readOnly();
}

void TableRecordset::afterUpdate(EditMode mode, std::int64_t rowid, Row) {
    dropWalk();
    if (mode != EditMode::Edit) {
        return; // after AddNew the record that was current stays current
    }
    if (auto row = selectRow("rowid = ?", {Variant(rowid)}, false)) {
        land(std::move(row));
    }
}

void TableRecordset::afterDelete() {
    dropWalk();
    m_deleted = true;
}

void TableRecordset::release() {
    dropWalk();
    m_statements.clear();
    m_current.reset();
}

} // namespace platform::db
