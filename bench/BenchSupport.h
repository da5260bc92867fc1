#pragma once

// What every benchmark case shares: the generated databases, a native connection for the floors,
// the cases' targets and the table that compares each case with its floor.

#include <benchmark/benchmark.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace platform::db {
class Database;
}

namespace bench {

/// The folder of the generated databases: GK_BENCH_DB_DIR, or the build's bench-data.
[[nodiscard]] std::filesystem::path databaseDir();

/// Opens a generated database read-only through the database layer, as the program does; skips the
/// case with a message when the file is missing.
[[nodiscard]] std::shared_ptr<platform::db::Database> openGenerated(benchmark::State& state,
                                                                    const std::string& fileName);

/// A read-only SQLite connection with the layer's collation and functions, for the floors.
class NativeDatabase {
public:
    NativeDatabase(benchmark::State& state, const std::string& fileName);
    ~NativeDatabase();
    NativeDatabase(const NativeDatabase&) = delete;
    NativeDatabase& operator=(const NativeDatabase&) = delete;

    [[nodiscard]] explicit operator bool() const { return m_db != nullptr; }
    /// Prepares `sql` once; skips the case on failure (nullptr).
    [[nodiscard]] sqlite3_stmt* prepare(const std::string& sql);
    /// Steps `stmt` to its end, reading every column of every row as the layer does; returns the rows.
    std::int64_t readAll(sqlite3_stmt* stmt);
    /// readAll, calling `atRow` at each row once its columns are read (a statement whose rows feed
    /// the next one); returns the rows.
    std::int64_t readEach(sqlite3_stmt* stmt, const std::function<void()>& atRow);
    /// The floor loop of a statement without parameters: readAll at every iteration, the rows counted.
    void run(benchmark::State& state, sqlite3_stmt* stmt);

private:
    benchmark::State& m_state;
    sqlite3* m_db = nullptr;
    std::vector<sqlite3_stmt*> m_statements;
};

/// Heap memory in use by this process, in MB.
[[nodiscard]] double heapMegabytes();
/// Resident memory of this process (the pages it has in RAM, mapped files included), in MB.
[[nodiscard]] double residentMegabytes();
/// Resident memory of this process that no file backs (heap, the database pages it copied), in MB:
/// what it holds of its own, beside the pages of the database files it reads in place.
[[nodiscard]] double anonymousMegabytes();

/// One line of another process's status ("VmHWM:", the most it held resident; "VmRSS:"), in MB;
/// nothing once the process has ended (or freed its memory as a zombie).
[[nodiscard]] std::optional<double> processStatusMegabytes(int pid, std::string_view field);

/// What a case must reach: a median time, and a memory bound where the issue names one.
struct Target {
    double milliseconds = 0;
    std::optional<double> megabytes;
    /// The case must also stand within 1.3 times its floor; without, the floor is shown for
    /// comparison only (a step of a few milliseconds whose target is the time itself).
    bool nearFloor = true;
    /// Runs of the case per repetition, when each needs an untimed setup far longer than the step
    /// it times; otherwise as many as Google Benchmark's minimum time asks.
    std::optional<int> iterations;

    Target(double ms, std::optional<double> mb = std::nullopt, bool nearItsFloor = true,
           std::optional<int> runs = std::nullopt)
        : milliseconds(ms), megabytes(mb), nearFloor(nearItsFloor), iterations(runs) {}
};

/// Registers a case with its target, or a floor (named `<case>_floor`) without one. With `rows`, the
/// case fails unless its `rows` counter holds exactly that many; a case that counts no rows fails too.
/// `runs` fixes the runs per repetition of a floor whose case fixes its own (Target's `runs`).
void addCase(const std::string& name, std::function<void(benchmark::State&)> run,
             std::optional<Target> target = std::nullopt, std::optional<std::int64_t> rows = std::nullopt,
             std::optional<int> runs = std::nullopt);

/// Console output as usual, then one line per case: ours, floor, ratio, target, met.
class TableReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& reports) override;
    void Finalize() override;

private:
    struct Result {
        std::string name;
        double milliseconds;
        std::optional<double> megabytes;
        std::string error;
    };
    std::vector<Result> m_results;
};

/// Every case of the program; each file adds its own.
void addCombinationCases();
void addDesignationSearchCases();
void addListWindowCases();
void addMaterialCases();
void addPrintCases();
void addPropertyWindowCases();
void addRecordsetCases();
void addSearchCases();
void addSearchWindowCases();
void addStartUpCases();
void addTextCases();

} // namespace bench
