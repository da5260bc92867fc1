#pragma once

#include "common/TextID.h"

#include <QString>

class QWidget;

namespace orvik::common {
class cls_Language;
}

namespace shell::contract {

/// Sets the captions of a window or panel and its named controls from the text service (nothing when
/// there is no text service).
void adjustCaptions(orvik::common::cls_Language* language, QWidget& form);

/// A message text by number; `fallback` when the text service has none (no text database), so that a
/// message box is never empty.
[[nodiscard]] QString textOf(orvik::common::cls_Language* language, orvik::common::TextID id,
                             const QString& fallback = {});

} // namespace shell::contract
