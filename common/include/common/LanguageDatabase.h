#pragma once

#include "common/TextSource.h"
#include "platform/db/Dao.h"

#include <memory>

namespace orvik::common {

/// The text database Language.mdb through the database layer: one workspace "Language" under the
/// program's workgroup account, the database opened shared and writable, and `tab_text` and
/// `tab_controls` as table record sets on their indexes, kept open and sought for each text. The
/// engine's workgroup file is the one the program set at start-up. Failures throw platform::CallError.
class LanguageDatabase final : public TextSource {
public:
    explicit LanguageDatabase(platform::db::DBEngine engine);
    ~LanguageDatabase() override;
    LanguageDatabase(const LanguageDatabase&) = delete;
    LanguageDatabase& operator=(const LanguageDatabase&) = delete;

    void openTextTable(const std::string& databaseFile) override;
    void openControlTable(const std::string& databaseFile) override;
    [[nodiscard]] bool textTableOpen() const override { return m_textTable != nullptr; }
    [[nodiscard]] bool controlTableOpen() const override { return m_controlTable != nullptr; }
    [[nodiscard]] std::optional<TextRecord> findText(std::int32_t id) override;
    [[nodiscard]] std::optional<TextRecord> findControl(std::string_view formId,
                                                        std::string_view controlId) override;
    bool addControl(std::string_view formId, std::string_view controlId, std::string_view german,
                    std::int32_t width) override;

private:
    [[nodiscard]] std::shared_ptr<platform::db::Recordset>
    openTable(const std::string& databaseFile, std::string_view table, std::string_view index);

    platform::db::DBEngine m_engine;
    std::shared_ptr<platform::db::Workspace> m_workspace;
    std::shared_ptr<platform::db::Database> m_database;
    std::shared_ptr<platform::db::Recordset> m_textTable;
    std::shared_ptr<platform::db::Recordset> m_controlTable;
};

/// A column's value as a text; none for Null.
[[nodiscard]] std::optional<std::string> textOf(const platform::Variant& value);

} // namespace orvik::common
