#pragma once

#include "DialogSupport.h"
#include "dlgInfo.h"
#include "shell/contract/ShellDialogs.h"

#include <memory>

namespace platform::qt {
class MessageBoxes;
}

namespace shell::dialogs {

/// The main window's dialogs: options, about, new-edition notice, supplier export and print
/// settings, each made for one opening and shown modally with what the context hands in. The program
/// keeps one for the run.
class ProgramDialogs final : public contract::ShellDialogs {
public:
    /// `version` is the program's, shown in the about box; `open` opens web addresses (by default
    /// the desktop's browser).
    explicit ProgramDialogs(dlgInfo::Version version, UrlOpener open = {});
    ~ProgramDialogs() override;

    OptionsOutcome showOptions(const contract::DialogContext& context) override;
    void showAbout(const contract::DialogContext& context) override;
    void showNewEditionNotice(const contract::DialogContext& context) override;
    void showSupplierExport(const contract::DialogContext& context, const QString& file) override;
    void showPrintSettings(const contract::DialogContext& context) override;

private:
    [[nodiscard]] platform::qt::MessageBoxes& messages(const contract::DialogContext& context);

    dlgInfo::Version m_version;
    UrlOpener m_open;
    std::unique_ptr<platform::qt::MessageBoxes> m_ownMessages;
};

} // namespace shell::dialogs
