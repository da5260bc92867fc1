#include "common/LanguageDatabase.h"

#include "common/ProgramAccount.h"
#include "platform/VbConvert.h"

#include <cmath>
#include <string>

namespace orvik::common {

namespace {

TextRecord recordOf(const platform::db::Recordset& table) {
    const auto column = [&table](std::size_t language) {
        return textOf(table.field(LanguageTextColumns[language]));
    };
    return TextRecord{column(0), column(1), column(2), column(3)};
}

} // namespace

std::optional<std::string> textOf(const platform::Variant& value) {
    using Type = platform::Variant::Type;
    switch (value.type()) {
    case Type::Text:
        return value.asText();
    case Type::Integer:
        return std::to_string(value.asInteger());
    case Type::Double:
        return platform::CStr(value);
    case Type::Boolean:
        return value.asBoolean() ? "-1" : "0";
    case Type::Empty:
    case Type::Null:
    case Type::Date:
        break;
    }
    return std::nullopt;
}

LanguageDatabase::LanguageDatabase(platform::db::DBEngine engine) : m_engine(std::move(engine)) {}

LanguageDatabase::~LanguageDatabase() {
    // The control table first, then the database, then the workspace.
    try {
        m_controlTable.reset();
        m_textTable.reset();
        if (m_database) {
            m_database->close();
        }
        m_database.reset();
        if (m_workspace) {
            m_workspace->close();
        }
    } catch (...) {
        // Closing has nothing left to save; a failure here changes nothing for the user.
    }
}

std::shared_ptr<platform::db::Recordset>
LanguageDatabase::openTable(const std::string& databaseFile, std::string_view table, std::string_view index) {
    if (!m_workspace) {
        m_workspace =
            m_engine.createWorkspace("Language", std::string(ProgramUser), std::string(ProgramPassword));
    }
    if (!m_database) {
        m_database = m_workspace->openDatabase(databaseFile, false, false);
    }
    auto recordset = m_database->openRecordset(table, platform::db::RecordsetType::Table);
    recordset->setIndex(index);
    return recordset;
}

void LanguageDatabase::openTextTable(const std::string& databaseFile) {
    if (!m_textTable) {
        m_textTable = openTable(databaseFile, "tab_text", "idx_text");
    }
}

void LanguageDatabase::openControlTable(const std::string& databaseFile) {
    if (!m_controlTable) {
        m_controlTable = openTable(databaseFile, "tab_controls", "idx_form_control");
    }
}

std::optional<TextRecord> LanguageDatabase::findText(std::int32_t id) {
    m_textTable->seek("=", {platform::Variant(id)});
    if (m_textTable->noMatch()) {
        return std::nullopt;
    }
    return recordOf(*m_textTable);
}

std::optional<TextRecord> LanguageDatabase::findControl(std::string_view formId, std::string_view controlId) {
    m_controlTable->seek("=", {platform::Variant(formId), platform::Variant(controlId)});
    if (m_controlTable->noMatch()) {
        return std::nullopt;
    }
    return recordOf(*m_controlTable);
}

bool LanguageDatabase::addControl(std::string_view formId, std::string_view controlId,
                                  std::string_view german, std::int32_t width) {
    if (findControl(formId, controlId)) {
        return false;
    }
    platform::db::Transaction transaction(*m_database);
    const auto controls = m_database->openRecordset("SELECT * FROM tab_controls");
    controls->addNew();
    controls->setField("id_form", platform::Variant(formId));
    controls->setField("id_control", platform::Variant(controlId));
    controls->setField("german", platform::Variant(german));
    controls->update();
    const auto widths = m_database->openRecordset("SELECT * FROM tab_controls_width");
    widths->addNew();
    widths->setField("id_form", platform::Variant(formId));
    widths->setField("id_control", platform::Variant(controlId));
    widths->setField("width", platform::Variant(width));
    widths->update();
    transaction.commit();
    return true;
}

} // namespace orvik::common
