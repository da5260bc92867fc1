#pragma once

// The Qt side of the platform that the shell uses: the message boxes and the adapter through which the
// text service sets the captions of a window. One place names where they come from.
#include "common/qt/QtLanguageForm.h"
#include "platform/qt/MessageBoxes.h"

namespace shell {

using MessageBoxes = platform::qt::MessageBoxes;
using QtMessageBoxes = platform::qt::QtMessageBoxes;
using QtLanguageForm = orvik::common::qt::QtLanguageForm;

} // namespace shell
