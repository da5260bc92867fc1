#pragma once

// What the dialogs of the main window share: their captions from the text service, the texts by
// number, the program's title, the publisher's web host and the per-user store of their settings.

#include "common/TextID.h"
#include "shell/contract/Publisher.h"

#include <QString>
#include <cstdint>
#include <functional>

class QWidget;

namespace shell::contract {
class DialogLanguage;
}

namespace shell::dialogs {

/// Opens a web address with the desktop; true when it was opened. A test records the address.
using UrlOpener = std::function<bool(const QString& address)>;

using contract::PublisherSite;

/// The application under which the per-user store keeps what the user chose in the dialogs.
inline constexpr auto SettingsApplication = "Graukant2007";

/// The contract's captions and texts through the dialog's language relay (nothing without one).
void adjustCaptions(contract::DialogLanguage* language, QWidget& dialog);
[[nodiscard]] QString textOf(contract::DialogLanguage* language, orvik::common::TextID id,
                             const QString& fallback = {});
/// The program's title, the caption of every message box.
[[nodiscard]] QString programTitle();
/// Names a control; with an index it is a member of the control array of that name.
void nameControl(QWidget& widget, const char* name, int index = -1);

/// A value the user chose, kept between runs; `fallback` when none was kept or the store cannot be read.
[[nodiscard]] QString storedSetting(const char* section, const char* key, const QString& fallback);
/// Keeps a value; a store that cannot be written loses it (the dialog has done its work) and the user is
/// told which file it was.
void storeSetting(const char* section, const char* key, const QString& value);

} // namespace shell::dialogs
