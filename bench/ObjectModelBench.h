#pragma once

// The object model over the generated databases, as the program opens it: a program folder of the
// benchmark's own (workgroup file, text database, settings pointing at the generated files) in a
// temporary folder that also holds the user's settings, and one connected Application.

#include <benchmark/benchmark.h>
#include <memory>

namespace orvik::objects {
class Application;
}

namespace bench {

/// The connected application, made at the first call; skips the case (nullptr) when the
/// databases are missing or the connection fails.
[[nodiscard]] std::shared_ptr<orvik::objects::Application> application(benchmark::State& state);

} // namespace bench
