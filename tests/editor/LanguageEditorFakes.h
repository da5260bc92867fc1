#pragma once

#include "FakeMessageBoxes.h"
#include "common/editor/LanguageEditorData.h"
#include "platform/CallError.h"

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace orvik::common::editor::test {

/// Answers message boxes from a queue and keeps what they and the about box showed.
using FakeMessageBoxes = apptest::FakeMessageBoxes;

/// The editor's data in memory, with a transaction: stored texts become visible at commit only.
class FakeEditorData : public LanguageEditorData {
public:
    using Key = std::pair<std::string, std::string>;

    void open(const std::string& file) override {
        openedFile = file;
        if (failOpen) {
            throw platform::CallError(3024, "DAO.Workspace", "Could not find file '" + file + "'.");
        }
    }
    void load(const std::string& column,
              const std::function<void(const LanguageEditorRow&)>& deliver) override {
        loadedColumn = column;
        int delivered = 0;
        for (const LanguageEditorRow& row : rows) {
            if (failLoadAfter >= 0 && delivered == failLoadAfter) {
                throw platform::CallError(3021, "DAO.Recordset", "No current record.");
            }
            deliver(row);
            ++delivered;
        }
    }
    void beginSave() override {
        pending.clear();
        inTransaction = true;
    }
    bool store(const LanguageEditorRow& row) override {
        const Key key{row.key1, row.key2};
        attempts.push_back(key);
        if (failures.count(key) != 0 && failures[key] > 0) {
            --failures[key];
            throw platform::CallError(3260, "DAO.Recordset", "Couldn't update; currently locked.");
        }
        if (missing.count(key) != 0) {
            return false;
        }
        pending[key] = row.selfdefine;
        return true;
    }
    void commitSave() override {
        if (failCommit) {
            throw platform::CallError(
                3034, "DAO.Workspace",
                "You tried to commit or rollback a transaction without first beginning a transaction.");
        }
        for (const auto& [key, text] : pending) {
            committed[key] = text;
        }
        pending.clear();
        inTransaction = false;
        ++commits;
    }
    void rollbackSave() noexcept override {
        pending.clear();
        inTransaction = false;
        ++rollbacks;
    }
    void close() noexcept override { ++closes; }

    std::vector<LanguageEditorRow> rows;
    bool failOpen = false;
    bool failCommit = false;
    int failLoadAfter = -1;
    std::map<Key, int> failures;
    std::map<Key, bool> missing;
    std::string openedFile;
    std::string loadedColumn;
    std::vector<Key> attempts;
    std::map<Key, std::string> pending;
    std::map<Key, std::string> committed;
    bool inTransaction = false;
    int commits = 0;
    int rollbacks = 0;
    int closes = 0;
};

inline LanguageEditorRow controlRow(std::string form, std::string control, std::string shown,
                                    std::string self, std::string width = "1200") {
    return {LanguageEditorRow::Table::Controls,
            std::move(shown),
            std::move(self),
            std::move(form),
            std::move(control),
            std::move(width)};
}

inline LanguageEditorRow textRow(int id, std::string shown, std::string self) {
    return {LanguageEditorRow::Table::Texts,
            std::move(shown),
            std::move(self),
            std::to_string(id),
            std::to_string(id),
            "0"};
}

} // namespace orvik::common::editor::test
