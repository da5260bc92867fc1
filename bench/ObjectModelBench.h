#pragma once

// The object model over the generated databases, as the program opens it: a program folder of the
// benchmark's own (workgroup file, text database, settings pointing at the generated files) in a
// temporary folder that also holds the user's settings, and one connected Application.

#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace platform::db {
class Database;
}

namespace orvik::objects {
class Application;
}

namespace bench {

/// The benchmark's program folder (its Daten folder holds the print template).
[[nodiscard]] std::filesystem::path programFolder();

/// The connected application, made at the first call; skips the case (nullptr) when the
/// databases are missing or the connection fails.
[[nodiscard]] std::shared_ptr<orvik::objects::Application> application(benchmark::State& state);

/// A steel with the first of its designations and that designation's first occurrence, as
/// Application::Material takes them.
struct MaterialPick {
    std::string steel;
    std::string designation;
    std::int64_t occurrence = 0;
};
[[nodiscard]] std::optional<MaterialPick> firstOccurrence(platform::db::Database& db,
                                                          const std::string& steel);

} // namespace bench
