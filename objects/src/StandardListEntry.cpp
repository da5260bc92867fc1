#include "objects/StandardListEntry.h"

#include "common/TextID.h"
#include "common/cls_Language.h"
#include "objects/Application.h"

namespace orvik::objects {

std::string StandardListEntry::GetInfo(Application& app) const {
    constexpr const char* Crlf = "\r\n";
    using orvik::common::Language;
    using orvik::common::TextID;
    const auto language = static_cast<Language>(app.LanguageObject()->Language());
    // The user-defined language reads the English columns, as it does everywhere else.
    const auto& country = language == Language::German   ? CountryDe
                          : language == Language::French ? CountryFr
                                                         : CountryEn;
    const auto& title = language == Language::German   ? TitleDe
                        : language == Language::French ? TitleFr
                                                       : TitleEn;
    auto& texts = *app.LanguageObject();

    std::string text = country + Crlf + Dokument + Crlf;
    if (!title.empty()) {
        text += title + Crlf;
    }
    if (!IntConformity.empty()) {
        text += texts.getTextFromDB(TextID::InternationaleUebereinstimmung) + Crlf + IntConformity;
    }
    if (!ReplacedBy.empty()) {
        text += Crlf + texts.getTextFromDB(TextID::Nachfolgedokument) + Crlf + ReplacedBy;
    }
    if (!Replaces.empty()) {
        text += Crlf + texts.getTextFromDB(TextID::Vorgaengerdokument) + Crlf + Replaces;
    }
    return text;
}

} // namespace orvik::objects
