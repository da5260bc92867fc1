#pragma once

#include <QString>
#include <optional>

class QIcon;
class QWidget;

namespace platform::qt {

/// Message boxes, passed in to every window that shows one, so that a test answers them instead of
/// a user and never waits on a modal window.
class MessageBoxes {
public:
    enum class Icon { None, Information, Exclamation, Question, Critical };
    enum class Buttons { Ok, YesNo, AbortRetryIgnore };
    enum class Answer { Ok, Yes, No, Abort, Retry, Ignore };

    virtual ~MessageBoxes() = default;
    /// Shows the text with the title as caption and returns the button chosen. Enter chooses the
    /// button of `defaultAnswer`; without one the first button.
    virtual Answer show(QWidget* parent, const QString& text, const QString& title, Icon icon,
                        Buttons buttons, std::optional<Answer> defaultAnswer = std::nullopt) = 0;
    /// The about box of an application: its name as caption, a further text and the application's
    /// icon. By default the real modal box.
    virtual void about(QWidget* parent, const QString& application, const QString& text, const QIcon& icon);
};

/// The real, modal message boxes.
class QtMessageBoxes final : public MessageBoxes {
public:
    Answer show(QWidget* parent, const QString& text, const QString& title, Icon icon, Buttons buttons,
                std::optional<Answer> defaultAnswer = std::nullopt) override;
};

} // namespace platform::qt
