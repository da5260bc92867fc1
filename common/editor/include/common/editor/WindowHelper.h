#pragma once

#include <QString>
#include <cstdint>
#include <functional>

class QComboBox;
class QIcon;
class QWidget;

namespace platform::qt {
class MessageBoxes;
}

namespace orvik::common::editor {

/// The window and shell helpers of the common library: drop-down sizes of combo boxes, centring a
/// window, the screen size, the about box, opening a document with its program and picking a folder.
/// Lengths are in twips (15 per pixel), as the windows give them. Stateless.
class WindowHelper {
public:
    /// Opens a document or address with the desktop; true when the desktop took it.
    using Opener = std::function<bool(const QString& address)>;
    /// Asks for a folder with this title; "" when cancelled.
    using FolderPicker = std::function<QString(QWidget* owner, const QString& title)>;

    /// Sets the width of the combo box's open list; 0 makes it as wide as the combo box.
    static void SetDropWidth(QWidget* parent, std::int32_t lNew_DropWidth, QComboBox* combo);
    /// When `parent` is a window: the combo box and its open list together take `dropHeight`, as a
    /// combo box's window of that height does, the list as many whole rows as fit below the field, and
    /// the list is as wide as the combo box.
    static void SetComboHeightWidth(QWidget* parent, QComboBox* combo, std::int32_t dropHeight);
    /// The about box with the application's name, a further text and the icon given.
    static void ShowInfo(QWidget* owner, const QString& sApp, const QString& sSonstig, const QIcon& lIcon,
                         platform::qt::MessageBoxes& messages);
    /// Opens a file or link with its program. Returns the shell's code: above 32 when it was opened,
    /// 2 (not found) when the desktop could not open it, 0 after a failure, which is shown to the user
    /// with its text and, in the title "Fehlernummer: ", its number.
    static int StartHTML(const QString& sSide, platform::qt::MessageBoxes& messages, const Opener& open = {});
    /// The folder the user picks, or "" when he cancels.
    static QString GetFolder(QWidget* owner, const FolderPicker& pick = {});
    /// The primary screen's height and width in twips.
    static void GetScreenHeightWidth(std::int32_t& lHoehe, std::int32_t& lBreite);
    /// Centres a window on its screen; a panel inside a window is left where it is.
    static void Center_Form(QWidget* frm);
};

} // namespace orvik::common::editor
