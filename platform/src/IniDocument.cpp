#include "platform/IniDocument.h"

#include "platform/TextCase.h"

namespace platform {
namespace {

std::string_view trimSpace(std::string_view text) noexcept {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<std::string_view> sectionName(std::string_view line) {
    const auto trimmed = trimSpace(line);
    if (!trimmed.starts_with('[')) {
        return std::nullopt;
    }
    const auto close = trimmed.find(']');
    return trimSpace(trimmed.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view line) {
    const auto trimmed = trimSpace(line);
    if (trimmed.empty() || trimmed.starts_with(';') || trimmed.starts_with('[')) {
        return std::nullopt;
    }
    const auto equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return KeyLine{trimSpace(trimmed.substr(0, equals)), trimSpace(trimmed.substr(equals + 1))};
}

std::string unquoted(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return std::string(value.substr(1, value.size() - 2));
    }
    return std::string(value);
}

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool hasLineBreak(std::string_view text) noexcept {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

bool IniDocument::isSectionName(std::string_view name) noexcept {
    return !trimSpace(name).empty() && !hasLineBreak(name) && name.find(']') == std::string_view::npos;
}

bool IniDocument::isKeyName(std::string_view name) noexcept {
    const auto trimmed = trimSpace(name);
    return !trimmed.empty() && !hasLineBreak(name) && name.find('=') == std::string_view::npos &&
           !trimmed.starts_with(';') && !trimmed.starts_with('[');
}

bool IniDocument::isValue(std::string_view value) noexcept {
    return !hasLineBreak(value);
}

IniDocument IniDocument::parse(std::string_view content) {
    IniDocument document;
    if (content.starts_with(ByteOrderMark)) {
        content.remove_prefix(ByteOrderMark.size());
        document.m_byteOrderMark = true;
    }
    while (!content.empty()) {
        const auto end = content.find('\n');
        auto line = content.substr(0, end);
        auto ending = end == std::string_view::npos ? Ending::None : Ending::Lf;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
            ending = ending == Ending::Lf ? Ending::CrLf : Ending::Cr;
        }
        document.m_lines.push_back(Line{std::string(line), ending});
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    }
    return document;
}

std::string IniDocument::text() const {
    std::string result(m_byteOrderMark ? ByteOrderMark : std::string_view{});
    const auto added = newLineEnding();
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const auto& line = m_lines[i];
        result += line.text;
        // A last line without a line break keeps it so, unless lines were added after it.
        auto ending = line.ending;
        if (i + 1 < m_lines.size()) {
            ending = ending == Ending::None ? added : ending == Ending::Cr ? Ending::CrLf : ending;
        }
        switch (ending) {
        case Ending::None:
            break;
        case Ending::Lf:
            result += '\n';
            break;
        case Ending::CrLf:
            result += "\r\n";
            break;
        case Ending::Cr:
            result += '\r';
            break;
        }
    }
    return result;
}

IniDocument::Ending IniDocument::newLineEnding() const noexcept {
    // Added lines follow the ending most of the file's lines have.
    std::size_t crlf = 0;
    std::size_t lf = 0;
    for (const auto& line : m_lines) {
        crlf += line.ending == Ending::CrLf ? 1 : 0;
        lf += line.ending == Ending::Lf ? 1 : 0;
    }
    return crlf > lf ? Ending::CrLf : Ending::Lf;
}

void IniDocument::insertLine(std::size_t at, std::string text) {
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), newLineEnding()});
}

std::optional<IniDocument::Range> IniDocument::findSection(std::string_view section) const {
    const auto wanted = trimSpace(section);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionName(m_lines[i].text);
        if (!name || !equalsIgnoreCase(*name, wanted)) {
            continue;
        }
        std::size_t end = i + 1;
        while (end < m_lines.size() && !sectionName(m_lines[end].text)) {
            ++end;
        }
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::findKey(const Range& range, std::string_view key) const {
    const auto wanted = trimSpace(key);
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const auto entry = keyLine(m_lines[i].text);
        if (entry && equalsIgnoreCase(entry->key, wanted)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
    const auto range = findSection(section);
    if (!range) {
        return std::nullopt;
    }
    const auto line = findKey(*range, key);
    if (!line) {
        return std::nullopt;
    }
    return unquoted(keyLine(m_lines[*line].text)->value);
}

IniDocument::Entries IniDocument::entries(std::string_view section) const {
    Entries result;
    const auto range = findSection(section);
    if (!range) {
        return result;
    }
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        if (const auto entry = keyLine(m_lines[i].text)) {
            result.emplace_back(std::string(entry->key), unquoted(entry->value));
        }
    }
    return result;
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    const auto range = findSection(section);
    auto entry = std::string(trimSpace(key)) + "=" + std::string(value);
    if (!range) {
        if (!m_lines.empty() && !trimSpace(m_lines.back().text).empty()) {
            insertLine(m_lines.size(), {});
        }
        std::string header(1, '[');
        header += trimSpace(section);
        header += ']';
        insertLine(m_lines.size(), std::move(header));
        insertLine(m_lines.size(), std::move(entry));
        return;
    }
    if (const auto line = findKey(*range, key)) {
        // Keep the key as the file spells it.
        auto& text = m_lines[*line].text;
        text = std::string(keyLine(text)->key) + "=" + std::string(value);
        return;
    }
    // After the section's last non-blank line, so that a blank line before the next section stays.
    std::size_t at = range->end;
    while (at > range->header + 1 && trimSpace(m_lines[at - 1].text).empty()) {
        --at;
    }
    insertLine(at, std::move(entry));
}

bool IniDocument::removeKey(std::string_view section, std::string_view key) {
    const auto range = findSection(section);
    if (!range) {
        return false;
    }
    const auto line = findKey(*range, key);
    if (!line) {
        return false;
    }
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(*line));
    return true;
}

bool IniDocument::removeSection(std::string_view section) {
    const auto range = findSection(section);
    if (!range) {
        return false;
    }
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(range->header),
                  m_lines.begin() + static_cast<std::ptrdiff_t>(range->end));
    return true;
}

} // namespace platform
