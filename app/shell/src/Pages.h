#pragma once

#include <QString>
#include <array>

namespace shell {

/// The ten pages of the main window, numbered 1 to 10 as the list bar counts its first two groups,
/// with the list-bar item that opens each, its favourite twin and its help context number.
struct Page {
    int number;
    const char* groupKey;
    const char* itemKey;
    const char* favoriteKey;
    int helpContextId;
    /// Only with a current steel.
    bool needsSteel;
};

inline constexpr std::array<Page, 10> Pages{{
    {1, "SUCHEN", "AUSWAHL", "FAV_AUSWAHL", 16, false},
    {2, "SUCHEN", "SUCHEN_ANALYSE", "FAV_SUCHEN_ANALYSE", 17, false},
    {3, "SUCHEN", "SUCHEN_MECH_EIGENSCHAFTEN", "FAV_SUCHEN_EIGENSCHAFTEN", 18, false},
    {4, "UEBERSICHT", "CHEM_ANALYSE", "FAV_ANALYSE", 19, true},
    {5, "UEBERSICHT", "LIEFERFIRMEN", "FAV_LIEFERFIRMEN", 25, true},
    {6, "UEBERSICHT", "MECH_EIGENSCHAFTEN", "FAV_MECH_EIGENSCHAFTEN", 20, true},
    {7, "UEBERSICHT", "PHYS_EIGENSCHAFTEN", "FAV_PHYS_EIGENSCHAFTEN", 21, true},
    {8, "UEBERSICHT", "WBH_EIGENSCHAFTEN", "FAV_WBH_EIGENSCHAFTEN", 22, true},
    {9, "UEBERSICHT", "INFO", "FAV_INFO", 23, true},
    {10, "UEBERSICHT", "NORMENVERGLEICH", "FAV_NORMENVERGLEICH", 24, true},
}};

inline constexpr auto FavoritesGroupKey = "FAVORITEN";

/// The page an item key opens, a favourite twin counting as its page; nullptr for any other key.
[[nodiscard]] inline const Page* pageOfKey(const QString& key) {
    for (const Page& page : Pages) {
        if (key == QLatin1String(page.itemKey) || key == QLatin1String(page.favoriteKey)) {
            return &page;
        }
    }
    return nullptr;
}

[[nodiscard]] inline const Page* pageOfNumber(int number) {
    return number >= 1 && number <= static_cast<int>(Pages.size())
               ? &Pages[static_cast<std::size_t>(number - 1)]
               : nullptr;
}

} // namespace shell
