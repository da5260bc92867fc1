#include "RunningCopy.h"

#include "platform/LockFile.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <fstream>
#include <map>
#include <mutex>
#include <random>
#include <sstream>
#include <unistd.h>

namespace orvik::common {
namespace {

constexpr std::size_t kRandomLength = 8;
constexpr std::size_t kHostLength = 64;
constexpr std::chrono::seconds kPatience(5);

bool isAlnum(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}
bool isDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string hostName() {
    char buffer[256] = {};
    if (::gethostname(buffer, sizeof buffer - 1) != 0 || buffer[0] == '\0') {
        return "host";
    }
    std::string host(buffer);
    host.resize(std::min(host.size(), kHostLength));
    for (char& c : host) {
        if (!isAlnum(c) && c != '.' && c != '-') {
            c = '-';
        }
    }
    return host;
}

/// Field 22 of /proc/self/stat, after the command name in parentheses (which may hold blanks).
std::string startTime() {
    std::ifstream in("/proc/self/stat");
    const std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto close = stat.rfind(')');
    if (close == std::string::npos) {
        return "0";
    }
    std::istringstream fields(stat.substr(close + 1));
    std::string field;
    for (int number = 3; number <= 22 && (fields >> field); ++number) {
    }
    return isDigits(field) ? field : "0";
}

std::string randomLetters() {
    static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string letters;
    for (std::size_t i = 0; i < kRandomLength; ++i) {
        letters += kLetters[pick(device)];
    }
    return letters;
}

/// The copy's name and locks; started again in a forked child, whose parent keeps its own.
struct State {
    std::mutex mutex;
    pid_t pid = 0;
    std::string id;
    std::map<std::string, platform::LockFile> held;

    void forThisProcess() {
        if (pid == ::getpid()) {
            return;
        }
        // Closing the inherited descriptors leaves the parent's locks with the parent.
        held.clear();
        pid = ::getpid();
        id = hostName() + "_" + std::to_string(pid) + "_" + startTime() + "_" + randomLetters();
    }
};

State& state() {
    static State instance;
    return instance;
}

} // namespace

std::string RunningCopy::id() {
    State& s = state();
    const std::lock_guard lock(s.mutex);
    s.forThisProcess();
    return s.id;
}

bool RunningCopy::isId(std::string_view name) {
    std::string_view parts[4];
    for (int i = 3; i > 0; --i) {
        const auto cut = name.rfind('_');
        if (cut == std::string_view::npos) {
            return false;
        }
        parts[i] = name.substr(cut + 1);
        name = name.substr(0, cut);
    }
    parts[0] = name;
    return !parts[0].empty() &&
           std::all_of(parts[0].begin(), parts[0].end(),
                       [](char c) { return isAlnum(c) || c == '.' || c == '-'; }) &&
           isDigits(parts[1]) && isDigits(parts[2]) && parts[3].size() == kRandomLength &&
           std::all_of(parts[3].begin(), parts[3].end(), isAlnum);
}

bool RunningCopy::hold(const std::filesystem::path& lockFile) {
    try {
        State& s = state();
        const std::lock_guard lock(s.mutex);
        s.forThisProcess();
        const std::string key = lockFile.lexically_normal().string();
        if (const auto found = s.held.find(key); found != s.held.end()) {
            if (found->second.stillNamed()) {
                return true;
            }
            s.held.erase(found); // its file was removed: taken again, so that it shows this copy runs
        }
        auto taken = platform::LockFile::take(lockFile, platform::LockFile::Mode::Exclusive,
                                              platform::LockFile::Create::Yes, kPatience);
        if (!taken) {
            return false;
        }
        s.held.emplace(key, std::move(*taken));
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace orvik::common
