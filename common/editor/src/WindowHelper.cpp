#include "common/editor/WindowHelper.h"

#include "common/qt/QtLanguageForm.h"
#include "platform/CallError.h"
#include "platform/qt/MessageBoxes.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDesktopServices>
#include <QEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <exception>

namespace orvik::common::editor {

namespace {

using orvik::common::qt::TwipsPerPixel;

int pixels(std::int32_t twips) {
    return static_cast<int>(twips / TwipsPerPixel);
}

QScreen* screenOf(const QWidget* widget) {
    QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

/// Opens the list of a combo box so that the field and the list together are as high as asked, the
/// list below the field (above it where the screen ends) and at least as wide as the combo box: the
/// styles that open the whole list over the field ignore the number of visible items, so the list
/// itself is sized whenever it opens. Owned by the combo box.
class DropDownSize final : public QObject {
public:
    static constexpr const char* Name = "gk_DropDownSize";

    explicit DropDownSize(QComboBox& combo) : QObject(&combo), m_combo(combo) {
        setObjectName(QLatin1String(Name));
        combo.view()->window()->installEventFilter(this);
    }

    /// The height of the field and its open list together, in pixels.
    void setTotalHeight(int height) { m_total = height; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            place(static_cast<QWidget&>(*watched));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void place(QWidget& list) const {
        const int height = std::max(1, m_total - m_combo.height());
        const int width = std::max(m_combo.width(), m_combo.view()->minimumWidth());
        QPoint at = m_combo.mapToGlobal(QPoint(0, m_combo.height()));
        const QScreen* screen = screenOf(&m_combo);
        if (screen != nullptr && at.y() + height > screen->availableGeometry().bottom() + 1) {
            at.setY(m_combo.mapToGlobal(QPoint(0, 0)).y() - height);
        }
        list.setGeometry(at.x(), at.y(), width, height);
    }

    QComboBox& m_combo;
    int m_total = 0;
};

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
    auto* size = combo->findChild<DropDownSize*>(DropDownSize::Name, Qt::FindDirectChildrenOnly);
    if (size == nullptr) {
        size = new DropDownSize(*combo);
    }
    size->setTotalHeight(pixels(dropHeight));
}

void WindowHelper::ShowInfo(QWidget* owner, const QString& sApp, const QString& sSonstig, const QIcon& lIcon,
                            platform::qt::MessageBoxes& messages) {
    messages.about(owner, sApp, sSonstig, lIcon);
}

int WindowHelper::StartHTML(const QString& sSide, platform::qt::MessageBoxes& messages, const Opener& open) {
    const auto fail = [&messages](const QString& text, std::int32_t number) {
        messages.show(nullptr, text, QStringLiteral("Fehlernummer: ") + QString::number(number),
                      platform::qt::MessageBoxes::Icon::Information, platform::qt::MessageBoxes::Buttons::Ok);
        return 0;
    };
    try {
        const QUrl url = QUrl::fromUserInput(sSide, QString(), QUrl::AssumeLocalFile);
        const bool opened = open ? open(sSide) : QDesktopServices::openUrl(url);
        // The shell's codes: above 32 is success, 2 is "file not found".
        return opened ? 33 : 2;
    } catch (const platform::CallError& e) {
        return fail(QString::fromStdString(e.description()), e.number());
    } catch (const std::exception& e) {
        // A failure without a number of its own counts as a failed call of the shell.
        return fail(QString::fromStdString(e.what()), platform::err::InvalidProcedureCall);
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
