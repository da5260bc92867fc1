#include "TableRecordset.h"

#include "platform/db/JetErrors.h"

namespace platform::db {

TableRecordset::TableRecordset(std::shared_ptr<Database> owner, std::shared_ptr<Connection> connection,
                               std::string table)
    : Impl(std::move(owner), std::move(connection), RecordsetType::Table), m_table(std::move(table)) {
    sqlite3_stmt* stmt = statement("SELECT * FROM " + doubleQuotedIdentifier(m_table) + " LIMIT 0");
    m_columns = describeColumns(stmt, 0);
    m_baseTable = m_table;
    static_cast<void>(landFirst());
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

void TableRecordset::readKeys(sqlite3_stmt* stmt, std::vector<Variant>& keys) const {
    keys.resize(m_keyColumns.size());
    for (std::size_t k = 0; k < keys.size(); ++k) {
        keys[k] = columnVariant(stmt, 1 + static_cast<int>(k), ValueKind::Plain);
    }
}

TableRecordset::Current TableRecordset::readCurrent(sqlite3_stmt* stmt) const {
    Current row;
    row.rowid = sqlite3_column_int64(stmt, 0);
    readKeys(stmt, row.keys);
    row.values = readRow(stmt, valueColumn(0));
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

bool TableRecordset::landFirst() {
    dropWalk();
    // A statement held between calls keeps a read lock on the file, which would stop other writers
    // of a shared database: only read-only databases are walked this way.
    if (!connection()->readOnly()) {
        auto row = selectRow("1", {}, false);
        const bool found = row.has_value();
        land(std::move(row));
        return found;
    }
    sqlite3* handle = db();
    m_walk = prepareOne(handle, orderedSelect("1", false), recordsetSource, SqlContext::Statement);
    m_walkChanges = sqlite3_total_changes64(handle);
    const int rc = sqlite3_step(m_walk.get());
    if (rc == SQLITE_ROW) {
        landOnWalk();
        return true;
    }
    dropWalk();
    if (rc != SQLITE_DONE) {
        throwSqliteError(handle, rc, recordsetSource, SqlContext::Statement);
    }
    return false;
}

void TableRecordset::landOnWalk() {
    if (!m_current) {
        // Assigned, not emplaced: clang does not yet see a nested class with member defaults as
        // default-constructible here.
        m_current = Current{};
    }
    m_current->rowid = sqlite3_column_int64(m_walk.get(), 0);
    readKeys(m_walk.get(), m_current->keys);
    m_current->values.clear();
    m_onWalk = true;
    ++m_walkRows;
    m_deleted = false;
    m_bof = false;
    m_eof = false;
}

TableRecordset::WalkStep TableRecordset::stepWalk() {
    if (!m_walk || m_deleted || !m_current) {
        return WalkStep::Unavailable;
    }
    sqlite3* handle = db();
    if (sqlite3_total_changes64(handle) != m_walkChanges) {
        dropWalk(); // the rows changed under the statement: find the next one afresh
        return WalkStep::Unavailable;
    }
    m_onWalk = false; // the step leaves the current row; its rowid and keys stay
    const int rc = sqlite3_step(m_walk.get());
    if (rc == SQLITE_ROW) {
        landOnWalk();
        return WalkStep::Landed;
    }
    dropWalk();
    if (rc == SQLITE_DONE) {
        return WalkStep::Ended;
    }
    // Any failure (a rollback aborts the statement) finds the next row afresh. The values of the
    // row went with the statement: until then it reads as a record that is gone.
    m_deleted = true;
    return WalkStep::Unavailable;
}

void TableRecordset::dropWalk() {
    if (m_onWalk && m_current) {
        m_current->values = readRow(m_walk.get(), valueColumn(0));
    }
    m_onWalk = false;
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
    if (!landFirst()) {
        throw jet::makeError(jet::NoCurrentRecord, recordsetSource);
    }
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
    const WalkStep step = stepWalk();
    if (step == WalkStep::Landed) {
        return;
    }
    std::optional<Current> row;
    if (step == WalkStep::Unavailable) {
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
    static_cast<void>(landFirst());
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
    if (!m_onWalk) {
        return &m_current->values;
    }
    if (m_walkValuesOf != m_walkRows) {
        m_walkValues = readRow(m_walk.get(), valueColumn(0));
        m_walkValuesOf = m_walkRows;
    }
    return &m_walkValues;
}

FieldView TableRecordset::currentView(std::size_t index) const {
    if (!m_onWalk || m_bof || m_eof || !m_current || m_deleted) {
        return Impl::currentView(index);
    }
    return columnView(m_walk.get(), valueColumn(index), m_columns[index].kind);
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
    m_current.reset(); // first, so that dropping the walk copies nothing
    dropWalk();
    m_statements.clear();
    m_walkValues.clear();
}

} // namespace platform::db
