#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

/// The text of a profile (INI) file with the private-profile rules of the Windows platform: section
/// and key names compare without regard to case and without surrounding blanks, values lose blanks
/// and tabs at both ends and one pair of enclosing quotes, lines starting with ';' are comments. Only
/// the lines a change touches are rewritten: comments, order, layout, line endings and a byte-order
/// mark of the rest stay.
class IniDocument {
public:
    using Entries = std::vector<std::pair<std::string, std::string>>;

    /// Whether a name, written as a section header or a key, reads back as that name. Refused are empty
    /// names, line breaks, a ']' in a section, and in a key a '=' or a ';' or '[' at its start (the
    /// line would read as a comment or a section header).
    [[nodiscard]] static bool isSectionName(std::string_view name) noexcept;
    [[nodiscard]] static bool isKeyName(std::string_view name) noexcept;
    /// A value reads back (trimmed and unquoted) when it holds no line break.
    [[nodiscard]] static bool isValue(std::string_view value) noexcept;

    [[nodiscard]] static IniDocument parse(std::string_view content);
    [[nodiscard]] std::string text() const;

    [[nodiscard]] std::optional<std::string> value(std::string_view section, std::string_view key) const;
    /// The keys of a section with their values, in file order; empty for a missing section.
    [[nodiscard]] Entries entries(std::string_view section) const;

    /// Replaces the value of an existing key, else adds the key at the end of its section, else adds
    /// the section at the end of the document. The names and the value must pass the checks above.
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    /// True when something was removed.
    bool removeKey(std::string_view section, std::string_view key);
    bool removeSection(std::string_view section);

private:
    struct Range {
        std::size_t header; // line of "[section]"
        std::size_t end;    // one past the section's last line
    };
    [[nodiscard]] std::optional<Range> findSection(std::string_view section) const;
    [[nodiscard]] std::optional<std::size_t> findKey(const Range& range, std::string_view key) const;

    // Cr: a carriage return that ends the file, written as CRLF once lines follow it.
    enum class Ending { None, Lf, CrLf, Cr };
    struct Line {
        std::string text;
        Ending ending;
    };
    [[nodiscard]] Ending newLineEnding() const noexcept;
    void insertLine(std::size_t at, std::string text);

    std::vector<Line> m_lines;
    bool m_byteOrderMark = false;
};

} // namespace platform
