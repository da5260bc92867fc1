// The INI reader and writer: any file reads back unchanged when nothing is changed, and a value the
// writer accepts reads back as written, without hiding other keys. Input: file, section, key, value
// (separated by zero bytes).

#include "FuzzInput.h"
#include "platform/IniDocument.h"
#include "platform/TextCase.h"

using platform::IniDocument;

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

/// What the reader gives for a written value: trimmed, one pair of enclosing quotes removed.
std::string readBack(std::string_view value) {
    value = trimmed(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto texts = fuzz::parts(data, size, 4);
    const std::string& file = texts[0];
    const std::string& section = texts[1];
    const std::string& key = texts[2];
    const std::string& value = texts[3];

    IniDocument document = IniDocument::parse(file);
    if (document.text() != file) {
        fuzz::fail("an unchanged document does not give back its file");
    }
    if (!IniDocument::isSectionName(section) || !IniDocument::isKeyName(key) ||
        !IniDocument::isValue(value)) {
        return 0;
    }
    const auto before = document.entries(section);
    document.setValue(section, key, value);
    const IniDocument reread = IniDocument::parse(document.text());
    if (reread.value(section, key) != readBack(value)) {
        fuzz::fail("a written value does not read back");
    }
    // Every other key of the section keeps its value.
    const IniDocument original = IniDocument::parse(file);
    for (const auto& entry : before) {
        if (!platform::equalsIgnoreCase(trimmed(entry.first), trimmed(key)) &&
            reread.value(section, entry.first) != original.value(section, entry.first)) {
            fuzz::fail("writing one key changed another");
        }
    }
    if (reread.entries(section).size() < before.size()) {
        fuzz::fail("writing a key lost a key of its section");
    }
    return 0;
}
