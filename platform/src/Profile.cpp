#include "platform/Profile.h"

#include "IniFileCache.h"
#include "ProfileLock.h"
#include "platform/AtomicFile.h"
#include "platform/TextCase.h"

#include <functional>
#include <optional>

namespace platform {
namespace {

std::optional<IniDocument> load(const std::filesystem::path& file) {
    std::string content;
    if (!readWholeFile(file, content)) {
        return std::nullopt;
    }
    return IniDocument::parse(content);
}

/// The document to change: the file's, or an empty one for a file that does not exist yet. A file
/// that exists but cannot be read gives nothing, so it is never overwritten with a fragment.
std::optional<IniDocument> loadForChange(const std::filesystem::path& file) {
    if (auto document = load(file)) {
        return document;
    }
    std::error_code ec;
    if (std::filesystem::exists(file, ec) || ec) {
        return std::nullopt;
    }
    return IniDocument{};
}

/// Reads, changes and writes the file while no other process changes or reads it, so that two
/// copies writing different keys at once keep both.
bool change(const std::filesystem::path& file, const std::function<bool(IniDocument&)>& edit) {
    const ProfileLock lock(file, LockFile::Mode::Exclusive);
    auto document = loadForChange(file);
    if (!document) {
        return false;
    }
    if (!edit(*document)) {
        return true;
    }
    return AtomicFile::write(file, document->text());
}

} // namespace

std::string readProfileString(std::string_view section, std::string_view key, std::string_view defaultValue,
                              const std::filesystem::path& file) {
    const auto document = cachedIniDocument(file);
    if (document) {
        if (auto value = document->value(section, key)) {
            return std::move(*value);
        }
    }
    return std::string(trimTrailingBlanks(defaultValue));
}

IniDocument::Entries readProfileSection(std::string_view section, const std::filesystem::path& file) {
    const auto document = cachedIniDocument(file);
    return document ? document->entries(section) : IniDocument::Entries{};
}

bool writeProfileString(std::string_view section, std::string_view key, std::string_view value,
                        const std::filesystem::path& file) {
    if (!IniDocument::isSectionName(section) || !IniDocument::isKeyName(key) ||
        !IniDocument::isValue(value)) {
        return false;
    }
    return change(file, [&](IniDocument& document) {
        document.setValue(section, key, value);
        return true;
    });
}

bool deleteProfileKey(std::string_view section, std::string_view key, const std::filesystem::path& file) {
    return change(file, [&](IniDocument& document) { return document.removeKey(section, key); });
}

bool deleteProfileSection(std::string_view section, const std::filesystem::path& file) {
    return change(file, [&](IniDocument& document) { return document.removeSection(section); });
}

} // namespace platform
