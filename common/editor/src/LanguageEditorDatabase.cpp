#include "common/editor/LanguageEditorDatabase.h"

#include "common/LanguageDatabase.h"
#include "common/ProgramAccount.h"
#include "common/TextSource.h"
#include "platform/CallError.h"
#include "platform/db/JetErrors.h"

#include <algorithm>
#include <charconv>

namespace orvik::common::editor {

namespace {

std::string text(const platform::db::Recordset& records, std::string_view column) {
    return orvik::common::textOf(records.field(column)).value_or(std::string());
}

/// The column names the editor may put into its statement.
bool isLanguageColumn(std::string_view column) {
    const auto& columns = orvik::common::LanguageTextColumns;
    return std::find(columns.begin(), columns.end(), column) != columns.end();
}

std::optional<std::int32_t> textId(const std::string& key) {
    std::int32_t id = 0;
    const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), id);
    return error == std::errc() && end == key.data() + key.size() ? std::optional<std::int32_t>(id)
                                                                  : std::nullopt;
}

} // namespace

LanguageEditorDatabase::LanguageEditorDatabase(platform::db::DBEngine engine) : m_engine(std::move(engine)) {}

LanguageEditorDatabase::~LanguageEditorDatabase() {
    close();
}

void LanguageEditorDatabase::open(const std::string& databaseFile) {
    close();
    m_workspace = m_engine.createWorkspace("Language", std::string(orvik::common::ProgramUser),
                                           std::string(orvik::common::ProgramPassword));
    m_database = m_workspace->openDatabase(databaseFile, false, false);
}

void LanguageEditorDatabase::load(const std::string& column,
                                  const std::function<void(const LanguageEditorRow&)>& deliver) {
    if (!isLanguageColumn(column)) {
        throw platform::db::jet::makeError(platform::db::jet::ItemNotFound, "LanguageEditorDatabase");
    }
    const std::string controlsSql = "SELECT * "
                                    "FROM tab_controls "
                                    "LEFT JOIN tab_controls_width "
                                    "ON (tab_controls.id_form = tab_controls_width.id_form AND "
                                    "tab_controls.id_control = tab_controls_width.id_control) "
                                    "WHERE (tab_controls." +
                                    column +
                                    " IS NOT NULL) "
                                    "AND (tab_controls." +
                                    column +
                                    " <> '') "
                                    "AND (tab_controls_width.width > 0) "
                                    "ORDER BY tab_controls_width.[order] ASC";
    const auto controls = m_database->openRecordset(controlsSql, platform::db::RecordsetType::Dynaset);
    for (; !controls->eof(); controls->moveNext()) {
        deliver(LanguageEditorRow{LanguageEditorRow::Table::Controls, text(*controls, column),
                                  text(*controls, orvik::common::SelfDefinedTextColumn),
                                  text(*controls, "id_form"), text(*controls, "id_control"),
                                  text(*controls, "width")});
    }
    controls->close();

    const auto texts = m_database->openRecordset("SELECT * FROM tab_text ORDER BY id_text",
                                                 platform::db::RecordsetType::Dynaset);
    for (; !texts->eof(); texts->moveNext()) {
        const std::string id = text(*texts, "id_text");
        deliver(LanguageEditorRow{LanguageEditorRow::Table::Texts, text(*texts, column),
                                  text(*texts, orvik::common::SelfDefinedTextColumn), id, id, "0"});
    }
    texts->close();
}

void LanguageEditorDatabase::beginSave() {
    m_database->beginTrans();
    m_inTransaction = true;
}

bool LanguageEditorDatabase::store(const LanguageEditorRow& row) {
    std::shared_ptr<platform::db::Recordset>* records = nullptr;
    std::string criteria;
    if (row.table == LanguageEditorRow::Table::Texts) {
        const std::optional<std::int32_t> id = textId(row.key1);
        if (!id) {
            return false;
        }
        records = &m_texts;
        if (!m_texts) {
            m_texts =
                m_database->openRecordset("SELECT * FROM tab_text", platform::db::RecordsetType::Dynaset);
        }
        criteria = "id_text = " + std::to_string(*id);
    } else {
        records = &m_controls;
        if (!m_controls) {
            m_controls =
                m_database->openRecordset("SELECT * FROM tab_controls", platform::db::RecordsetType::Dynaset);
        }
        criteria = "tab_controls.id_form = " + platform::db::quoteText(row.key1) +
                   " AND tab_controls.id_control = " + platform::db::quoteText(row.key2);
    }
    platform::db::Recordset& found = **records;
    found.findFirst(criteria);
    if (found.noMatch()) {
        return false;
    }
    found.edit();
    found.setField(orvik::common::SelfDefinedTextColumn, platform::Variant(row.selfdefine));
    found.update();
    return true;
}

void LanguageEditorDatabase::commitSave() {
    closeRecordsets();
    m_database->commitTrans();
    m_inTransaction = false;
}

void LanguageEditorDatabase::rollbackSave() noexcept {
    closeRecordsets();
    if (!m_inTransaction) {
        return;
    }
    m_inTransaction = false;
    try {
        m_database->rollback();
    } catch (...) {
        // Nothing was committed; the database keeps what it had before the save.
    }
}

void LanguageEditorDatabase::closeRecordsets() noexcept {
    try {
        if (m_texts) {
            m_texts->close();
        }
        if (m_controls) {
            m_controls->close();
        }
    } catch (...) {
        // Closed either way.
    }
    m_texts.reset();
    m_controls.reset();
}

void LanguageEditorDatabase::close() noexcept {
    rollbackSave();
    try {
        if (m_database) {
            m_database->close();
        }
        if (m_workspace) {
            m_workspace->close();
        }
    } catch (...) {
        // Closed either way.
    }
    m_database.reset();
    m_workspace.reset();
}

} // namespace orvik::common::editor
