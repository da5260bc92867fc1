#include "common/editor/LanguageEditorSaver.h"

#include "platform/CallError.h"

namespace orvik::common::editor {

bool LanguageEditorSaver::save(const std::vector<LanguageEditorRow>& rows, const FailureChoice& choose) {
    m_data.beginSave();
    try {
        for (const LanguageEditorRow& row : rows) {
            if (!storeRow(row, choose)) {
                m_data.rollbackSave();
                return false;
            }
        }
        m_data.commitSave();
    } catch (...) {
        m_data.rollbackSave();
        throw;
    }
    return true;
}

bool LanguageEditorSaver::storeRow(const LanguageEditorRow& row, const FailureChoice& choose) {
    for (;;) {
        try {
            // A row whose record no longer exists is skipped.
            static_cast<void>(m_data.store(row));
            return true;
        } catch (const platform::CallError& e) {
            switch (choose(e)) {
            case OnFailure::Retry:
                continue;
            case OnFailure::Ignore:
                return true;
            case OnFailure::Abort:
                return false;
            }
            return false;
        }
    }
}

} // namespace orvik::common::editor
