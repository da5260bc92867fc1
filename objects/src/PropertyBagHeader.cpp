#include "PropertyBagHeader.h"

#include "common/Helper.h"
#include "objects/PropertyBag.h"
#include "platform/TextCase.h"
#include "platform/VbConvert.h"
#include "platform/db/Dao.h"

namespace orvik::objects {

using common::Helper;

namespace {

// NichtAnzeigen is a yes/no column; Null hides the standard's name as True does.
bool hidden(const platform::Variant& notShown) {
    if (notShown.isNull() || notShown.isEmpty()) {
        return true;
    }
    if (notShown.type() == platform::Variant::Type::Boolean) {
        return notShown.asBoolean();
    }
    return platform::CDbl(notShown) != 0.0;
}

} // namespace

void fillPropertyBagHeader(PropertyBag& bag, const platform::db::Recordset& kindRow,
                           const platform::db::Recordset& standardRow, bool withShortName) {
    bag.Standard_ID = platform::CLng(standardRow.field("ID_Norm"));
    bag.Matrix = Helper::CVarStr(standardRow.field("Matrix"));
    bag.VariantId = Helper::CVarStr(standardRow.field("ID_NormVariante"));
    if (!hidden(standardRow.field("NichtAnzeigen"))) {
        bag.StandardName = Helper::CVarStr(standardRow.field("Name"));
        if (withShortName) {
            bag.StandardShortName = Helper::CVarStr(standardRow.field("NameKurz"));
        }
        bag.StandardTitle = Helper::CVarStr(standardRow.field("Title"));
        bag.StandardDate = Helper::CVarStr(standardRow.field("Stand"));
        // A pseudo-standard shows its title only.
        if (platform::lowerCase(Helper::CVarStr(standardRow.field("Normtyp"))) == "pseudo") {
            bag.StandardShortName.clear();
            bag.StandardName.clear();
            bag.StandardDate.clear();
        }
    } else {
        bag.StandardTitle = Helper::CVarStr(standardRow.field("Title"));
    }
    bag.PropertyType = platform::CLng(kindRow.field("id"));
    bag.PropertyTypeName = std::string(platform::trimBlanks(platform::CStr(kindRow.field("Kennung"))));
}

} // namespace orvik::objects
