#include "common/RunningProgram.h"

#include <utility>

namespace orvik::common {
namespace {

// Set by main before the first window and kept for the run; nothing else writes it.
std::optional<std::string>& slot() {
    static std::optional<std::string> folder;
    return folder;
}

} // namespace

RunningProgram::RunningProgram(std::string folder) : m_previous(std::exchange(slot(), std::move(folder))) {}

RunningProgram::~RunningProgram() {
    slot() = std::move(m_previous);
}

std::optional<std::string> RunningProgram::folder() {
    return slot();
}

} // namespace orvik::common
