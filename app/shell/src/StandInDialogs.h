#pragma once

#include "QtPlatform.h"
#include "shell/contract/ShellDialogs.h"

namespace shell {

/// The main window's dialogs until the program's own exist: the options choose the database folder,
/// the about box and the notice are message boxes, the supplier export writes a semicolon-separated
/// file with header, and printing says it is not available. Does not own the message boxes.
class StandInDialogs final : public contract::ShellDialogs {
public:
    explicit StandInDialogs(MessageBoxes& messageBoxes) : m_messageBoxes(messageBoxes) {}

    OptionsOutcome showOptions(const contract::DialogContext& context) override;
    void showAbout(const contract::DialogContext& context) override;
    void showNewEditionNotice(const contract::DialogContext& context) override;
    void showSupplierExport(const contract::DialogContext& context, const QString& file) override;
    void showPrintSettings(const contract::DialogContext& context) override;

private:
    MessageBoxes& m_messageBoxes;
};

} // namespace shell
