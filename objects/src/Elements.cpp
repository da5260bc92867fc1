#include "objects/Elements.h"

#include "Rows.h"
#include "platform/TextCase.h"

namespace orvik::objects {
namespace {

void readListValues(const platform::db::Recordset& rs, objects::Element& element) {
    element.Backnumbers = static_cast<std::int16_t>(rows::number(rs, "Anzahl_NK", 2));
    element.Order = static_cast<std::int16_t>(rows::number(rs, "Sortierung", 99));
}

/// The footnotes of one element out of the footnotes of its whole composition.
void addFootnotes(platform::db::Recordset& footnotes, objects::Element& element) {
    if (!rows::hasRows(&footnotes)) {
        return;
    }
    const auto symbol = platform::foldCase(element.Element);
    for (footnotes.moveFirst(); !footnotes.eof(); footnotes.moveNext()) {
        if (platform::foldCase(rows::text(footnotes, "ID_Element")) != symbol) {
            continue;
        }
        auto footnote = std::make_shared<objects::Footnote>();
        footnote->Symbol = rows::text(footnotes, "Zeichen");
        footnote->Footnote = rows::text(footnotes, "Fussnote");
        element.Footnotes->Add(std::move(footnote));
    }
}

} // namespace

std::shared_ptr<objects::Element> Elements::Add(const platform::db::Recordset& rs,
                                                platform::db::Recordset* footnotes) {
    auto entry = std::make_shared<objects::Element>();
    entry->Element = rows::text(rs, "ID_Element");
    entry->MinValue = rs.field("MinWert");
    entry->MaxValue = rs.field("MaxWert");
    entry->Others = rows::text(rs, "Sonstiges");
    readListValues(rs, *entry);
    entry->OnlySearch = rows::flag(rs, "NurSuchen");
    entry->OptionalValue = rows::flag(rs, "KannWert");
    entry->Rest = rows::flag(rs, "Rest");
    if (footnotes != nullptr) {
        addFootnotes(*footnotes, *entry);
    }
    append(entry);
    return entry;
}

std::shared_ptr<objects::Element> Elements::AddListElement(const platform::db::Recordset& rs) {
    auto entry = std::make_shared<objects::Element>();
    entry->Element = rows::idText(rs, "ID_Element", "");
    readListValues(rs, *entry);
    appendUnder(entry, entry->Element);
    return entry;
}

} // namespace orvik::objects
