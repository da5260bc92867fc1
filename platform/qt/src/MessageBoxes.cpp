#include "platform/qt/MessageBoxes.h"

#include <QIcon>
#include <QMessageBox>

namespace platform::qt {

namespace {

QMessageBox::Icon qtIcon(MessageBoxes::Icon icon) {
    switch (icon) {
    case MessageBoxes::Icon::Information:
        return QMessageBox::Information;
    case MessageBoxes::Icon::Exclamation:
        return QMessageBox::Warning;
    case MessageBoxes::Icon::Question:
        return QMessageBox::Question;
    case MessageBoxes::Icon::Critical:
        return QMessageBox::Critical;
    case MessageBoxes::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageBoxes::Buttons buttons) {
    switch (buttons) {
    case MessageBoxes::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageBoxes::Buttons::AbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MessageBoxes::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton qtButton(MessageBoxes::Answer answer) {
    switch (answer) {
    case MessageBoxes::Answer::Yes:
        return QMessageBox::Yes;
    case MessageBoxes::Answer::No:
        return QMessageBox::No;
    case MessageBoxes::Answer::Abort:
        return QMessageBox::Abort;
    case MessageBoxes::Answer::Retry:
        return QMessageBox::Retry;
    case MessageBoxes::Answer::Ignore:
        return QMessageBox::Ignore;
    case MessageBoxes::Answer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MessageBoxes::Answer answerOf(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return MessageBoxes::Answer::Yes;
    case QMessageBox::No:
        return MessageBoxes::Answer::No;
    case QMessageBox::Abort:
        return MessageBoxes::Answer::Abort;
    case QMessageBox::Retry:
        return MessageBoxes::Answer::Retry;
    case QMessageBox::Ignore:
        return MessageBoxes::Answer::Ignore;
    default:
        return MessageBoxes::Answer::Ok;
    }
}

} // namespace

void MessageBoxes::about(QWidget* parent, const QString& application, const QString& text,
                         const QIcon& icon) {
    QMessageBox box(QMessageBox::NoIcon, application, text, QMessageBox::Ok, parent);
    constexpr int IconSize = 32;
    box.setIconPixmap(icon.pixmap(IconSize));
    box.exec();
}

MessageBoxes::Answer QtMessageBoxes::show(QWidget* parent, const QString& text, const QString& title,
                                          Icon icon, Buttons buttons, std::optional<Answer> defaultAnswer) {
    QMessageBox box(qtIcon(icon), title, text, qtButtons(buttons), parent);
    if (defaultAnswer) {
        box.setDefaultButton(qtButton(*defaultAnswer));
    }
    return answerOf(box.exec());
}

} // namespace platform::qt
