#pragma once

#include "frmMain.h"

#include <filesystem>
#include <memory>

namespace shell {

/// The start of the program, in order: the program folder into the settings, a left-over scratch print
/// database removed, the local INI file checked, the start counter with its notice, the splash while
/// the main window loads, the main window shown. When no database could be opened, the user is told
/// which files were looked for and where, and is offered the options (after which the window connects).
class StartUp {
public:
    /// Runs the start and returns the shown main window. `showSplash` false in tests.
    [[nodiscard]] static std::unique_ptr<frmMain> run(const std::filesystem::path& programFolder,
                                                      frmMain::Services services,
                                                      contract::PanelFactory factory, bool showSplash = true);
    /// The counter and its notice; `today` as yyyymmdd.
    static void countStart(std::int32_t today, contract::ShellDialogs* dialogs,
                           const contract::DialogContext& context);
};

} // namespace shell
