#include "BenchSupport.h"

#include "platform/db/Dao.h"
#include "sql/SqliteExtensions.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <map>
#include <sqlite3.h>
#include <string_view>

namespace bench {
namespace {

// Filled by addCase before the run starts, read by the reporter at its end.
std::map<std::string, Target>& targets() {
    static std::map<std::string, Target> map;
    return map;
}

constexpr double kFloorRatio = 1.3;
constexpr std::string_view kFloorSuffix = "_floor";

std::string caseName(const benchmark::BenchmarkReporter::Run& run) {
    std::string name = run.run_name.function_name;
    return name;
}

} // namespace

std::filesystem::path databaseDir() {
    const char* dir = std::getenv("GK_BENCH_DB_DIR");
    return dir != nullptr ? std::filesystem::path(dir) : std::filesystem::path(GK_BENCH_DEFAULT_DB_DIR);
}

std::shared_ptr<platform::db::Database> openGenerated(benchmark::State& state, const std::string& fileName) {
    const std::filesystem::path path = databaseDir() / fileName;
    if (!std::filesystem::is_regular_file(path)) {
        state.SkipWithError(("no generated database at " + path.string()).c_str());
        return nullptr;
    }
    const platform::db::DBEngine engine;
    return engine.createWorkspace("Bench", "Admin", "")->openDatabase(path.string(), false, true);
}

NativeDatabase::NativeDatabase(benchmark::State& state, const std::string& fileName) : m_state(state) {
    const std::filesystem::path path = databaseDir() / fileName;
    if (!std::filesystem::is_regular_file(path)) {
        state.SkipWithError(("no generated database at " + path.string()).c_str());
        return;
    }
    if (sqlite3_open_v2(path.c_str(), &m_db, platform::db::connectionOpenFlags(true), nullptr) != SQLITE_OK) {
        state.SkipWithError(sqlite3_errmsg(m_db));
        sqlite3_close(m_db);
        m_db = nullptr;
        return;
    }
    platform::db::registerJetExtensions(m_db);
    platform::db::applyConnectionSettings(m_db, true);
}

NativeDatabase::~NativeDatabase() {
    for (sqlite3_stmt* stmt : m_statements) {
        sqlite3_finalize(stmt);
    }
    sqlite3_close(m_db);
}

sqlite3_stmt* NativeDatabase::prepare(const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        m_state.SkipWithError(sqlite3_errmsg(m_db));
        return nullptr;
    }
    m_statements.push_back(stmt);
    return stmt;
}

std::int64_t NativeDatabase::readAll(sqlite3_stmt* stmt) {
    return readEach(stmt, {});
}

std::int64_t NativeDatabase::readEach(sqlite3_stmt* stmt, const std::function<void()>& atRow) {
    std::int64_t rows = 0;
    const int columns = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            if (sqlite3_column_type(stmt, c) == SQLITE_TEXT) {
                benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
            } else {
                benchmark::DoNotOptimize(sqlite3_column_int64(stmt, c));
            }
        }
        if (atRow) {
            atRow();
        }
        ++rows;
    }
    sqlite3_reset(stmt);
    return rows;
}

void NativeDatabase::run(benchmark::State& state, sqlite3_stmt* stmt) {
    std::int64_t rows = 0;
    for (auto _ : state) {
        rows = readAll(stmt);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

double heapMegabytes() {
    // Heap in use rather than resident pages: freed blocks that the allocator keeps would hide
    // what a later repetition allocates. Large allocations are mapped on their own and counted apart.
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

namespace {

// One line of a process's status file ("VmRSS:", "RssAnon:"), in MB; nothing when it is missing.
std::optional<double> statusMegabytes(const std::string& statusFile, std::string_view field) {
    std::FILE* file = std::fopen(statusFile.c_str(), "r");
    if (file == nullptr) {
        return std::nullopt;
    }
    char line[256];
    std::optional<double> kilobytes;
    while (std::fgets(line, sizeof line, file) != nullptr) {
        if (std::string_view(line).starts_with(field)) {
            kilobytes = std::atof(line + field.size());
            break;
        }
    }
    std::fclose(file);
    if (!kilobytes) {
        return std::nullopt;
    }
    return *kilobytes / 1024.0;
}

double ownStatusMegabytes(std::string_view field) {
    return statusMegabytes("/proc/self/status", field).value_or(0);
}

} // namespace

std::optional<double> processStatusMegabytes(int pid, std::string_view field) {
    return statusMegabytes("/proc/" + std::to_string(pid) + "/status", field);
}

double residentMegabytes() {
    return ownStatusMegabytes("VmRSS:");
}

double anonymousMegabytes() {
    return ownStatusMegabytes("RssAnon:");
}

namespace {

// A case that returns no rows, or other rows than it should, measures nothing worth a figure.
void checkRows(benchmark::State& state, std::optional<std::int64_t> expected) {
    if (state.error_occurred()) {
        return;
    }
    const auto counter = state.counters.find("rows");
    if (counter == state.counters.end()) {
        if (expected) {
            state.SkipWithError("the case counts no rows");
        }
        return;
    }
    const auto rows = static_cast<std::int64_t>(counter->second.value);
    if (rows == 0 || (expected && rows != *expected)) {
        const std::string message = "returned " + std::to_string(rows) + " rows, expected " +
                                    (expected ? std::to_string(*expected) : std::string("some"));
        state.SkipWithError(message.c_str());
    }
}

} // namespace

void addCase(const std::string& name, std::function<void(benchmark::State&)> run,
             std::optional<Target> target, std::optional<std::int64_t> rows, std::optional<int> runs) {
    if (target) {
        targets().insert_or_assign(name, *target);
    }
    auto* registered = benchmark::RegisterBenchmark(name.c_str(),
                                                    [run = std::move(run), rows](benchmark::State& state) {
                                                        run(state);
                                                        checkRows(state, rows);
                                                    })
                           ->Unit(benchmark::kMillisecond)
                           ->UseRealTime();
    if (const auto iterations = target && target->iterations ? target->iterations : runs) {
        registered->Iterations(*iterations);
    }
}

void TableReporter::ReportRuns(const std::vector<Run>& reports) {
    ConsoleReporter::ReportRuns(reports);
    for (const Run& run : reports) {
        // With repetitions the median stands for the case; a single run stands for itself.
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (!median && !(run.run_type == Run::RT_Iteration && run.repetitions <= 1)) {
            continue;
        }
        Result result{caseName(run), run.GetAdjustedRealTime(), std::nullopt, run.error_message};
        if (const auto mb = run.counters.find("MB"); mb != run.counters.end()) {
            result.megabytes = mb->second.value;
        }
        m_results.push_back(std::move(result));
    }
}

void TableReporter::Finalize() {
    ConsoleReporter::Finalize();
    const auto find = [this](const std::string& name) -> const Result* {
        const auto it = std::find_if(m_results.begin(), m_results.end(),
                                     [&](const Result& r) { return r.name == name && r.error.empty(); });
        return it == m_results.end() ? nullptr : &*it;
    };
    std::printf("\n%-44s %14s %12s %7s %16s %5s\n", "case", "ours", "floor", "ratio", "target", "met");
    for (const Result& r : m_results) {
        const std::string& name = r.name;
        if (name.size() > kFloorSuffix.size() && name.ends_with(kFloorSuffix)) {
            continue;
        }
        if (!r.error.empty()) {
            std::printf("%-44s skipped: %s\n", name.c_str(), r.error.c_str());
            continue;
        }
        char ours[64];
        if (r.megabytes) {
            std::snprintf(ours, sizeof ours, "%.2f ms %.0f MB", r.milliseconds, *r.megabytes);
        } else {
            std::snprintf(ours, sizeof ours, "%.3f ms", r.milliseconds);
        }
        const Result* floor = find(name + std::string(kFloorSuffix));
        char floorText[32] = "-";
        char ratioText[16] = "-";
        double ratio = 0;
        if (floor != nullptr) {
            ratio = r.milliseconds / floor->milliseconds;
            std::snprintf(floorText, sizeof floorText, "%.3f ms", floor->milliseconds);
            std::snprintf(ratioText, sizeof ratioText, "%.2f", ratio);
        }
        char targetText[40] = "-";
        std::string met = "-";
        if (const auto t = targets().find(name); t != targets().end()) {
            const Target& target = t->second;
            if (target.megabytes) {
                std::snprintf(targetText, sizeof targetText, "%.0f ms %.0f MB", target.milliseconds,
                              *target.megabytes);
            } else {
                std::snprintf(targetText, sizeof targetText, "%.1f ms", target.milliseconds);
            }
            const bool inTime = r.milliseconds <= target.milliseconds;
            const bool inMemory = !target.megabytes || (r.megabytes && *r.megabytes <= *target.megabytes);
            const bool nearFloor = !target.nearFloor || floor == nullptr || ratio <= kFloorRatio;
            met = inTime && inMemory && nearFloor ? "yes" : "no";
        }
        std::printf("%-44s %14s %12s %7s %16s %5s\n", name.c_str(), ours, floorText, ratioText, targetText,
                    met.c_str());
    }
}

} // namespace bench
