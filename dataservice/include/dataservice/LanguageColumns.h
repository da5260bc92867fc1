#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvik::dataservice {

/// The five column names of one language-dependent column, by Language value: German `_D`, French
/// `_F`, English `_E`, user-defined `_E`, and slot 4 without a column. Filled once, never changed.
class LanguageColumns {
public:
    explicit LanguageColumns(std::string_view stem);

    /// The column for `lang`. Throws CallError 9 for a value outside 0 to 4 and CallError 5 for
    /// slot 4, which names no column, so a query with it fails before it reaches the engine.
    [[nodiscard]] const std::string& column(std::int32_t lang) const;

private:
    std::array<std::string, 5> m_columns;
};

} // namespace orvik::dataservice
