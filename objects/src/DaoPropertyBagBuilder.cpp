#include "objects/DaoPropertyBagBuilder.h"

#include "PropertyBagHeader.h"
#include "common/Helper.h"
#include "dataservice/PropertyFootnoteManager.h"
#include "objects/Connection.h"
#include "objects/PropertyBag.h"
#include "platform/CallError.h"
#include "platform/VbConvert.h"
#include "platform/db/Dao.h"

namespace orvik::objects {

namespace {

using common::Helper;
using platform::db::Recordset;

constexpr const char* Source = "DaoPropertyBagBuilder";

std::shared_ptr<Property> readProperty(const Recordset& row) {
    auto property = std::make_shared<Property>();
    property->propertyId = platform::CLng(row.field("Id_Eigenschaft"));
    property->Name = Helper::CVarStr(row.field("EIGENSCHAFT"));
    property->Status = Helper::CVarStr(row.field("ZUSTAND"));
    property->FORM = Helper::CVarStr(row.field("FORM"));
    property->StatusTemp_min = row.field("ZuTemp_min");
    property->StatusTemp_max = row.field("ZuTemp_max");
    property->Metrics_min = row.field("Abmasse_min");
    property->Metrics_max = row.field("Abmasse_max");
    property->Value_min = row.field("Eigenschaft_min");
    property->Value_max = row.field("Eigenschaft_max");
    property->unit = Helper::CVarStr(row.field("Einheit"));
    property->Specimen = Helper::CVarStr(row.field("PROBENLAGE"));
    property->Temp_min = row.field("Temp_min");
    property->Temp_max = row.field("Temp_max");
    property->Duration_min = row.field("Dauer_min");
    property->Duration_max = row.field("Dauer_max");
    property->DurationUnit = Helper::CVarStr(row.field("DAUER"));
    property->Cooling = Helper::CVarStr(row.field("ABKUEHLUNG"));
    property->Formula_Sign = platform::Variant(std::string());
    property->Classification = Helper::CVarStr(row.field("KLASSIFIZIERUNG"));
    return property;
}

std::shared_ptr<Recordset> required(std::shared_ptr<Recordset> rows, const char* what) {
    if (!rows) {
        throw platform::CallError(platform::err::InvalidProcedureCall, Source,
                                  std::string("The ") + what + " of a property value could not be read");
    }
    return rows;
}

} // namespace

DaoPropertyBagBuilder::DaoPropertyBagBuilder() = default;
DaoPropertyBagBuilder::~DaoPropertyBagBuilder() = default;

void DaoPropertyBagBuilder::Initialize(std::shared_ptr<Connection> connection) {
    m_connection = std::move(connection);
    m_footnotes = std::make_unique<dataservice::PropertyFootnoteManager>();
}

std::shared_ptr<PropertyBag>
DaoPropertyBagBuilder::CreatePropertyBag(common::Language language, const Recordset& kindRow,
                                         const Recordset& standardRow,
                                         const std::shared_ptr<Recordset>& valueRows) {
    if (!valueRows) {
        return nullptr;
    }
    if (!m_connection || !m_footnotes) {
        throw platform::CallError(platform::err::InvalidProcedureCall, Source,
                                  "The builder was not initialized");
    }
    auto bag = std::make_shared<PropertyBag>();
    fillPropertyBagHeader(*bag, kindRow, standardRow, false);
    if (valueRows->bof() && valueRows->eof()) {
        return bag;
    }
    const auto lang = static_cast<std::int32_t>(language);
    for (valueRows->moveFirst(); !valueRows->eof(); valueRows->moveNext()) {
        const auto& db = m_connection->Database();
        const auto remarks = required(m_footnotes->GetFootnoteIdListByPropertyValueId(
                                          db, platform::CStr(valueRows->field("ID_Eigenschaftswert"))),
                                      "remarks");
        auto property = readProperty(*valueRows);
        bag->Properties->Add(property);
        for (; !remarks->eof(); remarks->moveNext()) {
            const auto id = remarks->field("ID_Bemerkung");
            const auto text =
                required(m_footnotes->GetFootnoteById(db, platform::CStr(id), lang), "remark text");
            if (!text->eof()) {
                (void)bag->Footnotes->Fill(*text, bag->PropertyType);
            }
            const auto footnote = bag->Footnotes->FindById(id);
            auto reference = std::make_shared<FootnoteReference>();
            reference->ID_Footnote = platform::CLng(id);
            reference->Symbol = footnote ? footnote->Symbol : std::string();
            property->FootnoteReferences->Add(std::move(reference));
            text->close();
        }
        remarks->close();
    }
    return bag;
}

} // namespace orvik::objects
