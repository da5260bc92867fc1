#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace orvik::common::editor {

/// One row of the editor's grid: a caption of `tab_controls` or a message of `tab_text`.
struct LanguageEditorRow {
    enum class Table { Controls, Texts };
    Table table = Table::Texts;
    /// The text in the language shown; "" for null.
    std::string shown;
    /// The user's own text; "" for null.
    std::string selfdefine;
    /// `id_form` of a caption, `id_text` of a message.
    std::string key1;
    /// `id_control` of a caption, `id_text` of a message.
    std::string key2;
    /// The stored width of a caption, "0" for a message.
    std::string width;
};

/// The text database as the editor reads and writes it. Every member may throw platform::CallError.
class LanguageEditorData {
public:
    virtual ~LanguageEditorData() = default;
    virtual void open(const std::string& databaseFile) = 0;
    /// Delivers the captions whose text in `column` is neither null nor empty and whose stored width is
    /// above 0, in their stored order, then every message by number. Rows delivered before a failure
    /// stay delivered.
    virtual void load(const std::string& column,
                      const std::function<void(const LanguageEditorRow&)>& deliver) = 0;
    /// Starts one save: what is stored until commitSave is kept or dropped as a whole.
    virtual void beginSave() = 0;
    /// Stores the row's user text in its record; false when the record no longer exists.
    [[nodiscard]] virtual bool store(const LanguageEditorRow& row) = 0;
    virtual void commitSave() = 0;
    /// Drops what was stored since beginSave; never throws.
    virtual void rollbackSave() noexcept = 0;
    /// Closes the database; never throws.
    virtual void close() noexcept = 0;
};

/// The hooks of platform::db::Transaction: a save is the editor's transaction.
inline void beginTransaction(LanguageEditorData& data) {
    data.beginSave();
}
inline void commitTransaction(LanguageEditorData& data) {
    data.commitSave();
}
inline void rollbackTransaction(LanguageEditorData& data) noexcept {
    data.rollbackSave();
}

} // namespace orvik::common::editor
