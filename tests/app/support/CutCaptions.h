#pragma once

// What a user sees cut off: the captions of the shown labels and buttons of a window that are
// narrower than their text needs.

#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace apptest {

/// The cut captions, joined by " | "; empty when every caption fits.
[[nodiscard]] inline QString cutCaptions(const QWidget& window) {
    QStringList cut;
    for (const auto* label : window.findChildren<QLabel*>()) {
        if (label->isVisible() && !label->text().isEmpty() && label->width() < label->sizeHint().width()) {
            cut << label->text();
        }
    }
    for (const auto* button : window.findChildren<QPushButton*>()) {
        if (button->isVisible() && button->width() < button->sizeHint().width()) {
            cut << button->text();
        }
    }
    return cut.join(QStringLiteral(" | "));
}

} // namespace apptest
