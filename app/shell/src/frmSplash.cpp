#include "frmSplash.h"

#include "ProgramVersion.h"
#include "ProgressBar.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace shell {

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_progress(new controls::ProgressBar(this)) {
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

    auto* versionRow = new QHBoxLayout;
    versionRow->addWidget(versionCaption);
    versionRow->addWidget(version);
    versionRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(title);
    layout->addLayout(versionRow);
    layout->addStretch();
    layout->addWidget(m_progress);
    setFixedSize(420, 220);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

int frmSplash::progress() const {
    return m_progress->Value();
}

void frmSplash::InitializeStep() {
    m_progress->step();
    if (isVisible()) {
        repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

} // namespace shell
