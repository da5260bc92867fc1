#pragma once

// The Qt side of the platform that the shell uses: the message boxes and the adapter through which the
// text service sets the captions of a window. One place names where they come from.
#include "platform/qt/MessageBoxes.h"
#include "platform/qt/QtLanguageForm.h"

namespace shell {

using MessageBoxes = platform::qt::MessageBoxes;
using QtMessageBoxes = platform::qt::QtMessageBoxes;
using QtLanguageForm = platform::qt::QtLanguageForm;

} // namespace shell
