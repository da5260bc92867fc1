#include "PanelErrors.h"

#include "WaitCursor.h"
#include "platform/CallError.h"
#include "shell/contract/ErrorWindow.h"
#include "shell/contract/Panel.h"

#include <exception>

namespace display {

namespace {

void show(shell::contract::Panel& panel, const QString& modul, const QString& procedure, std::int32_t number,
          const QString& description) {
    if (panel.services().errorWindow == nullptr) {
        return;
    }
    WaitCursor::restoreAll();
    panel.services().errorWindow->ShowErrorForm(&panel, modul, procedure, number, description);
}

} // namespace

bool trapped(shell::contract::Panel& panel, const QString& modul, const QString& procedure,
             const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const platform::CallError& error) {
        show(panel, modul, procedure, error.number(), QString::fromStdString(error.description()));
    } catch (const std::exception& error) {
        show(panel, modul, procedure, 0, QString::fromUtf8(error.what()));
    }
    return false;
}

} // namespace display
