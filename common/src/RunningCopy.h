#pragma once

// This process as one running copy of the program among others that share its folders: from other
// users, in other pid namespaces (containers) or on other machines. It gives the copy a name no other
// copy has, and holds the locks by which the others tell that it still runs; a lock is let go only when
// the process ends, also when it is killed. A forked child is a copy of its own, with a name of its own.
// Throws nothing.

#include <filesystem>
#include <string>
#include <string_view>

namespace orvik::common {

class RunningCopy {
public:
    /// "<host>_<process id>_<start time>_<random>": the host name (letters, digits, '.' and '-'), the
    /// process id and its start time in clock ticks after boot, and eight random letters or digits,
    /// which keep apart two copies that agree in all the rest (the first process of two containers
    /// with the same host name, started in the same tick). The same throughout the process's run.
    [[nodiscard]] static std::string id();

    /// Whether `name` has the form of an id.
    [[nodiscard]] static bool isId(std::string_view name);

    /// Takes the lock `lockFile` (made when missing) and holds it until the process ends; true when
    /// it is held, also from an earlier call.
    static bool hold(const std::filesystem::path& lockFile);
};

} // namespace orvik::common
