#include "frmSplash.h"

#include "ProgramVersion.h"
#include "ProgressBar.h"
#include "common/editor/WindowHelper.h"
#include "shell/contract/Publisher.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace shell {

frmSplash::frmSplash(MessageBoxes* messages, UrlOpener open, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_progress(new controls::ProgressBar(this)), m_messages(messages), m_open(std::move(open)) {
    setObjectName(QStringLiteral("frmSplash"));
    auto* title = new QLabel(QStringLiteral("Graukant 2007"), this);
    title->setObjectName(QStringLiteral("Label"));
    title->setProperty("index", 0);
    QFont big = title->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    title->setFont(big);
    auto* versionCaption = new QLabel(QStringLiteral("Versionsnummer"), this);
    versionCaption->setObjectName(QStringLiteral("Label"));
    versionCaption->setProperty("index", 1);
    auto* version = new QLabel(QLatin1String(ProgramVersion::Text), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setMin(0);
    m_progress->setMax(Steps);
    m_progress->setValueInRange(0);
    m_progress->setTextVisible(false);

    QStringList lines;
    for (const char* line : contract::PublisherAddress) {
        lines << QString::fromUtf8(line);
    }
    m_address = new QLabel(lines.join(u'\n'), this);
    m_address->setObjectName(QStringLiteral("Label"));
    m_address->setProperty("index", 3);
    auto* url = new QLabel(this);
    url->setObjectName(QStringLiteral("lblURL"));
    url->setTextFormat(Qt::RichText);
    url->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(webAddress()));
    url->setCursor(Qt::PointingHandCursor);
    connect(url, &QLabel::linkActivated, this, &frmSplash::lblURL_Click);

    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(versionCaption);
    versionRow->addWidget(version);
    versionRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(title);
    layout->addLayout(versionRow);
    layout->addStretch();
    layout->addWidget(m_address);
    layout->addWidget(url);
    layout->addSpacing(8);
    layout->addWidget(m_progress);
    setFixedSize(420, 300);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

QString frmSplash::addressBlock() const {
    return m_address->text();
}

QString frmSplash::webAddress() const {
    return QString::fromLatin1(contract::PublisherSite);
}

void frmSplash::lblURL_Click() {
    if (m_messages != nullptr) {
        orvik::common::editor::WindowHelper::StartHTML(webAddress(), *m_messages, m_open);
    }
}

void frmSplash::closeInTime(std::unique_ptr<frmSplash> splash, QObject& owner) {
    if (!splash) {
        return;
    }
    const auto elapsed = std::chrono::milliseconds(splash->m_shown.isValid() ? splash->m_shown.elapsed() : 0);
    const auto rest = std::max(ShownAtLeast - elapsed, std::chrono::milliseconds(0));
    // From here Qt owns the window: closed, it deletes itself; the owner's end deletes it sooner.
    frmSplash* window = splash.release();
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The owner's later steps (a reconnect) are no start-up: they must not let input through here.
    disconnect(&owner, nullptr, window, nullptr);
    connect(&owner, &QObject::destroyed, window, [window] { delete window; });
    QTimer::singleShot(rest, window, &QWidget::close);
}

void frmSplash::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_shown.isValid()) {
        m_shown.start();
    }
}

int frmSplash::progress() const {
    return m_progress->Value();
}

void frmSplash::InitializeStep() {
    // The bar repaints itself where its chunk grows; the rest of the window was painted when shown.
    // The user's input is let through: while the main window loads, hidden, this window is the only
    // one on screen, and a click on its address must open it.
    m_progress->step();
    if (isVisible()) {
        QCoreApplication::processEvents();
    }
}

} // namespace shell
