#include "IdleReport.h"

#include "MaterialListModel.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>

namespace shell {

IdleReport::IdleReport(QWidget* window) : m_window(window) {
    if (!qEnvironmentVariableIsSet("GK_QUIT_WHEN_IDLE")) {
        return;
    }
    m_afterCount = qEnvironmentVariable("GK_QUIT_WHEN_IDLE") == QLatin1String("counted");
    m_idle = QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                              [this] { idle(); });
}

IdleReport::~IdleReport() {
    QObject::disconnect(m_idle);
}

void IdleReport::idle() {
    QObject::disconnect(m_idle);
    say("idle");
    if (!m_afterCount) {
        endWithInput();
        return;
    }
    // The count of a long list comes in from another thread while the window waits for the user.
    constexpr int pollMilliseconds = 15;
    m_countPoll.setInterval(pollMilliseconds);
    QObject::connect(&m_countPoll, &QTimer::timeout, [this] {
        if (countsPending()) {
            return;
        }
        m_countPoll.stop();
        say("counted");
        endWithInput();
    });
    m_countPoll.start();
}

bool IdleReport::countsPending() const {
    if (m_window.isNull()) {
        return false;
    }
    const QList<display::MaterialListModel*> lists = m_window->findChildren<display::MaterialListModel*>();
    return std::any_of(lists.begin(), lists.end(),
                       [](const display::MaterialListModel* list) { return list->countPending(); });
}

void IdleReport::say(const char* line) {
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void IdleReport::endWithInput() {
    while (std::fgetc(stdin) != EOF) {
    }
    QCoreApplication::quit();
}

} // namespace shell
