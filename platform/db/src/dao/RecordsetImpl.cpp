#include "RecordsetImpl.h"

#include "platform/db/JetErrors.h"

#include <algorithm>
#include <cctype>

namespace platform::db {
namespace {

// SQLite runs a parenthesised join on the right as a subquery and names a column that two of its
// tables share "name:1"; Jet names it by the column. Only a name made of the origin column and such a
// suffix is renamed, so other aliases stay as written.
std::string jetColumnName(std::string name, const std::string& originColumn) {
    const std::size_t colon = name.rfind(':');
    if (colon == std::string::npos || colon + 1 == name.size() || originColumn.empty()) {
        return name;
    }
    const bool digits = std::all_of(name.begin() + static_cast<std::ptrdiff_t>(colon) + 1, name.end(),
                                    [](unsigned char c) { return c >= '0' && c <= '9'; });
    const std::string_view base(name.data(), colon);
    const bool sameColumn =
        base.size() == originColumn.size() &&
        std::equal(base.begin(), base.end(), originColumn.begin(),
                   [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
    return digits && sameColumn ? std::string(base) : name;
}

} // namespace

std::vector<ColumnInfo> describeColumns(sqlite3_stmt* stmt, int firstColumn) {
    std::vector<ColumnInfo> columns;
    const int count = sqlite3_column_count(stmt);
    for (int i = firstColumn; i < count; ++i) {
        ColumnInfo info;
        const char* name = sqlite3_column_name(stmt, i);
        info.name = name != nullptr ? name : "";
        if (const char* table = sqlite3_column_table_name(stmt, i)) {
            info.originTable = table;
        }
        if (const char* origin = sqlite3_column_origin_name(stmt, i)) {
            info.originColumn = origin;
        }
        info.name = jetColumnName(std::move(info.name), info.originColumn);
        info.kind = kindOfDeclaredType(sqlite3_column_decltype(stmt, i));
        columns.push_back(std::move(info));
    }
    return columns;
}

Recordset::Impl::Impl(std::shared_ptr<Database> owner, std::shared_ptr<Connection> connection,
                      RecordsetType type)
    : m_owner(std::move(owner)), m_connection(std::move(connection)), m_type(type) {}

Recordset::Impl::~Impl() = default;

sqlite3* Recordset::Impl::db() const {
    checkOpen();
    return m_connection->handle(recordsetSource);
}

void Recordset::Impl::checkOpen() const {
    if (!m_open || !m_connection->isOpen()) {
        throw jet::makeError(jet::ObjectInvalid, recordsetSource);
    }
}

void Recordset::Impl::setIndex(std::string_view) {
    checkOpen();
    throw jet::makeError(jet::NotSupportedForObject, recordsetSource);
}

void Recordset::Impl::seek(std::string_view, const std::vector<Variant>&) {
    checkOpen();
    throw jet::makeError(jet::NotSupportedForObject, recordsetSource);
}

void Recordset::Impl::find(FindDirection, std::string_view) {
    checkOpen();
    throw jet::makeError(jet::NotSupportedForObject, recordsetSource);
}

bool Recordset::Impl::noMatch() const {
    checkOpen();
    return m_noMatch;
}

void Recordset::Impl::dropEdit() {
    m_editMode = EditMode::None;
    m_buffer.clear();
    m_changed.clear();
}

int Recordset::Impl::columnIndex(std::string_view name) const {
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        // The length first: most columns differ in it, and the comparison is a call.
        if (m_columns[i].name.size() == name.size() && equalsNoCase(m_columns[i].name, name)) {
            return static_cast<int>(i);
        }
    }
    // "table.field", as the engine names a field whose name several tables of a join share.
    const auto dot = name.find('.');
    if (dot == std::string_view::npos) {
        return -1;
    }
    const std::string_view table = name.substr(0, dot);
    const std::string_view column = name.substr(dot + 1);
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (equalsNoCase(m_columns[i].originTable, table) &&
            (equalsNoCase(m_columns[i].originColumn, column) || equalsNoCase(m_columns[i].name, column))) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

Row Recordset::Impl::readRow(sqlite3_stmt* stmt, int firstColumn) const {
    Row row;
    row.reserve(m_columns.size());
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        row.push_back(columnVariant(stmt, firstColumn + static_cast<int>(i), m_columns[i].kind));
    }
    return row;
}

Row Recordset::Impl::readBack(std::int64_t rowid, Row row) const {
    std::string sql = "SELECT ";
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (!m_columns[i].originColumn.empty() && equalsNoCase(m_columns[i].originTable, m_baseTable)) {
            sql += positions.empty() ? "" : ", ";
            sql += doubleQuotedIdentifier(m_columns[i].originColumn);
            positions.push_back(i);
        }
    }
    if (positions.empty()) {
        return row;
    }
    sql += " FROM " + doubleQuotedIdentifier(m_baseTable) + " WHERE rowid = ?";
    sqlite3* handle = db();
    const StatementPtr stmt = prepareOne(handle, sql, recordsetSource, SqlContext::Edit);
    sqlite3_bind_int64(stmt.get(), 1, rowid);
    const int rc = sqlite3_step(stmt.get());
    if (rc == SQLITE_ROW) {
        for (std::size_t k = 0; k < positions.size(); ++k) {
            row[positions[k]] = columnVariant(stmt.get(), static_cast<int>(k), m_columns[positions[k]].kind);
        }
    } else if (rc != SQLITE_DONE) {
        throwSqliteError(handle, rc, recordsetSource, SqlContext::Edit);
    }
    return row;
}

const Row& Recordset::Impl::requireCurrent() const {
    const Row* row = currentRow();
    if (row == nullptr) {
        throw jet::makeError(jet::NoCurrentRecord, recordsetSource);
    }
    if (currentDeleted()) {
        throw jet::makeError(jet::RecordDeleted, recordsetSource);
    }
    return *row;
}

std::int32_t Recordset::Impl::fieldCount() const {
    checkOpen();
    return static_cast<std::int32_t>(m_columns.size());
}

std::string Recordset::Impl::fieldName(std::int32_t index) const {
    checkOpen();
    if (index < 0 || static_cast<std::size_t>(index) >= m_columns.size()) {
        throw jet::makeError(jet::ItemNotFound, recordsetSource);
    }
    return m_columns[static_cast<std::size_t>(index)].name;
}

std::size_t Recordset::Impl::fieldIndex(std::int32_t index) const {
    checkOpen();
    if (index < 0 || static_cast<std::size_t>(index) >= m_columns.size()) {
        throw jet::makeError(jet::ItemNotFound, recordsetSource);
    }
    return static_cast<std::size_t>(index);
}

FieldView Recordset::Impl::fieldView(std::int32_t index) const {
    const std::size_t column = fieldIndex(index);
    if (m_editMode != EditMode::None) {
        return FieldView(m_buffer[column]);
    }
    return currentView(column);
}

FieldView Recordset::Impl::fieldView(std::string_view name) const {
    checkOpen();
    const int index = columnIndex(name);
    if (index < 0) {
        throw jet::makeError(jet::ItemNotFound, recordsetSource);
    }
    return fieldView(index);
}

Variant Recordset::Impl::field(std::int32_t index) const {
    return fieldView(index).toVariant();
}

Variant Recordset::Impl::field(std::string_view name) const {
    return fieldView(name).toVariant();
}

FieldView Recordset::Impl::currentView(std::size_t index) const {
    return FieldView(requireCurrent()[index]);
}

void Recordset::Impl::setField(std::string_view name, Variant value) {
    checkOpen();
    const int index = columnIndex(name);
    if (index < 0) {
        throw jet::makeError(jet::ItemNotFound, recordsetSource);
    }
    if (m_editMode == EditMode::None) {
        throw jet::makeError(jet::UpdateWithoutAddNewOrEdit, recordsetSource);
    }
    const ColumnInfo& column = m_columns[static_cast<std::size_t>(index)];
    if (column.originColumn.empty() || !equalsNoCase(column.originTable, m_baseTable)) {
        throw jet::makeError(jet::FieldCannotBeUpdated, recordsetSource);
    }
    if (value.isEmpty()) {
        value = Variant::null();
    }
    m_buffer[static_cast<std::size_t>(index)] = std::move(value);
    m_changed[static_cast<std::size_t>(index)] = true;
}

platform::CallError Recordset::Impl::readOnlyError() const {
    // A database opened read-only is named: the user can look at that file and its folder.
    return jet::makeReadOnlyError(recordsetSource,
                                  m_connection && m_connection->readOnly() ? m_connection->path() : "");
}

void Recordset::Impl::addNew() {
    checkOpen();
    if (!updatable()) {
        throw readOnlyError();
    }
    m_editMode = EditMode::AddNew;
    m_buffer.assign(m_columns.size(), Variant::null());
    m_changed.assign(m_columns.size(), false);
}

void Recordset::Impl::edit() {
    checkOpen();
    if (!updatable()) {
        throw readOnlyError();
    }
    m_buffer = requireCurrent();
    m_changed.assign(m_columns.size(), false);
    m_editMode = EditMode::Edit;
}

void Recordset::Impl::cancelUpdate() {
    checkOpen();
    if (m_editMode == EditMode::None) {
        throw jet::makeError(jet::UpdateWithoutAddNewOrEdit, recordsetSource);
    }
    dropEdit();
}

void Recordset::Impl::update() {
    sqlite3* handle = db();
    if (m_editMode == EditMode::None) {
        throw jet::makeError(jet::UpdateWithoutAddNewOrEdit, recordsetSource);
    }
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < m_changed.size(); ++i) {
        if (m_changed[i]) {
            changed.push_back(i);
        }
    }
    std::int64_t rowid = 0;
    std::string sql;
    if (m_editMode == EditMode::AddNew) {
        sql = "INSERT INTO " + doubleQuotedIdentifier(m_baseTable);
        if (changed.empty()) {
            sql += " DEFAULT VALUES";
        } else {
            std::string names;
            std::string marks;
            for (const std::size_t i : changed) {
                names += (names.empty() ? "" : ", ") + doubleQuotedIdentifier(m_columns[i].originColumn);
                marks += marks.empty() ? "?" : ", ?";
            }
            sql += " (" + names + ") VALUES (" + marks + ")";
        }
    } else {
        const std::optional<std::int64_t> current = currentRowid();
        if (!current) {
            throw jet::makeError(jet::RecordDeleted, recordsetSource);
        }
        rowid = *current;
        if (!changed.empty()) {
            sql = "UPDATE " + doubleQuotedIdentifier(m_baseTable) + " SET ";
            for (std::size_t k = 0; k < changed.size(); ++k) {
                sql += (k == 0 ? "" : ", ") + doubleQuotedIdentifier(m_columns[changed[k]].originColumn) +
                       " = ?";
            }
            sql += " WHERE rowid = ?";
        }
    }
    if (!sql.empty()) {
        const StatementPtr stmt = prepareOne(handle, sql, recordsetSource, SqlContext::Edit);
        int param = 1;
        for (const std::size_t i : changed) {
            bindVariant(stmt.get(), param++, m_buffer[i]);
        }
        if (m_editMode == EditMode::Edit) {
            sqlite3_bind_int64(stmt.get(), param, rowid);
        }
        const int rc = sqlite3_step(stmt.get());
        if (rc != SQLITE_DONE) {
            throwSqliteError(handle, rc, recordsetSource, SqlContext::Edit);
        }
        if (m_editMode == EditMode::AddNew) {
            rowid = sqlite3_last_insert_rowid(handle);
        } else if (sqlite3_changes(handle) == 0) {
            throw jet::makeError(jet::RecordDeleted, recordsetSource); // deleted by someone else meanwhile
        }
    }
    const EditMode mode = m_editMode;
    Row row = readBack(rowid, std::move(m_buffer));
    dropEdit();
    afterUpdate(mode, rowid, std::move(row));
}

void Recordset::Impl::deleteCurrent() {
    sqlite3* handle = db();
    if (!updatable()) {
        throw readOnlyError();
    }
    static_cast<void>(requireCurrent());
    dropEdit();
    const std::optional<std::int64_t> rowid = currentRowid();
    if (!rowid) {
        throw jet::makeError(jet::RecordDeleted, recordsetSource);
    }
    const StatementPtr stmt =
        prepareOne(handle, "DELETE FROM " + doubleQuotedIdentifier(m_baseTable) + " WHERE rowid = ?",
                   recordsetSource, SqlContext::Edit);
    sqlite3_bind_int64(stmt.get(), 1, *rowid);
    const int rc = sqlite3_step(stmt.get());
    if (rc != SQLITE_DONE) {
        throwSqliteError(handle, rc, recordsetSource, SqlContext::Edit);
    }
    if (sqlite3_changes(handle) == 0) {
        throw jet::makeError(jet::RecordDeleted, recordsetSource);
    }
    afterDelete();
}

void Recordset::Impl::close() {
    checkOpen();
    dropEdit();
    release();
    m_open = false;
}

bool Recordset::Impl::isOpen() const {
    return m_open && m_connection->isOpen();
}

} // namespace platform::db
