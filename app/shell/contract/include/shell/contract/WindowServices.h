#pragma once

#include <QString>

namespace platform::qt {
class MessageBoxes;
}

namespace shell::contract {

class ErrorWindow;
class FileDialogs;
class HelpViewer;

/// The program's title: the caption of every message box and the first line of an error report.
inline constexpr auto ProgramTitle = "Graukant 2007";

/// What every window and panel uses to talk to the user, passed in by the main window so that a test
/// answers instead of a user and no test waits on a modal window. The main window owns the services;
/// they outlive every window and panel. A null member means the service is not offered (a panel then
/// shows nothing).
struct WindowServices {
    platform::qt::MessageBoxes* messageBoxes = nullptr;
    FileDialogs* fileDialogs = nullptr;
    ErrorWindow* errorWindow = nullptr;
    HelpViewer* help = nullptr;
};

} // namespace shell::contract
