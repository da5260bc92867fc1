#pragma once

// The Qt side of the platform that the shell uses: the message boxes and the adapter through which the
// text service sets the captions of a window. One place names where they come from.
#include "MessageBoxes.h"
#include "QtLanguageForm.h"

namespace shell {

using MessageBoxes = controls::MessageBoxes;
using QtMessageBoxes = controls::QtMessageBoxes;
using QtLanguageForm = controls::QtLanguageForm;

} // namespace shell
