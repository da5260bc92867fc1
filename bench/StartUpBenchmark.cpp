// Starting the program as a user does: from its start until its main window waits for the user, in
// a process of its own each time (not while it ends), with the most memory the program held resident up
// to then (MB) and, in one more untimed start, what it holds resident once its list has counted its
// rows in the other thread (MB_counted, and the most up to then, MB_counted_peak). On the generated
// database, and as the floor on the sample databases: what start-up costs whatever the database.
//
// The program runs from a folder of its own (a copy of the program file, its INI file naming the
// databases, its text database and print template linked in) on Qt's offscreen platform, and ends
// where it would first wait for input, or where its list is counted (GK_QUIT_WHEN_IDLE). GK_BENCH_PROGRAM
// names another build of the program to start, for a figure of before and after a change in one run.

#include "BenchSupport.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace bench {
namespace {

namespace fs = std::filesystem;

// A start-up is a third of a second: a few of them in each repetition.
constexpr int kStarts = 5;

/// The program file to start: the build's own unless GK_BENCH_PROGRAM names another.
fs::path programFile() {
    const char* other = std::getenv("GK_BENCH_PROGRAM");
    return other != nullptr && *other != '\0' ? fs::path(other) : fs::path(GK_BENCH_PROGRAM);
}

/// A program folder of its own under the temporary folder, removed with it.
class ProgramFolder {
public:
    ProgramFolder(benchmark::State& state, const fs::path& databases) {
        const fs::path program = programFile();
        const fs::path built = program.parent_path();
        std::error_code error;
        m_folder = fs::temp_directory_path() / ("gk-bench-startup-" + std::to_string(::getpid()));
        fs::remove_all(m_folder, error);
        fs::create_directories(m_folder / "Daten", error);
        fs::copy_file(program, m_folder / program.filename(), error);
        for (const char* file : {"Daten/Language.mdb", "Daten/print_org.mdb", "GK2007.LG"}) {
            if (!error) {
                fs::create_symlink(built / file, m_folder / file, error);
            }
        }
        if (error) {
            state.SkipWithError(("cannot lay out a program folder: " + error.message()).c_str());
            m_folder.clear();
            return;
        }
        // A count past the new-edition notice's starts: the notice would wait for the user.
        std::ofstream ini(m_folder / "velmo2007.ini");
        ini << "[Global]\nDBPath=" << databases.string() << "/\nFilterDbPath=" << databases.string()
            << "/\n[AppStart]\nCount=1000\n";
    }
    ~ProgramFolder() {
        std::error_code ignored;
        if (!m_folder.empty()) {
            fs::remove_all(m_folder, ignored);
        }
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    [[nodiscard]] explicit operator bool() const { return !m_folder.empty(); }
    [[nodiscard]] fs::path program() const { return m_folder / programFile().filename(); }
    [[nodiscard]] fs::path folder() const { return m_folder; }

private:
    fs::path m_folder;
};

/// The environment of this process with the program's own settings on top; the per-user settings
/// go into the program folder, so that a run touches none of the user's.
std::vector<std::string> programEnvironment(const fs::path& folder, const std::string& quitWhen) {
    const std::vector<std::string> own = {
        "QT_QPA_PLATFORM=offscreen",
        "GK_QUIT_WHEN_IDLE=" + quitWhen,
        "XDG_CONFIG_HOME=" + (folder / "config").string(),
        "XDG_DATA_HOME=" + (folder / "data").string(),
    };
    std::vector<std::string> environment = own;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text(*entry);
        const std::string name = text.substr(0, text.find('='));
        const bool replaced = std::any_of(own.begin(), own.end(),
                                          [&](const std::string& o) { return o.starts_with(name + "="); });
        if (!replaced) {
            environment.push_back(text);
        }
    }
    return environment;
}

struct Start {
    bool idle = false;            // the program said it waits for the user
    bool counted = false;         // it said its lists have counted their rows (when asked to)
    bool ended = false;           // then ended by itself, with exit code 0
    double idlePeakMegabytes = 0; // the most it held resident up to its idle window
    double countedMegabytes = 0;  // what it holds resident once the count is in
    double countedPeakMegabytes = 0;
};

/// Reads the child's standard output until it has said `line` (true) or closes it (false).
bool waitForLine(int output, std::string& said, const std::string& line) {
    char buffer[256];
    for (;;) {
        if (said.find(line + "\n") != std::string::npos) {
            return true;
        }
        const ssize_t n = ::read(output, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        said.append(buffer, static_cast<std::size_t>(n));
    }
}

/// The ends of a pipe, closed with it.
class Pipe {
public:
    Pipe() {
        if (::pipe2(m_ends, O_CLOEXEC) != 0) {
            m_ends[0] = m_ends[1] = -1;
        }
    }
    ~Pipe() {
        closeEnd(0);
        closeEnd(1);
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    [[nodiscard]] explicit operator bool() const { return m_ends[0] >= 0; }
    [[nodiscard]] int end(int which) const { return m_ends[which]; }
    void closeEnd(int which) {
        if (m_ends[which] >= 0) {
            ::close(m_ends[which]);
            m_ends[which] = -1;
        }
    }

private:
    int m_ends[2] = {-1, -1};
};

/// Runs the program once; the clock, when given, stops when it says it is idle, not while it ends. The
/// program waits for the end of its input before it ends, so its memory is read from its own status: a
/// child's resource usage would report the most this process ever held, which it keeps across exec.
Start startOnce(benchmark::State* clock, const ProgramFolder& folder, std::vector<std::string>& environment,
                bool afterCount) {
    std::vector<char*> envp;
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::string program = folder.program().string();
    char* argv[] = {program.data(), nullptr};
    Start start;
    Pipe input;
    Pipe output;
    if (!input || !output) {
        return start;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input.end(0), STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output.end(1), STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, argv[0], &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    input.closeEnd(0);
    output.closeEnd(1);
    if (spawned != 0) {
        return start;
    }
    std::string said;
    start.idle = waitForLine(output.end(0), said, "idle");
    if (clock != nullptr) {
        clock->PauseTiming();
    }
    start.idlePeakMegabytes = processStatusMegabytes(child, "VmHWM:").value_or(0);
    if (afterCount && start.idle) {
        start.counted = waitForLine(output.end(0), said, "counted");
        start.countedMegabytes = processStatusMegabytes(child, "VmRSS:").value_or(0);
        start.countedPeakMegabytes = processStatusMegabytes(child, "VmHWM:").value_or(0);
    }
    input.closeEnd(1);
    output.closeEnd(0);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (clock != nullptr) {
        clock->ResumeTiming();
    }
    start.ended = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return start;
}

void startUp(benchmark::State& state, const fs::path& databases) {
    if (!fs::is_regular_file(databases / "Graukant.MDB") || !fs::is_regular_file(databases / "Filter.mdb")) {
        state.SkipWithError(("no databases in " + databases.string()).c_str());
        return;
    }
    const ProgramFolder folder(state, databases);
    if (!folder) {
        return;
    }
    std::vector<std::string> environment = programEnvironment(folder.folder(), "1");
    double megabytes = 0;
    for (auto _ : state) {
        const Start start = startOnce(&state, folder, environment, false);
        if (!start.idle || !start.ended) {
            state.SkipWithError("the program did not reach an idle main window and end by itself");
            return;
        }
        if (start.idlePeakMegabytes <= 0) {
            state.SkipWithError("the program ended before its memory was read");
            return;
        }
        megabytes = std::max(megabytes, start.idlePeakMegabytes);
    }
    state.counters["MB"] = megabytes;
    // Once more, untimed, up to where the list's count from the other thread is in.
    std::vector<std::string> counting = programEnvironment(folder.folder(), "counted");
    const Start counted = startOnce(nullptr, folder, counting, true);
    if (!counted.counted || !counted.ended || counted.countedMegabytes <= 0) {
        state.SkipWithError("the program did not say that its lists were counted");
        return;
    }
    state.counters["MB_counted"] = counted.countedMegabytes;
    state.counters["MB_counted_peak"] = counted.countedPeakMegabytes;
}

} // namespace

void addStartUpCases() {
    addCase(
        "startup_to_idle_window", [](benchmark::State& s) { startUp(s, databaseDir()); },
        Target{250, 100, false, kStarts});
    addCase(
        "startup_to_idle_window_floor",
        [](benchmark::State& s) { startUp(s, programFile().parent_path() / "Datenbank"); }, std::nullopt,
        std::nullopt, kStarts);
}

} // namespace bench
