#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace shell {

/// Start-up as it is measured from outside (GK_QUIT_WHEN_IDLE in the environment): where the program
/// would first wait for the user it writes `idle` to its standard output; with the value `counted` it
/// goes on until every material list of the main window has counted its rows, and writes `counted`.
/// Then it ends as soon as its standard input ends, so that whoever started it can read its memory in
/// the meantime (/proc/<pid>/status), before the program frees anything.
class IdleReport {
public:
    /// Nothing without GK_QUIT_WHEN_IDLE.
    explicit IdleReport(QWidget* window);
    ~IdleReport();
    IdleReport(const IdleReport&) = delete;
    IdleReport& operator=(const IdleReport&) = delete;

private:
    void idle();
    [[nodiscard]] bool countsPending() const;
    static void say(const char* line);
    static void endWithInput();

    QPointer<QWidget> m_window;
    bool m_afterCount = false;
    QMetaObject::Connection m_idle;
    QTimer m_countPoll;
};

} // namespace shell
