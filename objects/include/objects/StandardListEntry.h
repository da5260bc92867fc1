#pragma once

#include <cstdint>
#include <string>

namespace orvik::objects {

class Application;

/// One entry of the standards pick list, with the texts its tooltip shows.
struct StandardListEntry {
    std::int32_t StandardId = 0;
    /// The standard type's id.
    std::int32_t StandardType = 0;
    /// The text the list shows.
    std::string Name;
    std::string Dokument;
    std::string CountryDe;
    std::string CountryFr;
    std::string CountryEn;
    std::string TitleDe;
    std::string TitleFr;
    std::string TitleEn;
    std::string IntConformity;
    std::string Replaces;
    std::string ReplacedBy;

    /// Country and document, the title, then the conformity, successor and predecessor documents
    /// under their captions (from `app`'s text service), lines ended by CRLF; in the current
    /// language, where the user-defined language reads the English texts.
    [[nodiscard]] std::string GetInfo(Application& app) const;
};

} // namespace orvik::objects
