#include "MessageBoxNotifier.h"

#include "platform/qt/MessageBoxes.h"
#include "shell/contract/WindowServices.h"

#include <QApplication>
#include <QString>

namespace shell {
namespace {

using Icon = platform::qt::MessageBoxes::Icon;

Icon iconOf(platform::MessageIcon icon) {
    switch (icon) {
    case platform::MessageIcon::Information:
        return Icon::Information;
    case platform::MessageIcon::Exclamation:
        return Icon::Exclamation;
    case platform::MessageIcon::Critical:
        return Icon::Critical;
    case platform::MessageIcon::None:
        break;
    }
    return Icon::None;
}

} // namespace

void MessageBoxNotifier::show(const platform::UserMessage& message) {
    if (m_boxes == nullptr || !m_shown.insert(message.text).second) {
        return;
    }
    const QString title = message.title.empty() ? QString::fromLatin1(contract::ProgramTitle)
                                                : QString::fromStdString(message.title);
    (void)m_boxes->show(QApplication::activeWindow(), QString::fromStdString(message.text), title,
                        iconOf(message.icon), platform::qt::MessageBoxes::Buttons::Ok);
}

} // namespace shell
