#pragma once

#include "common/editor/LanguageEditorData.h"

#include <functional>
#include <vector>

namespace platform {
class CallError;
}

namespace orvik::common::editor {

/// Stores the user's texts of the editor's opened rows as one save: each row in its record, a row
/// whose record is gone skipped, and on a failed row the user decides whether to give up the whole
/// save, try the row again or go on with the next.
class LanguageEditorSaver {
public:
    enum class OnFailure { Abort, Retry, Ignore };
    /// Asked for each failure of a row; shows it to the user and returns his choice.
    using FailureChoice = std::function<OnFailure(const platform::CallError&)>;

    explicit LanguageEditorSaver(LanguageEditorData& data) : m_data(data) {}

    /// True when the rows were stored and kept; false when the user gave up, and then nothing of this
    /// save is kept. A failure to begin or to finish the save drops what was stored and is thrown.
    [[nodiscard]] bool save(const std::vector<LanguageEditorRow>& rows, const FailureChoice& choose);

private:
    /// False when the user gave up the save.
    [[nodiscard]] bool storeRow(const LanguageEditorRow& row, const FailureChoice& choose);

    LanguageEditorData& m_data;
};

} // namespace orvik::common::editor
