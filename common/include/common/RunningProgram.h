#pragma once

#include <optional>
#include <string>

namespace orvik::common {

/// The folder of the program this process runs, for as long as an object of this class lives. While
/// one lives, ProgrammSettings reads and writes the INI file beside that program and ApplicationPath
/// reads that folder, whatever the per-user store names: the store names the copy started last (for
/// the tools that look it up), and a copy installed in another folder must not read or write this
/// one's settings. The program makes one in main for the whole run; a process without one (a tool, a
/// test of the libraries) follows the per-user store. The process has one such folder, as it has one
/// notifier; an object restores the folder before it when it goes. Throws nothing.
class RunningProgram {
public:
    explicit RunningProgram(std::string folder);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    /// The folder of the object made last that still lives; nullopt while none lives.
    [[nodiscard]] static std::optional<std::string> folder();

private:
    std::optional<std::string> m_previous;
};

} // namespace orvik::common
