#pragma once

#include "common/TextSource.h"
#include "platform/CallError.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace orvik::common::test {

/// An in-memory text database. `failOpen` makes every open fail as a locked file would; `failSeek`
/// makes every seek on an open table fail as a damaged index would.
class FakeTextSource : public TextSource {
public:
    struct State {
        std::map<std::int32_t, TextRecord> texts;
        std::map<std::pair<std::string, std::string>, TextRecord> controls;
        std::vector<std::pair<std::string, std::int32_t>> widths;
        bool failOpen = false;
        bool failSeek = false;
        std::set<std::string> brokenControls; // control ids, lower case, whose seek fails
        int openAttempts = 0;
        std::string openedFile;
    };

    explicit FakeTextSource(State& state) : m_state(state) {}

    void openTextTable(const std::string& databaseFile) override {
        open(databaseFile);
        m_textOpen = true;
    }
    void openControlTable(const std::string& databaseFile) override {
        open(databaseFile);
        m_controlOpen = true;
    }
    [[nodiscard]] bool textTableOpen() const override { return m_textOpen; }
    [[nodiscard]] bool controlTableOpen() const override { return m_controlOpen; }

    [[nodiscard]] std::optional<TextRecord> findText(std::int32_t id) override {
        seek();
        const auto it = m_state.texts.find(id);
        return it == m_state.texts.end() ? std::nullopt : std::optional<TextRecord>(it->second);
    }
    [[nodiscard]] std::optional<TextRecord> findControl(std::string_view formId,
                                                        std::string_view controlId) override {
        seek();
        if (m_state.brokenControls.count(lower(controlId)) != 0) {
            throw platform::CallError(3343, "DAO.Recordset", "Unrecognized database format.");
        }
        const auto it = m_state.controls.find({lower(formId), lower(controlId)});
        return it == m_state.controls.end() ? std::nullopt : std::optional<TextRecord>(it->second);
    }
    bool addControl(std::string_view formId, std::string_view controlId, std::string_view german,
                    std::int32_t width) override {
        const auto key = std::make_pair(lower(formId), lower(controlId));
        if (m_state.controls.count(key) != 0) {
            return false;
        }
        m_state.controls[key].german = std::string(german);
        m_state.widths.emplace_back(std::string(controlId), width);
        return true;
    }

    static std::string lower(std::string_view text) {
        std::string result(text);
        std::transform(result.begin(), result.end(), result.begin(),
                       [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
        return result;
    }

private:
    void seek() const {
        if (m_state.failSeek) {
            throw platform::CallError(3343, "DAO.Recordset", "Unrecognized database format.");
        }
    }
    void open(const std::string& databaseFile) {
        ++m_state.openAttempts;
        if (m_state.failOpen) {
            throw platform::CallError(3045, "DAO.Database",
                                      "Could not use '" + databaseFile + "'; file already in use.");
        }
        if (m_state.openedFile.empty()) {
            m_state.openedFile = databaseFile;
        }
    }

    State& m_state;
    bool m_textOpen = false;
    bool m_controlOpen = false;
};

} // namespace orvik::common::test
