#include "common/editor/WindowHelper.h"

#include "platform/qt/MessageBoxes.h"
#include "platform/qt/QtLanguageForm.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <exception>

namespace orvik::common::editor {

namespace {

using platform::qt::TwipsPerPixel;

int pixels(std::int32_t twips) {
    return static_cast<int>(twips / TwipsPerPixel);
}

QScreen* screenOf(const QWidget* widget) {
    QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

} // namespace

void WindowHelper::SetDropWidth(QWidget* /*parent*/, std::int32_t lNew_DropWidth, QComboBox* combo) {
    if (combo == nullptr || combo->view() == nullptr) {
        return;
    }
    const int width = lNew_DropWidth != 0 ? pixels(lNew_DropWidth) : combo->width();
    combo->view()->setMinimumWidth(std::max(0, width));
}

void WindowHelper::SetComboHeightWidth(QWidget* parent, QComboBox* combo, std::int32_t dropHeight) {
    if (parent == nullptr || !parent->isWindow() || combo == nullptr || combo->view() == nullptr) {
        return;
    }
    const int rowHeight = std::max(1, combo->view()->sizeHintForRow(0));
    combo->setMaxVisibleItems(std::max(1, pixels(dropHeight) / rowHeight));
}

void WindowHelper::ShowInfo(QWidget* owner, const QString& sApp, const QString& sSonstig,
                            platform::qt::MessageBoxes& messages) {
    messages.show(owner, sSonstig, sApp, platform::qt::MessageBoxes::Icon::Information,
                  platform::qt::MessageBoxes::Buttons::Ok);
}

int WindowHelper::StartHTML(const QString& sSide, platform::qt::MessageBoxes& messages, const Opener& open) {
    try {
        const QUrl url = QUrl::fromUserInput(sSide, QString(), QUrl::AssumeLocalFile);
        const bool opened = open ? open(sSide) : QDesktopServices::openUrl(url);
        // The shell's codes: above 32 is success, 2 is "file not found".
        return opened ? 33 : 2;
    } catch (const std::exception& e) {
        messages.show(nullptr, QString::fromStdString(e.what()), QStringLiteral("Fehlernummer: 0"),
                      platform::qt::MessageBoxes::Icon::Information, platform::qt::MessageBoxes::Buttons::Ok);
        return 0;
    }
}

QString WindowHelper::GetFolder(QWidget* owner, const FolderPicker& pick) {
    const QString title = QStringLiteral("Wählen Sie bitte einen Ordner");
    if (pick) {
        return pick(owner, title);
    }
    return QFileDialog::getExistingDirectory(owner, title, QString(), QFileDialog::ShowDirsOnly);
}

void WindowHelper::GetScreenHeightWidth(std::int32_t& lHoehe, std::int32_t& lBreite) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect geometry = screen != nullptr ? screen->geometry() : QRect();
    lHoehe = geometry.height() * TwipsPerPixel;
    lBreite = geometry.width() * TwipsPerPixel;
}

void WindowHelper::Center_Form(QWidget* frm) {
    if (frm == nullptr || !frm->isWindow()) {
        return;
    }
    const QScreen* screen = screenOf(frm);
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize size = frm->frameGeometry().size();
    frm->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

} // namespace orvik::common::editor
