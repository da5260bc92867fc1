#pragma once

// A forked child that runs one function and ends with its result, for tests of what several
// processes do to the same files at once, or of what a kill leaves behind.

#include <functional>
#include <sys/types.h>

namespace test_support {

/// The child starts at construction; the destructor kills it unless it was waited for. The child
/// never returns into the test: it ends with `_Exit` after `body`, so no destructor of the parent's
/// objects runs twice.
class ChildProcess {
public:
    /// Runs `body` in a child; the child's exit status is 0 when `body` returns true, 1 otherwise
    /// (also when it throws).
    explicit ChildProcess(const std::function<bool()>& body);
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    [[nodiscard]] pid_t pid() const noexcept { return m_pid; }
    /// Waits for the child's end; true when it ended with exit status 0.
    bool succeeded();
    /// Kills the child with SIGKILL and waits for it.
    void kill();

private:
    pid_t m_pid = -1;
    bool m_waited = false;
    int m_status = 0;
};

} // namespace test_support
