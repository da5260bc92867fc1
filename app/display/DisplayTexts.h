#pragma once

#include "common/TextID.h"

#include <QString>
#include <string>

class QWidget;

namespace shell::contract {
class DialogLanguage;
}

namespace display {

/// The texts the display panels read from the text service of the language relay.
class DisplayTexts {
public:
    /// The user-interface text of that number; empty without a relay or text service.
    [[nodiscard]] static QString text(const shell::contract::DialogLanguage* relay, orvik::common::TextID id);
    /// Sets the captions of the panel's named controls from the text service (nothing without one).
    static void adjustForm(const shell::contract::DialogLanguage* relay, QWidget& panel);
    [[nodiscard]] static QString fromStd(const std::string& text) { return QString::fromStdString(text); }
    /// CR LF as the object model joins lines, shown as one line break.
    [[nodiscard]] static QString lines(const std::string& text);
};

} // namespace display
