#pragma once

#include <array>
#include <string>

namespace controls {
class ListBar;
}

namespace shell {

/// The pages the user keeps as favourites: mirrored as the items of the list bar's group "FAVORITEN"
/// (each a twin of its page's item, with that item's text and pictures) and kept in the per-user store
/// of application "Graukant2007", section "Favorites", keys "Fav01" to "Fav10" (the page number, "0"
/// for a page that is no favourite). A page without a stored value is a favourite, so a new user sees
/// all ten. Lives as long as the main window; does not own the list bar. Nothing throws: a store that
/// cannot be written keeps the favourites of this run only, and the user is told which file it was.
class Favorites {
public:
    static constexpr auto Application = "Graukant2007";
    static constexpr auto Section = "Favorites";

    /// Rebuilds the favourites group from the store. The open group stays as it is: the list bar keeps
    /// showing the group of the user's page, also after a language switch or a reconnect.
    void LoadFavorites(controls::ListBar& listBar);
    /// Makes the page a favourite unless it is one.
    void AddFavorite(controls::ListBar& listBar, int page);
    /// Takes the page out of the favourites if it is one.
    void RemoveFavorite(controls::ListBar& listBar, int page);
    void SaveFavorites() const;
    [[nodiscard]] bool IsFavorite(int page) const;

private:
    struct Entry {
        std::string pageText;
        int page = 0;
    };

    void makeFavorite(controls::ListBar& listBar, int page);

    /// Entry 0 stays empty; entries 1 to 10 are the pages.
    std::array<Entry, 11> m_entries{};
};

} // namespace shell
