// The descriptive texts of a Material and the text builders of the data sheet.

#include "BoundManager.h"
#include "Rows.h"
#include "common/Helper.h"
#include "common/TextID.h"
#include "common/cls_Language.h"
#include "dataservice/DesignationManager.h"
#include "dataservice/InfoManager.h"
#include "objects/Application.h"
#include "objects/Connection.h"
#include "objects/Designations.h"
#include "objects/Material.h"
#include "objects/Standards.h"
#include "platform/CallError.h"
#include "platform/TextCase.h"

#include <array>
#include <exception>
#include <optional>

namespace orvik::objects {
namespace {

using orvik::common::TextID;
using orvik::dataservice::InfoManager;

constexpr const char* Crlf = "\r\n";
/// The heading of the range of application among the info titles.
constexpr std::int32_t RangeOfApplicationTitle = 5;
/// The info texts from this heading on belong to the data sheet.
constexpr std::int32_t FirstPrintTitle = 6;

/// A limit as a number: a number, or a text in the user's notation; nullopt for anything else.
std::optional<double> limitValue(const platform::Variant& value) {
    if (value.isNumeric()) {
        return platform::CDbl(value);
    }
    if (value.type() != platform::Variant::Type::Text) {
        return std::nullopt;
    }
    try {
        return orvik::common::Helper::Str2Dbl(value.asText());
    } catch (const platform::CallError&) {
        return std::nullopt;
    }
}

/// Null, Empty, a blank text and the given bound (0 for a minimum, 100 for a maximum) are no limit.
bool isLimit(const platform::Variant& value, double noLimit) {
    if (value.isNull() || value.isEmpty()) {
        return false;
    }
    const auto number = limitValue(value);
    if (number) {
        return *number != noLimit;
    }
    return !platform::trimBlanks(platform::CStr(value)).empty();
}

std::string limitText(const platform::Variant& value) {
    return std::string(platform::trimBlanks(platform::CStr(value)));
}

bool sameLimit(const platform::Variant& a, const platform::Variant& b) {
    const auto x = limitValue(a);
    const auto y = limitValue(b);
    return x && y ? *x == *y : limitText(a) == limitText(b);
}

} // namespace

std::string Material::JoinText(const platform::Variant& minimum, const platform::Variant& maximum,
                               const std::string& text, bool bracket) {
    const bool hasMin = isLimit(minimum, 0.0);
    const bool hasMax = isLimit(maximum, 100.0);
    std::string range;
    if (hasMax) {
        range = hasMin && sameLimit(minimum, maximum)
                    ? "~ " + limitText(maximum)
                    : (hasMin ? limitText(minimum) + " - " : "<=") + limitText(maximum);
    } else if (hasMin) {
        range = ">=" + limitText(minimum);
    }
    if (!range.empty()) {
        range += " " + std::string(platform::trimBlanks(text));
        if (bracket) {
            range = "(" + std::string(platform::trimBlanks(range)) + ")";
        }
    }
    return std::string(platform::trimBlanks(range));
}

std::string Material::RangeOfApplication() {
    std::string text;
    if (!connected("RangeOfApplication")) {
        return text;
    }
    trapped("RangeOfApplication", [&] {
        BoundManager<InfoManager> manager(relay());
        const auto rs = manager->GetInfoForSteelAndTitle(m_connection->Database(), m_steelId,
                                                         RangeOfApplicationTitle, language());
        if (rows::hasRows(rs)) {
            text = rows::text(*rs, "Info");
            rs->close();
        }
    });
    return text;
}

std::string Material::InfoForPrint() {
    std::string text;
    if (!connected("InfoForPrint")) {
        return text;
    }
    trapped("InfoForPrint", [&] {
        BoundManager<InfoManager> manager(relay());
        const auto rs = manager->GetInfosForSteel(m_connection->Database(), m_steelId, language());
        if (!rs) {
            return;
        }
        for (; !rs->eof(); rs->moveNext()) {
            const auto info = rs->field("Infotext");
            if (rows::number(*rs, "ID_Infotitel") >= FirstPrintTitle && !info.isNull()) {
                text += platform::CStr(info) + Crlf + Crlf;
            }
        }
        rs->close();
    });
    return text;
}

std::string Material::Info() {
    std::string text;
    if (!connected("Info")) {
        return text;
    }
    const bool complete = trapped("Info", [&] {
        BoundManager<InfoManager> manager(relay());
        const auto& db = m_connection->Database();
        // One reading of the settings for the headings and the texts.
        const std::int32_t shownIn = language();
        std::array<std::string, 4> headings;
        if (const auto titles = manager->GetInfoTitles(db, shownIn)) {
            for (; !titles->eof(); titles->moveNext()) {
                const auto id = rows::number(*titles, "Id_Infotitel");
                if (id > 4) {
                    break;
                }
                if (id >= 1) {
                    headings[static_cast<std::size_t>(id - 1)] = rows::idText(*titles, "Titel", "");
                }
            }
            titles->close();
        }
        const auto numbers = MaterialNumbers();
        if (numbers && numbers->Count() > 0) {
            text = headings[0] + Crlf + MaterialNumbersForCountry() + Crlf + Crlf;
        } else if (!m_materialNo.empty()) {
            text = headings[0] + Crlf + m_materialNo + Crlf + Crlf;
        }
        if (!m_steelgroup.empty()) {
            text += headings[1] + Crlf + m_steelgroupDetail + Crlf + Crlf;
        }
        const auto symbols = Symbols();
        if (symbols && symbols->Count() > 0) {
            text += headings[2] + Crlf + SymbolsForCountry() + Crlf + Crlf;
        }
        const auto standards = Standards();
        if (standards && standards->Count() > 0) {
            text += headings[3] + Crlf + StandardsText();
        }
        if (const auto infos = manager->GetInfosForSteel(db, m_steelId, shownIn)) {
            for (; !infos->eof(); infos->moveNext()) {
                const auto title = infos->field("Titel");
                const auto info = infos->field("Infotext");
                if (!title.isNull()) {
                    text += platform::CStr(title) + Crlf;
                }
                if (!info.isNull()) {
                    text += platform::CStr(info) + Crlf + Crlf;
                }
            }
            infos->close();
        }
    });
    if (!complete || platform::trimBlanks(text).empty()) {
        return {};
    }
    return text;
}

std::string Material::joinedDesignations(bool materialNumbers) {
    std::string text;
    if (!m_connection || !m_connection->LoggedIn()) {
        return text;
    }
    try {
        BoundManager<orvik::dataservice::DesignationManager> manager(relay());
        const auto& db = m_connection->Database();
        const auto rs = materialNumbers
                            ? manager->GetRealMaterialNumbersForSteelAndCountry(db, m_steelId, m_countryId)
                            : manager->GetSymbolsForSteelAndCountry(db, m_steelId, m_countryId);
        if (rs) {
            for (; !rs->eof(); rs->moveNext()) {
                text += (text.empty() ? "" : "; ") + rows::idText(*rs, "Bezeichnung", "");
            }
            rs->close();
        }
    } catch (const std::exception&) {
        // What was built so far is the text.
    }
    return text;
}

std::string Material::SymbolsForCountry() {
    return joinedDesignations(false);
}

std::string Material::MaterialNumbersForCountry() {
    return joinedDesignations(true);
}

std::string Material::StandardsText() {
    std::string text;
    const auto standards = m_standards && *m_standards ? *m_standards : Standards();
    if (!standards || !m_app) {
        return text;
    }
    auto& captions = *m_app->LanguageObject();
    for (const auto& standard : *standards) {
        if (platform::trimBlanks(standard->Standard) == "-") {
            text += standard->StandardTitle;
        } else {
            text += standard->Standard + Crlf + standard->StandardTitle;
        }
        if (!standard->StandardIntConformity.empty()) {
            text += Crlf + captions.getTextFromDB(TextID::InternationaleUebereinstimmung) + Crlf +
                    standard->StandardIntConformity;
        }
        if (!standard->StandardReplaces.empty()) {
            text +=
                Crlf + captions.getTextFromDB(TextID::Vorgaengerdokument) + Crlf + standard->StandardReplaces;
        }
        if (!standard->StandardReplacedBy.empty()) {
            text += Crlf + captions.getTextFromDB(TextID::Nachfolgedokument) + Crlf +
                    standard->StandardReplacedBy;
        }
        text += std::string(Crlf) + Crlf;
    }
    return text;
}

} // namespace orvik::objects
