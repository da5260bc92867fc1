#pragma once

// What the window cases share: the event loop run until the window is idle, and the connection a
// case searches on.

#include <benchmark/benchmark.h>
#include <memory>

namespace orvik::objects {
class Application;
}

namespace bench {

/// Runs posted events and paints until nothing is left to do.
void settleWindow();

/// The run's connection, or with `first` one opened now, as the first search after start-up finds
/// it; skips the case (nullptr) when none can be opened.
[[nodiscard]] std::shared_ptr<orvik::objects::Application> windowApplication(benchmark::State& state,
                                                                             bool first);

} // namespace bench
