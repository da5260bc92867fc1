#pragma once

#include "common/cls_Language.h"
#include "common/editor/WindowHelper.h"

#include <functional>
#include <memory>

class QWidget;

namespace platform::qt {
class MessageBoxes;
}

namespace orvik::common::editor {

class LanguageEditorData;

/// Makes the editor's data for one opening of the editor.
using LanguageEditorDataFactory = std::function<std::unique_ptr<LanguageEditorData>()>;

/// Opens the editor of user-defined texts for the service, modal: its language, its folder and
/// Language.mdb, captions from the service, and returns when the user closes it. The help key opens
/// the service's help file with `openHelp` (by default the desktop's program for it).
void showLanguageSettings(orvik::common::cls_Language& language, LanguageEditorData& data,
                          platform::qt::MessageBoxes& messages, QWidget* parent = nullptr,
                          const WindowHelper::Opener& openHelp = {});

/// What the program hands to cls_Language::setSettingsDialog. The factory, the message boxes and the
/// parent must outlive the service.
[[nodiscard]] orvik::common::cls_Language::SettingsDialog
languageSettingsDialog(LanguageEditorDataFactory data, platform::qt::MessageBoxes& messages,
                       QWidget* parent = nullptr, WindowHelper::Opener openHelp = {});

} // namespace orvik::common::editor
