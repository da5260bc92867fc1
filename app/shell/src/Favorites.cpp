#include "Favorites.h"

#include "ListBar.h"
#include "Pages.h"
#include "common/ProgrammSettings.h"
#include "platform/CallError.h"
#include "platform/UserSettings.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace shell {
namespace {

std::string storeKey(int page) {
    char key[8];
    std::snprintf(key, sizeof key, "Fav%02d", page);
    return key;
}

/// The stored value as a number; a value that is no number counts as none (0).
int storedPage(int page) {
    const std::string value =
        platform::GetSetting(Favorites::Application, Favorites::Section, storeKey(page), "1");
    int number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    return error == std::errc{} && end == value.data() + value.size() ? number : 0;
}

} // namespace

void Favorites::LoadFavorites(controls::ListBar& listBar) {
    const int group = listBar.groupByKey(QLatin1String(FavoritesGroupKey));
    if (group > 0) {
        listBar.clearItems(group);
    }
    for (const Page& page : Pages) {
        m_entries[static_cast<std::size_t>(page.number)] = {};
        if (storedPage(page.number) == 0) {
            continue;
        }
        makeFavorite(listBar, page.number);
    }
}

void Favorites::AddFavorite(controls::ListBar& listBar, int page) {
    if (pageOfNumber(page) == nullptr || IsFavorite(page)) {
        return;
    }
    makeFavorite(listBar, page);
}

void Favorites::RemoveFavorite(controls::ListBar& listBar, int page) {
    const Page* known = pageOfNumber(page);
    if (known == nullptr || m_entries[static_cast<std::size_t>(page)].page == 0) {
        return;
    }
    listBar.removeItem(QLatin1String(known->favoriteKey));
    m_entries[static_cast<std::size_t>(page)] = {};
}

void Favorites::SaveFavorites() const {
    for (const Page& page : Pages) {
        try {
            platform::SaveSetting(Application, Section, storeKey(page.number),
                                  std::to_string(m_entries[static_cast<std::size_t>(page.number)].page));
        } catch (const platform::CallError&) {
            // The store cannot be written: this run's favourites are lost, the user learns where.
            orvik::common::ProgrammSettings::reportUnwritableFile(
                platform::userSettingsFile(Application).value_or(Application));
            return;
        }
    }
}

bool Favorites::IsFavorite(int page) const {
    return page != 0 && std::any_of(m_entries.begin(), m_entries.end(),
                                    [page](const Entry& entry) { return entry.page == page; });
}

void Favorites::makeFavorite(controls::ListBar& listBar, int page) {
    const Page& known = Pages[static_cast<std::size_t>(page - 1)];
    const QString source = QLatin1String(known.itemKey);
    const QString text = listBar.itemText(source).trimmed();
    m_entries[static_cast<std::size_t>(page)] = {text.toStdString(), page};
    const int group = listBar.groupByKey(QLatin1String(FavoritesGroupKey));
    listBar.addItem(group, QLatin1String(known.favoriteKey), text,
                    listBar.itemIcon(source, controls::ListBar::IconSize::Large),
                    listBar.itemIcon(source, controls::ListBar::IconSize::Small));
}

} // namespace shell
