// Starting the program as a user does: from its start until its main window waits for the user, in
// a process of its own each time (not while it ends), with the most memory the process held resident. On the
// generated database, and as the floor on the sample databases: what start-up costs whatever the database.
//
// The program runs from a folder of its own (a copy of the program file, its INI file naming the
// databases, its text database and print template linked in) on Qt's offscreen platform, and ends
// where it would first wait for input (GK_QUIT_WHEN_IDLE). GK_BENCH_PROGRAM names another build of
// the program to start, for a figure of before and after a change in one run.

#include "BenchSupport.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/resource.h>
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
std::vector<std::string> programEnvironment(const fs::path& folder) {
    const std::vector<std::string> own = {
        "QT_QPA_PLATFORM=offscreen",
        "GK_QUIT_WHEN_IDLE=1",
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
    bool idle = false;    // the program said it waits for the user
    bool ended = false;   // then ended by itself, with exit code 0
    double megabytes = 0; // the most it held resident
};

/// Reads the child's standard output until it says it is idle (true) or closes it (false).
bool waitForIdle(int output) {
    std::string said;
    char buffer[256];
    for (;;) {
        const ssize_t n = ::read(output, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        said.append(buffer, static_cast<std::size_t>(n));
        if (said.find("idle\n") != std::string::npos) {
            return true;
        }
    }
}

/// Runs the program once; the clock stops when it says it is idle, not while it ends.
Start startOnce(benchmark::State& state, const ProgramFolder& folder, std::vector<std::string>& environment) {
    std::vector<char*> envp;
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::string program = folder.program().string();
    char* argv[] = {program.data(), nullptr};
    Start start;
    int output[2];
    if (::pipe(output) != 0) {
        return start;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(output[1], STDOUT_FILENO);
        ::close(output[0]);
        ::close(output[1]);
        (void)::freopen("/dev/null", "w", stderr);
        ::execve(argv[0], argv, envp.data());
        ::_exit(127);
    }
    ::close(output[1]);
    if (child < 0) {
        ::close(output[0]);
        return start;
    }
    start.idle = waitForIdle(output[0]);
    state.PauseTiming();
    ::close(output[0]);
    int status = 0;
    struct rusage usage {};
    while (::wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    state.ResumeTiming();
    start.ended = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    start.megabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
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
    std::vector<std::string> environment = programEnvironment(folder.folder());
    double megabytes = 0;
    for (auto _ : state) {
        const Start start = startOnce(state, folder, environment);
        if (!start.idle || !start.ended) {
            state.SkipWithError("the program did not reach an idle main window and end by itself");
            return;
        }
        megabytes = std::max(megabytes, start.megabytes);
    }
    state.counters["MB"] = megabytes;
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
