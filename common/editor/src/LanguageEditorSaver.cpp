#include "common/editor/LanguageEditorSaver.h"

#include "platform/CallError.h"
#include "platform/db/Transaction.h"

namespace orvik::common::editor {

bool LanguageEditorSaver::save(const std::vector<LanguageEditorRow>& rows, const FailureChoice& choose) {
    platform::db::Transaction save(m_data);
    for (const LanguageEditorRow& row : rows) {
        if (!storeRow(row, choose)) {
            return false; // the guard drops what was stored
        }
    }
    save.commit();
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
