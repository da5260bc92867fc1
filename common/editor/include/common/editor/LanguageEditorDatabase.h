#pragma once

#include "common/editor/LanguageEditorData.h"
#include "platform/db/Dao.h"

#include <memory>

namespace orvik::common::editor {

/// The editor's data in Language.mdb through the database layer: a workspace "Language" under the
/// program's workgroup account, the database shared and writable, one transaction per save.
class LanguageEditorDatabase final : public LanguageEditorData {
public:
    explicit LanguageEditorDatabase(platform::db::DBEngine engine);
    ~LanguageEditorDatabase() override;
    LanguageEditorDatabase(const LanguageEditorDatabase&) = delete;
    LanguageEditorDatabase& operator=(const LanguageEditorDatabase&) = delete;

    void open(const std::string& databaseFile) override;
    void load(const std::string& column,
              const std::function<void(const LanguageEditorRow&)>& deliver) override;
    void beginSave() override;
    [[nodiscard]] bool store(const LanguageEditorRow& row) override;
    void commitSave() override;
    void rollbackSave() noexcept override;
    void close() noexcept override;

private:
    void closeRecordsets() noexcept;

    platform::db::DBEngine m_engine;
    std::shared_ptr<platform::db::Workspace> m_workspace;
    std::shared_ptr<platform::db::Database> m_database;
    std::shared_ptr<platform::db::Recordset> m_texts;
    std::shared_ptr<platform::db::Recordset> m_controls;
    bool m_inTransaction = false;
};

} // namespace orvik::common::editor
