#include "test_support/ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace test_support {

ChildProcess::ChildProcess(const std::function<bool()>& body) : m_pid(::fork()) {
    if (m_pid < 0) {
        throw std::runtime_error("cannot fork");
    }
    if (m_pid == 0) {
        bool ok = false;
        try {
            ok = body();
        } catch (...) {
            ok = false;
        }
        std::_Exit(ok ? 0 : 1);
    }
}

ChildProcess::~ChildProcess() {
    if (!m_waited) {
        kill();
    }
}

bool ChildProcess::succeeded() {
    if (!m_waited) {
        while (::waitpid(m_pid, &m_status, 0) < 0 && errno == EINTR) {
        }
        m_waited = true;
    }
    return WIFEXITED(m_status) && WEXITSTATUS(m_status) == 0;
}

void ChildProcess::kill() {
    if (!m_waited) {
        ::kill(m_pid, SIGKILL);
        (void)succeeded();
    }
}

} // namespace test_support
