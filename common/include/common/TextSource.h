#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvik::common {

/// The text columns of `tab_text` and `tab_controls`, one per value of `Language` in its order.
inline constexpr std::array<std::string_view, 4> LanguageTextColumns{"german", "france", "english",
                                                                     "selfdefine"};

/// The column of the user's own texts.
inline constexpr std::string_view SelfDefinedTextColumn = LanguageTextColumns[3];

/// The text column of a `Language` value; one that names no language reads as German.
[[nodiscard]] constexpr std::string_view languageTextColumn(std::int32_t language) noexcept {
    return language > 0 && language < static_cast<std::int32_t>(LanguageTextColumns.size())
               ? LanguageTextColumns[static_cast<std::size_t>(language)]
               : LanguageTextColumns[0];
}

/// The four text columns of one record of `tab_text` or `tab_controls`; a null column is empty.
struct TextRecord {
    std::optional<std::string> german;
    std::optional<std::string> france;
    std::optional<std::string> english;
    std::optional<std::string> selfdefine;
};

/// The text database as the text service reads and fills it. The tables are opened on request and
/// stay open; any member may throw platform::CallError when the database fails, and a table that
/// failed to open is opened again at the next request.
class TextSource {
public:
    virtual ~TextSource() = default;
    /// Opens the database file (once; later calls with another file keep the open one) and `tab_text`.
    virtual void openTextTable(const std::string& databaseFile) = 0;
    /// The same for `tab_controls`.
    virtual void openControlTable(const std::string& databaseFile) = 0;
    [[nodiscard]] virtual bool textTableOpen() const = 0;
    [[nodiscard]] virtual bool controlTableOpen() const = 0;
    /// The record of `tab_text` with this id, none when there is none; the text table must be open.
    [[nodiscard]] virtual std::optional<TextRecord> findText(std::int32_t id) = 0;
    /// The record of `tab_controls` with these ids (compared without regard to case), none when
    /// there is none; the control table must be open.
    [[nodiscard]] virtual std::optional<TextRecord> findControl(std::string_view formId,
                                                                std::string_view controlId) = 0;
    /// Adds a caption record and its width record unless the control already has one; needs an
    /// open database. Returns false when the record existed.
    virtual bool addControl(std::string_view formId, std::string_view controlId, std::string_view german,
                            std::int32_t width) = 0;
};

} // namespace orvik::common
